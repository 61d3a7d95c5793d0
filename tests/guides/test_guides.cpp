#include "app/screens.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "platform/picturebox.h"
#include "prep/form3.h"
#include "support/testgame.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestGuides : public QObject
{
    Q_OBJECT

private slots:
    void spotCardShowsItsRaft_data();
    void spotCardShowsItsRaft();
    void openCardFollowsTheRaftChosenLast();
    void escapeClosesLikeTheirOwnButtons_data();
    void escapeClosesLikeTheirOwnButtons();
    void hintsOpenOnTheSpotHint();
    void eachTopicShowsItsHint_data();
    void eachTopicShowsItsHint();
    void mapButtonStandsInTheBlankOfTheFirstLine();
    void okClosesAndTheNextOpeningStartsAgain();
};

namespace {

// A settings screen whose tide hours are 4, 16, 10 and 22.
Form3 &settingsOf(TestGame &t)
{
    t.random.pushDraw(4, 12);
    Form3 &settings = t.screens().form3();
    settings.Combo3->setEditText(QStringLiteral("angler"));
    settings.Command1->click();
    return settings;
}

QStringList valuesOf(const Form4 &card, int spotNo)
{
    QStringList values;
    for (int row = 1; row <= 6; ++row)
        values << card.values(spotNo)(row)->text();
    return values;
}

} // namespace

void TestGuides::spotCardShowsItsRaft_data()
{
    QTest::addColumn<int>("spotNo");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("tideLabels"); // name, text, name, text
    QTest::addColumn<QStringList>("description"); // name, text
    QTest::newRow("1") << 1 << QStringLiteral("湾入り口の釣り場案内")
                       << QStringList { QStringLiteral("15"),     QStringLiteral("速い"), QStringLiteral("少ない"),
                                        QStringLiteral("少ない"), QStringLiteral("30"),   QStringLiteral("満ち潮") }
                       << QStringList { QStringLiteral("Label3"), QStringLiteral("←　満ち潮"), QStringLiteral("Label2"),
                                        QStringLiteral("引き潮　→") }
                       << QStringList { QStringLiteral("Label37"),
                                        QStringLiteral("あたりは少ないが60センチ級が狙える、一発大型のポイント") };
    QTest::newRow("2") << 2 << QStringLiteral("北の離れの釣り場案内")
                       << QStringList { QStringLiteral("10"),     QStringLiteral("ふつう"), QStringLiteral("ふつう"),
                                        QStringLiteral("ふつう"), QStringLiteral("25"),     QStringLiteral("満ち潮") }
                       << QStringList { QStringLiteral("Label7"), QStringLiteral("←　引き潮"), QStringLiteral("Label6"),
                                        QStringLiteral("満ち潮　→") }
                       << QStringList { QStringLiteral("Label39"),
                                        QStringLiteral("チヌの数も大きさも狙えるポイント。50センチ級も多い。") };
    QTest::newRow("3") << 3 << QStringLiteral("大浜の釣り場案内")
                       << QStringList { QStringLiteral("8"),    QStringLiteral("ゆるやか"), QStringLiteral("多い"),
                                        QStringLiteral("多い"), QStringLiteral("20"),       QStringLiteral("引き潮") }
                       << QStringList { QStringLiteral("Label9"), QStringLiteral("満ち潮　→"), QStringLiteral("Label8"),
                                        QStringLiteral("←　引き潮") }
                       << QStringList { QStringLiteral("Label40"),
                                        QStringLiteral("小型だがチヌの数は多い。50センチ級の実績もある。") };
    QTest::newRow("4") << 4 << QStringLiteral("南の離れの釣り場案内")
                       << QStringList { QStringLiteral("10"),   QStringLiteral("ゆるやか"), QStringLiteral("多い"),
                                        QStringLiteral("多い"), QStringLiteral("20"),       QStringLiteral("満ち潮") }
                       << QStringList { QStringLiteral("Label11"), QStringLiteral("引き潮　→"),
                                        QStringLiteral("Label10"), QStringLiteral("←　満ち潮") }
                       << QStringList { QStringLiteral("Label41"),
                                        QStringLiteral("小型だがチヌの数は多い。50センチ級の実績もある。") };
    QTest::newRow("5") << 5 << QStringLiteral("鴨の越しの釣り場案内")
                       << QStringList { QStringLiteral("13"),   QStringLiteral("ふつう"), QStringLiteral("ふつう"),
                                        QStringLiteral("多い"), QStringLiteral("25"),     QStringLiteral("引き潮") }
                       << QStringList { QStringLiteral("Label13"), QStringLiteral("←　満ち潮"),
                                        QStringLiteral("Label12"), QStringLiteral("引き潮　→") }
                       << QStringList { QStringLiteral("Label38"),
                                        QStringLiteral("チヌの数も大きさも狙えるポイント。50センチ級も多い。") };
}

// The detail button of a raft opens the card of that raft alone, with its
// conditions, words and today's tide hours from the settings screen.
void TestGuides::spotCardShowsItsRaft()
{
    QFETCH(int, spotNo);
    QFETCH(QString, caption);
    QFETCH(QStringList, values);
    QFETCH(QStringList, tideLabels);
    QFETCH(QStringList, description);
    TestGame t;
    Form3 &settings = settingsOf(t);
    settings.ShowDetailsOf(spotNo);
    Form4 *card = t.screens().loadedForm4();
    QVERIFY(card);
    QCOMPARE(card->windowTitle(), QStringLiteral("ナミヨセ-釣り場詳細　  　ＭＯＫＵ　KT-93　"));
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(card->frame(k)->isVisibleTo(card), k == spotNo);
    QGroupBox *frame = card->frame(spotNo);
    QCOMPARE(frame->title(), caption);
    QCOMPARE(card->Label1->text(), settings.option(spotNo)->text());
    QCOMPARE(valuesOf(*card, spotNo), values);
    QCOMPARE(card->values(spotNo)(1)->objectName(), QLatin1Char(char('A' + spotNo - 1)) + QStringLiteral("1(1)"));
    QCOMPARE(card->waterPictures[std::size_t(spotNo)]->pictureName(), QStringLiteral("raft_%1").arg(spotNo));
    for (int i = 0; i < tideLabels.size(); i += 2) {
        auto *label = frame->findChild<QLabel *>(tideLabels.at(i));
        QVERIFY2(label, qPrintable(tideLabels.at(i)));
        QCOMPARE(label->text(), tideLabels.at(i + 1));
    }
    auto *words = frame->findChild<QLabel *>(description.at(0));
    QVERIFY(words);
    QCOMPARE(words->text(), description.at(1));
    const QStringList tides { card->Label16->text(), card->Label17->text(), card->Label18->text(),
                              card->Label19->text() };
    QCOMPARE(tides,
             (QStringList { QStringLiteral("4"), QStringLiteral("16"), QStringLiteral("10"), QStringLiteral("22") }));
}

// A second detail button brings the open card forward without switching
// rafts (while the raft it names becomes the chosen one); after "O K" the
// next button shows its own raft.
// An open card shows the raft chosen last, by its detail button or on the
// map, and is gone once the angler crosses to the raft.
void TestGuides::openCardFollowsTheRaftChosenLast()
{
    TestGame t;
    Form3 &settings = settingsOf(t);
    settings.Command12->click();
    Form4 *card = t.screens().loadedForm4();
    QVERIFY(card);
    settings.Command9->click();
    QCOMPARE(t.screens().loadedForm4(), card);
    QVERIFY(card->Frame3->isVisibleTo(card));
    QVERIFY(!card->Frame1->isVisibleTo(card));
    QCOMPARE(t.state().SpotNo, 3);
    QVERIFY(settings.Option3->isChecked());
    QCOMPARE(settings.Label1->text(), settings.Option3->text());

    settings.Option5->click();
    QVERIFY(card->Frame5->isVisibleTo(card));
    QVERIFY(!card->Frame3->isVisibleTo(card));

    settings.Combo1->setCurrentIndex(0);
    settings.Combo2->setCurrentIndex(0);
    settings.Command6->click();
    QVERIFY2(t.dialogs.texts().isEmpty(), qPrintable(t.dialogs.texts().join(u'|')));
    QVERIFY(!t.screens().loadedForm4());
}

void TestGuides::escapeClosesLikeTheirOwnButtons_data()
{
    QTest::addColumn<bool>("card");
    QTest::newRow("spot details") << true;
    QTest::newRow("hints") << false;
}

void TestGuides::escapeClosesLikeTheirOwnButtons()
{
    QFETCH(bool, card);
    TestGame t;
    GameWindow *window = nullptr;
    if (card) {
        settingsOf(t).Command12->click();
        window = t.screens().loadedForm4();
    } else {
        window = &t.screens().form7();
        t.screens().show(*window);
    }
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(card ? !t.screens().loadedForm4() : !t.screens().loadedForm7());
}

void TestGuides::hintsOpenOnTheSpotHint()
{
    TestGame t;
    Form7 &hints = t.screens().form7();
    QCOMPARE(hints.windowTitle(), QStringLiteral("ナミヨセ-ヒント  　ＭＯＫＵ　KT-93"));
    QCOMPARE(hints.Frame1->title(), QStringLiteral("何を聞きますか？"));
    QCOMPARE(hints.Command1->text(), QStringLiteral("Ｏ　Ｋ"));
    QVERIFY(hints.Option2->isChecked());
    QCOMPARE(hints.Frame2->title(), QStringLiteral("釣り場のヒント"));
    QVERIFY(hints.Command12->isVisibleTo(&hints));
    // The topics stand top to bottom in the boatman's order.
    QStringList order;
    QList<QRadioButton *> topics = hints.Frame1->findChildren<QRadioButton *>();
    std::sort(topics.begin(), topics.end(), [](QRadioButton *a, QRadioButton *b) { return a->y() < b->y(); });
    for (QRadioButton *topic : topics)
        order << topic->objectName() + QLatin1Char(' ') + topic->text();
    QCOMPARE(order,
             (QStringList { QStringLiteral("Option2 釣り場"), QStringLiteral("Option3 満潮・干潮"),
                            QStringLiteral("Option7 水深・潮の流れ"), QStringLiteral("Option1 エサ"),
                            QStringLiteral("Option4 仕掛け"), QStringLiteral("Option5 チヌとエサ取り"),
                            QStringLiteral("Option6 竿先のあたり") }));
}

void TestGuides::eachTopicShowsItsHint_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("mapButton");
    QTest::newRow("Option2")
        << QStringLiteral("Option2") << QStringLiteral("釣り場のヒント")
        << QStringLiteral(
               "釣り場の地図の　　　　　　をクリックすると各釣り場の詳細が見れます。\n各釣り場とも，５０センチ以上が泳いでいます。\nちなみに最大で６６センチのチヌがいるはずですので，夢の６０センチオーバーにチャレンジしてください。")
        << true;
    QTest::newRow("Option3")
        << QStringLiteral("Option3") << QStringLiteral("満潮・干潮に関するヒント")
        << QStringLiteral(
               "干潮から満潮にかけての潮（満ち潮)，\n満潮から干潮にかけての潮（引き潮)\nによって釣果が大きく違ってきます。例えば，満ち潮のときに，釣り場のねらい目が満ち潮の場合は，チヌの食いも良く，反対の場合は食いも悪くエサ取りが多くなってきます。釣り場のねらい目の潮と干潮・満潮時間をよく確認していかだに渡ってください。")
        << false;
    QTest::newRow("Option7")
        << QStringLiteral("Option7") << QStringLiteral("水深・潮の流れに関するヒント")
        << QStringLiteral(
               "水深の深い場所ではあたりが少なくなり，浅いところではあたりが多くなります。\nまた，潮の流れの速い場所ではあたりが少なくなり，ゆるやかなところではあたりが多くなります。")
        << false;
    QTest::newRow("Option1")
        << QStringLiteral("Option1") << QStringLiteral("エサに関するヒント")
        << QStringLiteral(
               "エサは６種類ありますが，その日によって，\n食いの良いエサ=３種類\n食いの悪いエサ=３種類　があります。\nあまりあたりがないようならエサを取り替えるようにしてください。")
        << false;
    QTest::newRow("Option4")
        << QStringLiteral("Option4") << QStringLiteral("仕掛けに関するヒント")
        << QStringLiteral(
               "ハリスの太さ・針の大きさによって，食いがちがってきます。\nしかしあまりハリスを細くしすぎると，せっかく魚がかかってもバラシが多くなります。")
        << false;
    QTest::newRow("Option5")
        << QStringLiteral("Option5") << QStringLiteral("チヌとエサ取りに関するヒント")
        << QStringLiteral(
               "チヌが多い釣り場では，数は釣れますが小型のチヌが多く，エサ取り（チヌ以外の魚)も多くなってきます。\nチヌが少ない釣り場では，釣れる数は少ないかわりに大型のチヌが多く，エサ取り（チヌ以外の魚)も少なくなってきます。\nしかしどの釣り場でも，５０センチ級が釣れた実績があります。")
        << false;
    QTest::newRow("Option6")
        << QStringLiteral("Option6") << QStringLiteral("竿先のあたりに関するヒント")
        << QStringLiteral(
               "魚がエサに食いつくと，竿先にあたり(竿先を押さえる)があります。\n竿先のあたりは一定ではなく，あたりだけではチヌかエサ取りかは区別がつきません。\nしかも，竿先をわずかに押さえただけのあたりで釣れる時もありますし，一回竿先を押さえたあとにもう一回竿先を押さえ込むあたりもあります。")
        << false;
}

// Titles and texts exactly, line breaks included; the map button only with
// the 釣り場 hint.
void TestGuides::eachTopicShowsItsHint()
{
    QFETCH(QString, option);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, mapButton);
    TestGame t;
    Form7 &hints = t.screens().form7();
    hints.Option6->click(); // away from the opening topic first
    hints.option(option)->click();
    QCOMPARE(hints.Frame2->title(), title);
    QCOMPARE(hints.Label1->text(), text);
    QCOMPARE(hints.Command12->isVisibleTo(&hints), mapButton);
}

void TestGuides::mapButtonStandsInTheBlankOfTheFirstLine()
{
    TestGame t;
    Form7 &hints = t.screens().form7();
    const QString text = hints.Label1->text();
    const QString firstLine = text.left(text.indexOf(QLatin1Char('\n')));
    const QFontMetrics metrics(hints.Label1->font());
    // The whole first line fits the label, so the blank stays where it is.
    QVERIFY(metrics.horizontalAdvance(firstLine) <= hints.Label1->width());
    const qsizetype blank = firstLine.indexOf(QChar(0x3000));
    const int blankLeft = hints.Label1->x() + metrics.horizontalAdvance(firstLine.left(blank));
    const int blankRight
        = hints.Label1->x() + metrics.horizontalAdvance(firstLine.left(firstLine.lastIndexOf(QChar(0x3000)) + 1));
    const QRect button = hints.Command12->geometry();
    QVERIFY(button.left() >= blankLeft && button.right() <= blankRight);
    QVERIFY(button.top() >= hints.Label1->y() - 2 && button.bottom() <= hints.Label1->y() + metrics.height() + 2);
}

void TestGuides::okClosesAndTheNextOpeningStartsAgain()
{
    TestGame t;
    Form7 &hints = t.screens().form7();
    hints.Option5->click();
    hints.Command1->click();
    QVERIFY(!t.screens().loadedForm7());
    t.advance(0);
    Form7 &again = t.screens().form7();
    QVERIFY(again.Option2->isChecked());
    QVERIFY(again.Command12->isVisibleTo(&again));
}

QTEST_MAIN(TestGuides)
#include "test_guides.moc"
