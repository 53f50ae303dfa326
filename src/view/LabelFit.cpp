#include "view/LabelFit.h"

#include <algorithm>

void CentreIn(Viewport &port, const WorldRect &world)
{
    if (!(port.scale > 0.0))
        return;
    const WorldRect visible = port.visibleWorld();
    port.originX -= 0.5 * ((visible.right - visible.left) - (world.right - world.left));
    port.originY -= 0.5 * ((visible.top - visible.bottom) - (world.top - world.bottom));
}

bool FitWithLabels(Viewport &port, WorldRect world, const std::function<QRectF()> &labelBox, bool centre)
{
    if (!port.fitTo(world))
        return false;
    if (centre)
        CentreIn(port, world);
    const DeviceRect &area = port.deviceRect;
    // A few rounds converge: each one widens by what still reaches out.
    for (int round = 0; round < 6; ++round) {
        const QRectF labels = labelBox();
        if (labels.isEmpty())
            return true;
        const double margin = 2.0; // pixels between a label and the edge
        const double left = std::max(0.0, area.left + margin - labels.left());
        const double right = std::max(0.0, labels.right() - (area.right - margin));
        const double top = std::max(0.0, area.top + margin - labels.top());
        const double bottom = std::max(0.0, labels.bottom() - (area.bottom - margin));
        if (left + right + top + bottom < 0.5)
            return true;
        const WorldRect visible = port.visibleWorld();
        const WorldRect wider{visible.left - left / port.scale, visible.top + top / port.scale,
                              visible.right + right / port.scale, visible.bottom - bottom / port.scale};
        if (!port.fitTo(wider))
            return true;
        if (centre)
            CentreIn(port, wider);
    }
    return true;
}
