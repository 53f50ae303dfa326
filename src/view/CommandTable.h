#pragma once

#include <span>

// One entry per command id: what CommandActions needs to create its QAction.
struct CommandInfo {
    int id;
    // The texts are Russian, marked for the translation context "Command".
    const char *text;      // menu text; a "\t" part names a key the view handles itself
    const char *shortcuts; // "; "-separated key sequences (portable text), or ""
    const char *prompt;    // "status-bar prompt\ntool tip"
    const char *icon;      // name of resources/icons/<icon>.svg, or ""
    bool checkable;        // the menu item can show a check mark
};

// Every command of the menus, tool bars, accelerators and context menus.
std::span<const CommandInfo> CommandTable();
// nullptr for an unknown id.
const CommandInfo *FindCommand(int id);
