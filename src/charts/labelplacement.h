#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

// Where the words of 釣行記録's chart go: the size of each fish landed and
// the times of high and low water. A busy day lands fish minutes apart, and
// their words must neither cover each other nor the tide's marks, yet each
// must stay by the marker it names. Plain geometry in pixels, no widgets.
namespace labelplacement {

struct Label
{
    QPointF anchor;        // the centre of the marker the words belong to
    QSizeF size;           // the words' box
    qreal clearance = 4;   // kept free around the anchor: the marker's half size and a little
    bool preferLeft = false;  // the open side of the water (left while the tide rises)
    bool preferBelow = false; // low water's words go under it
};

// How far from its marker's edge a label may go, in lines of its own height.
constexpr int ReachLines = 8;

// Each label in turn takes the spot nearest its marker (on its preferred
// side first) that lies inside area and meets no mark, no label placed
// before it and no marker of the day. Where every spot within reach covers
// some marker, it takes the one covering the fewest, still clear of marks
// and labels; only a chart too crowded even for that lets it meet one. It
// never leaves its marker. The boxes come back in the labels' order.
std::vector<QRectF> place(const std::vector<Label> &labels, const std::vector<QRectF> &marks, const QRectF &area,
                          const std::vector<QRectF> &markers = {});

// How far a placed box lies from its anchor (0 when it covers it).
qreal distance(const QRectF &box, QPointF anchor);

} // namespace labelplacement
