#include "platform/random.h"
#include "prep/settingsrules.h"
#include "prep/settingstexts.h"

#include <QTest>

using settings::NameProblem;

class TestSettingsRules : public QObject
{
    Q_OBJECT

private slots:
    void tideHoursOfTheDay_data();
    void tideHoursOfTheDay();
    void endTimeGivesHourAndMinutes_data();
    void endTimeGivesHourAndMinutes();
    void crossingIsRefusedInOrder_data();
    void crossingIsRefusedInOrder();
    void anglerNames_data();
    void anglerNames();
    void everyRefusalSaysWhy();
};

void TestSettingsRules::tideHoursOfTheDay_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QList<int>>("hours"); // Label5, Label6, Label7, Label8
    const QList<QList<int>> table {
        { 1, 13, 7, 19 }, { 2, 14, 8, 20 }, { 3, 15, 9, 21 }, { 4, 16, 10, 22 }, { 5, 17, 11, 23 }, { 6, 18, 12, 24 },
        { 7, 19, 1, 13 }, { 8, 20, 2, 14 }, { 9, 21, 3, 15 }, { 10, 22, 4, 16 }, { 11, 23, 5, 17 }, { 12, 24, 6, 18 },
    };
    for (int x = 1; x <= 12; ++x)
        QTest::addRow("x=%d", x) << ScriptedRandom::forDraw(x, 12) << table.at(x - 1);
    QTest::addRow("r=0 gives x=1") << 0.0 << table.first();
    QTest::addRow("r just below 1 gives x=12") << 0.999999 << table.last();
}

// Two high waters twelve hours apart; of the two low waters the earlier
// always comes first, also when the second would pass midnight.
void TestSettingsRules::tideHoursOfTheDay()
{
    QFETCH(double, r);
    QFETCH(QList<int>, hours);
    ScriptedRandom random { r };
    const settings::TideHours drawn = settings::drawTideHours(random);
    QCOMPARE((QList<int> { drawn.firstHigh, drawn.secondHigh, drawn.earlierLow, drawn.laterLow }), hours);
    QCOMPARE(random.taken(), 1);
}

void TestSettingsRules::endTimeGivesHourAndMinutes_data()
{
    QTest::addColumn<QString>("endTime");
    QTest::addColumn<QString>("endHour");
    QTest::addColumn<int>("minutes");
    const QStringList ends = settingstexts::endTimes();
    QTest::newRow("10") << ends.at(0) << QStringLiteral("10") << 180;
    QTest::newRow("12") << ends.at(1) << QStringLiteral("12") << 300;
    QTest::newRow("15") << ends.at(2) << QStringLiteral("15") << 480;
    QTest::newRow("17") << ends.at(3) << QStringLiteral("17") << 600;
    QTest::newRow("none") << QString() << QString() << 0;
}

void TestSettingsRules::endTimeGivesHourAndMinutes()
{
    QFETCH(QString, endTime);
    QFETCH(QString, endHour);
    QFETCH(int, minutes);
    QCOMPARE(settings::endHourOf(endTime), endHour);
    QCOMPARE(settings::dayMinutesFor(endTime), minutes);
}

void TestSettingsRules::crossingIsRefusedInOrder_data()
{
    QTest::addColumn<int>("spotNo");
    QTest::addColumn<QString>("fish");
    QTest::addColumn<QString>("endTime");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const int raft = 3;
    const QString fish = settingstexts::fish().at(0),
                  end = settingstexts::endTimes().at(2);
    const QString name = QStringLiteral("taro");
    const QString bad = QStringLiteral("a/b");
    QTest::newRow("nothing chosen") << 0 << QString() << QString() << bad
                                    << QStringLiteral("場所を選択してください。");
    QTest::newRow("raft missing") << 0 << fish << end << name << QStringLiteral("場所を選択してください。");
    QTest::newRow("fish missing") << raft << QString() << QString() << bad
                                  << QStringLiteral("狙う魚を選択してください。");
    QTest::newRow("end time missing") << raft << fish << QString() << bad
                                      << QStringLiteral("終わりの時間を選択してください。");
    QTest::newRow("blank name") << raft << fish << end << QStringLiteral(" \u3000 ")
                                << QStringLiteral("釣り人名を入力してください。");
    QTest::newRow("refused name") << raft << fish << end << bad
                                  << settings::nameProblemMessage({ NameProblem::ForbiddenMark, QStringLiteral("/") });
    QTest::newRow("ready") << raft << fish << end << name << QString();
}

void TestSettingsRules::crossingIsRefusedInOrder()
{
    QFETCH(int, spotNo);
    QFETCH(QString, fish);
    QFETCH(QString, endTime);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QCOMPARE(settings::crossingRefusal(spotNo, fish, endTime, name), message);
}

void TestSettingsRules::anglerNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name"); // as it will be used
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("character"); // named in the refusal
    const auto ok = int(NameProblem::None);
    QTest::newRow("plain") << QStringLiteral("浜田") << QStringLiteral("浜田") << ok << QString();
    QTest::newRow("blanks trimmed") << QStringLiteral("  浜田\u3000 ") << QStringLiteral("浜田") << ok << QString();
    QTest::newRow("inner blank kept") << QStringLiteral("浜田 一郎") << QStringLiteral("浜田 一郎") << ok << QString();
    QTest::newRow("wave dash folded") << QStringLiteral("なみ\u301C") << QStringLiteral("なみ\uFF5E") << ok
                                      << QString();
    QTest::newRow("NEC and IBM kanji") << QStringLiteral("髙橋①") << QStringLiteral("髙橋①") << ok << QString();
    QTest::newRow("three dots") << QStringLiteral("...") << QStringLiteral("...") << ok << QString();
    QTest::newRow("word inside a name") << QStringLiteral("すべて君") << QStringLiteral("すべて君") << ok << QString();
    QTest::newRow("empty") << QString() << QString() << int(NameProblem::Empty) << QString();
    QTest::newRow("blanks only") << QStringLiteral(" \u3000\t") << QString() << int(NameProblem::Empty) << QString();
    QTest::newRow("dot") << QStringLiteral(" . ") << QStringLiteral(".") << int(NameProblem::DotName)
                         << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("..") << int(NameProblem::DotName)
                             << QStringLiteral("..");
    QTest::newRow("every angler") << QStringLiteral("すべて") << QStringLiteral("すべて")
                                  << int(NameProblem::AllAnglersWord) << QStringLiteral("すべて");
    const QString marks = QStringLiteral("/\\:*?\"<>|");
    for (const QChar mark : marks)
        QTest::addRow("mark %c", mark.toLatin1())
            << QStringLiteral("a") + mark + QStringLiteral("b") << QStringLiteral("a") + mark + QStringLiteral("b")
            << int(NameProblem::ForbiddenMark) << QString(mark);
    QTest::newRow("tab inside") << QStringLiteral("a\tb") << QStringLiteral("a\tb")
                                << int(NameProblem::ControlCharacter) << QString();
    QTest::newRow("line feed inside") << QStringLiteral("a\nb") << QStringLiteral("a\nb")
                                      << int(NameProblem::ControlCharacter) << QString();
    QTest::newRow("not in CP932") << QStringLiteral("魚\U0001F41F") << QStringLiteral("魚\U0001F41F")
                                  << int(NameProblem::NotInCodePage) << QStringLiteral("\U0001F41F");
    QTest::newRow("hangul") << QStringLiteral("김") << QStringLiteral("김") << int(NameProblem::NotInCodePage)
                            << QStringLiteral("김");
    // U+F86F encodes, but reads back as №: the list and the folder would
    // then disagree on the name.
    QTest::newRow("changes on the way back") << QStringLiteral("釣\uF86F") << QStringLiteral("釣\uF86F")
                                             << int(NameProblem::NotInCodePage) << QStringLiteral("\uF86F");
    // The data folder's own files: a folder of that name would block every
    // save or pruning.
    const int own = int(NameProblem::DataFileName);
    for (const char *file : { "チヌ記録.txt", "釣り人.txt", "チヌ記録.txt.bak", "釣り人.txt.bak", "チヌ記録.txt.lock",
                              "チヌ記録.txt.Xy12Ab", "namiyose-log.sqlite", "namiyose-log.sqlite-wal",
                              "namiyose-log.sqlite-shm", "namiyose-log.sqlite-journal", "ﾁﾇ記録.TXT",
                              "チヌ記録．ｔｘｔ", "釣り人.Txt.BAK", "NamiYose-Log.SQLite", ".チヌ記録.txt.tmp",
                              ".namiyose-tmp-Ab12Cd34Ef56-チヌ記録.txt", ".namiyose-saving", ".NAMIYOSE-running.lock" }) {
        const QString name = QString::fromUtf8(file);
        QTest::addRow("own file %s", file) << name << name << own << name;
    }
    QTest::newRow("a file's name inside a longer name") << QStringLiteral("チヌ記録.txtの人")
                                                        << QStringLiteral("チヌ記録.txtの人") << ok << QString();
    QTest::newRow("record file without .txt") << QStringLiteral("チヌ記録") << QStringLiteral("チヌ記録") << ok
                                              << QString();
    QTest::newRow("85 kanji fit a folder")
        << QString(85, QChar(0x9B5A)) << QString(85, QChar(0x9B5A)) << ok << QString();
    QTest::newRow("86 kanji do not") << QString(86, QChar(0x9B5A)) << QString(86, QChar(0x9B5A))
                                     << int(NameProblem::TooLong) << QString();
}

// A name becomes a line of the angler list and a folder name: whatever
// would break either is refused, before anything is written.
void TestSettingsRules::anglerNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(int, problem);
    QFETCH(QString, character);
    QCOMPARE(settings::cleanAnglerName(typed), name);
    const settings::NameCheck check = settings::checkAnglerName(name);
    QCOMPARE(int(check.problem), problem);
    QCOMPARE(check.character, character);
}

void TestSettingsRules::everyRefusalSaysWhy()
{
    QSet<QString> seen;
    for (NameProblem p :
         { NameProblem::Empty, NameProblem::DotName, NameProblem::AllAnglersWord, NameProblem::DataFileName,
           NameProblem::ForbiddenMark,
           NameProblem::ControlCharacter, NameProblem::NotInCodePage, NameProblem::TooLong }) {
        const QString message = settings::nameProblemMessage({ p, QStringLiteral("X") });
        QVERIFY(!message.isEmpty());
        QVERIFY2(!seen.contains(message), qPrintable(message));
        seen << message;
        if (p != NameProblem::Empty && p != NameProblem::ControlCharacter && p != NameProblem::TooLong)
            QVERIFY2(message.contains(QLatin1Char('X')), qPrintable(message));
    }
    QVERIFY(settings::nameProblemMessage({}).isEmpty());
}

QTEST_GUILESS_MAIN(TestSettingsRules)
#include "test_settingsrules.moc"
