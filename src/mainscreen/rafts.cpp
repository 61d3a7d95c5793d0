#include "rafts.h"

#include <QCoreApplication>

namespace rafts {

namespace {

const std::array<Raft, Count> &table()
{
    static const std::array<Raft, Count> rows{{
        {QStringLiteral("湾入り口"), {QString(), QStringLiteral("15"), QStringLiteral("速い"), QStringLiteral("少ない"), QStringLiteral("少ない"), QStringLiteral("30"), QStringLiteral("満ち潮")}},
        {QStringLiteral("北の離れ"), {QString(), QStringLiteral("10"), QStringLiteral("ふつう"), QStringLiteral("ふつう"), QStringLiteral("ふつう"), QStringLiteral("25"), QStringLiteral("満ち潮")}},
        {QStringLiteral("大浜"), {QString(), QStringLiteral("8"), QStringLiteral("ゆるやか"), QStringLiteral("多い"), QStringLiteral("多い"), QStringLiteral("20"), QStringLiteral("引き潮")}},
        {QStringLiteral("南の離れ"), {QString(), QStringLiteral("10"), QStringLiteral("ゆるやか"), QStringLiteral("多い"), QStringLiteral("多い"), QStringLiteral("20"), QStringLiteral("満ち潮")}},
        {QStringLiteral("鴨の越し"), {QString(), QStringLiteral("13"), QStringLiteral("ふつう"), QStringLiteral("ふつう"), QStringLiteral("多い"), QStringLiteral("25"), QStringLiteral("引き潮")}},
    }};
    return rows;
}

} // namespace

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
