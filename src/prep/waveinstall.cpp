#include "waveinstall.h"

#include "platform/programdirs.h"
#include "platform/textfiles.h"

#include <QDir>

namespace waveinstall {

QStringList waveNames()
{
    return { QStringLiteral("スタート"), QStringLiteral("ばらし"), QStringLiteral("あたり"), QStringLiteral("チヌ30") };
}

QString installedWavePath(const ProgramDirs &dirs, const QString &name)
{
    return QDir(dirs.soundInstallDir).filePath(QStringLiteral("NamiyoseV1") + name + QStringLiteral(".wav"));
}

Outcome installWaves(FileSystem &fs, const ProgramDirs &dirs)
{
    Outcome outcome;
    if (!fs.isDirectory(dirs.soundInstallDir))
        fs.makeDirectory(dirs.soundInstallDir);
    for (const QString &name : waveNames()) {
        const QString target = installedWavePath(dirs, name);
        if (fs.exists(target)) {
            outcome.present << name;
            continue;
        }
        QString source;
        for (const QString &folder : dirs.waveSources) {
            const QString candidate = QDir(folder).filePath(name + QStringLiteral(".wav"));
            if (fs.exists(candidate) && !fs.isDirectory(candidate)) {
                source = candidate;
                break;
            }
        }
        if (source.isEmpty())
            outcome.missing << name;
        else if (fs.copyFile(source, target))
            outcome.copied << name;
        else
            outcome.failed << name;
    }
    return outcome;
}

} // namespace waveinstall
