#include "datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace datafolder {

namespace {

// The data folder as the disk knows it, links resolved; its cleaned absolute
// path when it does not exist yet.
QString resolvedFolder(const QString &dataDir)
{
    const QFileInfo info(dataDir);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool liesWithin(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

} // namespace

bool isPlainPart(const QString &part)
{
    if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
        return false;
    for (const QChar c : part)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

std::optional<QString> pathFor(const QString &dataDir, const QStringList &parts, Use use)
{
    if (dataDir.isEmpty() || parts.isEmpty())
        return std::nullopt;
    for (const QString &part : parts)
        if (!isPlainPart(part))
            return std::nullopt;

    const QString folder = resolvedFolder(dataDir);
    QString path = QDir::cleanPath(dataDir);
    for (const QString &part : parts) {
        path += QLatin1Char('/') + part;
        const QFileInfo info(path);
        if (info.isSymLink()) {
            if (use == Use::Write)
                return std::nullopt;
            // A link that leads nowhere, or out of the data folder, is not
            // followed even for reading.
            const QString target = info.canonicalFilePath();
            if (target.isEmpty() || !liesWithin(target, folder) || target == folder)
                return std::nullopt;
        } else if (info.exists()) {
            const QString resolved = info.canonicalFilePath();
            if (resolved.isEmpty() || !liesWithin(resolved, folder) || resolved == folder)
                return std::nullopt;
        }
    }
    return path;
}

bool mayRead(const QString &dataDir, const QString &filePath)
{
    return pathFor(dataDir, {QFileInfo(filePath).fileName()}, Use::Read).has_value();
}

std::optional<QString> logPath(const QString &dataDir, const QString &fileName)
{
    const std::optional<QString> path = pathFor(dataDir, {fileName}, Use::Write);
    if (!path)
        return std::nullopt;
    for (const QString &suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QFileInfo info(*path + suffix);
        if (info.isSymLink() || (info.exists() && !info.isFile()))
            return std::nullopt;
    }
    return path;
}

} // namespace datafolder
