#pragma once

#include "document/CommandTarget.h"
#include "model/StructureModel.h"

#include <QObject>
#include <QString>
#include <memory>

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

    // Selection, without an undo step and without a view update of its own.
    void deselectAll();
    void selectNode(int node, bool flag);
    void selectRod(int rod, bool flag);

    // Element operations of the view. Each takes the undo snapshot, changes
    // the model and ends with structureChanged, also when the model refuses
    // (a node on top of another, a duplicate rod). Positions outside the
    // lists are ignored.
    void moveNode(int node, double x, double y);
    void addNode(double x, double y, bool isFree);
    void addRod(int a, int b);
    void splitRod(int rod, double x, double y, bool isFree);
    // Load operations: each opens its dialog filled with the present values
    // and changes the structure (snapshot first) only when it is confirmed.
    // On a rod, a force or a moment splits the rod at (x, y) with a new free
    // node that takes the load. A rod is never split where a node stands
    // already (no dialog opens then).
    void forceOnRod(int rod, double x, double y);
    void momentOnRod(int rod, double x, double y);
    void forceOnNode(int node);
    void momentOnNode(int node);
    void distributedLoad(int rod);
    void displacementOnNode(int node);
    void temperatureOnRod(int rod);

    // Property dialogs; the snapshot and the change only after OK.
    void nodeProperties(int node);
    void rodProperties(int rod);
    // The selected nodes (rods): nothing, the single dialog or the
    // multiple dialog, by their number.
    void selectedNodeProperties();
    void selectedRodProperties();

    // The delete commands 40151 ... 40157 on currentNode or currentRod.
    void deleteCommand(int id);

    bool isNode(int node) const { return node >= 0 && node < structure.nodes.count; }
    bool isRod(int rod) const { return rod >= 0 && rod < structure.rods.count; }

    // Asks every view to repaint; hint 0 erases the background.
    void updateAllViews(int hint = 0);

    // True when any of the five result displays is on.
    bool anyResultShown() const;
    // Switches all five result displays off.
    void switchResultsOff();

    // Report commands: the results report (calculating first), the
    // statistics and the calculation log, each in its dialog.
    void showResults();
    void showStatistics();
    void showLog();
    // Starts a desktop calculator without waiting; false when none is found.
    static bool startCalculator();

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

    StructureModel structure;
    std::unique_ptr<StructureModel> undoState;
    std::unique_ptr<StructureModel> redoState;
    bool needsCalculation = true;
    bool fitOnDraw = false;
    int currentRod = -1;
    int currentNode = -1;
    int showMoments = 0;
    int showShear = 0;
    int showAxial = 0;
    int showReactions = 0;
    int showDisplacements = 0;

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
    enum class RodDirection { Any, Horizontal, Vertical };
    void selectAllNodes();
    void selectRods(RodDirection direction);

    QString path;
    bool modified = false;
};
