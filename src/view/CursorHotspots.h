#pragma once

#include <string_view>

// Hot spots of the editing-mode cursors, the point at which a click acts.
// The pictures are resources/cursors/<name>.svg, drawn on a CursorSize x
// CursorSize grid; the hot spot is in pixels of that grid (scale it with the
// size the cursor is rendered at). Crosshair cursors act at the centre of
// their crosshair, the move cursor at the node between its four arrows.
struct CursorHotspot {
    const char *name; // file name without ".svg"
    int id;           // cursor resource number
    int x;
    int y;
};

inline constexpr int CursorSize = 32;

// clang-format off
inline constexpr CursorHotspot cursorHotspots[] = {
    {"free-node",        1001, 10, 10}, // free and support nodes
    {"rod",              1002, 10, 10},
    {"force",            1003, 10, 10},
    {"moment",           1004, 10, 10},
    {"distributed-load", 1005, 10, 10},
    {"temperature",      1006, 10, 10},
    {"displacement",     1007, 10, 10},
    {"move-node",        1190, 15, 15},
    {"delete",           1191, 10, 10},
};
// clang-format on

// The entry of a cursor resource number, or nullptr.
constexpr const CursorHotspot *FindCursorHotspot(int id)
{
    for (const CursorHotspot &entry : cursorHotspots)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

// The entry of a cursor file name, or nullptr.
constexpr const CursorHotspot *FindCursorHotspot(std::string_view name)
{
    for (const CursorHotspot &entry : cursorHotspots)
        if (name == entry.name)
            return &entry;
    return nullptr;
}
