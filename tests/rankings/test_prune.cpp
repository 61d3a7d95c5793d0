#include "rankings/bestrecords.h"
#include "rankings/prune.h"
#include "rankings/rankings.h"
#include "recordfixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace recordfixture;
using rankings::Measure;

namespace {

const QString A = QStringLiteral("釣人Ａ");
const QString B = QStringLiteral("釣人Ｂ");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Everything the past-records screen can show of a record file: the three
// best-ten lists and the best records of every scope its selectors offer.
QStringList everythingShown(const QStringList &lines, const QStringList &anglers)
{
    QStringList shown;
    for (Measure m : rankings::AllMeasures)
        shown << rankings::BestTenLines(lines, m);
    const std::vector<RecordLine> days = rankings::SavedDays(lines);
    QList<std::optional<QString>> who { std::nullopt };
    for (const QString &a : anglers)
        who << a;
    for (int raft = 0; raft <= 5; ++raft)
        for (const std::optional<QString> &angler : who) {
            bestrecords::Scope scope;
            scope.raft = raft;
            scope.angler = angler;
            for (const bestrecords::BestRecord &best : bestrecords::BestRecords(days, scope))
                shown << best.value + QLatin1Char('|') + best.anglers.join(QLatin1Char(',')) + QLatin1Char('|')
                        + best.dates.join(QLatin1Char(',')) + QLatin1Char('|') + best.rafts.join(QLatin1Char(','));
        }
    return shown;
}

// A file system whose writes to one file fail, as a locked file would.
class FailingWritesTo : public FileSystem
{
public:
    explicit FailingWritesTo(QString suffix)
        : m_suffix(std::move(suffix))
    {
    }
    bool writeAll(const QString &path, const QByteArray &bytes, QString *error) override
    {
        if (path.endsWith(m_suffix)) {
            if (error)
                *error = QStringLiteral("Permission denied");
            return false;
        }
        return FileSystem::writeAll(path, bytes, error);
    }

private:
    QString m_suffix;
};

} // namespace

class TestPrune : public QObject
{
    Q_OBJECT

private slots:
    void keepsWhatTheListsNeedInItsOrder_data();
    void keepsWhatTheListsNeedInItsOrder();
    void largeFileShowsTheSameAfterPruning();
    void prunesTheFileAsItIsNowAndKeepsACopy();
    void failedWriteLeavesTheFileAlone_data();
    void failedWriteLeavesTheFileAlone();
};

void TestPrune::keepsWhatTheListsNeedInItsOrder_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("kept"); // positions in lines

    {
        const QString C = QStringLiteral("釣人Ｃ"), D = QStringLiteral("釣人Ｄ"), E = QStringLiteral("釣人Ｅ"),
                      F = QStringLiteral("釣人Ｆ");
        const QStringList lines {
            day(0, A, 2, 40, 3, 100), // 0  A's only day at raft 2
            day(1, A, 1, 30, 2, 50), // 1  A at raft 1: no best, but 10th by count and total
            day(2, B, 1, 33, 2, 33), // 2  B at raft 1: shares the longest with 7
            day(3, A, 1, 32, 2, 32), // 3  A at raft 1: longest
            day(4, A, 1, 25, 4, 60), // 4  A at raft 1: count and total, written once
            day(5, F, 5, 10, 1, 10), // 5  F at raft 5: no best, in no best ten
            day(6, F, 5, 10, 1, 10), // 6  the same
            day(7, B, 1, 33, 3, 70), // 7  B at raft 1: longest, count, total
            day(8, C, 3, 20, 2, 40), // 8  anglers missing from the list keep their bests
            day(9, D, 4, 21, 2, 41), // 9
            day(10, E, 4, 22, 2, 42), // 10
            day(11, F, 5, 11, 2, 22), // 11 F at raft 5: every best
            QStringLiteral("記録2002年"), // not a saved day
        };
        QTest::newRow("per-raft bests and the best ten") << lines << QList<int> { 0, 1, 2, 3, 4, 7, 8, 9, 10, 11 };
    }
    {
        // A's first day is A's best in everything: only the best tens keep
        // the others. The 10th and 11th by longest share 41, so eleven stay.
        QStringList lines { day(0, A, 1, 60, 99, 9990) };
        const int longest[] = { 50, 49, 48, 47, 46, 45, 44, 43, 41, 41, 40 };
        for (int i = 1; i <= 11; ++i)
            lines << day(i, A, 1, longest[i - 1], 20 - i, 500 - i);
        lines << day(12, QStringLiteral("釣人Ｚ"), 2, 10, 1, 10); // its own best at raft 2
        QTest::newRow("tenth and eleventh tied") << lines << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12 };
    }
    {
        // Everything after the tenth ties with it: all of them stay.
        QStringList lines { day(0, A, 1, 60, 99, 9990) };
        for (int i = 1; i <= 14; ++i)
            lines << day(i, A, 1, 30, 1, 30);
        QTest::newRow("ties run to the end")
            << lines << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 };
    }
    {
        // Two copies of one day are two saved lines of the file.
        const QString line = day(0, A, 1, 40, 2, 80);
        QTest::newRow("identical lines") << QStringList { line, line } << QList<int> { 0, 1 };
    }
    QTest::newRow("empty") << QStringList {} << QList<int> {};
}

void TestPrune::keepsWhatTheListsNeedInItsOrder()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, kept);

    QStringList expected;
    for (int i : kept)
        expected << lines.at(i);
    QCOMPARE(prune::PrunedRecordLines(lines), expected);
}

void TestPrune::largeFileShowsTheSameAfterPruning()
{
    // Few values, so that many days share them; an angler whose days name
    // no raft.
    const QString lost = QStringLiteral("迷子");
    const QStringList anglers = anglerNames(40) + QStringList { lost };
    QStringList lines = generated(10000, anglerNames(40));
    lines << day(1, lost, 0, 30, 3, 90) << day(2, lost, 7, 25, 2, 50) << day(3, lost, 7, 20, 1, 20);

    const QStringList kept = prune::PrunedRecordLines(lines);
    QVERIFY2(kept.size() < lines.size() / 4, qPrintable(QString::number(kept.size())));
    QCOMPARE(everythingShown(kept, anglers), everythingShown(lines, anglers));
    // A second pruning has nothing more to take.
    QCOMPARE(prune::PrunedRecordLines(kept), kept);
}

void TestPrune::prunesTheFileAsItIsNowAndKeepsACopy()
{
    QTemporaryDir dir;
    const QString data = dir.path();
    FileSystem files;
    QStringList lines { day(0, A, 1, 60, 99, 9990) };
    for (int i = 1; i <= 205; ++i)
        lines << day(i, A, 1, 20 + i % 7, 1 + i % 5, 100 + i % 9);
    QVERIFY(datafiles::RewriteRecordFile(files, data, lines));
    // A day saved after the screen read the file.
    const QString late = day(300, B, 4, 55, 3, 140);
    QVERIFY(datafiles::AddRecordLine(files, data, late));
    const QByteArray before = fileBytes(datafiles::RecordFilePath(data));

    const prune::Outcome outcome = prune::PruneRecordFile(files, data);
    QVERIFY2(outcome.written, qPrintable(outcome.error));
    QCOMPARE(outcome.lines, prune::PrunedRecordLines(QStringList { late } + lines));
    QVERIFY(outcome.lines.contains(late));
    QCOMPARE(fileBytes(prune::BackupPath(data)), before);
    const datafiles::RecordFile after = datafiles::ReadRecordFile(files, data);
    QCOMPARE(after.lines, outcome.lines);
    QCOMPARE(after.declaredCount, int(outcome.lines.size()));
}

void TestPrune::failedWriteLeavesTheFileAlone_data()
{
    QTest::addColumn<QString>("failing");
    QTest::newRow("the copy") << QStringLiteral(".bak");
    QTest::newRow("the record file") << QStringLiteral("チヌ記録.txt");
}

void TestPrune::failedWriteLeavesTheFileAlone()
{
    QFETCH(QString, failing);
    QTemporaryDir dir;
    FailingWritesTo files(failing);
    FileSystem plain;
    QVERIFY(datafiles::RewriteRecordFile(plain, dir.path(), generated(250, { A, B })));
    const QByteArray before = fileBytes(datafiles::RecordFilePath(dir.path()));

    const prune::Outcome outcome = prune::PruneRecordFile(files, dir.path());
    QVERIFY(!outcome.written);
    QVERIFY(!outcome.error.isEmpty());
    QCOMPARE(fileBytes(datafiles::RecordFilePath(dir.path())), before);
}

QTEST_GUILESS_MAIN(TestPrune)
#include "test_prune.moc"
