#pragma once

#include "document/CommandTarget.h"

class RuvoDoc;

// The report commands (Command::Results, Command::Statistics,
// Command::ShowLog): the results report (calculating first), the
// statistics and the calculation log, each in its dialog.
class ReportCommands : public CommandTarget {
public:
    explicit ReportCommands(RuvoDoc *document);

    void showResults();
    void showStatistics();
    void showLog();

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

private:
    RuvoDoc *doc;
};
