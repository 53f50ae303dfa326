#pragma once

#include "view/ElementEditor.h"

class RuvoDoc;

// The element commands that ask the user first: each opens its property or
// load dialog filled from the document and hands the confirmed values to
// the document, which takes the undo snapshot then (Cancel changes
// nothing). Also the property commands of the context menu
// (Command::NodeProperties, Command::RodProperties) on the document's
// current element.
class ElementCommands : public ElementEditor {
public:
    explicit ElementCommands(RuvoDoc *document);

    void nodeProperties(int node) override;
    void rodProperties(int rod) override;
    void selectedNodeProperties() override;
    void selectedRodProperties() override;
    void forceOnRod(int rod, double x, double y) override;
    void momentOnRod(int rod, double x, double y) override;
    void forceOnNode(int node) override;
    void momentOnNode(int node) override;
    void distributedLoad(int rod) override;
    void displacementOnNode(int node) override;
    void temperatureOnRod(int rod) override;
    void warn(int message, QWidget *parent) override;

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

private:
    RuvoDoc *doc;
};
