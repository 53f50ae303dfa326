#pragma once

// Commands are routed to the view, then the document, then the application
// object; the first target that handles a command wins. Menu and tool-bar
// state is asked of the same targets in the same order whenever menus open
// and after every change.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when this target handles the command.
    virtual bool onCommand(int id) = 0;
    // True when this target owns the command; fills its state.
    virtual bool updateCommand(int id, CommandState& state) = 0;
};
