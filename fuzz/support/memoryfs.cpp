#include "memoryfs.h"

#include <QDir>

#include <algorithm>

namespace fuzz {

MemoryFileSystem::MemoryFileSystem(const QString &fence) : m_fence(QDir::cleanPath(fence))
{
    addParents(m_fence + QStringLiteral("/x"));
}

bool MemoryFileSystem::inside(const QString &cleanedPath) const
{
    return cleanedPath == m_fence || cleanedPath.startsWith(m_fence + QLatin1Char('/'));
}

QString MemoryFileSystem::use(const QString &path) const
{
    const QString cleaned = QDir::cleanPath(path);
    if (!inside(cleaned) && m_outside.size() < 64)
        m_outside.append(cleaned);
    return cleaned;
}

void MemoryFileSystem::addParents(const QString &cleanedPath)
{
    QString dir = cleanedPath;
    for (;;) {
        const qsizetype slash = dir.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0) {
            m_directories.insert(QStringLiteral("/"));
            return;
        }
        dir.truncate(slash);
        if (m_directories.contains(dir))
            return;
        m_directories.insert(dir);
    }
}

void MemoryFileSystem::put(const QString &path, const QByteArray &bytes)
{
    const QString cleaned = QDir::cleanPath(path);
    if (m_directories.contains(cleaned))
        return;
    // A file cannot stand where a folder of the path is.
    QString dir = cleaned;
    for (qsizetype slash; (slash = dir.lastIndexOf(QLatin1Char('/'))) > 0;) {
        dir.truncate(slash);
        if (m_files.contains(dir))
            return;
    }
    addParents(cleaned);
    m_files.insert(cleaned, bytes);
}

void MemoryFileSystem::putDirectory(const QString &path)
{
    const QString cleaned = QDir::cleanPath(path);
    if (m_files.contains(cleaned))
        return;
    addParents(cleaned);
    m_directories.insert(cleaned);
}

std::optional<QByteArray> MemoryFileSystem::bytesAt(const QString &path) const
{
    const auto it = m_files.constFind(QDir::cleanPath(path));
    if (it == m_files.constEnd())
        return std::nullopt;
    return it.value();
}

std::optional<QByteArray> MemoryFileSystem::readAll(const QString &path) const
{
    const auto it = m_files.constFind(use(path));
    if (it == m_files.constEnd())
        return std::nullopt;
    return it.value();
}

bool MemoryFileSystem::writeAll(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString cleaned = use(path);
    const qsizetype slash = cleaned.lastIndexOf(QLatin1Char('/'));
    const QString parent = slash > 0 ? cleaned.left(slash) : QStringLiteral("/");
    if (m_directories.contains(cleaned) || !m_directories.contains(parent)) {
        if (error)
            *error = QStringLiteral("No such file or directory");
        return false;
    }
    m_files.insert(cleaned, bytes);
    return true;
}

bool MemoryFileSystem::createNew(const QString &path, const QByteArray &bytes, bool *taken, QString *error)
{
    const bool there = exists(path);
    if (taken)
        *taken = there;
    if (there) {
        if (error)
            *error = QStringLiteral("File exists");
        return false;
    }
    return writeAll(path, bytes, error);
}

bool MemoryFileSystem::exists(const QString &path) const
{
    const QString cleaned = use(path);
    return m_files.contains(cleaned) || m_directories.contains(cleaned);
}

bool MemoryFileSystem::isDirectory(const QString &path) const
{
    return m_directories.contains(use(path));
}

bool MemoryFileSystem::makeDirectory(const QString &path)
{
    const QString cleaned = use(path);
    QString dir = cleaned;
    for (;;) {
        if (m_files.contains(dir))
            return false;
        const qsizetype slash = dir.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            break;
        dir.truncate(slash);
    }
    addParents(cleaned);
    m_directories.insert(cleaned);
    return true;
}

bool MemoryFileSystem::copyFile(const QString &from, const QString &to)
{
    const std::optional<QByteArray> bytes = readAll(from);
    return bytes && writeAll(to, *bytes);
}

bool MemoryFileSystem::removeFile(const QString &path)
{
    const QString cleaned = use(path);
    if (m_files.remove(cleaned) == 0)
        return false;
    m_removed.append(cleaned);
    return true;
}

bool MemoryFileSystem::linkFile(const QString &from, const QString &to, bool *unsupported)
{
    if (unsupported)
        *unsupported = false;
    const std::optional<QByteArray> bytes = readAll(from);
    // A second name never takes the place of a file already there.
    return bytes && !exists(to) && writeAll(to, *bytes);
}

bool MemoryFileSystem::renameFile(const QString &from, const QString &to)
{
    const std::optional<QByteArray> bytes = readAll(from);
    if (!bytes || !writeAll(to, *bytes))
        return false;
    if (use(from) != use(to)) {
        m_files.remove(use(from));
        m_removed.append(use(from));
    }
    return true;
}

QStringList MemoryFileSystem::listFiles(const QString &directory) const
{
    const QString dir = use(directory);
    QStringList names;
    if (!m_directories.contains(dir))
        return names;
    const QString prefix = dir == QStringLiteral("/") ? dir : dir + QLatin1Char('/');
    for (auto it = m_files.lowerBound(prefix); it != m_files.constEnd() && it.key().startsWith(prefix); ++it) {
        const QString rest = it.key().mid(prefix.size());
        if (!rest.contains(QLatin1Char('/')))
            names.append(rest);
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileLock MemoryFileSystem::lock(const QString &filePath, int waitMs)
{
    Q_UNUSED(waitMs);
    use(FileLock::lockPath(filePath));
    return FileLock::held();
}

} // namespace fuzz
