#include "records/datafiles.h"
#include "records/daysave.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace datafiles;

namespace {

const QString angler = QStringLiteral("釣人Ａ");
const QString exampleLine = QStringLiteral("記録2002年10月05日14時30分4520020083釣人Ａ");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray cp(const QString &text)
{
    return cp932::encode(text);
}

// A file system whose writes fail, as a full disk or a locked file would.
class FailingWrites : public FileSystem
{
public:
    bool writeAll(const QString &, const QByteArray &, QString *error) override
    {
        if (error)
            *error = QStringLiteral("No space left on device");
        return false;
    }
};

// A file that is there but cannot be read.
class UnreadableFiles : public FileSystem
{
public:
    std::optional<QByteArray> readAll(const QString &) const override { return std::nullopt; }
};

QString dayLine(int n, const QString &name = QStringLiteral("釣人Ａ"))
{
    // A different stamp and keys per n, so every line is its own.
    return FormatRecordLine(QStringLiteral("2002年10月05日14時30分"), 20 + n % 50, 1 + n % 5, n % 7 + 1,
                            100 + n, name);
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT
private slots:
    void numberPatterns_data();
    void numberPatterns();
    void numericTextIsTakenAsItsNumber();
    void stamps();

    void recordLineFields_data();
    void recordLineFields();
    void malformedRecordLinesAreNoDays_data();
    void malformedRecordLinesAreNoDays();
    void dayFileNames_data();
    void dayFileNames();
    void catchEntries();

    void firstAndSecondSaveGoldenBytes();
    void workedExampleDayFileGoldenBytes();
    void anglerNameWithSpacesStaysWhole();
    void addingKeepsEveryLineActuallyPresent_data();
    void addingKeepsEveryLineActuallyPresent();
    void readRecordFileOfEachShape_data();
    void readRecordFileOfEachShape();
    void rewriteWritesTheTrueCount();
    void unencodableLinesAreRefusedWritingNothing();

    void failedWriteLeavesOldFileWhole();
    void unreadableRecordFileIsNeverReplaced();
    void killDuringSaveLeavesAWholeFile();

    void readDayFileTakesCountFromName_data();
    void readDayFileTakesCountFromName();
    void listingDayFiles();
    void deletingADayFile();
    void hostileAnglersReachNothingOutside_data();
    void hostileAnglersReachNothingOutside();
    void linksInTheDataFolderAreNotFollowed();
    void sameMinuteSavesKeepBothDays_data();
    void sameMinuteSavesKeepBothDays();
    void aSaveTriedAgainFindsItsOwnFile();
    void ensureDirectory();

    void fuzzReaders();
};

void TestDataFiles::numberPatterns_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("# 7") << qint64(7) << QStringLiteral("#") << QStringLiteral("7");
    QTest::newRow("# zero is empty") << qint64(0) << QStringLiteral("#") << QString();
    QTest::newRow("0# 7") << qint64(7) << QStringLiteral("0#") << QStringLiteral("07");
    QTest::newRow("0# 45") << qint64(45) << QStringLiteral("0#") << QStringLiteral("45");
    QTest::newRow("0# zero") << qint64(0) << QStringLiteral("0#") << QStringLiteral("00");
    QTest::newRow("00# 5") << qint64(5) << QStringLiteral("00#") << QStringLiteral("005");
    QTest::newRow("00# 12") << qint64(12) << QStringLiteral("00#") << QStringLiteral("012");
    QTest::newRow("000# 210") << qint64(210) << QStringLiteral("000#") << QStringLiteral("0210");
    QTest::newRow("too wide keeps all digits") << qint64(12345) << QStringLiteral("000#") << QStringLiteral("12345");
    QTest::newRow("#,### 1234") << qint64(1234) << QStringLiteral("#,###") << QStringLiteral("1,234");
    QTest::newRow("#,### 210") << qint64(210) << QStringLiteral("#,###") << QStringLiteral("210");
    QTest::newRow("#,### millions") << qint64(1234567) << QStringLiteral("#,###") << QStringLiteral("1,234,567");
    QTest::newRow("#,### zero is empty") << qint64(0) << QStringLiteral("#,###") << QString();
}

void TestDataFiles::numberPatterns()
{
    QFETCH(qint64, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(numberformat::Format(value, pattern), expected);
}

void TestDataFiles::numericTextIsTakenAsItsNumber()
{
    QCOMPARE(numberformat::Format(u"005", u"#"), QStringLiteral("5"));
    QCOMPARE(numberformat::Format(u"45", u"0#"), QStringLiteral("45"));
    QCOMPARE(numberformat::Format(u" 7", u"00#"), QStringLiteral("007"));
    QCOMPARE(numberformat::Val(u"45センチ"), qint64(45));
    QCOMPARE(numberformat::Val(u"abc"), qint64(0));
    QCOMPARE(numberformat::Val(u""), qint64(0));
    // far more digits than any count: no overflow
    QVERIFY(numberformat::Val(QString(400, QLatin1Char('9'))) > 0);
}

void TestDataFiles::stamps()
{
    const QString stamp = numberformat::SaveStamp(QDateTime(QDate(2002, 10, 5), QTime(14, 30, 59)));
    QCOMPARE(stamp, QStringLiteral("2002年10月05日14時30分"));
    QCOMPARE(stamp.size(), 17);
    QCOMPARE(numberformat::SaveStamp(QDateTime(QDate(2003, 1, 2), QTime(9, 5))),
             QStringLiteral("2003年01月02日09時05分"));
    QCOMPARE(numberformat::SaveStamp(QDateTime(QDate(2003, 1, 2), QTime(0, 0))).mid(11, 6),
             QStringLiteral("00時00分"));
    QCOMPARE(numberformat::ShortDate(QDate(2002, 10, 5)), QStringLiteral("2002年10月5日"));
    QCOMPARE(numberformat::ShortDate(QDate(2003, 1, 2)), QStringLiteral("2003年1月2日"));
}

void TestDataFiles::recordLineFields_data()
{
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("raft");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QString stamp = QStringLiteral("2002年10月05日14時30分");
    QTest::newRow("five chinu at 大浜") << 45 << 3 << 5 << 210 << angler
                                         << QStringLiteral("記録2002年10月05日14時30分4530050210釣人Ａ");
    QTest::newRow("two chinu at 北の離れ") << 45 << 2 << 2 << 83 << angler << exampleLine;
    QTest::newRow("one chinu of 38 at raft 5")
        << 38 << 5 << 1 << 38 << QStringLiteral("A") << QString(QStringLiteral("記録") + stamp + QStringLiteral("385001") + QStringLiteral("0038A"));
}

void TestDataFiles::recordLineFields()
{
    QFETCH(int, longest);
    QFETCH(int, raft);
    QFETCH(int, count);
    QFETCH(int, total);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString stamp = QStringLiteral("2002年10月05日14時30分");
    const QString line = FormatRecordLine(stamp, longest, raft, count, total, name);
    QCOMPARE(line, expected);

    const std::optional<RecordLine> parsed = RecordLine::parse(line);
    QVERIFY(parsed);
    QCOMPARE(parsed->stamp(), stamp);
    QCOMPARE(parsed->date(), QStringLiteral("2002年10月05日"));
    QCOMPARE(parsed->longest(), longest);
    QCOMPARE(parsed->raft(), raft);
    QCOMPARE(parsed->count(), count);
    QCOMPARE(parsed->total(), total);
    QCOMPARE(parsed->angler(), name);
    // the fixed positions, 1-based as the rankings cut them
    QCOMPARE(line.mid(19, 2), parsed->longestKey().toString());
    QCOMPARE(line.mid(22, 3), parsed->countKey().toString());
    QCOMPARE(line.mid(25, 4), parsed->totalKey().toString());
    QCOMPARE(parsed->countKey().size(), 3);
}

void TestDataFiles::malformedRecordLinesAreNoDays_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isDay");
    QTest::newRow("the example") << exampleLine << true;
    QTest::newRow("leading blanks are skipped") << QString(QStringLiteral("  ") + exampleLine) << true;
    QTest::newRow("raft digit outside 1..5 still parses")
        << QString(exampleLine).replace(21, 1, QLatin1Char('7')) << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("shorter than 30 (no name)") << exampleLine.left(29) << false;
    QTest::newRow("cut in the keys") << exampleLine.left(24) << false;
    QTest::newRow("no marker") << QString(exampleLine).replace(0, 2, QStringLiteral("XX")) << false;
    QTest::newRow("a key is not a digit") << QString(exampleLine).replace(23, 1, QLatin1Char('x')) << false;
    QTest::newRow("raft is not a digit") << QString(exampleLine).replace(21, 1, QLatin1Char(' ')) << false;
    QTest::newRow("bytes that were not CP932") << QString(exampleLine + QChar(0xFFFD)) << false;
    QTest::newRow("a count line") << QStringLiteral("12") << false;
}

void TestDataFiles::malformedRecordLinesAreNoDays()
{
    QFETCH(QString, line);
    QFETCH(bool, isDay);
    QCOMPARE(RecordLine::parse(line).has_value(), isDay);
}

void TestDataFiles::dayFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("raft");
    // What the browser and the day-file reader take from any name, valid or not.
    QTest::addColumn<int>("leniently"); // the count
    QTest::addColumn<QString>("leniencyRaft");
    QTest::newRow("worked example") << QStringLiteral("2002年10月05日14時30分002北の離れ.txt") << true << 2
                                    << QStringLiteral("北の離れ") << 2 << QStringLiteral("北の離れ");
    QTest::newRow("大浜") << QStringLiteral("2002年10月05日14時30分005大浜.txt") << true << 5 << QStringLiteral("大浜") << 5
                        << QStringLiteral("大浜");
    QTest::newRow("no raft name") << QStringLiteral("2002年10月05日14時30分005.txt") << true << 5 << QString() << 5
                                  << QString();
    QTest::newRow("too short") << QStringLiteral("memo.txt") << false << 0 << QString() << 0 << QString();
    QTest::newRow("count not digits") << QStringLiteral("2002年10月05日14時30分0x5大浜.txt") << false << 0 << QString() << 0
                                      << QStringLiteral("大浜");
    QTest::newRow("not .txt") << QStringLiteral("2002年10月05日14時30分005大浜.txt.tmp") << false << 0 << QString() << 5
                              << QStringLiteral("大浜.txt");
}

void TestDataFiles::dayFileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QFETCH(int, count);
    QFETCH(QString, raft);
    QFETCH(int, leniently);
    QFETCH(QString, leniencyRaft);
    const DayFileNameParts read = ReadDayFileNameLeniently(name);
    QCOMPARE(read.count, leniently);
    QCOMPARE(read.raftName, leniencyRaft);
    const std::optional<DayFileNameParts> parts = ParseDayFileName(name);
    QCOMPARE(parts.has_value(), valid);
    if (!parts)
        return;
    QCOMPARE(parts->count, count);
    QCOMPARE(parts->raftName, raft);
    QCOMPARE(parts->date, QStringLiteral("2002年10月05日"));
    QCOMPARE(DayFileName(parts->stamp, parts->count, parts->raftName), name);
}

void TestDataFiles::catchEntries()
{
    const QString entry = CatchEntry(QStringLiteral("チヌ"), 45);
    QCOMPARE(entry, QStringLiteral("チヌ  45センチ"));
    QCOMPARE(EntryLength(entry), 45);
    QCOMPARE(EntryLength(CatchEntry(QStringLiteral("ボラ"), 40)), 40);
    QCOMPARE(EntryLength(QStringLiteral("チヌ")), 0);
}

void TestDataFiles::firstAndSecondSaveGoldenBytes()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString path = RecordFilePath(dir.path());
    QVERIFY(!ReadRecordFile(fs, dir.path()).found);

    QString error;
    QVERIFY2(AddRecordLine(fs, dir.path(), exampleLine, &error), qPrintable(error));
    // "1" CR LF, the line in CP932, CR LF, written by hand from the code page
    const QByteArray first = QByteArray::fromHex(
        "310d0a8b4c985e32303032944e31308c8e303593fa31348e9e333095aa3435323030323030383392de906c82600d0a");
    QCOMPARE(fileBytes(path), first);

    const QString second = QStringLiteral("記録2002年10月06日09時05分3850010038釣人Ａ");
    QVERIFY(AddRecordLine(fs, dir.path(), second, &error));
    QCOMPARE(fileBytes(path), QByteArray("2\r\n") + cp(second) + "\r\n" + first.mid(3));

    const RecordFile read = ReadRecordFile(fs, dir.path());
    QVERIFY(read.found && read.hasCountLine && read.validEncoding);
    QCOMPARE(read.declaredCount, 2);
    QCOMPARE(read.lines, (QStringList{second, exampleLine}));
}

void TestDataFiles::workedExampleDayFileGoldenBytes()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), angler)));
    const QString name = DayFileName(QStringLiteral("2002年10月05日14時30分"), 2, QStringLiteral("北の離れ"));
    QCOMPARE(name, QStringLiteral("2002年10月05日14時30分002北の離れ.txt"));
    const QStringList entries{QStringLiteral("チヌ  45センチ"), QStringLiteral("チヌ  38センチ")};
    QVERIFY(WriteDayFile(fs, dir.path(), angler, name, QStringLiteral("北の離れ"), entries));

    const QString path = dir.path() + QStringLiteral("/釣人Ａ/2002年10月05日14時30分002北の離れ.txt");
    QCOMPARE(fileBytes(path), QByteArray::fromHex("966b82cc97a382ea0d0a8360836b20203435835a839383600d0a"
                                                  "8360836b20203338835a839383600d0a"));
    const DayFile day = ReadDayFile(fs, dir.path(), angler, name);
    QVERIFY(day.found);
    QCOMPARE(day.lines, QStringList{QStringLiteral("北の離れ")} + entries);
    QCOMPARE(ListDayFiles(fs, dir.path(), angler), QStringList{name});
}

void TestDataFiles::anglerNameWithSpacesStaysWhole()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString name = QStringLiteral("山田 太郎　二世 ");
    const QString line = FormatRecordLine(QStringLiteral("2002年10月05日14時30分"), 45, 2, 2, 83, name);
    QVERIFY(AddRecordLine(fs, dir.path(), line));
    const RecordFile read = ReadRecordFile(fs, dir.path());
    QCOMPARE(read.lines.size(), 1);
    QCOMPARE(RecordLine::parse(read.lines.first())->angler(), name);

    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), name)));
    QVERIFY(QFileInfo(dir.path() + QLatin1Char('/') + name).isDir());
    QVERIFY(WriteDayFile(fs, dir.path(), name, QStringLiteral("2002年10月05日14時30分001大浜.txt"),
                         QStringLiteral("大浜"), {QStringLiteral("チヌ  45センチ")}));
    QCOMPARE(ListDayFiles(fs, dir.path(), name).size(), 1);
}

// Whatever the count line says, adding a day keeps every line the file
// holds, byte for byte and in order, and writes the true count.
void TestDataFiles::addingKeepsEveryLineActuallyPresent_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QList<QByteArray>>("kept");
    const QByteArray a = cp(dayLine(1));
    const QByteArray b = cp(dayLine(2));
    const QByteArray c = cp(dayLine(3));
    const QByteArray bad = QByteArray("\x8b\x4c\x98\x5e\xff\xfe\x81", 7); // 記録 then bytes that are not CP932
    QTest::newRow("count right") << QByteArray("3\r\n" + a + "\r\n" + b + "\r\n" + c + "\r\n") << QList{a, b, c};
    QTest::newRow("count promises fewer") << QByteArray("1\r\n" + a + "\r\n" + b + "\r\n" + c + "\r\n")
                                          << QList{a, b, c};
    QTest::newRow("count promises more") << QByteArray("9\r\n" + a + "\r\n") << QList{a};
    QTest::newRow("count with blanks") << QByteArray(" 2 \r\n" + a + "\r\n" + b + "\r\n") << QList{a, b};
    QTest::newRow("count not a number is kept as a line")
        << QByteArray("abc\r\n" + a + "\r\n") << QList<QByteArray>{"abc", a};
    QTest::newRow("no count line") << QByteArray(a + "\r\n" + b + "\r\n") << QList{a, b};
    QTest::newRow("count beyond 16 bits") << QByteArray("99999999\r\n" + a + "\r\n") << QList{a};
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("count only") << QByteArray("0\r\n") << QList<QByteArray>{};
    QTest::newRow("no final line end") << QByteArray("2\r\n" + a + "\r\n" + b) << QList{a, b};
    QTest::newRow("LF line ends") << QByteArray("2\n" + a + "\n" + b + "\n") << QList{a, b};
    QTest::newRow("blank lines dropped") << QByteArray("2\r\n\r\n" + a + "\r\n  \r\n" + b + "\r\n\r\n")
                                         << QList{a, b};
    QTest::newRow("short and broken lines kept untouched")
        << QByteArray("3\r\n" + a + "\r\n" + cp(QStringLiteral("記録2002")) + "\r\n" + bad + "\r\n" + b + "\r\n")
        << QList{a, cp(QStringLiteral("記録2002")), bad, b};
}

void TestDataFiles::addingKeepsEveryLineActuallyPresent()
{
    QFETCH(QByteArray, before);
    QFETCH(QList<QByteArray>, kept);
    QTemporaryDir dir;
    FileSystem fs;
    putBytes(RecordFilePath(dir.path()), before);

    QString error;
    QVERIFY2(AddRecordLine(fs, dir.path(), exampleLine, &error), qPrintable(error));
    QByteArray expected = QByteArray::number(kept.size() + 1) + "\r\n" + cp(exampleLine) + "\r\n";
    for (const QByteArray &line : kept)
        expected += line + "\r\n";
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), expected);

    const RecordFile read = ReadRecordFile(fs, dir.path());
    QCOMPARE(read.declaredCount, int(read.lines.size()));
    QCOMPARE(read.lines.first(), exampleLine);
}

void TestDataFiles::readRecordFileOfEachShape_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("hasCount");
    QTest::addColumn<int>("declared");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("valid");
    const QByteArray a = cp(dayLine(1));
    QTest::newRow("count 0") << QByteArray("0\r\n") << true << 0 << 0 << 0 << true;
    QTest::newRow("empty") << QByteArray() << false << 0 << 0 << 0 << true;
    QTest::newRow("count says 5, one line") << QByteArray("5\r\n" + a + "\r\n") << true << 5 << 1 << 1 << true;
    QTest::newRow("count says 1, three lines") << QByteArray("1\r\n" + a + "\r\n" + a + "\r\n" + a + "\r\n")
                                               << true << 1 << 3 << 3 << true;
    QTest::newRow("short line left out of the days") << QByteArray("2\r\n" + a + "\r\nxyz\r\n") << true << 2 << 2
                                                     << 1 << true;
    QTest::newRow("bad bytes spoil only their line")
        << QByteArray("2\r\n\x81\r\n" + a + "\r\n") << true << 2 << 2 << 1 << false;
    QTest::newRow("a lone lead byte at the end") << QByteArray("1\r\n" + a + "\r\n\x81") << true << 1 << 2 << 1
                                                 << false;
}

void TestDataFiles::readRecordFileOfEachShape()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, hasCount);
    QFETCH(int, declared);
    QFETCH(int, lines);
    QFETCH(int, days);
    QFETCH(bool, valid);
    QTemporaryDir dir;
    FileSystem fs;
    putBytes(RecordFilePath(dir.path()), bytes);
    const RecordFile read = ReadRecordFile(fs, dir.path());
    QVERIFY(read.found && read.readable);
    QCOMPARE(read.hasCountLine, hasCount);
    QCOMPARE(read.declaredCount, declared);
    QCOMPARE(read.lines.size(), lines);
    QCOMPARE(read.validEncoding, valid);
    int parsed = 0;
    for (const QString &line : read.lines)
        parsed += RecordLine::parse(line).has_value();
    QCOMPARE(parsed, days);
}

void TestDataFiles::rewriteWritesTheTrueCount()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QStringList lines{dayLine(1), dayLine(2)};
    QVERIFY(RewriteRecordFile(fs, dir.path(), lines));
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), QByteArray("2\r\n" + cp(lines[0]) + "\r\n" + cp(lines[1]) + "\r\n"));
    QVERIFY(RewriteRecordFile(fs, dir.path(), {}));
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), QByteArray("0\r\n"));
}

void TestDataFiles::unencodableLinesAreRefusedWritingNothing()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(AddRecordLine(fs, dir.path(), exampleLine));
    const QByteArray before = fileBytes(RecordFilePath(dir.path()));
    const QString notCp932 = QStringLiteral("記録2002年10月05日14時30分4520020083") + QChar(0x00E9) + QChar(0x263A);
    QString error;
    QVERIFY(!AddRecordLine(fs, dir.path(), notCp932, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!AddRecordLine(fs, dir.path(), exampleLine + QStringLiteral("\r\n") + exampleLine));
    QVERIFY(!RewriteRecordFile(fs, dir.path(), {notCp932}));
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), before);

    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), angler)));
    QVERIFY(!WriteDayFile(fs, dir.path(), angler, QStringLiteral("x.txt"), QString(QChar(0x263A)), {}));
    QVERIFY(!WriteDayFile(fs, dir.path(), angler, QStringLiteral("../x.txt"), QStringLiteral("大浜"), {}));
    QVERIFY(ListDayFiles(fs, dir.path(), angler).isEmpty());
}

void TestDataFiles::failedWriteLeavesOldFileWhole()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(AddRecordLine(fs, dir.path(), dayLine(1)));
    QVERIFY(AddRecordLine(fs, dir.path(), dayLine(2)));
    const QByteArray before = fileBytes(RecordFilePath(dir.path()));

    FailingWrites full;
    QString error;
    QVERIFY(!AddRecordLine(full, dir.path(), exampleLine, &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));
    QVERIFY(!RewriteRecordFile(full, dir.path(), {exampleLine}));
    QVERIFY(!WriteDayFile(full, dir.path(), angler, QStringLiteral("a.txt"), QStringLiteral("大浜"), {}));
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), before);
}

void TestDataFiles::unreadableRecordFileIsNeverReplaced()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(AddRecordLine(fs, dir.path(), dayLine(1)));
    const QByteArray before = fileBytes(RecordFilePath(dir.path()));

    UnreadableFiles locked;
    QString error;
    QVERIFY(!AddRecordLine(locked, dir.path(), exampleLine, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), before);
    const RecordFile read = ReadRecordFile(locked, dir.path());
    QVERIFY(read.found && !read.readable);

    // A folder where the record file should be: not read, not replaced.
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir(RecordFileName()));
    QVERIFY(!AddRecordLine(fs, other.path(), exampleLine));
    QVERIFY(QFileInfo(RecordFilePath(other.path())).isDir());
}

// A save killed at any moment leaves a record file that is whole: the old
// one or the new one, its count true, every earlier day still there.
void TestDataFiles::killDuringSaveLeavesAWholeFile()
{
    QTemporaryDir dir;
    FileSystem fs;
    QStringList seed;
    for (int n = 0; n < 400; ++n)
        seed.append(dayLine(n));
    QVERIFY(RewriteRecordFile(fs, dir.path(), seed));

    QRandomGenerator pause(20021005);
    qsizetype previous = seed.size();
    for (int round = 0; round < 16; ++round) {
        // The child tells after each finished save, so that every round
        // kills it in the middle of a later one, however slow the disk.
        int done[2];
        QCOMPARE(pipe(done), 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(done[0]);
            FileSystem childFs;
            for (int n = 0;; ++n) {
                AddRecordLine(childFs, dir.path(), dayLine(1000 + n));
                const char saved = 1;
                if (::write(done[1], &saved, 1) != 1)
                    _exit(1);
            }
        }
        ::close(done[1]);
        char saved = 0;
        QCOMPARE(::read(done[0], &saved, 1), ssize_t(1));
        usleep(useconds_t(pause.bounded(20000))); // somewhere inside a later save
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ::close(done[0]);

        const RecordFile read = ReadRecordFile(fs, dir.path());
        QVERIFY(read.found && read.hasCountLine && read.validEncoding);
        QCOMPARE(read.declaredCount, int(read.lines.size()));
        QVERIFY(read.lines.size() >= previous);
        QCOMPARE(read.lines.mid(read.lines.size() - seed.size()), seed);
        for (const QString &line : read.lines)
            QVERIFY(RecordLine::parse(line));
        previous = read.lines.size();
    }
    QVERIFY2(previous > seed.size(), "no save finished between the kills");
}

void TestDataFiles::readDayFileTakesCountFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QString c45 = QStringLiteral("チヌ  45センチ");
    const QString c38 = QStringLiteral("チヌ  38センチ");
    const QByteArray file = cp(QStringLiteral("大浜\r\n") + c45 + QStringLiteral("\r\n") + c38 + QStringLiteral("\r\n"));
    const QString stamp = QStringLiteral("2002年10月05日14時30分");
    QTest::newRow("count 2") << stamp + QStringLiteral("002大浜.txt") << file
                             << QStringList{QStringLiteral("大浜"), c45, c38};
    QTest::newRow("count 1 reads the first entry only") << stamp + QStringLiteral("001大浜.txt") << file
                                                       << QStringList{QStringLiteral("大浜"), c45};
    QTest::newRow("count 9, file short") << stamp + QStringLiteral("009大浜.txt") << file
                                         << QStringList{QStringLiteral("大浜"), c45, c38};
    QTest::newRow("count not digits reads the raft only") << stamp + QStringLiteral("abc大浜.txt") << file
                                                           << QStringList{QStringLiteral("大浜")};
    QTest::newRow("short name") << QStringLiteral("a.txt") << file << QStringList{QStringLiteral("大浜")};
    QTest::newRow("empty file") << stamp + QStringLiteral("002大浜.txt") << QByteArray() << QStringList{};
    QTest::newRow("leading blanks skipped") << stamp + QStringLiteral("001大浜.txt")
                                            << QByteArray("  " + cp(QStringLiteral("大浜")) + "\r\n") << QStringList{QStringLiteral("大浜")};
}

void TestDataFiles::readDayFileTakesCountFromName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), angler)));
    putBytes(AnglerDirectory(dir.path(), angler) + QLatin1Char('/') + name, bytes);
    const DayFile day = ReadDayFile(fs, dir.path(), angler, name);
    QVERIFY(day.found);
    QCOMPARE(day.lines, lines);
}

void TestDataFiles::listingDayFiles()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(ListDayFiles(fs, dir.path(), angler).isEmpty()); // no folder
    QVERIFY(!ReadDayFile(fs, dir.path(), angler, QStringLiteral("x.txt")).found);

    const QString folder = AnglerDirectory(dir.path(), angler);
    QVERIFY(EnsureDirectory(fs, folder));
    const QStringList names{QStringLiteral("2003年01月02日09時05分001大浜.txt"),
                            QStringLiteral("2002年10月05日14時30分005大浜.txt"),
                            QStringLiteral("2002年12月31日23時59分010鴨の越し.txt")};
    for (const QString &name : names)
        QVERIFY(WriteDayFile(fs, dir.path(), angler, name, QStringLiteral("大浜"), {}));
    putBytes(folder + QStringLiteral("/2002年10月05日14時30分005大浜.txt.Xy12Ab"), "torn");
    QVERIFY(QDir(folder).mkdir(QStringLiteral("sub.txt")));
    QCOMPARE(ListDayFiles(fs, dir.path(), angler), (QStringList{names[1], names[2], names[0]}));
}

void TestDataFiles::deletingADayFile()
{
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), angler)));
    const QString name = QStringLiteral("2002年10月05日14時30分005大浜.txt");
    QVERIFY(WriteDayFile(fs, dir.path(), angler, name, QStringLiteral("大浜"), {}));
    QVERIFY(AddRecordLine(fs, dir.path(), exampleLine));
    const QByteArray record = fileBytes(RecordFilePath(dir.path()));
    using Outcome = DayFileDeletion::Outcome;
    QCOMPARE(DeleteDayFile(fs, dir.path(), angler, name).outcome, Outcome::Deleted);
    QVERIFY(ListDayFiles(fs, dir.path(), angler).isEmpty());
    QCOMPARE(DeleteDayFile(fs, dir.path(), angler, name).outcome, Outcome::AlreadyGone);
    QCOMPARE(DeleteDayFile(fs, dir.path(), angler, QStringLiteral("..")).outcome, Outcome::Refused);
    // A folder bearing a day's name is no day file.
    QVERIFY(QDir(AnglerDirectory(dir.path(), angler)).mkdir(name));
    QCOMPARE(DeleteDayFile(fs, dir.path(), angler, name).outcome, Outcome::Refused);
    QCOMPARE(fileBytes(RecordFilePath(dir.path())), record);
}

void TestDataFiles::hostileAnglersReachNothingOutside_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reaches"); // the folder the name would lead to, from the program's folder
    QTest::newRow("..") << QStringLiteral("..") << QStringLiteral(".");
    QTest::newRow("../..") << QStringLiteral("../..") << QStringLiteral("..");
    QTest::newRow("../外1") << QStringLiteral("../外1") << QStringLiteral("../外1");
    QTest::newRow("in and out") << QStringLiteral("釣人Ａ/../..") << QStringLiteral(".");
    QTest::newRow(".") << QStringLiteral(".") << QStringLiteral("fishingdata");
}

// A hostile line of the angler list used as a name: no day file outside the
// data folder is listed, read, written or deleted, and no folder is made.
void TestDataFiles::hostileAnglersReachNothingOutside()
{
    QFETCH(QString, name);
    QFETCH(QString, reaches);
    QTemporaryDir top;
    FileSystem fs;
    const QString app = top.filePath(QStringLiteral("外0/app"));
    const QString data = DataDirectory(app);
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(data, angler)));
    QVERIFY(QDir().mkpath(top.filePath(QStringLiteral("外0/外1"))));
    const QString day = QStringLiteral("2002年10月05日14時30分001大浜.txt");
    const QString outside = QDir::cleanPath(app + QLatin1Char('/') + reaches) + QLatin1Char('/') + day;
    putBytes(outside, cp(QStringLiteral("大浜\r\nチヌ  45センチ\r\n")));
    const QByteArray before = fileBytes(outside);

    QCOMPARE(AnglerDirectory(data, name), QString());
    QVERIFY(ListDayFiles(fs, data, name).isEmpty());
    QVERIFY(!ReadDayFile(fs, data, name, day).found);
    QCOMPARE(DeleteDayFile(fs, data, name, day).outcome, DayFileDeletion::Outcome::Refused);
    QString error;
    QVERIFY(!WriteDayFile(fs, data, name, QStringLiteral("2002年10月06日14時30分001大浜.txt"), QStringLiteral("大浜"),
                          {}, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(outside), before);
    QCOMPARE(QDir(QFileInfo(outside).path()).entryList(QDir::Files), QStringList{day});
}

// A link planted in the data folder, as an angler's folder or as a day file,
// leads nowhere: what lies outside is neither listed nor read, and nothing
// is written or deleted through it.
void TestDataFiles::linksInTheDataFolderAreNotFollowed()
{
    QTemporaryDir top;
    FileSystem fs;
    const QString data = DataDirectory(top.filePath(QStringLiteral("app")));
    const QString outsideDir = top.filePath(QStringLiteral("外1"));
    QVERIFY(QDir().mkpath(outsideDir));
    const QString day = QStringLiteral("2002年10月05日14時30分001大浜.txt");
    const QByteArray secret = cp(QStringLiteral("大浜\r\nチヌ  45センチ\r\n"));
    putBytes(outsideDir + QLatin1Char('/') + day, secret);

    QVERIFY(EnsureDirectory(fs, AnglerDirectory(data, angler)));
    QVERIFY(QFile::link(outsideDir + QLatin1Char('/') + day, AnglerDirectory(data, angler) + QLatin1Char('/') + day));
    const QString linkedAngler = QStringLiteral("磯野");
    QVERIFY(QFile::link(outsideDir, data + QLatin1Char('/') + linkedAngler));

    for (const QString &who : {angler, linkedAngler}) {
        QVERIFY2(ListDayFiles(fs, data, who).isEmpty(), qPrintable(who));
        QVERIFY(!ReadDayFile(fs, data, who, day).found);
        QCOMPARE(DeleteDayFile(fs, data, who, day).outcome, DayFileDeletion::Outcome::Refused);
        QVERIFY(!WriteDayFile(fs, data, who, day, QStringLiteral("大浜"), {}));
    }
    QVERIFY(!WriteDayFile(fs, data, linkedAngler, QStringLiteral("2002年10月06日14時30分001大浜.txt"),
                          QStringLiteral("大浜"), {}));
    QCOMPARE(AnglerDirectory(data, linkedAngler), QString());
    QCOMPARE(fileBytes(outsideDir + QLatin1Char('/') + day), secret);
    QCOMPARE(QDir(outsideDir).entryList(QDir::Files), QStringList{day});
    QVERIFY(QFileInfo(AnglerDirectory(data, angler) + QLatin1Char('/') + day).isSymLink());
}

void TestDataFiles::sameMinuteSavesKeepBothDays_data()
{
    QTest::addColumn<QStringList>("taken"); // stamps whose day file of 2 chinu at 大浜 is there
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("free");
    const QString at = QStringLiteral("2002年10月05日14時30分");
    QTest::newRow("name free") << QStringList{} << at << at;
    QTest::newRow("same minute taken") << QStringList{at} << at << QStringLiteral("2002年10月05日14時31分");
    QTest::newRow("two minutes taken")
        << QStringList{at, QStringLiteral("2002年10月05日14時31分")} << at << QStringLiteral("2002年10月05日14時32分");
    QTest::newRow("last minute of the year") << QStringList{QStringLiteral("2002年12月31日23時59分")}
                                             << QStringLiteral("2002年12月31日23時59分")
                                             << QStringLiteral("2003年01月01日00時00分");
}

// Two saves in one minute by the same angler at the same raft with the same
// count: the second takes the next free minute, and the first day file is
// never replaced, so the record file never lists two days with one file.
void TestDataFiles::sameMinuteSavesKeepBothDays()
{
    QFETCH(QStringList, taken);
    QFETCH(QString, stamp);
    QFETCH(QString, free);
    QTemporaryDir dir;
    FileSystem fs;
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), angler)));
    const QString raft = QStringLiteral("大浜");
    const QStringList first{QStringLiteral("チヌ  45センチ"), QStringLiteral("チヌ  38センチ")};
    for (const QString &t : taken)
        QVERIFY(WriteDayFile(fs, dir.path(), angler, DayFileName(t, 2, raft), raft, first));

    const QStringList second{QStringLiteral("チヌ  50センチ"), QStringLiteral("チヌ  20センチ")};
    const auto dayOf = [&](const QStringList &entries, const QString &raftName) {
        DayToSave day;
        day.angler = angler;
        day.stamp = stamp;
        day.raft = 1;
        day.raftName = raftName;
        day.entries = entries;
        day.count = entries.size();
        day.longest = 50;
        day.total = 70;
        return day;
    };
    const DaySaveOutcome saved = SaveDay(fs, dir.path(), dayOf(second, raft));
    QVERIFY2(saved.step == DaySaveOutcome::Step::Saved, qPrintable(saved.error));
    const QString chosen = saved.stamp;
    QCOMPARE(chosen, free);
    QCOMPARE(saved.fileName, DayFileName(free, 2, raft));
    QCOMPARE(ReadRecordFile(fs, dir.path()).lines.first(),
             FormatRecordLine(free, 50, 1, 2, 70, angler));
    // Another count or raft is another name: that minute stays free for it.
    QCOMPARE(SaveDay(fs, dir.path(), dayOf(second + second, raft)).stamp, stamp);
    QCOMPARE(SaveDay(fs, dir.path(), dayOf(second, QStringLiteral("北の離れ"))).stamp, stamp);

    QCOMPARE(ListDayFiles(fs, dir.path(), angler).size(), taken.size() + 3);
    for (const QString &t : taken)
        QCOMPARE(ReadDayFile(fs, dir.path(), angler, DayFileName(t, 2, raft)).lines, QStringList{raft} + first);
    QCOMPARE(ReadDayFile(fs, dir.path(), angler, DayFileName(chosen, 2, raft)).lines, QStringList{raft} + second);
    QVERIFY(!fs.exists(SaveNotePath(dir.path())));
}

// A day file whose record line could not be written is taken up again by
// the next try of the same day: its stamp stays and no second file is made.
void TestDataFiles::aSaveTriedAgainFindsItsOwnFile()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString raft = QStringLiteral("大浜");
    const QString stamp = QStringLiteral("2002年10月05日14時30分");
    const QStringList entries{QStringLiteral("チヌ  45センチ")};
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(dir.path(), angler)));
    QVERIFY(WriteDayFile(fs, dir.path(), angler, DayFileName(stamp, 1, raft), raft, entries));
    const DaySaveOutcome saved = SaveDay(fs, dir.path(), {angler, stamp, 1, raft, entries, 1, 45, 45});
    QVERIFY(saved.step == DaySaveOutcome::Step::Saved);
    QCOMPARE(saved.stamp, stamp);
    QCOMPARE(ListDayFiles(fs, dir.path(), angler).size(), 1);
    // Saved once more (another copy's equal day): a name of its own.
    QCOMPARE(SaveDay(fs, dir.path(), {angler, stamp, 1, raft, entries, 1, 45, 45}).stamp,
             QStringLiteral("2002年10月05日14時31分"));
    QCOMPARE(ReadRecordFile(fs, dir.path()).lines.size(), 2);
}

void TestDataFiles::ensureDirectory()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString data = DataDirectory(dir.path());
    QCOMPARE(data, dir.path() + QStringLiteral("/fishingdata"));
    QVERIFY(EnsureDirectory(fs, AnglerDirectory(data, angler))); // parents too
    QVERIFY(EnsureDirectory(fs, data));                          // already there
    putBytes(dir.path() + QStringLiteral("/plain"), "x");
    QVERIFY(!EnsureDirectory(fs, dir.path() + QStringLiteral("/plain"))); // a file in the way
}

// Random and mutated files through every reader and the adding writer: no
// crash, no hang, and adding a day always keeps what was read.
void TestDataFiles::fuzzReaders()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString folder = AnglerDirectory(dir.path(), angler);
    QVERIFY(EnsureDirectory(fs, folder));
    QRandomGenerator random(5102002);

    QStringList goodLines;
    for (int n = 0; n < 6; ++n)
        goodLines.append(dayLine(n));
    const QByteArray good = textFileBytes(QStringList{QStringLiteral("6")} + goodLines);
    const QByteArray alphabet = QByteArrayLiteral("\r\n\x81\x82\x9f\xe0\xfc\xff\x80\xa0 09\x40\x7f");

    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        switch (round % 3) {
        case 0: { // random bytes, heavy on the troublesome ones
            const int size = int(random.bounded(300));
            for (int i = 0; i < size; ++i)
                bytes.append(random.bounded(2) ? char(random.bounded(256)) : alphabet[random.bounded(alphabet.size())]);
            break;
        }
        default: { // a good file, mutated
            bytes = good;
            const int edits = 1 + int(random.bounded(6));
            for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
                const qsizetype at = random.bounded(bytes.size());
                switch (random.bounded(4)) {
                case 0: bytes[at] = char(random.bounded(256)); break;
                case 1: bytes.insert(at, alphabet[random.bounded(alphabet.size())]); break;
                case 2: bytes.truncate(at); break;
                default: bytes.remove(at, random.bounded(20)); break;
                }
            }
        }
        }

        putBytes(RecordFilePath(dir.path()), bytes);
        const RecordFile before = ReadRecordFile(fs, dir.path());
        for (const QString &line : before.lines) {
            QVERIFY(!line.contains(QLatin1Char('\n')));
            if (const std::optional<RecordLine> day = RecordLine::parse(line))
                QVERIFY(day->raft() >= 0 && day->raft() <= 9 && !day->angler().isEmpty());
        }
        QVERIFY(AddRecordLine(fs, dir.path(), exampleLine));
        const RecordFile after = ReadRecordFile(fs, dir.path());
        QVERIFY(after.hasCountLine);
        QCOMPARE(after.declaredCount, int(after.lines.size()));
        QCOMPARE(after.lines.first(), exampleLine);
        QCOMPARE(after.lines.mid(1), before.lines);

        // the same bytes as a day file under a random name
        QString name = QStringLiteral("2002年10月05日14時30分");
        const int tail = int(random.bounded(8));
        for (int i = 0; i < tail; ++i)
            name += QChar(char16_t(u'0' + random.bounded(12)));
        name += random.bounded(2) ? QStringLiteral(".txt") : QString();
        putBytes(folder + QLatin1Char('/') + name, bytes);
        const DayFile day = ReadDayFile(fs, dir.path(), angler, name);
        QVERIFY(day.found);
        QVERIFY(day.lines.size() <= 1000);
        for (const QString &line : day.lines)
            EntryLength(line);
        ParseDayFileName(name);
        ListDayFiles(fs, dir.path(), angler);
        QFile::remove(folder + QLatin1Char('/') + name);
    }
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
