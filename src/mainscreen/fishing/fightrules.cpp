#include "fightrules.h"

#include "fishingtexts.h"

#include "daylog/ids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Int() of the game: the floor, also below zero.
int floorDiv10(int length)
{
    return int(std::floor(length / 10.0));
}

} // namespace

namespace fightrules {

int lineStrain(int length, int leader, int hook)
{
    const int sum = leader + hook;
    // A rig without numbers cannot be weighed; count it as the finest one.
    if (sum <= 0)
        return 100;
    return int(std::floor(double(length) / (2.0 * sum) * 10.0));
}

bool losesFish(int lineStrain, int r)
{
    auto any = [r](std::initializer_list<int> losing) {
        for (int v : losing)
            if (v == r)
                return true;
        return false;
    };
    if (lineStrain <= 20)
        return any({4});
    if (lineStrain <= 25)
        return any({7, 9});
    if (lineStrain <= 30)
        return any({3, 5, 7});
    if (lineStrain <= 35)
        return any({2, 3, 7, 9});
    if (lineStrain <= 40)
        return any({1, 5, 7, 9, 10});
    if (lineStrain <= 45)
        return any({4, 6, 8, 10, 12, 14});
    if (lineStrain <= 50)
        return any({1, 3, 5, 7, 11, 13, 15});
    return any({2, 4, 6, 8, 10, 12, 14, 16});
}

int chinuFightRounds(int length)
{
    return floorDiv10(length) + 4;
}

QString catchEntry(const QString &kind, int length)
{
    return kind + QStringLiteral("  ") + QString::number(length) + fishingtexts::Centi();
}

QString catchEntry(daylog::Fish kind, int length)
{
    return catchEntry(daylog::displayName(kind), length);
}

QString shownCatchEntry(daylog::Fish kind, int length)
{
    return fishingtexts::ShownEntry(daylog::shownName(kind), length);
}

QString landedMessage(daylog::Fish kind, int length)
{
    return fishingtexts::Landed(length, daylog::shownName(kind));
}

QString lostMessage(daylog::Fish kind, int length)
{
    return fishingtexts::Lost() + QStringLiteral("\n\n") + fishingtexts::LostWas(length, daylog::shownName(kind));
}

QString strikeFailedMessage()
{
    return fishingtexts::ErrorStopped() + QStringLiteral("\n\n") + fishingtexts::ErrorSaveHint();
}

} // namespace fightrules

namespace mulletrules {

bool takesBait(int tick4)
{
    return tick4 == 1;
}

int pullInterval(int tick5)
{
    return 80 * tick5;
}

int tipPicture(int tick6)
{
    return tick6 + 2;
}

bool escapes(int mulletTicks)
{
    return mulletTicks == 10;
}

int fightRounds(int length)
{
    return floorDiv10(length) + 3;
}

bool lost(int tick5)
{
    return tick5 == 2 || tick5 == 4;
}

namespace {

double walkLossChance(qint64 msSinceTake)
{
    // Walk every run of draws from the take (its tick at 0 ms): a draw whose
    // tick is still running at the strike decides; the others lead to the
    // next tick, until the tenth, where the mullet lets go.
    struct Path
    {
        int tick; // 1 for the take's own tick
        qint64 at;
        double weight;
    };
    std::vector<Path> paths{{1, 0, 1.0}};
    double stillOn = 0, losing = 0;
    while (!paths.empty()) {
        std::vector<Path> next;
        for (const Path &path : paths) {
            if (escapes(path.tick))
                continue;
            for (int draw = 1; draw <= 5; ++draw) {
                const double weight = path.weight / 5;
                const qint64 nextTick = path.at + pullInterval(draw);
                if (nextTick > msSinceTake) {
                    stillOn += weight;
                    if (lost(draw))
                        losing += weight;
                } else {
                    // Runs that meet at the same tick and moment are one.
                    auto same = std::find_if(next.begin(), next.end(), [&](const Path &p) {
                        return p.tick == path.tick + 1 && p.at == nextTick;
                    });
                    if (same != next.end())
                        same->weight += weight;
                    else
                        next.push_back({path.tick + 1, nextTick, weight});
                }
            }
        }
        paths = std::move(next);
    }
    return stillOn > 0 ? losing / stillOn : 0.0;
}

} // namespace

double lossChanceAt(qint64 msSinceTake)
{
    // Every pull lasts a whole number of 80 ms, so the chance only changes
    // on those steps: worked out once for each step up to the tenth pull.
    constexpr qint64 Step = 80;
    constexpr qint64 Steps = 9 * 5 + 1; // nine pulls of at most 400 ms
    static const auto table = [] {
        std::array<double, Steps> chances{};
        for (qint64 i = 0; i < Steps; ++i)
            chances[std::size_t(i)] = walkLossChance(i * Step);
        return chances;
    }();
    if (msSinceTake < 0)
        return table.front();
    const qint64 step = msSinceTake / Step;
    return step < Steps ? table[std::size_t(step)] : 0.0;
}

} // namespace mulletrules
