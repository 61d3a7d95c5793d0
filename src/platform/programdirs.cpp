#include "programdirs.h"

#include <QDir>
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
    dirs.dataRoot = canWrite(exeDir) ? exeDir : userData;
    dirs.soundInstallDir = userData;
    dirs.waveSources << exeDir << QDir::cleanPath(exeDir + QStringLiteral("/../share/namiyose"));
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (!dirs.waveSources.contains(dir))
            dirs.waveSources << dir;
    return dirs;
}
