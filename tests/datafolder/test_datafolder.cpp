#include "datafolder/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using datafolder::Use;

namespace {

// top/ holds the program's folder with its data folder inside, and a file
// beside the program that nothing may reach from a name.
struct Folders
{
    QTemporaryDir top;
    QString app() const { return top.filePath(QStringLiteral("app")); }
    QString data() const { return app() + QStringLiteral("/fishingdata"); }
    QString beside() const { return app() + QStringLiteral("/beside.txt"); }

    Folders()
    {
        QDir().mkpath(data() + QStringLiteral("/釣人Ａ"));
        QDir().mkpath(top.filePath(QStringLiteral("外1")));
        QFile file(beside());
        file.open(QIODevice::WriteOnly);
        file.write("keep");
    }
    void link(const QString &target, const QString &at) const
    {
        QVERIFY(QFile::link(target, data() + QLatin1Char('/') + at));
    }
};

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void namesThatLeaveTheFolder_data();
    void namesThatLeaveTheFolder();
    void links_data();
    void links();
    void dataFolderMayItselfBeALink();
};

void TestDataFolder::namesThatLeaveTheFolder_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<bool>("allowed");
    const auto s = [](const char *text) { return QString::fromUtf8(text); };
    QTest::newRow("angler folder") << QStringList { s("釣人Ａ") } << true;
    QTest::newRow("day file not there yet") << QStringList { s("釣人Ａ"), s("x.txt") } << true;
    QTest::newRow("angler not there yet") << QStringList { s("磯野"), s("x.txt") } << true;
    QTest::newRow("three dots are a name") << QStringList { s("...") } << true;
    QTest::newRow("blank inside") << QStringList { s("山田 太郎 ") } << true;
    QTest::newRow("parent") << QStringList { s("..") } << false;
    QTest::newRow("parent, then a file") << QStringList { s(".."), s("beside.txt") } << false;
    QTest::newRow("two up") << QStringList { s("../..") } << false;
    QTest::newRow("sideways") << QStringList { s("../外1") } << false;
    QTest::newRow("into and out") << QStringList { s("釣人Ａ/../..") } << false;
    QTest::newRow("dot") << QStringList { s(".") } << false;
    QTest::newRow("dot as a file") << QStringList { s("釣人Ａ"), s(".") } << false;
    QTest::newRow("backslash") << QStringList { s("..\\外1") } << false;
    QTest::newRow("absolute") << QStringList { s("/etc") } << false;
    QTest::newRow("empty") << QStringList { QString() } << false;
    QTest::newRow("no parts") << QStringList {} << false;
    QTest::newRow("line feed") << QStringList { s("a\nb") } << false;
    QTest::newRow("NUL") << QStringList { QStringLiteral("a") + QChar(0) } << false;
}

void TestDataFolder::namesThatLeaveTheFolder()
{
    QFETCH(QStringList, parts);
    QFETCH(bool, allowed);
    Folders f;
    for (const Use use : { Use::Read, Use::Write }) {
        const std::optional<QString> path = datafolder::pathFor(f.data(), parts, use);
        QCOMPARE(path.has_value(), allowed);
        if (path)
            QCOMPARE(*path, f.data() + QLatin1Char('/') + parts.join(QLatin1Char('/')));
    }
}

void TestDataFolder::links_data()
{
    QTest::addColumn<QString>("target"); // relative to the top folder
    QTest::addColumn<bool>("readable");
    // Nothing is ever written or deleted through a link.
    QTest::newRow("to a file beside the program") << QStringLiteral("app/beside.txt") << false;
    QTest::newRow("to a folder outside") << QStringLiteral("外1") << false;
    QTest::newRow("to the program's folder") << QStringLiteral("app") << false;
    QTest::newRow("to the data folder itself") << QStringLiteral("app/fishingdata") << false;
    QTest::newRow("leading nowhere") << QStringLiteral("gone") << false;
    QTest::newRow("to an angler's folder") << QStringLiteral("app/fishingdata/釣人Ａ") << true;
}

void TestDataFolder::links()
{
    QFETCH(QString, target);
    QFETCH(bool, readable);
    Folders f;
    f.link(f.top.filePath(target), QStringLiteral("link"));
    QCOMPARE(datafolder::pathFor(f.data(), { QStringLiteral("link") }, Use::Read).has_value(), readable);
    QVERIFY(!datafolder::pathFor(f.data(), { QStringLiteral("link") }, Use::Write));
    // Below a link it is the same: a day file inside a linked folder.
    QCOMPARE(datafolder::pathFor(f.data(), { QStringLiteral("link"), QStringLiteral("x.txt") }, Use::Read).has_value(),
             readable);
    QVERIFY(!datafolder::pathFor(f.data(), { QStringLiteral("link"), QStringLiteral("x.txt") }, Use::Write));
}

// A player may keep the data folder on another disk behind a link of its
// own: everything inside it is still inside.
void TestDataFolder::dataFolderMayItselfBeALink()
{
    Folders f;
    const QString elsewhere = f.top.filePath(QStringLiteral("外1"));
    const QString linked = f.top.filePath(QStringLiteral("linked"));
    QVERIFY(QFile::link(elsewhere, linked));
    QCOMPARE(datafolder::pathFor(linked, { QStringLiteral("釣人Ａ") }, Use::Write),
             std::optional<QString>(linked + QStringLiteral("/釣人Ａ")));
    QVERIFY(!datafolder::pathFor(linked, { QStringLiteral("..") }, Use::Read));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
