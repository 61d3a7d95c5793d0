#include "charts/labelplacement.h"

#include <QTest>

using labelplacement::Label;

Q_DECLARE_METATYPE(QList<QRectF>)

class TestChartLabels : public QObject
{
    Q_OBJECT

private slots:
    void labelsMeetNothingAndStayByTheirMarkers_data();
    void labelsMeetNothingAndStayByTheirMarkers();
};

namespace {

// The plot of the day's chart, in pixels.
const QRectF Plot(60, 20, 800, 320);
constexpr qreal Line = 16;

enum Side { RightAbove, LeftAbove, Below };

// A fish's words and its marker: the pentagon is 20 pixels across.
void fish(QList<QRectF> &labels, QList<int> &sides, QList<QRectF> &marks, QPointF at, Side side, qreal width = 92)
{
    labels << QRectF(at, QSizeF(width, Line));
    sides << side;
    marks << QRectF(at - QPointF(10, 10), QSizeF(20, 20));
}

// A turn of the tide: its words and the small mark on the curve.
void turn(QList<QRectF> &labels, QList<int> &sides, QList<QRectF> &marks, QPointF at, bool high)
{
    labels << QRectF(at, QSizeF(84, Line));
    sides << (high ? RightAbove : Below);
    marks << QRectF(at - QPointF(4, 4), QSizeF(8, 8));
}

} // namespace

void TestChartLabels::labelsMeetNothingAndStayByTheirMarkers_data()
{
    // Each label as its anchor (top left) and size; the side it prefers;
    // the marks it must leave clear.
    QTest::addColumn<QList<QRectF>>("labels");
    QTest::addColumn<QList<int>>("sides");
    QTest::addColumn<QList<QRectF>>("marks");

    {
        QList<QRectF> l, m;
        QList<int> s;
        fish(l, s, m, {300, 150}, LeftAbove);
        fish(l, s, m, {300, 150}, LeftAbove);
        QTest::newRow("two fish landed the same minute") << l << s << m;
    }
    {
        QList<QRectF> l, m;
        QList<int> s;
        for (int i = 0; i < 9; ++i)
            fish(l, s, m, {300.0 + 9 * i, 140.0 + (i % 3) * 6}, i % 2 ? LeftAbove : RightAbove);
        QTest::newRow("a crowded hour") << l << s << m;
    }
    {
        QList<QRectF> l, m;
        QList<int> s;
        turn(l, s, m, {420, 44}, true);
        fish(l, s, m, {424, 46}, RightAbove);
        fish(l, s, m, {440, 48}, LeftAbove);
        QTest::newRow("fish under the high-water mark") << l << s << m;
    }
    {
        QList<QRectF> l, m;
        QList<int> s;
        turn(l, s, m, {600, 320}, false);
        fish(l, s, m, {596, 318}, LeftAbove);
        fish(l, s, m, {612, 316}, RightAbove);
        QTest::newRow("fish beside the low-water mark") << l << s << m;
    }
    {
        QList<QRectF> l, m;
        QList<int> s;
        fish(l, s, m, {64, 200}, LeftAbove);
        fish(l, s, m, {70, 204}, LeftAbove);
        fish(l, s, m, {852, 60}, RightAbove);
        QTest::newRow("fish at either end of the day") << l << s << m;
    }
    {
        QList<QRectF> l, m;
        QList<int> s;
        turn(l, s, m, {240, 40}, true);
        for (int i = 0; i < 7; ++i)
            fish(l, s, m, {200.0 + 30 * i, 42.0}, RightAbove, 110);
        QTest::newRow("a row of fish along the top of the water") << l << s << m;
    }
    {
        QList<QRectF> l, m;
        QList<int> s;
        turn(l, s, m, {860, 60}, true);
        for (int i = 0; i < 8; ++i)
            fish(l, s, m, {860.0 - 14 * i, 62.0 + 12 * i}, LeftAbove);
        QTest::newRow("high water at the end of the day among fish") << l << s << m;
    }
}

void TestChartLabels::labelsMeetNothingAndStayByTheirMarkers()
{
    QFETCH(QList<QRectF>, labels);
    QFETCH(QList<int>, sides);
    QFETCH(QList<QRectF>, marks);

    std::vector<Label> input;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        Label label;
        label.anchor = labels[i].topLeft();
        label.size = labels[i].size();
        label.clearance = marks[i].width() / 2 + 2;
        label.preferLeft = sides[i] == LeftAbove;
        label.preferBelow = sides[i] == Below;
        input.push_back(label);
    }
    const std::vector<QRectF> placed =
        labelplacement::place(input, std::vector<QRectF>(marks.begin(), marks.end()), Plot);
    QCOMPARE(placed.size(), input.size());

    for (size_t i = 0; i < placed.size(); ++i) {
        const QRectF &box = placed[i];
        const QString which = QStringLiteral("label %1 at (%2, %3)").arg(i).arg(box.x()).arg(box.y());
        QCOMPARE(box.size(), input[i].size);
        QVERIFY2(Plot.contains(box), qPrintable(which + QStringLiteral(" leaves the plot")));
        for (size_t j = 0; j < i; ++j)
            QVERIFY2(!box.intersects(placed[j]), qPrintable(which + QStringLiteral(" covers label %1").arg(j)));
        for (qsizetype j = 0; j < marks.size(); ++j)
            QVERIFY2(!box.intersects(marks[j]), qPrintable(which + QStringLiteral(" covers mark %1").arg(j)));
        const qreal reach = input[i].clearance + labelplacement::ReachLines * (input[i].size.height() + 2);
        QVERIFY2(labelplacement::distance(box, input[i].anchor) <= reach,
                 qPrintable(which + QStringLiteral(" strays from its marker")));
    }
}

QTEST_GUILESS_MAIN(TestChartLabels)
#include "test_chartlabels.moc"
