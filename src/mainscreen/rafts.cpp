#include "rafts.h"

#include "mainscreen/fishing/fishingtexts.h"
#include "mainscreentexts.h"

#include <QCoreApplication>

namespace rafts {

namespace {

const std::array<Raft, Count> &table()
{
    using L = Level;
    using T = TideDirection;
    static const std::array<Raft, Count> rows{{
        {QStringLiteral("湾入り口"), 15, L::High, L::Low, L::Low, 30, T::Flood},
        {QStringLiteral("北の離れ"), 10, L::Middle, L::Middle, L::Middle, 25, T::Flood},
        {QStringLiteral("大浜"), 8, L::Low, L::High, L::High, 20, T::Ebb},
        {QStringLiteral("南の離れ"), 10, L::Low, L::High, L::High, 20, T::Flood},
        {QStringLiteral("鴨の越し"), 13, L::Middle, L::Middle, L::High, 25, T::Ebb},
    }};
    return rows;
}

} // namespace

std::array<QString, 7> Raft::cells() const
{
    return {QString(),
            QString::number(depthM),
            currentWord(current),
            amountWord(stealers),
            amountWord(chinu),
            QString::number(averageCm),
            aimWord(aim)};
}

const Raft *byNumber(int spotNo)
{
    if (spotNo < 1 || spotNo > Count)
        return nullptr;
    return &table()[std::size_t(spotNo - 1)];
}

QString name(int spotNo)
{
    const Raft *raft = byNumber(spotNo);
    return raft ? raft->name : QString();
}

QString shownName(int spotNo)
{
    [[maybe_unused]] static constexpr const char *names[] = {
        QT_TRANSLATE_NOOP("Rafts", "湾入り口"), QT_TRANSLATE_NOOP("Rafts", "北の離れ"),
        QT_TRANSLATE_NOOP("Rafts", "大浜"), QT_TRANSLATE_NOOP("Rafts", "南の離れ"),
        QT_TRANSLATE_NOOP("Rafts", "鴨の越し"),
    };
    const QString raft = name(spotNo);
    return raft.isEmpty() ? raft : QCoreApplication::translate("Rafts", raft.toUtf8().constData());
}

QString currentWord(Level current)
{
    namespace T = mainscreentexts;
    switch (current) {
    case Level::High: return T::CurrentFast();
    case Level::Middle: return T::CurrentNormal();
    case Level::Low: break;
    }
    return T::CurrentSlow();
}

QString amountWord(Level amount)
{
    namespace T = mainscreentexts;
    switch (amount) {
    case Level::High: return T::Many();
    case Level::Middle: return T::Some();
    case Level::Low: break;
    }
    return T::Few();
}

QString aimWord(TideDirection aim)
{
    return aim == TideDirection::Ebb ? fishingtexts::EbbTide() : fishingtexts::FloodTide();
}

QString shownCell(const QString &cell)
{
    [[maybe_unused]] static constexpr const char *words[] = {
        QT_TRANSLATE_NOOP("Rafts", "速い"), QT_TRANSLATE_NOOP("Rafts", "ふつう"),
        QT_TRANSLATE_NOOP("Rafts", "ゆるやか"), QT_TRANSLATE_NOOP("Rafts", "多い"),
        QT_TRANSLATE_NOOP("Rafts", "少ない"), QT_TRANSLATE_NOOP("Rafts", "満ち潮"),
        QT_TRANSLATE_NOOP("Rafts", "引き潮"),
    };
    return QCoreApplication::translate("Rafts", cell.toUtf8().constData());
}

} // namespace rafts
