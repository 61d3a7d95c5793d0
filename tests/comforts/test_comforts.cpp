#include "support/todayscatch.h"
#include "fishing/pond.h"

#include "app/uilanguage.h"
#include "comforts/comfortstexts.h"
#include "comforts/comfortsettings.h"
#include "comforts/gyotaku.h"
#include "comforts/mainscreencomforts.h"
#include "comforts/settingsdialog.h"
#include "daylog/store.h"
#include "mainscreen/mainscreentexts.h"
#include "prep/anglerlist.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "records/browserpane.h"
#include "records/datafiles.h"
#include "records/form5.h"
#include "records/recordline.h"
#include "platform/qtcuesound.h"

#include <QApplication>
#include <QCheckBox>
#include <QLayout>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The day of the fishing-day test: 大浜 until 10:00, falling tide all
// morning, good baits ボケ, エビ and カニ, the rig already built.
class PlayedDay
{
public:
    explicit PlayedDay(bool mullet, bool start = true)
    {
        GameState &st = game.state();
        st.AnglerName = QStringLiteral("Taro");
        st.SpotNo = 3;
        st.EndHour = QStringLiteral("10");
        st.DayMinutes = 180;
        st.TargetFish = mullet ? daylog::Fish::Mullet : daylog::Fish::Chinu;
        Form3 &settings = game.screens().form3();
        Day &day = settings.game().day;
        day.tides.firstHigh = 6;
        day.tides.secondHigh = 18;
        day.tides.earlierLow = 12;
        day.tides.laterLow = 24;
        form = &game.screens().form1();
        form->day().goodBaits = {daylog::Bait::Boke, daylog::Bait::Ebi, daylog::Bait::Kani};
        form->setRig(mullet ? daylog::Leader::No3 : daylog::Leader::No2, mullet ? daylog::Hook::Suikomi : daylog::Hook::No4,
                     mullet ? std::nullopt : std::optional(daylog::Bait::Boke));
        form->showTarget();
        st.TargetCode = mullet ? 2 : 1;
        if (start)
            form->StartDay();
        game.dialogs.clear();
    }

    // The ten draws of a rod-tip tick.
    void pushTick(int n, int v3, int v4, int v5, int v6, int v7, int w, int v1 = 1)
    {
        for (auto [k, m] : {std::pair{16, 16}, {12, 12}, {n, 8}, {v1, 3}, {v3, 10}, {v4, 15}, {v5, 5},
                            {v6 < 0 ? 2 : 1, 3}, {v7, 10}, {w, 5}})
            game.random.pushDraw(k, m);
    }

    QString focused() const { return form->focusWidget() ? form->focusWidget()->objectName() : QString(); }

    // The main screen on the desktop with the keys, as the angler has it.
    bool showActive()
    {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form);
    }

    TestGame game;
    Form1 *form = nullptr;
};

void pushMulletTick(ScriptedRandom &r, int t4, int t5, int t6)
{
    r.pushDraw(t4, 20);
    r.pushDraw(t5, 5);
    r.pushDraw(t6 - 1, 3);
}

// Runs the game's virtual time, putting one paused minute in at pauseAt
// (game time, -1 for none); the times the script sees never count it.
class PausingRunner
{
public:
    PausingRunner(PlayedDay &day, qint64 pauseAt)
        : m_day(day)
        , m_pauseAt(pauseAt)
    {
    }

    void advance(qint64 ms)
    {
        const qint64 target = m_now + ms;
        if (m_pauseAt >= 0 && m_pauseAt > m_now && m_pauseAt <= target) {
            m_day.game.advance(m_pauseAt - m_now);
            pausedMinute();
            m_day.game.advance(target - m_pauseAt);
        } else {
            m_day.game.advance(ms);
        }
        m_now = target;
    }

    // What a paused minute moved; empty when nothing did.
    QStringList moved;

private:
    struct Snapshot
    {
        QString clock;
        float timeBar = 0, tideBar = 0;
        int remainingDraws = 0;
        QStringList enabledTimers;
        int messages = 0;
        QString tip, rod;
        bool operator==(const Snapshot &) const = default;
    };
    Snapshot snapshot() const
    {
        Form1 &f = *m_day.form;
        Snapshot shot{f.Label10->text(), f.day().timeBarWidth, f.day().tideBarWidth, m_day.game.random.remaining(), {},
                      int(m_day.game.dialogs.texts().size()), f.Image2->pictureName(), f.Image1->pictureName()};
        for (const Timer *timer :
             {f.Timer時間管理, f.Timer1音楽1, f.Timer竿の音, f.Timer1, f.Timerダンゴ管理,
              f.Timer竿の動き, f.Timerあたり, f.Timer竿のしなり, f.Timer1ボラのタイマー})
            if (timer->isEnabled())
                shot.enabledTimers << timer->objectName();
        return shot;
    }
    static QString describe(const Snapshot &s)
    {
        return QStringLiteral("%1 %2 %3 %4 [%5] %6 %7 %8")
            .arg(s.clock)
            .arg(s.timeBar)
            .arg(s.tideBar)
            .arg(s.remainingDraws)
            .arg(s.enabledTimers.join(u','))
            .arg(s.messages)
            .arg(s.tip, s.rod);
    }
    void pausedMinute()
    {
        auto *comforts = comforts::MainScreenComforts::of(*m_day.form);
        const Snapshot before = snapshot();
        comforts->pause();
        m_day.game.advance(60000);
        if (!(snapshot() == before))
            moved << QStringLiteral("something moved at %1").arg(m_pauseAt) << describe(before) << describe(snapshot());
        // The fishing keys take nothing while paused.
        for (const char *key : {"Command1キー", "Command2キー", "Command3キー", "Command5キー"})
            m_day.form->findChild<QAction *>(QString::fromUtf8(key))->trigger();
        if (!(snapshot() == before))
            moved << QStringLiteral("a key played at %1").arg(m_pauseAt);
        comforts->resume();
    }

    PlayedDay &m_day;
    qint64 m_pauseAt;
    qint64 m_now = 0;
};

// What a whole day came to.
struct DayOutcome
{
    QStringList messages;
    QStringList catches;
    QString clock;
    int remainingDraws = 0;
    bool operator==(const DayOutcome &) const = default;
};

// A 40 cm chinu landed, a stealer takes the bait, a strike too early, and
// the boatman at 10:00 (the chinu day of the fishing-day test).
DayOutcome playChinuDay(qint64 pauseAt, QStringList *moved)
{
    PlayedDay day(false);
    PausingRunner run(day, pauseAt);
    Form1 &f = *day.form;
    ScriptedRandom &r = day.game.random;
    r.pushDraw(1, 5);
    f.Command1->click();
    run.advance(3000);
    day.pushTick(3, 1, 1, 1, 1, 1, 1);
    run.advance(1000);
    day.pushTick(2, 3, 12, 5, 1, 1, 1);
    run.advance(1000);
    r.pushDraw(2, 10);
    r.pushDraw(1, 5);
    run.advance(800 + 1500);
    run.advance(500);
    f.Command3->click();
    r.pushDraw(1, 20);
    run.advance(100 * (4 * 8 + 1));
    run.advance(2000);
    f.Command4->click();

    r.pushDraw(2, 5);
    f.Command1->click();
    f.Command2->click();
    day.pushTick(1, 5, 14, 2, 1, 8, 3);
    run.advance(1000);
    r.pushDraw(1, 10);
    r.pushDraw(1, 5);
    run.advance(500 + 3000);

    r.pushDraw(4, 5);
    f.Command1->click();
    f.Command2->click();
    day.pushTick(1, 3, 5, 1, 1, 1, 3);
    run.advance(1000);
    f.Command3->click();
    const qint64 elapsed = 3000 + 1000 + 1000 + 2300 + 500 + 3300 + 2000 + 1000 + 3500 + 1000;
    run.advance(181000 - elapsed);
    if (moved)
        *moved = run.moved;
    return {day.game.dialogs.texts(), catchListOf(f), f.Label10->text(), r.remaining()};
}

QWidget *shownWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// A saved day of the angler, in the day files and the day's log, for the
// past-records browser to show.
void saveADay(TestGame &t, const QString &angler)
{
    const QString data = datafiles::DataDirectory(t.dir());
    const QString day = QStringLiteral("2002年10月05日14時30分002大浜.txt");
    QVERIFY(writeAnglerNames(t.files, data, {angler}));
    QVERIFY(datafiles::EnsureDirectory(t.files, datafiles::AnglerDirectory(data, angler)));
    QVERIFY(datafiles::WriteDayFile(t.files, data, angler, day, s("大浜"),
                                    {CatchEntry(s("チヌ"), 45), CatchEntry(s("チヌ"), 38)}));
    QVERIFY(datafiles::AddRecordLine(
        t.files, data, datafiles::FormatRecordLine(QStringLiteral("2002年10月05日14時30分"), 45, 1, 2, 83, angler)));
    daylog::DayLogStore store;
    QVERIFY(store.open(daylog::DayLogStore::pathIn(data)));
    daylog::LoggedDay logged;
    logged.angler = angler;
    logged.raft = 3;
    logged.targetFish = s("チヌ");
    logged.date = QStringLiteral("2002-10-05");
    logged.endHour = QStringLiteral("17");
    logged.dayFileName = day;
    QVERIFY(store.saveDay(logged) > 0);
}

} // namespace

Q_DECLARE_METATYPE(comforts::GyotakuRecord)
Q_DECLARE_METATYPE(comforts::LastOuting)

class TestComforts : public QObject
{
    Q_OBJECT

private slots:
    void ctrlQAsksWhileTheDayHasTimeLeft_data();
    void ctrlQAsksWhileTheDayHasTimeLeft();
    void initTestCase();

    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void settingsDialogOffersTheBiteCueLast_data();
    void settingsDialogOffersTheBiteCueLast();
    void biteCueSoundsOnlyWhenTurnedOn_data();
    void biteCueSoundsOnlyWhenTurnedOn();
    void biteCueIsAShortWave();
    void soundLevelsChooseWhatSounds_data();
    void soundLevelsChooseWhatSounds();

    void disabledButtonIsDrawnAsDisabled_data();
    void disabledButtonIsDrawnAsDisabled();

    void focusFollowsThePinkButtonForChinu();
    void focusFollowsThePinkButtonForMullet();

    void pausedDayEndsAsUnpaused_data();
    void pausedDayEndsAsUnpaused();
    void pauseHoldsTheMenusOfTheDay();
    void pauseKeyRestsOnceTheDayIsOver();

    void onePressOneStep_data();
    void onePressOneStep();

    void windowsOpenedInTheDayHoldTheClock_data();
    void windowsOpenedInTheDayHoldTheClock();

    void lastOutingRoundTrip_data();
    void lastOutingRoundTrip();

    void gyotakuImage_data();
    void gyotakuImage();
    void gyotakuLetteringRunsAsTheLanguageIsWritten_data();
    void gyotakuLetteringRunsAsTheLanguageIsWritten();
    void gyotakuOfTodayTakesTheLongestChinu();

private:
    QTemporaryDir m_settingsDir;
};

void TestComforts::initTestCase()
{
    // Never the player's own settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestComforts::settingsRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("music");
    QTest::addColumn<int>("effects");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<bool>("pauseOnFocusLoss");
    QTest::addColumn<bool>("quietNotices");
    QTest::addColumn<bool>("biteCue");

    QTest::newRow("nothing kept: today's sound") << QString() << false << 100 << 100 << false << false << false << false;
    QTest::newRow("chosen values come back") << QString() << true << 35 << 0 << true << true << true << true;
    QTest::newRow("the bite cue alone") << QString() << true << 100 << 100 << false << false << false << true;
    QTest::newRow("levels out of range are brought in")
        << s("[sound]\nmusic=250\neffects=-4\n") << false << 100 << 0 << false << false << false << false;
    QTest::newRow("unreadable values are the defaults")
        << s("[sound]\nmusic=loud\nmuted=perhaps\nbiteCue=loud\n[play]\npauseOnFocusLoss=1\nquietNotices=often\n")
        << false << 100 << 100 << false << true << false << false;
    QTest::newRow("a cue turned on by hand") << s("[sound]\nbiteCue=true\n") << false << 100 << 100 << false << false
                                             << false << true;
}

void TestComforts::settingsRoundTrip()
{
    QFETCH(QString, file);
    QFETCH(bool, write);
    QFETCH(int, music);
    QFETCH(int, effects);
    QFETCH(bool, muted);
    QFETCH(bool, pauseOnFocusLoss);
    QFETCH(bool, quietNotices);
    QFETCH(bool, biteCue);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("namiyose.conf"));
    if (!file.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.toUtf8());
    }
    const comforts::ComfortSettings expected{{music, effects, muted}, pauseOnFocusLoss, quietNotices, biteCue};
    if (write) {
        QSettings out(path, QSettings::IniFormat);
        comforts::saveSettings(out, expected);
    }
    QSettings in(path, QSettings::IniFormat);
    QCOMPARE(comforts::loadSettings(in), expected);

    // The per-user place is the same round trip.
    if (write) {
        comforts::saveSettings(expected);
        QCOMPARE(comforts::loadSettings(), expected);
        comforts::saveSettings(comforts::ComfortSettings{});
    }
}

void TestComforts::settingsDialogOffersTheBiteCueLast_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("off") << false;
    QTest::newRow("on") << true;
}

// The cue's box comes after the options that were there before it, shows
// what was kept and gives back what the player ticks.
void TestComforts::settingsDialogOffersTheBiteCueLast()
{
    QFETCH(bool, on);
    comforts::ComfortSettings kept;
    kept.biteCue = on;
    kept.quietNotices = true;
    comforts::SettingsDialog dialog(kept);
    QCheckBox *cue = dialog.findChild<QCheckBox *>(s("竿先が入ったら音で知らせる"));
    QVERIFY(cue);
    QCOMPARE(cue, dialog.竿先の合図);
    QCOMPARE(cue->isChecked(), on);
    QCOMPARE(dialog.values(), kept);
    const int at = dialog.layout()->indexOf(cue);
    for (QWidget *before : {static_cast<QWidget *>(dialog.音を消す), static_cast<QWidget *>(dialog.一時停止),
                            static_cast<QWidget *>(dialog.知らせは状況表示だけ)}) {
        const int was = dialog.layout()->indexOf(before);
        QVERIFY2(was >= 0 && was < at, qPrintable(before->objectName()));
    }
    cue->click();
    QCOMPARE(dialog.values().biteCue, !on);
    QCOMPARE(dialog.values().quietNotices, true);
}

void TestComforts::biteCueSoundsOnlyWhenTurnedOn_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("effects");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<QList<qreal>>("played"); // volumes, one a window

    QTest::newRow("off, as it starts") << false << 100 << false << QList<qreal>{};
    QTest::newRow("on") << true << 100 << false << QList<qreal>{1.0, 1.0};
    QTest::newRow("on at the effects' level") << true << 40 << false << QList<qreal>{0.4, 0.4};
    QTest::newRow("on, effects off") << true << 0 << false << QList<qreal>{};
    QTest::newRow("on, muted") << true << 100 << true << QList<qreal>{};
}

// Each window that opens sounds the cue once, on its own channel: the wave
// device of the music and the effects is not touched.
void TestComforts::biteCueSoundsOnlyWhenTurnedOn()
{
    QFETCH(bool, on);
    QFETCH(int, effects);
    QFETCH(bool, muted);
    QFETCH(QList<qreal>, played);
    TestGame t;
    QVERIFY(!t.cue.isOn());
    t.sound.setLevels({100, effects, muted});
    if (on)
        t.cue.setOn(true);
    comforts::playBiteCue(t.game());
    comforts::playBiteCue(t.game());
    QCOMPARE(t.cue.played(), played);
    QVERIFY(t.sound.log().isEmpty());
}

// The cue is made in memory as a wave QSoundEffect can play: 16-bit PCM, a
// tenth of a second or so, heard but never at full scale. The game's own
// cue device plays it, twice over, without an audio device and without
// waiting on one.
void TestComforts::biteCueIsAShortWave()
{
    const QByteArray wave = CueSound::wave();
    QVERIFY(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ");
    const auto number = [&](int at, int width) {
        quint32 v = 0;
        for (int i = width - 1; i >= 0; --i)
            v = (v << 8) | quint8(wave[at + i]);
        return v;
    };
    QCOMPARE(number(4, 4), quint32(wave.size() - 8));
    QCOMPARE(number(20, 2), 1u);  // PCM
    QCOMPARE(number(22, 2), 1u);  // mono
    QCOMPARE(number(34, 2), 16u); // bits
    const quint32 rate = number(24, 4);
    const quint32 bytes = number(40, 4);
    QCOMPARE(int(bytes), wave.size() - 44);
    const double seconds = double(bytes) / 2 / rate;
    QVERIFY2(seconds >= 0.05 && seconds <= 0.2, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (int i = 44; i + 1 < wave.size(); i += 2)
        peak = std::max(peak, std::abs(int(qint16(number(i, 2)))));
    QVERIFY2(peak > 8000 && peak < 32000, qPrintable(QString::number(peak)));

    QtCueSound cue;
    cue.setOn(true);
    cue.cue({100, 50, false});
    cue.cue({100, 50, false});
}

// Music and effects follow their own levels; a sound turned off is never
// opened, so the music timer does not start music the player turned off,
// and a fanfare asked for again while it plays is not started over.
void TestComforts::soundLevelsChooseWhatSounds_data()
{
    QTest::addColumn<int>("music");
    QTest::addColumn<int>("effects");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<QStringList>("played");

    const QString tune = s("/w/NamiyoseV1スタート.wav"), bite = s("/w/NamiyoseV1あたり.wav"),
                  fanfare = s("/w/NamiyoseV1チヌ30.wav");
    QTest::newRow("today's sound") << 100 << 100 << false << QStringList{tune, bite, fanfare};
    QTest::newRow("music off") << 0 << 60 << false << QStringList{bite};
    QTest::newRow("effects off") << 40 << 0 << false << QStringList{tune, fanfare};
    QTest::newRow("muted") << 100 << 100 << true << QStringList{};
}

void TestComforts::soundLevelsChooseWhatSounds()
{
    QFETCH(int, music);
    QFETCH(int, effects);
    QFETCH(bool, muted);
    QFETCH(QStringList, played);
    RecordingSound sound;
    sound.setLevels({music, effects, muted});
    const auto playWave = [&](const char *name, int times) {
        sound.send(s("open /w/NamiyoseV1%1.wav type waveaudio alias WaveFile").arg(s(name)));
        for (int i = 0; i < times; ++i)
            QCOMPARE(sound.send(QStringLiteral("play WaveFile")), 0);
        sound.send(QStringLiteral("stop WaveFile"));
        sound.send(QStringLiteral("close WaveFile"));
    };
    playWave("スタート", 1);
    playWave("あたり", 1);
    playWave("チヌ30", 3);
    QCOMPARE(sound.played(), played);
    QCOMPARE(sound.volumeFor(s("/w/NamiyoseV1スタート.wav")), muted ? 0.0 : music / 100.0);
    QCOMPARE(sound.volumeFor(s("/w/NamiyoseV1ばらし.wav")), muted ? 0.0 : effects / 100.0);
}

// A disabled fishing button is drawn as any disabled button, whatever its
// colour; enabled again, it shows its colour.
void TestComforts::disabledButtonIsDrawnAsDisabled_data()
{
    QTest::addColumn<bool>("pink");
    QTest::newRow("pink") << true;
    QTest::newRow("blue") << false;
}

void TestComforts::disabledButtonIsDrawnAsDisabled()
{
    QFETCH(bool, pink);
    QWidget window;
    QPushButton plain(QStringLiteral("plain"), &window), fishing(QStringLiteral("plain"), &window);
    for (QPushButton *b : {&plain, &fishing})
        b->resize(122, 48);
    pink ? buttoncolours::setActive(&fishing) : buttoncolours::setInactive(&fishing);
    const QPoint face(8, 24);
    const auto drawn = [&](QPushButton &b) { return b.grab().toImage().pixelColor(face); };

    plain.setEnabled(false);
    fishing.setEnabled(false);
    QCOMPARE(drawn(fishing), drawn(plain));
    QCOMPARE(buttoncolours::colour(&fishing), pink ? buttoncolours::active() : buttoncolours::inactive());

    plain.setEnabled(true);
    fishing.setEnabled(true);
    const QColor face2 = drawn(fishing);
    QVERIFY(face2 != drawn(plain));
    if (pink)
        QVERIFY2(face2.red() > face2.green() && face2.blue() > face2.green(), qPrintable(face2.name()));
    else
        QVERIFY2(face2.blue() > face2.red(), qPrintable(face2.name()));
}

// After every step of the cycle the focus is on the button to press next,
// so that Space or Enter alone plays it.
void TestComforts::focusFollowsThePinkButtonForChinu()
{
    PlayedDay day(false);
    Form1 &f = *day.form;
    ScriptedRandom &r = day.game.random;
    QCOMPARE(day.focused(), s("Command1")); // the day starts

    r.pushDraw(1, 5);
    f.Command1->click();
    QCOMPARE(day.focused(), s("Command2")); // dropped
    day.game.advance(3000);
    QCOMPARE(day.focused(), s("Command3")); // the ball broke by itself
    day.pushTick(3, 1, 1, 1, 1, 1, 1);
    day.game.advance(1000);
    day.pushTick(2, 3, 12, 5, 1, 1, 1);
    day.game.advance(1000);
    r.pushDraw(2, 10);
    r.pushDraw(1, 5);
    day.game.advance(800 + 1500 + 500);
    QCOMPARE(day.focused(), s("Command3")); // the bite
    f.Command3->click();
    r.pushDraw(1, 20);
    day.game.advance(100 * (4 * 8 + 1));
    QVERIFY(!f.Picture1(0)->isHidden());
    QCOMPARE(day.focused(), s("Command4")); // the landed chinu's O K
    f.Command4->click();
    QCOMPARE(day.focused(), s("Command1"));

    // The bait change: the list, open on the bait on the hook, then the drop.
    f.Command5->click();
    QCOMPARE(day.focused(), s("List2"));
    QCOMPARE(f.List2->currentItem() ? f.List2->currentItem()->text() : QString(), s("ボケ"));
    f.List2->setCurrentRow(1); // the same ボケ
    emit f.List2->itemActivated(f.List2->currentItem());
    QCOMPARE(day.focused(), s("Command1"));

    // A stealer takes the bait: after the box, the drop again.
    r.pushDraw(2, 5);
    f.Command1->click();
    f.Command2->click();
    QCOMPARE(day.focused(), s("Command3"));
    day.pushTick(1, 5, 14, 2, 1, 8, 3);
    day.game.advance(1000);
    r.pushDraw(1, 10);
    r.pushDraw(1, 5);
    day.game.advance(500 + 3000);
    QCOMPARE(day.game.dialogs.texts().size(), 1);
    QCOMPARE(day.focused(), s("Command1"));

    // A strike too early.
    r.pushDraw(4, 5);
    f.Command1->click();
    f.Command2->click();
    day.pushTick(1, 3, 5, 1, 1, 1, 3);
    day.game.advance(1000);
    f.Command3->click();
    QCOMPARE(day.game.dialogs.texts().last(), s("残念 あわせが早すぎました。"));
    QCOMPARE(day.focused(), s("Command1"));
}

void TestComforts::focusFollowsThePinkButtonForMullet()
{
    PlayedDay day(true);
    Form1 &f = *day.form;
    ScriptedRandom &r = day.game.random;
    QCOMPARE(day.focused(), s("Command1"));

    // A mullet takes the bait and lets go: after the box, the drop again.
    f.Command1->click();
    QCOMPARE(day.focused(), s("Command3"));
    pushMulletTick(r, 5, 1, 2);
    day.game.advance(1000);
    pushMulletTick(r, 1, 2, 3);
    day.game.advance(1000);
    for (int i = 0; i < 9; ++i) {
        pushMulletTick(r, 9, 2, 4);
        day.game.advance(160);
    }
    QCOMPARE(day.game.dialogs.texts(), QStringList{s("ボラに逃げられました。")});
    QCOMPARE(day.focused(), s("Command1"));

    // One struck and landed.
    f.Command1->click();
    pushMulletTick(r, 1, 3, 2);
    day.game.advance(160);
    pushMulletTick(r, 15, 3, 4);
    day.game.advance(240);
    QCOMPARE(day.focused(), s("Command3"));
    f.Command3->click();
    day.game.advance(100 * (5 + 4 * 6));
    QCOMPARE(day.game.dialogs.texts().last(), s("45 センチの ボラを釣り上げた。"));
    QCOMPARE(day.focused(), s("Command1"));
}

// A paused minute moves nothing, wherever in the cycle it falls, and the
// day then plays out exactly as the same day unpaused.
void TestComforts::pausedDayEndsAsUnpaused_data()
{
    QTest::addColumn<qint64>("pauseAt");
    QTest::newRow("ball sinking") << qint64(1500);
    QTest::newRow("rod tip watched") << qint64(3500);
    QTest::newRow("bite on the tip") << qint64(5600);
    QTest::newRow("fish on the line") << qint64(9000);
    QTest::newRow("landed chinu shown") << qint64(12000);
    QTest::newRow("stealer waiting") << qint64(16100);
    QTest::newRow("an idle hour") << qint64(100000);
}

void TestComforts::pausedDayEndsAsUnpaused()
{
    QFETCH(qint64, pauseAt);
    const DayOutcome unpaused = playChinuDay(-1, nullptr);
    QCOMPARE(unpaused.catches, QStringList{s("チヌ  40センチ")});
    QCOMPARE(unpaused.remainingDraws, 0);
    QCOMPARE(unpaused.messages.size(), 3);
    QStringList moved;
    const DayOutcome paused = playChinuDay(pauseAt, &moved);
    QVERIFY2(moved.isEmpty(), qPrintable(moved.join(u'\n')));
    QCOMPARE(paused.messages, unpaused.messages);
    QCOMPARE(paused.catches, unpaused.catches);
    QCOMPARE(paused.clock, unpaused.clock);
    QCOMPARE(paused.remainingDraws, 0);
}

// Ctrl+Q is one key from Ctrl+S: while the clock still runs it asks before
// the day is given up. The menu item, and the keys before the start, end at once.
void TestComforts::ctrlQAsksWhileTheDayHasTimeLeft_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ended");
    QTest::newRow("day running, No") << true << false << int(AnswerNo) << true << false;
    QTest::newRow("day running, Yes") << true << false << int(AnswerYes) << true << true;
    QTest::newRow("day running, the menu item") << true << true << int(AnswerYes) << false << true;
    QTest::newRow("before the start") << false << false << int(AnswerYes) << false << true;
}

void TestComforts::ctrlQAsksWhileTheDayHasTimeLeft()
{
    QFETCH(bool, started);
    QFETCH(bool, byMenu);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, ended);
    PlayedDay day(false, started);
    Form1 &f = *day.form;
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    day.game.dialogs.answer(answer);
    if (byMenu)
        f.納竿->trigger();
    else
        QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
    const bool question = day.game.dialogs.texts().contains(comfortstexts::PackUpEarlyQuestion());
    QCOMPARE(question, asked);
    QCOMPARE(day.game.game().ending(), ended);
    if (!ended)
        QVERIFY(f.Timer時間管理->isEnabled());
}

// While paused the day's menus and keys wait; the pause key lifts it.
void TestComforts::pauseHoldsTheMenusOfTheDay()
{
    PlayedDay day(false, false);
    Form1 &f = *day.form;
    f.スタート->setEnabled(true);
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_P);
    auto *c = comforts::MainScreenComforts::of(f);
    QVERIFY(c->paused());
    QVERIFY(f.findChild<QWidget *>(s("一時停止中"))->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    QVERIFY(!f.Timer時間管理->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    QVERIFY(!c->paused());
    QVERIFY(!f.findChild<QWidget *>(s("一時停止中"))->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    QVERIFY(f.Timer時間管理->isEnabled());
    QCOMPARE(QApplication::focusWidget(), f.Command1);
}

// Once the boatman has come there is nothing left to pause: P does nothing.
void TestComforts::pauseKeyRestsOnceTheDayIsOver()
{
    PlayedDay day(false);
    Form1 &f = *day.form;
    QVERIFY(day.showActive());
    f.EndDay();
    QCOMPARE(f.day().ending, true);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_P);
    QVERIFY(!comforts::MainScreenComforts::of(f)->paused());
    QVERIFY(f.findChild<QWidget *>(s("一時停止中"))->isHidden());
}

// One press of Space or Enter, one step. Dropped, the pink moves on to
// ダンゴを割る; a key held down since, or a press within 300 ms of that
// move (the second tap of a double tap), presses nothing. The mouse is
// never held back.
void TestComforts::onePressOneStep_data()
{
    QTest::addColumn<int>("key"); // 0: a click
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("msAfterMove");
    QTest::addColumn<bool>("breaks");

    QTest::newRow("Space 100 ms after the move") << int(Qt::Key_Space) << false << 100 << false;
    QTest::newRow("Enter 100 ms after the move") << int(Qt::Key_Return) << false << 100 << false;
    QTest::newRow("Space 299 ms after the move") << int(Qt::Key_Space) << false << 299 << false;
    QTest::newRow("Space 300 ms after the move") << int(Qt::Key_Space) << false << 300 << true;
    QTest::newRow("Enter a second after the move") << int(Qt::Key_Enter) << false << 1000 << true;
    QTest::newRow("Enter held down since the drop") << int(Qt::Key_Return) << true << 1000 << false;
    QTest::newRow("a click 100 ms after the move") << 0 << false << 100 << true;
}

void TestComforts::onePressOneStep()
{
    QFETCH(int, key);
    QFETCH(bool, autoRepeat);
    QFETCH(int, msAfterMove);
    QFETCH(bool, breaks);
    PlayedDay day(false);
    Form1 &f = *day.form;
    QVERIFY(day.showActive());
    QCOMPARE(QApplication::focusWidget(), f.Command1);

    day.game.random.pushDraw(5, 5); // the ball would break by itself after 7 s
    f.Command1->click();
    QCOMPARE(QApplication::focusWidget(), f.Command2);
    day.game.advance(msAfterMove);
    if (key == 0) {
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    } else if (autoRepeat) {
        for (int i = 0; i < 3; ++i) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(f.Command2, &press);
            QApplication::sendEvent(f.Command2, &release);
        }
    } else {
        QTest::keyClick(f.Command2, Qt::Key(key));
    }
    QCOMPARE(!f.Command2->isEnabled(), breaks);
    QCOMPARE(f.Command3->isEnabled(), breaks);
}

// 操作, 釣行記録 and 統計 opened while the day runs hold its clock, as 設定
// does; closed (Esc), they let it go on.
void TestComforts::windowsOpenedInTheDayHoldTheClock_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("操作 (F1)") << s("操作");
    QTest::newRow("統計 of the past records") << s("統計");
    QTest::newRow("釣行記録 of a saved day") << s("釣行記録");
}

void TestComforts::windowsOpenedInTheDayHoldTheClock()
{
    QFETCH(QString, window);
    PlayedDay day(false);
    Form1 &f = *day.form;
    saveADay(day.game, s("Taro"));
    day.game.advance(2000);
    QCOMPARE(f.Label10->text(), QStringLiteral("7 : 02"));

    if (window == s("操作")) {
        f.findChild<QAction *>(s("操作"))->trigger();
    } else {
        // The past records, left open from the settings screen.
        Form6 &records = day.game.screens().form6();
        day.game.screens().show(records);
        if (window == s("統計")) {
            records.findChild<QPushButton *>(s("統計"))->click();
        } else {
            records.browser->Combo2->setCurrentIndex(0);
            emit records.browser->Combo2->activated(0);
            records.browser->List1->setCurrentRow(0);
            records.findChild<QPushButton *>(s("釣行記録"))->click();
        }
    }
    QWidget *opened = shownWindow(window);
    QVERIFY2(opened, qPrintable(day.game.dialogs.texts().join(u'|')));
    QVERIFY(opened->isModal());
    day.game.advance(5000);
    QCOMPARE(f.Label10->text(), QStringLiteral("7 : 02"));

    // They open with 閉じる at hand and Esc closes them. The minutes held
    // come as one, as after a box, and the clock goes on.
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), s("閉じる"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!opened->isVisible());
    day.game.advance(5000);
    QCOMPARE(f.Label10->text(), QStringLiteral("7 : 08"));
}

// The last crossing's choices come back; a raft out of 1..5 is none.
void TestComforts::lastOutingRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<comforts::LastOuting>("expected");
    QTest::newRow("nothing kept") << QString() << comforts::LastOuting{};
    QTest::newRow("a crossing kept")
        << s("[last]\nangler=浜田\nraft=4\nfish=ボラ\nendTime=12時まで\n")
        << comforts::LastOuting{s("浜田"), 4, s("ボラ"), s("12時まで")};
    QTest::newRow("a raft that is none")
        << s("[last]\nangler=Ken\nraft=9\n") << comforts::LastOuting{s("Ken"), 0, QString(), QString()};
}

void TestComforts::lastOutingRoundTrip()
{
    QFETCH(QString, file);
    QFETCH(comforts::LastOuting, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("namiyose.conf"));
    if (!file.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.toUtf8());
    }
    {
        QSettings in(path, QSettings::IniFormat);
        QCOMPARE(comforts::loadLastOuting(in), expected);
    }
    QTemporaryDir again;
    const QString copy = again.filePath(QStringLiteral("namiyose.conf"));
    {
        QSettings out(copy, QSettings::IniFormat);
        comforts::saveLastOuting(out, expected);
    }
    QSettings in(copy, QSettings::IniFormat);
    QCOMPARE(comforts::loadLastOuting(in), expected);
}

void TestComforts::gyotakuImage_data()
{
    QTest::addColumn<comforts::GyotakuRecord>("record");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("today's catch")
        << comforts::GyotakuRecord{s("波寄 太郎"), 50, s("北の離れ"), QDate(2026, 12, 10), TideDirection::Ebb, daylog::Bait::Boke}
        << QStringList{s("チヌ　５０センチ"), s("波寄 太郎　釣"), s("北の離れ"), s("２０２６年１２月１０日"),
                       s("潮　引き潮"), s("餌　ボケ")};
    QTest::newRow("the longest chinu of all")
        << comforts::GyotakuRecord{s("Ken"), 65, s("湾入り口"), QDate(2026, 7, 1), TideDirection::Flood, daylog::Bait::Kani}
        << QStringList{s("チヌ　６５センチ"), s("Ken　釣"), s("湾入り口"), s("２０２６年７月１日"), s("潮　満ち潮"),
                       s("餌　カニ")};
    QTest::newRow("a saved day: tide and bait unknown")
        << comforts::GyotakuRecord{s("Hana"), 34, s("大浜"), QDate(2025, 5, 3), TideDirection::Unknown, std::nullopt}
        << QStringList{s("チヌ　３４センチ"), s("Hana　釣"), s("大浜"), s("２０２５年５月３日")};
}

void TestComforts::gyotakuImage()
{
    QFETCH(comforts::GyotakuRecord, record);
    QFETCH(QStringList, lines);
    QCOMPARE(comforts::gyotakuLines(record), lines);

    // A4 landscape at print resolution.
    const QImage print = comforts::renderGyotaku(record);
    QCOMPARE(print.size(), QSize(3508, 2480));
    QCOMPARE(qRound(print.dotsPerMeterX() * 0.0254), comforts::GyotakuPrintDpi);

    // At 50 dpi: rice paper at the corner; ink along the fish's middle, over
    // the length the scale gives it and no further.
    const QImage small = comforts::renderGyotaku(record, 50);
    const QColor paper = small.pixelColor(3, 3);
    QVERIFY(paper.red() > 230 && paper.green() > 225 && paper.blue() > 210);
    const int scale = comforts::gyotakuScale(record.lengthCm);
    const double mm = 50 / 25.4;
    const double fishPx = record.lengthCm * 10.0 / scale * mm;
    int inked = 0;
    int first = -1, last = -1;
    const int centreY = qRound(90 * mm); // the fish's middle line
    const int lettering = qRound(small.width() - comforts::GyotakuLetteringMm * mm);
    for (int x = 0; x < lettering; ++x)
        if (small.pixelColor(x, centreY).lightness() < 90) {
            ++inked;
            if (first < 0)
                first = x;
            last = x;
        }
    QVERIFY2(inked > fishPx * 0.5, qPrintable(QString::number(inked)));
    QVERIFY2(last - first <= fishPx + 2, qPrintable(QStringLiteral("%1 %2").arg(last - first).arg(fishPx)));
    // And nothing of the fish reaches the lettering.
    QVERIFY(first + fishPx < lettering);
}

// Japanese lettering stands in columns from the top right corner, right to
// left; English lies in lines, top to bottom, each within the paper's
// lettering part and wide enough for its words; the seal is clear of both.
void TestComforts::gyotakuLetteringRunsAsTheLanguageIsWritten_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<comforts::GyotakuRecord>("record");
    QTest::addColumn<QStringList>("lines");
    const comforts::GyotakuRecord today{s("波寄 太郎"), 50, s("北の離れ"), QDate(2026, 12, 10), TideDirection::Ebb, daylog::Bait::Boke};
    QTest::newRow("Japanese: columns") << false << today
                                       << QStringList{s("チヌ　５０センチ"), s("波寄 太郎　釣"), s("北の離れ"),
                                                      s("２０２６年１２月１０日"), s("潮　引き潮"), s("餌　ボケ")};
    QTest::newRow("English: lines") << true << today
                                    << QStringList{s("Chinu 50 cm"), s("Caught by 波寄 太郎"), s("Raft: 北の離れ"),
                                                   s("10 December 2026"), s("Ebb tide"), s("Bait: Mud shrimp")};
    QTest::newRow("English: a long name steps down")
        << true
        << comforts::GyotakuRecord{s("Christopher Montgomery-Fairweather"), 65, s("湾入り口"), QDate(2026, 9, 30),
                                   TideDirection::Flood, daylog::Bait::Akemigai}
        << QStringList{s("Chinu 65 cm"), s("Caught by Christopher Montgomery-Fairweather"), s("Raft: 湾入り口"),
                       s("30 September 2026"), s("Flood tide"), s("Bait: Clam")};
    QTest::newRow("English: a saved day")
        << true << comforts::GyotakuRecord{s("Hana"), 34, s("大浜"), QDate(2025, 5, 3), TideDirection::Unknown, std::nullopt}
        << QStringList{s("Chinu 34 cm"), s("Caught by Hana"), s("Raft: 大浜"), s("3 May 2025")};
}

void TestComforts::gyotakuLetteringRunsAsTheLanguageIsWritten()
{
    QFETCH(bool, english);
    QFETCH(comforts::GyotakuRecord, record);
    QFETCH(QStringList, lines);
    const std::unique_ptr<QTranslator> words = loadGameTranslation(english ? UiLanguage::English : UiLanguage::Japanese);
    if (words)
        QCoreApplication::installTranslator(words.get());
    const auto uninstall = qScopeGuard([&words] {
        if (words)
            QCoreApplication::removeTranslator(words.get());
    });
    QCOMPARE(bool(words), english);
    QCOMPARE(comforts::gyotakuLines(record), lines);

    const int dpi = comforts::GyotakuPrintDpi;
    const double mm = dpi / 25.4;
    const QSize page(3508, 2480);
    const comforts::GyotakuLettering lettering = comforts::gyotakuLettering(record, page, dpi);
    QCOMPARE(lettering.writing, english ? comforts::GyotakuWriting::Lines : comforts::GyotakuWriting::Columns);
    QCOMPARE(lettering.lines.size(), lines.size());
    const QRectF part(page.width() - comforts::GyotakuLetteringMm * mm, 0, comforts::GyotakuLetteringMm * mm,
                      page.height());
    for (qsizetype i = 0; i < lettering.lines.size(); ++i) {
        const comforts::GyotakuLetters &letters = lettering.lines.at(i);
        const QRectF &box = letters.box;
        QVERIFY2(part.contains(box), qPrintable(letters.text));
        QVERIFY2(!box.intersects(lettering.seal), qPrintable(letters.text));
        QCOMPARE(letters.text, lines.at(i));
        if (english) {
            QVERIFY2(box.width() > 2 * box.height(), qPrintable(letters.text));
            QVERIFY2(QFontMetricsF(letters.font).horizontalAdvance(letters.text) <= box.width(),
                     qPrintable(letters.text));
            QVERIFY2(QFontMetricsF(letters.font).height() <= box.height(), qPrintable(letters.text));
        } else {
            QVERIFY2(box.height() > 2 * box.width(), qPrintable(letters.text));
        }
        if (i == 0)
            continue;
        const QRectF &before = lettering.lines.at(i - 1).box;
        if (english)
            QVERIFY(box.left() == before.left() && box.top() >= before.bottom());
        else
            QVERIFY(box.right() <= before.left() && box.top() >= before.top());
    }
    QVERIFY(part.contains(lettering.seal));
}

// Today's 魚拓 is the longest chinu with the bait and tide it was caught on.
void TestComforts::gyotakuOfTodayTakesTheLongestChinu()
{
    PlayedDay day(false);
    Form1 &f = *day.form;
    f.day().tide = TideDirection::Flood;
    landFish(f, s("チヌ"), 31);
    f.day().bait = daylog::Bait::Kani;
    f.day().tide = TideDirection::Ebb;
    landFish(f, s("チヌ"), 47);
    f.day().bait = daylog::Bait::Ebi;
    landFish(f, s("ボラ"), 52);
    landFish(f, s("チヌ"), 47);
    day.game.clock.set(QDateTime(QDate(2026, 12, 10), QTime(15, 2)));
    GameState &st = day.game.state();
    st.AnglerName = s("Taro");
    st.SpotNo = 3;
    st.LongestChinu = 47;
    Form5 &today = day.game.screens().form5();
    const comforts::GyotakuRecord r = comforts::gyotakuOfToday(today);
    QCOMPARE(r, (comforts::GyotakuRecord{s("Taro"), 47, s("大浜"), QDate(2026, 12, 10), TideDirection::Ebb, daylog::Bait::Kani}));
}

QTEST_MAIN(TestComforts)
#include "test_comforts.moc"
