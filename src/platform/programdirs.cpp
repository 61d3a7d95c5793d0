#include "programdirs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

bool ProgramDirs::canWrite(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".namiyose-write-probe-XXXXXX")));
    return probe.open();
}

ProgramDirs ProgramDirs::forExecutable(const QString &exeDir)
{
    ProgramDirs dirs;
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString installedData = QDir::cleanPath(exeDir + QStringLiteral("/../share/namiyose"));
    // An installed game (its waves under share/) keeps the player's data in
    // the player's own folder even when it could write beside the program.
    const bool installed = QFileInfo(installedData).isDir() && !QFileInfo::exists(exeDir + QStringLiteral("/スタート.wav"));
    dirs.dataRoot = (!installed && canWrite(exeDir)) ? exeDir : userData;
    dirs.soundInstallDir = userData;
    dirs.waveSources << exeDir << installedData;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (!dirs.waveSources.contains(dir))
            dirs.waveSources << dir;
    return dirs;
}

QString playerFolder(QStandardPaths::StandardLocation preferred)
{
    for (const QStandardPaths::StandardLocation where :
         {preferred, QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString path = QStandardPaths::writableLocation(where);
        if (!path.isEmpty() && QFileInfo(path).isDir())
            return path;
    }
    return QDir::homePath();
}
