#include "app/MainFrame.h"

#include "app/ElementCommands.h"
#include "app/ExceptionGuard.h"
#include "app/KeyLocks.h"
#include "app/PrintCommands.h"
#include "app/ReportCommands.h"
#include "app/RuvoApp.h"
#include "app/SettingsStore.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "numeric/Messages.h"
#include "view/CommandActions.h"
#include "view/RuvoView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr int ReadyMessage = 57345;     // "Готов"
constexpr int CoordinatePaneWidth = 60; // pixels
constexpr int IndicatorPaneWidth = 40;  // pixels
// The lock keys can change while another window has the focus, and no
// signal tells: their indicators are read this often.
constexpr int LockPollInterval = 500; // ms

constexpr int Separator = 0;

const std::vector<int> MainToolBarIds = {Command::FileNew,
                                         Command::FileOpen,
                                         Command::FileSave,
                                         Separator,
                                         Command::FilePrint,
                                         Command::FilePrintPreview,
                                         Separator,
                                         Command::EditUndo,
                                         Command::EditRedo,
                                         Separator,
                                         Command::ZoomIn,
                                         Command::ZoomOut,
                                         Command::FitAll,
                                         Separator,
                                         Command::ShowGrid,
                                         Command::ShowNumbers,
                                         Command::ShowLoads,
                                         Command::ShowValues,
                                         Separator,
                                         Command::ShowMoments,
                                         Command::ShowShear,
                                         Command::ShowAxial,
                                         Command::ShowDisplacements,
                                         Separator,
                                         Command::ShowReactions,
                                         Separator,
                                         Command::Results,
                                         Separator,
                                         Command::Options,
                                         Separator,
                                         Command::About,
                                         Command::HelpContents,
                                         Separator,
                                         Command::WebSite};

const std::vector<int> ModeToolBarIds = {Command::ModeEdit,
                                         Command::ModeDelete,
                                         Separator,
                                         Command::ModeSupportNode,
                                         Command::ModeFreeNode,
                                         Command::ModeRod,
                                         Separator,
                                         Command::ModeForce,
                                         Command::ModeDistributedLoad,
                                         Command::ModeMoment,
                                         Separator,
                                         Command::ModeTemperature,
                                         Command::ModeDisplacement};

QLabel *MakePane(const QString &text, int width, QWidget *parent)
{
    auto *pane = new QLabel(text, parent);
    pane->setFixedWidth(width);
    pane->setAlignment(Qt::AlignCenter);
    return pane;
}

} // namespace

MainFrame::MainFrame(QWidget *parent)
    : QMainWindow(parent), doc(new RuvoDoc(this)), app(new RuvoApp(this)),
      structureView(new RuvoView(doc, this)), printing(new PrintCommands(doc, structureView, this)),
      elementCommands(std::make_unique<ElementCommands>(doc)), reportCommands(std::make_unique<ReportCommands>(doc))
{
    setObjectName(QStringLiteral("MainFrame"));
    setCentralWidget(structureView);
    setAcceptDrops(true);
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);

    addCommandTarget(printing);
    addCommandTarget(elementCommands.get());
    addCommandTarget(reportCommands.get());
    structureView->setElementEditor(elementCommands.get());
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();

    connect(doc, &RuvoDoc::titleChanged, this, &MainFrame::updateTitle);
    connect(doc, &RuvoDoc::modifiedChanged, this, &MainFrame::updateActions);
    connect(doc, &RuvoDoc::viewsUpdated, this, &MainFrame::updateActions);
    connect(doc, &RuvoDoc::statusMessage, this, &MainFrame::setStatusText);
    connect(structureView, &RuvoView::statusMessage, this, &MainFrame::setStatusText);
    connect(structureView, &RuvoView::coordinatesChanged, this, &MainFrame::setCoordinates);
    connect(app, &RuvoApp::statusMessage, this, &MainFrame::setStatusText);
    connect(app, &RuvoApp::repaintRequested, this, [this] {
        // The scroll area's own viewport widget is the painted canvas.
        static_cast<QAbstractScrollArea *>(structureView)->viewport()->update();
    });

    // The states of the commands follow the signals of the document, the
    // view and the application object.
    connect(doc, &RuvoDoc::positionsChanged, this, &MainFrame::updateActions);
    connect(structureView, &RuvoView::commandStatesChanged, this, &MainFrame::updateActions);
    connect(app, &RuvoApp::repaintRequested, this, &MainFrame::updateActions);
    connect(mainBar, &QToolBar::visibilityChanged, this, &MainFrame::updateActions);
    updateActions();

    auto *locks = new QTimer(this);
    connect(locks, &QTimer::timeout, this, &MainFrame::updateLockPanes);
    locks->start(LockPollInterval);

    restorePlacement();
    {
        QSettings store(SettingsStore::organizationName(), SettingsStore::applicationName());
        recent.load(store);
    }
    updateRecentFileActions();
    updateTitle();
    updateActions();
}

MainFrame::~MainFrame()
{
    // The view, a child widget, outlives the element commands by a moment.
    structureView->setElementEditor(nullptr);
}

QAction *MainFrame::action(int id) const
{
    return commandActions->action(id);
}

void MainFrame::createActions()
{
    commandActions = new CommandActions(this);
    // The view's context menu shows these same actions.
    structureView->setCommandActions(commandActions);
    for (QAction *action : commandActions->all()) {
        const int id = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, id] {
            routeCommand(id);
            updateActions();
        });
        // Every action belongs to the window, so the accelerators of commands
        // outside the menus (Alt+D, the clipboard keys) work too.
        addAction(action);
    }
}

QMenu *MainFrame::addCommandMenu(QMenu *menu, const std::vector<int> &ids)
{
    for (int id : ids) {
        if (id == Separator)
            menu->addSeparator();
        else
            menu->addAction(action(id));
    }
    connect(menu, &QMenu::aboutToShow, this, &MainFrame::updateActions);
    return menu;
}

void MainFrame::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&Файл"));
    addCommandMenu(file, {Command::FileNew, Command::FileOpen, Command::FileSave, Command::FileSaveAs,
                          Command::FileExport, Separator, Command::FilePrint, Command::FilePrintPreview,
                          Command::FilePrintSetup, Separator});
    for (int i = 0; i < RecentFiles::MaximumCount; ++i) {
        QAction *recentAction = action(Command::FileMru1 + i);
        file->addAction(recentAction);
        // The list's entries open their own file; they are not routed.
        disconnect(recentAction, &QAction::triggered, this, nullptr);
        connect(recentAction, &QAction::triggered, this, [this, i] {
            RunGuarded([this, i] { openRecentFile(i); });
            updateActions();
        });
    }
    noRecentFiles = file->addAction(tr("Последние файлы"));
    noRecentFiles->setEnabled(false);
    file->addSeparator();
    file->addAction(action(Command::AppExit));

    QMenu *edit = menuBar()->addMenu(tr("&Правка"));
    addCommandMenu(
        edit, {Command::EditUndo, Command::EditRedo, Separator, Command::SelectAll, Command::DeselectAll});
    addCommandMenu(edit->addMenu(tr("Выделить")),
                   {Command::SelectAllNodes, Command::SelectAllRods, Command::SelectHorizontalRods,
                    Command::SelectVerticalRods});

    addCommandMenu(menuBar()->addMenu(tr("&Вид")),
                   {Command::ShowGrid, Command::ShowNumbers, Command::ShowLoads, Command::ShowValues,
                    Separator, Command::ShowMoments, Command::ShowShear, Command::ShowAxial, Separator,
                    Command::ShowDisplacements, Command::ShowReactions, Separator, Command::ZoomIn,
                    Command::ZoomOut, Command::FitAll, Separator, Command::ViewToolbar,
                    Command::ViewStatusBar});
    addCommandMenu(menuBar()->addMenu(tr("&Режим")),
                   {Command::ModeSupportNode, Command::ModeFreeNode, Command::ModeRod, Command::ModeForce,
                    Command::ModeDistributedLoad, Command::ModeMoment, Separator, Command::ModeEdit});
    addCommandMenu(menuBar()->addMenu(tr("&Настройки")),
                   {Command::Results, Command::ShowLog, Separator, Command::Calculator, Separator,
                    Command::Statistics, Command::Options});
    addCommandMenu(menuBar()->addMenu(tr("&Справка")),
                   {Command::HelpContents, Command::Tutorial, Separator, Command::TechnicalSupport,
                    Command::WebSite, Separator, Command::About});
}

QToolBar *MainFrame::createToolBar(const QString &title, const QString &name, const std::vector<int> &ids)
{
    auto *bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setIconSize(QSize(18, 18));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setMovable(true);
    bar->setFloatable(true);
    for (int id : ids) {
        if (id == Separator)
            bar->addSeparator();
        else
            bar->addAction(action(id));
    }
    return bar;
}

void MainFrame::createToolBars()
{
    mainBar = createToolBar(tr("Инструменты"), QStringLiteral("MainToolBar"), MainToolBarIds);
    modeBar = createToolBar(tr("Режимы"), QStringLiteral("ModeToolBar"), ModeToolBarIds);
    addToolBar(Qt::TopToolBarArea, mainBar);
    addToolBar(Qt::LeftToolBarArea, modeBar);
}

void MainFrame::createStatusBar()
{
    QStatusBar *bar = statusBar();
    // Pane 0 is a widget, not a status-bar message: menu prompts cover it
    // while a menu is open, and its text comes back afterwards.
    messagePane = new QLabel(QString::fromUtf8(LoadString(ReadyMessage)), bar);
    messagePane->setMinimumWidth(1);
    bar->addWidget(messagePane, 1);
    xPane = MakePane(QStringLiteral("0.0"), CoordinatePaneWidth, bar);
    yPane = MakePane(QStringLiteral("0.0"), CoordinatePaneWidth, bar);
    bar->addPermanentWidget(xPane);
    bar->addPermanentWidget(yPane);
    const char *const indicators[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        lockPanes[i] = MakePane(QString::fromLatin1(indicators[i]), IndicatorPaneWidth, bar);
        lockPanes[i]->setEnabled(false);
        bar->addPermanentWidget(lockPanes[i]);
    }
}

void MainFrame::addCommandTarget(CommandTarget *target)
{
    extraTargets.push_back(target);
}

bool MainFrame::routeCommand(int id)
{
    bool handled = false;
    RunGuarded([&] {
        std::vector<CommandTarget *> targets = {structureView, doc, app};
        targets.insert(targets.end(), extraTargets.begin(), extraTargets.end());
        targets.push_back(this);
        for (CommandTarget *target : targets) {
            if (target->onCommand(id)) {
                handled = true;
                return;
            }
        }
    });
    return handled;
}

void MainFrame::updateActions()
{
    std::vector<CommandTarget *> targets = {structureView, doc, app};
    targets.insert(targets.end(), extraTargets.begin(), extraTargets.end());
    targets.push_back(this);
    RunGuarded([&] {
        const QHash<int, QAction *> &actions = commandActions->all();
        for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
            const int id = it.key();
            if (id >= Command::FileMru1 && id < Command::FileMru1 + RecentFiles::MaximumCount)
                continue; // shown or hidden with the list itself
            CommandState state;
            bool owned = false;
            for (CommandTarget *target : targets) {
                state = CommandState();
                if (target->updateCommand(id, state)) {
                    owned = true;
                    break;
                }
            }
            // A command nobody handles stays grey.
            it.value()->setEnabled(owned && state.enabled);
            if (it.value()->isCheckable())
                it.value()->setChecked(owned && state.checked);
        }
    });

    updateLockPanes();
}

void MainFrame::updateLockPanes()
{
    if (const std::optional<KeyLockState> locks = QueryKeyLocks()) {
        lockPanes[0]->setEnabled(locks->caps);
        lockPanes[1]->setEnabled(locks->num);
        lockPanes[2]->setEnabled(locks->scroll);
    }
}

bool MainFrame::onCommand(int id)
{
    switch (id) {
    case Command::FileNew:
        newFile();
        return true;
    case Command::FileOpen:
        openFileWithDialog();
        return true;
    case Command::FileSave:
        save();
        return true;
    case Command::FileSaveAs:
        saveAsWithDialog();
        return true;
    case Command::AppExit:
        close();
        return true;
    case Command::ViewToolbar:
        mainBar->setVisible(mainBar->isHidden());
        return true;
    case Command::ViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        return true;
    default:
        return false;
    }
}

bool MainFrame::updateCommand(int id, CommandState &state)
{
    switch (id) {
    case Command::FileNew:
    case Command::FileOpen:
    case Command::FileSave:
    case Command::FileSaveAs:
    case Command::AppExit:
        state.enabled = true;
        return true;
    case Command::ViewToolbar:
        state.checked = !mainBar->isHidden();
        return true;
    case Command::ViewStatusBar:
        state.checked = !statusBar()->isHidden();
        return true;
    default:
        return false;
    }
}

QString MainFrame::statusText() const
{
    return messagePane->text();
}

QString MainFrame::coordinateText(int axis) const
{
    return axis == 0 ? xPane->text() : yPane->text();
}

void MainFrame::setStatusText(const QString &text)
{
    messagePane->setText(text);
}

void MainFrame::setCoordinates(const QString &x, const QString &y)
{
    xPane->setText(x.trimmed());
    yPane->setText(y.trimmed());
}

void MainFrame::updateTitle()
{
    setWindowTitle(doc->title() + tr(" - Руво"));
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    savePlacement();
    event->accept();
}

void MainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void MainFrame::dropEvent(QDropEvent *event)
{
    for (const QUrl &url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        event->acceptProposedAction();
        // Opened after the drop has finished, so the prompt does not hold
        // the dragging program.
        const QString path = url.toLocalFile();
        QTimer::singleShot(0, this, [this, path] {
            RunGuarded([this, &path] { openFile(path); });
            updateActions();
        });
        return;
    }
}
