#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

// The sketch of "Свойства стержня": the rod's direction as a black line
// through the centre of a white box, reaching 30 % of the box width to each
// side, with a dot at each end and the node labels beside the dots.
class RodPreview : public QWidget {
    Q_OBJECT

public:
    // (dx, dy): from the begin node to the end node, world axes (y upward).
    RodPreview(double dx, double dy, const QString &beginLabel, const QString &endLabel,
               QWidget *parent = nullptr);

    // The device points of the begin and end of the line in a box of the
    // size; both at the centre for a rod without length.
    static void linePoints(QSize box, double dx, double dy, QPoint &begin, QPoint &end);

    QSize sizeHint() const override { return QSize(140, 110); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double dx;
    double dy;
    QString beginLabel;
    QString endLabel;
};
