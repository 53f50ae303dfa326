// Every command of the menus as the user meets it: the item's text with its
// key as the menu shows it, its status prompt, its checked state, and what
// triggering it does on a small structure.

#include "app/MainFrame.h"
#include "app/RuvoApp.h"
#include "app/SettingsStore.h"
#include "dialogs/GuiTestSupport.h"
#include "dialogs/HelpWindow.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "support/DocumentAccess.h"
#include "view/RuvoView.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The menu items with their text as the menu shows it: the command's text,
// a tab and its first key.
struct MenuItem {
    int id;
    const char *shown;
};

const MenuItem MenuItems[] = {
    {Command::FileNew, "Новый\tCtrl+N"},
    {Command::FileOpen, "Открыть...\tCtrl+O"},
    {Command::FileSave, "Сохранить\tCtrl+S"},
    {Command::FileSaveAs, "Сохранить как..."},
    {Command::FilePrint, "Печать...\tCtrl+P"},
    {Command::FilePrintPreview, "Предварительный просмотр"},
    {Command::FilePrintSetup, "Настройки принтера..."},
    {Command::AppExit, "Выход"},
    {Command::EditUndo, "Отменить\tCtrl+Z"},
    {Command::EditRedo, "Повторить\tCtrl+Y"},
    {Command::SelectAll, "Выделить все\tCtrl+A"},
    {Command::DeselectAll, "Отменить выделение\tCtrl+D"},
    {Command::SelectAllNodes, "Все узлы"},
    {Command::SelectAllRods, "Все стержни"},
    {Command::SelectHorizontalRods, "Горизонтальные стержни"},
    {Command::SelectVerticalRods, "Вертикальные стержни"},
    {Command::ShowGrid, "Сетка\tCtrl+G"},
    {Command::ShowNumbers, "Номера элементов\tCtrl+M"},
    {Command::ShowLoads, "Нагрузки"},
    {Command::ShowValues, "Значения нагрузок и усилий"},
    {Command::ShowMoments, "Эпюра моментов"},
    {Command::ShowShear, "Эпюра поперечных сил"},
    {Command::ShowAxial, "Эпюра продольных сил"},
    {Command::ShowDisplacements, "Схема перемещений"},
    {Command::ShowReactions, "Реакции опор"},
    {Command::ZoomIn, "Увеличить\t+"},
    {Command::ZoomOut, "Уменьшить\t-"},
    {Command::FitAll, "Показать всю конструкцию\tCtrl+R"},
    {Command::ViewToolbar, "Инструменты"},
    {Command::ViewStatusBar, "Статус"},
    {Command::ModeSupportNode, "Опорный узел\tF2"},
    {Command::ModeFreeNode, "Свободный узел\tF3"},
    {Command::ModeRod, "Стержень\tF4"},
    {Command::ModeForce, "Сила\tF5"},
    {Command::ModeDistributedLoad, "Распределенная нагрузка\tF6"},
    {Command::ModeMoment, "Момент\tF7"},
    // F12 belongs to "Параметры...": the edit mode's key is F10.
    {Command::ModeEdit, "Режим редактирования\tF10"},
    {Command::Results, "Результаты..."},
    {Command::ShowLog, "Журнал расчета..."},
    {Command::Calculator, "Калькулятор"},
    {Command::Statistics, "Статистика...\tCtrl+K"},
    {Command::Options, "Параметры...\tF12"},
    {Command::HelpContents, "Содержание\tF1"},
    {Command::Tutorial, "Учебник"},
    {Command::TechnicalSupport, "Техническая поддержка..."},
    {Command::WebSite, "Сайт Руво в Интернете..."},
    {Command::About, "О Руво..."},
};

QString ShownText(const QAction *action)
{
    const QString text = action->text();
    if (text.contains(QLatin1Char('\t')) || action->shortcut().isEmpty())
        return text;
    return text + QLatin1Char('\t') + action->shortcut().toString(QKeySequence::PortableText);
}

// Every command action reachable from the menu bar, submenus included.
QList<QAction *> MenuActions(QMenu *menu)
{
    QList<QAction *> found;
    for (QAction *action : menu->actions()) {
        if (action->menu() != nullptr)
            found += MenuActions(action->menu());
        else if (!action->isSeparator() && action->data().isValid())
            found << action;
    }
    return found;
}

QSettings Store()
{
    return QSettings(SettingsStore::organizationName(), SettingsStore::applicationName());
}

// Waits (processing events) until the condition holds or a few seconds pass.
bool WaitFor(const std::function<bool()> &condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 5000)
        QTest::qWait(20);
    return condition();
}

class MenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Store().clear();
        saved = Settings::current();
        Settings::current() = Settings();
        frame = std::make_unique<MainFrame>();
        frame->resize(800, 600);
        doc = frame->document();
        // A copy of the portal frame that the save command may overwrite.
        path = folder.filePath(QStringLiteral("portal-frame.str"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(RUVO_SOURCE_EXAMPLES "/portal-frame.str"), path));
        ASSERT_TRUE(frame->openFile(path));
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->view()->grab(); // the first paint fits the structure
        frame->updateActions();
    }
    void TearDown() override
    {
        doc->setModified(false);
        frame.reset();
        delete HelpWindow::Instance();
        Settings::current() = saved;
        Store().clear();
    }
    void trigger(int id)
    {
        QAction *action = frame->action(id);
        ASSERT_NE(action, nullptr) << id;
        frame->updateActions();
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
    }
    bool checked(int id) const { return frame->action(id)->isChecked(); }
    int selectedNodes() const
    {
        int n = 0;
        for (int i = 0; i < doc->structure().nodes.count; ++i)
            n += doc->structure().nodes[i].isSelected();
        return n;
    }
    int selectedRods() const
    {
        int n = 0;
        for (int i = 0; i < doc->structure().rods.count; ++i)
            n += doc->structure().rods[i].isSelected();
        return n;
    }

    RecordingReporter reporter;
    QTemporaryDir folder;
    QString path;
    Settings saved;
    std::unique_ptr<MainFrame> frame;
    RuvoDoc *doc = nullptr;
};

} // namespace

TEST_F(MenuCommandsTest, EveryMenuItemShowsItsTextKeyAndPrompt)
{
    QList<QAction *> inMenus;
    for (QAction *top : frame->menuBar()->actions())
        inMenus += MenuActions(top->menu());
    for (const MenuItem &item : MenuItems) {
        SCOPED_TRACE(item.id);
        QAction *action = frame->action(item.id);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(inMenus.contains(action)) << "the item is in a menu";
        EXPECT_EQ(ShownText(action), QString::fromUtf8(item.shown));
        // The status prompt and the tool tip are the two halves of the
        // command's prompt; neither is empty or holds the line feed.
        EXPECT_FALSE(action->statusTip().isEmpty());
        EXPECT_FALSE(action->statusTip().contains(QLatin1Char('\n')));
        EXPECT_FALSE(action->toolTip().isEmpty());
    }
    EXPECT_EQ(frame->action(Command::ShowGrid)->statusTip(), QStringLiteral("Включить/Выключить сетку"));
    // The debug-mode switch has only its key.
    EXPECT_FALSE(inMenus.contains(frame->action(Command::DebugMode)));
    EXPECT_EQ(frame->action(Command::DebugMode)->shortcut().toString(QKeySequence::PortableText),
              QStringLiteral("Alt+D"));
}

TEST_F(MenuCommandsTest, ThePromptOfAHighlightedItemReachesTheStatusBar)
{
    QAction *grid = frame->action(Command::ShowGrid);
    QMenu *view = nullptr;
    for (QAction *top : frame->menuBar()->actions())
        if (top->menu() != nullptr && top->menu()->actions().contains(grid))
            view = top->menu();
    ASSERT_NE(view, nullptr);
    view->popup(frame->mapToGlobal(QPoint(10, 10)));
    view->setActiveAction(grid);
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Включить/Выключить сетку"));
    view->hide();
}

TEST_F(MenuCommandsTest, CommandsWithADialogOpenTheirOwn)
{
    Settings::current().logEnabled = 1; // the log window needs a log
    doc->needsCalculation = true;
    ASSERT_TRUE(doc->calculate());
    const struct {
        int id;
        const char *dialog; // window title, or class of the platform's dialog
    } cases[] = {
        {Command::FileOpen, "QFileDialog"},
        {Command::FileSaveAs, "QFileDialog"},
        {Command::FileExport, "QFileDialog"},
        {Command::FilePrint, "QPrintDialog"},
        {Command::FilePrintPreview, "QPrintPreviewDialog"},
        {Command::FilePrintSetup, "QPageSetupDialog"},
        {Command::Results, "Результаты расчета"},
        {Command::ShowLog, "Журнал расчета"},
        {Command::Statistics, "Статистика"},
        {Command::Options, "Параметры"},
        {Command::TechnicalSupport, "Техническая поддержка"},
        {Command::About, "О Руво"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        QString title;
        QString className;
        ModalAnswer answer([&](QWidget *modal) {
            title = modal->windowTitle();
            className = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        });
        trigger(c.id);
        EXPECT_TRUE(answer.seen()) << "no dialog opened";
        const QString expected = QString::fromUtf8(c.dialog);
        EXPECT_TRUE(title == expected || className == expected)
            << title.toStdString() << " / " << className.toStdString();
        EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front().headline;
    }
    EXPECT_FALSE(doc->isModified()) << "closing the dialogs changed nothing";
}

TEST_F(MenuCommandsTest, ViewSwitchesFlipAndShowTheirState)
{
    // Grid and numbers are settings, stored at once.
    for (int id : {Command::ShowGrid, Command::ShowNumbers}) {
        SCOPED_TRACE(id);
        int &flag = id == Command::ShowGrid ? Settings::current().showGrid : Settings::current().showNumbers;
        const char *name = id == Command::ShowGrid ? "Settings/ShowGrid" : "Settings/ShowNumbers";
        ASSERT_EQ(flag, 1);
        EXPECT_TRUE(checked(id));
        trigger(id);
        EXPECT_EQ(flag, 0);
        EXPECT_FALSE(checked(id));
        EXPECT_EQ(Store().value(QLatin1String(name)).toInt(), 0);
        trigger(id);
        EXPECT_EQ(flag, 1);
        EXPECT_TRUE(checked(id));
    }
    // Loads and values belong to the view.
    RuvoView *view = frame->view();
    EXPECT_TRUE(checked(Command::ShowLoads));
    trigger(Command::ShowLoads);
    EXPECT_FALSE(view->showLoads());
    EXPECT_FALSE(checked(Command::ShowLoads));
    EXPECT_TRUE(checked(Command::ShowValues));
    trigger(Command::ShowValues);
    EXPECT_FALSE(view->showValues());
    EXPECT_FALSE(checked(Command::ShowValues));

    // Tool bar and status bar.
    for (int id : {Command::ViewToolbar, Command::ViewStatusBar}) {
        SCOPED_TRACE(id);
        QWidget *bar = id == Command::ViewToolbar ? static_cast<QWidget *>(frame->mainToolBar())
                                                  : static_cast<QWidget *>(frame->statusBar());
        EXPECT_TRUE(checked(id));
        trigger(id);
        EXPECT_TRUE(bar->isHidden());
        EXPECT_FALSE(checked(id));
        trigger(id);
        EXPECT_FALSE(bar->isHidden());
    }
}

TEST_F(MenuCommandsTest, ResultDisplaysCalculateAndExcludeEachOther)
{
    ASSERT_TRUE(doc->needsCalculation);
    const struct {
        int id;
        RuvoDoc::ResultDisplay shown;
    } diagrams[] = {
        {Command::ShowMoments, RuvoDoc::ResultDisplay::Moments},
        {Command::ShowShear, RuvoDoc::ResultDisplay::Shear},
        {Command::ShowAxial, RuvoDoc::ResultDisplay::Axial},
        {Command::ShowDisplacements, RuvoDoc::ResultDisplay::Displacements},
    };
    trigger(Command::ShowReactions);
    EXPECT_TRUE(doc->display(RuvoDoc::ResultDisplay::Reactions));
    EXPECT_FALSE(doc->needsCalculation) << "switching a display on calculates";
    for (const auto &diagram : diagrams) {
        SCOPED_TRACE(diagram.id);
        trigger(diagram.id);
        frame->updateActions();
        for (const auto &other : diagrams) {
            EXPECT_EQ(doc->display(other.shown) != 0, other.id == diagram.id) << other.id;
            EXPECT_EQ(checked(other.id), other.id == diagram.id) << other.id;
        }
        EXPECT_TRUE(doc->display(RuvoDoc::ResultDisplay::Reactions)) << "reactions combine with any diagram";
        EXPECT_TRUE(checked(Command::ShowReactions));
    }
    trigger(Command::ShowDisplacements);
    EXPECT_FALSE(doc->display(RuvoDoc::ResultDisplay::Displacements)) << "the second click switches it off";
    trigger(Command::ShowReactions);
    EXPECT_FALSE(doc->anyResultShown());
}

TEST_F(MenuCommandsTest, ZoomAndFitChangeTheScale)
{
    RuvoView *view = frame->view();
    const double fitted = view->viewport().scale;
    ASSERT_GT(fitted, 0.0);
    trigger(Command::ZoomIn);
    EXPECT_DOUBLE_EQ(view->viewport().scale, 2 * fitted);
    trigger(Command::ZoomOut);
    trigger(Command::ZoomOut);
    EXPECT_DOUBLE_EQ(view->viewport().scale, fitted / 2);
    trigger(Command::FitAll);
    EXPECT_DOUBLE_EQ(view->viewport().scale, fitted);
}

TEST_F(MenuCommandsTest, ModeCommandsChooseTheModeAndCheckIt)
{
    const struct {
        int id;
        ViewMode mode;
    } modes[] = {
        {Command::ModeSupportNode, ModeSupportNode},
        {Command::ModeFreeNode, ModeFreeNode},
        {Command::ModeRod, ModeRod},
        {Command::ModeForce, ModeForce},
        {Command::ModeDistributedLoad, ModeDistributedLoad},
        {Command::ModeMoment, ModeMoment},
        {Command::ModeTemperature, ModeTemperature},
        {Command::ModeDisplacement, ModeDisplacement},
        {Command::ModeDelete, ModeDelete},
        {Command::ModeEdit, ModeEdit},
    };
    for (const auto &m : modes) {
        SCOPED_TRACE(m.id);
        trigger(m.id);
        EXPECT_EQ(frame->view()->mode(), m.mode);
        frame->updateActions();
        for (const auto &other : modes) {
            EXPECT_EQ(checked(other.id), other.id == m.id) << other.id;
        }
    }
}

TEST_F(MenuCommandsTest, SelectionUndoAndRedo)
{
    // The portal frame: two vertical columns and one horizontal beam.
    trigger(Command::SelectAll);
    EXPECT_EQ(selectedNodes(), 4);
    EXPECT_EQ(selectedRods(), 3);
    trigger(Command::DeselectAll);
    EXPECT_EQ(selectedNodes() + selectedRods(), 0);
    trigger(Command::SelectAllNodes);
    EXPECT_EQ(selectedNodes(), 4);
    EXPECT_EQ(selectedRods(), 0);
    trigger(Command::DeselectAll);
    trigger(Command::SelectAllRods);
    EXPECT_EQ(selectedNodes(), 0);
    EXPECT_EQ(selectedRods(), 3);
    trigger(Command::DeselectAll);
    trigger(Command::SelectHorizontalRods);
    EXPECT_EQ(selectedRods(), 1);
    trigger(Command::DeselectAll);
    trigger(Command::SelectVerticalRods);
    EXPECT_EQ(selectedRods(), 2);

    doc->saveUndoState();
    EditableStructure(*doc).addNode(9.0, 0.0, false);
    doc->structureChanged();
    ASSERT_EQ(doc->structure().nodes.count, 5);
    trigger(Command::EditUndo);
    EXPECT_EQ(doc->structure().nodes.count, 4);
    trigger(Command::EditRedo);
    EXPECT_EQ(doc->structure().nodes.count, 5);
}

TEST_F(MenuCommandsTest, StatesFollowChangesMadeOutsideTheMenus)
{
    // No command and no explicit update: the signals of the document and
    // the view bring the actions up to date at once.
    QAction *undo = frame->action(Command::EditUndo);
    ASSERT_FALSE(undo->isEnabled());
    doc->addNode(9.0, 0.0, false); // as a click of the view adds it
    EXPECT_TRUE(undo->isEnabled());
    doc->undo();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(frame->action(Command::EditRedo)->isEnabled());

    QAction *loads = frame->action(Command::ShowLoads);
    ASSERT_TRUE(loads->isChecked());
    frame->view()->onCommand(Command::ShowLoads); // not through the action
    EXPECT_FALSE(loads->isChecked());
    frame->view()->onCommand(Command::ModeRod);
    EXPECT_TRUE(frame->action(Command::ModeRod)->isChecked());
}

TEST_F(MenuCommandsTest, HelpTutorialAndTheWebPage)
{
    trigger(Command::HelpContents);
    ASSERT_NE(HelpWindow::Instance(), nullptr);
    EXPECT_TRUE(HelpWindow::Instance()->isVisible());
    EXPECT_EQ(HelpWindow::Instance()->currentPage(), HelpWindow::PageForContext(0));
    trigger(Command::Tutorial);
    EXPECT_EQ(HelpWindow::Instance()->currentPage(), HelpWindow::PageForContext(Command::Tutorial));
    EXPECT_EQ(HelpWindow::PageForContext(Command::Tutorial).fileName(), QStringLiteral("tutorial.html"));
    EXPECT_NE(HelpWindow::PageForContext(Command::Tutorial), HelpWindow::PageForContext(0));

    // The web page goes to the desktop's browser; here a stand-in takes it.
    QTextBrowser browser;
    const QUrl address(QString::fromLatin1(RuvoApp::webSiteAddress()));
    ASSERT_TRUE(address.isValid());
    QDesktopServices::setUrlHandler(address.scheme(), &browser, "setSource");
    trigger(Command::WebSite);
    QDesktopServices::unsetUrlHandler(address.scheme());
    EXPECT_EQ(browser.source(), address);
    EXPECT_TRUE(reporter.messages.empty()) << "a browser is not worth a message";
}

TEST_F(MenuCommandsTest, DebugModeIsNotStoredAndStartsOff)
{
    trigger(Command::DebugMode);
    EXPECT_TRUE(Settings::current().debugMode);
    EXPECT_EQ(frame->statusText(), QStringLiteral("Debug Mode is ON"));
    // Nothing of it reaches the settings store; the next start reads it off.
    SettingsStore::SaveAllSettings();
    Settings next;
    QSettings store = Store();
    SettingsStore::LoadSettings(store, next);
    EXPECT_FALSE(next.debugMode);
    for (const QString &key : Store().allKeys()) {
        EXPECT_FALSE(key.contains(QStringLiteral("ebug"))) << key.toStdString();
    }
    trigger(Command::DebugMode);
    EXPECT_FALSE(Settings::current().debugMode);
    EXPECT_EQ(frame->statusText(), QStringLiteral("Debug Mode is OFF"));
}

TEST_F(MenuCommandsTest, TheCalculatorStartsWithoutWaiting)
{
    // A stand-in calculator on the search path leaves a mark when started.
    const QString bin = folder.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString mark = folder.filePath(QStringLiteral("calculator-started"));
    const QString program = bin + QStringLiteral("/xcalc");
    {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho started > '" + QFile::encodeName(mark) + "'\n");
    }
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray searchPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin));
    trigger(Command::Calculator);
    qputenv("PATH", searchPath);
    EXPECT_TRUE(WaitFor([&] { return QFile::exists(mark); })) << "the calculator was not started";

    // Without any calculator nothing happens, and no message.
    qputenv("PATH", QFile::encodeName(folder.filePath(QStringLiteral("empty"))));
    trigger(Command::Calculator);
    qputenv("PATH", searchPath);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(MenuCommandsTest, SaveNewAndExit)
{
    doc->saveUndoState();
    EditableStructure(*doc).addNode(9.0, 0.0, true);
    doc->structureChanged();
    ASSERT_TRUE(doc->isModified());
    trigger(Command::FileSave);
    EXPECT_FALSE(doc->isModified());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().count("Node0 "), 5) << "the new node is in the file";
    }

    trigger(Command::FileNew);
    EXPECT_EQ(doc->structure().nodes.count, 0);
    EXPECT_TRUE(doc->filePath().isEmpty());
    EXPECT_EQ(doc->title(), QStringLiteral("Новая Конструкция"));

    trigger(Command::AppExit);
    EXPECT_FALSE(frame->isVisible()) << "the window closed";
}
