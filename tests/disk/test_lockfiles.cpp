// The locks beside the shared files: whatever else is planted at a lock's
// path is refused at once and left as it was, a lock left by a copy that
// died is taken over, and a copy of the game built on QLockFile and this one
// take turns on the same folder.

#include "platform/filelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// What stands at a path, read without opening anything that could block.
QByteArray describe(const QString &path)
{
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0)
        return "nothing";
    if (S_ISLNK(st.st_mode)) {
        const QString target = QFile::symLinkTarget(path);
        return "link to " + native(target) + (QFileInfo(target).isFile() ? ": " + bytesOf(target) : QByteArray());
    }
    if (S_ISFIFO(st.st_mode))
        return "fifo";
    if (S_ISDIR(st.st_mode))
        return "folder";
    return "file: " + bytesOf(path);
}

// A process id that no process has: a child's, reaped.
qint64 deadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

QByteArray programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
}

// A lock file as QLockFile writes it on Linux.
QByteArray lockText(qint64 pid, const QByteArray &program = programName(),
                    const QByteArray &host = QSysInfo::machineHostName().toUtf8(),
                    const QByteArray &hostId = QSysInfo::machineUniqueId(),
                    const QByteArray &bootId = QSysInfo::bootUniqueId())
{
    return QByteArray::number(pid) + '\n' + program + '\n' + host + '\n' + hostId + '\n' + bootId + '\n';
}

void ageByAnHour(const QString &path)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, native(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A child process that holds a QLockFile on a path until told to let go.
class QLockFileCopy
{
public:
    explicit QLockFileCopy(const QString &lockPath)
    {
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        QCOMPARE(::pipe(m_release), 0);
        m_pid = ::fork();
        QVERIFY(m_pid >= 0);
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(m_release[1]);
            QLockFile lock(lockPath);
            const char locked = lock.tryLock(0) ? 1 : 0;
            (void)!::write(ready[1], &locked, 1);
            char go = 0;
            (void)!::read(m_release[0], &go, 1); // until the parent closes its end
            lock.unlock();
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(m_release[0]);
        char locked = 0;
        QCOMPARE(::read(ready[0], &locked, 1), ssize_t(1));
        ::close(ready[0]);
        m_locked = locked == 1;
    }
    ~QLockFileCopy() { release(); }

    bool locked() const { return m_locked; }
    void release()
    {
        if (m_pid <= 0)
            return;
        ::close(m_release[1]);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = 0;
    }

private:
    pid_t m_pid = 0;
    int m_release[2] = {-1, -1};
    bool m_locked = false;
};

// Whether a QLockFile in another process gets the lock at once.
bool qLockFileGetsIn(const QString &lockPath)
{
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile lock(lockPath);
        ::_exit(lock.tryLock(0) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}

} // namespace

class TestLockFiles : public QObject
{
    Q_OBJECT

private slots:
    void plantedThingIsRefusedAndLeftAlone_data();
    void plantedThingIsRefusedAndLeftAlone();
    void lockLeftOnDiskIsJudgedByItsHolder_data();
    void lockLeftOnDiskIsJudgedByItsHolder();
    void qLockFileOfAnotherCopyIsWaitedFor_data();
    void qLockFileOfAnotherCopyIsWaitedFor();
    void ourLockKeepsQLockFileOut_data();
    void ourLockKeepsQLockFileOut();
    void unlockingLeavesALockThatReplacedOurs();
    void movedLockIsHeldByItsNewOwner();
    void folderClaimRefusesWhatIsNoPlainFile_data();
    void folderClaimRefusesWhatIsNoPlainFile();
};

void TestLockFiles::plantedThingIsRefusedAndLeftAlone_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("link to a file outside") << QStringLiteral("link out");
    QTest::newRow("link to /dev/zero") << QStringLiteral("link zero");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("1 MiB file") << QStringLiteral("large");
}

// Refused at once, with nothing read through it, waited on or removed. The
// file outside and the large file read as a lock left by a dead copy, so a
// lock that looked through them would take them over.
void TestLockFiles::plantedThingIsRefusedAndLeftAlone()
{
    QFETCH(QString, planted);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString file = dir.filePath(QStringLiteral("チヌ記録.txt"));
    const QString lockPath = FileLock::lockPath(file);
    const QByteArray deadLock = lockText(deadPid());
    if (planted == QLatin1String("link out")) {
        const QString outside = elsewhere.filePath(QStringLiteral("other.txt"));
        put(outside, deadLock);
        QVERIFY(QFile::link(outside, lockPath));
    } else if (planted == QLatin1String("link zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), lockPath));
    } else if (planted == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(native(lockPath).constData(), 0600), 0);
    } else if (planted == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(lockPath));
    } else {
        put(lockPath, deadLock + QByteArray(1024 * 1024 - deadLock.size(), ' '));
    }
    const QByteArray before = describe(lockPath);
    const QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    const FileLock lock(file);
    QVERIFY(!lock.locked());
    QCOMPARE(lock.problem(), FileLock::Problem::NotALock);
    QVERIFY(!lock.error().isEmpty());

    QCOMPARE(describe(lockPath), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), names);
}

void TestLockFiles::lockLeftOnDiskIsJudgedByItsHolder_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("old");
    QTest::addColumn<bool>("takenOver");
    const qint64 dead = deadPid();
    const qint64 alive = ::getpid();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray earlierBoot = lockText(alive, programName(), host, QSysInfo::machineUniqueId(), "an earlier boot");
    const QByteArray elsewhere = lockText(dead, programName(), "elsewhere", "another machine", "its boot");
    QTest::newRow("copy that died") << lockText(dead) << false << true;
    QTest::newRow("its process id now another program's") << lockText(::getppid()) << false << true;
    QTest::newRow("written before the machine started") << earlierBoot << false << true;
    QTest::newRow("running copy, no flock") << lockText(alive) << false << false;
    QTest::newRow("running copy, no flock, an hour old") << lockText(alive) << true << true;
    QTest::newRow("another machine's") << elsewhere << false << false;
    QTest::newRow("another machine's, an hour old") << elsewhere << true << true;
    QTest::newRow("empty, being written") << QByteArray() << false << false;
    QTest::newRow("empty, an hour old") << QByteArray() << true << true;
}

// A lock file that no process holds a flock on: taken over at once when its
// holder is gone or when it is older than any rewrite, else waited for.
void TestLockFiles::lockLeftOnDiskIsJudgedByItsHolder()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, old);
    QFETCH(bool, takenOver);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("釣り人.txt"));
    const QString lockPath = FileLock::lockPath(file);
    put(lockPath, content);
    if (old)
        ageByAnHour(lockPath);

    const FileLock lock(file, 0);
    QCOMPARE(lock.locked(), takenOver);
    if (takenOver) {
        QCOMPARE(lock.problem(), FileLock::Problem::None);
        QCOMPARE(bytesOf(lockPath), lockText(::getpid()));
    } else {
        QCOMPARE(lock.problem(), FileLock::Problem::Busy);
        QCOMPARE(bytesOf(lockPath), content);
    }
}

void TestLockFiles::qLockFileOfAnotherCopyIsWaitedFor_data()
{
    QTest::addColumn<bool>("old");
    QTest::newRow("fresh") << false;
    QTest::newRow("an hour old") << true; // its flock says the copy still runs
}

void TestLockFiles::qLockFileOfAnotherCopyIsWaitedFor()
{
    QFETCH(bool, old);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("釣り人.txt"));
    const QString lockPath = FileLock::lockPath(file);
    QLockFileCopy other(lockPath);
    QVERIFY(other.locked());
    if (old)
        ageByAnHour(lockPath);
    const QByteArray theirs = bytesOf(lockPath);

    {
        const FileLock lock(file, 20);
        QVERIFY(!lock.locked());
        QCOMPARE(lock.problem(), FileLock::Problem::Busy);
        QCOMPARE(bytesOf(lockPath), theirs);
    }

    other.release();
    const FileLock lock(file, 0);
    QVERIFY(lock.locked());
}

void TestLockFiles::ourLockKeepsQLockFileOut_data()
{
    QTest::addColumn<bool>("old");
    QTest::newRow("fresh") << false;
    QTest::newRow("an hour old") << true; // QLockFile calls it stale, but cannot take our flock
}

// A copy built on QLockFile reads our lock as its own kind, finds it live and
// stays out; once we let go it gets in.
void TestLockFiles::ourLockKeepsQLockFileOut()
{
    QFETCH(bool, old);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("チヌ記録.txt"));
    const QString lockPath = FileLock::lockPath(file);
    {
        const FileLock lock(file, 0);
        QVERIFY(lock.locked());
        QLockFile written(dir.filePath(QStringLiteral("written by QLockFile")));
        QVERIFY(written.tryLock(0));
        QCOMPARE(bytesOf(lockPath), bytesOf(written.fileName()));
        if (old)
            ageByAnHour(lockPath);

        QVERIFY(!qLockFileGetsIn(lockPath));
        QCOMPARE(bytesOf(lockPath), lockText(::getpid()));
    }
    QVERIFY(!QFileInfo::exists(lockPath));
    QVERIFY(qLockFileGetsIn(lockPath));
}

// Our lock was taken over (by a copy that judged it too old) and the path
// names another copy's lock now: letting go of ours leaves theirs.
void TestLockFiles::unlockingLeavesALockThatReplacedOurs()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("釣り人.txt"));
    const QString lockPath = FileLock::lockPath(file);
    const QByteArray theirs = lockText(::getppid());
    {
        const FileLock lock(file, 0);
        QVERIFY(lock.locked());
        const QString replacement = dir.filePath(QStringLiteral("theirs"));
        put(replacement, theirs);
        QCOMPARE(::rename(native(replacement).constData(), native(lockPath).constData()), 0);
    }
    QCOMPARE(bytesOf(lockPath), theirs);
}

// A lock handed on (as a file system hands out its locks) is let go once,
// by its last owner.
void TestLockFiles::movedLockIsHeldByItsNewOwner()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("釣り人.txt"));
    std::optional<FileLock> first;
    first.emplace(file, 0);
    QVERIFY(first->locked());
    FileLock second(std::move(*first));
    first.reset();
    QVERIFY(second.locked());
    QVERIFY(QFileInfo::exists(FileLock::lockPath(file)));
    QVERIFY(!qLockFileGetsIn(FileLock::lockPath(file)));

    second = FileLock::held();
    QVERIFY(second.locked());
    QVERIFY(!QFileInfo::exists(FileLock::lockPath(file)));
}

void TestLockFiles::folderClaimRefusesWhatIsNoPlainFile_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("link to a file outside") << QStringLiteral("link out");
}

void TestLockFiles::folderClaimRefusesWhatIsNoPlainFile()
{
    QFETCH(QString, planted);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString claimPath = dir.filePath(FolderClaim::lockName());
    if (planted == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(native(claimPath).constData(), 0600), 0);
    } else {
        const QString outside = elsewhere.filePath(QStringLiteral("other.txt"));
        put(outside, "not the game's");
        QVERIFY(QFile::link(outside, claimPath));
    }
    const QByteArray before = describe(claimPath);

    FolderClaim claim;
    QCOMPARE(claim.claim(dir.path()), FolderClaim::Result::Unclaimable);
    QCOMPARE(describe(claimPath), before);
}

QTEST_GUILESS_MAIN(TestLockFiles)
#include "test_lockfiles.moc"
