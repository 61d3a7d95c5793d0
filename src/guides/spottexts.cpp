#include "spottexts.h"

namespace spottexts {

QString Caption()
{
    return QStringLiteral("ナミヨセ-釣り場詳細　  　ＭＯＫＵ　KT-93　");
}
QString DepthUnit()
{
    return QStringLiteral("m");
}
QString SizeAverage()
{
    return QStringLiteral("平均");
}
QString SizeUnit()
{
    return QStringLiteral("ｃｍ");
}
QString Label36()
{
    return QStringLiteral("釣り場");
}
QString Label20()
{
    return QStringLiteral("今日の潮時");
}
QString Label14()
{
    return QStringLiteral("満潮");
}
QString Label15()
{
    return QStringLiteral("干潮");
}
QString Hour()
{
    return QStringLiteral("時");
}
QString Command5()
{
    return QStringLiteral("O K");
}
QString GuideSuffix()
{
    return QStringLiteral("の釣り場案内");
}

QStringList headings()
{
    return { QStringLiteral("水深"),     QStringLiteral("潮の流れ"),     QStringLiteral("餌取り"),
             QStringLiteral("チヌの数"), QStringLiteral("チヌの大きさ"), QStringLiteral("ねらい目") };
}

const SpotCard *card(int spotNo)
{
    static const SpotCard cards[] = {
        { { QStringLiteral("Label3"), QStringLiteral("←　満ち潮") },
          { QStringLiteral("Label2"), QStringLiteral("引き潮　→") },
          { QStringLiteral("Label37"), QStringLiteral("あたりは少ないが60センチ級が狙える、一発大型のポイント") } },
        { { QStringLiteral("Label7"), QStringLiteral("←　引き潮") },
          { QStringLiteral("Label6"), QStringLiteral("満ち潮　→") },
          { QStringLiteral("Label39"), QStringLiteral("チヌの数も大きさも狙えるポイント。50センチ級も多い。") } },
        { { QStringLiteral("Label9"), QStringLiteral("満ち潮　→") },
          { QStringLiteral("Label8"), QStringLiteral("←　引き潮") },
          { QStringLiteral("Label40"), QStringLiteral("小型だがチヌの数は多い。50センチ級の実績もある。") } },
        { { QStringLiteral("Label11"), QStringLiteral("引き潮　→") },
          { QStringLiteral("Label10"), QStringLiteral("←　満ち潮") },
          { QStringLiteral("Label41"), QStringLiteral("小型だがチヌの数は多い。50センチ級の実績もある。") } },
        { { QStringLiteral("Label13"), QStringLiteral("←　満ち潮") },
          { QStringLiteral("Label12"), QStringLiteral("引き潮　→") },
          { QStringLiteral("Label38"), QStringLiteral("チヌの数も大きさも狙えるポイント。50センチ級も多い。") } },
    };
    if (spotNo < 1 || spotNo > 5)
        return nullptr;
    return &cards[spotNo - 1];
}

} // namespace spottexts
