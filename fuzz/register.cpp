// Registering an angler: names typed on the settings screen, checked as the
// screen checks them, added to 釣り人.txt. The list may hold anything.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "prep/anglerlist.h"
#include "prep/settingsrules.h"

using namespace fuzz;

namespace {

// The game's calls, as the settings screen makes them: the name box is
// filled from the list at start, and a name it accepts is registered when
// the angler crosses to the raft.
QStringList nameBox(const FileSystem &fs)
{
    return readAnglerNames(fs, dataDir());
}

AnglerAdded registerAngler(FileSystem &fs, QStringList &listed, const QString &name)
{
    return addAnglerName(fs, dataDir(), listed, name);
}

// The lines of the list that are not its count line nor blank.
QList<QByteArray> nameLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = byteLines(bytes);
    if (!lines.isEmpty()) {
        bool number = false;
        lines.first().trimmed().toInt(&number);
        if (number)
            lines.removeFirst();
    }
    lines.removeIf([](const QByteArray &line) { return line.trimmed().isEmpty(); });
    return lines;
}

} // namespace

// Parts: 釣り人.txt, then the typed names (UTF-8).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Parts parts(data, size);
    MemoryFileSystem fs(dataDir());
    const QString listPath = anglerListPath(dataDir());
    if (!parts.at(0).isEmpty())
        fs.put(listPath, parts.at(0));

    QStringList listed = nameBox(fs);
    for (qsizetype i = 1; i < parts.size() && i < 8; ++i) {
        const QString name = settings::cleanAnglerName(QString::fromUtf8(parts.at(i)));
        if (settings::checkAnglerName(name).problem != settings::NameProblem::None)
            continue;
        const QByteArray old = fs.bytesAt(listPath).value_or(QByteArray());
        const AnglerAdded added = registerAngler(fs, listed, name);
        check(added != AnglerAdded::NotWritten, "a name the screen accepts can be written", name);
        if (added == AnglerAdded::AlreadyListed)
            check(fs.bytesAt(listPath).value_or(QByteArray()) == old, "a listed name writes nothing", name);
        if (strict()) {
            check(nameBox(fs).contains(name), "a registered name is offered next time as typed", name);
            const QByteArray now = fs.bytesAt(listPath).value_or(QByteArray());
            const QList<QByteArray> newLines = nameLines(now);
            qsizetype from = 0;
            for (const QByteArray &line : nameLines(old)) {
                from = newLines.indexOf(line, from);
                check(from >= 0, "registering keeps every line of the list, in place",
                      QString::fromLatin1(line.toHex()));
                ++from;
            }
            // A first line that is no count (hand-written, garbled) stays as
            // it was; a count, or a list that had none, tells the lines once
            // the list is written (a listed name leaves the file as it was).
            if (added != AnglerAdded::Added)
                continue;
            const QList<QByteArray> lines = byteLines(now);
            const QList<QByteArray> oldLines = byteLines(old);
            bool oldCount = false;
            if (!oldLines.isEmpty())
                oldLines.first().trimmed().toInt(&oldCount);
            if (!oldLines.isEmpty() && !oldCount)
                check(!lines.isEmpty() && lines.first() == oldLines.first(), "a first line that is no count is kept");
            else
                check(!lines.isEmpty() && lines.first().trimmed().toLongLong() == lines.size() - 1,
                      "the count line counts the lines");
        }
    }
    check(fs.outside().isEmpty(), "registering touches nothing outside the data folder", fs.outside().join(u' '));
    check(fs.removed().isEmpty(), "registering removes no file", fs.removed().join(u' '));
    return 0;
}
