#pragma once

#include <QCursor>
#include <map>

// The cursors of the editing modes, drawn from the SVG pictures of the
// resources at CursorSize pixels with the hot spots of CursorHotspots.h.
// A code is a ViewMode value or CursorMoveNode; any other code (ModeEdit
// among them) gives the arrow.
class ModeCursors {
public:
    // The cursor resource number of a code, or 0 for the arrow.
    static int resourceOf(int code);
    QCursor cursor(int code);

private:
    std::map<int, QCursor> loaded;
};
