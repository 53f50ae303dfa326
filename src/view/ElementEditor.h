#pragma once

#include "document/CommandTarget.h"

class QWidget;

// What the view asks of the layer above it: the element commands that ask
// the user for values (a property or load dialog) before the document
// changes the structure, the warnings of the load rules, and the commands
// of the context menu that neither the view nor the document carries out.
// The application implements it (ElementCommands).
class ElementEditor : public CommandTarget {
public:
    // Property dialogs of one element, and of the selected elements (none:
    // nothing, one: the single dialog, several: the multiple dialog).
    virtual void nodeProperties(int node) = 0;
    virtual void rodProperties(int rod) = 0;
    virtual void selectedNodeProperties() = 0;
    virtual void selectedRodProperties() = 0;
    // Load dialogs; on a rod, a force or a moment splits it at (x, y).
    virtual void forceOnRod(int rod, double x, double y) = 0;
    virtual void momentOnRod(int rod, double x, double y) = 0;
    virtual void forceOnNode(int node) = 0;
    virtual void momentOnNode(int node) = 0;
    virtual void distributedLoad(int rod) = 0;
    virtual void displacementOnNode(int node) = 0;
    virtual void temperatureOnRod(int rod) = 0;
    // The string-table text of `message` in a warning box over `parent`.
    virtual void warn(int message, QWidget *parent) = 0;
};
