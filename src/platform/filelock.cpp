#include "filelock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// QLockFile cannot be told not to follow a link at the lock's path nor not
// to block on a FIFO there: it opens and reads whatever stands there, and a
// FIFO planted beside a shared file hung every save for good. The same steps
// are taken here on POSIX calls, with QLockFile's file content and flock.

namespace {

// No rewrite of the game's files takes anywhere near this long (a copy waits
// half of it for its turn): a lock this old was left by a copy that hangs or
// by another machine.
constexpr int StaleAfterMs = 60000;

// A lock file holds five short lines; anything larger is not one of ours.
constexpr off_t LargestLock = 4096;

constexpr int LongestPauseMs = 50;

QString reasonOf(FileLock::Problem problem)
{
    switch (problem) {
    case FileLock::Problem::None:
        return {};
    case FileLock::Problem::Busy:
        return QStringLiteral("another copy of the game is writing the file");
    case FileLock::Problem::CannotCreate:
        return QStringLiteral("the lock beside the file cannot be made");
    case FileLock::Problem::NotALock:
        return QStringLiteral("something that is no lock file (a link, a pipe, a folder or a large file) "
                              "stands where the lock beside the file goes");
    }
    return {};
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool lockShaped(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_size <= LargestLock;
}

// The name of a process's program as QLockFile records it: the file name of
// /proc/<pid>/exe. Empty when it cannot be read.
QByteArray programName(const QByteArray &pid)
{
    char target[4096];
    const ssize_t length = ::readlink(QByteArray("/proc/" + pid + "/exe").constData(), target, sizeof target);
    if (length <= 0 || size_t(length) >= sizeof target)
        return {};
    QByteArray name(target, length);
    const QByteArray deleted(" (deleted)"); // a program replaced while it runs
    if (name.endsWith(deleted))
        name.chop(deleted.size());
    return name.mid(name.lastIndexOf('/') + 1);
}

// What QLockFile writes in its lock file on Linux, line by line.
struct Holder
{
    qint64 pid = 0;
    QByteArray program;
    QByteArray host;
    QByteArray hostId;
    QByteArray bootId;
};

QByteArray contentOf(const Holder &holder)
{
    return QByteArray::number(holder.pid) + '\n' + holder.program + '\n' + holder.host + '\n' + holder.hostId + '\n'
        + holder.bootId + '\n';
}

Holder thisCopy()
{
    const qint64 pid = ::getpid(); // read every time: a forked copy has its own
    return {pid, programName(QByteArray::number(pid)), QSysInfo::machineHostName().toUtf8(),
            QSysInfo::machineUniqueId(), QSysInfo::bootUniqueId()};
}

// Nullopt when the bytes name no process (garbage, or a process id not yet
// written to its line end).
std::optional<Holder> holderOf(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    const auto line = [&](qsizetype i) { return i < lines.size() ? lines.at(i) : QByteArray(); };
    bool ok = false;
    Holder holder{line(0).toLongLong(&ok), line(1), line(2), line(3), line(4)};
    if (!ok || lines.size() < 2 || holder.pid <= 0 || holder.pid > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    return holder;
}

bool runs(const Holder &holder, const QByteArray &ourProgram)
{
    if (::kill(pid_t(holder.pid), 0) == -1 && errno == ESRCH)
        return false;
    if (ourProgram.isEmpty())
        return true; // no /proc to tell a reused process id by
    // The process id came back to another program: the holder has gone.
    return programName(QByteArray::number(holder.pid)) == holder.program.mid(holder.program.lastIndexOf('/') + 1);
}

// Whether the lock of a copy that holds no flock on it is left over.
bool leftOver(const QByteArray &bytes, const struct stat &st)
{
    if (const std::optional<Holder> holder = holderOf(bytes)) {
        const Holder us = thisCopy();
        bool sameHost = holder->host.isEmpty() || holder->host == us.host;
        if (!holder->hostId.isEmpty() && !us.hostId.isEmpty())
            sameHost = holder->hostId == us.hostId;
        if (sameHost) {
            if (!holder->bootId.isEmpty() && holder->bootId != us.bootId)
                return true; // written before this machine started
            if (!runs(*holder, us.program))
                return true;
        }
    }
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 ageMs = (qint64(now.tv_sec) - qint64(st.st_mtim.tv_sec)) * 1000
        + (qint64(now.tv_nsec) - qint64(st.st_mtim.tv_nsec)) / 1000000;
    return std::abs(ageMs) > StaleAfterMs;
}

enum class Found {
    Live, // held, or too young to call left over: wait for it
    Gone, // no lock stands there now: try again at once
    TakenOver, // a left-over lock was removed: try again at once
    Stuck, // a left-over lock that cannot be removed
    NotALock,
};

bool readAll(int fd, QByteArray &bytes)
{
    bytes.resize(LargestLock + 1);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, size_t(bytes.size() - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return true;
}

// Looks at the lock file another copy made, taking it over when it is left
// over. Only a small plain file is ever opened, and only without following a
// link and without waiting on it.
Found examine(const QByteArray &path)
{
    struct stat named {};
    if (::lstat(path.constData(), &named) != 0)
        return errno == ENOENT ? Found::Gone : Found::Live;
    if (!lockShaped(named))
        return Found::NotALock; // a device is never even opened
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Found::Gone : errno == ELOOP ? Found::NotALock : Found::Live;
    struct stat opened {};
    Found found = Found::Live;
    QByteArray bytes;
    if (::fstat(fd, &opened) != 0) {
        found = Found::Live;
    } else if (!lockShaped(opened)) {
        found = Found::NotALock;
    } else if (!sameFile(named, opened)) {
        found = Found::Gone; // replaced meanwhile: look again
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        found = Found::Live; // its copy runs and holds it
    } else if (!readAll(fd, bytes)) {
        found = Found::Live;
    } else if (bytes.size() > LargestLock) {
        found = Found::NotALock; // grew while looked at
    } else if (leftOver(bytes, opened)) {
        // Removed under our flock, and only while the path still names the
        // file looked at: a copy that took it over first has made a new one.
        struct stat now {};
        if (::lstat(path.constData(), &now) != 0 || !sameFile(now, opened))
            found = Found::Gone;
        else if (::unlink(path.constData()) == 0 || errno == ENOENT)
            found = Found::TakenOver;
        else
            found = Found::Stuck;
    }
    ::close(fd);
    return found;
}

void pause(QDeadlineTimer deadline, int &pauseMs)
{
    const qint64 remaining = deadline.remainingTime(); // -1 when forever
    const qint64 ms = remaining < 0 ? pauseMs : std::min<qint64>(pauseMs, remaining);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    pauseMs = std::min(pauseMs * 2, LongestPauseMs);
}

} // namespace

bool FileLock::inTheWay(const QString &filePath)
{
    struct stat named {};
    return ::lstat(QFile::encodeName(lockPath(filePath)).constData(), &named) == 0 && !lockShaped(named);
}

FileLock::FileLock(const QString &filePath, int waitMs)
    : m_path(QFile::encodeName(lockPath(filePath)))
{
    const QDeadlineTimer deadline(std::max(waitMs, -1)); // below zero waits for good, as QLockFile did
    int pauseMs = 2;
    int quickLooks = 0;
    // Made before the file is: a copy killed between making the file and
    // filling it leaves an empty lock that waits out the stale time.
    const QByteArray content = contentOf(thisCopy());
    for (;;) {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                              0666);
        if (fd >= 0) {
            m_locked = hold(fd, content, waitMs);
            return;
        }
        if (errno == EINTR)
            continue;
        if (errno != EEXIST) {
            fail(Problem::CannotCreate);
            return;
        }
        switch (examine(m_path)) {
        case Found::Gone:
        case Found::TakenOver:
            if (++quickLooks <= 4)
                continue;
            break; // replaced as fast as it is looked at: take turns as with a live lock
        case Found::Stuck:
            fail(Problem::CannotCreate);
            return;
        case Found::NotALock:
            fail(Problem::NotALock);
            return;
        case Found::Live:
            break;
        }
        if (deadline.hasExpired()) {
            fail(Problem::Busy);
            return;
        }
        pause(deadline, pauseMs);
    }
}

// Flocks and fills the lock file just made. Another copy may be looking at it
// in this moment (holding a flock while it reads the file): wait for that.
bool FileLock::hold(int fd, const QByteArray &content, int waitMs)
{
    m_fd = fd;
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
        m_device = st.st_dev;
        m_inode = st.st_ino;
    }
    const QDeadlineTimer deadline(std::max(waitMs, 1000)); // a look takes a moment, never a second
    int pauseMs = 1;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            break; // a file system without flock: the content still tells
        if (deadline.hasExpired()) {
            release();
            fail(Problem::Busy);
            return false;
        }
        pause(deadline, pauseMs);
    }
    qsizetype written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written, size_t(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            release(); // a full disk: leave no empty lock behind
            fail(Problem::CannotCreate);
            return false;
        }
        written += n;
    }
    return true;
}

void FileLock::fail(Problem problem)
{
    m_problem = problem;
    m_error = reasonOf(problem);
}

void FileLock::release()
{
    if (m_fd < 0)
        return;
    struct stat st {};
    if (::lstat(m_path.constData(), &st) == 0 && quint64(st.st_dev) == m_device && quint64(st.st_ino) == m_inode)
        ::unlink(m_path.constData());
    ::close(m_fd); // the flock goes with it
    m_fd = -1;
}

FileLock::~FileLock()
{
    release();
}

FileLock::FileLock(FileLock &&other) noexcept
    : m_path(std::move(other.m_path))
    , m_fd(std::exchange(other.m_fd, -1))
    , m_device(other.m_device)
    , m_inode(other.m_inode)
    , m_locked(std::exchange(other.m_locked, false))
    , m_problem(other.m_problem)
    , m_error(std::move(other.m_error))
{
}

FileLock &FileLock::operator=(FileLock &&other) noexcept
{
    if (this != &other) {
        release();
        m_path = std::move(other.m_path);
        m_fd = std::exchange(other.m_fd, -1);
        m_device = other.m_device;
        m_inode = other.m_inode;
        m_locked = std::exchange(other.m_locked, false);
        m_problem = other.m_problem;
        m_error = std::move(other.m_error);
    }
    return *this;
}

FileLock FileLock::held()
{
    FileLock lock;
    lock.m_locked = true;
    return lock;
}

QString FileLock::lockPath(const QString &filePath)
{
    return filePath + QStringLiteral(".lock");
}

FolderClaim::FolderClaim() = default;

FolderClaim::~FolderClaim()
{
    if (m_fd >= 0)
        ::close(m_fd); // the claim ends with the run, however it ends
}

QString FolderClaim::lockName()
{
    return QStringLiteral(".namiyose-running.lock");
}

FolderClaim::Result FolderClaim::claim(const QString &folder)
{
    if (std::exchange(m_attempted, true))
        return m_result;
    // A lock the system holds for the open file: it goes with the process,
    // so a copy that crashed never leaves the folder claimed. The file stays.
    // Only a plain file there is claimed; a FIFO must not hold up the start.
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(lockName()));
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (m_fd < 0) {
        m_result = Result::Unclaimable;
        return m_result;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode)) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_result = Result::Claimed;
            return m_result;
        }
        m_result = errno == EWOULDBLOCK ? Result::InUse : Result::Unclaimable;
    } else {
        m_result = Result::Unclaimable;
    }
    ::close(m_fd);
    m_fd = -1;
    return m_result;
}
