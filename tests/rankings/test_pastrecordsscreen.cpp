#include "app/screens.h"
#include "prep/anglerlist.h"
#include "rankings/form6.h"
#include "rankings/prune.h"
#include "rankings/rankings.h"
#include "recordfixture.h"
#include "records/browserpane.h"
#include "records/datafiles.h"
#include "support/testgame.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace recordfixture;

namespace {

const QString A = QStringLiteral("釣人Ａ");
const QString B = QStringLiteral("釣人Ｂ");
const QString C = QStringLiteral("釣人Ｃ");
const QString Everybody = QStringLiteral("すべて");
const QString Nothing = QStringLiteral("データなし");

QString dataDir(TestGame &t)
{
    return datafiles::DataDirectory(t.dir());
}

void writeRecords(TestGame &t, const QStringList &lines)
{
    QDir().mkpath(dataDir(t));
    QVERIFY(datafiles::RewriteRecordFile(t.files, dataDir(t), lines));
}

void writeAnglers(TestGame &t, const QStringList &names)
{
    QVERIFY(writeAnglerNames(t.files, dataDir(t), names));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

QByteArray recordBytes(TestGame &t)
{
    return fileBytes(datafiles::RecordFilePath(dataDir(t)));
}

Form6 &openScreen(TestGame &t)
{
    t.state().AppDir = t.dir();
    return t.screens().form6();
}

void activate(Form6 &screen)
{
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&screen, &event);
}

// The angler picks an entry of a combo.
void pick(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// What a record frame shows: "value|anglers|dates|rafts|caption".
QString frameShows(QGroupBox *frame, QLabel *value, QComboBox *angler, QComboBox *date, QComboBox *raft)
{
    const QChar bar = QLatin1Char('|');
    return value->text() + bar + items(angler).join(QLatin1Char(',')) + bar + items(date).join(QLatin1Char(',')) + bar
        + items(raft).join(QLatin1Char(',')) + bar + frame->title();
}

QStringList framesShow(Form6 &s)
{
    return { frameShows(s.Frame2, s.Label7, s.Combo3, s.Combo4, s.Combo5),
             frameShows(s.Frame3, s.Label14, s.Combo6, s.Combo7, s.Combo8),
             frameShows(s.Frame4, s.Label23, s.Combo9, s.Combo10, s.Combo11) };
}

// Six saved days at four rafts.
QStringList sixDays()
{
    return {
        day(0, A, 3, 45, 5, 210),  day(1, B, 3, 45, 2, 83), day(2, A, 1, 38, 7, 250),
        day(3, B, 1, 38, 12, 190), day(4, C, 2, 50, 1, 50), day(5, A, 5, 30, 7, 201),
    };
}

// 201 days of A at 湾入り口: the first is A's best in everything, the next
// nine are the rest of every best ten, all others are smaller.
QStringList prunableDays()
{
    QStringList lines { day(0, A, 1, 60, 99, 9990) };
    for (int i = 1; i <= 9; ++i)
        lines << day(i, A, 1, 50 - i, 50 - i, 900 - i);
    for (int i = 10; i <= 200; ++i)
        lines << day(i, A, 1, 10, 1, 10);
    return lines;
}

const QString PruneQuestion
    = QStringLiteral("検索するデータ数が200件を超えましたので，余分なデータを削除することをおすすめします。\n\n"
                     "現在のデータ数ではランキングの検索に時間がかかり，データファイルも容量が大きすぎます。\n\n"
                     "ランキングに関係のないデータだけを削除します。\n\n"
                     "よろしければ 『　はい　』 ボタンをクリックしてください。");

// Message boxes that take the window's focus as a real one does: the
// screen is deactivated while the box is open.
class FocusTakingDialogs final : public Dialogs
{
public:
    using Dialogs::Dialogs;
    QWidget *screen = nullptr;
    int answer = AnswerNo;
    QStringList texts;

protected:
    int show(const MessageRecord &message) override
    {
        texts << message.text;
        if (screen) {
            QEvent event(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(screen, &event);
        }
        return answer;
    }
};

} // namespace

class TestPastRecordsScreen : public QObject
{
    Q_OBJECT

private slots:
    void withoutRecordFile();
    void loadReadsBothFiles();
    void recordFramesShowTheScope_data();
    void recordFramesShowTheScope();
    void anglerChoiceClearsTheRaftOptions();
    void recordCombosFollowEachOther();
    void bestTenOpensAndCloses_data();
    void bestTenOpensAndCloses();
    void closeControlIsRefusedAndCloseUnloads();
    void pruningIsOfferedAbove200Lines_data();
    void pruningIsOfferedAbove200Lines();
    void pruningAnsweredNoChangesNothing();
    void pruningAnsweredYesRewritesTheFile();
    void ownMessageDoesNotAskAgain();
};

void TestPastRecordsScreen::withoutRecordFile()
{
    TestGame t;
    writeAnglers(t, { A });
    Form6 &s = openScreen(t);
    QCOMPARE(s.windowTitle(), QStringLiteral("ナミヨセ-過去の記録　  　ＭＯＫＵ　KT-93"));
    QCOMPARE(t.dialogs.texts(), QStringList { QStringLiteral("過去のデータはありません。") });
    QVERIFY(!s.Command2->isEnabled());
    QVERIFY(s.Frame1->isHidden());
    QCOMPARE(s.Combo1->count(), 0);
    QCOMPARE(s.browser->Combo2->count(), 0);

    // The best-ten buttons still work, on no lines.
    s.Command7->click();
    QVERIFY(!s.List3->isHidden());
    QCOMPARE(s.List3->count(), 0);
    QCOMPARE(s.List3->currentRow(), -1);
    s.Command7->click();
    QVERIFY(!s.Frame1->isHidden());
    QVERIFY(!s.Command2->isHidden());
    QVERIFY(!s.Command2->isEnabled());
}

void TestPastRecordsScreen::loadReadsBothFiles()
{
    TestGame t;
    writeRecords(t, sixDays());
    writeAnglers(t, { A, B, C });
    Form6 &s = openScreen(t);
    QVERIFY(t.dialogs.texts().isEmpty());
    QCOMPARE(items(s.Combo1), (QStringList { Everybody, A, B, C }));
    QCOMPARE(s.Combo1->currentText(), Everybody);
    QCOMPARE(items(s.browser->Combo2), (QStringList { A, B, C }));
    QCOMPARE(s.browser->Combo2->currentIndex(), -1);
    QCOMPARE(t.state().RecordLines, sixDays());
    for (int k = 1; k <= 6; ++k)
        QVERIFY(!s.option(k)->isChecked());
    QVERIFY(s.Label29->text().isEmpty());
    QVERIFY(s.List3->isHidden());
    QVERIFY(s.Command2->isEnabled());
    QVERIFY(s.browser->List2->isHidden());
    QVERIFY(s.browser->Command4->isHidden());
    QVERIFY(!s.browser->Command5->isEnabled());
    QVERIFY(!s.browser->Command6->isEnabled());
}

void TestPastRecordsScreen::recordFramesShowTheScope_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("angler"); // index in Combo1: 0 すべて, 1 A, 2 B, 3 C
    QTest::addColumn<int>("option"); // 0 for Command2
    QTest::addColumn<QString>("label29");
    QTest::addColumn<QStringList>("frames");

    const QStringList days = sixDays();
    QTest::newRow("best ever") << days << 2 << 0 << QStringLiteral("全てのいかだのデータ")
                               << QStringList { QStringLiteral("50|") + C + QLatin1Char('|') + date(4)
                                                    + QStringLiteral("|北の離れ|最長寸"),
                                                QStringLiteral("12|") + B + QLatin1Char('|') + date(3)
                                                    + QStringLiteral("|湾入り口|枚数"),
                                                QStringLiteral("250|") + A + QLatin1Char('|') + date(2)
                                                    + QStringLiteral("|湾入り口|合計長寸") };
    QTest::newRow("one raft, everybody")
        << days << 0 << 3 << QStringLiteral("大浜のデータ")
        << QStringList { QStringLiteral("45|") + A + QLatin1Char(',') + B + QLatin1Char('|') + date(0)
                             + QLatin1Char(',') + date(1) + QStringLiteral("|大浜|最長寸　記録 2名"),
                         QStringLiteral("5|") + A + QLatin1Char('|') + date(0) + QStringLiteral("|大浜|枚数"),
                         QStringLiteral("210|") + A + QLatin1Char('|') + date(0) + QStringLiteral("|大浜|合計長寸") };
    QTest::newRow("one raft, one angler")
        << days << 2 << 1 << QStringLiteral("湾入り口のデータ")
        << QStringList { QStringLiteral("38|") + B + QLatin1Char('|') + date(3) + QStringLiteral("|湾入り口|最長寸"),
                         QStringLiteral("12|") + B + QLatin1Char('|') + date(3) + QStringLiteral("|湾入り口|枚数"),
                         QStringLiteral("190|") + B + QLatin1Char('|') + date(3)
                             + QStringLiteral("|湾入り口|合計長寸") };
    const QString none = Nothing + QLatin1Char('|') + Nothing + QLatin1Char('|') + Nothing + QLatin1Char('|');
    QTest::newRow("never at that raft") << days << 1 << 4 << QStringLiteral("南の離れのデータ")
                                        << QStringList { QStringLiteral("0|") + none + QStringLiteral("最長寸"),
                                                         QStringLiteral("0|") + none + QStringLiteral("枚数"),
                                                         QStringLiteral("0|") + none + QStringLiteral("合計長寸") };
    QTest::newRow("one angler, every raft")
        << days << 1 << 6 << QStringLiteral("全てのいかだのデータ")
        << QStringList { QStringLiteral("45|") + A + QLatin1Char('|') + date(0) + QStringLiteral("|大浜|最長寸"),
                         QStringLiteral("7|") + A + QLatin1Char('|') + date(2) + QLatin1Char(',') + date(5)
                             + QStringLiteral("|湾入り口,鴨の越し|枚数　記録 2回"),
                         QStringLiteral("250|") + A + QLatin1Char('|') + date(2)
                             + QStringLiteral("|湾入り口|合計長寸") };
    QTest::newRow("empty record file") << QStringList {} << 0 << 0 << QStringLiteral("全てのいかだのデータ")
                                       << QStringList { QStringLiteral("0|") + none + QStringLiteral("最長寸"),
                                                        QStringLiteral("0|") + none + QStringLiteral("枚数"),
                                                        QStringLiteral("0|") + none + QStringLiteral("合計長寸") };
}

void TestPastRecordsScreen::recordFramesShowTheScope()
{
    QFETCH(QStringList, lines);
    QFETCH(int, angler);
    QFETCH(int, option);
    QFETCH(QString, label29);
    QFETCH(QStringList, frames);

    TestGame t;
    writeRecords(t, lines);
    writeAnglers(t, { A, B, C });
    Form6 &s = openScreen(t);
    pick(s.Combo1, angler);
    if (option == 0)
        s.Command2->click();
    else
        s.option(option)->click();
    QCOMPARE(s.Label29->text(), label29);
    QCOMPARE(framesShow(s), frames);
    // Each combo shows its first entry.
    for (int n = 3; n <= 11; ++n)
        QCOMPARE(s.recordCombo(n)->currentIndex(), 0);
}

void TestPastRecordsScreen::anglerChoiceClearsTheRaftOptions()
{
    TestGame t;
    writeRecords(t, sixDays());
    writeAnglers(t, { A, B, C });
    Form6 &s = openScreen(t);
    s.Option3->click();
    const QStringList everybodyAtOhama = framesShow(s);

    pick(s.Combo1, 1);
    for (int k = 1; k <= 6; ++k)
        QVERIFY(!s.option(k)->isChecked());
    QCOMPARE(framesShow(s), everybodyAtOhama); // until a raft is chosen again
    s.Option3->click();
    QCOMPARE(s.Combo4->count(), 1);
    QCOMPARE(s.Combo3->currentText(), A);

    // The best ever is everybody's again.
    s.Command2->click();
    QCOMPARE(s.Combo1->currentText(), Everybody);
    QVERIFY(s.Option6->isChecked());
    QCOMPARE(s.Label7->text(), QStringLiteral("50"));
    QCOMPARE(s.Combo3->currentText(), C);
}

void TestPastRecordsScreen::recordCombosFollowEachOther()
{
    TestGame t;
    writeRecords(t, sixDays());
    writeAnglers(t, { A, B, C });
    Form6 &s = openScreen(t);
    s.Option3->click(); // A and B share 45 at 大浜
    QCOMPARE(s.Combo3->count(), 2);
    QCOMPARE(s.Combo4->count(), 2);
    QCOMPARE(s.Combo5->count(), 1);

    pick(s.Combo4, 1);
    QCOMPARE(s.Combo3->currentIndex(), 1);
    QCOMPARE(s.Combo3->currentText(), B);
    QCOMPARE(s.Combo5->currentIndex(), 0);
    // The single raft entry leads the others back to the first day.
    pick(s.Combo5, 0);
    QCOMPARE(s.Combo3->currentIndex(), 0);
    QCOMPARE(s.Combo4->currentIndex(), 0);
    // Another frame is left alone.
    pick(s.Combo3, 1);
    QCOMPARE(s.Combo4->currentIndex(), 1);
    QCOMPARE(s.Combo6->currentIndex(), 0);
}

void TestPastRecordsScreen::bestTenOpensAndCloses_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("measure");
    QTest::addColumn<QString>("frameCaption");
    QTest::addColumn<QString>("shownCaption");
    QTest::addColumn<QString>("closedCaption");

    QTest::newRow("longest") << QStringLiteral("Command3") << int(rankings::Measure::Longest)
                             << QStringLiteral("長寸ベスト１０") << QStringLiteral("ベスト10を閉じる")
                             << QStringLiteral("大きさベスト10を表示");
    QTest::newRow("count") << QStringLiteral("Command7") << int(rankings::Measure::Count)
                           << QStringLiteral("枚数ベスト１０") << QStringLiteral("枚数ベスト10を閉じる")
                           << QStringLiteral("枚数ベスト10を表示");
    QTest::newRow("total") << QStringLiteral("Command8") << int(rankings::Measure::Total)
                           << QStringLiteral("合計長寸ベスト１０") << QStringLiteral("ベスト10を閉じる")
                           << QStringLiteral("合計長寸ベスト10を表示");
}

void TestPastRecordsScreen::bestTenOpensAndCloses()
{
    QFETCH(QString, button);
    QFETCH(int, measure);
    QFETCH(QString, frameCaption);
    QFETCH(QString, shownCaption);
    QFETCH(QString, closedCaption);

    TestGame t;
    const QStringList lines = generated(40, { A, B, C });
    writeRecords(t, lines);
    writeAnglers(t, { A, B, C });
    Form6 &s = openScreen(t);
    s.Option3->click();
    auto *own = s.findChild<QPushButton *>(button);
    QList<QPushButton *> others;
    for (QPushButton *b : { s.Command3, s.Command7, s.Command8 })
        if (b != own)
            others << b;
    QCOMPARE(own->text(), closedCaption);

    own->click();
    QVERIFY(!s.List3->isHidden());
    QCOMPARE(items(s.List3), rankings::BestTenLines(lines, rankings::Measure(measure)));
    QCOMPARE(s.List3->currentRow(), 0);
    QCOMPARE(s.Frame6->title(), frameCaption);
    QCOMPARE(own->text(), shownCaption);
    QCOMPARE(s.Label29->text(), QStringLiteral("対象＝全てのいかだ"));
    for (QPushButton *b : others)
        QVERIFY(b->isHidden());
    QVERIFY(s.Command2->isHidden());
    QVERIFY(s.Frame1->isHidden());

    own->click();
    QVERIFY(s.List3->isHidden());
    QCOMPARE(s.List3->count(), 0);
    QCOMPARE(s.Frame6->title(), QStringLiteral("ランキングリスト"));
    QCOMPARE(own->text(), closedCaption);
    QVERIFY(s.Label29->text().isEmpty());
    for (QPushButton *b : others)
        QVERIFY(!b->isHidden());
    QVERIFY(!s.Command2->isHidden());
    QVERIFY(!s.Frame1->isHidden());
    QCOMPARE(s.Combo5->currentText(), QStringLiteral("大浜")); // the frames kept what they showed
}

void TestPastRecordsScreen::closeControlIsRefusedAndCloseUnloads()
{
    TestGame t;
    writeRecords(t, sixDays());
    writeAnglers(t, { A, B, C });
    Form6 &s = openScreen(t);
    t.screens().show(s);
    t.dialogs.clear();

    QVERIFY(!s.close());
    QCOMPARE(t.dialogs.texts(), QStringList { QStringLiteral("閉じるボタンで終了してください。") });
    QCOMPARE(t.screens().loadedForm6(), &s);

    s.Command1->click();
    QVERIFY(!t.screens().loadedForm6());
    t.advance(0);

    // A day saved meanwhile is there at the next opening.
    QVERIFY(datafiles::AddRecordLine(t.files, dataDir(t), day(9, B, 2, 58, 3, 150)));
    Form6 &again = openScreen(t);
    QVERIFY(&again != nullptr);
    again.Command2->click();
    QCOMPARE(again.Label7->text(), QStringLiteral("58"));
    QCOMPARE(t.state().RecordLines.size(), 7);
}

void TestPastRecordsScreen::pruningIsOfferedAbove200Lines_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("offered");
    QTest::newRow("200") << 200 << false;
    QTest::newRow("201") << 201 << true;
}

void TestPastRecordsScreen::pruningIsOfferedAbove200Lines()
{
    QFETCH(int, lines);
    QFETCH(bool, offered);
    TestGame t;
    writeRecords(t, prunableDays().mid(0, lines));
    writeAnglers(t, { A });
    Form6 &s = openScreen(t);
    t.dialogs.answer(AnswerNo);
    activate(s);
    QCOMPARE(t.dialogs.texts(), offered ? QStringList { PruneQuestion } : QStringList {});
    if (offered)
        QCOMPARE(t.dialogs.shown().front().buttons, MessageButtons::YesNo);
}

void TestPastRecordsScreen::pruningAnsweredNoChangesNothing()
{
    TestGame t;
    writeRecords(t, prunableDays());
    writeAnglers(t, { A });
    const QByteArray before = recordBytes(t);
    Form6 &s = openScreen(t);
    t.dialogs.answer(AnswerNo);
    activate(s);
    QCOMPARE(t.state().Answer, int(AnswerNo));
    QCOMPARE(recordBytes(t), before);
    QVERIFY(!QFile::exists(prune::BackupPath(dataDir(t))));

    // Asked again at the next visit.
    t.dialogs.answer(AnswerNo);
    activate(s);
    QCOMPARE(t.dialogs.texts(), (QStringList { PruneQuestion, PruneQuestion }));
}

void TestPastRecordsScreen::pruningAnsweredYesRewritesTheFile()
{
    TestGame t;
    const QStringList days = prunableDays();
    writeRecords(t, days);
    writeAnglers(t, { A, B });
    Form6 &s = openScreen(t);
    pick(s.browser->Combo2, 0);
    s.Command3->click();

    // A day saved on the catch screen while this screen stayed open.
    const QString late = day(300, B, 4, 55, 3, 140);
    QVERIFY(datafiles::AddRecordLine(t.files, dataDir(t), late));
    const QByteArray before = recordBytes(t);

    t.dialogs.answer(AnswerYes);
    activate(s);
    const QStringList kept = QStringList { late } + days.mid(0, 10);
    QCOMPARE(recordBytes(t), textFileBytes(QStringList { QStringLiteral("11") } + kept));
    QCOMPARE(fileBytes(prune::BackupPath(dataDir(t))), before);
    QCOMPARE(t.state().RecordLines, kept);
    QCOMPARE(t.dialogs.texts(),
             (QStringList {
                 PruneQuestion,
                 QStringLiteral("ランキングに関係のないデータを削除しました。\n\n削除後のデータ数は 11件です。\n\n"
                                "なお、ランキングに表示されるデータには影響はありません。") }));
    QCOMPARE(s.browser->List1->count(), 0);
    QVERIFY(!s.browser->List1->isHidden());
    QCOMPARE(s.List3->count(), 0);

    // 11 lines: no question any more.
    activate(s);
    QCOMPARE(t.dialogs.texts().size(), 2);
}

void TestPastRecordsScreen::ownMessageDoesNotAskAgain()
{
    // A real message box takes the focus and gives it back when it closes;
    // that is not a new visit of the screen, or the question would never
    // let the angler go.
    TestGame t;
    writeRecords(t, prunableDays());
    writeAnglers(t, { A });
    FocusTakingDialogs dialogs(t.scheduler);
    Platform platform { t.scheduler, dialogs, t.random, t.clock, t.sound, t.cue, t.files, ProgramDirs { t.dir(), {}, {} } };
    Game game(platform);
    game.state.AppDir = t.dir();
    Form6 &s = game.screens().form6();
    dialogs.screen = &s;

    activate(s);
    QCOMPARE(dialogs.texts.size(), 1);
    activate(s); // the box closed
    QCOMPARE(dialogs.texts.size(), 1);
    activate(s); // the angler comes back from another window
    QCOMPARE(dialogs.texts.size(), 2);
}

QTEST_MAIN(TestPastRecordsScreen)
#include "test_pastrecordsscreen.moc"
