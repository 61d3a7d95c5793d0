#pragma once

#include <QString>
#include <QStringList>

class FileSystem;
struct ProgramDirs;

// The four waves of the game are copied once from where they ship to the
// folder they are played from, each as "NamiyoseV1" + name + ".wav".
namespace waveinstall {

// スタート, ばらし, あたり, チヌ30: the order in which they are installed.
QStringList waveNames();

// Where a wave is played from: soundInstallDir + "/NamiyoseV1" + name + ".wav".
QString installedWavePath(const ProgramDirs &dirs, const QString &name);

struct Outcome
{
    QStringList copied; // names copied now
    QStringList present; // names already installed, left alone
    QStringList missing; // names with no source in any wave folder
    QStringList failed; // names whose copy did not succeed
};

// Copies every wave that is not installed yet from the first wave folder
// that holds it, creating the install folder when needed. A missing source
// or a failed copy only leaves that wave silent: the game starts anyway.
Outcome installWaves(FileSystem &fs, const ProgramDirs &dirs);

} // namespace waveinstall
