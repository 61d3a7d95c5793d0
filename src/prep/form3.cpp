#include "form3.h"

#include "charts/chartbuttons.h"
#include "app/controls.h"
#include "anglerlist.h"
#include "app/game.h"
#include "app/screens.h"
#include "comforts/mainscreencomforts.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "mainscreen/rafts.h"
#include "platform/picturebox.h"
#include "records/datafiles.h"
#include "rankings/form6.h"
#include "records/sharedfolder.h"
#include "settingsdetailbutton.h"
#include "settingsrules.h"
#include "settingstexts.h"
#include "waveinstall.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

// Geometry in pixels. The column of name and menu is the narrow window; the
// wide window adds the bay map and the panel beside it.
constexpr int Margin = 10;
constexpr int ColumnWidth = 170;
constexpr int ButtonWidth = ColumnWidth - 2 * Margin;
constexpr int ButtonHeight = 30;
constexpr int MapWidth = 300; // the bay map's own size
constexpr int MapHeight = 290;
constexpr int MapFrameWidth = MapWidth + 2 * Margin;
constexpr int PanelWidth = 236;
constexpr int TopOfMenu = 72;
constexpr int MenuHeight = 306;
constexpr int WindowHeight = TopOfMenu + MenuHeight + Margin;
constexpr int NarrowWidth = Margin + ColumnWidth + Margin;
constexpr int MapLeft = NarrowWidth;
constexpr int PanelLeft = MapLeft + MapFrameWidth + Margin;
constexpr int WideWidth = PanelLeft + PanelWidth + Margin;
constexpr int SideFrameHeight = WindowHeight - 2 * Margin;

// Where each raft's option and detail button sit on the bay map: just to
// the right of the raft drawn on it (the rafts stand at 186,134; 190,30;
// 88,160; 200,268; 158,206 on the map).
struct MapTag
{
    QPoint option;
    QPoint button;
};
constexpr MapTag mapTags[5] = {
    { { 200, 111 }, { 203, 136 } }, // 湾入り口, at the bay mouth
    { { 203, 7 }, { 206, 32 } }, // 北の離れ, offshore north
    { { 101, 137 }, { 104, 162 } }, // 大浜, off the long beach
    { { 212, 245 }, { 215, 270 } }, // 南の離れ, offshore south
    { { 171, 185 }, { 174, 210 } }, // 鴨の越し, in the narrow passage
};


// A value box: white, a thin border and a little padding.
QLabel *makeBox(QWidget *parent, const QString &name, QRect geometry)
{
    QLabel *box = makeLabel(parent, name, QString(), geometry, Qt::AlignCenter);
    box->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 0px 2px; }"));
    return box;
}


// Enter on a raft's name on the map opens its details, as its glass does
// for the mouse: the raft with the focus is the one chosen.
class RaftKeys : public QObject
{
public:
    RaftKeys(QObject *parent, std::function<void(int)> showDetails)
        : QObject(parent)
        , m_showDetails(std::move(showDetails))
    {
    }
    void watch(QRadioButton *option, int spotNo)
    {
        option->installEventFilter(this);
        option->setProperty("spotNo", spotNo);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_showDetails(watched->property("spotNo").toInt());
        return true;
    }

private:
    std::function<void(int)> m_showDetails;
};

// Each entry shows in the player's language and carries the game's own
// name for it, which is what the day keeps.
QComboBox *makePickList(QWidget *parent, const QString &name, const QStringList &items, QRect geometry)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const QString &item : items)
        combo->addItem(settingstexts::shown(item), item);
    combo->setCurrentIndex(-1); // nothing picked yet
    combo->setGeometry(geometry);
    return combo;
}

} // namespace

Form3::Form3(Game &game)
    : GameWindow(game, QStringLiteral("Form3"))
{
    namespace T = settingstexts;
    setWindowTitle(T::Caption());
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form3Area"));
    central->setAutoFillBackground(true);
    QPalette sea = central->palette();
    sea.setColor(QPalette::Window, QColor(0xe7, 0xf1, 0xf4));
    central->setPalette(sea);
    setCentralWidget(central);

    // ---- the angler's name and the menu column ----
    Label9 = makeLabel(central, QStringLiteral("Label9"), T::Label9(), { Margin, Margin, ColumnWidth, 22 });
    QPushButton *settingsButton
        = comforts::addSettingsButton(*this, central, { Margin + ColumnWidth - 64, Margin - 2, 64, 24 });
    QPushButton *statisticsButton
        = charts::addStatisticsButton(*this, central, { Margin + ColumnWidth - 122, Margin - 2, 54, 24 });
    Combo3 = new QComboBox(central);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->setEditable(true);
    Combo3->setInsertPolicy(QComboBox::NoInsert); // names join the list only by crossing to a raft
    Combo3->setMaxVisibleItems(16);
    Combo3->setGeometry(Margin, Margin + 24, ColumnWidth, 28);

    Frame1 = new QGroupBox(T::Frame1(), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Margin, TopOfMenu, ColumnWidth, MenuHeight);
    const int step = ButtonHeight + 6;
    int y = 28;
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), T::Command1(), { Margin, y, ButtonWidth, ButtonHeight });
    Command2 = makeButton(Frame1, QStringLiteral("Command2"), T::Command2(),
                          { Margin, y += step, ButtonWidth, ButtonHeight });
    Command3 = makeButton(Frame1, QStringLiteral("Command3"), T::Command3(),
                          { Margin, y += step, ButtonWidth, ButtonHeight });
    Command4 = makeButton(Frame1, QStringLiteral("Command4"), T::Command4(),
                          { Margin, y += step, ButtonWidth, ButtonHeight });
    Command5 = makeButton(Frame1, QStringLiteral("Command5"), T::Command5(),
                          { Margin, y += step, ButtonWidth, ButtonHeight });
    Command7 = makeButton(Frame1, QStringLiteral("Command7"), T::Command7(),
                          { Margin, y += step, ButtonWidth, ButtonHeight });
    Command6 = makeButton(Frame1, QStringLiteral("Command6"), T::Command6(),
                          { Margin, MenuHeight - Margin - 40, ButtonWidth, 40 });
    Command6->setEnabled(false);
    QFont crossing = Command6->font();
    crossing.setBold(true);
    crossing.setPointSizeF(crossing.pointSizeF() + 1);
    Command6->setFont(crossing);

    // ---- the bay map with the five rafts ----
    Frame3 = new QGroupBox(T::Frame3(), central);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(MapLeft, Margin, MapFrameWidth, SideFrameHeight);
    Picture1 = new PictureBox(Frame3);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPictureName(QStringLiteral("bay_map"));
    Picture1->setGeometry(Margin, (SideFrameHeight - MapHeight) / 2 + 8, MapWidth, MapHeight);

    const QStringList raftNames = T::rafts();
    auto *raftKeys = new RaftKeys(this, [this](int spotNo) { ShowDetailsOf(spotNo); });
    QRadioButton **options[5] = { &Option1, &Option2, &Option3, &Option4, &Option5 };
    QPushButton **details[5] = { &Command12, &Command8, &Command9, &Command10, &Command11 };
    const char *detailNames[5] = { "Command12", "Command8", "Command9", "Command10", "Command11" };
    for (int k = 1; k <= 5; ++k) {
        auto *opt = new QRadioButton(raftNames.at(k - 1), Picture1);
        opt->setObjectName(QStringLiteral("Option") + QString::number(k));
        // The map keeps the names short; a gloss in the player's language
        // comes on hovering.
        if (rafts::shownName(k) != raftNames.at(k - 1))
            opt->setToolTip(rafts::shownName(k));
        // A light tag keeps the name readable over sea and land alike.
        // The tag with the keyboard's focus wears a thicker blue edge, as
        // the style's own focus frame does not show on a dressed tag.
        opt->setStyleSheet(QStringLiteral(
            "QRadioButton { background: rgba(255, 255, 255, 215); border: 1px solid rgba(60, 80, 100, 120);"
            " border-radius: 4px; padding: 1px 5px 1px 3px; }"
            "QRadioButton:checked { background: #fff3c4; border: 1px solid #b06a20; font-weight: bold; }"
            "QRadioButton:focus { border: 2px solid #2f6db5; padding: 0px 4px 0px 2px; }"));
        opt->adjustSize();
        opt->move(mapTags[k - 1].option);
        *options[k - 1] = opt;
        connect(opt, &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                ChooseRaft(k);
        });
        raftKeys->watch(opt, k);

        QPushButton *button = makeDetailButton(Picture1);
        button->setObjectName(QLatin1String(detailNames[k - 1]));
        button->setToolTip(T::DetailTip());
        button->move(mapTags[k - 1].button);
        *details[k - 1] = button;
        connect(button, &QPushButton::clicked, this, [this, k] { ShowDetailsOf(k); });
    }

    // ---- the panel: raft, target fish, end time and today's tides ----
    Frame2 = new QGroupBox(central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(PanelLeft, Margin, PanelWidth, SideFrameHeight);
    const int inner = PanelWidth - 2 * 12;
    Label1 = makeBox(Frame2, QStringLiteral("Label1"), { 12, 24, inner, 34 });
    QFont raftFont = Label1->font();
    raftFont.setPointSizeF(raftFont.pointSizeF() + 3);
    raftFont.setBold(true);
    Label1->setFont(raftFont);
    Combo1 = makePickList(Frame2, QStringLiteral("Combo1"), T::fish(), { 12, 74, inner, 28 });
    Combo1->hide();
    Label2 = makeLabel(Frame2, QStringLiteral("Label2"), T::Label2(), { 12, 118, 64, 28 });
    Label2->hide();
    Combo2 = makePickList(Frame2, QStringLiteral("Combo2"), T::endTimes(), { 80, 118, inner - 68, 28 });
    Combo2->hide();

    auto *rule = new QFrame(Frame2);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(12, 166, inner, 2);
    Label16 = makeLabel(Frame2, QStringLiteral("Label16"), T::Label16(), { 12, 178, inner, 24 });
    // Two rows of tides: a high water and a low water in each.
    const auto tideRow = [&](int top, QLabel *&highHead, const QString &highHeadName, const QString &highHeadText,
                             QLabel *&high, const QString &highName, QLabel *&highHour, const QString &highHourName,
                             QLabel *&lowHead, const QString &lowHeadName, const QString &lowHeadText, QLabel *&low,
                             const QString &lowName, QLabel *&lowHour, const QString &lowHourName) {
        highHead = makeLabel(Frame2, highHeadName, highHeadText, { 12, top, 44, 28 });
        high = makeBox(Frame2, highName, { 56, top, 36, 28 });
        highHour = makeLabel(Frame2, highHourName, T::Label10(), { 95, top, 20, 28 });
        lowHead = makeLabel(Frame2, lowHeadName, lowHeadText, { 120, top, 44, 28 });
        low = makeBox(Frame2, lowName, { 164, top, 36, 28 });
        lowHour = makeLabel(Frame2, lowHourName, T::Label12(), { 203, top, 20, 28 });
    };
    tideRow(212, Label3, QStringLiteral("Label3"), T::Label3(), Label5, QStringLiteral("Label5"), Label10,
            QStringLiteral("Label10"), Label4, QStringLiteral("Label4"), T::Label4(), Label7, QStringLiteral("Label7"),
            Label12, QStringLiteral("Label12"));
    tideRow(248, Label14, QStringLiteral("Label14"), T::Label14(), Label6, QStringLiteral("Label6"), Label11,
            QStringLiteral("Label11"), Label15, QStringLiteral("Label15"), T::Label15(), Label8,
            QStringLiteral("Label8"), Label13, QStringLiteral("Label13"));
    Label11->setText(T::Label11());
    Label13->setText(T::Label13());

    // The Tab key follows the steps of the screen: the name, the raft on
    // the map, the fish and the time, each button followed by what it
    // opens, then the crossing; the rest of the menu and the two small
    // buttons over the name come last.
    const QList<QWidget *> steps{ Combo3,   Command1, Option1,  Option2,  Option3,          Option4,
                                  Option5,  Command2, Combo1,   Command3, Combo2,           Command6,
                                  Command4, Command5, Command7, statisticsButton, settingsButton };
    for (qsizetype i = 1; i < steps.size(); ++i)
        setTabOrder(steps[i - 1], steps[i]);

    connect(Command1, &QPushButton::clicked, this, [this] { OpenRaftChoice(); });
    connect(Command2, &QPushButton::clicked, this, [this] { ShowTargetList(); });
    connect(Command3, &QPushButton::clicked, this, [this] { ShowEndTimes(); });
    connect(Command4, &QPushButton::clicked, this, [this] { ShowPastRecords(); });
    connect(Command5, &QPushButton::clicked, this, [this] { AskBoatman(); });
    connect(Command6, &QPushButton::clicked, this, [this] { CrossToRaft(); });
    connect(Command7, &QPushButton::clicked, this, [this] { QuitFishing(); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { PickTarget(); });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { PickEndTime(); });
}

void Form3::load()
{
    Platform &platform = game().platform;
    state().AppDir = platform.dirs.dataRoot;
    platform.random.reseed(quint64(platform.clock.now().toMSecsSinceEpoch()));
    makeNarrow();

    const settings::TideHours tides = settings::drawTideHours(platform.random);
    Label5->setText(QString::number(tides.firstHigh));
    Label6->setText(QString::number(tides.secondHigh));
    Label7->setText(QString::number(tides.earlierLow));
    Label8->setText(QString::number(tides.laterLow));
    // Today's tides belong to the day: the main screen and the log take them from there.
    Day &day = game().day;
    day.tides = tides;

    const QString dataDir = datafiles::DataDirectory(state().AppDir);
    state().AnglerNames = readAnglerNames(platform.files, dataDir);
    Combo3->addItems(state().AnglerNames);
    Combo3->setCurrentIndex(-1); // the name box starts empty
    Combo3->clearEditText();
    // ... or with the last angler's name, chosen whole so that typing
    // another replaces it.
    const QString lastAngler = game().lastOuting.angler;
    if (!lastAngler.isEmpty()) {
        const int listed = Combo3->findText(lastAngler, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (listed >= 0)
            Combo3->setCurrentIndex(listed);
        else
            Combo3->setEditText(lastAngler);
        Combo3->lineEdit()->selectAll();
    }
    // The keyboard starts in the name box.
    Combo3->setFocus();

    waveinstall::installWaves(platform.files, platform.dirs);

    if (!platform.files.isDirectory(dataDir))
        platform.files.makeDirectory(dataDir); // a failure only shows later, when a day is saved
    datafiles::OpenDataFolder(platform.files, platform.dialogs, windowTitle(), dataDir);
}

bool Form3::queryUnload(bool byCloseControl)
{
    if (byCloseControl)
        game().endProgram();
    return false;
}

void Form3::makeNarrow()
{
    m_wide = false;
    setFixedSize(NarrowWidth, WindowHeight);
    Frame1->resize(ColumnWidth, MenuHeight);
    Frame2->hide();
    // The map lies beyond the narrow window; hidden, it takes no focus either.
    Frame3->hide();
}

void Form3::makeWide()
{
    m_wide = true;
    setFixedSize(WideWidth, WindowHeight);
    Frame1->resize(ColumnWidth, MenuHeight);
    Frame3->show();
    Frame2->show();
}

QRadioButton *Form3::option(int spotNo) const
{
    return findChild<QRadioButton *>(QStringLiteral("Option") + QString::number(spotNo));
}

void Form3::OpenRaftChoice()
{
    if (Combo3->currentText().trimmed().isEmpty()) {
        message(settingstexts::MsgEnterName());
        Combo3->setFocus();
        return;
    }
    makeWide();
    Command6->setEnabled(true);
    // The map comes with the last crossing's raft offered, and the focus on
    // the raft chosen (the first one while none is).
    if (!raftChosen())
        if (QRadioButton *last = option(game().lastOuting.raft))
            last->setChecked(true);
    QRadioButton *chosen = option(state().SpotNo);
    (chosen ? chosen : Option1)->setFocus();
}

bool Form3::raftChosen() const
{
    return rafts::byNumber(state().SpotNo) != nullptr;
}

void Form3::ChooseRaft(int spotNo)
{
    if (QRadioButton *opt = option(spotNo))
        Label1->setText(opt->text());
    state().SpotNo = spotNo;
    Form4::followChosenRaft(game().screens());
}

void Form3::ShowDetailsOf(int spotNo)
{
    state().SpotNo = spotNo;
    ShowSpotDetails();
}

void Form3::ShowSpotDetails()
{
    QRadioButton *opt = option(state().SpotNo);
    if (!opt)
        return;
    opt->setChecked(true);
    Label1->setText(opt->text());
    Screens &screens = game().screens();
    Form4::followChosenRaft(screens);
    screens.show(screens.form4());
}

void Form3::ShowTargetList()
{
    if (!raftChosen()) {
        message(settingstexts::MsgChooseSpot());
        Combo3->setFocus();
        return;
    }
    // チヌ, or the fish of the last crossing.
    QString offered = settingstexts::Chinu();
    const QString lastFish = game().lastOuting.fish;
    if (!lastFish.isEmpty() && Combo1->findData(lastFish) >= 0)
        offered = lastFish;
    Combo1->setCurrentIndex(Combo1->findData(offered));
    state().TargetFish = daylog::fishFromCaption(offered);
    Combo1->show();
    Combo1->setFocus();
}

void Form3::PickTarget()
{
    state().TargetFish = daylog::fishFromCaption(Combo1->currentData().toString());
}

void Form3::ShowEndTimes()
{
    if (!raftChosen()) {
        message(settingstexts::MsgChooseSpot());
        Combo3->setFocus();
        return;
    }
    Label2->show();
    Combo2->show();
    if (Combo2->currentIndex() < 0) {
        const int last = Combo2->findData(game().lastOuting.endTime);
        if (!game().lastOuting.endTime.isEmpty() && last >= 0)
            Combo2->setCurrentIndex(last);
    }
    Combo2->setFocus();
}

void Form3::PickEndTime()
{
    const QString endTime = Combo2->currentData().toString();
    if (!endTime.isEmpty())
        state().DayMinutes = settings::dayMinutesFor(endTime);
}

void Form3::ShowPastRecords()
{
    Screens &screens = game().screens();
    screens.show(screens.form6());
}

void Form3::AskBoatman()
{
    Screens &screens = game().screens();
    screens.show(screens.form7());
}

void Form3::QuitFishing()
{
    game().endProgram();
}

void Form3::CrossToRaft()
{
    const QString refusal = settings::crossingRefusal(state().SpotNo, Combo1->currentText(), Combo2->currentText(),
                                                      Combo3->currentText());
    if (!refusal.isEmpty()) {
        message(refusal);
        if (raftChosen() && !Combo1->currentText().isEmpty() && !Combo2->currentText().isEmpty()) {
            // The name was refused: put the angler back in the name box.
            Combo3->setFocus();
            Combo3->lineEdit()->selectAll();
        }
        return;
    }
    // The name is kept as it will be written: trimmed, look-alikes folded.
    const QString name = settings::cleanAnglerName(Combo3->currentText());
    Combo3->setEditText(name);
    state().AnglerName = name;
    state().EndHour = settings::endHourOf(Combo2->currentData().toString());

    Screens &screens = game().screens();
    Form1 &mainScreen = screens.form1();
    mainScreen.showEndHour();
    RegisterAngler();
    const comforts::LastOuting outing{ name, state().SpotNo, Combo1->currentData().toString(),
                                       Combo2->currentData().toString() };
    game().lastOuting = outing;
    if (game().keepOuting)
        game().keepOuting(outing);
    Form4::closeOnCrossing(screens);
    screens.show(mainScreen);
    closeFromCode();
}

void Form3::RegisterAngler()
{
    const QString name = Combo3->currentText();
    QStringList listed;
    for (int i = 0; i < Combo3->count(); ++i)
        listed << Combo3->itemText(i);
    const QString dataDir = datafiles::DataDirectory(state().AppDir);
    const AnglerAdded added = addAnglerName(game().platform.files, dataDir, listed, name);
    if (added == AnglerAdded::AlreadyListed)
        return;
    if (Combo3->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Combo3->addItem(name);
        Combo3->setEditText(name);
    }
    state().AnglerNames = listed;
    if (added == AnglerAdded::NotWritten) {
        const QString inTheWay = datafiles::LockInTheWayText(anglerListPath(dataDir));
        message(QCoreApplication::translate("Settings",
                                            "釣り人の名簿（%1）に名前を書き込めませんでした。\n今日の釣りはできますが、"
                                            "名前は次の釣りの一覧には出てきません。")
                        .arg(settingstexts::AnglerListFile())
                    + (inTheWay.isEmpty() ? QString() : QStringLiteral("\n\n") + inTheWay),
                MessageButtons::Ok, MessageIcon::Warning);
    }
}
