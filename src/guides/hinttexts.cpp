#include <QCoreApplication>
#include "hinttexts.h"

namespace hinttexts {

QString Caption()
{
    return QCoreApplication::translate("Hints", "ナミヨセ-ヒント  　ＭＯＫＵ　KT-93");
}
QString Frame1()
{
    return QCoreApplication::translate("Hints", "何を聞きますか？");
}
QString Command1()
{
    return QCoreApplication::translate("Hints", "Ｏ　Ｋ");
}

std::vector<Hint> hints()
{
    // Built at each call, so that the hints speak the language loaded.
    return {
        { QStringLiteral("Option2"), QCoreApplication::translate("Hints", "釣り場"), QCoreApplication::translate("Hints", "釣り場のヒント"),
          QCoreApplication::translate("Hints", "釣り場の地図の　　　　　　をクリックすると各釣り場の詳細が見れます。"
              "\n"
              "各釣り場とも，５０センチ以上が泳いでいます。"
              "\n"
              "ちなみに最大で６６センチのチヌがいるはずですので，夢の６０センチオーバーにチャレンジしてください。"),
          true },
        { QStringLiteral("Option3"), QCoreApplication::translate("Hints", "満潮・干潮"), QCoreApplication::translate("Hints", "満潮・干潮に関するヒント"),
          QCoreApplication::translate("Hints", "干潮から満潮にかけての潮（満ち潮)，"
                         "\n"
                         "満潮から干潮にかけての潮（引き潮)"
                         "\n"
                         "によって釣果が大きく違ってきます。"
                         "例えば，満ち潮のときに，釣り場のねらい目が満ち潮の場合は，"
                         "チヌの食いも良く，反対の場合は食いも悪くエサ取りが多くなってきます。"
                         "釣り場のねらい目の潮と干潮・満潮時間をよく確認していかだに渡ってください。"),
          false },
        { QStringLiteral("Option7"), QCoreApplication::translate("Hints", "水深・潮の流れ"), QCoreApplication::translate("Hints", "水深・潮の流れに関するヒント"),
          QCoreApplication::translate("Hints", "水深の深い場所ではあたりが少なくなり，浅いところではあたりが多くなります。"
                         "\n"
                         "また，潮の流れの速い場所ではあたりが少なくなり，ゆるやかなところではあたりが多くなります。"),
          false },
        { QStringLiteral("Option1"), QCoreApplication::translate("Hints", "エサ"), QCoreApplication::translate("Hints", "エサに関するヒント"),
          QCoreApplication::translate("Hints", "エサは６種類ありますが，その日によって，"
                         "\n"
                         "食いの良いエサ=３種類"
                         "\n"
                         "食いの悪いエサ=３種類　があります。"
                         "\n"
                         "あまりあたりがないようならエサを取り替えるようにしてください。"),
          false },
        { QStringLiteral("Option4"), QCoreApplication::translate("Hints", "仕掛け"), QCoreApplication::translate("Hints", "仕掛けに関するヒント"),
          QCoreApplication::translate("Hints", "ハリスの太さ・針の大きさによって，食いがちがってきます。"
                         "\n"
                         "しかしあまりハリスを細くしすぎると，せっかく魚がかかってもバラシが多くなります。"),
          false },
        { QStringLiteral("Option5"), QCoreApplication::translate("Hints", "チヌとエサ取り"), QCoreApplication::translate("Hints", "チヌとエサ取りに関するヒント"),
          QCoreApplication::translate("Hints", "チヌが多い釣り場では，数は釣れますが小型のチヌが多く，エサ取り（チヌ以外の魚)も多くなってきます。"
              "\n"
              "チヌが少ない釣り場では，釣れる数は少ないかわりに大型のチヌが多く，エサ取り（チヌ以外の魚)も少なくなってきます。"
              "\n"
              "しかしどの釣り場でも，５０センチ級が釣れた実績があります。"),
          false },
        { QStringLiteral("Option6"), QCoreApplication::translate("Hints", "竿先のあたり"), QCoreApplication::translate("Hints", "竿先のあたりに関するヒント"),
          QCoreApplication::translate("Hints", "魚がエサに食いつくと，竿先にあたり(竿先を押さえる)があります。"
              "\n"
              "竿先のあたりは一定ではなく，あたりだけではチヌかエサ取りかは区別がつきません。"
              "\n"
              "しかも，竿先をわずかに押さえただけのあたりで釣れる時もありますし，一回竿先を押さえたあとにもう一回竿先を押さえ込むあたりもあります。"),
          false },
    };
}

} // namespace hinttexts
