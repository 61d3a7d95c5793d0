#include "support/todayscatch.h"
#include "app/screens.h"
#include "daylog/daylog.h"
#include "daylog/store.h"
#include "mainscreen/form1.h"
#include "records/catchtexts.h"
#include "records/dayend.h"
#include "records/form5.h"
#include "support/testgame.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <map>

#include <sys/stat.h>

using namespace daylog;

namespace {

const QString angler = QStringLiteral("釣人Ａ");
const QString dayFile = QStringLiteral("2002年10月05日14時30分002北の離れ.txt");

// A chinu day on raft 2 whose log has begun, ready to be saved from the
// catch screen.
struct PlayedDay
{
    TestGame tg;
    Form1 *form1 = nullptr;

    explicit PlayedDay(bool logged = true)
    {
        GameState &s = tg.state();
        s.AppDir = tg.dir();
        s.AnglerName = angler;
        s.SpotNo = 2;
        s.TargetFish = daylog::Fish::Chinu;
        s.TargetCode = 1;
        form1 = &tg.screens().form1();
        form1->Label8->setText(QStringLiteral("北の離れ"));
        for (const QString &entry : {QStringLiteral("チヌ  45センチ"), QStringLiteral("チヌ  38センチ")})
            listFish(*form1, entry);
        QDir().mkpath(dataDir());
        if (logged) {
            LoggedDay header;
            header.angler = angler;
            header.raft = 2;
            header.targetFish = QStringLiteral("チヌ");
            tg.game().dayLog().beginDay(header);
            DayEvent landed;
            landed.kind = EventKind::FishLanded;
            landed.fish = QStringLiteral("チヌ");
            landed.length = 45;
            tg.game().dayEvents.dayEvent(landed);
        }
    }

    QString dataDir() const { return tg.dir() + QStringLiteral("/fishingdata"); }
    QString logPath() const { return DayLogStore::pathIn(dataDir()); }

    // 釣果を保存, then 保存 on the catch screen.
    void save()
    {
        form1->dayEnd().釣果を保存Click();
        Form5 &f5 = *tg.screens().loadedForm5();
        f5.保存->trigger();
        QCOMPARE(f5.SavedFlag, 1);
    }

    // Every file of the data folder but the log's own, with its bytes.
    std::map<QString, QByteArray> gameFiles() const
    {
        std::map<QString, QByteArray> files;
        QDirIterator it(dataDir(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = QDir(dataDir()).relativeFilePath(path);
            if (name.startsWith(DayLogStore::fileName()))
                continue;
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                files[name] = f.readAll();
        }
        return files;
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every entry under a folder with its bytes (a folder, a link and anything
// else but a file by what it is).
std::map<QString, QByteArray> entriesUnder(const QString &root)
{
    std::map<QString, QByteArray> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QByteArray &bytes = all[QDir(root).relativeFilePath(path)];
        if (info.isSymLink()) {
            bytes = "-> " + QFile::encodeName(info.symLinkTarget());
        } else if (info.isDir()) {
            bytes = "<dir>";
        } else if (!info.isFile()) {
            bytes = "<not a file>"; // a FIFO is never opened: that would wait for a writer
        } else {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                bytes = f.readAll();
        }
    }
    return all;
}

} // namespace

class TestDayLogSave : public QObject
{
    Q_OBJECT

private slots:
    void savedDayIsLoggedAndGameFilesAreTheSame();
    void badLogNeverStopsTheSave_data();
    void badLogNeverStopsTheSave();
    void aLogPathThatIsNoPlainFileIsNeverUsed_data();
    void aLogPathThatIsNoPlainFileIsNeverUsed();
    void deletingTheDayFileForgetsItsLog();
};

void TestDayLogSave::savedDayIsLoggedAndGameFilesAreTheSame()
{
    PlayedDay withLog;
    withLog.save();
    PlayedDay without(false);
    without.save();

    QVERIFY(QFile::exists(withLog.logPath()));
    QVERIFY(!QFile::exists(without.logPath()));
    const auto files = withLog.gameFiles();
    QCOMPARE(files.size(), 2u);
    QVERIFY(files == without.gameFiles());
    // The save shows exactly the game's own message.
    QCOMPARE(withLog.tg.dialogs.texts(),
             QStringList{catchtexts::SavedFirst() + QStringLiteral("\n\n") + catchtexts::SavedHint()});

    DayLogStore *store = withLog.tg.game().dayLog().store();
    QVERIFY(store);
    const std::optional<LoggedDay> logged = store->dayByFile(angler, dayFile);
    QVERIFY(logged);
    QCOMPARE(logged->events.size(), 1u);
    QCOMPARE(logged->events.front().length, 45);
    QCOMPARE(withLog.tg.game().dayLog().today().dayFileName, dayFile);
}

void TestDayLogSave::badLogNeverStopsTheSave_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<bool>("keptAside");
    QTest::newRow("corrupt") << QStringLiteral("corrupt") << true;
    QTest::newRow("locked") << QStringLiteral("locked") << false;
    QTest::newRow("read-only") << QStringLiteral("read-only") << false;
    QTest::newRow("newer") << QStringLiteral("newer") << false;
    QTest::newRow("a folder in its place") << QStringLiteral("folder") << false;
}

void TestDayLogSave::badLogNeverStopsTheSave()
{
    QFETCH(QString, trouble);
    QFETCH(bool, keptAside);

    PlayedDay day;
    const QString log = day.logPath();
    const QByteArray garbage = QByteArray("壊れた記録\r\n").repeated(100);
    QSqlDatabase other;
    std::optional<QSqlQuery> hold;
    if (trouble == QLatin1String("corrupt")) {
        writeFile(log, garbage);
    } else if (trouble == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(log));
    } else {
        {
            DayLogStore made;
            QVERIFY(made.open(log));
        }
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(log);
        QVERIFY(other.open());
        hold.emplace(other);
        if (trouble == QLatin1String("locked")) {
            QVERIFY(hold->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        } else if (trouble == QLatin1String("newer")) {
            QVERIFY(hold->exec(QStringLiteral("PRAGMA user_version = 99")));
        } else if (trouble == QLatin1String("read-only")) {
            hold.reset();
            other.close();
            for (const QString &path : {log, log + QStringLiteral("-wal"), log + QStringLiteral("-shm")})
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            QFile probe(log);
            if (probe.open(QIODevice::ReadWrite)) {
                QSqlDatabase::removeDatabase(QStringLiteral("other"));
                QSKIP("this user writes read-only files (root)");
            }
        }
    }

    PlayedDay clean(false);
    clean.save();
    day.save();

    // The game's files are written exactly as without a log, and the player
    // hears about the log once, after the game's own message.
    QVERIFY(day.gameFiles() == clean.gameFiles());
    const QStringList texts = day.tg.dialogs.texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(0), catchtexts::SavedFirst() + QStringLiteral("\n\n") + catchtexts::SavedHint());
    QVERIFY(texts.at(1).contains(QStringLiteral("釣行記録")));

    // Asking again says nothing more.
    day.tg.game().dayLog().daySaved(dayFile);
    QCOMPARE(day.tg.dialogs.texts().size(), 2);

    const QStringList aside =
        QDir(day.dataDir()).entryList({DayLogStore::fileName() + QStringLiteral(".corrupt-*")}, QDir::Files);
    if (keptAside) {
        // The damaged file is kept as it was and a fresh log holds the day.
        QCOMPARE(aside.size(), 1);
        QFile kept(day.dataDir() + QLatin1Char('/') + aside.front());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), garbage);
        DayLogStore fresh;
        QVERIFY(fresh.open(log));
        QVERIFY(fresh.dayByFile(angler, dayFile));
    } else {
        QVERIFY(aside.isEmpty());
    }

    hold.reset();
    if (other.isValid()) {
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
}

void TestDayLogSave::aLogPathThatIsNoPlainFileIsNeverUsed_data()
{
    QTest::addColumn<QString>("suffix"); // where: the log itself, or one of its companions
    QTest::addColumn<QString>("planted");
    QTest::newRow("log: a link to a database elsewhere") << QString() << QStringLiteral("link");
    QTest::newRow("log: a link leading nowhere") << QString() << QStringLiteral("dangling link");
    QTest::newRow("log: a FIFO") << QString() << QStringLiteral("fifo");
    QTest::newRow("-wal: a link to a file elsewhere") << QStringLiteral("-wal") << QStringLiteral("link");
    QTest::newRow("-wal: a FIFO") << QStringLiteral("-wal") << QStringLiteral("fifo");
    QTest::newRow("-journal: a link to a file elsewhere") << QStringLiteral("-journal") << QStringLiteral("link");
    QTest::newRow("-journal: a folder") << QStringLiteral("-journal") << QStringLiteral("folder");
}

// Something planted at the log's name or beside it is never opened: the
// day's own files are saved as without a log, the player hears of it once,
// and nothing outside the data folder is written or made.
void TestDayLogSave::aLogPathThatIsNoPlainFileIsNeverUsed()
{
    QFETCH(QString, suffix);
    QFETCH(QString, planted);

    PlayedDay day;
    const QString outside = day.tg.dir() + QStringLiteral("/よそ");
    QVERIFY(QDir().mkpath(outside));
    QString target = outside + QStringLiteral("/大事なもの");
    if (suffix.isEmpty() && planted == QLatin1String("link")) {
        // Another program's database, which SQLite would gladly open.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("elsewhere"));
        db.setDatabaseName(target);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (line TEXT)")));
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("INSERT INTO notes VALUES ('よその記録')")));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("elsewhere"));
    } else if (planted == QLatin1String("link")) {
        writeFile(target, QByteArray("よその大事なファイル\r\n").repeated(200));
    } else {
        target = outside + QStringLiteral("/まだない");
    }
    const QString at = day.logPath() + suffix;
    if (planted == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(at));
    else if (planted == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(target, at));
    const std::map<QString, QByteArray> before = entriesUnder(outside);
    const std::map<QString, QByteArray> plantedBefore = entriesUnder(day.dataDir());

    PlayedDay clean(false);
    clean.save();
    day.save();

    QVERIFY(day.gameFiles() == clean.gameFiles());
    QVERIFY(entriesUnder(outside) == before);
    const QStringList texts = day.tg.dialogs.texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(0), catchtexts::SavedFirst() + QStringLiteral("\n\n") + catchtexts::SavedHint());
    QVERIFY2(texts.at(1).contains(DayLogStore::fileName()) && texts.at(1).contains(QStringLiteral("リンクやフォルダ"))
                 && texts.at(1).endsWith(QStringLiteral("釣果のファイルは保存されています。")),
             qPrintable(texts.at(1)));
    // The log windows find no log there either, and say nothing more.
    QVERIFY(!day.tg.game().dayLog().store());
    QCOMPARE(day.tg.dialogs.texts().size(), 2);

    // Nothing beside the planted thing was made or changed but the day's
    // own files.
    std::map<QString, QByteArray> after = entriesUnder(day.dataDir());
    for (const auto &[name, bytes] : day.gameFiles())
        after.erase(name);
    after.erase(angler);
    QVERIFY(after == plantedBefore);
}

void TestDayLogSave::deletingTheDayFileForgetsItsLog()
{
    PlayedDay day;
    day.save();
    DayLog &log = day.tg.game().dayLog();
    // While the day file is there its log stays.
    QVERIFY(!log.dayDeleted(angler, dayFile).forgotten);
    QVERIFY(log.store()->dayByFile(angler, dayFile));
    QVERIFY(QFile::remove(day.dataDir() + QLatin1Char('/') + angler + QLatin1Char('/') + dayFile));
    QVERIFY(log.dayDeleted(angler, dayFile).forgotten);
    QVERIFY(!log.store()->dayByFile(angler, dayFile));
}

QTEST_MAIN(TestDayLogSave)
#include "test_daylogsave.moc"
