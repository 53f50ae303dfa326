#pragma once

#include "document/CommandTarget.h"
#include "view/HitTest.h"
#include "view/ModeCursors.h"
#include "view/MomentScale.h"
#include "view/ViewMode.h"
#include "view/Viewport.h"

#include <QAbstractScrollArea>

class CommandActions;
class ElementEditor;
class RuvoDoc;
class QAction;
class QMenu;
class QPainter;

// The one view of the document: maps the structure to the window, paints
// grid, loads, structure and result displays, drives its own scroll bars and
// turns mouse and keyboard input into calls of the document.
//
// The mapping lives in a Viewport (note that viewport() returns it; the
// widget that is painted on is canvas()). Every paint redraws everything
// from the document's structure.
class RuvoView : public QAbstractScrollArea, public CommandTarget {
    Q_OBJECT

public:
    explicit RuvoView(RuvoDoc *document, QWidget *parent = nullptr);
    ~RuvoView() override;

    RuvoDoc *document() const { return doc; }
    // Who shows the dialogs of the element commands and the warnings; the
    // view asks nothing of the user without one.
    void setElementEditor(ElementEditor *elementEditor) { editor = elementEditor; }
    // The actions the context menu shows: the main frame's, so that each
    // command has one action. A view without them creates its own on first
    // use, whose commands it runs itself (contextCommand).
    void setCommandActions(CommandActions *shared) { actions = shared; }
    QAction *commandAction(int id);
    const Viewport &viewport() const { return port; }
    // The widget the view paints on (the scroll area's own viewport widget).
    QWidget *canvas() const { return QAbstractScrollArea::viewport(); }

    // CommandTarget: zoom, fit, the display toggles and result switches
    // (and, with the editing modes, the mode commands).
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

    // The view commands, also reachable from keys and the context menu.
    // Zooming is refused silently beyond its limits and before the first fit.
    void zoomInCommand();
    void zoomOutCommand();
    void fitAllCommand();
    // Flips the result display of Command::ShowMoments, ShowShear,
    // ShowAxial, ShowReactions or ShowDisplacements; a display switched on
    // calculates when the results are not valid and stays off when the
    // calculation fails.
    void resultCommand(int id);

    bool showLoads() const { return loadsShown; }
    bool showValues() const { return valuesShown; }
    ViewMode mode() const { return currentMode; }

    // Editing state: a rod waiting for its second node, a node being
    // dragged (anchorNode names the node in both cases).
    bool isRodStarted() const { return rodStarted; }
    bool isDraggingNode() const { return draggingNode; }
    int anchor() const { return anchorNode; }
    // The mode commands (Command::ModeFreeNode ... Command::ModeDelete):
    // every mode but editing first clears the selection.
    void modeCommand(int id);
    // Ends a pending rod or drag: the elements it was anchored on may
    // have gone or moved to other positions.
    void cancelPendingActions();

    // The logical point (y upward) of a point of the canvas (y downward).
    LogicalPoint logicalPoint(const QPoint &canvasPoint) const;
    // The world point of a logical point, each coordinate snapped to the
    // mouse step.
    Pair snappedWorld(LogicalPoint p) const;
    // What lies under a logical point, with the geometry of the drawing.
    HitResult hitAt(LogicalPoint p) const;
    // The context menu for what lies under a logical point; sets the
    // document's currentNode or currentRod and the enabled state of the
    // element commands. Each action carries its command id as data; choosing
    // one triggers it. The caller owns the menu, not its actions.
    QMenu *createContextMenu(LogicalPoint p);
    // Runs a command chosen in the context menu: the view's own, else the
    // document's.
    void contextCommand(int id);

    // The paint sequence on any painter whose device is the size of the
    // canvas: fit when the document asks for it, origin marker, grid, loads,
    // structure, result displays, then the scroll bars.
    void paintView(QPainter &painter);

signals:
    // Text for pane 0 of the status bar.
    void statusMessage(const QString &text);
    // Snapped world coordinates of the mouse for panes 1 and 2.
    void coordinatesChanged(const QString &x, const QString &y);
    // The enabled or checked state of a command may have changed.
    void commandStatesChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The scroll bars only report actions; their values are set by paint.
    void scrollContentsBy(int dx, int dy) override;

    // Back to editing with nothing pending: a new or loaded structure.
    void resetInteraction();

private:
    // Calls an element command of the editor, when there is one.
    template <typename Request, typename... Args> void askEditor(Request request, Args... args)
    {
        if (editor != nullptr)
            (editor->*request)(args...);
    }
    void warn(int message);
    void horizontalScrollAction(int action);
    void verticalScrollAction(int action);
    void updateScrollBars();
    // The larger scaled side of the structure, the measure of the zoom limits.
    int scaledStructureSize() const;
    // Fits the structure with a 20 % margin; without a usable extent the
    // previous mapping stays.
    void fitAll();
    // Repaint request; the view always repaints its whole area.
    void invalidate();
    // Everything but the labels' final placement: loads, structure and the
    // result displays that are on (their value labels go to the painter's
    // LabelBoard).
    void drawPicture(QPainter &painter);
    // The box (canvas pixels) the placed value labels take at the present
    // mapping; empty without labels.
    QRectF labelExtents();

    // Mouse and keyboard editing.
    void setModeCursor(int code);
    void leftButtonUp(LogicalPoint p, bool ctrl);
    void modeAction(const HitResult &hit, Pair world, bool ctrl);
    void selectionClick(const HitResult &hit, bool ctrl);
    void escape();
    void updateToolTip(const HitResult &hit);
    // The rubber line of a started rod and the rubber lines of a dragged
    // node, drawn over the picture at each paint.
    void drawRubberLines(QPainter &painter);
    bool isUsable() const;

    RuvoDoc *doc;
    ElementEditor *editor = nullptr;
    CommandActions *actions = nullptr;
    Viewport port;
    MomentScale momentScale;

    // Interaction state of the editing modes.
    ViewMode currentMode = ModeEdit;
    bool draggingNode = false;
    bool rodStarted = false;
    int anchorNode = 0;
    bool ctrlDown = false;
    // The left button went down in the view and is still down.
    bool captured = false;
    LogicalPoint currentPoint;
    LogicalPoint previousPoint;
    LogicalPoint pressPoint;
    LogicalPoint dragPoint;
    ModeCursors cursors;

    bool loadsShown = true;
    bool valuesShown = true;
};
