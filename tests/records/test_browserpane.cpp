#include "app/game.h"
#include "daylog/store.h"
#include "prep/anglerlist.h"
#include "records/browserpane.h"
#include "records/datafiles.h"
#include "support/testgame.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cerrno>
#include <memory>
#include <optional>

namespace {

const QString A = QStringLiteral("釣人Ａ");
const QString B = QStringLiteral("釣人Ｂ");
const QString Caption = QStringLiteral("過去の記録");

QString chinu(int cm)
{
    return QStringLiteral("チヌ  ") + QString::number(cm) + QStringLiteral("センチ");
}

// A disk on which no file can be deleted, failing as the system call does.
class NoRemoval : public FileSystem
{
public:
    explicit NoRemoval(int error) : m_error(error) {}
    bool removeFile(const QString &) override
    {
        errno = m_error;
        return false;
    }

private:
    int m_error;
};

// The pane in its frame, on a whole test game whose data folder holds the
// day files written by the tests. Given a file system of its own, the pane
// deletes through it.
struct Pane
{
    TestGame t;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<Game> game;
    QGroupBox frame;
    BrowserPane *pane = nullptr;

    explicit Pane(FileSystem *files = nullptr)
    {
        Game *used = &t.game();
        if (files) {
            platform = std::make_unique<Platform>(
                Platform { t.scheduler, t.dialogs, t.random, t.clock, t.sound, t.cue, *files, t.game().platform.dirs });
            game = std::make_unique<Game>(*platform);
            used = game.get();
        }
        used->state.AppDir = t.dir();
        pane = new BrowserPane(&frame, *used, [this](const QString &text, MessageButtons buttons, MessageIcon icon) {
            return t.dialogs.message(Caption, text, buttons, icon);
        });
        pane->setAnglers({ A, B });
    }

    QString dataDir() { return datafiles::DataDirectory(t.dir()); }
    QString logPath() { return daylog::DayLogStore::pathIn(dataDir()); }

    // The day as the catch screen logs it when it saves it.
    void logDay(const QString &angler, const QString &fileName)
    {
        daylog::DayLogStore store;
        QVERIFY(store.open(logPath()));
        daylog::LoggedDay day;
        day.angler = angler;
        day.raft = 1;
        day.dayFileName = fileName;
        QVERIFY(store.saveDay(day) > 0);
    }

    bool logHolds(const QString &angler, const QString &fileName)
    {
        daylog::DayLogStore store;
        return store.open(logPath()) && store.dayByFile(angler, fileName).has_value();
    }

    // Chooses the angler's first day and deletes it.
    void deleteFirstDay(int angler)
    {
        chooseAngler(angler);
        pane->List1->setCurrentRow(0);
        t.dialogs.answer(AnswerOk);
        pane->Command5->click();
    }

    // Saves a day of the angler as the catch screen does.
    QString saveDay(const QString &angler, const QString &stamp, const QString &raft, const QList<int> &lengths)
    {
        QStringList entries;
        for (int cm : lengths)
            entries << chinu(cm);
        const QString name = datafiles::DayFileName(stamp, lengths.size(), raft);
        datafiles::EnsureDirectory(t.files, datafiles::AnglerDirectory(dataDir(), angler));
        datafiles::WriteDayFile(t.files, dataDir(), angler, name, raft, entries);
        return name;
    }

    void chooseAngler(int index)
    {
        pane->Combo2->setCurrentIndex(index);
        emit pane->Combo2->activated(index);
    }

    QStringList list1() const
    {
        QStringList texts;
        for (int i = 0; i < pane->List1->count(); ++i)
            texts << pane->List1->item(i)->text();
        return texts;
    }

    QStringList list2() const
    {
        QStringList texts;
        for (int i = 0; i < pane->List2->count(); ++i)
            texts << pane->List2->item(i)->text();
        return texts;
    }

    QStringList figures() const
    {
        return { pane->Label31->text(), pane->Label12->text(), pane->Label13->text(), pane->Label15->text() };
    }
};

} // namespace

class TestBrowserPane : public QObject
{
    Q_OBJECT

private slots:
    void listsTheDaysAndShowsOne();
    void linesViewAndBack();
    void showAndDeleteNeedAChosenDay();
    void deletingTheOnlyDay();
    void vanishedDayShowsBlankFigures();
    void warnsAbove490DayFiles_data();
    void warnsAbove490DayFiles();
    void anotherAnglerWhileTheLinesAreShown();
    void aDayChosenByKeysShowsWhatAClickShows_data();
    void aDayChosenByKeysShowsWhatAClickShows();
    void hostileListLinesReachNothingOutside();
    void deletingThroughALinkedFolderIsRefused();
    void aDeletionThatFailsIsTold_data();
    void aDeletionThatFailsIsTold();
    void aLogThatKeepsTheDayIsToldAsADeletion_data();
    void aLogThatKeepsTheDayIsToldAsADeletion();
};

void TestBrowserPane::listsTheDaysAndShowsOne()
{
    Pane p;
    p.saveDay(A, QStringLiteral("2002年10月07日09時10分"), QStringLiteral("北の離れ"), { 33 });
    p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45, 38, 52 });
    p.saveDay(A, QStringLiteral("2002年10月06日16時00分"), QStringLiteral("湾入り口"), { 40, 41 });
    p.saveDay(B, QStringLiteral("2002年10月06日16時00分"), QStringLiteral("大浜"), { 20 });

    p.chooseAngler(0);
    QCOMPARE(p.list1(),
             (QStringList { QStringLiteral("2002年10月05日 大浜 3枚"), QStringLiteral("2002年10月06日 湾入り口 2枚"),
                            QStringLiteral("2002年10月07日 北の離れ 1枚") }));
    QVERIFY(!p.pane->Command5->isEnabled());
    QVERIFY(p.t.dialogs.texts().isEmpty());

    p.pane->List1->setCurrentRow(0);
    QCOMPARE(p.figures(),
             (QStringList { QStringLiteral("2002年10月05日 大浜 3枚"), QStringLiteral("52cm"), QStringLiteral("3枚"),
                            QStringLiteral("135cm") }));
    QCOMPARE(p.list2(), (QStringList { QStringLiteral("大浜"), chinu(45), chinu(38), chinu(52) }));
    QVERIFY(p.pane->List2->isHidden());
    QVERIFY(p.pane->Command5->isEnabled());
    QVERIFY(p.pane->Command6->isEnabled());
}

void TestBrowserPane::linesViewAndBack()
{
    Pane p;
    p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    p.chooseAngler(0);
    p.pane->List1->setCurrentRow(0);

    p.pane->Command6->click();
    QVERIFY(!p.pane->List2->isHidden());
    QVERIFY(p.pane->List1->isHidden());
    QVERIFY(!p.pane->Command4->isHidden());
    QVERIFY(!p.pane->Command5->isEnabled());
    QVERIFY(!p.pane->Command6->isEnabled());

    p.pane->Command4->click();
    QVERIFY(!p.pane->List1->isHidden());
    QVERIFY(p.pane->List2->isHidden());
    QVERIFY(p.pane->Command4->isHidden());
    QVERIFY(p.pane->Command5->isEnabled());
    QVERIFY(p.pane->Command6->isEnabled());
    QCOMPARE(p.figures(), (QStringList { QString(), QString(), QString(), QString() }));
}

void TestBrowserPane::showAndDeleteNeedAChosenDay()
{
    Pane p;
    p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    p.chooseAngler(0);
    p.pane->Command6->setEnabled(true); // as "一覧へ" leaves them
    p.pane->Command5->setEnabled(true);
    p.pane->Command6->click();
    p.pane->Command5->click();
    QCOMPARE(p.t.dialogs.texts(),
             (QStringList { QStringLiteral("表示する項目を選択してください。"),
                            QStringLiteral("削除するファイルの項目を選択してください。") }));
    QVERIFY(p.pane->List2->isHidden());
    QCOMPARE(p.list1().size(), 1);
}

void TestBrowserPane::deletingTheOnlyDay()
{
    Pane p;
    const QString name = p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45, 38 });
    const QString path = datafiles::AnglerDirectory(p.dataDir(), A) + QLatin1Char('/') + name;
    p.chooseAngler(0);
    p.pane->List1->setCurrentRow(0);

    p.t.dialogs.answer(AnswerCancel);
    p.pane->Command5->click();
    QVERIFY(QFile::exists(path));
    QCOMPARE(p.t.state().Answer, int(AnswerCancel));
    QCOMPARE(p.t.dialogs.shown().back().buttons, MessageButtons::OkCancel);
    QCOMPARE(p.t.dialogs.texts().back(),
             QStringLiteral("2002年10月05日 大浜 2枚のファイルを削除します。\n\n"
                            "なおこのファイルを削除しても，ランキングリストには影響はありません。"));

    p.t.dialogs.answer(AnswerOk);
    p.pane->Command5->click();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(p.pane->List1->count(), 0);
    QCOMPARE(p.figures(), (QStringList { QString(), QString(), QString(), QString() }));
}

void TestBrowserPane::vanishedDayShowsBlankFigures()
{
    Pane p;
    const QString name = p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    p.chooseAngler(0);
    QVERIFY(QFile::remove(datafiles::AnglerDirectory(p.dataDir(), A) + QLatin1Char('/') + name));
    p.pane->List1->setCurrentRow(0);
    QCOMPARE(p.figures(), (QStringList { QStringLiteral("2002年10月05日 大浜 1枚"), QString(), QString(), QString() }));
    QCOMPARE(p.pane->List2->count(), 0);
}

void TestBrowserPane::warnsAbove490DayFiles_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("warned");
    QTest::newRow("490") << 490 << false;
    QTest::newRow("491") << 491 << true;
}

void TestBrowserPane::warnsAbove490DayFiles()
{
    QFETCH(int, files);
    QFETCH(bool, warned);
    Pane p;
    // Only their names matter here: plain writes keep the test quick.
    const QString folder = datafiles::AnglerDirectory(p.dataDir(), B);
    QVERIFY(QDir().mkpath(folder));
    const QDateTime first(QDate(2000, 1, 1), QTime(14, 0));
    for (int i = 0; i < files; ++i) {
        QFile day(folder + QLatin1Char('/')
                  + datafiles::DayFileName(first.addDays(i).toString(QStringLiteral("yyyy年MM月dd日hh時mm分")), 1,
                                           QStringLiteral("大浜")));
        QVERIFY(day.open(QIODevice::WriteOnly));
    }

    const QString warning = B
        + QStringLiteral("さんのデータファイル数が490件を超えました。\n\n"
                         "読み込めるデータ数は500件までです。余分なデータを削除することをお勧めします。\n\n"
                         "削除するには、データ名をクリックして削除ボタンを押してください。");
    for (int time = 1; time <= 2; ++time) {
        p.chooseAngler(1);
        QCOMPARE(p.pane->List1->count(), files); // every day is listed
        QCOMPARE(p.t.dialogs.texts(), warned ? QStringList(time, warning) : QStringList());
    }
    if (warned)
        QCOMPARE(p.t.dialogs.shown().front().icon, MessageIcon::Warning);
}

// A list holding ".." once made the files beside the program an angler's
// days, and 削除 deleted them. Such lines are not offered, and a name that
// got into the selector anyway lists, reads and deletes nothing outside the
// data folder.
void TestBrowserPane::hostileListLinesReachNothingOutside()
{
    Pane p;
    p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    const QString beside = p.t.dir() + QStringLiteral("/2002年10月06日14時30分001大浜.txt");
    {
        QFile file(beside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cp932::encode(QStringLiteral("大浜\r\nチヌ  45センチ\r\n")));
        QFile list(anglerListPath(p.dataDir()));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(cp932::encode(QStringLiteral(" 4 \r\n..\r\n../..\r\n../外1\r\n") + A + QStringLiteral("\r\n")));
    }
    p.pane->setAnglers(readAnglerNames(p.t.files, p.dataDir()));
    QCOMPARE(p.pane->Combo2->count(), 1);
    QCOMPARE(p.pane->Combo2->itemText(0), A);

    p.pane->setAnglers({ QStringLiteral(".."), QStringLiteral("../..") });
    for (int index : { 0, 1 }) {
        p.chooseAngler(index);
        QCOMPARE(p.pane->List1->count(), 0);
        p.t.dialogs.answer(AnswerOk);
        p.pane->DeleteDay(); // the button is still disabled: press it anyway
    }
    QVERIFY(QFile::exists(beside));
    QCOMPARE(p.t.dialogs.texts(), QStringList(2, QStringLiteral("削除するファイルの項目を選択してください。")));
}

void TestBrowserPane::anotherAnglerWhileTheLinesAreShown()
{
    Pane p;
    p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    p.saveDay(B, QStringLiteral("2002年10月06日14時30分"), QStringLiteral("大浜"), { 30 });
    p.chooseAngler(0);
    p.pane->List1->setCurrentRow(0);
    p.pane->Command6->click();

    p.chooseAngler(1);
    QVERIFY(!p.pane->List1->isHidden());
    QVERIFY(p.pane->List2->isHidden());
    QVERIFY(!p.pane->Command4->isHidden());
    QVERIFY(!p.pane->Command5->isEnabled());
    QVERIFY(!p.pane->Command6->isEnabled());
    QCOMPARE(p.list1(), QStringList { QStringLiteral("2002年10月06日 大浜 1枚") });

    p.pane->List1->setCurrentRow(0);
    QVERIFY(p.pane->Command5->isEnabled());
    QVERIFY(p.pane->Command6->isEnabled());
}

// An angler's folder that is a link (here to a folder inside the data
// folder, so its days are listed) is never deleted through: the day file and
// its day in 釣行記録 both stay, and the player is told.
void TestBrowserPane::deletingThroughALinkedFolderIsRefused()
{
    Pane p;
    const QString name = p.saveDay(B, QStringLiteral("2002年10月06日14時30分"), QStringLiteral("大浜"), { 30 });
    const QString moved = p.dataDir() + QStringLiteral("/しまった日");
    QVERIFY(QDir().rename(datafiles::AnglerDirectory(p.dataDir(), B), moved));
    QVERIFY(QFile::link(moved, p.dataDir() + QLatin1Char('/') + B));
    p.logDay(B, name);

    p.deleteFirstDay(1);
    QVERIFY(QFile::exists(moved + QLatin1Char('/') + name));
    QVERIFY(p.logHolds(B, name));
    QCOMPARE(p.t.dialogs.texts().back(),
             QStringLiteral("2002年10月06日 大浜 1枚のファイルは削除しませんでした。\n\n"
                            "このファイルか釣り人のフォルダが、ふつうのファイルやフォルダではなくリンクなどになっているためです。"
                            "ファイルも釣行記録もそのままです。"));
    QCOMPARE(p.list1().size(), 1);
}

void TestBrowserPane::aDeletionThatFailsIsTold_data()
{
    QTest::addColumn<int>("error"); // what the removal of the file answers
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder") << EACCES << QStringLiteral("釣り人のフォルダが読み取り専用か、変更を許されていません。\n");
    QTest::newRow("read-only disk") << EROFS << QStringLiteral("ディスクが読み取り専用になっています。\n");
    QTest::newRow("no reason given") << EIO << QString();
}

// A day file that cannot be deleted stays, with its day in 釣行記録, and
// the player hears that it was not deleted and why.
void TestBrowserPane::aDeletionThatFailsIsTold()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    NoRemoval disk(error);
    Pane p(&disk);
    const QString name = p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    p.logDay(A, name);

    p.deleteFirstDay(0);
    QVERIFY(QFile::exists(datafiles::AnglerDirectory(p.dataDir(), A) + QLatin1Char('/') + name));
    QVERIFY(p.logHolds(A, name));
    QCOMPARE(p.t.dialogs.texts().back(),
             QStringLiteral("2002年10月05日 大浜 1枚のファイルを削除できませんでした。\n\n") + reason
                 + QStringLiteral("ファイルも釣行記録もそのままです。ディスクや書き込みの許可を確かめてから、もう一度お試しください。"));
    QCOMPARE(p.t.dialogs.shown().back().icon, MessageIcon::Warning);
    QCOMPARE(p.list1().size(), 1);
}

void TestBrowserPane::aLogThatKeepsTheDayIsToldAsADeletion_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("reason");
    const QString inUse = QStringLiteral("釣行記録のファイルがほかのプログラムに使われています。");
    QTest::newRow("locked before it is opened") << QStringLiteral("locked") << inUse;
    QTest::newRow("locked while it is open") << QStringLiteral("busy") << inUse;
    QTest::newRow("newer") << QStringLiteral("newer")
                           << QStringLiteral("釣行記録のファイルはこのゲームより新しい版で作られています。");
    QTest::newRow("a folder in its place")
        << QStringLiteral("folder")
        << QStringLiteral("釣行記録のファイル（データフォルダの namiyose-log.sqlite とその関連ファイル）が、"
                          "ふつうのファイルではなくリンクやフォルダなどになっています。");
}

// The day file is deleted but the log cannot forget the day: the player is
// told so, in words about the deletion, never about a save.
void TestBrowserPane::aLogThatKeepsTheDayIsToldAsADeletion()
{
    QFETCH(QString, trouble);
    QFETCH(QString, reason);
    Pane p;
    const QString name = p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45 });
    const QString path = datafiles::AnglerDirectory(p.dataDir(), A) + QLatin1Char('/') + name;
    p.logDay(A, name);

    QSqlDatabase other;
    std::optional<QSqlQuery> hold;
    if (trouble == QLatin1String("folder")) {
        QVERIFY(QFile::remove(p.logPath()));
        QVERIFY(QDir().mkpath(p.logPath()));
    } else {
        if (trouble == QLatin1String("busy"))
            QVERIFY(p.t.game().dayLog().store()); // a log window opened it
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(p.logPath());
        QVERIFY(other.open());
        hold.emplace(other);
        if (trouble == QLatin1String("newer"))
            QVERIFY(hold->exec(QStringLiteral("PRAGMA user_version = 99")));
        else
            QVERIFY(hold->exec(QStringLiteral("BEGIN IMMEDIATE")));
    }

    p.deleteFirstDay(0);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(p.list1().size(), 0);
    QCOMPARE(p.t.dialogs.texts().back(),
             QStringLiteral("2002年10月05日 大浜 1枚のファイルは削除しましたが、釣行記録からこの日を削除できませんでした。\n\n")
                 + reason);
    for (const QString &text : p.t.dialogs.texts())
        QVERIFY2(!text.contains(QStringLiteral("保存")), qPrintable(text));

    hold.reset();
    if (other.isValid()) {
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
}

// Tabbing into the list marks its first day without choosing it; Space
// chooses it, and its figures and its lines under 明細表示 come as from a
// click. After 一覧へ, Enter shows the chosen day again.
void TestBrowserPane::aDayChosenByKeysShowsWhatAClickShows_data()
{
    QTest::addColumn<bool>("backToList");
    QTest::newRow("Space on the day the list marks") << false;
    QTest::newRow("Enter after 一覧へ") << true;
}

void TestBrowserPane::aDayChosenByKeysShowsWhatAClickShows()
{
    QFETCH(bool, backToList);
    Pane p;
    p.saveDay(A, QStringLiteral("2002年10月05日14時30分"), QStringLiteral("大浜"), { 45, 38 });
    p.chooseAngler(0);
    p.frame.show();
    p.frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.frame));
    QListWidget *days = p.pane->List1;
    days->setFocus(Qt::TabFocusReason);
    QCOMPARE(days->currentRow(), 0);
    QTest::keyClick(days, Qt::Key_Space);
    if (backToList) {
        p.pane->Command6->click();
        p.pane->Command4->click();
        QCOMPARE(p.figures(), (QStringList { QString(), QString(), QString(), QString() }));
        QCOMPARE(QApplication::focusWidget(), days);
        QTest::keyClick(days, Qt::Key_Return);
    }
    QCOMPARE(p.figures(), (QStringList { QStringLiteral("2002年10月05日 大浜 2枚"), QStringLiteral("45cm"),
                                         QStringLiteral("2枚"), QStringLiteral("83cm") }));
    p.pane->Command6->click();
    QVERIFY(p.t.dialogs.texts().isEmpty());
    QVERIFY(!p.pane->List2->isHidden());
    QCOMPARE(p.list2(), (QStringList { QStringLiteral("大浜"), chinu(45), chinu(38) }));
    QCOMPARE(QApplication::focusWidget(), p.pane->List2);
}

QTEST_MAIN(TestBrowserPane)
#include "test_browserpane.moc"
