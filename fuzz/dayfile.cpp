// A day file as the browser reads it: its name cut into date, raft and
// count, its lines read up to the count, and the day's figures.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "records/browser.h"
#include "records/datafiles.h"

using namespace fuzz;

namespace {

const QString angler = QStringLiteral("釣人Ａ");

// The game's calls.
datafiles::DayFile readDay(const FileSystem &fs, const QString &fileName)
{
    return datafiles::ReadDayFile(fs, dataDir(), angler, fileName);
}

} // namespace

// Parts: the file's name (UTF-8), its bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Parts parts(data, size);
    const QString fileName = QString::fromUtf8(parts.at(0));
    const QByteArray bytes = parts.at(1);
    MemoryFileSystem fs(dataDir());
    fs.put(datafiles::AnglerDirectory(dataDir(), angler) + QLatin1Char('/') + fileName, bytes);

    browser::DayItem(fileName);
    const std::optional<DayFileNameParts> name = ParseDayFileName(fileName);

    const datafiles::DayFile day = readDay(fs, fileName);
    if (day.found && name)
        check(day.lines.size() <= name->count + 1, "a day reads no more entries than its name counts");
    const browser::DayFigures figures = browser::FiguresOf(day.lines);
    if (strict())
        check(!figures.longest.contains(QLatin1Char('-')) && !figures.total.contains(QLatin1Char('-')),
              "a day's figures are never negative", figures.longest + QLatin1Char(' ') + figures.total);
    return 0;
}
