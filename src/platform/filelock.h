#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// A lock beside a shared file (the file's name + ".lock") held while the
// file is re-read and rewritten, so that two copies of the game on one data
// folder take turns instead of overwriting each other's change.
//
// The lock file is written as QLockFile writes it on Linux and held with the
// same flock, so a copy of the game built on QLockFile and this one take
// turns too. Whatever else stands at the lock's path (a link, a FIFO, a
// folder, a device, a large file) is refused at once: it is neither read,
// nor waited on, nor removed.
class FileLock
{
public:
    // Waits up to waitMs for the lock. A lock whose copy of the game has
    // died, or that is older than a rewrite could ever take, is taken over.
    explicit FileLock(const QString &filePath, int waitMs = 30000);
    ~FileLock();
    FileLock(FileLock &&other) noexcept;
    FileLock &operator=(FileLock &&other) noexcept;
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    enum class Problem {
        None,
        Busy, // another copy holds it past the wait
        CannotCreate, // the folder takes no file (read-only, full disk, missing)
        NotALock, // a link, FIFO, folder, device or an oversized file stands at the lock's path
    };

    bool locked() const { return m_locked; }
    Problem problem() const { return m_problem; }
    // Why the lock was not taken (empty when it was).
    QString error() const { return m_error; }

    static QString lockPath(const QString &filePath);
    // A lock that holds nothing on disk, for a file system that has no disk.
    static FileLock held();
    // Whether something that is no lock of the game's (a link, a FIFO, a
    // folder, a device, a large file) stands at the lock's path of this
    // file now: what a screen names when a write was refused for it.
    static bool inTheWay(const QString &filePath);

private:
    FileLock() = default;
    bool hold(int fd, const QByteArray &content, int waitMs);
    void fail(Problem problem);
    void release();

    QByteArray m_path; // the lock file's path as the system names it
    int m_fd = -1;
    quint64 m_device = 0; // the lock file this copy made: unlocking removes
    quint64 m_inode = 0; // the path only while it still names that file
    bool m_locked = false;
    Problem m_problem = Problem::None;
    QString m_error;
};

// The claim of one run of the game on its data folder, held until the run
// ends (a lock on the file .namiyose-running.lock in the folder). A second
// copy started on the same folder finds it taken.
class FolderClaim
{
public:
    FolderClaim();
    ~FolderClaim();
    FolderClaim(const FolderClaim &) = delete;
    FolderClaim &operator=(const FolderClaim &) = delete;

    enum class Result {
        Claimed, // this run is the only one on the folder
        InUse, // another copy of the game runs on it now
        Unclaimable, // the folder takes no lock (missing, read-only, no plain file at its name)
    };
    // Claims the folder. Only the first call tries; later calls give its
    // result, so that the run is told at most once.
    Result claim(const QString &folder);
    bool attempted() const { return m_attempted; }

    static QString lockName();

private:
    int m_fd = -1;
    Result m_result = Result::Unclaimable;
    bool m_attempted = false;
};
