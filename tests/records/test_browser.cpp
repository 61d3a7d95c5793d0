#include "records/browser.h"

#include <QtTest>

class TestBrowser : public QObject
{
    Q_OBJECT

private slots:
    void dayItem_data();
    void dayItem();
    void figures_data();
    void figures();
};

void TestBrowser::dayItem_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("item");
    QTest::newRow("five at 大浜") << QStringLiteral("2002年10月05日14時30分005大浜.txt")
                                  << QStringLiteral("2002年10月05日 大浜 5枚");
    QTest::newRow("twelve at 湾入り口") << QStringLiteral("2003年01月20日07時05分012湾入り口.txt")
                                        << QStringLiteral("2003年01月20日 湾入り口 12枚");
    QTest::newRow("a hundred and three") << QStringLiteral("2003年01月20日07時05分103鴨の越し.txt")
                                         << QStringLiteral("2003年01月20日 鴨の越し 103枚");
}

void TestBrowser::dayItem()
{
    QFETCH(QString, fileName);
    QFETCH(QString, item);
    QCOMPARE(browser::DayItem(fileName), item);
}

void TestBrowser::figures_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("longest");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("total");

    const auto chinu = [](int cm) { return QStringLiteral("チヌ  ") + QString::number(cm) + QStringLiteral("センチ"); };
    QTest::newRow("longest not first") << QStringList { QStringLiteral("大浜"), chinu(45), chinu(38), chinu(52) }
                                       << QStringLiteral("52cm") << QStringLiteral("3枚") << QStringLiteral("135cm");
    QStringList many { QStringLiteral("北の離れ") };
    for (int i = 0; i < 27; ++i)
        many << chinu(i < 26 ? 45 : 64);
    QTest::newRow("thousands grouped") << many << QStringLiteral("64cm") << QStringLiteral("27枚")
                                       << QStringLiteral("1,234cm");
    // Lengths no chinu could have (a damaged or edited file) never wrap a sum
    // nor pass for a fish.
    const QString unreadable = QStringLiteral("読めません");
    QTest::newRow("sum past 32 bits") << QStringList { QStringLiteral("大浜"), QStringLiteral("チヌ  2147483647センチ"),
                                                       chinu(6) }
                                      << unreadable << QStringLiteral("2枚") << unreadable;
    QTest::newRow("a thousand cm") << QStringList { QStringLiteral("大浜"), chinu(45), chinu(1000) } << unreadable
                                   << QStringLiteral("2枚") << unreadable;
    QTest::newRow("no digits") << QStringList { QStringLiteral("大浜"), chinu(45), QStringLiteral("チヌ  センチ") }
                               << unreadable << QStringLiteral("2枚") << unreadable;
    QTest::newRow("999 is still a length") << QStringList { QStringLiteral("大浜"), chinu(999), chinu(1) }
                                           << QStringLiteral("999cm") << QStringLiteral("2枚")
                                           << QStringLiteral("1,000cm");
    // A day file that could not be read (gone since the listing) shows
    // nothing rather than -1枚.
    QTest::newRow("file gone") << QStringList {} << QString() << QString() << QString();
}

void TestBrowser::figures()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, longest);
    QFETCH(QString, count);
    QFETCH(QString, total);
    const browser::DayFigures f = browser::FiguresOf(lines);
    QCOMPARE(f.longest, longest);
    QCOMPARE(f.count, count);
    QCOMPARE(f.total, total);
    // The 魚拓 of a saved day takes the number: the figure shown, or none.
    QCOMPARE(f.longestCm, longest.endsWith(QStringLiteral("cm")) ? longest.chopped(2).toInt() : 0);
}

QTEST_GUILESS_MAIN(TestBrowser)
#include "test_browser.moc"
