#include "simplatform.h"

#include <QDir>

#include <algorithm>

int SimDialogs::show(const MessageRecord &message)
{
    return message.buttons == MessageButtons::YesNo ? AnswerYes : AnswerOk;
}

bool SilentSound::open(const QString &path)
{
    if (m_open || path.isEmpty())
        return false;
    m_open = true;
    return true;
}

namespace {

QString clean(const QString &path)
{
    return QDir::cleanPath(path);
}

} // namespace

std::optional<QByteArray> MemoryFiles::readAll(const QString &path) const
{
    const auto it = m_files.constFind(clean(path));
    if (it == m_files.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryFiles::writeAll(const QString &path, const QByteArray &bytes, QString *)
{
    m_files.insert(clean(path), bytes);
    return true;
}

bool MemoryFiles::createNew(const QString &path, const QByteArray &bytes, bool *taken, QString *)
{
    const bool there = exists(path);
    if (taken)
        *taken = there;
    return !there && writeAll(path, bytes);
}

bool MemoryFiles::linkFile(const QString &from, const QString &to, bool *unsupported)
{
    if (unsupported)
        *unsupported = false;
    const auto bytes = readAll(from);
    return bytes && !exists(to) && writeAll(to, *bytes);
}

bool MemoryFiles::renameFile(const QString &from, const QString &to)
{
    const auto bytes = readAll(from);
    if (!bytes || !writeAll(to, *bytes))
        return false;
    if (clean(from) != clean(to))
        m_files.remove(clean(from));
    return true;
}

bool MemoryFiles::exists(const QString &path) const
{
    const QString p = clean(path);
    return m_files.contains(p) || m_dirs.contains(p);
}

bool MemoryFiles::isDirectory(const QString &path) const
{
    return m_dirs.contains(clean(path));
}

bool MemoryFiles::makeDirectory(const QString &path)
{
    m_dirs.insert(clean(path));
    return true;
}

bool MemoryFiles::copyFile(const QString &from, const QString &to)
{
    const auto bytes = readAll(from);
    if (!bytes || exists(to))
        return false;
    return writeAll(to, *bytes);
}

bool MemoryFiles::removeFile(const QString &path)
{
    return m_files.remove(clean(path)) > 0;
}

QStringList MemoryFiles::listFiles(const QString &directory) const
{
    const QString prefix = clean(directory) + QLatin1Char('/');
    QStringList names;
    for (auto it = m_files.constBegin(); it != m_files.constEnd(); ++it)
        if (it.key().startsWith(prefix) && !it.key().mid(prefix.size()).contains(QLatin1Char('/')))
            names << it.key().mid(prefix.size());
    std::sort(names.begin(), names.end());
    return names;
}

ProgramDirs SimPlatform::dirs()
{
    ProgramDirs d;
    d.dataRoot = QStringLiteral("/sim");
    d.soundInstallDir = QStringLiteral("/sim/sounds");
    return d;
}
