#pragma once

// Command ids of the menus, accelerators and tool bars.
namespace Command {
enum : int {
    // File
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintDirect = 57608,
    FilePrintPreview = 57609,
    FileMru1 = 57616, // ... 57619 for the four recent files
    AppExit = 57665,
    FileExport = 40601, // "Экспорт..." (PDF, SVG, PNG)

    // Edit
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    EditRedo = 57644,
    SelectAll = 40111,
    DeselectAll = 40112,
    SelectAllNodes = 40113,
    SelectAllRods = 40114,
    SelectHorizontalRods = 40115,
    SelectVerticalRods = 40116,

    // Context menu element commands
    NodeProperties = 40101,
    RodProperties = 40102,
    DeleteNode = 40151,
    DeleteRod = 40152,
    DeleteForce = 40153,
    DeleteMoment = 40154,
    DeleteDistributedLoad = 40155,
    DeleteTemperature = 40156,
    DeleteDisplacement = 40157,

    // View
    ShowGrid = 40201,
    ZoomIn = 40202,
    ZoomOut = 40203,
    FitAll = 40204,
    ShowNumbers = 40207,
    ShowLoads = 40208,
    ShowValues = 40209,
    ShowMoments = 201,
    ShowShear = 202,
    ShowAxial = 203,
    ShowReactions = 204,
    DebugMode = 205,
    ShowDisplacements = 206,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,

    // Modes
    ModeFreeNode = 40301,
    ModeSupportNode = 40302,
    ModeRod = 40303,
    ModeDistributedLoad = 40304,
    ModeMoment = 40305,
    ModeForce = 40306,
    ModeTemperature = 40307,
    ModeDisplacement = 40308,
    ModeEdit = 40309,
    ModeDelete = 40310,

    // Settings menu
    Options = 40401,
    Calculator = 40402,
    Statistics = 40403,
    ShowLog = 40404,
    Results = 40405,

    // Help
    HelpContents = 40501,
    About = 40503,
    WebSite = 40504,
    TechnicalSupport = 40505,
    Tutorial = 40507,
};
} // namespace Command
