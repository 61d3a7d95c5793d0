#include "platform/programdirs.h"
#include "platform/textfiles.h"
#include "prep/anglerlist.h"
#include "prep/waveinstall.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A disk that refuses every write.
class FullDisk : public FileSystem
{
public:
    bool writeAll(const QString &, const QByteArray &, QString *error) override
    {
        if (error)
            *error = QStringLiteral("disk full");
        return false;
    }
};

const QByteArray hamada("\x95\x6c\x93\x63"); // 浜田 in CP932
const QByteArray isono("\x88\xe9\x96\xec"); // 磯野

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void listIsWrittenByteForByte();
    void listHasNoSizeLimit();
    void readingTolerates_data();
    void readingTolerates();
    void missingListHasNoNames();
    void addingAnAngler_data();
    void addingAnAngler();
    void failedWriteKeepsTheOldList();
    void wavesAreInstalledFromTheFirstFolderThatHoldsThem();
};

void TestSettingsFiles::listIsWrittenByteForByte()
{
    QTemporaryDir dir;
    FileSystem fs;
    const QString data = dir.filePath(QStringLiteral("fishingdata")); // created by the write
    QVERIFY(writeAnglerNames(fs, data, { QStringLiteral("浜田"), QStringLiteral("磯野"), QStringLiteral("K 2") }));
    QCOMPARE(anglerListPath(data), data + QStringLiteral("/釣り人.txt"));
    QCOMPARE(bytesOf(anglerListPath(data)), QByteArray(" 3 \r\n") + hamada + "\r\n" + isono + "\r\n" + "K 2\r\n");
    QCOMPARE(readAnglerNames(fs, data),
             (QStringList { QStringLiteral("浜田"), QStringLiteral("磯野"), QStringLiteral("K 2") }));
}

// Every name in the file is offered, however many anglers have come.
void TestSettingsFiles::listHasNoSizeLimit()
{
    QTemporaryDir dir;
    FileSystem fs;
    QStringList names;
    for (int i = 1; i <= 150; ++i)
        names << QStringLiteral("angler%1").arg(i);
    QVERIFY(writeAnglerNames(fs, dir.path(), names));
    QVERIFY(bytesOf(anglerListPath(dir.path())).startsWith(" 150 \r\nangler1\r\n"));
    QCOMPARE(readAnglerNames(fs, dir.path()), names);
}

void TestSettingsFiles::readingTolerates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    const QStringList ab { QStringLiteral("A"), QStringLiteral("B") };
    QTest::newRow("blanks around count and names") << QByteArray("  2  \r\n  A\r\nB \r\n") << ab;
    QTest::newRow("count without blanks") << QByteArray("2\r\nA\r\nB\r\n") << ab;
    QTest::newRow("LF line ends") << QByteArray(" 2 \nA\nB\n") << ab;
    QTest::newRow("no line end after the last name") << QByteArray(" 2 \r\nA\r\nB") << ab;
    QTest::newRow("count larger than the names") << QByteArray(" 5 \r\nA\r\nB\r\n") << ab;
    QTest::newRow("count smaller: the count rules")
        << QByteArray(" 1 \r\nA\r\nB\r\n") << QStringList { QStringLiteral("A") };
    QTest::newRow("count not a number") << QByteArray("x\r\nA\r\nB\r\n") << ab;
    QTest::newRow("empty line skipped") << QByteArray(" 3 \r\nA\r\n\r\nB\r\n") << ab;
    QTest::newRow("broken bytes skipped") << QByteArray(" 3 \r\nA\r\n\x82\r\nB\r\n") << ab;
    QTest::newRow("CP932 names") << QByteArray(" 2 \r\n") + hamada + "\r\n" + isono + "\r\n"
                                 << QStringList { QStringLiteral("浜田"), QStringLiteral("磯野") };
    QTest::newRow("count zero") << QByteArray(" 0 \r\n") << QStringList();
    // Lines the settings screen would refuse as typed names are never
    // offered: they could lead out of the data folder or block every save.
    QByteArray hostile(" 9 \r\n..\r\n../..\r\n");
    for (const QString &line : { QStringLiteral("../外1"), QStringLiteral("チヌ記録.txt"), QStringLiteral("釣り人.txt.bak"),
                                 QStringLiteral("すべて"), QStringLiteral("a\\b"), QStringLiteral("浜田") })
        hostile += cp932::encode(line) + "\r\n";
    QTest::newRow("hostile lines skipped") << hostile + "." << QStringList { QStringLiteral("浜田") };
    QTest::newRow("negative count reads every line") << QByteArray(" -1 \r\nA\r\nB\r\n") << ab;
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestSettingsFiles::readingTolerates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    writeBytes(anglerListPath(dir.path()), bytes);
    QCOMPARE(readAnglerNames(FileSystem(), dir.path()), names);
}

void TestSettingsFiles::missingListHasNoNames()
{
    QTemporaryDir dir;
    QVERIFY(readAnglerNames(FileSystem(), dir.path()).isEmpty());
    QVERIFY(readAnglerNames(FileSystem(), dir.filePath(QStringLiteral("nowhere"))).isEmpty());
}

void TestSettingsFiles::addingAnAngler_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("first angler creates the list")
        << QByteArray() << QStringLiteral("浜田") << int(AnglerAdded::Added) << QByteArray(" 1 \r\n") + hamada + "\r\n";
    QTest::newRow("new angler goes last") << QByteArray(" 1 \r\n") + hamada + "\r\n"
                                          << QStringLiteral("磯野") << int(AnglerAdded::Added)
                                          << QByteArray(" 2 \r\n") + hamada + "\r\n" + isono + "\r\n";
    // An angler already listed leaves the file untouched (its LF ends show it).
    QTest::newRow("known angler writes nothing")
        << QByteArray("2\nA\n") + hamada + "\n"
        << QStringLiteral("浜田") << int(AnglerAdded::AlreadyListed) << QByteArray("2\nA\n") + hamada + "\n";
    QTest::newRow("a name equal to the count line is still new")
        << QByteArray(" 1 \r\nA\r\n") << QStringLiteral("1") << int(AnglerAdded::Added)
        << QByteArray(" 2 \r\nA\r\n1\r\n");
}

void TestSettingsFiles::addingAnAngler()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, name);
    QFETCH(int, result);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    FileSystem fs;
    if (!before.isEmpty())
        writeBytes(anglerListPath(dir.path()), before);
    QStringList offered = readAnglerNames(fs, dir.path());
    QCOMPARE(int(addAnglerName(fs, dir.path(), offered, name)), result);
    QCOMPARE(bytesOf(anglerListPath(dir.path())), after);
    QCOMPARE(offered, readAnglerNames(fs, dir.path()));
}

void TestSettingsFiles::failedWriteKeepsTheOldList()
{
    QTemporaryDir dir;
    const QByteArray old = QByteArray(" 1 \r\n") + hamada + "\r\n";
    writeBytes(anglerListPath(dir.path()), old);
    FullDisk fs;
    QStringList offered { QStringLiteral("浜田") };
    QString error;
    QCOMPARE(addAnglerName(fs, dir.path(), offered, QStringLiteral("磯野"), &error), AnglerAdded::NotWritten);
    QCOMPARE(error, QStringLiteral("disk full"));
    QCOMPARE(bytesOf(anglerListPath(dir.path())), old);
    // The angler is still offered for the rest of the run.
    QCOMPARE(offered, (QStringList { QStringLiteral("浜田"), QStringLiteral("磯野") }));
}

// Each wave comes from the first folder that holds it; an installed wave is
// left alone; a wave found nowhere is only reported.
void TestSettingsFiles::wavesAreInstalledFromTheFirstFolderThatHoldsThem()
{
    QTemporaryDir root;
    const QString first = root.filePath(QStringLiteral("bin"));
    const QString second = root.filePath(QStringLiteral("share"));
    const QStringList names { QStringLiteral("スタート"), QStringLiteral("ばらし"), QStringLiteral("あたり"),
                              QStringLiteral("チヌ30") };
    QCOMPARE(waveinstall::waveNames(), names);
    writeBytes(first + QLatin1Char('/') + names.at(0) + QStringLiteral(".wav"), "first");
    writeBytes(second + QLatin1Char('/') + names.at(0) + QStringLiteral(".wav"), "second");
    writeBytes(second + QLatin1Char('/') + names.at(1) + QStringLiteral(".wav"), "second");
    QDir().mkpath(first + QLatin1Char('/') + names.at(2) + QStringLiteral(".wav")); // a folder, not a wave
    ProgramDirs dirs;
    dirs.waveSources = { first, second };
    dirs.soundInstallDir = root.filePath(QStringLiteral("user/sounds")); // not there yet
    writeBytes(dirs.soundInstallDir + QStringLiteral("/NamiyoseV1") + names.at(3) + QStringLiteral(".wav"), "kept");
    FileSystem fs;

    const waveinstall::Outcome outcome = waveinstall::installWaves(fs, dirs);
    QCOMPARE(outcome.copied, (QStringList { names.at(0), names.at(1) }));
    QCOMPARE(outcome.missing, QStringList { names.at(2) });
    QCOMPARE(outcome.present, QStringList { names.at(3) });
    QVERIFY(outcome.failed.isEmpty());
    QCOMPARE(waveinstall::installedWavePath(dirs, names.at(0)),
             dirs.soundInstallDir + QStringLiteral("/NamiyoseV1") + names.at(0) + QStringLiteral(".wav"));
    QCOMPARE(bytesOf(waveinstall::installedWavePath(dirs, names.at(0))), QByteArray("first"));
    QCOMPARE(bytesOf(waveinstall::installedWavePath(dirs, names.at(1))), QByteArray("second"));
    QCOMPARE(bytesOf(waveinstall::installedWavePath(dirs, names.at(3))), QByteArray("kept"));

    // A second start copies nothing again.
    writeBytes(first + QLatin1Char('/') + names.at(0) + QStringLiteral(".wav"), "newer");
    QVERIFY(waveinstall::installWaves(fs, dirs).copied.isEmpty());
    QCOMPARE(bytesOf(waveinstall::installedWavePath(dirs, names.at(0))), QByteArray("first"));
}

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settingsfiles.moc"
