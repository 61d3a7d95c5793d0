#pragma once

#include "platform/textfiles.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace fuzz {

// A whole disk in memory, so that a flow runs thousands of times a second.
// Paths are cleaned as the real disk would resolve them ("a/../b" is "b"),
// and every path the game asks about that lies outside the fenced folder is
// logged: the data folder's content must never lead the game out of it.
class MemoryFileSystem : public FileSystem
{
public:
    // The fence: the data folder. Its parents exist from the start.
    explicit MemoryFileSystem(const QString &fence);

    std::optional<QByteArray> readAll(const QString &path) const override;
    bool writeAll(const QString &path, const QByteArray &bytes, QString *error = nullptr) override;
    bool createNew(const QString &path, const QByteArray &bytes, bool *taken = nullptr,
                   QString *error = nullptr) override;
    bool exists(const QString &path) const override;
    bool isDirectory(const QString &path) const override;
    bool makeDirectory(const QString &path) override;
    bool copyFile(const QString &from, const QString &to) override;
    bool removeFile(const QString &path) override;
    bool linkFile(const QString &from, const QString &to, bool *unsupported = nullptr) override;
    bool renameFile(const QString &from, const QString &to) override;
    QStringList listFiles(const QString &directory) const override;
    // No other copy runs on a disk in memory; the lock's path is logged as
    // any other path.
    FileLock lock(const QString &filePath, int waitMs = 30000) override;

    // Sets up a file (and its folders) without logging.
    void put(const QString &path, const QByteArray &bytes);
    void putDirectory(const QString &path);
    // A file's bytes, without logging.
    std::optional<QByteArray> bytesAt(const QString &path) const;
    const QMap<QString, QByteArray> &files() const { return m_files; }

    // The cleaned paths outside the fence that the game asked about.
    const QStringList &outside() const { return m_outside; }
    // The cleaned paths of the files the game removed (or renamed away), in order.
    const QStringList &removed() const { return m_removed; }
    bool inside(const QString &cleanedPath) const;

private:
    QString use(const QString &path) const;
    void addParents(const QString &cleanedPath);

    QString m_fence;
    QMap<QString, QByteArray> m_files;
    QSet<QString> m_directories;
    mutable QStringList m_outside;
    QStringList m_removed;
};

} // namespace fuzz
