#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Where the game finds its waves and keeps its data.
struct ProgramDirs
{
    // The folder that holds the data folder "fishingdata": the program's own
    // folder when it can be written and the game is not an installed copy,
    // the user's data location otherwise.
    QString dataRoot;
    // Folders searched in order for the source waves: beside the program
    // first, then the installed data folder.
    QStringList waveSources;
    // The folder where the waves are copied at start-up and played from.
    QString soundInstallDir;

    // The directories of a real run, from the executable's folder.
    static ProgramDirs forExecutable(const QString &exeDir);
    // True when a file can really be created in the folder (a permission
    // bit says little when running as root or on a read-only mount).
    static bool canWrite(const QString &dir);
};

// Where a save dialog opens for the player's own copy of a picture or a
// document: that folder of the player's (Pictures, Documents) when it
// exists, else Documents, else the home folder, never the program's folder.
QString playerFolder(QStandardPaths::StandardLocation preferred);
