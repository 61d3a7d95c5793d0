#pragma once

#include <QString>
#include <QStringList>

class FileSystem;

// The angler list 釣り人.txt in the data folder: a count line written as a
// space, the digits and a space, then one name per line, in CP932 with CR LF
// after every line. It has no size limit.

// dataDir + "/釣り人.txt".
QString anglerListPath(const QString &dataDir);

// The names of the list in file order; none when the file is missing.
// Tolerant of what older lists may hold: blanks around the count and the
// names, LF line ends, a last line without its line end, a count larger
// than the names that follow (the names present are read) or a count that
// is not a number or negative (every following line is read). Empty lines,
// lines that are not valid CP932 and lines that the settings screen would
// refuse as a typed name ("..", "../外1", "チヌ記録.txt", …) are skipped, so
// no broken or unsafe name is ever offered; they stay in the file.
QStringList readAnglerNames(const FileSystem &fs, const QString &dataDir);

// The lines of the file for these names, count line first.
QStringList anglerListLines(const QStringList &names);

// Puts the names the list does not hold yet at its end, atomically (the old
// list stays whole when the write fails). The file is re-read under its lock
// (釣り人.txt.lock) just before, so a name another copy of the game added
// stays; every line already there is written back byte for byte, in place,
// and a count line (line 1 when it is a number) tells the lines after it.
// A line 1 that is not a number is kept as it is. Creates the data folder
// when it is missing; writes nothing when every name is listed where the
// readers offer it (a name beyond a count that falls short gets the count
// mended).
bool writeAnglerNames(FileSystem &fs, const QString &dataDir, const QStringList &names, QString *error = nullptr);

enum class AnglerAdded {
    AlreadyListed, // the name is in the file: nothing is written
    Added, // appended to names and to the file (or, listed beyond the count, counted)
    NotWritten, // appended to names, but the file could not be written
};

// Registers an angler: when the name is not in the file yet, it is added
// at the end of the file (as writeAnglerNames) and of names (the list as the
// settings screen offers it).
AnglerAdded addAnglerName(FileSystem &fs, const QString &dataDir, QStringList &names, const QString &name,
                          QString *error = nullptr);
