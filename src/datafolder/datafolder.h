#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Every path built from something a player typed or a file holds (an
// angler's name, a day file's name) is built here and nowhere else, so that
// a line such as ".." in the angler list can never reach a file outside the
// data folder.
namespace datafolder {

// What the path is for. Reading may follow a link that stays inside the
// data folder; writing, creating and deleting follow no link at all, so a
// link planted in the data folder can never redirect a save or a deletion.
enum class Use { Read, Write };

// A single folder or file name: not empty, not "." or "..", no "/" or "\",
// no control codes.
bool isPlainPart(const QString &part);

// dataDir + "/" + the parts, or nothing when a part is not plain or when the
// path, once every link on it is resolved, does not lie inside the data
// folder. For Use::Write no part of the path below the data folder may be a
// link (the data folder itself may be one). Parts that do not exist yet are
// fine: their nearest existing folder is what is checked.
std::optional<QString> pathFor(const QString &dataDir, const QStringList &parts, Use use = Use::Read);

// Whether one of the data folder's own files (the angler list, the record
// file, its copy), given by its path, may be read: not when it is a link
// that leads out of the data folder. Such a file is treated as unreadable,
// so nothing is written in its place either.
bool mayRead(const QString &dataDir, const QString &filePath);

// The path of a database file the game keeps in the data folder (the day's
// log), for reading and writing alike: as pathFor(Use::Write) gives it, and
// nothing when the file or one of the companions its database engine keeps
// beside it ("-journal", "-wal", "-shm") stands there as anything but a
// plain file: a link (even one leading nowhere), a folder, a FIFO, a
// device. The engine follows a link of the file and puts its companions
// beside the link's target, so a link there would lead its writes out of
// the data folder.
std::optional<QString> logPath(const QString &dataDir, const QString &fileName);

} // namespace datafolder
