#include "app/gamewindow.h"
#include "app/screens.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "support/testgame.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTest>

namespace {

class ProbeWindow : public GameWindow
{
public:
    explicit ProbeWindow(Game &game) : GameWindow(game, QStringLiteral("Probe")) {}
    bool queryUnload(bool byCloseControl) override
    {
        asked << byCloseControl;
        return refuse;
    }
    void activate() override { ++activations; }
    QList<bool> asked;
    bool refuse = true;
    int activations = 0;
};

} // namespace

class TestGameWindows : public QObject
{
    Q_OBJECT

private slots:
    void closeControlAsksAndMayBeRefused();
    void activationRunsActivate();
    void registryCreatesOnceAndAnewAfterUnload();
    void endingClosesEveryWindowWithoutAsking();
    void messagesCarryTheWindowCaption();
    void sessionEndIsNotRefusedLikeTheCloseControl_data();
    void sessionEndIsNotRefusedLikeTheCloseControl();
};

void TestGameWindows::closeControlAsksAndMayBeRefused()
{
    TestGame t;
    ProbeWindow w(t.game());
    w.show();
    QVERIFY(!w.close()); // the window's close control
    QVERIFY(w.isVisible());
    QCOMPARE(w.asked, QList<bool>{true});
    w.refuse = false;
    QVERIFY(w.closeFromCode());
    QCOMPARE(w.asked, (QList<bool>{true, false}));
}

void TestGameWindows::activationRunsActivate()
{
    TestGame t;
    ProbeWindow w(t.game());
    w.show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);
    QVERIFY(w.activations >= 1);
}

void TestGameWindows::registryCreatesOnceAndAnewAfterUnload()
{
    TestGame t;
    QVERIFY(!t.screens().loadedForm7());
    Form7 &first = t.screens().form7();
    QCOMPARE(&t.screens().form7(), &first);
    QCOMPARE(first.objectName(), QStringLiteral("Form7"));
    QPointer<Form7> old(&first);
    QVERIFY(t.screens().unload(first));
    QVERIFY(!t.screens().loadedForm7());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    QVERIFY(&t.screens().form7() != nullptr);
}

void TestGameWindows::endingClosesEveryWindowWithoutAsking()
{
    TestGame t;
    auto *w = new ProbeWindow(t.game());
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    t.screens().show(t.screens().form7());
    t.game().endProgram();
    QVERIFY(t.game().ending());
    QVERIFY(!t.screens().loadedForm7());
    QVERIFY(t.scheduler.stopped());
    QVERIFY(w->close()); // no longer asks once the program ends
    QVERIFY(w->asked.isEmpty());
}

void TestGameWindows::messagesCarryTheWindowCaption()
{
    TestGame t;
    ProbeWindow w(t.game());
    w.setWindowTitle(QStringLiteral("ナミヨセ-テスト"));
    t.dialogs.answer(AnswerNo);
    QCOMPARE(w.message(QStringLiteral("よろしいですか？"), MessageButtons::YesNo), int(AnswerNo));
    QCOMPARE(t.dialogs.shown().back().caption, QStringLiteral("ナミヨセ-テスト"));
}

// The main screen refuses the angler's close control; a logout or shutdown
// is not refused: the program ends without a word.
void TestGameWindows::sessionEndIsNotRefusedLikeTheCloseControl_data()
{
    QTest::addColumn<bool>("sessionEnds");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("close control") << false
                                   << QStringList{QStringLiteral("納竿ボタンで終了してください。\n（キーボードでは Ctrl+Q）")};
    QTest::newRow("session ends") << true << QStringList{};
}

void TestGameWindows::sessionEndIsNotRefusedLikeTheCloseControl()
{
    QFETCH(bool, sessionEnds);
    QFETCH(QStringList, messages);
    TestGame t;
    Form1 &main = t.screens().form1();
    t.screens().show(main);
    if (sessionEnds)
        t.game().endSession();
    else
        QVERIFY(!main.close());
    QCOMPARE(t.dialogs.texts(), messages);
    QCOMPARE(t.game().ending(), sessionEnds);
    QCOMPARE(t.scheduler.stopped(), sessionEnds);
    QCOMPARE(t.screens().loadedForm1() != nullptr, !sessionEnds);
}

QTEST_MAIN(TestGameWindows)
#include "test_gamewindows.moc"
