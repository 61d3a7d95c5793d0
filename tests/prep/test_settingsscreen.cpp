#include "app/game.h"
#include "app/screens.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "platform/textfiles.h"
#include "support/testgame.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QByteArray hamada("\x95\x6c\x93\x63"); // 浜田 in CP932
const QByteArray isono("\x88\xe9\x96\xec"); // 磯野

QString listPath(TestGame &t)
{
    return t.dir() + QStringLiteral("/fishingdata/釣り人.txt");
}

void writeList(TestGame &t, const QByteArray &bytes)
{
    QDir(t.dir()).mkpath(QStringLiteral("fishingdata"));
    QFile file(listPath(t));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray listBytes(TestGame &t)
{
    QFile file(listPath(t));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// The settings screen as the program opens it, with tides drawn from x = 4.
Form3 &openSettings(TestGame &t)
{
    t.random.pushDraw(4, 12);
    Form3 &settings = t.screens().form3();
    t.screens().show(settings);
    return settings;
}

// Raft 大浜, target and 15時まで chosen through the screen's own buttons,
// once a name stands in the name box.
void chooseEverything(Form3 &settings)
{
    settings.Command1->click();
    settings.Option3->click();
    settings.Command2->click();
    settings.Command3->click();
    settings.Combo2->setCurrentIndex(2);
}

// The settings screen on the desktop with the keys, as the program opens it.
bool activate(Form3 &settings)
{
    settings.activateWindow();
    return QTest::qWaitForWindowActive(&settings);
}

// The control the keys go to (the name box for its own line).
QString keyboardAt()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox *>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

} // namespace

Q_DECLARE_METATYPE(comforts::LastOuting)

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private slots:
    void loadPreparesTheDay_data();
    void loadPreparesTheDay();
    void onlySafeNamesAreOffered();
    void controlsCarryTheGameCaptions();
    void buttonsNeedTheirChoices_data();
    void buttonsNeedTheirChoices();
    void choosingRaftTargetAndEndTime();
    void detailButtonChoosesItsRaft_data();
    void detailButtonChoosesItsRaft();
    void crossingIsRefusedInOrder_data();
    void crossingIsRefusedInOrder();
    void crossingOpensTheMainScreen_data();
    void crossingOpensTheMainScreen();
    void unwritableListStillLetsTheAnglerCross();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void menuOpensPastRecordsAndHints();
    void keysGoWhereTheNextChoiceIs_data();
    void keysGoWhereTheNextChoiceIs();
    void tabFollowsTheSteps();
    void lastCrossingIsOfferedAgain_data();
    void lastCrossingIsOfferedAgain();
};

void TestSettingsScreen::loadPreparesTheDay_data()
{
    QTest::addColumn<bool>("wavesShipped");
    QTest::addColumn<bool>("listPresent");
    QTest::newRow("first run, waves beside the program") << true << false;
    QTest::newRow("anglers listed, no waves anywhere") << false << true;
}

void TestSettingsScreen::loadPreparesTheDay()
{
    QFETCH(bool, wavesShipped);
    QFETCH(bool, listPresent);
    TestGame t;
    if (wavesShipped)
        t.placeSourceWaves();
    if (listPresent)
        writeList(t, QByteArray(" 2 \r\n") + isono + "\r\n" + hamada + "\r\n");
    Form3 &settings = openSettings(t);

    QCOMPARE(t.state().AppDir, t.dir());
    QCOMPARE(t.random.reseeds(), 1);
    QCOMPARE(t.random.lastSeed(), quint64(t.clock.now().toMSecsSinceEpoch()));
    QCOMPARE(t.random.overruns(), 0);
    // Narrow: only the name and the menu column.
    QVERIFY(!settings.isWide());
    QVERIFY(!settings.Frame2->isVisible());
    QVERIFY(!settings.Command6->isEnabled());
    const QStringList tides { settings.Label5->text(), settings.Label6->text(), settings.Label7->text(),
                              settings.Label8->text() };
    QCOMPARE(tides,
             (QStringList { QStringLiteral("4"), QStringLiteral("16"), QStringLiteral("10"), QStringLiteral("22") }));
    QStringList offered;
    for (int i = 0; i < settings.Combo3->count(); ++i)
        offered << settings.Combo3->itemText(i);
    const QStringList listed
        = listPresent ? QStringList { QStringLiteral("磯野"), QStringLiteral("浜田") } : QStringList();
    QCOMPARE(offered, listed);
    QCOMPARE(t.state().AnglerNames, listed);
    QVERIFY(settings.Combo3->currentText().isEmpty());
    QVERIFY(QFileInfo(t.dir() + QStringLiteral("/fishingdata")).isDir());
    for (const QString &wave :
         { QStringLiteral("スタート"), QStringLiteral("ばらし"), QStringLiteral("あたり"), QStringLiteral("チヌ30") })
        QCOMPARE(QFile::exists(t.dir() + QStringLiteral("/sounds/NamiyoseV1") + wave + QStringLiteral(".wav")),
                 wavesShipped);
    QVERIFY(t.dialogs.shown().empty());
}

// Lines of the list that could not be typed as a name are never offered,
// and loading leaves the list as it was.
void TestSettingsScreen::onlySafeNamesAreOffered()
{
    TestGame t;
    QByteArray list(" -1 \r\n..\r\n../..\r\n");
    for (const QString &line : { QStringLiteral("../外1"), QStringLiteral("チヌ記録.txt"), QStringLiteral("浜田"),
                                 QStringLiteral("釣り人.txt"), QStringLiteral("磯野") })
        list += cp932::encode(line) + "\r\n";
    writeList(t, list);
    Form3 &settings = openSettings(t);
    QStringList offered;
    for (int i = 0; i < settings.Combo3->count(); ++i)
        offered << settings.Combo3->itemText(i);
    QCOMPARE(offered, (QStringList { QStringLiteral("浜田"), QStringLiteral("磯野") }));
    QCOMPARE(t.state().AnglerNames, offered);
    QCOMPARE(listBytes(t), list);
    QVERIFY(t.dialogs.shown().empty());
}

void TestSettingsScreen::controlsCarryTheGameCaptions()
{
    TestGame t;
    Form3 &s = openSettings(t);
    QCOMPARE(s.objectName(), QStringLiteral("Form3"));
    QCOMPARE(s.windowTitle(), QStringLiteral("ナミヨセ-設定  　ＭＯＫＵ　KT-93"));
    const QList<QPair<QWidget *, QString>> captions {
        { s.Label9, QStringLiteral("釣り人") },
        { s.Frame1, QStringLiteral("設定メニュー") },
        { s.Command1, QStringLiteral("場所の選択") },
        { s.Command2, QStringLiteral("狙う魚") },
        { s.Command3, QStringLiteral("時間の設定") },
        { s.Command4, QStringLiteral("現在までの記録") },
        { s.Command5, QStringLiteral("船頭にヒントを聞く") },
        { s.Command7, QStringLiteral("釣りを終わる") },
        { s.Command6, QStringLiteral("いかだへ渡る") },
        { s.Frame3, QStringLiteral("釣り場の選択") },
        { s.Label2, QStringLiteral("7時から") },
        { s.Label16, QStringLiteral("現在時間:午前7時") },
    };
    for (const auto &[widget, caption] : captions) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            text = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            text = frame->title();
        QCOMPARE(text, caption);
        QCOMPARE(s.findChild<QWidget *>(widget->objectName()), widget);
    }
    const QStringList tideRows { s.Label3->text(),  s.Label10->text(), s.Label4->text(),  s.Label12->text(),
                                 s.Label14->text(), s.Label11->text(), s.Label15->text(), s.Label13->text() };
    QCOMPARE(tideRows,
             (QStringList { QStringLiteral("満潮 :"), QStringLiteral("時"), QStringLiteral("干潮 :"),
                            QStringLiteral("時"), QStringLiteral("満潮 :"), QStringLiteral("時"),
                            QStringLiteral("干潮 :"), QStringLiteral("時") }));
    const QStringList rafts { QStringLiteral("湾入り口"), QStringLiteral("北の離れ"), QStringLiteral("大浜"),
                              QStringLiteral("南の離れ"), QStringLiteral("鴨の越し") };
    const QList<QPushButton *> details { s.Command12, s.Command8, s.Command9, s.Command10, s.Command11 };
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(s.option(k)->text(), rafts.at(k - 1));
        QVERIFY(details.at(k - 1)->text().isEmpty());
        QCOMPARE(details.at(k - 1)->toolTip(), QStringLiteral("クリックすると詳細が表示されます"));
    }
    QStringList fish, ends;
    for (int i = 0; i < s.Combo1->count(); ++i)
        fish << s.Combo1->itemText(i);
    for (int i = 0; i < s.Combo2->count(); ++i)
        ends << s.Combo2->itemText(i);
    QCOMPARE(fish, (QStringList { QStringLiteral("チヌ"), QStringLiteral("ボラ") }));
    QCOMPARE(ends,
             (QStringList { QStringLiteral("10時まで"), QStringLiteral("12時まで"), QStringLiteral("15時まで"),
                            QStringLiteral("17時まで") }));
    QVERIFY(s.Combo1->currentText().isEmpty() && s.Combo2->currentText().isEmpty());
}

void TestSettingsScreen::buttonsNeedTheirChoices_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("raft choice without a name")
        << QString() << QStringLiteral("Command1") << QStringLiteral("釣り人名を入力してください。");
    QTest::newRow("raft choice with blanks only")
        << QStringLiteral(" \u3000") << QStringLiteral("Command1") << QStringLiteral("釣り人名を入力してください。");
    QTest::newRow("target before a raft")
        << QStringLiteral("浜田") << QStringLiteral("Command2") << QStringLiteral("場所を選択してください。");
    QTest::newRow("end time before a raft")
        << QStringLiteral("浜田") << QStringLiteral("Command3") << QStringLiteral("場所を選択してください。");
}

// A button whose choice is missing says so, with OK only, and changes nothing.
void TestSettingsScreen::buttonsNeedTheirChoices()
{
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QString, message);
    TestGame t;
    Form3 &s = openSettings(t);
    s.Combo3->setEditText(name);
    if (button != QLatin1String("Command1"))
        s.Command1->click();
    s.findChild<QPushButton *>(button)->click();
    QCOMPARE(t.dialogs.texts(), QStringList { message });
    QCOMPARE(t.dialogs.shown().front().caption, s.windowTitle());
    QCOMPARE(t.dialogs.shown().front().buttons, MessageButtons::Ok);
    QCOMPARE(s.isWide(), button != QLatin1String("Command1"));
    QVERIFY(!s.Combo1->isVisibleTo(&s) && !s.Combo2->isVisibleTo(&s) && !s.Label2->isVisibleTo(&s));
    QVERIFY(!t.state().TargetFish);
}

void TestSettingsScreen::choosingRaftTargetAndEndTime()
{
    TestGame t;
    Form3 &s = openSettings(t);
    const QSize narrow = s.size();
    s.Combo3->setEditText(QStringLiteral("浜田"));
    s.Command1->click();
    QVERIFY(s.isWide());
    QVERIFY(s.width() > narrow.width() && s.width() <= 1280 && s.height() <= 800);
    QVERIFY(s.Frame2->isVisible() && s.Frame3->isVisible());
    QVERIFY(s.Command6->isEnabled());
    QVERIFY(s.Label1->text().isEmpty());

    s.Option4->click();
    QCOMPARE(s.Label1->text(), s.Option4->text());
    QCOMPARE(t.state().SpotNo, 4);
    s.Command2->click();
    QVERIFY(s.Combo1->isVisible());
    QCOMPARE(s.Combo1->currentText(), QStringList({ QStringLiteral("チヌ"), QStringLiteral("ボラ") }).first());
    QVERIFY(t.state().TargetFish == daylog::fishFromCaption(s.Combo1->currentText()));
    s.Combo1->setCurrentIndex(1);
    QVERIFY(t.state().TargetFish == daylog::fishFromCaption(s.Combo1->itemText(1)));
    s.Command3->click();
    QVERIFY(s.Label2->isVisible() && s.Combo2->isVisible());
    const QList<int> minutes { 180, 300, 480, 600 };
    for (int i = 0; i < 4; ++i) {
        s.Combo2->setCurrentIndex(i);
        QCOMPARE(t.state().DayMinutes, minutes.at(i));
    }
    QVERIFY(t.dialogs.shown().empty());
}

void TestSettingsScreen::detailButtonChoosesItsRaft_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("spotNo");
    QTest::newRow("Command12") << QStringLiteral("Command12") << 1;
    QTest::newRow("Command8") << QStringLiteral("Command8") << 2;
    QTest::newRow("Command9") << QStringLiteral("Command9") << 3;
    QTest::newRow("Command10") << QStringLiteral("Command10") << 4;
    QTest::newRow("Command11") << QStringLiteral("Command11") << 5;
}

// A detail button chooses its raft as well as opening its card.
void TestSettingsScreen::detailButtonChoosesItsRaft()
{
    QFETCH(QString, button);
    QFETCH(int, spotNo);
    TestGame t;
    Form3 &s = openSettings(t);
    s.Combo3->setEditText(QStringLiteral("浜田"));
    s.Command1->click();
    s.Option1->click();
    s.findChild<QPushButton *>(button)->click();
    QCOMPARE(t.state().SpotNo, spotNo);
    QVERIFY(s.option(spotNo)->isChecked());
    QCOMPARE(s.Label1->text(), s.option(spotNo)->text());
    Form4 *card = t.screens().loadedForm4();
    QVERIFY(card && card->isVisible());
    QVERIFY(card->frame(spotNo)->isVisibleTo(card));
}

void TestSettingsScreen::crossingIsRefusedInOrder_data()
{
    QTest::addColumn<int>("chosen"); // 0 nothing, 1 raft, 2 raft and target, 3 all three
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("no raft") << 0 << QStringLiteral("a/b") << QStringLiteral("場所を選択してください。");
    QTest::newRow("no target") << 1 << QStringLiteral("a/b") << QStringLiteral("狙う魚を選択してください。");
    QTest::newRow("no end time") << 2 << QStringLiteral("a/b") << QStringLiteral("終わりの時間を選択してください。");
    QTest::newRow("name cleared") << 3 << QStringLiteral("  ") << QStringLiteral("釣り人名を入力してください。");
    QTest::newRow("path separator") << 3 << QStringLiteral("a/b") << QStringLiteral("/");
    QTest::newRow("parent folder") << 3 << QStringLiteral("..") << QStringLiteral("..");
    QTest::newRow("every angler") << 3 << QStringLiteral("すべて") << QStringLiteral("すべて");
    QTest::newRow("not in CP932") << 3 << QStringLiteral("김") << QStringLiteral("김");
    QTest::newRow("the record file's name") << 3 << QStringLiteral("チヌ記録.txt") << QStringLiteral("チヌ記録.txt");
    QTest::newRow("the list's backup, full width")
        << 3 << QStringLiteral("釣り人．ＴＸＴ.bak") << QStringLiteral("釣り人．ＴＸＴ.bak");
    QTest::newRow("changes on the way back") << 3 << QStringLiteral("\uF86F") << QStringLiteral("\uF86F");
}

// Each missing choice stops the crossing with its message, in this order,
// and a refused name stops it before anything is written or opened.
void TestSettingsScreen::crossingIsRefusedInOrder()
{
    QFETCH(int, chosen);
    QFETCH(QString, name);
    QFETCH(QString, message);
    TestGame t;
    Form3 &s = openSettings(t);
    s.Combo3->setEditText(QStringLiteral("浜田"));
    s.Command1->click();
    if (chosen >= 1)
        s.Option2->click();
    if (chosen >= 2)
        s.Command2->click();
    if (chosen >= 3) {
        s.Command3->click();
        s.Combo2->setCurrentIndex(0);
    }
    s.Combo3->setEditText(name);
    s.Command6->click();
    QCOMPARE(t.dialogs.shown().size(), std::size_t(1));
    const QString shown = t.dialogs.texts().first();
    if (chosen < 3 || message.endsWith(QChar(0x3002)))
        QCOMPARE(shown, message);
    else
        QVERIFY2(shown.contains(QStringLiteral("「") + message + QStringLiteral("」")), qPrintable(shown));
    QVERIFY(!t.screens().loadedForm1());
    QCOMPARE(t.screens().loadedForm3(), &s);
    QVERIFY(!QFile::exists(listPath(t)));
    QVERIFY(t.state().AnglerName.isEmpty());
}

void TestSettingsScreen::crossingOpensTheMainScreen_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no list yet
    QTest::addColumn<QString>("typed"); // empty: pick the first listed name
    QTest::addColumn<QString>("angler");
    QTest::addColumn<QByteArray>("after");
    const QByteArray two = QByteArray(" 2 \r\n") + hamada + "\r\n" + isono + "\r\n";
    QTest::newRow("first angler starts the list")
        << QByteArray() << QStringLiteral("浜田") << QStringLiteral("浜田") << QByteArray(" 1 \r\n") + hamada + "\r\n";
    QTest::newRow("new angler goes last") << QByteArray(" 1 \r\n") + hamada + "\r\n"
                                          << QStringLiteral("磯野") << QStringLiteral("磯野") << two;
    QTest::newRow("picked from the list") << two << QString() << QStringLiteral("浜田") << two;
    QTest::newRow("typed with blanks around") << two << QStringLiteral(" 磯野\u3000") << QStringLiteral("磯野") << two;
    QTest::newRow("wave dash as the files write it")
        << QByteArray() << QStringLiteral("なみ\u301C") << QStringLiteral("なみ\uFF5E")
        << QByteArray(" 1 \r\n\x82\xc8\x82\xdd\x81\x60\r\n");
}

// Crossing sets the end hour on the main screen, registers the angler,
// shows the main screen and closes the settings screen.
void TestSettingsScreen::crossingOpensTheMainScreen()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(QString, angler);
    QFETCH(QByteArray, after);
    TestGame t;
    if (!before.isEmpty())
        writeList(t, before);
    Form3 &s = openSettings(t);
    if (typed.isEmpty())
        s.Combo3->setCurrentIndex(0);
    else
        s.Combo3->setEditText(typed);
    chooseEverything(s);
    s.Command6->click();

    QVERIFY(t.dialogs.shown().empty());
    QCOMPARE(t.state().AnglerName, angler);
    QCOMPARE(t.state().EndHour, QStringLiteral("15"));
    QCOMPARE(t.state().SpotNo, 3);
    Form1 *main = t.screens().loadedForm1();
    QVERIFY(main && main->isVisible());
    if (main->Label46) // the main screen's controls arrive with the main screen itself
        QCOMPARE(main->Label46->text(), QStringLiteral("15:00"));
    QVERIFY(!t.screens().loadedForm3());
    QCOMPARE(listBytes(t), after);
    t.advance(0); // the settings screen is gone for good
    QVERIFY(t.screens().loadedForm1());
}

void TestSettingsScreen::unwritableListStillLetsTheAnglerCross()
{
    TestGame t;
    QDir(t.dir()).mkpath(QStringLiteral("fishingdata/釣り人.txt")); // a folder where the list belongs
    Form3 &s = openSettings(t);
    s.Combo3->setEditText(QStringLiteral("浜田"));
    chooseEverything(s);
    s.Command6->click();
    QCOMPARE(t.dialogs.shown().size(), std::size_t(1));
    QCOMPARE(t.dialogs.shown().front().icon, MessageIcon::Warning);
    QVERIFY(t.dialogs.texts().first().contains(QStringLiteral("釣り人.txt")));
    QVERIFY(t.screens().loadedForm1());
    QVERIFY(!t.screens().loadedForm3());
}

void TestSettingsScreen::closingEndsTheProgram_data()
{
    QTest::addColumn<bool>("byCloseControl");
    QTest::newRow("close control") << true;
    QTest::newRow("Command7") << false;
}

void TestSettingsScreen::closingEndsTheProgram()
{
    QFETCH(bool, byCloseControl);
    TestGame t;
    Form3 &s = openSettings(t);
    if (byCloseControl)
        s.close();
    else
        s.Command7->click();
    QVERIFY(t.game().ending());
    QVERIFY(!t.screens().loadedForm3());
    QVERIFY(!t.screens().loadedForm1());
    QVERIFY(t.dialogs.shown().empty());
}

void TestSettingsScreen::menuOpensPastRecordsAndHints()
{
    TestGame t;
    Form3 &s = openSettings(t);
    s.Command4->click();
    QVERIFY(t.screens().loadedForm6() && t.screens().loadedForm6()->isVisible());
    s.Command5->click();
    QVERIFY(t.screens().loadedForm7() && t.screens().loadedForm7()->isVisible());
    QVERIFY(s.isVisible());
}

// The keys start in the name box, and a button that opens the map or a
// list hands the keys to what it opened.
void TestSettingsScreen::keysGoWhereTheNextChoiceIs_data()
{
    QTest::addColumn<int>("steps"); // buttons pressed: 場所の選択, 狙う魚, 時間の設定
    QTest::addColumn<QString>("focus");
    QTest::newRow("the screen opens") << 0 << QStringLiteral("Combo3");
    QTest::newRow("場所の選択 opens the map") << 1 << QStringLiteral("Option1");
    QTest::newRow("狙う魚 opens its list") << 2 << QStringLiteral("Combo1");
    QTest::newRow("時間の設定 opens its list") << 3 << QStringLiteral("Combo2");
}

void TestSettingsScreen::keysGoWhereTheNextChoiceIs()
{
    QFETCH(int, steps);
    QFETCH(QString, focus);
    TestGame t;
    Form3 &s = openSettings(t);
    QVERIFY(activate(s));
    if (steps >= 1) {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Taro"));
        QCOMPARE(s.Combo3->currentText(), QStringLiteral("Taro"));
        s.Command1->click();
    }
    if (steps >= 2) {
        s.Option2->click();
        s.Command2->click();
    }
    if (steps >= 3)
        s.Command3->click();
    QCOMPARE(keyboardAt(), focus);
}

// Tab follows the steps of the screen, every stop one the angler can see:
// the name, 場所の選択, the chosen raft, 狙う魚 and its list, 時間の設定
// and its list, いかだへ渡る, the rest of the menu, 統計 and 設定. The
// magnifiers are the mouse's; Enter on a raft's name opens its details.
void TestSettingsScreen::tabFollowsTheSteps()
{
    TestGame t;
    Form3 &s = openSettings(t);
    QVERIFY(activate(s));
    s.Combo3->setEditText(QStringLiteral("浜田"));
    s.Command1->click();
    QTest::mouseClick(s.Option3, Qt::LeftButton);
    s.Command2->click();
    s.Command3->click();
    s.Combo3->setFocus(Qt::TabFocusReason);
    QStringList stops;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w && w->isVisible());
        stops << keyboardAt();
    }
    QCOMPARE(stops,
             (QStringList { QStringLiteral("Command1"), QStringLiteral("Option3"), QStringLiteral("Command2"),
                            QStringLiteral("Combo1"), QStringLiteral("Command3"), QStringLiteral("Combo2"),
                            QStringLiteral("Command6"), QStringLiteral("Command4"), QStringLiteral("Command5"),
                            QStringLiteral("Command7"), QStringLiteral("統計"), QStringLiteral("設定"),
                            QStringLiteral("Combo3") }));

    s.Option3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(s.Option3, Qt::Key_Return);
    Form4 *card = t.screens().loadedForm4();
    QVERIFY(card && card->isVisible());
    QVERIFY(card->frame(3)->isVisibleTo(card));
    QCOMPARE(t.state().SpotNo, 3);
}

// The last crossing's angler, raft, fish and end time come back as the
// choices offered; what the screen does not list is not offered, and a
// crossing keeps what it chose.
void TestSettingsScreen::lastCrossingIsOfferedAgain_data()
{
    QTest::addColumn<comforts::LastOuting>("kept");
    QTest::addColumn<QStringList>("offered"); // name, raft, fish, end time
    QTest::newRow("nothing kept") << comforts::LastOuting {}
                                  << QStringList { QString(), QString(), QStringLiteral("チヌ"), QString() };
    QTest::newRow("the last crossing")
        << comforts::LastOuting { QStringLiteral("浜田"), 4, QStringLiteral("ボラ"), QStringLiteral("12時まで") }
        << QStringList { QStringLiteral("浜田"), QStringLiteral("南の離れ"), QStringLiteral("ボラ"),
                         QStringLiteral("12時まで") };
    QTest::newRow("choices the screen does not have")
        << comforts::LastOuting { QStringLiteral("Ken"), 0, QStringLiteral("タイ"), QStringLiteral("9時まで") }
        << QStringList { QStringLiteral("Ken"), QString(), QStringLiteral("チヌ"), QString() };
}

void TestSettingsScreen::lastCrossingIsOfferedAgain()
{
    QFETCH(comforts::LastOuting, kept);
    QFETCH(QStringList, offered);
    TestGame t;
    writeList(t, QByteArray(" 2 \r\n") + isono + "\r\n" + hamada + "\r\n");
    t.game().lastOuting = kept;
    std::vector<comforts::LastOuting> written;
    t.game().keepOuting = [&](const comforts::LastOuting &outing) { written.push_back(outing); };
    Form3 &s = openSettings(t);
    QCOMPARE(s.Combo3->currentText(), offered.at(0));
    QCOMPARE(s.Combo3->lineEdit()->selectedText(), offered.at(0));
    if (offered.at(0).isEmpty())
        s.Combo3->setEditText(QStringLiteral("磯野"));
    s.Command1->click();
    QCOMPARE(s.Label1->text(), offered.at(1));
    if (offered.at(1).isEmpty())
        s.Option1->click();
    s.Command2->click();
    QCOMPARE(s.Combo1->currentText(), offered.at(2));
    QVERIFY(t.state().TargetFish == daylog::fishFromCaption(offered.at(2)));
    s.Command3->click();
    QCOMPARE(s.Combo2->currentText(), offered.at(3));
    if (offered.at(3).isEmpty())
        s.Combo2->setCurrentIndex(3);
    QVERIFY(written.empty());

    const comforts::LastOuting crossed { s.Combo3->currentText(), t.state().SpotNo, s.Combo1->currentText(),
                                         s.Combo2->currentText() };
    s.Command6->click();
    QVERIFY(t.screens().loadedForm1());
    QCOMPARE(written.size(), std::size_t(1));
    QCOMPARE(written.front(), crossed);
    QCOMPARE(t.game().lastOuting, crossed);
}

QTEST_MAIN(TestSettingsScreen)
#include "test_settingsscreen.moc"
