#include "daylog/names.h"

#include <array>
#include <utility>

namespace daylog {
namespace {

constexpr std::array kKinds{
    std::pair{EventKind::DayStarted, "DayStarted"},
    std::pair{EventKind::Dropped, "Dropped"},
    std::pair{EventKind::BallBroken, "BallBroken"},
    std::pair{EventKind::Bite, "Bite"},
    std::pair{EventKind::StrikeHooked, "StrikeHooked"},
    std::pair{EventKind::StrikeMissed, "StrikeMissed"},
    std::pair{EventKind::FishLanded, "FishLanded"},
    std::pair{EventKind::FishLost, "FishLost"},
    std::pair{EventKind::BaitTaken, "BaitTaken"},
    std::pair{EventKind::BaitChanged, "BaitChanged"},
    std::pair{EventKind::MulletTook, "MulletTook"},
    std::pair{EventKind::MulletEscaped, "MulletEscaped"},
    std::pair{EventKind::DayEnded, "DayEnded"},
};

constexpr std::array kReasons{
    std::pair{Reason::None, "None"},
    std::pair{Reason::BrokenByAngler, "BrokenByAngler"},
    std::pair{Reason::BrokeByItself, "BrokeByItself"},
    std::pair{Reason::Nibble, "Nibble"},
    std::pair{Reason::SlowPull, "SlowPull"},
    std::pair{Reason::FastPull, "FastPull"},
    std::pair{Reason::Holds, "Holds"},
    std::pair{Reason::Steals, "Steals"},
    std::pair{Reason::StruckWhileNibbling, "StruckWhileNibbling"},
    std::pair{Reason::StruckBeforeHookSet, "StruckBeforeHookSet"},
    std::pair{Reason::StruckAfterLetGo, "StruckAfterLetGo"},
    std::pair{Reason::StruckAtNothing, "StruckAtNothing"},
    std::pair{Reason::StruckWhileStealing, "StruckWhileStealing"},
    std::pair{Reason::StruckNoFish, "StruckNoFish"},
    std::pair{Reason::LineParted, "LineParted"},
    std::pair{Reason::HookPulled, "HookPulled"},
    std::pair{Reason::BaitStolen, "BaitStolen"},
    std::pair{Reason::LetGo, "LetGo"},
    std::pair{Reason::NotStruck, "NotStruck"},
    std::pair{Reason::EndHour, "EndHour"},
    std::pair{Reason::AnglerEnded, "AnglerEnded"},
    std::pair{Reason::StruckOnStealer, "StruckOnStealer"},
};

template <typename Table, typename Value>
QString nameIn(const Table &table, Value value)
{
    for (const auto &[v, name] : table)
        if (v == value)
            return QString::fromLatin1(name);
    return QString();
}

template <typename Value, typename Table>
std::optional<Value> valueIn(const Table &table, const QString &name)
{
    for (const auto &[v, n] : table)
        if (name == QLatin1StringView(n))
            return v;
    return std::nullopt;
}

} // namespace

QString kindName(EventKind kind) { return nameIn(kKinds, kind); }
std::optional<EventKind> kindFromName(const QString &name) { return valueIn<EventKind>(kKinds, name); }
QString reasonName(Reason reason) { return nameIn(kReasons, reason); }
std::optional<Reason> reasonFromName(const QString &name) { return valueIn<Reason>(kReasons, name); }

} // namespace daylog
