#include "charts/labelplacement.h"

#include <algorithm>
#include <cmath>

namespace labelplacement {

qreal distance(const QRectF &box, QPointF anchor)
{
    const qreal dx = std::max({box.left() - anchor.x(), 0.0, anchor.x() - box.right()});
    const qreal dy = std::max({box.top() - anchor.y(), 0.0, anchor.y() - box.bottom()});
    return std::hypot(dx, dy);
}

namespace {

struct Spot
{
    QRectF box;
    qreal cost = 0; // distance from the marker, with the preferred side first among equals
};

// Every spot a label may take by its marker: lines above and below it, and
// to either side, each at most ReachLines lines from the marker's edge.
std::vector<Spot> spotsFor(const Label &label)
{
    const qreal w = label.size.width();
    const qreal h = label.size.height();
    const qreal line = h + 2;
    const qreal c = label.clearance;
    const QPointF a = label.anchor;
    std::vector<Spot> spots;
    const auto add = [&](qreal x, qreal y, bool preferredSide) {
        const QRectF box(x, y, w, h);
        // A spot off the preferred side costs a few pixels more than its
        // distance, so that the open water wins among near equals.
        spots.push_back({box, distance(box, a) + (preferredSide ? 0 : 3)});
    };
    // Along the lines above and below: the box's near end by the marker, or
    // centred over it, then slid along the line in half boxes.
    for (int k = 0; k <= ReachLines; ++k) {
        for (const bool below : {false, true}) {
            const qreal y = below ? a.y() + c + k * line : a.y() - c - h - k * line;
            const bool sideOk = below == label.preferBelow;
            for (int slide = 0; slide <= 3; ++slide) {
                const qreal shift = slide * w / 2;
                add(a.x() + 2 + shift, y, sideOk && !label.preferLeft);
                add(a.x() - 2 - w - shift, y, sideOk && label.preferLeft);
                if (slide == 0)
                    add(a.x() - w / 2, y, sideOk);
            }
        }
    }
    // Level with the marker, beside it.
    for (int k = 0; k <= ReachLines; ++k) {
        const qreal gap = c + k * line;
        for (const qreal dy : {-h / 2, -h / 2 - line, -h / 2 + line}) {
            add(a.x() + gap, a.y() + dy, !label.preferLeft && !label.preferBelow);
            add(a.x() - gap - w, a.y() + dy, label.preferLeft && !label.preferBelow);
        }
    }
    const qreal reach = c + ReachLines * line;
    std::erase_if(spots, [&](const Spot &s) { return distance(s.box, a) > reach; });
    std::stable_sort(spots.begin(), spots.end(), [](const Spot &x, const Spot &y) { return x.cost < y.cost; });
    return spots;
}

} // namespace

std::vector<QRectF> place(const std::vector<Label> &labels, const std::vector<QRectF> &marks, const QRectF &area,
                          const std::vector<QRectF> &markers)
{
    std::vector<QRectF> placed;
    placed.reserve(labels.size());
    for (const Label &label : labels) {
        const QRectF own(label.anchor - QPointF(label.clearance, label.clearance),
                         QSizeF(2 * label.clearance, 2 * label.clearance));
        // What a spot covers: its own marker, marks and words first, then
        // the other markers of the day.
        const auto meets = [&](const QRectF &box) {
            int hard = box.intersects(own) ? 1 : 0;
            for (const QRectF &m : marks)
                hard += box.intersects(m) ? 1 : 0;
            for (const QRectF &p : placed)
                hard += box.intersects(p) ? 1 : 0;
            int soft = 0;
            for (const QRectF &m : markers)
                soft += box.intersects(m) ? 1 : 0;
            return std::pair(hard, soft);
        };
        const std::vector<Spot> spots = spotsFor(label);
        const Spot *best = nullptr;
        std::pair<int, int> fewest;
        for (const Spot &spot : spots) {
            if (!area.contains(spot.box))
                continue;
            const std::pair<int, int> n = meets(spot.box);
            if (!best || n < fewest) {
                best = &spot;
                fewest = n;
                if (n == std::pair(0, 0))
                    break;
            }
        }
        if (best) {
            placed.push_back(best->box);
            continue;
        }
        // A plot smaller than the words: keep them by the marker, inside as
        // far as they go.
        QRectF box(label.anchor.x() + 2, label.anchor.y() - label.clearance - label.size.height(), label.size.width(),
                   label.size.height());
        box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - box.width())));
        box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
        placed.push_back(box);
    }
    return placed;
}

} // namespace labelplacement
