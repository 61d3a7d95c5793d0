#include "support/testgame.h"

#include "app/screens.h"
#include "mainscreen/form1.h"
#include "platform/picturebox.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "records/form5.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Presses a key where the keyboard is: the focused control of the active window.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class TestKeyboardDay : public QObject
{
    Q_OBJECT

private slots:
    void wholeDayByKeysAlone();
};

// The rig, the start, cycles of the day, the boatman and the save, played
// with key presses only (the window manager hands the focus back to the
// main screen when the rig screen closes).
void TestKeyboardDay::wholeDayByKeysAlone()
{
    TestGame t;
    GameState &st = t.state();
    st.AnglerName = QStringLiteral("Taro");
    st.SpotNo = 3;
    st.EndHour = QStringLiteral("10");
    st.DayMinutes = 180;
    st.TargetFish = daylog::Fish::Chinu;
    Form3 &settings = t.screens().form3();
    Day &day = settings.game().day;
    day.tides.firstHigh = 6;
    day.tides.secondHigh = 18;
    day.tides.earlierLow = 12;
    day.tides.laterLow = 24;
    Form1 &f = t.screens().form1();
    f.day().goodBaits = {daylog::Bait::Boke, daylog::Bait::Ebi, daylog::Bait::Kani};
    t.screens().show(f);
    QVERIFY(activate(&f));

    // R: the rig screen. Tab into each frame, an arrow chooses, Enter completes.
    press(Qt::Key_R);
    Form2 *rig = t.screens().loadedForm2();
    QVERIFY(rig);
    QVERIFY(activate(rig));
    const auto tabInto = [&](const QWidget *frame) {
        for (int i = 0; i < 30 && !(QApplication::focusWidget() && frame->isAncestorOf(QApplication::focusWidget())); ++i)
            press(Qt::Key_Tab);
        QVERIFY(frame->isAncestorOf(QApplication::focusWidget()));
    };
    tabInto(rig->Frame1);
    press(Qt::Key_Down); // 2号
    tabInto(rig->Frame2);
    press(Qt::Key_Down); // 4号
    tabInto(rig->Frame3);
    press(Qt::Key_Down); // ボケ
    press(Qt::Key_Return);
    QVERIFY(!t.screens().loadedForm2());
    QCOMPARE((QStringList{f.Label42->text(), f.Label43->text(), f.Label44->text()}),
             (QStringList{s("2号"), s("4号"), s("ボケ")}));
    QVERIFY(activate(&f));

    // S starts the day; the focus is on the drop.
    press(Qt::Key_S);
    QVERIFY(f.Timer時間管理->isEnabled());
    QCOMPARE(QApplication::focusWidget(), f.Command1);

    // Space drops, the ball breaks by itself, a 40 cm chinu bites: Space strikes.
    const auto pushTick = [&](int n, int v3, int v4, int v5, int v6, int v7, int w) {
        for (auto [k, m] : {std::pair{16, 16}, {12, 12}, {n, 8}, {1, 3}, {v3, 10}, {v4, 15}, {v5, 5},
                            {v6 < 0 ? 2 : 1, 3}, {v7, 10}, {w, 5}})
            t.random.pushDraw(k, m);
    };
    t.random.pushDraw(1, 5);
    press(Qt::Key_Space);
    t.advance(3000);
    pushTick(3, 1, 1, 1, 1, 1, 1);
    t.advance(1000);
    pushTick(2, 3, 12, 5, 1, 1, 1);
    t.advance(1000);
    t.random.pushDraw(2, 10);
    t.random.pushDraw(1, 5);
    t.advance(800 + 1500 + 500);
    QCOMPARE(QApplication::focusWidget(), f.Command3);
    press(Qt::Key_Space);
    t.random.pushDraw(1, 20);
    t.advance(100 * (4 * 8 + 1) + 2000);
    QCOMPARE(f.List1->count(), 1);
    // Enter on the landed chinu's O K.
    QCOMPARE(QApplication::focusWidget(), f.Command4);
    press(Qt::Key_Return);
    QVERIFY(f.Picture1(0)->isHidden());

    // The letter keys: Z drops, X breaks, C strikes (too early here).
    t.random.pushDraw(4, 5);
    press(Qt::Key_Z);
    press(Qt::Key_X);
    pushTick(1, 3, 5, 1, 1, 1, 3);
    t.advance(1000);
    press(Qt::Key_C);
    QCOMPARE(t.dialogs.texts().last(), s("残念 あわせが早すぎました。"));
    QCOMPARE(t.random.remaining(), 0);

    // The boatman at 10:00, then Ctrl+S: today's catch, saved with Ctrl+S.
    t.advance(181000);
    QVERIFY(t.dialogs.texts().last().startsWith(s("船頭: 時間が来ました。")));
    QVERIFY(f.釣果を保存->isEnabled());
    press(Qt::Key_S, Qt::ControlModifier);
    Form5 *today = t.screens().loadedForm5();
    QVERIFY(today);
    QCOMPARE(today->Label7->text(), QStringLiteral("40"));
    QVERIFY(activate(today));
    t.dialogs.clear();
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(today->SavedFlag, 1);

    // Ctrl+R: the past records, with the day just saved.
    press(Qt::Key_R, Qt::ControlModifier);
    QVERIFY(t.screens().loadedForm6() && t.screens().loadedForm6()->isVisible());
}

QTEST_MAIN(TestKeyboardDay)
#include "test_keyboardday.moc"
