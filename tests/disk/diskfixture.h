#pragma once

#include "records/datafiles.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

// Small helpers for tests that look at whole data folders.
namespace diskfixture {

inline QByteArray cp(const QString &text)
{
    return cp932::encode(text);
}

inline void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Every file and folder under root, relative path to its bytes ("<dir>" for
// a folder, "<link target>" for a link, "<special>" for a FIFO or a device):
// two equal snapshots mean nothing was added, lost or changed.
inline QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        const QFileInfo info = it.fileInfo();
        // A link or a FIFO is told by what it is: reading a FIFO would wait for good.
        if (info.isSymLink())
            all.insert(relative, "<link " + QFile::encodeName(info.symLinkTarget()) + '>');
        else if (info.isDir())
            all.insert(relative, QByteArray("<dir>"));
        else if (!info.isFile())
            all.insert(relative, QByteArray("<special>"));
        else
            all.insert(relative, bytesOf(path));
    }
    return all;
}

// A saved day as the catch screen writes it, the n-th one.
inline QString dayLine(int n, const QString &angler, int longest = 40)
{
    const QString stamp = QStringLiteral("2002年10月%1日%2時%3分")
                              .arg(1 + n % 28, 2, 10, QLatin1Char('0'))
                              .arg(n / 28 % 24, 2, 10, QLatin1Char('0'))
                              .arg(n / 672 % 60, 2, 10, QLatin1Char('0'));
    return datafiles::FormatRecordLine(stamp, longest, 1 + n % 5, 1 + n % 7, 30 + n % 500, angler);
}

} // namespace diskfixture
