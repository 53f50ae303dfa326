#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

// Text alignment relative to the anchor point of a label.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline };

// Writes the short labels of the drawings (numbers with units) in one font.
// The glyphs and advances of the printable ASCII characters and the degree
// sign are looked up once, so a label is placed and drawn without shaping
// its text again; this keeps thousands of labels per paint cheap. Any other
// character, or a font without those glyphs, takes the painter's ordinary
// text path.
class LabelWriter {
public:
    LabelWriter(const QFont &font, QPaintDevice *device);

    // Draws the label with its reference point at `anchor` (device pixels,
    // y downward). An opaque label first fills its box with white.
    void write(QPainter &painter, QPointF anchor, const QString &label, HAlign horizontal, VAlign vertical,
               bool opaque);

    // The box the label takes with its reference point at `anchor` (device
    // pixels, y downward), from the ascent to the descent of the font.
    QRectF box(QPointF anchor, const QString &label, HAlign horizontal, VAlign vertical);

private:
    // Fills the glyph run of the label; false when a character has no
    // looked-up glyph.
    bool layout(const QString &label);

    QFont font;
    QFontMetricsF metrics;
    QRawFont raw;
    bool fast = false;
    static constexpr char16_t Degree = 0x00b0;
    std::array<quint32, 128> glyphs{};
    std::array<qreal, 128> advances{};
    quint32 degreeGlyph = 0;
    qreal degreeAdvance = 0;

    QList<quint32> runGlyphs;
    QList<QPointF> runPositions;
    qreal runWidth = 0;
};
