#include "form2.h"

#include "app/game.h"
#include "app/screens.h"
#include "comforts/comfortstexts.h"
#include "mainscreen/form1.h"
#include "rigrules.h"
#include "rigtexts.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace T = rigtexts;

namespace {

constexpr int Margin = 12;
constexpr int FrameTop = 60;
constexpr int RowStep = 28;
constexpr int FrameHeight = 28 + 6 * RowStep + 8;
constexpr int LeaderWidth = 118, HookWidth = 142, BaitWidth = 142;
constexpr int WindowWidth = Margin + LeaderWidth + 10 + HookWidth + 10 + BaitWidth + Margin;
constexpr int ButtonHeight = 38;
constexpr int WindowHeight = FrameTop + FrameHeight + 14 + ButtonHeight + Margin;

} // namespace

Form2::Form2(Game &game)
    : GameWindow(game, QStringLiteral("Form2"))
{
    setWindowTitle(T::Caption());
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("Form2Area"));
    area->setAutoFillBackground(true);
    QPalette sea = area->palette();
    sea.setColor(QPalette::Window, QColor(0xe4, 0xef, 0xf3));
    area->setPalette(sea);
    setCentralWidget(area);

    Label1 = new QLabel(T::Label1(), area);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Margin, Margin + 4, 52, 32);
    Label2 = new QLabel(area);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(Margin + 56, Margin + 4, 84, 32);
    Label2->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 0px 3px; }"));
    QFont bold = Label2->font();
    bold.setPointSizeF(bold.pointSizeF() + 2);
    bold.setBold(true);
    Label2->setFont(bold);
    Command1 = new QPushButton(T::Command1(), area);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Margin + 150, Margin + 4, 124, 32);
    Combo1 = new QComboBox(area);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const QString &fish : {T::Chinu(), T::Mullet()})
        Combo1->addItem(T::shown(fish), fish);
    Combo1->setCurrentIndex(-1);
    Combo1->setGeometry(Margin + 284, Margin + 6, WindowWidth - Margin - 284 - Margin, 28);
    Combo1->hide();

    const auto makeFrame = [&](const QString &name, const QString &caption, int x, int width) {
        auto *frame = new QGroupBox(caption, area);
        frame->setObjectName(name);
        frame->setGeometry(x, FrameTop, width, FrameHeight);
        return frame;
    };
    Frame1 = makeFrame(QStringLiteral("Frame1"), T::Frame1(), Margin, LeaderWidth);
    Frame2 = makeFrame(QStringLiteral("Frame2"), T::Frame2(), Margin + LeaderWidth + 10, HookWidth);
    Frame3 = makeFrame(QStringLiteral("Frame3"), T::Frame3(), Margin + LeaderWidth + 10 + HookWidth + 10, BaitWidth);
    for (int i = 1; i <= 12; ++i) {
        QGroupBox *frame = i <= 3 ? Frame1 : i <= 6 ? Frame2 : Frame3;
        const int row = i <= 3 ? i - 1 : i <= 6 ? i - 4 : i - 7;
        auto *option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("Option") + QString::number(i));
        option->setGeometry(14, 28 + row * RowStep, frame->width() - 20, 24);
        m_options[std::size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { ClickOption(i); });
    }

    Command2 = new QPushButton(T::Command2(), area);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(WindowWidth - Margin - 140, WindowHeight - Margin - ButtonHeight, 140, ButtonHeight);
    QFont done = Command2->font();
    done.setBold(true);
    done.setPointSizeF(done.pointSizeF() + 1);
    Command2->setFont(done);

    connect(Command1, &QPushButton::clicked, this, [this] { ShowTargetList(); });
    connect(Combo1, &QComboBox::activated, this, [this] { PickTarget(); });
    connect(Command2, &QPushButton::clicked, this, [this] { CompleteRig(); });

    // Enter completes the rig from anywhere on the screen.
    auto *complete = new QAction(this);
    complete->setObjectName(QStringLiteral("仕掛け完了キー"));
    complete->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    addAction(complete);
    connect(complete, &QAction::triggered, this, [this] {
        if (Command2->isEnabled() && !Command2->isHidden())
            Command2->click();
    });
    for (int i = 1; i <= 12; ++i)
        option(i)->installEventFilter(this);

    setFixedSize(WindowWidth, WindowHeight);
}

// In a frame the arrow keys choose the option, as a click would: the focus
// moves to the next shown option of the same frame and it is selected.
bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return GameWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
    int number = 0;
    for (int i = 1; i <= 12; ++i)
        if (option(i) == watched)
            number = i;
    if (step == 0 || number == 0)
        return GameWindow::eventFilter(watched, event);
    const int first = number <= 3 ? 1 : number <= 6 ? 4 : 7;
    const int last = number <= 3 ? 3 : number <= 6 ? 6 : 12;
    int next = number;
    for (int i = number + step; i >= first && i <= last; i += step) {
        if (!option(i)->isHidden() && option(i)->isEnabled()) {
            next = i;
            break;
        }
    }
    option(next)->setFocus(Qt::TabFocusReason);
    if (!option(next)->isChecked())
        option(next)->click();
    return true;
}

QRadioButton *Form2::option(int number) const
{
    return m_options.at(std::size_t(number));
}

// Label2 shows the fish in the player's language; the rig screen's options
// go by the fish it shows.
void Form2::showFish(std::optional<daylog::Fish> fish)
{
    m_fish = fish;
    Label2->setText(daylog::shownName(fish));
}

QString Form2::part(int number) const
{
    return option(number)->property("part").toString();
}

void Form2::selectOption(int number)
{
    option(number)->setChecked(true);
    ClickOption(number);
}

void Form2::load()
{
    showFish(state().TargetFish);
    for (int i = 1; i <= 12; ++i)
        option(i)->setVisible(true);
    SetUpRig();
}

void Form2::activate()
{
    // Only on a change of rig: the options start from the rig being fished.
    Form1 *mainScreen = game().screens().loadedForm1();
    if (!mainScreen || !mainScreen->day().rigAskedFor)
        return;
    if (fish() == daylog::Fish::Chinu) {
        PreselectRig();
        const std::optional<daylog::Bait> bait = mainScreen->day().bait;
        for (int i = 7; i <= 12; ++i)
            if (bait && daylog::baitFromCaption(part(i)) == bait)
                selectOption(i);
    } else if (fish() == daylog::Fish::Mullet) {
        PreselectRig();
    }
}

bool Form2::queryUnload(bool byCloseControl)
{
    if (!byCloseControl)
        return false;
    message(T::UseDone() + comfortstexts::RigCloseKey());
    return true;
}

void Form2::SetUpRig()
{
    const std::optional<rigrules::SetUp> setUp = rigrules::setUpFor(fish());
    if (!setUp)
        return;
    for (const auto &[number, caption] : setUp->captions) {
        option(number)->setText(T::shown(caption));
        option(number)->setProperty("part", caption);
    }
    for (int number : setUp->hidden)
        option(number)->setVisible(false);
}

void Form2::PreselectRig()
{
    Form1 &mainScreen = game().screens().form1();
    for (int i = 1; i <= 3; ++i) {
        const Day &day = mainScreen.day();
        if (day.leader && daylog::leaderFromCaption(part(i)) == day.leader)
            selectOption(i);
        if (day.hook && daylog::hookFromCaption(part(i + 3)) == day.hook)
            selectOption(i + 3);
    }
}

void Form2::ClickOption(int number)
{
    const QString caption = part(number);
    if (number <= 3)
        state().Leader = daylog::leaderFromCaption(caption);
    else if (number <= 6)
        state().Hook = daylog::hookFromCaption(caption);
    else
        state().Bait = daylog::baitFromCaption(caption);
}

void Form2::ShowTargetList()
{
    Combo1->show();
}

void Form2::PickTarget()
{
    state().TargetFish = daylog::fishFromCaption(Combo1->currentData().toString());
    showFish(state().TargetFish);
    for (int i = 1; i <= 12; ++i)
        option(i)->setVisible(true);
    SetUpRig();
}

void Form2::CompleteRig()
{
    GameState &s = state();
    const QString missing = rigrules::missingChoice(s.Leader, s.Hook, s.TargetFish, s.Bait);
    if (!missing.isEmpty()) {
        message(missing);
        return;
    }
    Form1 &mainScreen = game().screens().form1();
    mainScreen.setRig(s.Leader, s.Hook, s.Bait);
    mainScreen.showTarget();
    if (fish() == daylog::Fish::Chinu)
        s.TargetCode = 1;
    else if (fish() == daylog::Fish::Mullet)
        s.TargetCode = 2;
    closeFromCode();
    mainScreen.day().controls.startMenuEnabled = true;
    mainScreen.showControls();
    mainScreen.Command6->setText(T::StartPrompt());
}
