#include "form7.h"

#include "app/game.h"
#include "app/screens.h"
#include "comforts/comfortstexts.h"
#include "comforts/controlspage.h"
#include "hinttexts.h"
#include "prep/settingsdetailbutton.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int Margin = 10;
constexpr int TopicsWidth = 176;
constexpr int TopicHeight = 30;
constexpr int TopicStep = 36;
constexpr int HintWidth = 570;
constexpr int FrameHeight = 30 + 7 * TopicStep + 6;
constexpr int TextLeft = 16;
constexpr int TextTop = 34;
constexpr int WindowWidth = Margin + TopicsWidth + Margin + HintWidth + Margin;
constexpr int WindowHeight = Margin + FrameHeight + Margin + 34 + Margin;

} // namespace

Form7::Form7(Game &game)
    : GameWindow(game, QStringLiteral("Form7"))
{
    namespace T = hinttexts;
    setWindowTitle(T::Caption());
    setFixedSize(WindowWidth, WindowHeight);
    auto *central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette sea = central->palette();
    sea.setColor(QPalette::Window, QColor(0xe7, 0xf1, 0xf4));
    central->setPalette(sea);
    setCentralWidget(central);

    Frame1 = new QGroupBox(T::Frame1(), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Margin, Margin, TopicsWidth, FrameHeight);
    QRadioButton **byNumber[8] = { nullptr, &Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Option7 };
    int top = 30;
    for (const T::Hint &hint : T::hints()) {
        auto *topic = new QRadioButton(hint.topic, Frame1);
        topic->setObjectName(hint.option);
        topic->setGeometry(14, top, TopicsWidth - 24, TopicHeight);
        top += TopicStep;
        *byNumber[hint.option.mid(6).toInt()] = topic;
        const QString name = hint.option;
        connect(topic, &QRadioButton::toggled, this, [this, name](bool on) {
            if (on)
                ShowHint(name);
        });
    }

    Frame2 = new QGroupBox(central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Margin + TopicsWidth + Margin, Margin, HintWidth, FrameHeight);
    QFont titleFont = Frame2->font();
    titleFont.setBold(true);
    Frame2->setFont(titleFont);
    Label1 = new QLabel(Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont textFont = Frame2->font(); // the frame's caption alone is bold
    textFont.setBold(false);
    textFont.setPointSizeF(textFont.pointSizeF() + 1);
    Label1->setFont(textFont);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(TextLeft, TextTop, HintWidth - 2 * TextLeft, FrameHeight - TextTop - 12);
    Command12 = makeDetailButton(Frame2);
    Command12->setObjectName(QStringLiteral("Command12"));
    Command12->setFocusPolicy(Qt::NoFocus); // a picture of the map's button: it does nothing
    Command12->hide();

    Command1 = new QPushButton(T::Command1(), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(WindowWidth - Margin - 110, Margin + FrameHeight + Margin, 110, 34);
    connect(Command1, &QPushButton::clicked, this, [this] { CloseHints(); });

    // The keys and buttons of the game, on a page of its own beside the hints.
    操作 = new QPushButton(comfortstexts::MenuControls(), central);
    操作->setObjectName(QStringLiteral("操作"));
    操作->setGeometry(Margin, Margin + FrameHeight + Margin, 110, 34);
    connect(操作, &QPushButton::clicked, this, [this] { comforts::ControlsPage::open(this); });

    // Escape closes the hints as "Ｏ　Ｋ" does.
    auto *escape = new QAction(this);
    escape->setObjectName(QStringLiteral("Escape"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(escape);
    connect(escape, &QAction::triggered, this, [this] { CloseHints(); });
}

void Form7::load()
{
    Option2->setChecked(true);
}

QRadioButton *Form7::option(const QString &optionName) const
{
    return findChild<QRadioButton *>(optionName);
}

void Form7::ShowHint(const QString &optionName)
{
    for (const hinttexts::Hint &hint : hinttexts::hints()) {
        if (hint.option != optionName)
            continue;
        Frame2->setTitle(hint.title);
        Command12->setVisible(hint.showsMapButton);
        Label1->setText(hint.text);
        if (hint.showsMapButton)
            placeMapButton();
        return;
    }
}

// The map button stands in the blank of the first line, where the text
// says "click the ... on the map".
void Form7::placeMapButton()
{
    const QString text = Label1->text();
    const QChar blank(0x3000);
    const qsizetype start = text.indexOf(QString(2, blank));
    if (start < 0)
        return;
    qsizetype end = start;
    while (end < text.size() && text.at(end) == blank)
        ++end;
    const QFontMetrics metrics(Label1->font());
    const int left = metrics.horizontalAdvance(text.left(start));
    const int width = metrics.horizontalAdvance(text.mid(start, end - start));
    const QRect line = Label1->geometry();
    Command12->move(line.x() + left + (width - Command12->width()) / 2,
                    line.y() + (metrics.height() - Command12->height()) / 2);
    Command12->raise();
}

void Form7::CloseHints()
{
    game().screens().unload(*this);
}
