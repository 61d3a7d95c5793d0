// The names the game offers: the settings screen's name box and the
// past-records screen's angler combos, filled from 釣り人.txt, with each
// angler's best records from チヌ記録.txt.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "prep/anglerlist.h"
#include "prep/settingsrules.h"
#include "rankings/bestrecords.h"
#include "rankings/rankings.h"
#include "records/datafiles.h"

using namespace fuzz;

namespace {

struct Offered
{
    QStringList names; // the combos' anglers
    std::vector<RecordLine> days;
};

// The game's calls, as the two screens make them when they open.
Offered load(const FileSystem &fs)
{
    Offered offered;
    offered.names = readAnglerNames(fs, dataDir());
    offered.days = rankings::SavedDays(datafiles::ReadRecordFile(fs, dataDir()).lines);
    return offered;
}

} // namespace

// Parts: 釣り人.txt, チヌ記録.txt.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Parts parts(data, size);
    MemoryFileSystem fs(dataDir());
    fs.put(anglerListPath(dataDir()), parts.at(0));
    fs.put(datafiles::RecordFilePath(dataDir()), parts.at(1));

    const Offered offered = load(fs);
    for (const QString &name : offered.names) {
        if (strict())
            check(settings::checkAnglerName(settings::cleanAnglerName(name)).problem == settings::NameProblem::None,
                  "a name the settings screen refuses is never offered", name);
        for (int raft = 0; raft <= 5; ++raft)
            for (const bestrecords::BestRecord &best : bestrecords::BestRecords(offered.days, { raft, name })) {
                if (best.found)
                    check(best.anglers == QStringList{ name }, "one angler's best names that angler", name);
                if (raft == 0)
                    check(best.rafts.size() == best.dates.size(), "a best over every raft names a raft per day");
                bestrecords::FrameCaption(rankings::Measure::Count, best.dates.size(), true);
            }
    }
    check(fs.outside().isEmpty(), "the screens read nothing outside the data folder", fs.outside().join(u' '));
    return 0;
}
