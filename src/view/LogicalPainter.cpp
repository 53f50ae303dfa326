#include "view/LogicalPainter.h"

#include "model/CLocale.h"
#include "view/LabelBoard.h"

#include <QCoreApplication>
#include <QFont>
#include <QPen>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The device box of two logical corners, with the right and bottom edges
// left out as the classic drawing contexts do.
QRectF DeviceBox(const LogicalPainter &lp, int x1, int y1, int x2, int y2)
{
    QPoint a = lp.device(x1, y1);
    QPoint b = lp.device(x2, y2);
    double left = std::min(a.x(), b.x());
    double right = std::max(a.x(), b.x());
    double top = std::min(a.y(), b.y());
    double bottom = std::max(a.y(), b.y());
    return QRectF(left, top, std::max(0.0, right - left - 1), std::max(0.0, bottom - top - 1));
}

double AngleDegrees(double cx, double cy, int x, int y)
{
    if (x == cx && y == cy)
        return 0.0;
    return std::atan2(y - cy, x - cx) * 180.0 / M_PI;
}

} // namespace

LogicalPainter::LogicalPainter(QPainter &target, const Viewport &port)
    : painter(target), height(port.deviceRect.height()), drawingUnit(std::max(0, port.unit)),
      minimumFontPixels(std::max(0, port.minimumFontPixels))
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
}

LogicalPainter::~LogicalPainter()
{
    flushLines();
    painter.restore();
}

void LogicalPainter::flushLines()
{
    if (queued.isEmpty())
        return;
    painter.drawLines(queued.constData(), int(queued.size()));
    queued.clear();
}

void LogicalPainter::setPen(const QColor &color, int width, Qt::PenStyle style)
{
    flushLines();
    QPen pen(color, std::max(1, width), style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
}

void LogicalPainter::setBrush(const QColor &color)
{
    painter.setBrush(color);
}

void LogicalPainter::line(int x1, int y1, int x2, int y2)
{
    painter.drawLine(device(x1, y1), device(x2, y2));
}

void LogicalPainter::pixel(int x, int y, const QColor &color)
{
    QPen previous = painter.pen();
    painter.setPen(QPen(color, 1));
    painter.drawPoint(device(x, y));
    painter.setPen(previous);
}

void LogicalPainter::rectangle(int x1, int y1, int x2, int y2)
{
    painter.drawRect(DeviceBox(*this, x1, y1, x2, y2));
}

void LogicalPainter::ellipse(int x1, int y1, int x2, int y2)
{
    painter.drawEllipse(DeviceBox(*this, x1, y1, x2, y2));
}

void LogicalPainter::arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey)
{
    // Logical y grows upward like the screen's counterclockwise sense, so the
    // angles measured here are the painter's angles.
    double cx = (x1 + x2) / 2.0;
    double cy = (y1 + y2) / 2.0;
    double start = AngleDegrees(cx, cy, sx, sy);
    double span = AngleDegrees(cx, cy, ex, ey) - start;
    while (span <= 0.0)
        span += 360.0;
    while (span > 360.0)
        span -= 360.0;
    painter.drawArc(DeviceBox(*this, x1, y1, x2, y2), static_cast<int>(std::lround(start * 16.0)),
                    static_cast<int>(std::lround(span * 16.0)));
}

void LogicalPainter::useLabelFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    const int pixels = std::max(12 * drawingUnit, minimumFontPixels);
    if (pixels > 0)
        font.setPixelSize(pixels);
    painter.setFont(font);
    labels.emplace(painter.font(), painter.device());
}

void LogicalPainter::text(int x, int y, const QString &label, HAlign horizontal, VAlign vertical,
                          const QColor &color, bool opaque)
{
    if (label.isEmpty())
        return;
    flushLines();
    if (!labels)
        labels.emplace(painter.font(), painter.device());
    QPen previous = painter.pen();
    painter.setPen(color);
    labels->write(painter, device(x, y), label, horizontal, vertical, opaque);
    painter.setPen(previous);
}

void LogicalPainter::valueText(int x, int y, const QString &label, HAlign horizontal, VAlign vertical,
                               const QColor &color, LogicalPoint target, LabelSlide slide)
{
    if (label.isEmpty())
        return;
    flushLines();
    if (!labels)
        labels.emplace(painter.font(), painter.device());
    LabelBoard::Label value;
    value.text = label;
    value.font = painter.font();
    value.color = color;
    value.box = labels->box(device(x, y), label, horizontal, vertical);
    value.ascent = labels->box(QPointF(0, 0), label, HAlign::Left, VAlign::Baseline).top() * -1;
    value.target = device(target.x, target.y);
    // A wide halo at the sides, narrowed where the labelled point lies
    // close beside the text, so that the halo never hides it.
    const double side = std::max(2.0, 0.45 * value.box.height());
    const double clearance = 4.0;
    const QPointF &t = value.target;
    const bool level = t.y() >= value.box.top() - side && t.y() <= value.box.bottom() + side;
    double left = side;
    double right = side;
    if (level && t.x() <= value.box.left())
        left = std::clamp(value.box.left() - t.x() - clearance, 1.0, side);
    if (level && t.x() >= value.box.right())
        right = std::clamp(t.x() - value.box.right() - clearance, 1.0, side);
    const double above = std::max(1.0, 0.08 * value.box.height());
    value.halo = QMarginsF(left, above, right, above);
    const double step = std::max(2.0, 0.6 * value.box.height());
    const double reach = 10 * step;
    if (slide.kind == LabelSlide::Kind::Along) {
        double length = std::hypot(slide.dx, slide.dy);
        QPointF direction = length > 0.0 ? QPointF(slide.dx / length, -slide.dy / length) : QPointF(1, 0);
        value.moves = MovesAlong(direction, QPointF(-direction.y(), direction.x()), step, reach);
    } else {
        value.moves = MovesAway(value.box.center() - value.target, step, reach);
    }
    if (LabelBoard *board = LabelBoard::on(painter)) {
        board->add(std::move(value));
    } else {
        QPen previous = painter.pen();
        QFont font = painter.font();
        LabelBoard::drawLabel(painter, value, value.box);
        painter.setFont(font);
        painter.setPen(previous);
    }
}

namespace {

// Replaces the one conversion of `format` ("%g" or "%d", written by
// `convert`) and keeps the rest; false for any other conversion.
template <typename Convert>
bool FormatDirect(const char *format, Convert convert, char conversion, std::string &out)
{
    bool converted = false;
    for (const char *p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        if (p[1] == '%') {
            out += '%';
            ++p;
        } else if (p[1] == conversion && !converted) {
            convert(out);
            converted = true;
            ++p;
        } else {
            return false;
        }
    }
    return converted;
}

} // namespace

QString FormatLabel(const char *format, double value)
{
    // std::to_chars in the general format with precision 6 is printf's "%g"
    // in the C locale.
    std::string text;
    auto convert = [value](std::string &out) {
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
        out.append(buffer, result.ptr);
    };
    if (FormatDirect(format, convert, 'g', text))
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    CLocaleScope cLocale;
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return QString::fromUtf8(buffer);
}

QString FormatUnitLabel(const char *format, double value)
{
    const QByteArray translated = QCoreApplication::translate("Labels", format).toUtf8();
    return FormatLabel(translated.constData(), value);
}

QString FormatLabel(const char *format, int value)
{
    std::string text;
    auto convert = [value](std::string &out) {
        char buffer[16];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
    };
    if (FormatDirect(format, convert, 'd', text))
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return QString::fromUtf8(buffer);
}
