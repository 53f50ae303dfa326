#include "dialogs/RodPreview.h"

#include <QFontDatabase>
#include <QPainter>
#include <cmath>

namespace {
constexpr double ReachOfHalfWidth = 0.3; // of the box width, on each side of the centre
constexpr int DotSize = 3;               // pixels
constexpr int LabelOffset = 5;           // pixels right of a dot
} // namespace

RodPreview::RodPreview(double dx_, double dy_, const QString &begin, const QString &end, QWidget *parent)
    : QWidget(parent), dx(dx_), dy(dy_), beginLabel(begin), endLabel(end)
{
    setMinimumSize(120, 90);
}

void RodPreview::linePoints(QSize box, double dx, double dy, QPoint &begin, QPoint &end)
{
    const QPoint centre(box.width() / 2, box.height() / 2);
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0) || !std::isfinite(length)) {
        begin = end = centre;
        return;
    }
    const double reach = ReachOfHalfWidth * box.width();
    // World y runs upward, device y downward.
    const int ox = int(std::lround(reach * dx / length));
    const int oy = int(std::lround(-reach * dy / length));
    begin = QPoint(centre.x() - ox, centre.y() - oy);
    end = QPoint(centre.x() + ox, centre.y() + oy);
}

void RodPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QPoint begin;
    QPoint end;
    linePoints(size(), dx, dy, begin, end);
    painter.drawLine(begin, end);
    painter.setBrush(Qt::black);
    for (const QPoint &p : {begin, end})
        painter.drawEllipse(QRect(p.x() - DotSize / 2, p.y() - DotSize / 2, DotSize, DotSize));

    painter.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const QFontMetrics metrics = painter.fontMetrics();
    auto label = [&](const QPoint &p, const QString &text) {
        // Centred on a point 5 pixels right of the dot, standing above it.
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(QPoint(p.x() + LabelOffset - width / 2, p.y() - DotSize), text);
    };
    label(begin, beginLabel);
    label(end, endLabel);
}
