#include "view/LabelPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

// Placed boxes in buckets of a uniform grid, so that a paint with
// thousands of labels compares each box only with its neighbours.
class BoxGrid {
public:
    explicit BoxGrid(double cell) : cell(cell) {}

    // The total area by which `box` overlaps the stored boxes.
    double overlap(const QRectF &box) const
    {
        double total = 0.0;
        visit(box, [&](long long key) {
            auto found = buckets.find(key);
            if (found == buckets.end())
                return;
            for (int index : found->second) {
                const QRectF common = box.intersected(boxes[index]);
                if (!common.isEmpty())
                    total += common.width() * common.height();
            }
        });
        return total;
    }

    void add(const QRectF &box)
    {
        const int index = int(boxes.size());
        boxes.push_back(box);
        visit(box, [&](long long key) { buckets[key].push_back(index); });
    }

private:
    template <typename Visit> void visit(const QRectF &box, Visit visitCell) const
    {
        const long long left = cellOf(box.left());
        const long long right = cellOf(box.right());
        const long long top = cellOf(box.top());
        const long long bottom = cellOf(box.bottom());
        for (long long y = top; y <= bottom; ++y)
            for (long long x = left; x <= right; ++x)
                visitCell((y << 32) ^ (x & 0xffffffffLL));
    }
    long long cellOf(double v) const
    {
        const double c = std::floor(v / cell);
        return (long long)std::clamp(c, -1e9, 1e9);
    }

    double cell;
    std::vector<QRectF> boxes;
    std::unordered_map<long long, std::vector<int>> buckets;
};

double Length(QPointF p)
{
    return std::hypot(p.x(), p.y());
}

} // namespace

std::vector<LabelPlace> PlaceLabels(const std::vector<LabelRequest> &requests, const QRectF &area, double gap,
                                    double leaderDistance)
{
    std::vector<LabelPlace> placed(requests.size());
    double height = 0.0;
    for (const LabelRequest &request : requests)
        height = std::max(height, request.box.height());
    BoxGrid grid(std::max(16.0, 4.0 * height));
    const QMarginsF spacing(gap, gap, gap, gap);

    for (std::size_t i = 0; i < requests.size(); ++i) {
        const LabelRequest &request = requests[i];
        LabelPlace &place = placed[i];
        place.box = request.box;
        if (!area.intersects(request.box.marginsAdded(QMarginsF(height, height, height, height))))
            continue;
        QPointF best(0.0, 0.0);
        double bestOverlap = grid.overlap(request.box.marginsAdded(spacing));
        for (std::size_t m = 0; bestOverlap > 0.0 && m < request.moves.size(); ++m) {
            const double overlap =
                grid.overlap(request.box.translated(request.moves[m]).marginsAdded(spacing));
            if (overlap < bestOverlap) {
                bestOverlap = overlap;
                best = request.moves[m];
            }
        }
        place.box = request.box.translated(best);
        place.moved = best != QPointF(0.0, 0.0);
        place.leader = Length(best) > leaderDistance;
        grid.add(place.box);
    }
    return placed;
}

std::vector<QPointF> MovesAlong(QPointF direction, QPointF side, double step, double reach)
{
    std::vector<QPointF> moves;
    const int count = std::max(1, int(reach / step));
    for (int k = 1; k <= count; ++k)
        moves.push_back(direction * (k * step));
    for (int k = 1; k <= count; ++k)
        moves.push_back(direction * (-k * step));
    for (double s : {1.0, -1.0, 2.0, -2.0})
        for (int k = 0; k <= count; ++k)
            moves.push_back(side * (s * step * 1.5) + direction * (k * step));
    return moves;
}

std::vector<QPointF> MovesAway(QPointF away, double step, double reach)
{
    std::vector<QPointF> moves;
    const double length = Length(away);
    const QPointF unit = length > 0.0 ? away / length : QPointF(0.0, 1.0);
    const int count = std::max(1, int(reach / step));
    for (double turn : {0.0, 45.0, -45.0, 90.0, -90.0, 135.0, -135.0, 180.0}) {
        const double a = turn * M_PI / 180.0;
        const QPointF d(unit.x() * std::cos(a) - unit.y() * std::sin(a),
                        unit.x() * std::sin(a) + unit.y() * std::cos(a));
        for (int k = 1; k <= count; ++k)
            moves.push_back(d * (k * step));
    }
    return moves;
}
