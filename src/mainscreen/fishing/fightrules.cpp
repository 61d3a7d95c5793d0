#include "fightrules.h"

#include "fishingtexts.h"

#include <cmath>

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

int chinuCount(const QStringList &entries)
{
    int count = 0;
    for (const QString &entry : entries)
        if (entry.left(2) == fishingtexts::Chinu())
            ++count;
    return count;
}

QString landedMessage(const QString &kind, int length)
{
    return QString::number(length) + fishingtexts::LandedCm() + kind + fishingtexts::LandedEnd();
}

QString lostMessage(const QString &kind, int length)
{
    return fishingtexts::Lost() + QStringLiteral("\n\n") + fishingtexts::LostWas() + QString::number(length)
        + fishingtexts::Centi() + fishingtexts::LostAbout() + kind + fishingtexts::LostEnd();
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

} // namespace mulletrules
