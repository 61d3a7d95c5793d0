#include "charts/tidecurve.h"

#include <QTest>

using tidecurve::Turn;


class TestTideCurve : public QObject
{
    Q_OBJECT

private slots:
    void turnsFallOnTheDaysTideHours_data();
    void turnsFallOnTheDaysTideHours();
};

void TestTideCurve::turnsFallOnTheDaysTideHours_data()
{
    QTest::addColumn<int>("earlierLow");
    QTest::addColumn<QList<int>>("turns"); // minute, negative for 干潮
    QTest::addColumn<QList<int>>("levels"); // at 7:00, 10:00, 13:00, 17:00 (to a pixel)

    QTest::newRow("high water at 7:00") << 1 << QList<int>{420, -780} << QList<int>{257, 129, 0, 171};
    QTest::newRow("low water at 7:00") << 7 << QList<int>{-420, 780} << QList<int>{0, 129, 257, 85};
    QTest::newRow("rising from 4:00") << 4 << QList<int>{600, -960} << QList<int>{129, 257, 128, 43};
    QTest::newRow("still falling to 12:00") << 12 << QList<int>{-720} << QList<int>{214, 86, 43, 214};
    QTest::newRow("the tide unknown") << 0 << QList<int>{} << QList<int>{0, 0, 0, 0};
}

// Low and high waters lie where the gauge turns, and the curve is the
// gauge's own level minute by minute.
void TestTideCurve::turnsFallOnTheDaysTideHours()
{
    QFETCH(int, earlierLow);
    QFETCH(QList<int>, turns);
    QFETCH(QList<int>, levels);

    const tidecurve::Curve curve = tidecurve::dayCurve(earlierLow, 17 * 60);
    QList<int> gotTurns;
    for (const Turn &turn : curve.turns)
        gotTurns << (turn.high ? turn.minute : -turn.minute);
    QCOMPARE(gotTurns, turns);
    const int minutes[] = {420, 600, 780, 1020};
    for (int i = 0; i < 4; ++i) {
        // Within a pixel: the gauge sums single-precision steps.
        const float level = tidecurve::levelAt(curve, minutes[i]);
        QVERIFY2(qAbs(level - float(levels[i])) <= 1.0f, qPrintable(QString::number(level)));
    }
    if (!curve.points.empty()) {
        QCOMPARE(curve.points.front().minute, 420);
        QCOMPARE(curve.points.back().minute, 1020);
    }
}

QTEST_GUILESS_MAIN(TestTideCurve)
#include "test_tidecurve.moc"
