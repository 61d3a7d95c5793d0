#pragma once

#include <QString>

#include <optional>
#include <vector>

// The fish, the tide and the rig by id. The screens show the captions (the
// display names below, exactly as the game writes them); the day's log keeps
// the keys, short ASCII words that never change, so that a caption may change
// or be translated without changing what an old log means.
namespace daylog {

enum class Fish { Chinu, Mullet, Ainame, Aji, Tai, Konoshiro, Fugu };
enum class Tide { Flood, Ebb };                 // 満, 引: rising, falling
enum class Leader { No1, No2, No3 };            // ハリス 1号..3号 (the mullet rig's is 3号)
enum class Hook { No3, No4, No5, Suikomi };     // 釣り針 3号..5号, the mullet rig's 吸い込み針
enum class Bait { Akemigai, Boke, Ebi, Okiami, Kani, Sanagi }; // in the rig screen's order

// The columns of the log and the parts of a day that hold one of the above.
enum class Vocabulary { Fish, Tide, Leader, Hook, Bait };

// The caption the game shows and writes.
QString displayName(Fish fish);
QString displayName(Tide tide);
QString displayName(Leader leader);
QString displayName(Hook hook);
QString displayName(Bait bait);

// The name shown on a screen in the player's language: the caption in the
// Japanese edition, its translation in another. Never written to a file.
QString shownName(Fish fish);
QString shownName(Tide tide);
QString shownName(Leader leader);
QString shownName(Hook hook);
QString shownName(Bait bait);
// The same for a part that may be missing (no fish yet, the mullet rig's
// bait): empty when it is.
template <typename Id>
QString displayName(const std::optional<Id> &id)
{
    return id ? displayName(*id) : QString();
}
template <typename Id>
QString shownName(const std::optional<Id> &id)
{
    return id ? shownName(*id) : QString();
}
// A kept caption (a fish, tide word or rig part as the files and the log
// hold it) as a screen shows it; a caption this version does not know is
// shown as it is.
QString shownCaption(Vocabulary vocabulary, const QString &caption);

// The id of a caption; none for a caption this version does not know.
std::optional<Fish> fishFromCaption(const QString &caption);
std::optional<Tide> tideFromCaption(const QString &caption);
std::optional<Leader> leaderFromCaption(const QString &caption);
std::optional<Hook> hookFromCaption(const QString &caption);
std::optional<Bait> baitFromCaption(const QString &caption);

// The key the log keeps: "chinu", "flood", "no2", "suikomi", "okiami", ...
QString logKey(Fish fish);
QString logKey(Tide tide);
QString logKey(Leader leader);
QString logKey(Hook hook);
QString logKey(Bait bait);

// The size a leader or a hook is sold by (1号 is 1); the mullet rig's
// 吸い込み針 has none.
int sizeNumber(Leader leader);
std::optional<int> sizeNumber(Hook hook);

// Every bait in the rig screen's order.
const std::vector<Bait> &allBaits();

// What the log keeps for a caption: its key; an empty caption stays empty;
// a caption this version does not know is kept whole behind a '?' (no key
// has one), so that nothing written is ever lost and it reads back as it was.
QString keyForCaption(Vocabulary vocabulary, const QString &caption);
// The caption back from what the log keeps. A key this version does not know
// (a newer game's) is shown as it is.
QString captionForKey(Vocabulary vocabulary, const QString &key);

} // namespace daylog
