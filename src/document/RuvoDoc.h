#pragma once

#include "document/CommandTarget.h"
#include "document/ElementValues.h"
#include "model/StructureModel.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

// The single document: the structure being edited, its file, the modified
// flag, the result-display switches, the validity of the results and the
// one-level undo and redo. Every change of the structure goes through the
// document and ends with structureChanged().
class RuvoDoc : public QObject, public CommandTarget {
    Q_OBJECT

public:
    explicit RuvoDoc(QObject *parent = nullptr);
    ~RuvoDoc() override;

    // File operations (the frame asks "Save changes to %1?" before calling
    // newDocument or openFile on a modified document).
    void newDocument();
    // Reads the file; false (document unchanged) when it cannot be opened.
    // A malformed line is reported by the reader and the file counts as opened.
    bool openFile(const QString &path);
    // Writes through a temporary file; false (and an error shown) on failure.
    bool saveFile(const QString &path);
    const QString &filePath() const { return path; }
    // "Новая Конструкция" for a new structure, else the file name.
    QString title() const;
    bool isModified() const { return modified; }
    void setModified(bool value);

    // Ends every change: results invalid, immediate recalculation when a
    // result display is on, modified, views updated.
    void structureChanged();
    // Makes the results valid if they are not; false after a reported error
    // (all result displays are then off).
    bool calculate();
    void saveUndoState();
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // Empties both snapshots and the calculation time of the status bar: a
    // new or opened structure starts without history.
    void forgetHistory();

    // Selection, without an undo step and without a view update of its own.
    void deselectAll();
    void selectNode(int node, bool flag);
    void selectRod(int rod, bool flag);

    // Element operations. Each takes the undo snapshot, changes the model
    // and ends with structureChanged, also when the model refuses (a node on
    // top of another, a duplicate rod). Positions outside the lists are
    // ignored.
    void moveNode(int node, double x, double y);
    void addNode(double x, double y, bool isFree);
    void addRod(int a, int b);
    void splitRod(int rod, double x, double y, bool isFree);
    // Loads with their values (the element commands ask for them first). On
    // a rod, a force or a moment splits the rod at (x, y) with a new free
    // node that takes the load; a rod is never split where a node stands
    // already (canSplitRodAt is false then).
    bool canSplitRodAt(int rod, double x, double y) const;
    void splitRodWithForce(int rod, double x, double y, Pair force);
    void splitRodWithMoment(int rod, double x, double y, double moment);
    void setNodeForce(int node, Pair force);
    void setNodeMoment(int node, double moment);
    void setRodLoad(int rod, Pair load);
    void setNodeDisplacement(int node, Triple displacement);
    // The temperatures (left, right) with the rod's alpha and height.
    void setRodTemperature(int rod, Pair temperature, double alpha, double height);

    // Property values as the dialogs show them, and their write-back. The
    // getters need a valid position (rodValues and rodContext a rod with
    // valid ends); the apply operations ignore positions that are not.
    NodeValues nodeValues(int node) const;
    void applyNodeValues(int node, const NodeValues &values);
    bool isRodWithValidEnds(int rod) const;
    RodValues rodValues(int rod) const;
    RodContext rodContext(int rod) const;
    void applyRodValues(int rod, const RodValues &values);
    // Positions of the selected nodes (rods) in list order.
    std::vector<int> selectedNodes() const;
    std::vector<int> selectedRods() const;
    // Need at least one position.
    MultiNodeValues multiNodeValues(const std::vector<int> &nodes) const;
    void applyMultiNodeValues(const std::vector<int> &nodes, const MultiNodeValues &values);
    MultiRodValues multiRodValues(const std::vector<int> &rods) const;
    void applyMultiRodValues(const std::vector<int> &rods, const MultiRodValues &values);

    // The element that the context menu's commands act on.
    void setCurrentNode(int node);
    void setCurrentRod(int rod);
    int currentNodePosition() const { return currentNode; }
    int currentRodPosition() const { return currentRod; }
    // The delete commands (Command::DeleteNode ... Command::DeleteDisplacement)
    // on currentNode or currentRod.
    void deleteCommand(int id);

    bool isNode(int node) const { return node >= 0 && node < model.nodes.count; }
    bool isRod(int rod) const { return rod >= 0 && rod < model.rods.count; }

    // Asks every view to repaint; hint 0 erases the background.
    void updateAllViews(int hint = 0);

    // The five result displays: 1 when shown. Setting one neither
    // calculates nor repaints.
    enum class ResultDisplay { Moments, Shear, Axial, Reactions, Displacements };
    int display(ResultDisplay which) const;
    void setDisplay(ResultDisplay which, int shown);

    // The views fit the structure into the window at their next paint
    // (after New and Open); the view says when it has.
    bool fitRequested() const { return fitOnDraw; }
    void requestFit() { fitOnDraw = true; }
    void fitDone() { fitOnDraw = false; }

    // True when any of the five result displays is on.
    bool anyResultShown() const;
    // Switches all five result displays off.
    void switchResultsOff();

    // Starts a desktop calculator without waiting; false when none is found.
    static bool startCalculator();

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

    // The structure being edited; it changes only through the document.
    const StructureModel &structure() const { return model; }
    // Replaces the structure without an undo step (a structure read
    // elsewhere); the results become invalid.
    void setStructure(const StructureModel &structure);

    std::unique_ptr<StructureModel> undoState;
    std::unique_ptr<StructureModel> redoState;
    bool needsCalculation = true;

signals:
    // Views repaint; hint 0 erases the background.
    void viewsUpdated(int hint);
    // Text for pane 0 of the status bar (the calculation time).
    void statusMessage(const QString &text);
    void modifiedChanged(bool modified);
    void titleChanged(const QString &title);
    // Positions of nodes and rods held outside the lists may name other
    // elements now, or none: the structure changed, was replaced, or a
    // calculation reordered it. Pending actions on positions end here.
    void positionsChanged();

private:
    // Tests set up their structures directly (tests/support/DocumentAccess.h).
    friend struct DocumentAccess;

    // The one way the structure changes: the undo snapshot, the change,
    // then structureChanged.
    template <typename Change> void edit(Change change)
    {
        saveUndoState();
        change();
        structureChanged();
    }
    bool nodeStandsAt(double x, double y) const;

    enum class RodDirection { Any, Horizontal, Vertical };
    void selectAllNodes();
    void selectRods(RodDirection direction);

    StructureModel model;
    QString path;
    bool modified = false;
    bool fitOnDraw = false;
    int currentRod = -1;
    int currentNode = -1;
    int showMoments = 0;
    int showShear = 0;
    int showAxial = 0;
    int showReactions = 0;
    int showDisplacements = 0;
};
