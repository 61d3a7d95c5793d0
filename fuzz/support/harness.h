#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: how one input holds several files and
// names, where the game's folders lie on the memory disk, and how a broken
// promise stops the run.
namespace fuzz {

// The program's folder and its data folder on the memory disk. A file lies
// beside the program and another in a folder next to it, so that a path
// leading out of the data folder finds something to list or delete.
QString appDir();
QString dataDir();
QStringList filesOutsideDataDir();

// One input holds several parts, cut at the byte 0x1E (a code no data file
// of the game holds). Missing parts are empty.
class Parts
{
public:
    Parts(const uint8_t *data, size_t size);
    QByteArray at(qsizetype i) const { return i < m_parts.size() ? m_parts.at(i) : QByteArray(); }
    qsizetype size() const { return m_parts.size(); }

private:
    QList<QByteArray> m_parts;
};

// A part "path 0x1F bytes": a file of the data folder (its path relative to
// it, UTF-8 as the disk spells names) and its content.
struct FilePart
{
    QString path;
    QByteArray bytes;
};
FilePart filePart(const QByteArray &part);

// The lines of a file as bytes, cut at LF, without CR, without the empty
// piece after the final line end.
QList<QByteArray> byteLines(const QByteArray &bytes);

// Stops the run with the promise that was broken.
[[noreturn]] void fail(const char *promise, const QString &detail = {});
inline void check(bool kept, const char *promise, const QString &detail = {})
{
    if (!kept)
        fail(promise, detail);
}

// The checks of the sound behaviour that the readers and writers are
// being brought to: files kept line for line, no path out of the data
// folder, plausible figures. On with NAMIYOSE_FUZZ_STRICT=1.
bool strict();

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fuzz {

// Where a saved day stands among a file's lines from position from on, or
// -1. A day is known by its text without the leading blanks the readers skip.
qsizetype indexOfDay(const QStringList &lines, const QString &day, qsizetype from);

} // namespace fuzz
