// The per-angler browser of the past-records screen: an angler picked from
// the combo, the listing of the angler's day files, one day read and its
// figures shown, one day deleted. The data folder may hold anything, and
// the list names that lead out of it ("..", "../外1") are among the inputs.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "prep/anglerlist.h"
#include "records/browser.h"
#include "records/datafiles.h"

#include <QFileInfo>

using namespace fuzz;

namespace {

// The game's calls, as the pane makes them.
QStringList offeredAnglers(const FileSystem &fs)
{
    return readAnglerNames(fs, dataDir());
}

QStringList listDays(const FileSystem &fs, const QString &angler)
{
    return datafiles::ListDayFiles(fs, dataDir(), angler);
}

browser::DayFigures showDay(const FileSystem &fs, const QString &angler, const QString &fileName)
{
    const datafiles::DayFile day = datafiles::ReadDayFile(fs, dataDir(), angler, fileName);
    return browser::FiguresOf(day.found ? day.lines : QStringList());
}

datafiles::DayFileDeletion deleteDay(FileSystem &fs, const QString &angler, const QString &fileName)
{
    return datafiles::DeleteDayFile(fs, dataDir(), angler, fileName);
}

} // namespace

// Parts: 釣り人.txt; the choices (a byte each: the angler, the day shown,
// the day deleted); then any number of files "path 0x1F bytes", paths
// relative to the data folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Parts parts(data, size);
    MemoryFileSystem fs(dataDir());
    for (const QString &path : filesOutsideDataDir())
        fs.put(path, QByteArrayLiteral("not the game's\r\n"));
    fs.put(anglerListPath(dataDir()), parts.at(0));
    const QByteArray choices = parts.at(1);
    for (qsizetype i = 2; i < parts.size() && i < 40; ++i) {
        const FilePart file = filePart(parts.at(i));
        const QString path = dataDir() + QLatin1Char('/') + file.path;
        if (file.path.endsWith(QLatin1Char('/')))
            fs.putDirectory(path);
        else
            fs.put(path, file.bytes);
    }
    const QMap<QString, QByteArray> before = fs.files();
    auto choice = [&](qsizetype i, qsizetype n) { return n > 0 ? qsizetype(quint8(i < choices.size() ? choices.at(i) : 0)) % n : 0; };

    const QStringList anglers = offeredAnglers(fs);
    if (!anglers.isEmpty()) {
        const QString angler = anglers.at(choice(0, anglers.size()));
        const QStringList days = listDays(fs, angler);
        for (const QString &day : days) {
            check(day.endsWith(QStringLiteral(".txt")), "only day files are listed", day);
            browser::DayItem(day);
        }
        if (!days.isEmpty()) {
            showDay(fs, angler, days.at(choice(1, days.size())));
            const QString gone = days.at(choice(2, days.size()));
            const datafiles::DayFileDeletion deletion = deleteDay(fs, angler, gone);
            const QStringList after = listDays(fs, angler);
            check(after.size() >= days.size() - 1, "a deletion takes one day at most");
            for (const QString &day : after)
                check(days.contains(day), "a deletion adds no day", day);
            // What the deletion says is what the folder shows: the log of a
            // day is forgotten on its word.
            check(deletion.gone() != after.contains(gone), "a deletion tells whether the day is gone", gone);
            for (const QString &removed : fs.removed())
                check(QFileInfo(removed).fileName() == gone, "a deletion removes the chosen day file only", removed);
        }
    }

    if (strict()) {
        check(fs.outside().isEmpty(), "the browser touches nothing outside the data folder",
              fs.outside().join(u' '));
        for (auto it = before.constBegin(); it != before.constEnd(); ++it)
            if (!fs.inside(it.key()))
                check(fs.bytesAt(it.key()) == it.value(), "a file outside the data folder is never deleted",
                      it.key());
    }
    return 0;
}
