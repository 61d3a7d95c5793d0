// The shared files of the data folder: two copies of the game writing at
// once, lines the game never wrote, a record file it cannot read, and what a
// crash leaves behind.

#include "diskfixture.h"

#include "app/screens.h"
#include "platform/filelock.h"
#include "platform/timer.h"
#include "prep/anglerlist.h"
#include "rankings/form6.h"
#include "rankings/prune.h"
#include "records/daysave.h"
#include "records/recordline.h"
#include "records/sharedfolder.h"
#include "support/testgame.h"

#include <QtTest>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace diskfixture;

namespace {

const QString A = QStringLiteral("釣人Ａ");

QByteArray utf8(const char *text)
{
    return QByteArray(text);
}

// 201 days of A at one raft: the first ten make every best ten, the rest go.
QStringList prunableDays()
{
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << datafiles::FormatRecordLine(dayLine(i, A).mid(2, 17), 60 - i, 1, 20 - i, 900 - i, A);
    for (int i = 10; i <= 200; ++i)
        lines << datafiles::FormatRecordLine(dayLine(i, A).mid(2, 17), 10, 1, 1, 10, A);
    return lines;
}

QList<QByteArray> encoded(const QStringList &lines)
{
    QList<QByteArray> raw;
    for (const QString &line : lines)
        raw << cp(line);
    return raw;
}

void activate(Form6 &screen)
{
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&screen, &event);
}

// A disk that takes every write but those of one file.
class RefusingOneFile : public FileSystem
{
public:
    explicit RefusingOneFile(QString refused) : m_refused(std::move(refused)) {}
    bool writeAll(const QString &path, const QByteArray &bytes, QString *error) override
    {
        if (path == m_refused) {
            if (error)
                *error = QStringLiteral("disk full");
            return false;
        }
        return FileSystem::writeAll(path, bytes, error);
    }

private:
    QString m_refused;
};

// Runs body(c) in so many forked copies of this process, all let go at the
// same moment; true when every copy's body returned true.
bool inCopiesAtOnce(int copies, const std::function<bool(int)> &body)
{
    int go[2];
    if (::pipe(go) != 0)
        return false;
    QList<pid_t> children;
    for (int c = 0; c < copies; ++c) {
        const pid_t child = ::fork();
        if (child < 0)
            return false;
        if (child == 0) {
            ::close(go[1]);
            char start = 0;
            (void)!::read(go[0], &start, 1); // all start when the pipe closes
            ::_exit(body(c) ? 0 : 1);
        }
        children << child;
    }
    ::close(go[0]);
    ::close(go[1]);
    bool all = true;
    for (const pid_t child : children) {
        int status = 0;
        all = ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0 && all;
    }
    return all;
}

const QString Stamp = QStringLiteral("2002年10月05日14時30分");
const QString Raft = QStringLiteral("大浜");

// A day of one chinu whose length tells which save it was.
datafiles::DayToSave oneChinu(int length)
{
    return {A, Stamp, 1, Raft, {CatchEntry(QStringLiteral("チヌ"), length)}, 1, length, length};
}

// A copy of the game killed at one step of its save.
class KilledAt : public FileSystem
{
public:
    enum Step { ClaimingTheDayFile, WritingTheRecordLine };
    KilledAt(Step step, QString recordPath) : m_step(step), m_recordPath(std::move(recordPath)) {}
    bool createNew(const QString &path, const QByteArray &bytes, bool *taken, QString *error) override
    {
        if (m_step == ClaimingTheDayFile)
            ::_exit(9);
        return FileSystem::createNew(path, bytes, taken, error);
    }
    bool writeAll(const QString &path, const QByteArray &bytes, QString *error) override
    {
        if (m_step == WritingTheRecordLine && path == m_recordPath)
            ::_exit(9);
        return FileSystem::writeAll(path, bytes, error);
    }

private:
    Step m_step;
    QString m_recordPath;
};

} // namespace

class TestSharedFiles : public QObject
{
    Q_OBJECT
private slots:
    void registrationKeepsEveryLine_data();
    void registrationKeepsEveryLine();
    void twoCopiesRegisterBothAnglers();
    void simultaneousSavesLoseNoLine();
    void secondCopyIsToldOnce();
    void leftoversOfACrashAreRemoved();
    void pruningKeepsLinesItCannotRead();
    void failedCopyLeavesBothFiles();
    void unreadableRecordFileIsReportedAndLeftAlone_data();
    void unreadableRecordFileIsReportedAndLeftAlone();
    void linksOutOfTheFolderAreNeitherReadNorWritten();
    void aListedAnglerNeedsNoLock();
    void somethingPlantedAtALockStopsTheWriteAndIsNamed_data();
    void somethingPlantedAtALockStopsTheWriteAndIsNamed();
    void copiesSavingAsOneAnglerKeepEveryDay();
    void aSaveCutOffIsFinishedByTheNextLock_data();
    void aSaveCutOffIsFinishedByTheNextLock();
};

void TestSharedFiles::registrationKeepsEveryLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // with 新顔 registered
    const QByteArray added = cp(QStringLiteral("新顔")) + "\r\n";
    QTest::newRow("count -1") << QByteArray(" -1 \r\nA\r\nB\r\n") << QByteArray(" 3 \r\nA\r\nB\r\n") + added;
    QTest::newRow("count 1 over three names")
        << QByteArray(" 1 \r\nA\r\nB\r\nC\r\n") << QByteArray(" 4 \r\nA\r\nB\r\nC\r\n") + added;
    QTest::newRow("a line that is not CP932 keeps its bytes")
        << QByteArray(" 3 \r\nA\r\n\x82\xff\x85\r\nB\r\n") << QByteArray(" 4 \r\nA\r\n\x82\xff\x85\r\nB\r\n") + added;
    QTest::newRow("a UTF-8 list") << QByteArray(" 2 \r\n") + utf8("浜田") + "\r\n" + utf8("磯野") + "\r\n"
                                  << QByteArray(" 3 \r\n") + utf8("浜田") + "\r\n" + utf8("磯野") + "\r\n" + added;
    QTest::newRow("blank lines and blanks around names")
        << QByteArray(" 3 \r\n  A \r\n\r\nB\r\n") << QByteArray(" 4 \r\n  A \r\n\r\nB\r\n") + added;
    QTest::newRow("line 1 not a number stays") << QByteArray("x\r\nA\r\n") << QByteArray("x\r\nA\r\n") + added;
    QTest::newRow("line 1 a number padded with other bytes stays")
        << QByteArray(" 10\xa0\xa0 \r\nA\r\n") << QByteArray(" 10\xa0\xa0 \r\nA\r\n") + added;
    QTest::newRow("LF ends and no last line end") << QByteArray(" 2 \nA\nB") << QByteArray(" 3 \r\nA\r\nB\r\n") + added;
    QTest::newRow("listed beyond the count: the count mended so it is offered")
        << QByteArray(" 1 \r\nA\r\n") + added << QByteArray(" 2 \r\nA\r\n") + added;
    QTest::newRow("listed within the count: nothing written")
        << QByteArray(" 2 \r\nA\r\n") + added << QByteArray(" 2 \r\nA\r\n") + added;
}

void TestSharedFiles::registrationKeepsEveryLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    FileSystem fs;
    put(anglerListPath(dir.path()), before);
    QStringList offered = readAnglerNames(fs, dir.path());
    const AnglerAdded added = addAnglerName(fs, dir.path(), offered, QStringLiteral("新顔"));
    QCOMPARE(added, before == after ? AnglerAdded::AlreadyListed : AnglerAdded::Added);
    QCOMPARE(bytesOf(anglerListPath(dir.path())), after);
    QVERIFY(readAnglerNames(fs, dir.path()).contains(QStringLiteral("新顔")));
}

// Each copy read the list at its start; each registers its own angler.
void TestSharedFiles::twoCopiesRegisterBothAnglers()
{
    QTemporaryDir dir;
    FileSystem first, second;
    QVERIFY(writeAnglerNames(first, dir.path(), {A}));
    QStringList firstNames = readAnglerNames(first, dir.path());
    QStringList secondNames = readAnglerNames(second, dir.path());
    QCOMPARE(addAnglerName(second, dir.path(), secondNames, QStringLiteral("磯野")), AnglerAdded::Added);
    QCOMPARE(addAnglerName(first, dir.path(), firstNames, QStringLiteral("浜田")), AnglerAdded::Added);
    QVERIFY(writeAnglerNames(first, dir.path(), firstNames));
    QCOMPARE(readAnglerNames(first, dir.path()), (QStringList{A, QStringLiteral("磯野"), QStringLiteral("浜田")}));
}

// Six copies save at the same moment onto a long record file.
void TestSharedFiles::simultaneousSavesLoseNoLine()
{
    QTemporaryDir dir;
    QList<QByteArray> lines;
    for (int n = 0; n < 100000; ++n)
        lines << cp(dayLine(n, A));
    put(datafiles::RecordFilePath(dir.path()), datafiles::RecordFileBytes(lines));

    QVERIFY(inCopiesAtOnce(6, [&](int c) {
        FileSystem fs;
        return datafiles::AddRecordLine(fs, dir.path(), dayLine(200000 + c, QStringLiteral("写し%1").arg(c)));
    }));

    const datafiles::RecordFile read = datafiles::ReadRecordFile(FileSystem(), dir.path());
    QCOMPARE(read.lines.size(), 100006);
    QCOMPARE(read.declaredCount, 32767); // the count line holds 100006; a reader's figure stops there
    for (int c = 0; c < 6; ++c)
        QVERIFY(read.lines.mid(0, 6).contains(dayLine(200000 + c, QStringLiteral("写し%1").arg(c))));
    QCOMPARE(read.lines.last(), dayLine(99999, A));
}

void TestSharedFiles::secondCopyIsToldOnce()
{
    QTemporaryDir dir;
    VirtualScheduler scheduler;
    ScriptedDialogs dialogs(scheduler);
    const QString caption = QStringLiteral("ナミヨセ");
    {
        FileSystem running;
        datafiles::OpenDataFolder(running, dialogs, caption, dir.path());
        QVERIFY(dialogs.texts().isEmpty());

        FileSystem second;
        datafiles::OpenDataFolder(second, dialogs, caption, dir.path());
        datafiles::OpenDataFolder(second, dialogs, caption, dir.path());
        QCOMPARE(dialogs.texts(), QStringList{datafiles::FolderInUseMessage()});
    }
    // The first copy has ended: the folder is free again.
    FileSystem later;
    datafiles::OpenDataFolder(later, dialogs, caption, dir.path());
    QCOMPARE(dialogs.texts().size(), 1);
}

void TestSharedFiles::leftoversOfACrashAreRemoved()
{
    QTemporaryDir dir;
    const QString data = dir.path();
    const QString day = QStringLiteral("2002年10月05日14時30分005大浜.txt");
    const QStringList leftovers{
        QStringLiteral(".namiyose-tmp-a1B2c3D4e5F6-チヌ記録.txt"), QStringLiteral(".namiyose-tmp-000000000000-釣り人.txt"),
        QStringLiteral(".namiyose-tmp-Zz9Zz9Zz9Zz9-チヌ記録.txt.bak"),
        A + QStringLiteral("/.namiyose-tmp-xY12abxY12ab-") + day,
        // What the game's earlier versions left: the name and ".tmp-" with six letters or digits.
        QStringLiteral("チヌ記録.txt.tmp-a1B2c3"), QStringLiteral("釣り人.txt.tmp-000000"),
        QStringLiteral("チヌ記録.txt.bak.tmp-Zz9Zz9"), A + QLatin1Char('/') + day + QStringLiteral(".tmp-xY12ab"),
    };
    // A player's own copies and notes, whatever they look like, stay.
    const QStringList kept{
        QStringLiteral("チヌ記録.txt"), QStringLiteral("チヌ記録.txt.bak"), QStringLiteral("メモ.txt.tmp-a1B2c3"),
        QStringLiteral("チヌ記録.txt.tmp-a1B2"), QStringLiteral("チヌ記録.txt.abc123"), A + QLatin1Char('/') + day,
        A + QStringLiteral("/写真.jpg.AbCdEf"), A + QStringLiteral("/チヌ記録.txt.tmp-a1B2c3"),
        QStringLiteral("チヌ記録.txt.backup"), QStringLiteral("釣り人.txt.BACKUP"), QStringLiteral("チヌ記録.txt.bak.before"),
        QStringLiteral("チヌ記録.txt.QwErTy"), A + QLatin1Char('/') + day + QStringLiteral(".backup"),
        A + QLatin1Char('/') + day + QStringLiteral(".AbCdEf"), QStringLiteral(".namiyose-tmp-short-チヌ記録.txt"),
        QStringLiteral(".namiyose-tmp-a1B2c3D4e5F6-メモ.txt"),
    };
    const QDateTime start = QDateTime::currentDateTime();
    for (const QString &name : leftovers + kept) {
        put(data + QLatin1Char('/') + name, "x");
        QFile file(data + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(start.addSecs(-60), QFileDevice::FileModificationTime));
    }
    // A write of this very run, under way: not a leftover.
    const QString fresh = QStringLiteral(".namiyose-tmp-Fresh1Fresh1-チヌ記録.txt");
    put(data + QLatin1Char('/') + fresh, "x");
    QFile(data + QLatin1Char('/') + fresh).open(QIODevice::ReadWrite);
    // A link named like a leftover is not followed nor removed.
    QVERIFY(QFile::link(data + QStringLiteral("/チヌ記録.txt"), data + QStringLiteral("/.namiyose-tmp-link00link00-釣り人.txt")));

    QStringList removed = datafiles::RemoveLeftoverTemporaries(data, start.addSecs(-1));
    removed.sort();
    QStringList expected = leftovers;
    expected.sort();
    QCOMPARE(removed, expected);
    for (const QString &name : kept + QStringList{fresh, QStringLiteral(".namiyose-tmp-link00link00-釣り人.txt")})
        QVERIFY2(QFileInfo(data + QLatin1Char('/') + name).exists() || QFileInfo(data + QLatin1Char('/') + name).isSymLink(),
                 qPrintable(name));
}

void TestSharedFiles::pruningKeepsLinesItCannotRead()
{
    QTemporaryDir dir;
    FileSystem fs;
    QList<QByteArray> lines = encoded(prunableDays());
    const QByteArray handEdited = cp(QStringLiteral("記録　手で書いた行"));
    const QByteArray shortLine = cp(QStringLiteral("記録2002年"));
    lines.insert(5, handEdited);
    lines.insert(150, shortLine);
    const QByteArray before = datafiles::RecordFileBytes(lines);
    put(datafiles::RecordFilePath(dir.path()), before);

    const prune::Outcome outcome = prune::PruneRecordFile(fs, dir.path());
    QVERIFY(outcome.written);
    QCOMPARE(outcome.keptDays, 10);
    QList<QByteArray> kept = encoded(prunableDays().mid(0, 10));
    kept << handEdited << shortLine;
    QCOMPARE(bytesOf(datafiles::RecordFilePath(dir.path())), datafiles::RecordFileBytes(kept));
    QCOMPARE(bytesOf(prune::BackupPath(dir.path())), before);

    // A second pruning keeps the file and its copy as they are.
    QVERIFY(prune::PruneRecordFile(fs, dir.path()).written);
    QCOMPARE(bytesOf(datafiles::RecordFilePath(dir.path())), datafiles::RecordFileBytes(kept));
}

// The copy cannot be written: the record file and the earlier copy stay.
void TestSharedFiles::failedCopyLeavesBothFiles()
{
    QTemporaryDir dir;
    const QByteArray before = datafiles::RecordFileBytes(encoded(prunableDays()));
    const QByteArray oldCopy = "1\r\n" + cp(dayLine(7, A)) + "\r\n";
    put(datafiles::RecordFilePath(dir.path()), before);
    put(prune::BackupPath(dir.path()), oldCopy);
    RefusingOneFile fs(prune::BackupPath(dir.path()));
    const prune::Outcome outcome = prune::PruneRecordFile(fs, dir.path());
    QVERIFY(!outcome.written);
    QCOMPARE(outcome.error, QStringLiteral("disk full"));
    QCOMPARE(snapshot(dir.path()),
             (QMap<QString, QByteArray>{{datafiles::RecordFileName(), before},
                                        {datafiles::RecordFileName() + QStringLiteral(".bak"), oldCopy}}));
}

void TestSharedFiles::unreadableRecordFileIsReportedAndLeftAlone_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("told");
    QByteArray utf8File = "201\r\n";
    for (const QString &line : prunableDays())
        utf8File += line.toUtf8() + "\r\n";
    QTest::newRow("a folder") << true << QByteArray() << QStringLiteral("読み込めませんでした");
    QTest::newRow("UTF-8") << false << utf8File << QStringLiteral("読めない文字があります");
}

void TestSharedFiles::unreadableRecordFileIsReportedAndLeftAlone()
{
    QFETCH(bool, folder);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, told);
    TestGame t;
    t.state().AppDir = t.dir();
    const QString data = datafiles::DataDirectory(t.dir());
    if (folder)
        QVERIFY(QDir().mkpath(datafiles::RecordFilePath(data)));
    else
        put(datafiles::RecordFilePath(data), bytes);
    const auto before = snapshot(data);
    Form6 &screen = t.screens().form6();
    activate(screen);
    activate(screen);
    QCOMPARE(t.dialogs.texts().size(), 1); // told once; no pruning offered
    QVERIFY2(t.dialogs.texts().constFirst().contains(told), qPrintable(t.dialogs.texts().constFirst()));
    QCOMPARE(snapshot(data), before);
}

// The list, the record file and its copy planted as links to files outside
// the data folder: nothing there is read, written or replaced, and the
// links stay as they were.
void TestSharedFiles::linksOutOfTheFolderAreNeitherReadNorWritten()
{
    QTemporaryDir dir;
    const QString data = dir.path() + QStringLiteral("/fishingdata");
    const QString outside = dir.path() + QStringLiteral("/外");
    QVERIFY(QDir().mkpath(data));
    const QByteArray list = QByteArray(" 1 \r\n") + cp(QStringLiteral("外の人")) + "\r\n";
    const QByteArray records = datafiles::RecordFileBytes(encoded(prunableDays()));
    put(outside + QStringLiteral("/list.txt"), list);
    put(outside + QStringLiteral("/records.txt"), records);
    put(outside + QStringLiteral("/copy.txt"), records);
    QVERIFY(QFile::link(outside + QStringLiteral("/list.txt"), anglerListPath(data)));
    QVERIFY(QFile::link(outside + QStringLiteral("/records.txt"), datafiles::RecordFilePath(data)));
    QVERIFY(QFile::link(outside + QStringLiteral("/copy.txt"), prune::BackupPath(data)));
    const auto outsideBefore = snapshot(outside);

    FileSystem fs;
    QStringList offered = readAnglerNames(fs, data);
    QVERIFY(!offered.contains(QStringLiteral("外の人")));
    QVERIFY(!datafiles::ReadRecordFile(fs, data).readable);
    QCOMPARE(addAnglerName(fs, data, offered, QStringLiteral("新顔")), AnglerAdded::NotWritten);
    QVERIFY(!datafiles::AddRecordLine(fs, data, dayLine(300, A)));
    QVERIFY(!prune::PruneRecordFile(fs, data).written);

    QCOMPARE(snapshot(outside), outsideBefore);
    for (const QString &link : {anglerListPath(data), datafiles::RecordFilePath(data), prune::BackupPath(data)})
        QVERIFY2(QFileInfo(link).isSymLink(), qPrintable(link));

    // A link that stays inside the data folder is still read.
    put(data + QStringLiteral("/保管/records.txt"), records);
    QVERIFY(QFile::remove(datafiles::RecordFilePath(data)));
    QVERIFY(QFile::link(data + QStringLiteral("/保管/records.txt"), datafiles::RecordFilePath(data)));
    QCOMPARE(datafiles::ReadRecordFile(fs, data).lines.size(), prunableDays().size());
}

// Crossing as an angler the list holds writes nothing, so it needs no lock:
// a disk too full for one (here a folder where the lock belongs) does not
// make it fail.
void TestSharedFiles::aListedAnglerNeedsNoLock()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(writeAnglerNames(fs, dir.path(), {A}));
    QVERIFY(QDir().mkpath(anglerListPath(dir.path()) + QStringLiteral(".lock")));
    QStringList names = readAnglerNames(fs, dir.path());
    QCOMPARE(addAnglerName(fs, dir.path(), names, A), AnglerAdded::AlreadyListed);
    QCOMPARE(addAnglerName(fs, dir.path(), names, QStringLiteral("新顔")), AnglerAdded::NotWritten);
}

void TestSharedFiles::somethingPlantedAtALockStopsTheWriteAndIsNamed_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("a FIFO") << QStringLiteral("fifo");
    QTest::newRow("a link out of the folder") << QStringLiteral("link");
    QTest::newRow("a folder") << QStringLiteral("folder");
}

// Whatever stands where a lock belongs, crossing, saving and pruning never
// wait on it nor write: the write is refused, the files stay as they were,
// and the player is told what stands in the way.
void TestSharedFiles::somethingPlantedAtALockStopsTheWriteAndIsNamed()
{
    QFETCH(QString, planted);
    QTemporaryDir dir;
    const QString data = dir.path() + QStringLiteral("/fishingdata");
    QVERIFY(QDir().mkpath(data));
    FileSystem fs;
    QVERIFY(writeAnglerNames(fs, data, {A}));
    put(datafiles::RecordFilePath(data), datafiles::RecordFileBytes(encoded(prunableDays())));
    put(dir.path() + QStringLiteral("/外.txt"), "outside");
    for (const QString &file : {anglerListPath(data), datafiles::RecordFilePath(data)}) {
        const QByteArray lock = QFile::encodeName(FileLock::lockPath(file));
        if (planted == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(lock.constData(), 0644), 0);
        else if (planted == QLatin1String("link"))
            QVERIFY(QFile::link(dir.path() + QStringLiteral("/外.txt"), FileLock::lockPath(file)));
        else
            QVERIFY(QDir().mkpath(FileLock::lockPath(file)));
    }
    const auto before = snapshot(dir.path());

    QStringList names = readAnglerNames(fs, data);
    QCOMPARE(addAnglerName(fs, data, names, A), AnglerAdded::AlreadyListed);
    QCOMPARE(addAnglerName(fs, data, names, QStringLiteral("新顔")), AnglerAdded::NotWritten);
    QVERIFY(datafiles::SaveDay(fs, data, oneChinu(40)).step == datafiles::DaySaveOutcome::Step::RecordLineNotWritten);
    QVERIFY(!prune::PruneRecordFile(fs, data).written);
    QCOMPARE(snapshot(dir.path()), before);
    for (const QString &file : {anglerListPath(data), datafiles::RecordFilePath(data)}) {
        const QString told = datafiles::LockInTheWayText(file);
        QVERIFY2(told.contains(QFileInfo(FileLock::lockPath(file)).fileName()), qPrintable(told));
    }
    QVERIFY(datafiles::LockInTheWayText(dir.path() + QStringLiteral("/外.txt")).isEmpty());
}

// Three copies save as one angler in one minute, ten times each: every save
// gets a day file of its own, and its record line points at it.
void TestSharedFiles::copiesSavingAsOneAnglerKeepEveryDay()
{
    QTemporaryDir dir;
    constexpr int Copies = 3;
    constexpr int Saves = 10;
    QVERIFY(inCopiesAtOnce(Copies, [&](int c) {
        FileSystem fs;
        bool all = true;
        for (int n = 0; n < Saves; ++n)
            all = datafiles::SaveDay(fs, dir.path(), oneChinu(20 + c * Saves + n)).step
                    == datafiles::DaySaveOutcome::Step::Saved
                && all;
        return all;
    }));

    FileSystem fs;
    const datafiles::RecordFile records = datafiles::ReadRecordFile(fs, dir.path());
    QCOMPARE(records.lines.size(), Copies * Saves);
    QSet<QString> names;
    QSet<int> lengths;
    for (const QString &text : records.lines) {
        const std::optional<RecordLine> line = RecordLine::parse(text);
        QVERIFY(line);
        const QString name = datafiles::DayFileName(line->stamp(), 1, Raft);
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        lengths.insert(line->longest());
        // The day file under the line's stamp holds that very save.
        const datafiles::DayFile day = datafiles::ReadDayFile(fs, dir.path(), A, name);
        QCOMPARE(day.lines, (QStringList{Raft, CatchEntry(QStringLiteral("チヌ"), line->longest())}));
    }
    QCOMPARE(lengths.size(), Copies * Saves);
    QCOMPARE(datafiles::ListDayFiles(fs, dir.path(), A).size(), Copies * Saves);
    QVERIFY(!QFileInfo::exists(datafiles::SaveNotePath(dir.path())));
}

void TestSharedFiles::aSaveCutOffIsFinishedByTheNextLock_data()
{
    QTest::addColumn<int>("killedAt");
    QTest::addColumn<QString>("next"); // who takes the record file's lock next
    QTest::addColumn<bool>("dayFileThere");
    for (const char *next : {"save", "prune", "past records"}) {
        QTest::addRow("killed between the day file and its line, then %s", next)
            << int(KilledAt::WritingTheRecordLine) << QString::fromLatin1(next) << true;
        QTest::addRow("killed claiming the day file, then %s", next)
            << int(KilledAt::ClaimingTheDayFile) << QString::fromLatin1(next) << false;
    }
}

// A save killed after its day file and before its record line: whoever
// takes the record file's lock next writes the line, so the day the browser
// shows is counted in the rankings too. Killed before the day file, nothing
// is added.
void TestSharedFiles::aSaveCutOffIsFinishedByTheNextLock()
{
    QFETCH(int, killedAt);
    QFETCH(QString, next);
    QFETCH(bool, dayFileThere);
    TestGame t;
    t.state().AppDir = t.dir();
    const QString data = datafiles::DataDirectory(t.dir());
    QVERIFY(QDir().mkpath(data));
    put(datafiles::RecordFilePath(data), datafiles::RecordFileBytes(encoded(prunableDays())));

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        KilledAt fs(KilledAt::Step(killedAt), datafiles::RecordFilePath(data));
        datafiles::SaveDay(fs, data, oneChinu(61));
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 9);
    const QString cutOff = datafiles::DayFileName(Stamp, 1, Raft);
    QCOMPARE(QFileInfo::exists(datafiles::AnglerDirectory(data, A) + QLatin1Char('/') + cutOff), dayFileThere);
    QVERIFY(QFileInfo::exists(datafiles::SaveNotePath(data)));

    FileSystem fs;
    if (next == QLatin1String("save")) {
        const datafiles::DaySaveOutcome saved = datafiles::SaveDay(fs, data, oneChinu(33));
        QVERIFY(saved.step == datafiles::DaySaveOutcome::Step::Saved);
        QCOMPARE(saved.stamp == Stamp, !dayFileThere); // the name is taken by the day finished first
    } else if (next == QLatin1String("prune")) {
        QVERIFY(prune::PruneRecordFile(fs, data).written);
    } else {
        Form6 &screen = t.screens().form6();
        activate(screen);
    }
    const QString line = datafiles::FormatRecordLine(Stamp, 61, 1, 1, 61, A);
    QCOMPARE(datafiles::ReadRecordFile(fs, data).lines.contains(line), dayFileThere);
    QVERIFY(!QFileInfo::exists(datafiles::SaveNotePath(data)));
}

QTEST_MAIN(TestSharedFiles)
#include "test_sharedfiles.moc"
