#pragma once

#include "app/RecentFiles.h"
#include "document/CommandTarget.h"

#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class CommandActions;
class ElementCommands;
class PrintCommands;
class ReportCommands;
class RuvoApp;
class RuvoDoc;
class RuvoView;

// The program's one top-level window: the view in the middle, the menus,
// the main and mode tool bars, the status bar with the message pane, the
// coordinate panes and the lock indicators. It owns the document, the view
// and the application object's commands and routes every command to the
// view, the document, the application object and itself, in that order.
class MainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    // Reads the window placement of the last run; the caller shows the
    // window with showAtStart().
    explicit MainFrame(QWidget *parent = nullptr);
    ~MainFrame() override;

    RuvoDoc *document() const { return doc; }
    RuvoView *view() const { return structureView; }
    RuvoApp *application() const { return app; }
    // Printing, preview, printer setup and export.
    PrintCommands *printCommands() const { return printing; }
    // The element commands that ask for values, and the reports.
    ElementCommands *elementEditor() const { return elementCommands.get(); }
    ReportCommands *reports() const { return reportCommands.get(); }
    // The action of a command id, or nullptr.
    QAction *action(int id) const;
    QToolBar *mainToolBar() const { return mainBar; }
    QToolBar *modeToolBar() const { return modeBar; }

    // Hands a command to the first target that handles it; exceptions reach
    // the error box. False when nobody handles it.
    bool routeCommand(int id);
    // Asks the targets for the enabled and checked state of every action;
    // runs after every command and on the signals of the document, the
    // view and the application object.
    void updateActions();
    // A target consulted after the application object and before the frame.
    void addCommandTarget(CommandTarget *target);

    // File commands. Each one that replaces the structure first asks to save
    // a modified one; false when the user cancelled or the step failed.
    bool newFile();
    bool openFile(const QString &path);
    bool openFileWithDialog();
    bool save();
    bool saveAs(const QString &path);
    bool saveAsWithDialog();
    // "Save changes to %1?": Yes saves, No discards, Cancel keeps everything.
    bool maybeSave();
    const RecentFiles &recentFiles() const { return recent; }

    // Shows the window maximized or normal, as it was closed last time.
    void showAtStart();
    // Writes the restored rectangle and the maximized state.
    void savePlacement();

    QString statusText() const;
    QString coordinateText(int axis) const;

    // CommandTarget: the file commands, exit, tool bar and status bar.
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

public slots:
    void setStatusText(const QString &text);
    void setCoordinates(const QString &x, const QString &y);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    QToolBar *createToolBar(const QString &title, const QString &name, const std::vector<int> &ids);
    QMenu *addCommandMenu(QMenu *menu, const std::vector<int> &ids);
    void restorePlacement();
    // The caps, num and scroll lock indicators of the status bar.
    void updateLockPanes();
    void updateTitle();
    void updateRecentFileActions();
    void storeRecentFiles();
    void openRecentFile(int index);
    // Opens without asking; keeps the recent files up to date.
    bool loadFile(const QString &path);

    RuvoDoc *doc;
    RuvoApp *app;
    RuvoView *structureView;
    PrintCommands *printing;
    std::unique_ptr<ElementCommands> elementCommands;
    std::unique_ptr<ReportCommands> reportCommands;
    std::vector<CommandTarget *> extraTargets;
    CommandActions *commandActions = nullptr;
    QToolBar *mainBar = nullptr;
    QToolBar *modeBar = nullptr;
    QAction *noRecentFiles = nullptr;
    QLabel *messagePane = nullptr;
    QLabel *xPane = nullptr;
    QLabel *yPane = nullptr;
    QLabel *lockPanes[3] = {nullptr, nullptr, nullptr};
    RecentFiles recent;
    bool maximizedAtStart = false;
};
