#pragma once

#include <QRect>

class QSettings;

// Position and size of the main window between runs, in the settings
// section "Window": "Left", "Top", "Right", "Bottom" (pixels, right and
// bottom exclusive) and "Maximized" (0/1). The rectangle is the restored
// one, also when the window was closed maximized.
struct WindowPlacement {
    QRect normal{0, 0, 640, 480};
    bool maximized = false;

    // Missing values give the first-start placement: 640 x 480 at the top
    // left. A stored rectangle without a usable size gets the default size.
    static WindowPlacement load(QSettings &store);
    void save(QSettings &store) const;
};
