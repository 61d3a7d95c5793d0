#include "app/screens.h"
#include "comforts/comfortstexts.h"
#include "mainscreen/form1.h"
#include "mainscreen/mainscreentexts.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "prep/rigrules.h"
#include "prep/rigtexts.h"
#include "support/testgame.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace T = rigtexts;

namespace {

// The leader, hook and bait the rig screen's options stand at, by caption.
QStringList picked(const GameState &s)
{
    return {daylog::displayName(s.Leader), daylog::displayName(s.Hook), daylog::displayName(s.Bait)};
}

// The main screen after crossing with the given target, and the rig screen
// opened from its menu.
Form2 &openRig(TestGame &t, const QString &target)
{
    t.screens().form3();
    t.state().TargetFish = daylog::fishFromCaption(target);
    t.state().EndHour = QStringLiteral("15");
    t.state().DayMinutes = 480;
    Form1 &f = t.screens().form1();
    f.仕掛けを作る->trigger();
    return t.screens().form2();
}

QStringList shownCaptions(const Form2 &rig)
{
    QStringList captions;
    for (int i = 1; i <= 12; ++i)
        if (!rig.option(i)->isHidden())
            captions << rig.option(i)->text();
    return captions;
}

void pickTarget(Form2 &rig, const QString &target)
{
    rig.Command1->click();
    QVERIFY(!rig.Combo1->isHidden());
    const int index = rig.Combo1->findText(target);
    rig.Combo1->setCurrentIndex(index);
    emit rig.Combo1->activated(index);
}

} // namespace

class TestRig : public QObject
{
    Q_OBJECT

private slots:
    void optionsFollowTheTarget_data();
    void optionsFollowTheTarget();
    void completingNeedsEveryChoice_data();
    void completingNeedsEveryChoice();
    void completedRigGoesToTheMainScreen();
    void switchingToMulletKeepsTheChosenLeader();
    void rigChangePreselectsTheRigBeingFished();
    void closeControlIsRefused();
    void arrowKeysChooseInTheirFrame_data();
    void arrowKeysChooseInTheirFrame();
    void enterCompletesTheRig();
};

void TestRig::optionsFollowTheTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("chinu") << T::Chinu() << T::chinuLeaders() + T::chinuHooks() + T::baits();
    QTest::newRow("mullet") << T::Mullet() << QStringList{T::mulletLeader(), T::mulletHook()};
}

void TestRig::optionsFollowTheTarget()
{
    QFETCH(QString, target);
    QFETCH(QStringList, offered);
    TestGame t;
    Form2 &rig = openRig(t, target);
    QCOMPARE(rig.windowTitle(), T::Caption());
    QCOMPARE(rig.Label2->text(), target);
    QVERIFY(rig.Combo1->isHidden());
    QCOMPARE(shownCaptions(rig), offered);

    // And the other way round through the target list.
    const QString other = target == T::Chinu() ? T::Mullet() : T::Chinu();
    pickTarget(rig, other);
    QVERIFY(t.state().TargetFish == daylog::fishFromCaption(other));
    QCOMPARE(rig.Label2->text(), other);
    QCOMPARE(shownCaptions(rig), target == T::Chinu() ? (QStringList{T::mulletLeader(), T::mulletHook()})
                                                      : T::chinuLeaders() + T::chinuHooks() + T::baits());
}

void TestRig::completingNeedsEveryChoice_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QList<int>>("options");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("nothing chosen") << T::Chinu() << QList<int>{} << T::NoLeader();
    QTest::newRow("hook and bait only") << T::Chinu() << QList<int>{5, 8} << T::NoLeader();
    QTest::newRow("no hook") << T::Chinu() << QList<int>{1, 8} << T::NoHook();
    QTest::newRow("chinu without bait") << T::Chinu() << QList<int>{1, 6} << T::NoBait();
    QTest::newRow("mullet without hook") << T::Mullet() << QList<int>{1} << T::NoHook();
    QTest::newRow("mullet needs no bait") << T::Mullet() << QList<int>{1, 4} << QString();
    QTest::newRow("chinu complete") << T::Chinu() << QList<int>{3, 4, 12} << QString();
}

void TestRig::completingNeedsEveryChoice()
{
    QFETCH(QString, target);
    QFETCH(QList<int>, options);
    QFETCH(QString, refusal);
    TestGame t;
    Form2 &rig = openRig(t, target);
    for (int i : options)
        rig.option(i)->click();
    rig.Command2->click();
    if (refusal.isEmpty()) {
        QVERIFY(t.dialogs.shown().empty());
        QVERIFY(!t.screens().loadedForm2());
    } else {
        QCOMPARE(t.dialogs.texts(), QStringList{refusal});
        QCOMPARE(t.dialogs.shown().front().caption, T::Caption());
        QCOMPARE(t.screens().loadedForm2(), &rig);
        QVERIFY(!t.screens().form1().スタート->isEnabled());
    }
}

void TestRig::completedRigGoesToTheMainScreen()
{
    TestGame t;
    Form2 &rig = openRig(t, T::Chinu());
    rig.option(2)->click();
    rig.option(6)->click();
    rig.option(7)->click();
    rig.option(9)->click(); // the last bait clicked counts
    rig.Command2->click();
    Form1 &f = t.screens().form1();
    QCOMPARE((QStringList{f.Label42->text(), f.Label43->text(), f.Label44->text(), f.Label4(0)->text()}),
             (QStringList{T::chinuLeaders().at(1), T::chinuHooks().at(2), T::baits().at(2), T::Chinu()}));
    QCOMPARE(t.state().TargetCode, 1);
    QVERIFY(f.スタート->isEnabled());
    QCOMPARE(f.Command6->text(), T::StartPrompt());
    QVERIFY(!t.screens().loadedForm2());
}

// The leader chosen for chinu stays chosen when the target becomes mullet,
// though the mullet rig offers only its own.
void TestRig::switchingToMulletKeepsTheChosenLeader()
{
    TestGame t;
    Form2 &rig = openRig(t, T::Chinu());
    rig.option(1)->click();
    pickTarget(rig, T::Mullet());
    rig.option(4)->click();
    rig.Command2->click();
    Form1 &f = t.screens().form1();
    QCOMPARE(f.Label42->text(), T::chinuLeaders().at(0));
    QCOMPARE(f.Label43->text(), T::mulletHook());
    QCOMPARE(f.Label44->text(), QString());
    QCOMPARE(f.Label4(0)->text(), T::Mullet());
    QCOMPARE(t.state().TargetCode, 2);
}

void TestRig::rigChangePreselectsTheRigBeingFished()
{
    TestGame t;
    Form2 &first = openRig(t, T::Chinu());
    first.activate(); // nothing to preselect from "未設定"
    for (int i = 1; i <= 12; ++i)
        QVERIFY(!first.option(i)->isChecked());
    first.option(3)->click();
    first.option(5)->click();
    first.option(11)->click();
    first.Command2->click();
    t.advance(0);

    GameState &s = t.state();
    s.Leader = std::nullopt;
    s.Hook = std::nullopt;
    s.Bait = std::nullopt;
    Form1 &f = t.screens().form1();
    f.仕掛けを作る->trigger();
    Form2 &second = t.screens().form2();
    second.activate();
    QVERIFY(second.option(3)->isChecked() && second.option(5)->isChecked() && second.option(11)->isChecked());
    // Preselecting runs the options' own handlers.
    QCOMPARE(picked(s),
             (QStringList{T::chinuLeaders().at(2), T::chinuHooks().at(1), T::baits().at(4)}));

    // A mullet rig is preselected by leader and hook.
    pickTarget(second, T::Mullet());
    second.option(1)->click();
    second.option(4)->click();
    second.Command2->click();
    t.advance(0);
    s.Leader = std::nullopt;
    s.Hook = std::nullopt;
    f.仕掛けを作る->trigger();
    Form2 &third = t.screens().form2();
    QCOMPARE(third.Label2->text(), T::Mullet());
    third.activate();
    QVERIFY(third.option(1)->isChecked() && third.option(4)->isChecked());
    QCOMPARE(picked(s).mid(0, 2), (QStringList{T::mulletLeader(), T::mulletHook()}));
}

void TestRig::closeControlIsRefused()
{
    TestGame t;
    Form2 &rig = openRig(t, T::Chinu());
    QVERIFY(!rig.close());
    // The refusal names the key that does complete the rig.
    QCOMPARE(t.dialogs.texts(), QStringList{T::UseDone() + comfortstexts::RigCloseKey()});
    QCOMPARE(t.screens().loadedForm2(), &rig);
    QVERIFY(rig.isVisible());
}

// In a frame the arrow keys select, as clicks do, and stay in their frame;
// options hidden for the target are passed over.
void TestRig::arrowKeysChooseInTheirFrame_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("stateField");

    const int down = Qt::Key_Down, up = Qt::Key_Up, right = Qt::Key_Right;
    QTest::newRow("leader down twice") << T::Chinu() << 1 << QList<int>{down, down} << 3 << QStringLiteral("leader");
    QTest::newRow("leader stops at the frame's end") << T::Chinu() << 1 << QList<int>{down, down, down, down} << 3
                                                     << QStringLiteral("leader");
    QTest::newRow("hook up from the last") << T::Chinu() << 6 << QList<int>{up} << 5 << QStringLiteral("hook");
    QTest::newRow("bait by right") << T::Chinu() << 7 << QList<int>{right, right} << 9 << QStringLiteral("bait");
    QTest::newRow("an unchosen option chosen at the frame's edge") << T::Chinu() << 1 << QList<int>{up} << 1
                                                                   << QStringLiteral("leader");
}

void TestRig::arrowKeysChooseInTheirFrame()
{
    QFETCH(QString, target);
    QFETCH(int, start);
    QFETCH(QList<int>, keys);
    QFETCH(int, chosen);
    QFETCH(QString, stateField);
    TestGame t;
    Form2 &rig = openRig(t, target);
    rig.option(start)->setFocus();
    for (int key : keys)
        QTest::keyClick(rig.focusWidget(), Qt::Key(key));
    QVERIFY(rig.option(chosen)->isChecked());
    QCOMPARE(rig.focusWidget(), rig.option(chosen));
    const GameState &s = t.state();
    const QString value = picked(s).at(stateField == QLatin1String("leader") ? 0
                                       : stateField == QLatin1String("hook") ? 1
                                                                             : 2);
    QCOMPARE(value, rig.option(chosen)->text());
}

void TestRig::enterCompletesTheRig()
{
    TestGame t;
    Form2 &rig = openRig(t, T::Chinu());
    rig.show();
    rig.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig));
    rig.option(1)->setFocus();
    QTest::keyClick(rig.option(1), Qt::Key_Down);
    rig.option(4)->setFocus();
    QTest::keyClick(rig.option(4), Qt::Key_Down);
    rig.option(7)->setFocus();
    QTest::keyClick(rig.option(7), Qt::Key_Space);
    QTest::keyClick(&rig, Qt::Key_Return);
    Form1 &f = t.screens().form1();
    QCOMPARE((QStringList{f.Label42->text(), f.Label43->text(), f.Label44->text()}),
             (QStringList{T::chinuLeaders().at(1), T::chinuHooks().at(1), T::baits().at(0)}));
    QVERIFY(!t.screens().loadedForm2());
}

QTEST_MAIN(TestRig)
#include "test_rig.moc"
