#pragma once

// The user settings: new-rod defaults, display options, calculation switches
// and the debug flag. The GUI loads and stores them; the model, the engine
// and the command-line tool read them through Settings::current().
struct Settings {
    int type = 1;          // "Type": joint of newly drawn rods, 1 hinge, 2 rigid
    double EI = 1.0;       // "EI"
    double EF = 1.0;       // "EF"
    double H = 1.0;        // "H": section height, m
    double alpha = 1.0;    // "Alpha"
    double MU = 1.0;       // "MU"
    double NU = 1.0;       // "NU"
    int showNumbers = 1;   // "ShowNumbers"
    int showGrid = 1;      // "ShowGrid"
    double gridStep = 0.5; // "GridStep", m
    double mouseStep = 0.1;// "MouseStep", m
    int axialCompliance = 0; // "AxialCompliance": stored, read by no calculation step
    int logEnabled = 0;    // "LogEnabled"
    bool debugMode = false; // not stored; off at every start

    // The one settings record of the process.
    static Settings& current();
};
