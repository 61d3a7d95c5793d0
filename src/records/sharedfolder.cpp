#include "sharedfolder.h"

#include "platform/dialogs.h"
#include "platform/filelock.h"
#include "platform/textfiles.h"
#include "records/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace datafiles {

namespace {

// The files of the data folder itself whose temporaries may be left.
bool isDataFolderFile(const QString &name)
{
    const QString record = RecordFileName();
    return name == QStringLiteral("釣り人.txt") || name == record || name == record + QStringLiteral(".bak");
}

// A day file: the stamp, the three count digits, the raft and ".txt".
bool isDayFileName(const QString &name)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\d{4}年\\d{2}月\\d{2}日\\d{2}時\\d{2}分\\d{3}.*\\.txt$"));
    return shape.match(name).hasMatch();
}

void removeIn(const QString &folder, const QString &prefix, bool dayFiles, const QDateTime &before,
              QStringList &removed)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.isFile())
            continue;
        const QString target = temporaryTarget(entry.fileName());
        if (target.isEmpty() || !(dayFiles ? isDayFileName(target) : isDataFolderFile(target)))
            continue;
        if (entry.lastModified() >= before)
            continue; // perhaps a write of this run, still under way
        if (QFile::remove(entry.absoluteFilePath()))
            removed << prefix + entry.fileName();
    }
}

} // namespace

QString FolderInUseMessage()
{
    return QCoreApplication::translate("Records",
                                       "同じ釣りデータ（fishingdata）を、もう一つのナミヨセが使っています。"
                                       "\n\nこのまま釣りはできます。保存は順番に書き込むので、どちらの記録も消えません。");
}

QString LockInTheWayText(const QString &filePath)
{
    if (!FileLock::inTheWay(filePath))
        return QString();
    return QCoreApplication::translate("Records",
                                       "「%1」の場所に、ゲームのロックファイルではないもの（リンクやフォルダなど）があるため、"
                                       "書き込みませんでした。これを取り除いてから、もう一度お試しください。")
        .arg(QFileInfo(FileLock::lockPath(filePath)).fileName());
}

QStringList RemoveLeftoverTemporaries(const QString &dataDir, const QDateTime &before)
{
    QStringList removed;
    removeIn(dataDir, QString(), false, before, removed);
    const QFileInfoList folders = QDir(dataDir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &folder : folders)
        if (!folder.isSymLink())
            removeIn(folder.absoluteFilePath(), folder.fileName() + QLatin1Char('/'), true, before, removed);
    return removed;
}

void OpenDataFolder(FileSystem &fs, Dialogs &dialogs, const QString &caption, const QString &dataDir)
{
    if (fs.dataFolderClaim.attempted())
        return;
    const QDateTime start = QDateTime::currentDateTime();
    switch (fs.dataFolderClaim.claim(dataDir)) {
    case FolderClaim::Result::Claimed:
        // No other copy writes here now: what a crash left may go.
        RemoveLeftoverTemporaries(dataDir, start);
        break;
    case FolderClaim::Result::InUse:
        dialogs.message(caption, FolderInUseMessage(), MessageButtons::Ok, MessageIcon::Information);
        break;
    case FolderClaim::Result::Unclaimable:
        break;
    }
}

} // namespace datafiles
