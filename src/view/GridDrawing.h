#pragma once

#include "view/Viewport.h"

class QPainter;

// Most grid dots one paint sets; the dots are at least 5 pixels apart, so
// only nonsensical mappings come near it.
constexpr int MaxGridDots = 2000000;

// The world origin: a small ellipse whose size does not follow the unit.
void drawOriginMarker(QPainter &painter, const Viewport &port);

// A field of dots every `step` metres over the visible world, starting at
// the whole metres below and left of it; nothing when the dots would be
// closer than 5 pixels. Returns the number of dots set.
int drawGrid(QPainter &painter, const Viewport &port, double step);

// The grid and mouse steps of the settings, with the defaults (0.5 m and
// 0.1 m) in place of a value that is zero, negative or not finite.
double EffectiveGridStep();
double EffectiveMouseStep();
