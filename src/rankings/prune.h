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
// are not saved days are not among them (PruneRecordFile keeps those).
QStringList PrunedRecordLines(const QStringList &recordLines);

struct Outcome
{
    bool written = false; // the record file now holds the kept lines
    QStringList lines; // the file's lines afterwards
    int keptDays = 0; // the saved days among them
    QString error; // why nothing was written
};

// Prunes チヌ記録.txt in the data folder, under its lock. The file is read
// again first, so that a day saved since the screen opened is judged like
// the others; the old file is copied to チヌ記録.txt.bak, and the copy read
// back, before the file is replaced. Lines that are not saved days stay,
// byte for byte, after the kept days. A file that cannot be read or holds
// bytes that are not CP932 is left alone.
Outcome PruneRecordFile(FileSystem &fs, const QString &dataDir);

// dataDir + "/チヌ記録.txt.bak"
QString BackupPath(const QString &dataDir);

} // namespace prune
