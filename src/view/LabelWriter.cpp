#include "view/LabelWriter.h"

#include <QGlyphRun>
#include <QPainter>

LabelWriter::LabelWriter(const QFont &labelFont, QPaintDevice *device)
    : font(labelFont), metrics(labelFont, device), raw(QRawFont::fromFont(labelFont))
{
    // A font of the platform's default size is measured per device (its
    // pixel size differs on paper); only fonts sized in pixels take the
    // looked-up glyphs.
    if (labelFont.pixelSize() <= 0 || !raw.isValid())
        return;
    QString characters;
    for (char16_t c = 32; c < 127; ++c)
        characters += QChar(c);
    characters += QChar(Degree);
    QList<quint32> indexes = raw.glyphIndexesForString(characters);
    QList<QPointF> steps = raw.advancesForGlyphIndexes(indexes);
    if (indexes.size() != characters.size() || steps.size() != characters.size())
        return;
    for (int c = 32; c < 127; ++c) {
        glyphs[c] = indexes[c - 32];
        advances[c] = steps[c - 32].x();
    }
    degreeGlyph = indexes.back();
    degreeAdvance = steps.back().x();
    fast = true;
}

bool LabelWriter::layout(const QString &label)
{
    runGlyphs.clear();
    runPositions.clear();
    runWidth = 0;
    for (QChar ch : label) {
        char16_t c = ch.unicode();
        quint32 glyph = 0;
        qreal advance = 0;
        if (c >= 32 && c < 127) {
            glyph = glyphs[c];
            advance = advances[c];
        } else if (c == Degree) {
            glyph = degreeGlyph;
            advance = degreeAdvance;
        }
        if (glyph == 0)
            return false; // a character the font lacks: the text path finds a substitute
        runGlyphs.append(glyph);
        runPositions.append(QPointF(runWidth, 0));
        runWidth += advance;
    }
    return true;
}

void LabelWriter::write(QPainter &painter, QPointF anchor, const QString &label, HAlign horizontal,
                        VAlign vertical, bool opaque)
{
    if (label.isEmpty())
        return;
    bool glyphRun = fast && layout(label);
    qreal width = glyphRun ? runWidth : metrics.horizontalAdvance(label);
    qreal ascent = glyphRun ? raw.ascent() : metrics.ascent();
    qreal descent = glyphRun ? raw.descent() : metrics.descent();
    qreal left = anchor.x();
    if (horizontal == HAlign::Centre)
        left -= width / 2;
    else if (horizontal == HAlign::Right)
        left -= width;
    qreal baseline = vertical == VAlign::Top ? anchor.y() + ascent : anchor.y();
    if (opaque)
        painter.fillRect(QRectF(left, baseline - ascent, width, ascent + descent), Qt::white);
    if (glyphRun) {
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(runGlyphs);
        run.setPositions(runPositions);
        painter.drawGlyphRun(QPointF(left, baseline), run);
    } else {
        QFont previous = painter.font();
        painter.setFont(font);
        painter.drawText(QPointF(left, baseline), label);
        painter.setFont(previous);
    }
}

QRectF LabelWriter::box(QPointF anchor, const QString &label, HAlign horizontal, VAlign vertical)
{
    bool glyphRun = fast && layout(label);
    qreal width = glyphRun ? runWidth : metrics.horizontalAdvance(label);
    qreal ascent = glyphRun ? raw.ascent() : metrics.ascent();
    qreal descent = glyphRun ? raw.descent() : metrics.descent();
    qreal left = anchor.x();
    if (horizontal == HAlign::Centre)
        left -= width / 2;
    else if (horizontal == HAlign::Right)
        left -= width;
    qreal baseline = vertical == VAlign::Top ? anchor.y() + ascent : anchor.y();
    return QRectF(left, baseline - ascent, width, ascent + descent);
}
