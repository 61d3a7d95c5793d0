#pragma once

#include <QString>
#include <QStringList>

class FileSystem;

// The pruning of the record file: once it grows long, only the saved days
// that some list of the past-records screen can show are kept.
namespace prune {

// The record file is offered for pruning above this many lines.
inline constexpr int OfferAbove = 200;

// The lines to keep, in file order:
//  - at each raft, each angler's days that hold the angler's best longest,
//    count or total there, ties included;
//  - the best ten of each measure (longest, count, total), with every day
//    tied with the tenth, however many.
// Every list of the past-records screen then shows what it showed before,
// in the same order. Each line of the file is kept at most once; lines that
// are not saved days are dropped, as they count in no list.
QStringList PrunedRecordLines(const QStringList &recordLines);

struct Outcome
{
    bool written = false; // the record file now holds the kept lines
    QStringList lines; // the kept lines (the file's lines when nothing was written)
    QString error; // why nothing was written
};

// Prunes チヌ記録.txt in the data folder. The file is read again first, so
// that a day saved since the screen opened is judged like the others; the
// old file is kept beside it as チヌ記録.txt.bak before it is replaced.
Outcome PruneRecordFile(FileSystem &fs, const QString &dataDir);

// dataDir + "/チヌ記録.txt.bak"
QString BackupPath(const QString &dataDir);

} // namespace prune
