#include "form5.h"

#include "charts/chartbuttons.h"
#include "app/game.h"
#include "app/screens.h"
#include "comforts/gyotaku.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/fishingtexts.h"
#include "mainscreen/rafts.h"
#include "rankings/form6.h"
#include "records/catchtexts.h"
#include "records/datafiles.h"
#include "records/daysave.h"
#include "records/sharedfolder.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int panelWidth = 580;
constexpr int panelHeight = 452;

// A value box: white, a thin border, a little room inside.
QLabel *valueBox(QWidget *parent, const QString &name, const QRect &at, Qt::Alignment align)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(at);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #8a9aa8; padding: 0 6px; }"));
    return label;
}

// The record line could not be written, and the day file was taken back.
QString RecordLineNotWritten()
{
    return QCoreApplication::translate("Records", "記録ファイルに今日の記録を書き込めませんでした。");
}

} // namespace

Form5::Form5(Game &game)
    : GameWindow(game, QStringLiteral("Form5"))
{
    setWindowTitle(catchtexts::Caption());

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Form5Panel"));
    panel->setFixedSize(panelWidth, panelHeight);
    panel->setAutoFillBackground(true);
    QPalette sand = panel->palette();
    sand.setColor(QPalette::Window, QColor(244, 237, 220));
    panel->setPalette(sand);
    setCentralWidget(panel);

    Label1 = new QLabel(catchtexts::Title(), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 10, 260, 40);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->setStyleSheet(QStringLiteral("QLabel { color: #1f4e79; }"));

    Label9 = new QLabel(panel);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(300, 16, 264, 30);
    Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont dateFont = Label9->font();
    dateFont.setPointSize(12);
    Label9->setFont(dateFont);

    // Two columns of figures: heading, box, unit.
    const auto heading = [&](int index, const QString &text, const QRect &at) {
        auto *label = Label2.set(QStringLiteral("Label2"), index, new QLabel(text, panel));
        label->setGeometry(at);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    };
    constexpr int rowHeight = 28;
    constexpr int row1 = 62, row2 = 100, row3 = 138;
    constexpr int leftHead = 16, leftBox = 134, rightHead = 304, rightBox = 408;

    heading(0, catchtexts::Angler(), QRect(leftHead, row1, 112, rowHeight));
    Label6 = valueBox(panel, QStringLiteral("Label6"), QRect(leftBox, row1, 156, rowHeight), Qt::AlignLeft);
    heading(1, catchtexts::Raft(), QRect(rightHead, row1, 98, rowHeight));
    Label3 = valueBox(panel, QStringLiteral("Label3"), QRect(rightBox, row1, 156, rowHeight), Qt::AlignLeft);

    heading(2, catchtexts::AllFish(), QRect(leftHead, row2, 112, rowHeight));
    Label4 = valueBox(panel, QStringLiteral("Label4"), QRect(leftBox, row2, 92, rowHeight), Qt::AlignRight);
    heading(6, catchtexts::FishUnit(), QRect(leftBox + 98, row2, 56, rowHeight));
    heading(3, catchtexts::ChinuCount(), QRect(rightHead, row2, 98, rowHeight));
    Label5 = valueBox(panel, QStringLiteral("Label5"), QRect(rightBox, row2, 92, rowHeight), Qt::AlignRight);
    heading(7, catchtexts::ChinuUnit(), QRect(rightBox + 98, row2, 56, rowHeight));

    heading(4, catchtexts::ChinuTotal(), QRect(leftHead, row3, 116, rowHeight));
    Label8 = valueBox(panel, QStringLiteral("Label8"), QRect(leftBox, row3, 92, rowHeight), Qt::AlignRight);
    heading(8, catchtexts::Centi(), QRect(leftBox + 98, row3, 56, rowHeight));
    heading(5, catchtexts::Biggest(), QRect(rightHead, row3, 98, rowHeight));
    Label7 = valueBox(panel, QStringLiteral("Label7"), QRect(rightBox, row3, 92, rowHeight), Qt::AlignRight);
    heading(9, catchtexts::Centi(), QRect(rightBox + 98, row3, 56, rowHeight));

    // The buttons come first in the focus chain, so that the list shows
    // no current entry when the screen opens.
    Command2 = new QPushButton(catchtexts::ChinuOnly(), panel);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(panelWidth - 16 - 120 - 12 - 160, 404, 160, 34);
    次の釣行へ = new QPushButton(catchtexts::NextOuting(), panel);
    次の釣行へ->setObjectName(QStringLiteral("次の釣行へ"));
    次の釣行へ->setGeometry(panelWidth - 16 - 120 - 12 - 160 - 12 - 120, 404, 120, 34);
    Command1 = new QPushButton(catchtexts::Close(), panel);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(panelWidth - 16 - 120, 404, 120, 34);

    // The chinu-only list lies exactly over the whole list.
    const QRect listPlace(16, 182, panelWidth - 32, 208);
    List1 = new QListWidget(panel);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(listPlace);
    List2 = new QListWidget(panel);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(listPlace);
    List2->hide();

    保存 = menuBar()->addAction(catchtexts::SaveMenu());
    保存->setObjectName(QStringLiteral("保存"));
    過去の記録 = menuBar()->addAction(catchtexts::PastRecordsMenu());
    過去の記録->setObjectName(QStringLiteral("過去の記録"));
    // The menu bar takes no key of its own: the past records come by Ctrl+R.
    過去の記録->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    comforts::addGyotakuMenu(*this);
    charts::addDayLogMenu(*this);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
    connect(次の釣行へ, &QPushButton::clicked, this, [this] { 次の釣行へClick(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2Click(); });
    connect(保存, &QAction::triggered, this, [this] { 保存Click(); });
    connect(過去の記録, &QAction::triggered, this, [this] { 過去の記録Click(); });
}

void Form5::initialise()
{
    setFixedSize(panelWidth, panelHeight + menuBar()->sizeHint().height());
}

void Form5::load()
{
    GameState &s = state();
    SavedFlag = 0;
    // One stamp for the whole visit, so the day file and the record line
    // of a save always carry the same time.
    const QDateTime now = game().platform.clock.now();
    s.SaveStamp = numberformat::SaveStamp(now);
    Label9->setText(QCoreApplication::translate("Records", "%1年%2月%3日")
                        .arg(now.date().year())
                        .arg(now.date().month())
                        .arg(now.date().day()));
    datafiles::EnsureDirectory(game().platform.files,
                               datafiles::AnglerDirectory(datafiles::DataDirectory(s.AppDir), s.AnglerName));
}

bool Form5::queryUnload(bool byCloseControl)
{
    if (!byCloseControl)
        return false;
    message(catchtexts::UseCloseButton());
    return true;
}

Form5::Leaving Form5::AskToSaveBeforeLeaving()
{
    if (SavedFlag != 0 || state().ChinuCount <= 0)
        return Leaving::Nothing;
    state().Answer = message(catchtexts::SaveQuestion(), MessageButtons::YesNo);
    if (state().Answer != AnswerYes)
        return Leaving::Declined;
    // A save that could not be written leaves the day unsaved, so that
    // leaving asks again rather than dropping the day.
    if (SaveToday() == SaveResult::Failed)
        return Leaving::Failed;
    SavedFlag = 1;
    return Leaving::Saved;
}

void Form5::Command1Click()
{
    // A day saved on the way out stays on screen: 閉じる again ends the game.
    const Leaving leaving = AskToSaveBeforeLeaving();
    if (leaving == Leaving::Saved || leaving == Leaving::Failed)
        return;
    game().endProgram();
}

void Form5::次の釣行へClick()
{
    // A day that could not be written stays here, so that nothing is
    // dropped on the way to the next.
    if (AskToSaveBeforeLeaving() == Leaving::Failed)
        return;
    game().startNextDay();
}

std::vector<CaughtFish> Form5::chinuOfToday() const
{
    std::vector<CaughtFish> chinu;
    for (const CaughtFish &fish : game().day.catches)
        if (fish.kind == daylog::Fish::Chinu)
            chinu.push_back(fish);
    return chinu;
}

void Form5::fillChinuList()
{
    List2->clear();
    for (const CaughtFish &fish : chinuOfToday())
        List2->addItem(fightrules::shownCatchEntry(fish.kind, fish.length));
}

void Form5::Command2Click()
{
    if (!m_chinuOnly) {
        m_chinuOnly = true;
        Command2->setText(catchtexts::ShowAll());
        fillChinuList();
        if (List2->count() > 0) {
            List1->hide();
            List2->show();
        }
    } else {
        m_chinuOnly = false;
        Command2->setText(catchtexts::ChinuOnly());
        List1->show();
        List2->hide();
    }
}

void Form5::保存Click()
{
    SaveToday();
}

Form5::SaveResult Form5::SaveToday()
{
    GameState &s = state();
    if (SavedFlag != 0) {
        message(catchtexts::AlreadySaved());
        return SaveResult::AlreadySaved;
    }
    if (s.TargetFish != daylog::Fish::Chinu) {
        message(catchtexts::OnlyChinu());
        return SaveResult::NotChinuDay;
    }

    SaveResult result = SaveResult::NoChinu;
    if (s.ChinuCount > 0) {
        fillChinuList();
        // The files keep the catch in Japanese whatever the screen shows.
        QStringList entries;
        for (const CaughtFish &fish : chinuOfToday())
            entries.append(fightrules::catchEntry(fish.kind, fish.length));
        datafiles::DayToSave day;
        day.angler = s.AnglerName;
        day.stamp = s.SaveStamp;
        day.raft = s.SpotNo;
        day.raftName = rafts::name(s.SpotNo);
        day.entries = entries;
        day.count = s.ChinuCount;
        day.longest = s.LongestChinu;
        day.total = s.ChinuTotalLength;
        const datafiles::DaySaveOutcome saved = datafiles::SaveDay(game().platform.files, s.DataDir, day);
        // The record line carries the stamp of the name the day file got.
        s.SaveStamp = saved.stamp;
        const QString fileName = saved.fileName;
        switch (saved.step) {
        case datafiles::DaySaveOutcome::Step::Saved:
            break;
        case datafiles::DaySaveOutcome::Step::DayFileNotWritten:
            message(catchtexts::SaveFailed() + QStringLiteral("\n\n") + catchtexts::DayFileNotWritten()
                        + QLatin1Char('\n') + saved.dayFilePath + QStringLiteral("\n\n")
                        + catchtexts::NothingSavedYet() + QLatin1Char('\n') + catchtexts::TryAgain(),
                    MessageButtons::Ok, MessageIcon::Warning);
            return SaveResult::Failed;
        case datafiles::DaySaveOutcome::Step::RecordLineNotWritten: {
            // Without its record line the day is not saved: its file went
            // too unless it could not.
            const QString inTheWay = datafiles::LockInTheWayText(datafiles::RecordFilePath(s.DataDir));
            message(catchtexts::SaveFailed() + QStringLiteral("\n\n")
                        + (saved.dayFileKept ? catchtexts::RecordNotWritten() : RecordLineNotWritten())
                        + QLatin1Char('\n') + datafiles::RecordFilePath(s.DataDir) + QStringLiteral("\n\n")
                        + (saved.dayFileKept ? QString() : catchtexts::NothingSavedYet() + QLatin1Char('\n'))
                        + catchtexts::TryAgain()
                        + (inTheWay.isEmpty() ? QString() : QStringLiteral("\n\n") + inTheWay),
                    MessageButtons::Ok, MessageIcon::Warning);
            return SaveResult::Failed;
        }
        }
        message(catchtexts::SavedFirst() + QStringLiteral("\n\n") + catchtexts::SavedHint());
        game().dayLog().daySaved(fileName);
        result = SaveResult::Saved;
    } else {
        message(catchtexts::NoChinu());
    }
    SavedFlag = 1;
    保存->setEnabled(false);
    return result;
}

void Form5::過去の記録Click()
{
    Screens &screens = game().screens();
    screens.show(screens.form6());
}
