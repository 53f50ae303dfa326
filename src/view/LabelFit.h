#pragma once

#include "view/Viewport.h"

#include <QRectF>
#include <functional>

// Fits `world` into the port's area like Viewport::fitTo, then widens it
// until the value labels, which keep their size in pixels while the
// structure scales, lie inside the area too. `labelBox` gives the box
// (device pixels) the placed labels take at the port's present mapping.
// With `centre` the fitted rectangle is centred in the area (paper);
// otherwise it sits at the lower left as fitTo puts it (screen). False
// when nothing could be fitted.
bool FitWithLabels(Viewport &port, WorldRect world, const std::function<QRectF()> &labelBox, bool centre);

// Shifts the origin so that `world`, already fitted, lies in the middle of
// the port's area.
void CentreIn(Viewport &port, const WorldRect &world);
