#include "daylog/ids.h"

#include <QCoreApplication>

#include <array>
#include <tuple>

namespace daylog {
namespace {

template <typename Id>
struct Entry
{
    Id id;
    const char *key;
    const char16_t *caption;
};

constexpr std::array kFish{
    Entry<Fish>{Fish::Chinu, "chinu", u"チヌ"},
    Entry<Fish>{Fish::Mullet, "mullet", u"ボラ"},
    Entry<Fish>{Fish::Ainame, "ainame", u"アイナメ"},
    Entry<Fish>{Fish::Aji, "aji", u"アジ"},
    Entry<Fish>{Fish::Tai, "tai", u"タイ"},
    Entry<Fish>{Fish::Konoshiro, "konoshiro", u"コノシロ"},
    Entry<Fish>{Fish::Fugu, "fugu", u"フグ"},
};

constexpr std::array kTides{
    Entry<Tide>{Tide::Flood, "flood", u"満"},
    Entry<Tide>{Tide::Ebb, "ebb", u"引"},
};

constexpr std::array kLeaders{
    Entry<Leader>{Leader::No1, "no1", u"1号"},
    Entry<Leader>{Leader::No2, "no2", u"2号"},
    Entry<Leader>{Leader::No3, "no3", u"3号"},
};

constexpr std::array kHooks{
    Entry<Hook>{Hook::No3, "no3", u"3号"},
    Entry<Hook>{Hook::No4, "no4", u"4号"},
    Entry<Hook>{Hook::No5, "no5", u"5号"},
    Entry<Hook>{Hook::Suikomi, "suikomi", u"吸い込み針"},
};

constexpr std::array kBaits{
    Entry<Bait>{Bait::Akemigai, "akemigai", u"アケミ貝"},
    Entry<Bait>{Bait::Boke, "boke", u"ボケ"},
    Entry<Bait>{Bait::Ebi, "ebi", u"エビ"},
    Entry<Bait>{Bait::Okiami, "okiami", u"オキアミ"},
    Entry<Bait>{Bait::Kani, "kani", u"カニ"},
    Entry<Bait>{Bait::Sanagi, "sanagi", u"サナギ"},
};

constexpr QChar kUnknownMark = QLatin1Char('?');

template <typename Table, typename Id>
const auto &entryOf(const Table &table, Id id)
{
    for (const auto &entry : table)
        if (entry.id == id)
            return entry;
    return table.front(); // every id is in its table
}

template <typename Table>
auto fromCaption(const Table &table, const QString &caption) -> std::optional<decltype(table.front().id)>
{
    for (const auto &entry : table)
        if (caption == QStringView(entry.caption))
            return entry.id;
    return std::nullopt;
}

template <typename Table>
QString keyIn(const Table &table, const QString &caption)
{
    if (caption.isEmpty())
        return QString();
    for (const auto &entry : table)
        if (caption == QStringView(entry.caption))
            return QString::fromLatin1(entry.key);
    return kUnknownMark + caption;
}

template <typename Table>
QString captionIn(const Table &table, const QString &key)
{
    if (key.startsWith(kUnknownMark))
        return key.mid(1);
    for (const auto &entry : table)
        if (key == QLatin1StringView(entry.key))
            return QString::fromUtf16(entry.caption);
    return key;
}

// One vocabulary's table handed to f.
template <typename F>
auto withTable(Vocabulary vocabulary, F f)
{
    switch (vocabulary) {
    case Vocabulary::Fish: return f(kFish);
    case Vocabulary::Tide: return f(kTides);
    case Vocabulary::Leader: return f(kLeaders);
    case Vocabulary::Hook: return f(kHooks);
    case Vocabulary::Bait: break;
    }
    return f(kBaits);
}

} // namespace

namespace {

// The captions made once: a day names its rig and fish at every step.
template <typename Table, typename Id>
QString cachedCaption(const Table &table, Id id)
{
    static const auto captions = [&table] {
        std::array<QString, std::tuple_size_v<Table>> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = QString::fromUtf16(table[i].caption);
        return all;
    }();
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (table[i].id == id)
            return captions[i];
    return captions.front(); // every id is in its table
}

} // namespace

QString displayName(Fish fish) { return cachedCaption(kFish, fish); }
QString displayName(Tide tide) { return cachedCaption(kTides, tide); }
QString displayName(Leader leader) { return cachedCaption(kLeaders, leader); }
QString displayName(Hook hook) { return cachedCaption(kHooks, hook); }
QString displayName(Bait bait) { return cachedCaption(kBaits, bait); }

std::optional<Fish> fishFromCaption(const QString &caption) { return fromCaption(kFish, caption); }
std::optional<Tide> tideFromCaption(const QString &caption) { return fromCaption(kTides, caption); }
std::optional<Leader> leaderFromCaption(const QString &caption) { return fromCaption(kLeaders, caption); }
std::optional<Hook> hookFromCaption(const QString &caption) { return fromCaption(kHooks, caption); }
std::optional<Bait> baitFromCaption(const QString &caption) { return fromCaption(kBaits, caption); }

namespace {

// The captions once more, for the translation tools to find.
[[maybe_unused]] constexpr const char *kShownNames[] = {
    QT_TRANSLATE_NOOP("Names", "チヌ"), QT_TRANSLATE_NOOP("Names", "ボラ"),
    QT_TRANSLATE_NOOP("Names", "アイナメ"), QT_TRANSLATE_NOOP("Names", "アジ"),
    QT_TRANSLATE_NOOP("Names", "タイ"), QT_TRANSLATE_NOOP("Names", "コノシロ"),
    QT_TRANSLATE_NOOP("Names", "フグ"),
    QT_TRANSLATE_NOOP("Names", "満"), QT_TRANSLATE_NOOP("Names", "引"),
    QT_TRANSLATE_NOOP("Names", "1号"), QT_TRANSLATE_NOOP("Names", "2号"),
    QT_TRANSLATE_NOOP("Names", "3号"), QT_TRANSLATE_NOOP("Names", "4号"),
    QT_TRANSLATE_NOOP("Names", "5号"), QT_TRANSLATE_NOOP("Names", "吸い込み針"),
    QT_TRANSLATE_NOOP("Names", "アケミ貝"), QT_TRANSLATE_NOOP("Names", "ボケ"),
    QT_TRANSLATE_NOOP("Names", "エビ"), QT_TRANSLATE_NOOP("Names", "オキアミ"),
    QT_TRANSLATE_NOOP("Names", "カニ"), QT_TRANSLATE_NOOP("Names", "サナギ"),
};

QString shown(const QString &caption)
{
    return QCoreApplication::translate("Names", caption.toUtf8().constData());
}

} // namespace

QString shownName(Fish fish) { return shown(displayName(fish)); }
QString shownName(Tide tide) { return shown(displayName(tide)); }
QString shownName(Leader leader) { return shown(displayName(leader)); }
QString shownName(Hook hook) { return shown(displayName(hook)); }
QString shownName(Bait bait) { return shown(displayName(bait)); }

QString shownCaption(Vocabulary vocabulary, const QString &caption)
{
    const bool known = withTable(vocabulary, [&](const auto &table) { return fromCaption(table, caption).has_value(); });
    return known ? shown(caption) : caption;
}

QString logKey(Fish fish) { return QString::fromLatin1(entryOf(kFish, fish).key); }
QString logKey(Tide tide) { return QString::fromLatin1(entryOf(kTides, tide).key); }
QString logKey(Leader leader) { return QString::fromLatin1(entryOf(kLeaders, leader).key); }
QString logKey(Hook hook) { return QString::fromLatin1(entryOf(kHooks, hook).key); }
QString logKey(Bait bait) { return QString::fromLatin1(entryOf(kBaits, bait).key); }

int sizeNumber(Leader leader)
{
    switch (leader) {
    case Leader::No1: return 1;
    case Leader::No2: return 2;
    case Leader::No3: break;
    }
    return 3;
}

std::optional<int> sizeNumber(Hook hook)
{
    switch (hook) {
    case Hook::No3: return 3;
    case Hook::No4: return 4;
    case Hook::No5: return 5;
    case Hook::Suikomi: break;
    }
    return std::nullopt;
}

const std::vector<Bait> &allBaits()
{
    static const std::vector<Bait> baits = [] {
        std::vector<Bait> all;
        for (const auto &entry : kBaits)
            all.push_back(entry.id);
        return all;
    }();
    return baits;
}

QString keyForCaption(Vocabulary vocabulary, const QString &caption)
{
    return withTable(vocabulary, [&](const auto &table) { return keyIn(table, caption); });
}

QString captionForKey(Vocabulary vocabulary, const QString &key)
{
    return withTable(vocabulary, [&](const auto &table) { return captionIn(table, key); });
}

} // namespace daylog
