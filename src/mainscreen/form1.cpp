#include "form1.h"

#include "app/controls.h"
#include "app/game.h"
#include "app/screens.h"
#include "clocktide.h"
#include "comforts/comfortstexts.h"
#include "comforts/mainscreencomforts.h"
#include "daystart.h"
#include "daylog/daylog.h"
#include "daylog/dayreport.h"
#include "daylog/ids.h"
#include "daylog/reasons.h"
#include "mainscreen/fishing/buttoncolours.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/fishingtexts.h"
#include "mainscreentexts.h"
#include "platform/picturebox.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "rafts.h"
#include "records/dayend.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegion>

#include <exception>
#include <limits>

namespace T = mainscreentexts;
constexpr int BarFullWidth = Day::BarFullWidth; // Label11, Label12

// The name of a member, as its objectName.
#define NAME_OF(member) QString::fromUtf8(#member)

namespace {

// ---- geometry in pixels ----
constexpr int Margin = 10;
constexpr int LeftWidth = 262;
constexpr int CentreLeft = Margin + LeftWidth + 10;
constexpr int CentreWidth = 345;
constexpr int RightLeft = CentreLeft + CentreWidth + 10;
constexpr int RightWidth = 285;
constexpr int AreaWidth = RightLeft + RightWidth + Margin;
constexpr int BandTop = 424; // the fishing buttons and the catch list
constexpr int BandHeight = 140;
constexpr int AreaHeight = BandTop + BandHeight + Margin;
constexpr int TipWidth = 327, TipHeight = 105;    // the rod-tip view
constexpr int RodWidth = 331, RodHeight = 208;    // the rod view
constexpr int ChinuWidth = 450, ChinuHeight = 377; // the landed chinu as it opens
constexpr QPoint ChinuOpensAt{50, 100};           // where the fishing puts it in its area
constexpr int BarHeight = 20;

const QColor SeaBackground(0xe4, 0xef, 0xf3);
const QString BoxStyle = QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 0px 3px; }");


// A value box: white, a thin border and a little padding.
QLabel *makeBox(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    QLabel *box = makeLabel(parent, name, caption, geometry, Qt::AlignCenter);
    box->setStyleSheet(BoxStyle);
    return box;
}

QLabel *makeBar(QWidget *parent, const QString &name, QRect geometry, const QString &style)
{
    QLabel *bar = makeLabel(parent, name, QString(), geometry);
    bar->setStyleSheet(style);
    return bar;
}


PictureBox *makePicture(QWidget *parent, const QString &pictureName, QRect geometry)
{
    auto *picture = new PictureBox(parent);
    picture->setPictureName(pictureName);
    picture->setGeometry(geometry);
    return picture;
}

void enlarge(QWidget *widget, qreal points, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() + points);
    font.setBold(bold);
    widget->setFont(font);
}

// The landed chinu opens where the fishing places it inside its own area;
// that area lies over the centre of the screen and is shown only while the
// picture is, so that it never takes a click meant for the screen below.
class LandingFollower : public QObject
{
public:
    LandingFollower(QWidget *area, QWidget *picture, QObject *parent)
        : QObject(parent)
        , m_area(area)
    {
        picture->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *picture = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::ShowToParent) {
            m_area->setMask(QRegion(picture->geometry()));
            m_area->show();
            m_area->raise();
        } else if (event->type() == QEvent::HideToParent) {
            m_area->hide();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && !picture->isHidden()) {
            m_area->setMask(QRegion(picture->geometry()));
        }
        return false;
    }

private:
    QWidget *m_area;
};

} // namespace

Form1::Form1(Game &game)
    : GameWindow(game, QStringLiteral("Form1"))
{
    setWindowTitle(T::Caption());
    buildControls();
    DayEngine::Options options;
    options.timerParent = this;
    m_engine = std::make_unique<DayEngine>(game.day, game.state, game.platform, game.dayEvents,
                                           static_cast<DayScreen &>(*this), options);
    m_engine->onDayBegun = [&game](const daylog::LoggedDay &header) { game.dayLog().beginDay(header); };
    Timer時間管理 = m_engine->Timer時間管理.get();
    Timer1音楽1 = m_engine->Timer1音楽1.get();
    Timer竿の音 = m_engine->Timer竿の音.get();
    Timer1 = m_engine->Timer1.get();
    Timerダンゴ管理 = m_engine->Timerダンゴ管理.get();
    Timer竿の動き = m_engine->Timer竿の動き.get();
    Timerあたり = m_engine->Timerあたり.get();
    Timer竿のしなり = m_engine->Timer竿のしなり.get();
    Timer1ボラのタイマー = m_engine->Timer1ボラのタイマー.get();
    Timer1ばらし = m_engine->Timer1ばらし.get();
    Timer1->setHandler([this] { AnimateLandedChinu(); });

    // The player's actions go to the day; the screen then draws it.
    const auto act = [this](QPushButton *button, void (DayEngine::*action)()) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            ((*m_engine).*action)();
            showControls();
        });
    };
    act(Command1, &DayEngine::DropGroundbait);
    act(Command2, &DayEngine::BreakGroundbait);
    act(Command3, &DayEngine::Strike);
    act(Command4, &DayEngine::CloseLandedChinu);
    connect(Command5, &QPushButton::clicked, this, [this] { ChangeBait(); });
    // A click picks the bait even when it is the one already selected.
    connect(List2, &QListWidget::itemClicked, this, [this] { PickBait(); });
    connect(List2, &QListWidget::itemActivated, this, [this] { PickBait(); });

    m_dayEnd = std::make_unique<DayEnd>(*this);
    m_dayReport = std::make_unique<DayReport>(*this);
    new comforts::MainScreenComforts(*this); // keys, focus and pause; a child of this screen
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    // ---- menus ----
    QMenuBar *menus = menuBar();
    const auto addMenu = [&](QAction *&action, const QString &name, const QString &caption) {
        action = menus->addAction(caption);
        action->setObjectName(name);
    };
    addMenu(仕掛けを作る, NAME_OF(仕掛けを作る), T::MenuRig());
    addMenu(スタート, NAME_OF(スタート), T::MenuStart());
    addMenu(釣果を保存, NAME_OF(釣果を保存), T::MenuSave());
    addMenu(納竿, NAME_OF(納竿), T::MenuPackUp());
    connect(仕掛けを作る, &QAction::triggered, this, [this] { OpenRigScreen(); });
    connect(スタート, &QAction::triggered, this, [this] { StartDay(); });

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("Form1Area"));
    area->setAutoFillBackground(true);
    QPalette sea = area->palette();
    sea.setColor(QPalette::Window, SeaBackground);
    area->setPalette(sea);
    area->setFixedSize(AreaWidth, AreaHeight);
    setCentralWidget(area);

    // ---- left: raft, angler, target, raft data, rig ----
    Label7 = makeLabel(area, QStringLiteral("Label7"), T::Label7(), {Margin, Margin, 54, 30});
    Label8 = makeBox(area, QStringLiteral("Label8"), QString(), {Margin + 58, Margin, LeftWidth - 58, 30});
    enlarge(Label8, 2, true);
    Label6 = makeBox(area, QStringLiteral("Label6"), QString(), {Margin, 48, 120, 26});
    Label5.set(QStringLiteral("Label5"), 0,
               makeLabel(area, QString(), T::Label5(), {Margin + 128, 48, 50, 26}));
    Label4.set(QStringLiteral("Label4"), 0,
               makeBox(area, QString(), T::Label4Target(), {Margin + 180, 48, LeftWidth - 180, 26}));

    Frame1 = new QGroupBox(T::Frame1(), area);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Margin, 84, LeftWidth, 206);
    {
        constexpr int headX = 12, valueX = 118, valueW = 86, unitX = 208, rowH = 24, step = 29;
        int y = 28;
        const auto row = [&](int element, const QString &heading, QLabel *&value, const QString &valueName,
                             const QString &design) {
            Label4.set(QStringLiteral("Label4"), element, makeLabel(Frame1, QString(), heading, {headX, y, 102, rowH}));
            value = makeBox(Frame1, valueName, design, {valueX, y, valueW, rowH});
            y += step;
        };
        row(4, T::Label4Depth(), La1, QStringLiteral("La1"), T::La1());
        Label30 = makeLabel(Frame1, QStringLiteral("Label30"), T::Label30(), {unitX, 28, 40, rowH});
        row(1, T::Label4Current(), La2, QStringLiteral("La2"), T::La2());
        row(10, T::Label4Aim(), La6, QStringLiteral("La6"), T::La6());
        row(2, T::Label4Stealers(), La3, QStringLiteral("La3"), T::La3());
        row(3, T::Label4Number(), La4, QStringLiteral("La4"), T::La4());
        Label4.set(QStringLiteral("Label4"), 8, makeLabel(Frame1, QString(), T::Label4Size(), {headX, y, 102, rowH}));
        Label37 = makeLabel(Frame1, QStringLiteral("Label37"), T::Label37(), {valueX - 2, y, 36, rowH});
        La5 = makeBox(Frame1, QStringLiteral("La5"), T::La5(), {valueX + 36, y, valueW - 36, rowH});
        Label38 = makeLabel(Frame1, QStringLiteral("Label38"), T::Label38(), {unitX, y, 40, rowH});
    }

    Frame2 = new QGroupBox(T::Frame2(), area);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Margin, 300, LeftWidth, 118);
    {
        constexpr int headX = 12, valueX = 78, rowH = 24;
        const int valueW = LeftWidth - valueX - 12;
        Label39 = makeLabel(Frame2, QStringLiteral("Label39"), T::Label39(), {headX, 26, 62, rowH});
        Label42 = makeBox(Frame2, QStringLiteral("Label42"), T::NotSetShown(), {valueX, 26, valueW, rowH});
        Label40 = makeLabel(Frame2, QStringLiteral("Label40"), T::Label40(), {headX, 55, 62, rowH});
        Label43 = makeBox(Frame2, QStringLiteral("Label43"), T::NotSetShown(), {valueX, 55, valueW, rowH});
        Label41 = makeLabel(Frame2, QStringLiteral("Label41"), T::Label41(), {headX, 84, 62, rowH});
        Label44 = makeBox(Frame2, QStringLiteral("Label44"), T::NotSetShown(), {valueX, 84, valueW, rowH});
    }

    // ---- centre: the rod tip over the water and the rod ----
    auto *view = new QFrame(area);
    view->setObjectName(QStringLiteral("RodViewFrame"));
    view->setFrameShape(QFrame::StyledPanel);
    view->setGeometry(CentreLeft, Margin, CentreWidth, 408);
    view->setStyleSheet(QStringLiteral("#RodViewFrame { background: #f7fbfc; border: 1px solid #9fb4c0; border-radius: 4px; }"));
    const int tipX = CentreLeft + (CentreWidth - TipWidth) / 2;
    const int rodX = CentreLeft + (CentreWidth - RodWidth) / 2;
    Image2 = makePicture(area, QStringLiteral("rodtip_1"), {tipX, Margin + 20, TipWidth, TipHeight});
    Image2->setObjectName(QStringLiteral("Image2"));
    const int rodY = Margin + 20 + TipHeight + 40;
    Image1 = makePicture(area, QStringLiteral("rod_0"), {rodX, rodY, RodWidth, RodHeight});
    Image1->setObjectName(QStringLiteral("Image1"));
    Image5 = makePicture(area, QStringLiteral("dayover"), {rodX, rodY, RodWidth, RodHeight});
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->hide();

    Command6 = makeButton(area, QStringLiteral("Command6"), QString(),
                          {CentreLeft + 6, rodY + (RodHeight - 72) / 2, CentreWidth - 12, 72});
    // As large as the longer prompt allows, so neither is ever clipped.
    enlarge(Command6, 5, true);
    for (int step = 0; step < 6; ++step) {
        const QFontMetrics metrics(Command6->font());
        const int needed = qMax(metrics.horizontalAdvance(T::FirstPrompt()), metrics.horizontalAdvance(T::StartPrompt()));
        if (needed + 28 <= Command6->width())
            break;
        enlarge(Command6, -0.5, true);
    }
    Command6->setStyleSheet(QStringLiteral(
        "QPushButton { background: #fff7d6; border: 2px solid #c48a2c; border-radius: 8px; color: #5a3b0c; }"
        "QPushButton:hover { background: #ffefb0; }"
        "QPushButton:pressed { background: #f5dd8c; }"));
    connect(Command6, &QPushButton::clicked, this, [this] { PressPrompt(); });

    // ---- right: clock, end time, time left, tide ----
    constexpr int barX = RightLeft + (RightWidth - BarFullWidth) / 2;
    Label9 = makeLabel(area, QStringLiteral("Label9"), T::Label9(), {barX, Margin, 80, 34});
    Label10 = makeBox(area, QStringLiteral("Label10"), QString(), {barX + 90, Margin, 130, 34});
    enlarge(Label10, 5, true);
    Label47 = makeLabel(area, QStringLiteral("Label47"), T::Label47(), {barX, 52, 80, 28});
    Label46 = makeBox(area, QStringLiteral("Label46"), QString(), {barX + 90, 52, 130, 28});
    enlarge(Label46, 1, false);

    const QString emptyBar = QStringLiteral("QLabel { background: #cdeecb; border: 1px solid #6f8f6c; }");
    Label1 = makeLabel(area, QStringLiteral("Label1"), T::Label1(), {barX, 92, 120, 22});
    Label11 = makeBar(area, QStringLiteral("Label11"), {barX, 116, BarFullWidth, BarHeight}, emptyBar);
    Label15 = makeBar(area, QStringLiteral("Label15"), {barX, 118, BarFullWidth, BarHeight - 4},
                      QStringLiteral("QLabel { background: #2f6fd0; }"));
    Label2 = makeLabel(area, QStringLiteral("Label2"), T::Label2(), {barX, 148, 120, 22});
    Label12 = makeBar(area, QStringLiteral("Label12"), {barX, 172, BarFullWidth, BarHeight}, emptyBar);
    Label16 = makeBar(area, QStringLiteral("Label16"), {barX, 174, 0, BarHeight - 4},
                      QStringLiteral("QLabel { background: #d9432f; }"));
    Label13 = makeLabel(area, QStringLiteral("Label13"), T::Label13(), {barX, 194, 44, 22});
    Label14 = makeLabel(area, QStringLiteral("Label14"), T::Label14(), {barX + BarFullWidth - 44, 194, 44, 22},
                        Qt::AlignRight | Qt::AlignVCenter);
    // Only one arrow shows at a time: they share the middle under the gauge.
    Label17 = makeLabel(area, QStringLiteral("Label17"), T::Label17(), {barX + 52, 194, BarFullWidth - 104, 22},
                        Qt::AlignCenter);
    Label18 = makeLabel(area, QStringLiteral("Label18"), T::Label18(), {barX + 52, 194, BarFullWidth - 104, 22},
                        Qt::AlignCenter);
    for (QLabel *arrow : {Label17, Label18}) {
        arrow->setStyleSheet(QStringLiteral("QLabel { color: #b03020; font-weight: bold; }"));
        arrow->hide();
    }

    auto *tideTimes = new QFrame(area);
    tideTimes->setObjectName(QStringLiteral("TideTimesFrame"));
    tideTimes->setGeometry(barX - 6, 228, BarFullWidth + 12, 80);
    tideTimes->setStyleSheet(QStringLiteral("#TideTimesFrame { border: 1px solid #9fb4c0; border-radius: 4px; }"));
    const auto tideRow = [&](int y, QLabel *&head, const QString &headName, const QString &caption, QLabel *&first,
                             const QString &firstName, QLabel *&firstHour, const QString &firstHourName,
                             QLabel *&second, const QString &secondName, QLabel *&secondHour,
                             const QString &secondHourName) {
        head = makeLabel(area, headName, caption, {barX + 4, y, 58, 28});
        first = makeBox(area, firstName, QString(), {barX + 70, y, 44, 28});
        firstHour = makeLabel(area, firstHourName, T::HourMark(), {barX + 118, y, 22, 28});
        second = makeBox(area, secondName, QString(), {barX + 150, y, 44, 28});
        secondHour = makeLabel(area, secondHourName, T::HourMark(), {barX + 198, y, 22, 28});
    };
    tideRow(236, Label20, QStringLiteral("Label20"), T::Label20(), Label22, QStringLiteral("Label22"), Label21,
            QStringLiteral("Label21"), Label24, QStringLiteral("Label24"), Label23, QStringLiteral("Label23"));
    tideRow(272, Label19, QStringLiteral("Label19"), T::Label19(), Label26, QStringLiteral("Label26"), Label25,
            QStringLiteral("Label25"), Label28, QStringLiteral("Label28"), Label27, QStringLiteral("Label27"));

    // ---- bottom band: the fishing buttons, the bait list, the catch list ----
    auto *band = new QFrame(area);
    band->setObjectName(QStringLiteral("FishingBand"));
    band->setGeometry(Margin, BandTop, AreaWidth - 2 * Margin, BandHeight);
    band->setStyleSheet(QStringLiteral("#FishingBand { background: #d7e7ee; border: 1px solid #9fb4c0; border-radius: 4px; }"));
    constexpr int buttonW = 122, buttonH = 48, buttonGap = 10;
    const int buttonY = BandTop + (BandHeight - buttonH) / 2;
    int x = Margin + 12;
    const auto fishingButton = [&](QPushButton *&button, const QString &name, const QString &caption) {
        button = makeButton(area, name, caption, {x, buttonY, buttonW, buttonH});
        enlarge(button, 1, true);
        button->setEnabled(false);
        x += buttonW + buttonGap;
    };
    fishingButton(Command1, QStringLiteral("Command1"), T::Command1());
    fishingButton(Command2, QStringLiteral("Command2"), T::Command2());
    fishingButton(Command3, QStringLiteral("Command3"), T::Command3());
    for (QPushButton *button : {Command1, Command2, Command3})
        buttoncolours::setInactive(button);
    fishingButton(Command5, QStringLiteral("Command5"), T::Command5());
    const int baitListX = x;
    constexpr int baitListW = 104;

    // The catch list and its two counters fill the rest of the band.
    constexpr int counterW = 62;
    const int bandRight = AreaWidth - Margin - 10;
    const int listX = baitListX + baitListW + 10;
    List1 = new QListWidget(area);
    List1->setObjectName(QStringLiteral("List1"));
    // The counters carry their own labels: the chinu alone, and every fish.
    constexpr int counterCaptionW = 40;
    const int counterX = bandRight - counterW;
    List1->setGeometry(listX, BandTop + 8, counterX - counterCaptionW - 8 - listX, BandHeight - 16);
    makeLabel(area, QStringLiteral("Label33Caption"), comfortstexts::ChinuCounter(),
              {counterX - counterCaptionW - 2, BandTop + 8, counterCaptionW, 30}, Qt::AlignRight | Qt::AlignVCenter);
    makeLabel(area, QStringLiteral("Label34Caption"), comfortstexts::AllCounter(),
              {counterX - counterCaptionW - 2, BandTop + 44, counterCaptionW, 30}, Qt::AlignRight | Qt::AlignVCenter);
    Label33 = makeBox(area, QStringLiteral("Label33"), T::Label33(), {counterX, BandTop + 8, counterW, 30});
    Label34 = makeBox(area, QStringLiteral("Label34"), T::Label34(), {counterX, BandTop + 44, counterW, 30});
    enlarge(Label33, 1, true);
    enlarge(Label34, 1, true);

    // The bait list opens beside エサの交換.
    List2 = new QListWidget(area);
    List2->setObjectName(QStringLiteral("List2"));
    // The list shows each bait in the player's language and keeps its id.
    for (const QString &bait : T::baits()) {
        auto *item = new QListWidgetItem(daylog::shownCaption(daylog::Vocabulary::Bait, bait), List2);
        const std::optional<daylog::Bait> id = daylog::baitFromCaption(bait);
        item->setData(Qt::UserRole, id ? int(*id) : -1);
    }
    List2->setGeometry(baitListX, BandTop + 6, baitListW, BandHeight - 12);
    List2->hide();

    // ---- stored pictures, never shown themselves ----
    for (int i = 1; i <= 8; ++i)
        Picture1.set(QStringLiteral("Picture1"), i,
                     makePicture(area, QStringLiteral("rodtip_") + QString::number(i), {0, 0, TipWidth, TipHeight}))
            ->hide();
    for (int i : {5, 6})
        Picture2.set(QStringLiteral("Picture2"), i,
                     makePicture(area, QStringLiteral("chinu_") + QString::number(i), {0, 0, ChinuWidth, ChinuHeight}))
            ->hide();
    for (int i = 0; i <= 5; ++i)
        Picture3.set(QStringLiteral("Picture3"), i,
                     makePicture(area, QStringLiteral("rod_") + QString::number(i), {0, 0, RodWidth, RodHeight}))
            ->hide();

    // ---- the landed chinu, opening over the centre ----
    m_landingArea = new QWidget(area);
    m_landingArea->setObjectName(QStringLiteral("LandingArea"));
    const int chinuX = CentreLeft + (CentreWidth - ChinuWidth) / 2;
    const int chinuY = Margin + 6;
    m_landingArea->setGeometry(chinuX - ChinuOpensAt.x(), chinuY - ChinuOpensAt.y(), ChinuOpensAt.x() + ChinuWidth,
                               ChinuOpensAt.y() + ChinuHeight);
    m_landingArea->hide();
    PictureBox *chinu = Picture1.set(QStringLiteral("Picture1"), 0,
                                     makePicture(m_landingArea, QStringLiteral("chinu_0"),
                                                 {ChinuOpensAt, QSize(ChinuWidth, ChinuHeight)}));
    chinu->hide();
    new LandingFollower(m_landingArea, chinu, this);
    const QString onPicture = QStringLiteral("QLabel { color: #1c3550; font-weight: bold; }");
    Label45 = makeLabel(chinu, QStringLiteral("Label45"), T::Label45(), {120, 14, 60, 40},
                        Qt::AlignRight | Qt::AlignVCenter);
    Label36 = makeLabel(chinu, QStringLiteral("Label36"), QString(), {186, 14, 78, 40}, Qt::AlignCenter);
    Label35 = makeLabel(chinu, QStringLiteral("Label35"), T::Label35(), {270, 14, 80, 40});
    for (QLabel *label : {Label45, Label36, Label35}) {
        label->setStyleSheet(onPicture);
        enlarge(label, 8, true);
    }
    Label36->setStyleSheet(QStringLiteral(
        "QLabel { color: #b02418; font-weight: bold; background: rgba(255,255,255,200); border-radius: 6px; }"));
    Command4 = makeButton(chinu, QStringLiteral("Command4"), T::Command4(),
                          {ChinuWidth - 104 - 16, ChinuHeight - 40 - 14, 104, 40});
    enlarge(Command4, 2, true);

    const QMargins frame = contentsMargins();
    setFixedSize(AreaWidth + frame.left() + frame.right(),
                 AreaHeight + menus->sizeHint().height() + frame.top() + frame.bottom());
}

// ---- start-up ------------------------------------------------------------

void Form1::initialise()
{
    if (const rafts::Raft *raft = rafts::byNumber(state().SpotNo)) {
        QLabel *cells[7] = {nullptr, La1, La2, La3, La4, La5, La6};
        for (int i = 1; i <= 6; ++i)
            cells[i]->setText(rafts::shownCell(raft->cells()[std::size_t(i)]));
    }
}

Day &Form1::day()
{
    return game().day;
}

const Day &Form1::day() const
{
    return game().day;
}

void Form1::load()
{
    GameState &s = state();
    Day &d = day();
    Label6->setText(s.AnglerName);
    showTarget();
    Label8->setText(rafts::shownName(s.SpotNo));
    // Today's tide hours, as the settings screen drew them into the day.
    Label22->setText(QString::number(d.tides.firstHigh));
    Label24->setText(QString::number(d.tides.secondHigh));
    Label26->setText(QString::number(d.tides.earlierLow));
    Label28->setText(QString::number(d.tides.laterLow));
    m_engine->PrepareDay(); // the clock at 7:00, the bars, the tide and the day's baits
    Command6->setText(T::FirstPrompt());
    showControls();
}

bool Form1::queryUnload(bool byCloseControl)
{
    if (!byCloseControl)
        return false;
    message(T::UseNoukan() + comfortstexts::MainCloseKey());
    return true;
}

void Form1::notice(const QString &text)
{
    if (!game().quietNotices) {
        message(text);
        return;
    }
    QString line = clocktide::clockCaption(day().clockHour, day().clockMinute) + QStringLiteral("　") + text;
    const std::vector<daylog::DayEvent> &events = game().dayLog().today().events;
    if (!events.empty()) {
        const QString why = daylog::statusText(events.back());
        if (!why.isEmpty())
            line += QStringLiteral("　") + why;
    }
    m_dayReport->statusLabel()->setText(line);
}

void Form1::showMessage(DayMessage, const QString &text)
{
    message(text);
}

void Form1::OpenRigScreen()
{
    day().rigAskedFor = true;
    仕掛けを作る->setText(T::RigMenuChanged());
    Screens &screens = game().screens();
    screens.show(screens.form2());
}

void Form1::PressPrompt()
{
    if (!day().rigAskedFor)
        OpenRigScreen();
    else
        StartDay();
}

void Form1::showEndHour()
{
    if (Label46) // the controls arrive with the window's first showing
        Label46->setText(state().EndHour + T::EndTimeSuffix());
}

void Form1::showTarget()
{
    Label4(0)->setText(daylog::shownName(state().TargetFish));
}

void Form1::setRig(std::optional<daylog::Leader> leader, std::optional<daylog::Hook> hook,
                   std::optional<daylog::Bait> bait)
{
    m_engine->setRig(leader, hook, bait);
    Label42->setText(daylog::shownName(leader));
    Label43->setText(daylog::shownName(hook));
    Label44->setText(daylog::shownName(bait));
}

void Form1::AnimateLandedChinu()
{
    Day &d = day();
    if (Picture2.has(d.showFrame))
        Picture1(0)->setPicture(*Picture2(d.showFrame));
    d.showFrame = d.showFrame == 5 ? 6 : 5;
}

// ---- the start and end of the day ----------------------------------------

void Form1::StartDay()
{
    if (day().ending)
        return; // one run is one day
    Command6->hide();
    Image5->hide();
    m_dayReport->statusLabel()->clear();
    m_engine->StartDay();
    showControls();
}

void Form1::EndDay()
{
    m_engine->EndDay();
    showControls();
}

bool Form1::EndHourReached() const
{
    return m_engine->EndHourReached();
}

void Form1::dayClosed()
{
    Image5->show();
    Image5->raise();
    List2->hide();
}

// ---- the bait change -----------------------------------------------------

void Form1::ChangeBait()
{
    if (EndHourReached())
        return; // nothing to bait once the day is over
    // The list opens on the bait on the hook, so the arrows start from it.
    if (const std::optional<daylog::Bait> onTheHook = day().bait)
        for (int i = 0; i < List2->count(); ++i)
            if (List2->item(i)->data(Qt::UserRole).toInt() == int(*onTheHook))
                List2->setCurrentRow(i);
    List2->setVisible(true);
    List2->raise();
}

void Form1::PickBait()
{
    const QListWidgetItem *item = List2->currentItem();
    const int id = item ? item->data(Qt::UserRole).toInt() : -1;
    const std::optional<daylog::Bait> bait = id >= 0 ? std::optional(daylog::Bait(id)) : std::nullopt;
    Label44->setText(daylog::shownName(bait));
    m_engine->ChangeBaitTo(bait);
    List2->setVisible(false);
    if (day().controls.dropEnabled)
        Command1->setFocus();
}

// ---- drawing the day -----------------------------------------------------

void Form1::showControls()
{
    const DayControls &c = day().controls;
    const auto draw = [](QPushButton *button, bool enabled, bool lit) {
        button->setEnabled(enabled);
        if (lit)
            buttoncolours::setActive(button);
        else
            buttoncolours::setInactive(button);
    };
    draw(Command1, c.dropEnabled, c.dropLit);
    draw(Command2, c.breakEnabled, c.breakLit);
    draw(Command3, c.strikeEnabled, c.strikeLit);
    Command5->setEnabled(c.baitEnabled);
    仕掛けを作る->setEnabled(c.rigMenuEnabled);
    スタート->setEnabled(c.startMenuEnabled);
    釣果を保存->setEnabled(c.saveMenuEnabled);
}

void Form1::focusOn(DayControl control)
{
    switch (control) {
    case DayControl::Drop: Command1->setFocus(); break;
    case DayControl::Break: Command2->setFocus(); break;
    case DayControl::Strike: Command3->setFocus(); break;
    case DayControl::Ok: Command4->setFocus(); break;
    case DayControl::Bait: Command5->setFocus(); break;
    case DayControl::None: break;
    }
}

void Form1::showTip(int element)
{
    if (Picture1.has(element))
        Image2->setPicture(*Picture1(element));
}

void Form1::showRod(int element)
{
    if (Picture3.has(element))
        Image1->setPicture(*Picture3(element));
}

void Form1::showClock()
{
    const Day &d = day();
    Label10->setText(d.clockText());
    Label17->setVisible(d.ebbShown);
    Label18->setVisible(d.floodShown);
}

void Form1::showTimeBar()
{
    Label15->resize(qMax(0, int(clocktide::roundedWidth(day().timeBarWidth))), Label15->height());
}

void Form1::showTideBar()
{
    Label16->resize(qMax(0, int(clocktide::roundedWidth(day().tideBarWidth))), Label16->height());
    Label17->setVisible(day().ebbShown);
    Label18->setVisible(day().floodShown);
}

void Form1::fishListed(bool counted)
{
    const Day &d = day();
    const CaughtFish &fish = d.catches.back();
    List1->addItem(fightrules::shownCatchEntry(fish.kind, fish.length));
    if (!counted)
        return;
    List1->setCurrentRow(List1->count() - 1);
    Label33->setText(fishingtexts::ChinuCount(d.chinuCount));
    Label34->setText(fishingtexts::FishCount(int(d.catches.size())));
}

void Form1::landedChinuShown()
{
    PictureBox *picture = Picture1(0);
    picture->setGeometry(50, 100, 450, 377);
    picture->raise();
    picture->setVisible(true);
    Label36->setText(QString::number(state().FishLength));
    Timer1->setEnabled(true);
}

void Form1::landedChinuClosed()
{
    PictureBox *picture = Picture1(0);
    picture->setVisible(false);
    picture->setGeometry(488, 470, 40, 40);
    Timer1->setEnabled(false);
}

void Form1::strikeWindowOpened()
{
    // The fish holds the bait: the optional cue tells the ears too.
    comforts::playBiteCue(game());
}

void Form1::yieldEvents()
{
    game().platform.scheduler.yieldEvents();
}

bool Form1::programEnding() const
{
    return game().ending();
}

// ---- sound ---------------------------------------------------------------

QString Form1::wavePath(const QString &name) const
{
    return m_engine->wavePath(name);
}

void Form1::StopMusic()
{
    m_engine->StopMusic();
}

void Form1::StopEffect()
{
    m_engine->StopEffect();
}

void Form1::PlayEffect(const QString &name)
{
    m_engine->PlayEffect(name);
}
