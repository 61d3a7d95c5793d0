#pragma once

#include <QString>

#include <memory>

class QLockFile;

// A lock beside a shared file (the file's name + ".lock") held while the
// file is re-read and rewritten, so that two copies of the game on one data
// folder take turns instead of overwriting each other's change.
class FileLock
{
public:
    // Waits up to waitMs for the lock. A lock whose copy of the game has
    // died, or that is older than a rewrite could ever take, is taken over.
    explicit FileLock(const QString &filePath, int waitMs = 30000);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool locked() const { return m_locked; }
    // Why the lock was not taken (empty when it was).
    QString error() const { return m_error; }

    static QString lockPath(const QString &filePath);

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_locked = false;
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
        Unclaimable, // the folder takes no lock (missing, read-only)
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
