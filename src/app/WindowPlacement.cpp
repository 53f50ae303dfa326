#include "app/WindowPlacement.h"

#include <QSettings>

namespace {
constexpr int DefaultWidth = 640;
constexpr int DefaultHeight = 480;
// Smaller windows cannot show the menus; such a rectangle is not restored.
constexpr int MinimumSide = 100;

int ReadInt(QSettings &store, const char *name, int defaultValue)
{
    bool ok = false;
    const int value = store.value(QStringLiteral("Window/") + QLatin1String(name), defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}
} // namespace

WindowPlacement WindowPlacement::load(QSettings &store)
{
    WindowPlacement placement;
    const int left = ReadInt(store, "Left", 0);
    const int top = ReadInt(store, "Top", 0);
    // Differences in 64 bits: stored extremes must not overflow.
    long long width = static_cast<long long>(ReadInt(store, "Right", DefaultWidth)) - left;
    long long height = static_cast<long long>(ReadInt(store, "Bottom", DefaultHeight)) - top;
    if (width < MinimumSide || height < MinimumSide || width > 1 << 16 || height > 1 << 16) {
        width = DefaultWidth;
        height = DefaultHeight;
    }
    placement.normal = QRect(left, top, static_cast<int>(width), static_cast<int>(height));
    placement.maximized = ReadInt(store, "Maximized", 0) != 0;
    return placement;
}

void WindowPlacement::save(QSettings &store) const
{
    store.setValue(QStringLiteral("Window/Left"), normal.left());
    store.setValue(QStringLiteral("Window/Top"), normal.top());
    store.setValue(QStringLiteral("Window/Right"), normal.left() + normal.width());
    store.setValue(QStringLiteral("Window/Bottom"), normal.top() + normal.height());
    store.setValue(QStringLiteral("Window/Maximized"), maximized ? 1 : 0);
}
