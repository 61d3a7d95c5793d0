#include "support/todayscatch.h"
#include "app/screens.h"
#include "mainscreen/form1.h"
#include "rankings/form6.h"
#include "records/catchtexts.h"
#include "records/datafiles.h"
#include "records/dayend.h"
#include "records/form5.h"
#include "prep/form3.h"
#include "support/testgame.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QString angler = QStringLiteral("釣人Ａ");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

// A day on raft 2 (北の離れ) with the target チヌ, ready to end: the main
// screen with the given catch list.
struct PlayedDay
{
    TestGame tg;
    Form1 *form1 = nullptr;

    explicit PlayedDay(const QStringList &catchList, const QString &target = QStringLiteral("チヌ"))
    {
        GameState &s = tg.state();
        s.AppDir = tg.dir();
        s.AnglerName = angler;
        s.SpotNo = 2;
        s.TargetFish = daylog::fishFromCaption(target);
        s.TargetCode = target == QStringLiteral("チヌ") ? 1 : 2;
        form1 = &tg.screens().form1();
        form1->Label8->setText(QStringLiteral("北の離れ"));
        form1->List1->clear();
        for (const QString &entry : catchList)
            listFish(*form1, entry);
    }

    Form5 &form5() { return *tg.screens().loadedForm5(); }
    QString dataDir() const { return tg.dir() + QStringLiteral("/fishingdata"); }
    QString recordFile() const { return dataDir() + QStringLiteral("/チヌ記録.txt"); }
    QStringList dayFiles() { return QDir(dataDir() + QLatin1Char('/') + angler).entryList(QDir::Files); }
    // The catch screen shown by 釣果を保存, with no question asked.
    Form5 &endDay()
    {
        form1->dayEnd().釣果を保存Click();
        return form5();
    }
};

QString chinu(int cm) { return CatchEntry(QStringLiteral("チヌ"), cm); }
QString mullet(int cm) { return CatchEntry(QStringLiteral("ボラ"), cm); }

} // namespace

class TestDayEnd : public QObject
{
    Q_OBJECT
private slots:
    void theNextOutingStartsAFreshDay_data();
    void theNextOutingStartsAFreshDay();
    void todaysCatchFigures_data();
    void todaysCatchFigures();
    void saveTheCatchTwiceListsEachFishOnce();
    void endingStopsEveryFishingTimerAndSound();
    void menusAreWired();
    void packUpWithoutCatchEndsAtOnce();
    void packUpAsksWhenAnythingWasCaught_data();
    void packUpAsksWhenAnythingWasCaught();

    void catchScreenCaptionsAndLoad();
    void workedExampleSave();
    void saveRefusals();
    void closeButton_data();
    void closeButton();
    void mulletDayCloseAsksThenEnds();
    void failedSaveLeavesTheDayUnsaved_data();
    void failedSaveLeavesTheDayUnsaved();
    void toggle_data();
    void toggle();
    void closeBoxIsRefused();
    void pastRecordsOpensForm6();
};

// 次の釣行へ: today's windows go, the settings screen comes back with the
// angler's name, and the next day starts from nothing; what was saved stays.
void TestDayEnd::theNextOutingStartsAFreshDay_data()
{
    QTest::addColumn<int>("answer"); // to the save question
    QTest::addColumn<bool>("saved");
    QTest::newRow("saved on the way") << int(AnswerYes) << true;
    QTest::newRow("not saved") << int(AnswerNo) << false;
}

void TestDayEnd::theNextOutingStartsAFreshDay()
{
    QFETCH(int, answer);
    QFETCH(bool, saved);
    PlayedDay day({chinu(45), mullet(40)});
    Form5 &today = day.endDay();
    QPointer<Form1> first = day.form1;
    QPointer<Form5> catchScreen = &today;
    day.tg.dialogs.answer(answer);
    today.次の釣行へ->click();
    QCOMPARE(day.tg.dialogs.texts().value(0), catchtexts::SaveQuestion());
    QVERIFY(!day.tg.game().ending());
    QCOMPARE(QFile::exists(day.recordFile()), saved);
    QCOMPARE(day.dayFiles().size(), saved ? 1 : 0);
    const auto bytes = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray record = bytes(day.recordFile());

    // Today's windows are gone once the event loop comes round; the day
    // and the settings start afresh.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(catchScreen.isNull());
    QVERIFY(!day.tg.screens().loadedForm1());
    QVERIFY(day.tg.game().day.catches.empty());
    QCOMPARE(day.tg.state().AnglerName, QString());
    Form3 *settings = day.tg.screens().loadedForm3();
    QVERIFY(settings && settings->isVisible());
    QCOMPARE(settings->Combo3->currentText(), angler);

    // The second day's main screen is a new one, at 7:00 with nothing caught.
    Form1 &second = day.tg.screens().form1();
    QCOMPARE(second.List1->count(), 0);
    QCOMPARE(second.day().clockHour, 7);
    QVERIFY(!second.Timer時間管理->isEnabled());
    // What the first day saved is still there, byte for byte.
    QCOMPARE(day.dayFiles().size(), saved ? 1 : 0);
    QCOMPARE(bytes(day.recordFile()), record);
}

void TestDayEnd::todaysCatchFigures_data()
{
    QTest::addColumn<QStringList>("catchList");
    QTest::addColumn<QStringList>("labels"); // Label4, Label5, Label7, Label8
    QTest::newRow("チヌ 45, ボラ 40, チヌ 38") << QStringList{chinu(45), mullet(40), chinu(38)}
                                                 << QStringList{QStringLiteral("3"), QStringLiteral("2"),
                                                                QStringLiteral("45"), QStringLiteral("83")};
    QTest::newRow("other fish only") << QStringList{mullet(40), CatchEntry(QStringLiteral("フグ"), 12)}
                                     << QStringList{QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0"),
                                                    QStringLiteral("0")};
    QTest::newRow("nothing") << QStringList{}
                             << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                            QStringLiteral("0")};
    QTest::newRow("longest last") << QStringList{chinu(31), chinu(52), chinu(66)}
                                  << QStringList{QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("66"),
                                                 QStringLiteral("149")};
}

void TestDayEnd::todaysCatchFigures()
{
    QFETCH(QStringList, catchList);
    QFETCH(QStringList, labels);
    PlayedDay day(catchList);
    Form5 &f5 = day.endDay();
    QCOMPARE((QStringList{f5.Label4->text(), f5.Label5->text(), f5.Label7->text(), f5.Label8->text()}), labels);
    QCOMPARE(f5.Label6->text(), angler);
    QCOMPARE(f5.Label3->text(), QStringLiteral("北の離れ"));
    QCOMPARE(itemsOf(f5.List1), catchList);
    QCOMPARE(day.tg.state().ChinuCount, labels[1].toInt());
    QCOMPARE(day.tg.state().LongestChinu, labels[2].toInt());
    QCOMPARE(int(day.tg.state().ChinuTotalLength), labels[3].toInt());
    QCOMPARE(day.tg.state().DataDir, day.dataDir());
    QVERIFY(f5.isVisible());
    QCOMPARE(day.tg.screens().loadedForm1(), day.form1); // the main screen stays
    QVERIFY(QFileInfo(day.dataDir() + QLatin1Char('/') + angler).isDir());
    QVERIFY(day.tg.dialogs.shown().empty());
    QVERIFY(!day.tg.game().ending());
}

void TestDayEnd::saveTheCatchTwiceListsEachFishOnce()
{
    PlayedDay day({chinu(45), mullet(40)});
    day.endDay();
    Form5 &f5 = day.endDay();
    QCOMPARE(itemsOf(f5.List1), (QStringList{chinu(45), mullet(40)}));
    QCOMPARE(f5.Label5->text(), QStringLiteral("1"));
    QVERIFY(day.tg.dialogs.shown().empty());
}

// After the day's end nothing bites, ticks or plays.
void TestDayEnd::endingStopsEveryFishingTimerAndSound()
{
    PlayedDay day({chinu(45)});
    Form1 &f1 = *day.form1;
    const std::vector<Timer *> fishing{f1.Timer1ばらし, f1.Timer1ボラのタイマー, f1.Timer1音楽1,
                                       f1.Timerあたり, f1.Timerダンゴ管理, f1.Timer竿のしなり,
                                       f1.Timer竿の音, f1.Timer竿の動き, f1.Timer時間管理};
    for (Timer *timer : fishing) {
        if (timer->interval() <= 0)
            timer->setInterval(100);
        timer->setEnabled(true);
    }
    f1.Timer1->setInterval(100);
    f1.Timer1->setEnabled(true);
    day.tg.sound.send(QStringLiteral("open ") + day.tg.dir() + QStringLiteral("/sounds/NamiyoseV1あたり.wav")
                      + QStringLiteral(" type waveaudio alias WaveFile"));
    day.tg.sound.send(QStringLiteral("play WaveFile"));
    QVERIFY(day.tg.sound.playing());

    day.endDay();
    for (Timer *timer : fishing)
        QVERIFY2(!timer->isEnabled(), qPrintable(timer->objectName()));
    QVERIFY(f1.Timer1->isEnabled()); // the landed-chinu animation is not a fishing timer
    QVERIFY(!day.tg.sound.playing());
    QVERIFY(!day.tg.sound.isOpen());

    f1.Timer1->setEnabled(false);
    day.tg.sound.clearLog();
    const int before = f1.List1->count();
    day.tg.advance(60'000);
    QVERIFY(day.tg.sound.log().isEmpty());
    QCOMPARE(f1.List1->count(), before);
}

void TestDayEnd::menusAreWired()
{
    PlayedDay day({chinu(45)});
    QVERIFY(day.form1->釣果を保存 && day.form1->納竿);
    day.form1->釣果を保存->setEnabled(true);
    day.form1->釣果を保存->trigger();
    QVERIFY(day.tg.screens().loadedForm5() && day.form5().isVisible());

    PlayedDay other({});
    other.form1->納竿->setEnabled(true);
    other.form1->納竿->trigger();
    QVERIFY(other.tg.game().ending());
}

void TestDayEnd::packUpWithoutCatchEndsAtOnce()
{
    PlayedDay day({});
    day.form1->dayEnd().納竿Click();
    QVERIFY(day.tg.game().ending());
    QVERIFY(day.tg.dialogs.shown().empty());
    QVERIFY(!day.tg.screens().loadedForm5());
}

void TestDayEnd::packUpAsksWhenAnythingWasCaught_data()
{
    QTest::addColumn<QStringList>("catchList");
    QTest::addColumn<int>("answer");
    QTest::newRow("chinu, Yes") << QStringList{chinu(45)} << int(AnswerYes);
    QTest::newRow("chinu, No") << QStringList{chinu(45)} << int(AnswerNo);
    QTest::newRow("other fish only, Yes") << QStringList{mullet(40)} << int(AnswerYes);
}

void TestDayEnd::packUpAsksWhenAnythingWasCaught()
{
    QFETCH(QStringList, catchList);
    QFETCH(int, answer);
    PlayedDay day(catchList);
    day.tg.dialogs.answer(answer);
    day.form1->dayEnd().納竿Click();
    QCOMPARE(day.tg.dialogs.texts(), QStringList{catchtexts::KeepCatchQuestion()});
    QCOMPARE(day.tg.dialogs.shown().front().buttons, MessageButtons::YesNo);
    QCOMPARE(day.tg.state().Answer, answer);
    if (answer == AnswerYes) {
        QVERIFY(!day.tg.game().ending());
        QVERIFY(day.form5().isVisible());
        QCOMPARE(day.form5().Label4->text(), QString::number(catchList.size()));
    } else {
        QVERIFY(day.tg.game().ending());
        QVERIFY(!day.tg.screens().loadedForm5());
    }
    QVERIFY(!QFile::exists(day.recordFile()));
}

void TestDayEnd::catchScreenCaptionsAndLoad()
{
    PlayedDay day({chinu(45)});
    day.tg.clock.set(QDateTime(QDate(2003, 1, 2), QTime(9, 5)));
    Form5 &f5 = day.endDay();
    QCOMPARE(f5.windowTitle(), catchtexts::Caption());
    QCOMPARE(f5.Label1->text(), catchtexts::Title());
    QCOMPARE(f5.Label9->text(), QStringLiteral("2003年1月2日"));
    QCOMPARE(day.tg.state().SaveStamp, QStringLiteral("2003年01月02日09時05分"));
    QCOMPARE(f5.Command1->text(), catchtexts::Close());
    QCOMPARE(f5.Command2->text(), catchtexts::ChinuOnly());
    QCOMPARE(f5.保存->text(), catchtexts::SaveMenu());
    QCOMPARE(f5.過去の記録->text(), catchtexts::PastRecordsMenu());
    QStringList fixed;
    for (const auto &[index, label] : f5.Label2.items())
        fixed.append(label->text());
    QCOMPARE(fixed, (QStringList{catchtexts::Angler(), catchtexts::Raft(), catchtexts::AllFish(),
                                 catchtexts::ChinuCount(), catchtexts::ChinuTotal(), catchtexts::Biggest(),
                                 catchtexts::FishUnit(), catchtexts::ChinuUnit(), catchtexts::Centi(),
                                 catchtexts::Centi()}));
    QVERIFY(f5.List1->isVisible());
    QVERIFY(!f5.List2->isVisible());
    QCOMPARE(f5.List1->geometry(), f5.List2->geometry());
    QCOMPARE(f5.SavedFlag, 0);
    QVERIFY(f5.保存->isEnabled());

    // The stamp is taken once, when the screen loads: a second end of the
    // day shows the same screen with the same stamp.
    day.tg.clock.advanceSecs(600);
    day.endDay();
    QCOMPARE(day.tg.state().SaveStamp, QStringLiteral("2003年01月02日09時05分"));
}

void TestDayEnd::workedExampleSave()
{
    PlayedDay day({chinu(45), mullet(40), chinu(38)});
    Form5 &f5 = day.endDay();
    f5.保存->trigger();

    QCOMPARE(day.dayFiles(), QStringList{QStringLiteral("2002年10月05日14時30分002北の離れ.txt")});
    const QString dayFile = day.dataDir() + QStringLiteral("/釣人Ａ/2002年10月05日14時30分002北の離れ.txt");
    QCOMPARE(fileBytes(dayFile), cp932::encode(QStringLiteral("北の離れ\r\nチヌ  45センチ\r\nチヌ  38センチ\r\n")));
    QCOMPARE(fileBytes(day.recordFile()),
             QByteArray("1\r\n") + cp932::encode(QStringLiteral("記録2002年10月05日14時30分4520020083釣人Ａ")) + "\r\n");
    QCOMPARE(day.tg.dialogs.texts(),
             QStringList{catchtexts::SavedFirst() + QStringLiteral("\n\n") + catchtexts::SavedHint()});
    QCOMPARE(f5.SavedFlag, 1);
    QVERIFY(!f5.保存->isEnabled());
    QCOMPARE(itemsOf(f5.List2), (QStringList{chinu(45), chinu(38)}));
    QVERIFY(f5.List1->isVisible()); // filling the chinu list leaves the view alone
    QVERIFY(!day.tg.game().ending());
}

void TestDayEnd::saveRefusals()
{
    {
        PlayedDay day({chinu(45)});
        Form5 &f5 = day.endDay();
        QCOMPARE(f5.SaveToday(), Form5::SaveResult::Saved);
        const QByteArray record = fileBytes(day.recordFile());
        day.tg.dialogs.clear();
        f5.保存Click();
        QCOMPARE(day.tg.dialogs.texts(), QStringList{catchtexts::AlreadySaved()});
        QCOMPARE(fileBytes(day.recordFile()), record);
    }
    {
        PlayedDay day({chinu(45)}, QStringLiteral("ボラ"));
        Form5 &f5 = day.endDay();
        f5.保存->trigger();
        QCOMPARE(day.tg.dialogs.texts(), QStringList{catchtexts::OnlyChinu()});
        QCOMPARE(f5.SavedFlag, 0);
        QVERIFY(f5.保存->isEnabled());
        QVERIFY(!QFile::exists(day.recordFile()));
        QVERIFY(day.dayFiles().isEmpty());
    }
    {
        PlayedDay day({mullet(40)});
        Form5 &f5 = day.endDay();
        f5.保存->trigger();
        QCOMPARE(day.tg.dialogs.texts(), QStringList{catchtexts::NoChinu()});
        QCOMPARE(f5.SavedFlag, 1);
        QVERIFY(!f5.保存->isEnabled());
        QVERIFY(!QFile::exists(day.recordFile()));
    }
}

void TestDayEnd::closeButton_data()
{
    QTest::addColumn<QStringList>("catchList");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("ends");
    QTest::newRow("no chinu ends without a question") << QStringList{mullet(40)} << 0 << false << true;
    QTest::newRow("unsaved chinu, Yes saves and stays") << QStringList{chinu(45)} << int(AnswerYes) << true << false;
    QTest::newRow("unsaved chinu, No ends unsaved") << QStringList{chinu(45)} << int(AnswerNo) << false << true;
}

void TestDayEnd::closeButton()
{
    QFETCH(QStringList, catchList);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, ends);
    PlayedDay day(catchList);
    Form5 &f5 = day.endDay();
    if (answer)
        day.tg.dialogs.answer(answer);
    QTest::mouseClick(f5.Command1, Qt::LeftButton);
    if (answer) {
        QCOMPARE(day.tg.dialogs.texts().value(0), catchtexts::SaveQuestion());
        QCOMPARE(day.tg.state().Answer, answer);
    } else {
        QVERIFY(day.tg.dialogs.shown().empty());
    }
    QCOMPARE(QFile::exists(day.recordFile()), saved);
    QCOMPARE(day.tg.game().ending(), ends);
    if (!ends) {
        QCOMPARE(f5.SavedFlag, 1);
        day.tg.dialogs.clear();
        f5.Command1Click(); // a second "閉じる" ends without asking
        QVERIFY(day.tg.dialogs.shown().empty());
        QVERIFY(day.tg.game().ending());
    }
}

void TestDayEnd::mulletDayCloseAsksThenEnds()
{
    PlayedDay day({chinu(45)}, QStringLiteral("ボラ"));
    Form5 &f5 = day.endDay();
    day.tg.dialogs.answer(AnswerYes);
    f5.Command1Click();
    QCOMPARE(day.tg.dialogs.texts(), (QStringList{catchtexts::SaveQuestion(), catchtexts::OnlyChinu()}));
    QCOMPARE(f5.SavedFlag, 1);
    QVERIFY(!day.tg.game().ending());
    day.tg.dialogs.clear();
    f5.Command1Click();
    QVERIFY(day.tg.dialogs.shown().empty());
    QVERIFY(day.tg.game().ending());
    QVERIFY(!QFile::exists(day.recordFile()));
}

// A save that cannot be written says so, never claims success, and leaves
// the day unsaved so that it can be tried again once the obstacle is gone.
void TestDayEnd::failedSaveLeavesTheDayUnsaved_data()
{
    QTest::addColumn<QString>("obstacle"); // a plain file put where a folder must be, or a folder where a file must be
    // The day file of a save whose record line failed is taken back, so the
    // next try starts from the same files.
    QTest::addColumn<bool>("recordNamed");
    QTest::newRow("angler folder cannot be made") << QStringLiteral("angler") << false;
    QTest::newRow("record file cannot be written") << QStringLiteral("record") << true;
}

void TestDayEnd::failedSaveLeavesTheDayUnsaved()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, recordNamed);
    PlayedDay day({chinu(45), chinu(38)});
    QDir().mkpath(day.dataDir());
    const QString anglerDir = day.dataDir() + QLatin1Char('/') + angler;
    if (obstacle == QStringLiteral("angler")) {
        QFile blocker(anglerDir);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(day.recordFile()));
    }
    Form5 &f5 = day.endDay();

    QCOMPARE(f5.SaveToday(), Form5::SaveResult::Failed);
    QCOMPARE(day.tg.dialogs.shown().size(), size_t(1));
    const MessageRecord shown = day.tg.dialogs.shown().front();
    QVERIFY(shown.text.startsWith(catchtexts::SaveFailed()));
    QVERIFY(!shown.text.contains(catchtexts::SavedFirst()));
    QVERIFY(shown.text.contains(recordNamed ? day.recordFile() : anglerDir));
    QVERIFY(shown.text.contains(catchtexts::NothingSavedYet()));
    QCOMPARE(shown.icon, MessageIcon::Warning);
    QCOMPARE(f5.SavedFlag, 0);
    QVERIFY(f5.保存->isEnabled());
    QVERIFY(!QFileInfo::exists(anglerDir + QStringLiteral("/2002年10月05日14時30分002北の離れ.txt")));

    // "閉じる" still asks, and a failed save there keeps the day unsaved too.
    day.tg.dialogs.clear();
    day.tg.dialogs.answer(AnswerYes);
    f5.Command1Click();
    QCOMPARE(f5.SavedFlag, 0);
    QVERIFY(!day.tg.game().ending());

    // Once the obstacle is gone the same day saves, once.
    if (obstacle == QStringLiteral("angler"))
        QVERIFY(QFile::remove(anglerDir));
    else
        QVERIFY(QDir().rmdir(day.recordFile()));
    day.tg.dialogs.clear();
    f5.保存->trigger();
    QCOMPARE(day.tg.dialogs.texts(),
             QStringList{catchtexts::SavedFirst() + QStringLiteral("\n\n") + catchtexts::SavedHint()});
    QCOMPARE(datafiles::ReadRecordFile(day.tg.files, day.dataDir()).lines,
             QStringList{QStringLiteral("記録2002年10月05日14時30分4520020083釣人Ａ")});
    QCOMPARE(day.dayFiles().size(), 1);
    QCOMPARE(f5.SavedFlag, 1);
}

void TestDayEnd::toggle_data()
{
    QTest::addColumn<QStringList>("catchList");
    QTest::addColumn<QStringList>("chinuOnly");
    QTest::newRow("mixed") << QStringList{chinu(45), mullet(40), chinu(38)} << QStringList{chinu(45), chinu(38)};
    QTest::newRow("no chinu: caption only") << QStringList{mullet(40)} << QStringList{};
}

void TestDayEnd::toggle()
{
    QFETCH(QStringList, catchList);
    QFETCH(QStringList, chinuOnly);
    PlayedDay day(catchList);
    Form5 &f5 = day.endDay();
    f5.Command2Click();
    QCOMPARE(f5.Command2->text(), catchtexts::ShowAll());
    QCOMPARE(itemsOf(f5.List2), chinuOnly);
    QCOMPARE(f5.List2->isVisible(), !chinuOnly.isEmpty());
    QCOMPARE(f5.List1->isVisible(), chinuOnly.isEmpty());
    f5.Command2Click();
    QCOMPARE(f5.Command2->text(), catchtexts::ChinuOnly());
    QVERIFY(f5.List1->isVisible());
    QVERIFY(!f5.List2->isVisible());
}

void TestDayEnd::closeBoxIsRefused()
{
    PlayedDay day({chinu(45)});
    Form5 &f5 = day.endDay();
    QVERIFY(!f5.close());
    QCOMPARE(day.tg.dialogs.texts(), QStringList{catchtexts::UseCloseButton()});
    QVERIFY(f5.isVisible());
    QVERIFY(day.tg.screens().loadedForm5() == &f5);
    QVERIFY(!f5.queryUnload(false)); // the game's own closes go ahead
}

void TestDayEnd::pastRecordsOpensForm6()
{
    PlayedDay day({chinu(45)});
    Form5 &f5 = day.endDay();
    f5.SaveToday();
    f5.過去の記録->trigger();
    QVERIFY(day.tg.screens().loadedForm6());
    QVERIFY(day.tg.screens().loadedForm6()->isVisible());
    QVERIFY(f5.isVisible());
}

QTEST_MAIN(TestDayEnd)
#include "test_dayend.moc"
