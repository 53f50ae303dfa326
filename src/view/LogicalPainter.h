#pragma once

#include "view/LabelWriter.h"
#include "view/Viewport.h"

#include <QColor>
#include <QLine>
#include <QList>
#include <QPainter>
#include <QString>
#include <optional>

// How a value label may move out of the way of another: away from the
// point it names (a node), or along a direction (its rod, logical
// coordinates, y upward).
struct LabelSlide {
    enum class Kind { Away, Along } kind = Kind::Away;
    double dx = 0.0;
    double dy = 0.0;
    static LabelSlide away() { return LabelSlide(); }
    static LabelSlide along(double dx, double dy) { return LabelSlide{Kind::Along, dx, dy}; }
};

// Draws in the logical pixels of a Viewport (y upward from the bottom of the
// drawing area) on a painter that works in device pixels (y downward). It
// stands for the prepared drawing context: a logical point (x, y) lands on
// the device point (x, h - y), h the height of the viewport's area. Text is
// anchored in logical pixels and drawn unflipped.
//
// The painter's state is saved on construction and restored on destruction,
// so each drawing operation leaves pens, brushes and fonts as it found them.
// Pens are not antialiased: a 1-pixel line covers whole pixels.
class LogicalPainter {
public:
    LogicalPainter(QPainter &painter, const Viewport &port);
    ~LogicalPainter();
    LogicalPainter(const LogicalPainter &) = delete;
    LogicalPainter &operator=(const LogicalPainter &) = delete;

    QPoint device(int x, int y) const { return QPoint(x, height - y); }
    // The drawing unit, never below 0.
    int unit() const { return drawingUnit; }

    // A width of 0 is one pixel, as on paper when the unit is 0.
    void setPen(const QColor &color, int width = 1, Qt::PenStyle style = Qt::SolidLine);
    void setBrush(const QColor &color);
    void setWhiteBrush() { setBrush(Qt::white); }

    void line(int x1, int y1, int x2, int y2);
    void line(LogicalPoint a, LogicalPoint b) { line(a.x, a.y, b.x, b.y); }
    // Lines queued with the current pen and drawn together by flushLines
    // (or by the next change of pen); much cheaper than one call per line.
    void queueLine(LogicalPoint a, LogicalPoint b)
    {
        queued.append(QLine(device(a.x, a.y), device(b.x, b.y)));
    }
    void flushLines();
    void pixel(int x, int y, const QColor &color);
    // Shapes given by two opposite corners; like the classic drawing
    // contexts, the right and bottom edges of the box are excluded.
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    // Arc of the ellipse in the box, counterclockwise as seen on the screen,
    // from the ray through (sx, sy) to the ray through (ex, ey).
    void arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey);

    // The label font: sans-serif at a pixel height of 12 units (the
    // platform's default size when that is 0).
    void useLabelFont();
    // Writes text anchored at the logical point; an opaque label first
    // fills its box with the white background.
    void text(int x, int y, const QString &label, HAlign horizontal, VAlign vertical, const QColor &color,
              bool opaque = false);
    // A value label (of a load or a result) on a small halo of the canvas
    // colour. With a LabelBoard on the painter it is handed to the board,
    // which places all labels of the picture together; otherwise it is
    // drawn at its anchor at once. `target` is the point it names.
    void valueText(int x, int y, const QString &label, HAlign horizontal, VAlign vertical,
                   const QColor &color, LogicalPoint target, LabelSlide slide);

    QPainter &painter;

private:
    int height;
    int drawingUnit;
    int minimumFontPixels;
    std::optional<LabelWriter> labels;
    QList<QLine> queued;
};

// printf-style formatting in the C locale (a decimal point whatever the
// user's locale), as UTF-8 text. "%g" and "%d" are converted directly; other
// conversions go through snprintf.
QString FormatLabel(const char *format, double value);
QString FormatLabel(const char *format, int value);
// FormatLabel with the format in the interface language: `format` is a text
// of the context "Labels" (mark it with QT_TRANSLATE_NOOP("Labels", ...)),
// so that units read "N*M" in Russian and "N*m" in English.
QString FormatUnitLabel(const char *format, double value);
