#pragma once

#include "filelock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Shift_JIS as Windows writes it (code page 932), the encoding of every
// data file of the game.
namespace cp932 {

// 〜 (U+301C) and − (U+2212) have no code in CP932 but look like ～ and －,
// which do: fold them before encoding.
QString normalise(const QString &text);
// False when some character of the (normalised) text has no CP932 code.
bool canEncode(const QString &text);
// Encodes the normalised text; ok is false when a character had no code.
QByteArray encode(const QString &text, bool *ok = nullptr);
// Decodes; ok is false when the bytes were not valid CP932 (the bad bytes
// become a substitute character, so a reader never stops on them).
QString decode(const QByteArray &bytes, bool *ok = nullptr);

} // namespace cp932

// The file system as the game uses it: whole files, read and written at
// once. Every write replaces the file atomically, so a crash or a power
// loss leaves the old file or the new one, never a torn one. Virtual so that
// a test can make a write fail.
//
// writeAll writes a temporary file beside the target (".namiyose-tmp-",
// twelve letters or digits, "-" and the target's name), checks every write, the file's size
// and its flush to the disk, renames it over the target and flushes the
// folder. Any failing step removes the temporary, leaves the old file as it
// was and returns false with the reason: a full disk never empties a file.
class FileSystem
{
public:
    virtual ~FileSystem();

    virtual std::optional<QByteArray> readAll(const QString &path) const;
    virtual bool writeAll(const QString &path, const QByteArray &bytes, QString *error = nullptr);
    // Writes a new file, proven as writeAll proves it, under a name that must
    // be free: a file (or a link, or anything) already there is never
    // replaced, and two writers claiming one name never both have it. False,
    // with taken set, when the name was not free.
    virtual bool createNew(const QString &path, const QByteArray &bytes, bool *taken = nullptr,
                           QString *error = nullptr);
    virtual bool exists(const QString &path) const;
    virtual bool isDirectory(const QString &path) const;
    virtual bool makeDirectory(const QString &path);
    virtual bool copyFile(const QString &from, const QString &to);
    virtual bool removeFile(const QString &path);
    // A second name for a file (no copy is made). On failure, unsupported
    // tells whether the file system has no such thing at all.
    virtual bool linkFile(const QString &from, const QString &to, bool *unsupported = nullptr);
    // Moves a file over another at once.
    virtual bool renameFile(const QString &from, const QString &to);
    // Names (not paths) of the plain files in a directory, in name order.
    virtual QStringList listFiles(const QString &directory) const;

    // This run's claim on its data folder, held until the run ends.
    FolderClaim dataFolderClaim;

    // The lock beside a shared file, held while it is re-read and rewritten.
    virtual FileLock lock(const QString &filePath, int waitMs = 30000);
};

// When name is the temporary file of an atomic write (one that a crash left
// behind), the name of the file it was to replace; otherwise empty. The
// caller decides whether that file is one of the game's.
QString temporaryTarget(const QString &name);
// A fresh temporary name beside target, of the shape temporaryTarget knows.
QString freshTemporaryPath(const QString &target);

struct TextReadResult
{
    bool found = false;        // the file existed and could be read
    bool validEncoding = true; // every byte was valid CP932
    QStringList lines;         // without line ends; no empty last line for a final CR LF
};

// Reads a CP932 text file whose lines end in CR LF or LF.
TextReadResult readTextLines(const FileSystem &fs, const QString &path);
// The bytes of a CP932 text file: every line followed by CR LF.
QByteArray textFileBytes(const QStringList &lines, bool *ok = nullptr);
// Writes the lines atomically as CP932 with CR LF after every line. Fails,
// writing nothing, when a line holds a character CP932 cannot encode.
bool writeTextLines(FileSystem &fs, const QString &path, const QStringList &lines, QString *error = nullptr);
