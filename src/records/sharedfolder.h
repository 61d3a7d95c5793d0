#pragma once

#include <QDateTime>
#include <QString>

class Dialogs;
class FileSystem;

namespace datafiles {

// What the start of a run does with the data folder: claims it for the run
// (a second copy of the game on the same folder is told so, once; it still
// runs, and its saves take turns with the other's), and, when no other copy
// runs, removes the temporary files that a save cut off by a crash left.
void OpenDataFolder(FileSystem &fs, Dialogs &dialogs, const QString &caption, const QString &dataDir);

// What the second copy is told.
QString FolderInUseMessage();

// What a player is told, after the message of a write that did not happen,
// when the lock beside the file (filePath + ".lock") was no lock of the
// game's but a link, a folder or the like; empty when nothing stands there.
QString LockInTheWayText(const QString &filePath);

// Removes, in the data folder and its angler folders, the temporary files of
// interrupted writes of the game's own files that were last changed before
// `before`. Anything else (a file of the player's, a folder, a link) stays.
// Returns the names removed, relative to the data folder.
QStringList RemoveLeftoverTemporaries(const QString &dataDir, const QDateTime &before);

} // namespace datafiles
