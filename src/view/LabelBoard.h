#pragma once

#include "view/LabelPlacement.h"
#include "view/LabelWriter.h"

#include <QColor>
#include <QFont>
#include <QMarginsF>
#include <QString>
#include <vector>

class QPainter;

// Collects the value labels of one picture (diagrams, reactions,
// displacements, loads) while it lives, so that they can be placed
// together without overlapping and drawn last, each on a small halo of the
// canvas colour over whatever lies under it. The drawing operations find
// the board of their painter with LabelBoard::on; without one they draw
// each label at its anchor at once.
class LabelBoard {
public:
    struct Label {
        QString text;
        QFont font;
        QColor color;
        QRectF box;     // at the anchor, device pixels
        QPointF target; // the point the label names
        std::vector<QPointF> moves;
        // Pixels of canvas colour round the text: wider at the sides, so
        // that a line ending beside a number is not read as its sign, but
        // never over the point the label names.
        QMarginsF halo{1, 1, 1, 1};
        qreal ascent = 0; // from the top of the box to the baseline
    };

    explicit LabelBoard(QPainter &painter);
    ~LabelBoard();
    LabelBoard(const LabelBoard &) = delete;
    LabelBoard &operator=(const LabelBoard &) = delete;

    // The board collecting for this painter, or nullptr.
    static LabelBoard *on(const QPainter &painter);

    void add(Label label) { labels.push_back(std::move(label)); }
    bool isEmpty() const { return labels.empty(); }

    // Places every label; `area` is the visible part (labels wholly outside
    // it stay where they are).
    void place(const QRectF &area);
    // The placed boxes (after place), halos included.
    const std::vector<LabelPlace> &placed() const { return places; }
    // The union of the placed boxes with their halos; empty without labels.
    QRectF bounds() const;
    // Places (unless done) and draws: leader lines, then halos and texts.
    void draw(const QRectF &area);

    // Draws one label: its halo, then its text.
    static void drawLabel(QPainter &painter, const Label &label, const QRectF &box);

private:
    QPainter &painter;
    std::vector<Label> labels;
    std::vector<LabelPlace> places;
    bool isPlaced = false;
};
