#include "filelock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

namespace {

// No rewrite of the game's files takes anywhere near this long (a copy waits
// half of it for its turn): a lock this old was left by a copy that hangs or
// by another machine.
constexpr int StaleAfterMs = 60000;

QString reasonOf(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::NoError:
        return {};
    case QLockFile::LockFailedError:
        return QStringLiteral("another copy of the game is writing the file");
    case QLockFile::PermissionError:
        return QStringLiteral("the lock beside the file cannot be made");
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("the lock beside the file failed");
}

} // namespace

FileLock::FileLock(const QString &filePath, int waitMs)
    : m_lock(std::make_unique<QLockFile>(lockPath(filePath)))
{
    m_lock->setStaleLockTime(StaleAfterMs);
    m_locked = m_lock->tryLock(waitMs);
    if (!m_locked)
        m_error = reasonOf(m_lock->error());
}

FileLock::~FileLock() = default;

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
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(lockName()));
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd < 0) {
        m_result = Result::Unclaimable;
        return m_result;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_result = Result::Claimed;
        return m_result;
    }
    m_result = errno == EWOULDBLOCK ? Result::InUse : Result::Unclaimable;
    ::close(m_fd);
    m_fd = -1;
    return m_result;
}
