#pragma once

// Editing modes of the view; a left click acts by the mode.
enum ViewMode : int {
    ModeEdit = 0,
    ModeFreeNode = 1,
    ModeSupportNode = 2,
    ModeRod = 3,
    ModeForce = 4,
    ModeDistributedLoad = 5,
    ModeMoment = 6,
    ModeTemperature = 7,
    ModeDisplacement = 8,
    // 9 is not used
    ModeDelete = 10,
};

// Cursor code shown while a node is dragged.
constexpr int CursorMoveNode = 20;
