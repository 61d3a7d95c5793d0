#include "platform/platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void timerTicksEveryIntervalWhileEnabled();
    void assigningIntervalRestartsRunningCountdown();
    void enablingRunningTimerKeepsItsCountdown();
    void ticksWaitBehindMessageBoxAndComeAsOne();
    void timerDoesNotReenterItsOwnHandler();
    void virtualTimeRunsADayQuickly();
    void realTimerHoldsTicksWhileModal();
    void heldTicksComeAtTheYieldOnBothClocks();
    void pauseFreezesEveryCountdown();
    void realTimerPausesAndResumesWhereItWas();
    void scriptedDrawsComeInOrder_data();
    void scriptedDrawsComeInOrder();
    void scriptedDialogsAnswerAndRecord();
    void cp932MatchesWindows_data();
    void cp932MatchesWindows();
    void cp932RefusesWhatItCannotEncode();
    void textFilesEndEveryLineWithCrLf();
    void textFilesReadCrLfAndLfAndBadBytes();
    void failedWriteLeavesOldFileWhole();
    void soundCommandsDriveOneDevice();
    void programDirsFallBackWhenNotWritable();
};

void TestPlatform::timerTicksEveryIntervalWhileEnabled()
{
    VirtualScheduler s;
    auto t = s.createTimer(QStringLiteral("T"), nullptr);
    int ticks = 0;
    t->setHandler([&] { ++ticks; });
    t->setInterval(1000);
    s.advance(5000);
    QCOMPARE(ticks, 0); // disabled at the start
    t->setEnabled(true);
    s.advance(3500);
    QCOMPARE(ticks, 3);
    t->setEnabled(false);
    s.advance(5000);
    QCOMPARE(ticks, 3);
    QCOMPARE(t->objectName(), QStringLiteral("T"));
}

void TestPlatform::assigningIntervalRestartsRunningCountdown()
{
    VirtualScheduler s;
    auto t = s.createTimer(QStringLiteral("T"), nullptr);
    int ticks = 0;
    t->setHandler([&] { ++ticks; });
    t->setInterval(1000);
    t->setEnabled(true);
    s.advance(900);
    t->setInterval(1000); // same value still restarts
    s.advance(900);
    QCOMPARE(ticks, 0);
    s.advance(100);
    QCOMPARE(ticks, 1);
}

void TestPlatform::enablingRunningTimerKeepsItsCountdown()
{
    VirtualScheduler s;
    auto t = s.createTimer(QStringLiteral("T"), nullptr);
    int ticks = 0;
    t->setHandler([&] { ++ticks; });
    t->setInterval(1000);
    t->setEnabled(true);
    s.advance(900);
    t->setEnabled(true);
    s.advance(100);
    QCOMPARE(ticks, 1);
}

void TestPlatform::ticksWaitBehindMessageBoxAndComeAsOne()
{
    // A clock tick opens a box; while it is open, other timers fall due many
    // times but run once, after the handler.
    VirtualScheduler s;
    ScriptedDialogs dialogs(s);
    auto clock = s.createTimer(QStringLiteral("clock"), nullptr);
    auto fast = s.createTimer(QStringLiteral("fast"), nullptr);
    QStringList order;
    fast->setHandler([&] { order << QStringLiteral("fast"); });
    clock->setHandler([&] {
        order << QStringLiteral("clock-start");
        s.enterModal();
        fast->fire();
        fast->fire();
        s.leaveModal();
        order << QStringLiteral("clock-end");
    });
    clock->setInterval(1000);
    fast->setInterval(5000);
    clock->setEnabled(true);
    fast->setEnabled(true);
    s.advance(1000);
    QCOMPARE(order, (QStringList{QStringLiteral("clock-start"), QStringLiteral("clock-end"), QStringLiteral("fast")}));

    // The dialog service holds ticks the same way.
    order.clear();
    dialogs.answer(AnswerOk);
    clock->setHandler([&] {
        order << QStringLiteral("clock");
        dialogs.message(QString(), QStringLiteral("msg"));
    });
    s.advance(1000);
    QCOMPARE(order, QStringList{QStringLiteral("clock")});
}

void TestPlatform::timerDoesNotReenterItsOwnHandler()
{
    VirtualScheduler s;
    auto t = s.createTimer(QStringLiteral("T"), nullptr);
    int depth = 0, maxDepth = 0, ticks = 0;
    t->setHandler([&] {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        if (ticks == 1)
            t->fire(); // a tick falling due during a yield inside the handler
        --depth;
    });
    t->setInterval(1000);
    t->setEnabled(true);
    s.advance(1000);
    QCOMPARE(maxDepth, 1);
    QCOMPARE(ticks, 2); // the held tick came after the handler
}

void TestPlatform::virtualTimeRunsADayQuickly()
{
    VirtualScheduler s;
    auto clock = s.createTimer(QStringLiteral("clock"), nullptr);
    auto fast = s.createTimer(QStringLiteral("fast"), nullptr);
    int minutes = 0, fastTicks = 0;
    clock->setHandler([&] { ++minutes; });
    fast->setHandler([&] { ++fastTicks; });
    clock->setInterval(1000);
    fast->setInterval(100);
    clock->setEnabled(true);
    fast->setEnabled(true);
    QElapsedTimer elapsed;
    elapsed.start();
    s.advance(600 * 1000);
    QCOMPARE(minutes, 600);
    QCOMPARE(fastTicks, 6000);
    QCOMPARE(s.now(), 600 * 1000);
}

void TestPlatform::realTimerHoldsTicksWhileModal()
{
    QtScheduler s;
    auto t = s.createTimer(QStringLiteral("T"), nullptr);
    int ticks = 0;
    t->setHandler([&] { ++ticks; });
    t->setInterval(10);
    t->setEnabled(true);
    s.enterModal();
    QTest::qWait(100); // the box's own event loop runs meanwhile
    QCOMPARE(ticks, 0);
    t->setInterval(100000); // no further regular tick during the check
    s.leaveModal();
    QCOMPARE(ticks, 0); // not inside the handler that closed the box
    QTest::qWait(20);
    QCOMPARE(ticks, 1); // one tick for all that fell due
}

namespace {

// A box that the angler reads for a while, in real time.
class ReadingDialogs final : public Dialogs
{
public:
    ReadingDialogs(Scheduler &s, int ms) : Dialogs(s), m_ms(ms) {}

protected:
    int show(const MessageRecord &) override
    {
        QTest::qWait(m_ms); // the box's own event loop runs meanwhile
        return AnswerOk;
    }

private:
    int m_ms;
};

// A minute clock and a fight step that ends with a message box read for
// longer than a minute, then yields (as the lost-fish sound is let run).
// Returns the order in which the handlers ran, up to the end of the step.
QStringList yieldScenario(Scheduler &s, Dialogs &dialogs, const std::function<void()> &run, int unit)
{
    auto clock = s.createTimer(QStringLiteral("clock"), nullptr);
    auto fight = s.createTimer(QStringLiteral("fight"), nullptr);
    QStringList order;
    clock->setHandler([&] { order << QStringLiteral("clock"); });
    fight->setHandler([&] {
        order << QStringLiteral("fight");
        dialogs.message(QString(), QStringLiteral("バラシた！"));
        order << QStringLiteral("box closed");
        s.yieldEvents();
        order << QStringLiteral("fight over");
        fight->setEnabled(false);
    });
    clock->setInterval(2 * unit);
    fight->setInterval(5 * unit);
    clock->setEnabled(true);
    fight->setEnabled(true);
    run();
    const qsizetype end = order.indexOf(QStringLiteral("fight over"));
    return end < 0 ? order : order.mid(0, end + 1);
}

} // namespace

// The real scheduler delivers a tick held behind a box at the first yield
// after the box closes, inside the handler that opened it; virtual time
// must do the same, or a test cannot see what the game does.
void TestPlatform::heldTicksComeAtTheYieldOnBothClocks()
{
    const int unit = 100; // ms in real time: wide enough for a busy machine
    QtScheduler real;
    ReadingDialogs realBox(real, 4 * unit);
    const QStringList realOrder = yieldScenario(real, realBox, [&] { QTest::qWait(12 * unit); }, unit);

    VirtualScheduler virtualTime;
    ScriptedDialogs scriptedBox(virtualTime);
    scriptedBox.setReadingTime(4 * unit);
    const QStringList virtualOrder = yieldScenario(virtualTime, scriptedBox, [&] { virtualTime.advance(12 * unit); }, unit);

    const QStringList expected{QStringLiteral("clock"), QStringLiteral("clock"), QStringLiteral("fight"),
                               QStringLiteral("box closed"), QStringLiteral("clock"), QStringLiteral("fight over")};
    QCOMPARE(realOrder, expected);
    QCOMPARE(virtualOrder, expected);
    QCOMPARE(virtualTime.now(), 12 * unit);
}

// A paused stretch moves nothing: after it every timer is exactly as far
// from its next tick as when the pause began, and a timer started during
// the pause starts counting on resume.
void TestPlatform::pauseFreezesEveryCountdown()
{
    VirtualScheduler s;
    auto a = s.createTimer(QStringLiteral("A"), nullptr);
    auto b = s.createTimer(QStringLiteral("B"), nullptr);
    auto c = s.createTimer(QStringLiteral("C"), nullptr);
    QList<QPair<QString, qint64>> ticks;
    qint64 paused = 0;
    for (Timer *t : {a.get(), b.get(), c.get()})
        t->setHandler([&, t] { ticks << qMakePair(t->objectName(), s.now() - paused); });
    a->setInterval(1000);
    b->setInterval(300);
    c->setInterval(500);
    a->setEnabled(true);
    b->setEnabled(true);
    s.advance(1100); // A at 1000; B at 300, 600, 900
    s.pause();
    QVERIFY(s.paused());
    c->setEnabled(true);
    a->fire(); // a tick that comes anyway is held until the resume
    s.advance(60000);
    QCOMPARE(ticks.size(), 4);
    paused = 60000;
    s.resume();
    s.advance(900); // B at 1200, 1500, 1800; C at 1600; A held, then at 2000
    const QList<QPair<QString, qint64>> expected{
        {QStringLiteral("B"), 300},  {QStringLiteral("B"), 600},  {QStringLiteral("B"), 900},
        {QStringLiteral("A"), 1000}, {QStringLiteral("A"), 1100}, {QStringLiteral("B"), 1200},
        {QStringLiteral("B"), 1500}, {QStringLiteral("C"), 1600}, {QStringLiteral("B"), 1800},
        {QStringLiteral("A"), 2000},
    };
    QCOMPARE(ticks, expected);
}

void TestPlatform::realTimerPausesAndResumesWhereItWas()
{
    QtScheduler s;
    auto t = s.createTimer(QStringLiteral("T"), nullptr);
    int ticks = 0;
    t->setHandler([&] { ++ticks; });
    t->setInterval(200);
    t->setEnabled(true);
    QTest::qWait(100);
    s.pause();
    QTest::qWait(400);
    QCOMPARE(ticks, 0);
    s.resume();
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 2, 1000); // and on at the interval
}

void TestPlatform::scriptedDrawsComeInOrder_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    for (int n : {3, 5, 6, 10, 15, 16, 20})
        for (int k = 1; k <= n; ++k)
            QTest::addRow("%d of %d", k, n) << k << n;
}

void TestPlatform::scriptedDrawsComeInOrder()
{
    QFETCH(int, k);
    QFETCH(int, n);
    ScriptedRandom r;
    r.pushDraw(k, n);
    r.push(0.0);
    r.push(0.999999);
    QCOMPARE(r.draw(n), k);
    QCOMPARE(r.draw(n), 1);
    QCOMPARE(r.draw(n), n);
    QCOMPARE(r.overruns(), 0);
    r.next();
    QCOMPARE(r.overruns(), 1);
}

void TestPlatform::scriptedDialogsAnswerAndRecord()
{
    VirtualScheduler s;
    ScriptedDialogs d(s);
    d.answer(AnswerNo);
    QCOMPARE(d.message(QStringLiteral("cap"), QStringLiteral("q?"), MessageButtons::YesNo), int(AnswerNo));
    // Unscripted boxes take their first button.
    QCOMPARE(d.message(QStringLiteral("cap"), QStringLiteral("q2"), MessageButtons::YesNo), int(AnswerYes));
    QCOMPARE(d.message(QStringLiteral("cap"), QStringLiteral("ok"), MessageButtons::OkCancel, MessageIcon::Warning),
             int(AnswerOk));
    QCOMPARE(d.texts(), (QStringList{QStringLiteral("q?"), QStringLiteral("q2"), QStringLiteral("ok")}));
    QCOMPARE(d.shown()[2].icon, MessageIcon::Warning);
    QCOMPARE(d.shown()[0].caption, QStringLiteral("cap"));
}

void TestPlatform::cp932MatchesWindows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray("\x81\x60");
    QTest::newRow("wave dash folded") << QStringLiteral("〜") << QByteArray("\x81\x60");
    QTest::newRow("minus") << QStringLiteral("－") << QByteArray("\x81\x7c");
    QTest::newRow("minus folded") << QStringLiteral("−") << QByteArray("\x81\x7c");
    QTest::newRow("circled one") << QStringLiteral("①") << QByteArray("\x87\x40");
    QTest::newRow("taka") << QStringLiteral("髙") << QByteArray("\xfb\xfc");
    QTest::newRow("chinu") << QStringLiteral("チヌ") << QByteArray("\x83\x60\x83\x6b");
    QTest::newRow("ascii") << QStringLiteral("A1 ") << QByteArray("A1 ");
}

void TestPlatform::cp932MatchesWindows()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool ok = false;
    QCOMPARE(cp932::encode(text, &ok), bytes);
    QVERIFY(ok);
    QCOMPARE(cp932::decode(bytes, &ok), cp932::normalise(text));
    QVERIFY(ok);
}

void TestPlatform::cp932RefusesWhatItCannotEncode()
{
    QVERIFY(!cp932::canEncode(QStringLiteral("釣り人😀")));
    QVERIFY(!cp932::canEncode(QStringLiteral("Ω̈")));
    QVERIFY(cp932::canEncode(QStringLiteral("釣り人Ａ")));
}

void TestPlatform::textFilesEndEveryLineWithCrLf()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("釣り人.txt"));
    QVERIFY(writeTextLines(fs, path, {QStringLiteral(" 1 "), QStringLiteral("釣人Ａ")}));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(" 1 \r\n\x92\xde\x90\x6c\x82\x60\r\n"));
    QString error;
    QVERIFY(!writeTextLines(fs, path, {QStringLiteral("😀")}, &error));
    QVERIFY(f.seek(0));
    QCOMPARE(f.readAll().size(), 13); // the refused write left the file alone
}

void TestPlatform::textFilesReadCrLfAndLfAndBadBytes()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(fs.writeAll(path, QByteArray("a\r\nb\nc")));
    TextReadResult r = readTextLines(fs, path);
    QVERIFY(r.found);
    QVERIFY(r.validEncoding);
    QCOMPARE(r.lines, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    QVERIFY(fs.writeAll(path, QByteArray("x\xff\x81\r\n", 5)));
    r = readTextLines(fs, path);
    QVERIFY(r.found);
    QVERIFY(!r.validEncoding);
    QCOMPARE(r.lines.size(), 1);

    QVERIFY(fs.writeAll(path, QByteArray()));
    r = readTextLines(fs, path);
    QVERIFY(r.found);
    QVERIFY(r.lines.isEmpty());

    r = readTextLines(fs, dir.filePath(QStringLiteral("missing.txt")));
    QVERIFY(!r.found);
    r = readTextLines(fs, dir.path()); // a folder is no file
    QVERIFY(!r.found);
}

void TestPlatform::failedWriteLeavesOldFileWhole()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("チヌ記録.txt"));
    QVERIFY(writeTextLines(fs, path, {QStringLiteral(" 1 "), QStringLiteral("old")}));
    // The target is in a folder that does not exist: nothing may be written.
    QVERIFY(!writeTextLines(fs, dir.filePath(QStringLiteral("nope/x.txt")), {QStringLiteral("new")}));
    // A writer that dies before its commit leaves the old file untouched.
    {
        QSaveFile torn(path);
        QVERIFY(torn.open(QIODevice::WriteOnly));
        torn.write("half");
        // destroyed without commit
    }
    QCOMPARE(readTextLines(fs, path).lines, (QStringList{QStringLiteral(" 1 "), QStringLiteral("old")}));
    QCOMPARE(fs.listFiles(dir.path()), QStringList{QStringLiteral("チヌ記録.txt")});
}

void TestPlatform::soundCommandsDriveOneDevice()
{
    RecordingSound s;
    QCOMPARE(s.send(QStringLiteral("open /x/my dir/NamiyoseV1スタート.wav type waveaudio alias WaveFile")), 0);
    QCOMPARE(s.openPath(), QStringLiteral("/x/my dir/NamiyoseV1スタート.wav"));
    QVERIFY(s.send(QStringLiteral("open /x/b.wav type waveaudio alias WaveFile")) != 0); // one at a time
    QCOMPARE(s.send(QStringLiteral("play WaveFile")), 0);
    QVERIFY(s.playing());
    QCOMPARE(s.send(QStringLiteral("stop WaveFile")), 0);
    QCOMPARE(s.send(QStringLiteral("close WaveFile")), 0);
    QVERIFY(!s.isOpen());
    QCOMPARE(s.send(QStringLiteral("stop WaveFile")), 0); // nothing open: nothing happens
    QCOMPARE(s.send(QStringLiteral("close WaveFile")), 0);
    QVERIFY(s.send(QStringLiteral("play WaveFile")) != 0);
    QVERIFY(s.send(QStringLiteral("seek WaveFile")) != 0);
    QCOMPARE(s.played(), QStringList{QStringLiteral("/x/my dir/NamiyoseV1スタート.wav")});
}

void TestPlatform::programDirsFallBackWhenNotWritable()
{
    QTemporaryDir dir;
    QVERIFY(ProgramDirs::canWrite(dir.path()));
    QVERIFY(!ProgramDirs::canWrite(dir.filePath(QStringLiteral("missing"))));
    const ProgramDirs here = ProgramDirs::forExecutable(dir.path());
    QCOMPARE(here.dataRoot, dir.path());
    QCOMPARE(here.waveSources.first(), dir.path());
    const ProgramDirs away = ProgramDirs::forExecutable(dir.filePath(QStringLiteral("missing")));
    QVERIFY(away.dataRoot != dir.filePath(QStringLiteral("missing")));
    QVERIFY(!away.soundInstallDir.isEmpty());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
