// The angler list 釣り人.txt as the reader takes it: whatever its bytes,
// the names offered are whole, and written back they read as the same names.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "prep/anglerlist.h"
#include "prep/settingsrules.h"

using namespace fuzz;

namespace {

// The game's calls.
QStringList readList(const FileSystem &fs)
{
    return readAnglerNames(fs, dataDir());
}

bool writeList(FileSystem &fs, const QStringList &names)
{
    return writeAnglerNames(fs, dataDir(), names);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MemoryFileSystem fs(dataDir());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fs.put(anglerListPath(dataDir()), bytes);

    const QStringList names = readList(fs);
    check(names.size() <= bytes.count('\n') + 1, "no more names than lines");
    for (const QString &name : names) {
        check(!name.isEmpty() && name == name.trimmed(), "a name is never blank or padded", name);
        for (const QChar c : name)
            check(c != QChar::ReplacementCharacter && c.category() != QChar::Other_Control,
                  "a name never holds a broken byte or a control code", name);
        if (strict())
            check(settings::checkAnglerName(settings::cleanAnglerName(name)).problem == settings::NameProblem::None,
                  "a name the settings screen refuses is never offered", name);
    }

    // Written back, the list reads as the same names.
    if (writeList(fs, names))
        check(readList(fs) == names, "a rewritten list reads as the names written");
    return 0;
}
