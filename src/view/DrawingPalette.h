#pragma once

#include <QColor>

// The twelve colours of every drawing of the structure and its results.
// They are fixed for the whole run.
namespace DrawingPalette {

enum Entry : int {
    NodeColor = 0,         // nodes, node numbers, support symbols
    RodColor = 1,          // rods, rod numbers, hinge circles at free nodes
    OriginColor = 2,       // origin marker
    GridColor = 3,         // grid dots
    TemperatureColor = 4,  // temperature loads
    DistributedColor = 5,  // distributed loads
    ForceColor = 6,        // nodal forces
    MomentColor = 7,       // nodal moments
    DisplacementColor = 8, // prescribed displacements
    DiagramColor = 9,      // diagrams and their labels, displacement labels
    SelectionColor = 10,   // selected nodes and rods
    ReactionColor = 11,    // support reactions
    EntryCount = 12,
};

inline QColor color(int entry)
{
    static const QRgb colors[EntryCount] = {
        qRgb(95, 95, 95), qRgb(95, 95, 95),  qRgb(0, 0, 127), qRgb(255, 0, 0),
        qRgb(255, 0, 0),  qRgb(127, 127, 0), qRgb(191, 0, 0), qRgb(0, 127, 191),
        qRgb(0, 0, 255),  qRgb(0, 127, 0),   qRgb(255, 0, 0), qRgb(0, 0, 255),
    };
    if (entry < 0 || entry >= EntryCount)
        return QColor(Qt::black);
    return QColor(colors[entry]);
}

} // namespace DrawingPalette
