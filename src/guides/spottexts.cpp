#include <QCoreApplication>
#include "spottexts.h"

namespace spottexts {

QString Caption()
{
    return QCoreApplication::translate("Spot", "ナミヨセ-釣り場詳細　  　ＭＯＫＵ　KT-93　");
}
QString DepthUnit()
{
    return QStringLiteral("m");
}
QString SizeAverage()
{
    return QCoreApplication::translate("Spot", "平均");
}
QString SizeUnit()
{
    return QCoreApplication::translate("Spot", "ｃｍ");
}
QString Label36()
{
    return QCoreApplication::translate("Spot", "釣り場");
}
QString Label20()
{
    return QCoreApplication::translate("Spot", "今日の潮時");
}
QString Label14()
{
    return QCoreApplication::translate("Spot", "満潮");
}
QString Label15()
{
    return QCoreApplication::translate("Spot", "干潮");
}
QString Hour()
{
    return QCoreApplication::translate("Spot", "時");
}
QString Command5()
{
    return QStringLiteral("O K");
}
QString GuideTitle(const QString &raft)
{
    return QCoreApplication::translate("Spot", "%1の釣り場案内").arg(raft);
}

QStringList headings()
{
    return { QCoreApplication::translate("Spot", "水深"),     QCoreApplication::translate("Spot", "潮の流れ"),     QCoreApplication::translate("Spot", "餌取り"),
             QCoreApplication::translate("Spot", "チヌの数"), QCoreApplication::translate("Spot", "チヌの大きさ"), QCoreApplication::translate("Spot", "ねらい目") };
}

std::optional<SpotCard> card(int spotNo)
{
    if (spotNo < 1 || spotNo > 5)
        return std::nullopt;
    // Built at each call, so that the card speaks the language loaded.
    const SpotCard cards[] = {
        { { QStringLiteral("Label3"), QCoreApplication::translate("Spot", "←　満ち潮") },
          { QStringLiteral("Label2"), QCoreApplication::translate("Spot", "引き潮　→") },
          { QStringLiteral("Label37"), QCoreApplication::translate("Spot", "あたりは少ないが60センチ級が狙える、一発大型のポイント") } },
        { { QStringLiteral("Label7"), QCoreApplication::translate("Spot", "←　引き潮") },
          { QStringLiteral("Label6"), QCoreApplication::translate("Spot", "満ち潮　→") },
          { QStringLiteral("Label39"), QCoreApplication::translate("Spot", "チヌの数も大きさも狙えるポイント。50センチ級も多い。") } },
        { { QStringLiteral("Label9"), QCoreApplication::translate("Spot", "満ち潮　→") },
          { QStringLiteral("Label8"), QCoreApplication::translate("Spot", "←　引き潮") },
          { QStringLiteral("Label40"), QCoreApplication::translate("Spot", "小型だがチヌの数は多い。50センチ級の実績もある。") } },
        { { QStringLiteral("Label11"), QCoreApplication::translate("Spot", "引き潮　→") },
          { QStringLiteral("Label10"), QCoreApplication::translate("Spot", "←　満ち潮") },
          { QStringLiteral("Label41"), QCoreApplication::translate("Spot", "小型だがチヌの数は多い。50センチ級の実績もある。") } },
        { { QStringLiteral("Label13"), QCoreApplication::translate("Spot", "←　満ち潮") },
          { QStringLiteral("Label12"), QCoreApplication::translate("Spot", "引き潮　→") },
          { QStringLiteral("Label38"), QCoreApplication::translate("Spot", "チヌの数も大きさも狙えるポイント。50センチ級も多い。") } },
    };
    return cards[spotNo - 1];
}

} // namespace spottexts
