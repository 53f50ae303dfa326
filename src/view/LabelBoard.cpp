#include "view/LabelBoard.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Boards in use, by painter; a picture is drawn on one thread.
std::vector<std::pair<const QPainter *, LabelBoard *>> &Boards()
{
    static std::vector<std::pair<const QPainter *, LabelBoard *>> boards;
    return boards;
}

QMarginsF halo(const LabelBoard::Label &label)
{
    return label.halo;
}

// The point of the box nearest to p.
QPointF NearestOnBox(const QRectF &box, QPointF p)
{
    return QPointF(std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom()));
}

} // namespace

LabelBoard::LabelBoard(QPainter &target) : painter(target)
{
    Boards().emplace_back(&painter, this);
}

LabelBoard::~LabelBoard()
{
    auto &boards = Boards();
    boards.erase(
        std::remove_if(boards.begin(), boards.end(), [this](const auto &b) { return b.second == this; }),
        boards.end());
}

LabelBoard *LabelBoard::on(const QPainter &painter)
{
    const auto &boards = Boards();
    for (auto it = boards.rbegin(); it != boards.rend(); ++it)
        if (it->first == &painter)
            return it->second;
    return nullptr;
}

void LabelBoard::place(const QRectF &area)
{
    std::vector<LabelRequest> requests;
    requests.reserve(labels.size());
    qreal height = 0;
    for (const Label &label : labels) {
        // The halo is part of what must not overlap.
        requests.push_back(LabelRequest{label.box.marginsAdded(halo(label)), label.target, label.moves});
        height = std::max(height, label.box.height());
    }
    // The halos already keep neighbours apart; the gap only separates them.
    places = PlaceLabels(requests, area, 1.0, 1.5 * height);
    isPlaced = true;
}

QRectF LabelBoard::bounds() const
{
    QRectF all;
    for (const LabelPlace &place : places)
        all = all.united(place.box);
    return all;
}

void LabelBoard::drawLabel(QPainter &painter, const Label &label, const QRectF &box)
{
    painter.fillRect(box.marginsAdded(halo(label)), Qt::white);
    painter.setFont(label.font);
    painter.setPen(label.color);
    const qreal ascent =
        label.ascent > 0 ? label.ascent : QFontMetricsF(label.font, painter.device()).ascent();
    painter.drawText(QPointF(box.left(), box.top() + ascent), label.text);
}

void LabelBoard::draw(const QRectF &area)
{
    if (!isPlaced)
        place(area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!places[i].leader)
            continue;
        QColor faint = labels[i].color;
        faint.setAlpha(160);
        painter.setPen(QPen(faint, 1));
        const QRectF box = places[i].box;
        painter.drawLine(labels[i].target, NearestOnBox(box, labels[i].target));
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QRectF box = places[i].box.marginsRemoved(halo(labels[i]));
        if (!area.intersects(box))
            continue;
        drawLabel(painter, labels[i], box);
    }
    painter.restore();
}
