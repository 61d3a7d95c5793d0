#include "app/gamewindow.h"
#include "app/screens.h"
#include "app/uilanguage.h"
#include "charts/busyday.h"
#include "charts/charttexts.h"
#include "charts/daylogwindow.h"
#include "charts/statsfixture.h"
#include "charts/statswindow.h"
#include "comforts/controlspage.h"
#include "comforts/gyotaku.h"
#include "comforts/settingsdialog.h"
#include "daylog/reasons.h"
#include "daylog/stats.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "records/dayend.h"
#include "records/form5.h"
#include "records/recordline.h"
#include "support/testgame.h"
#include "support/todayscatch.h"

#include <QAbstractButton>
#include <QAbstractAxis>
#include <QAction>
#include <QApplication>
#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <optional>

namespace {

// Installs the English edition for as long as it lives.
class English
{
public:
    English()
        : m_translator(loadGameTranslation(UiLanguage::English))
    {
        if (m_translator)
            QCoreApplication::installTranslator(m_translator.get());
    }
    ~English()
    {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
    }
    bool loaded() const { return m_translator != nullptr; }

private:
    std::unique_ptr<QTranslator> m_translator;
};

// Kana or kanji: a text an English-speaking player could not read.
bool isJapanese(const QString &text)
{
    static const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
    return japanese.match(text).hasMatch();
}

// Texts that stay as they are in English: the language row, which names
// each language in itself and says when a change counts in both.
const QStringList keptTexts{QStringLiteral("日本語"), QStringLiteral("次の起動から / from the next start")};
// The rafts' names are names, the same in English, and the day files keep them.
const QStringList raftNames{QStringLiteral("湾入り口"), QStringLiteral("北の離れ"), QStringLiteral("大浜"),
                            QStringLiteral("南の離れ"), QStringLiteral("鴨の越し")};

QString withoutRaftNames(QString text)
{
    for (const QString &raft : raftNames)
        text.remove(raft);
    return text;
}

// Every text the window shows at once: captions, titles, list entries, tips.
QStringList shownTexts(QWidget &window)
{
    QStringList texts{window.windowTitle()};
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        texts << w->toolTip();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    for (QAction *action : window.findChildren<QAction *>())
        texts << action->text();
    // The lists and tables of 釣行記録 and 統計: headings, cells, tips.
    for (auto *tree : window.findChildren<QTreeWidget *>()) {
        for (int c = 0; c < tree->columnCount(); ++c)
            texts << tree->headerItem()->text(c);
        for (int r = 0; r < tree->topLevelItemCount(); ++r)
            for (int c = 0; c < tree->columnCount(); ++c)
                texts << tree->topLevelItem(r)->text(c) << tree->topLevelItem(r)->toolTip(c);
    }
    for (auto *table : window.findChildren<QTableWidget *>()) {
        for (int c = 0; c < table->columnCount(); ++c)
            texts << table->horizontalHeaderItem(c)->text();
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem *item = table->item(r, c))
                    texts << item->text();
    }
    // The charts: titles, legends, axes and the words written on them.
    for (auto *view : window.findChildren<QChartView *>()) {
        QChart *chart = view->chart();
        texts << chart->title();
        for (QAbstractSeries *series : chart->series()) {
            texts << series->name();
            if (auto *bars = qobject_cast<QAbstractBarSeries *>(series))
                for (QBarSet *set : bars->barSets())
                    texts << set->label();
        }
        for (QAbstractAxis *axis : chart->axes()) {
            texts << axis->titleText();
            if (auto *categories = qobject_cast<QCategoryAxis *>(axis))
                texts << categories->categoriesLabels();
            if (auto *bars = qobject_cast<QBarCategoryAxis *>(axis))
                texts << bars->categories();
        }
        for (QGraphicsItem *item : chart->childItems())
            if (auto *words = dynamic_cast<QGraphicsSimpleTextItem *>(item))
                texts << words->text();
    }
    for (QListWidget *list : window.findChildren<QListWidget *>())
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    return texts;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under the data folder, by its path there, with its bytes.
QMap<QString, QByteArray> dataFiles(const QString &dataDir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dataDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String(".sqlite")) && !path.contains(QLatin1String(".sqlite-")))
            files.insert(QDir(dataDir).relativeFilePath(path), fileBytes(path));
    }
    return files;
}

// One scripted day from the settings screen to the saved catch: the name,
// raft 2, チヌ until 15:00, then two chinu and a mullet saved.
QMap<QString, QByteArray> playOneDay()
{
    TestGame tg;
    Screens &screens = tg.screens();
    Form1 &mainScreen = crossToRaft2(tg, QStringLiteral("釣人Ａ"));
    for (const QString &entry : {CatchEntry(QStringLiteral("チヌ"), 45), CatchEntry(QStringLiteral("ボラ"), 40),
                                 CatchEntry(QStringLiteral("チヌ"), 38)})
        listFish(mainScreen, entry);
    mainScreen.dayEnd().釣果を保存Click();
    screens.loadedForm5()->保存->trigger();
    return dataFiles(tg.dir() + QStringLiteral("/fishingdata"));
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowSpeaksEnglish_data();
    void everyWindowSpeaksEnglish();
    void everyStepOfTheLogSpeaksEnglish();
    void statisticsShowEveryNameWhole_data();
    void statisticsShowEveryNameWhole();
    void aDaySavedInEnglishWritesTheSameBytes();
};

void TestEnglish::everyWindowSpeaksEnglish_data()
{
    using Open = std::function<QWidget *(TestGame &)>;
    QTest::addColumn<Open>("open");

    QTest::newRow("settings, with the bay map") << Open([](TestGame &tg) -> QWidget * {
        Form3 &f = tg.screens().form3();
        f.Combo3->setEditText(QStringLiteral("Ken"));
        f.OpenRaftChoice();
        f.ShowTargetList();
        f.ShowEndTimes();
        return &f;
    });
    QTest::newRow("rig") << Open([](TestGame &tg) -> QWidget * {
        tg.state().TargetFish = daylog::Fish::Chinu;
        return &tg.screens().form2();
    });
    QTest::newRow("today's catch") << Open([](TestGame &tg) -> QWidget * { return &tg.screens().form5(); });
    // The main screen on the raft with a rig, and the day's catch shown at
    // its end: the fish, the rig and the raft's table in the player's words.
    QTest::newRow("main screen with a rig") << Open([](TestGame &tg) -> QWidget * {
        Form1 &f = crossToRaft2(tg, QStringLiteral("Ken"));
        f.setRig(daylog::Leader::No2, daylog::Hook::No4, daylog::Bait::Okiami);
        f.showTarget();
        return &f;
    });
    QTest::newRow("today's catch with the day's fish") << Open([](TestGame &tg) -> QWidget * {
        Form1 &f = crossToRaft2(tg, QStringLiteral("Ken"));
        f.day().catches = {{daylog::Fish::Chinu, 45}, {daylog::Fish::Fugu, 12}, {daylog::Fish::Mullet, 40}};
        f.dayEnd().釣果を保存Click();
        return tg.screens().loadedForm5();
    });
    QTest::newRow("past records") << Open([](TestGame &tg) -> QWidget * { return &tg.screens().form6(); });
    QTest::newRow("raft details") << Open([](TestGame &tg) -> QWidget * {
        tg.state().SpotNo = 3;
        return &tg.screens().form4();
    });
    QTest::newRow("hints") << Open([](TestGame &tg) -> QWidget * { return &tg.screens().form7(); });
    QTest::newRow("settings dialog") << Open([](TestGame &) -> QWidget * {
        return new comforts::SettingsDialog(comforts::ComfortSettings{}, nullptr, UiLanguage::English);
    });
    QTest::newRow("controls page") << Open([](TestGame &) -> QWidget * { return new comforts::ControlsPage; });
    QTest::newRow("fish print") << Open([](TestGame &) -> QWidget * {
        comforts::GyotakuRecord record;
        record.lengthCm = 52;
        return new comforts::GyotakuWindow(record);
    });
    QTest::newRow("fishing log of a busy day, file deleted") << Open([](TestGame &) -> QWidget * {
        return new DayLogWindow(busyday::make(3, QStringLiteral("Ken")), true);
    });
    QTest::newRow("statistics, per hour") << Open([](TestGame &) -> QWidget * {
        std::vector<daylog::LoggedDay> days = statsfixture::days();
        for (daylog::LoggedDay &day : days)
            day.angler = QStringLiteral("Ken");
        auto *stats = new StatsWindow([days](const daylog::StatsFilter &f) { return daylog::dayStats(days, f); },
                                      {QStringLiteral("Ken")});
        stats->perHourBox()->setChecked(true);
        return stats;
    });
}

void TestEnglish::everyWindowSpeaksEnglish()
{
    QFETCH(std::function<QWidget *(TestGame &)>, open);
    const English english;
    QVERIFY(english.loaded());
    TestGame tg;
    tg.state().AppDir = tg.dir();
    QWidget *window = open(tg);
    QStringList leftJapanese;
    for (const QString &text : shownTexts(*window))
        if (isJapanese(withoutRaftNames(text)) && !keptTexts.contains(text))
            leftJapanese << text;
    for (const QString &text : tg.dialogs.texts())
        if (isJapanese(text))
            leftJapanese << text;
    if (!dynamic_cast<GameWindow *>(window))
        delete window; // the screens belong to the game

    if (!leftJapanese.isEmpty())
        qDebug() << leftJapanese;
    QCOMPARE(leftJapanese, QStringList());
}

// Every kind of step with every reason, on every fish and bait the log
// keeps: what happened, why, the point's tip and the status line are English
// throughout, the kept captions shown by their English names.
void TestEnglish::everyStepOfTheLogSpeaksEnglish()
{
    const English english;
    QVERIFY(english.loaded());
    const QStringList fish{QStringLiteral("チヌ"), QStringLiteral("ボラ"), QStringLiteral("フグ")};
    QStringList leftJapanese;
    for (int kind = 0; kind <= int(daylog::EventKind::DayEnded); ++kind) {
        for (int reason = 0; reason <= int(daylog::Reason::NotStruck); ++reason) {
            for (int biteClass : {2, 3, 4}) {
                daylog::DayEvent e;
                e.kind = daylog::EventKind(kind);
                e.reason = daylog::Reason(reason);
                e.biteClass = biteClass;
                e.band = 4;
                e.fish = fish[(kind + reason) % fish.size()];
                e.length = 42;
                e.leader = QStringLiteral("2号");
                e.hook = QStringLiteral("吸い込み針");
                e.bait = daylog::baitNames()[size_t(reason) % daylog::baitNames().size()];
                e.tideDirection = reason % 2 ? QStringLiteral("満") : QStringLiteral("引");
                for (const QString &text : {charttexts::eventWhat(e), charttexts::eventWhy(e),
                                            charttexts::eventTooltip(e), daylog::statusText(e)})
                    if (isJapanese(text) && !leftJapanese.contains(text))
                        leftJapanese << text;
            }
        }
    }
    if (!leftJapanese.isEmpty())
        qDebug() << leftJapanese;
    QCOMPARE(leftJapanese, QStringList());
}

void TestEnglish::statisticsShowEveryNameWhole_data()
{
    QTest::addColumn<bool>("inEnglish");
    QTest::newRow("Japanese") << false;
    QTest::newRow("English") << true;
}

// The baits' English names are longer than the Japanese: under their bars
// and in the biggest chinu's table they are read whole, never cut short.
void TestEnglish::statisticsShowEveryNameWhole()
{
    QFETCH(bool, inEnglish);
    std::optional<English> english;
    if (inEnglish)
        english.emplace();
    // In the game's own font, as the program sets it.
    const QFont before = QApplication::font();
    QFont font(QStringLiteral("Noto Sans CJK JP"), 10);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
    QApplication::setFont(font);
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    const std::vector<daylog::LoggedDay> days = statsfixture::days();
    StatsWindow stats([&days](const daylog::StatsFilter &f) { return daylog::dayStats(days, f); }, {});
    stats.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stats));
    // A name that steps its font down lays its chart out once more.
    QCoreApplication::processEvents();
    QStringList cut;
    for (auto *view : stats.findChildren<QChartView *>())
        for (QGraphicsItem *item : view->scene()->items())
            if (auto *words = dynamic_cast<QGraphicsTextItem *>(item); words && words->isVisible())
                if (words->toPlainText().endsWith(QLatin1String("...")))
                    cut << words->toPlainText();
    QTableWidget *best = stats.bestTable();
    const QFontMetrics metrics(best->font());
    for (int row = 0; row < best->rowCount(); ++row) {
        const QString name = best->item(row, 0)->text();
        if (metrics.horizontalAdvance(name) + 6 > best->columnWidth(0))
            cut << name;
    }
    if (!cut.isEmpty())
        qDebug() << cut;
    QCOMPARE(cut, QStringList());
}

void TestEnglish::aDaySavedInEnglishWritesTheSameBytes()
{
    const QMap<QString, QByteArray> japanese = playOneDay();
    QVERIFY(japanese.contains(QStringLiteral("チヌ記録.txt")));
    QVERIFY(japanese.size() >= 3); // the angler list, the record file and the day file
    const English english;
    QVERIFY(english.loaded());
    QCOMPARE(playOneDay(), japanese);
}

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
