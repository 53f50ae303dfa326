// The main window: actions, menus, accelerators, tool bars, status bar,
// command routing and enabling, the file commands with their prompt,
// dropped files and the window placement.

#include "app/MainFrame.h"

#include "app/ExceptionGuard.h"
#include "app/MainFrameFixture.h"
#include "app/SettingsStore.h"
#include "dialogs/GuiTestSupport.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/MathException.h"
#include "model/Settings.h"
#include "support/DocumentAccess.h"
#include "view/CommandTable.h"
#include "view/RuvoView.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <new>

namespace {

constexpr int Separator = 0;

// Ids of a menu's items in order, 0 for a separator, -1 for a submenu.
std::vector<int> MenuIds(QMenu *menu)
{
    std::vector<int> ids;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            ids.push_back(Separator);
        else if (action->menu() != nullptr)
            ids.push_back(-1);
        else if (action->data().isValid())
            ids.push_back(action->data().toInt());
    }
    return ids;
}

QMenu *MenuNamed(MainFrame &frame, const QString &title)
{
    for (QAction *action : frame.menuBar()->actions())
        if (action->text().remove(QLatin1Char('&')) == title)
            return action->menu();
    return nullptr;
}

// Answers the "Save changes" prompt with a button and keeps its text.
class PromptAnswer {
public:
    explicit PromptAnswer(QMessageBox::StandardButton button)
        : answer([this, button](QWidget *modal) {
              auto *box = qobject_cast<QMessageBox *>(modal);
              ASSERT_NE(box, nullptr);
              text = box->text();
              box->button(button)->click();
          })
    {
    }
    bool seen() const { return answer.seen(); }

    QString text;

private:
    ModalAnswer answer;
};

// A command target whose command fails inside, as a broken edit would.
class ThrowingTarget : public CommandTarget {
public:
    bool onCommand(int id) override
    {
        if (id != Command::EditCopy)
            return false;
        MathException::Raise("Subscription %d in %s[%d] is out of defined range!", 7, "NodeList", 2);
    }
    bool updateCommand(int id, CommandState &state) override
    {
        state.enabled = true;
        return id == Command::EditCopy;
    }
};

class MainFrameTest : public MainFrameFixture {
protected:
    bool enabled(int id) const { return frame->action(id)->isEnabled(); }
    // An edit through the document, as the view makes it.
    void addNode(double x, double y)
    {
        RuvoDoc *doc = frame->document();
        doc->saveUndoState();
        EditableStructure(*doc).addNode(x, y, false);
        doc->structureChanged();
    }
};

TEST_F(MainFrameTest, EveryCommandHasOneActionWithItsTextAndPrompt)
{
    for (const CommandInfo &command : CommandTable()) {
        QAction *action = frame->action(command.id);
        ASSERT_NE(action, nullptr) << command.id;
        EXPECT_EQ(action->data().toInt(), command.id);
        EXPECT_FALSE(action->statusTip().isEmpty()) << command.id;
        EXPECT_FALSE(action->toolTip().isEmpty()) << command.id;
        EXPECT_FALSE(action->statusTip().contains(QLatin1Char('\n'))) << command.id;
    }
    EXPECT_EQ(frame->action(Command::ShowGrid)->statusTip(), QStringLiteral("Включить/Выключить сетку"));
    EXPECT_EQ(frame->action(Command::ShowGrid)->toolTip(), QStringLiteral("Включить/Выключить сетку"));
    EXPECT_EQ(frame->action(Command::ZoomIn)->text(), QStringLiteral("Увеличить"));
    EXPECT_EQ(frame->action(Command::ZoomIn)->shortcut(), QKeySequence(QStringLiteral("+")));
}

TEST_F(MainFrameTest, MenusHoldTheirCommandsInOrder)
{
    const std::vector<std::pair<QString, std::vector<int>>> menus = {
        {QStringLiteral("Правка"),
         {Command::EditUndo, Command::EditRedo, Separator, Command::SelectAll, Command::DeselectAll, -1}},
        {QStringLiteral("Вид"),
         {Command::ShowGrid, Command::ShowNumbers, Command::ShowLoads, Command::ShowValues, Separator,
          Command::ShowMoments, Command::ShowShear, Command::ShowAxial, Separator, Command::ShowDisplacements,
          Command::ShowReactions, Separator, Command::ZoomIn, Command::ZoomOut, Command::FitAll, Separator,
          Command::ViewToolbar, Command::ViewStatusBar}},
        {QStringLiteral("Режим"),
         {Command::ModeSupportNode, Command::ModeFreeNode, Command::ModeRod, Command::ModeForce,
          Command::ModeDistributedLoad, Command::ModeMoment, Separator, Command::ModeEdit}},
        {QStringLiteral("Настройки"),
         {Command::Results, Command::ShowLog, Separator, Command::Calculator, Separator, Command::Statistics,
          Command::Options}},
        {QStringLiteral("Справка"),
         {Command::HelpContents, Command::Tutorial, Separator, Command::TechnicalSupport, Command::WebSite,
          Separator, Command::About}},
    };
    QStringList titles;
    for (QAction *action : frame->menuBar()->actions())
        titles << action->text().remove(QLatin1Char('&'));
    EXPECT_EQ(titles,
              (QStringList{QStringLiteral("Файл"), QStringLiteral("Правка"), QStringLiteral("Вид"),
                           QStringLiteral("Режим"), QStringLiteral("Настройки"), QStringLiteral("Справка")}));
    for (const auto &[title, ids] : menus) {
        QMenu *menu = MenuNamed(*frame, title);
        ASSERT_NE(menu, nullptr) << title.toStdString();
        EXPECT_EQ(MenuIds(menu), ids) << title.toStdString();
    }
    QMenu *select = MenuNamed(*frame, QStringLiteral("Правка"))->actions().last()->menu();
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->title(), QStringLiteral("Выделить"));
    EXPECT_EQ(MenuIds(select),
              (std::vector<int>{Command::SelectAllNodes, Command::SelectAllRods,
                                Command::SelectHorizontalRods, Command::SelectVerticalRods}));
    // The File menu: the commands, the (hidden) recent files, exit.
    const std::vector<int> file = MenuIds(MenuNamed(*frame, QStringLiteral("Файл")));
    const std::vector<int> head(file.begin(), file.begin() + 10);
    EXPECT_EQ(head, (std::vector<int>{Command::FileNew, Command::FileOpen, Command::FileSave,
                                      Command::FileSaveAs, Command::FileExport, Separator, Command::FilePrint,
                                      Command::FilePrintPreview, Command::FilePrintSetup, Separator}));
    EXPECT_EQ(file.back(), Command::AppExit);
}

TEST_F(MainFrameTest, AcceleratorsReachTheirCommandsAndNoKeyIsTakenTwice)
{
    const std::map<QString, int> keys = {
        {QStringLiteral("Ctrl+A"), Command::SelectAll},
        {QStringLiteral("Ctrl+C"), Command::EditCopy},
        {QStringLiteral("Ctrl+Ins"), Command::EditCopy},
        {QStringLiteral("Ctrl+D"), Command::DeselectAll},
        {QStringLiteral("Alt+D"), Command::DebugMode},
        {QStringLiteral("Ctrl+G"), Command::ShowGrid},
        {QStringLiteral("Ctrl+K"), Command::Statistics},
        {QStringLiteral("Ctrl+M"), Command::ShowNumbers},
        {QStringLiteral("Ctrl+N"), Command::FileNew},
        {QStringLiteral("Ctrl+O"), Command::FileOpen},
        {QStringLiteral("Ctrl+P"), Command::FilePrint},
        {QStringLiteral("Ctrl+S"), Command::FileSave},
        {QStringLiteral("Ctrl+V"), Command::EditPaste},
        {QStringLiteral("Shift+Ins"), Command::EditPaste},
        {QStringLiteral("Ctrl+X"), Command::EditCut},
        {QStringLiteral("Shift+Del"), Command::EditCut},
        {QStringLiteral("Alt+Backspace"), Command::EditUndo},
        {QStringLiteral("Ctrl+Z"), Command::EditUndo},
        {QStringLiteral("Ctrl+Y"), Command::EditRedo},
        {QStringLiteral("F1"), Command::HelpContents},
        {QStringLiteral("F2"), Command::ModeSupportNode},
        {QStringLiteral("F3"), Command::ModeFreeNode},
        {QStringLiteral("F4"), Command::ModeRod},
        {QStringLiteral("F5"), Command::ModeForce},
        {QStringLiteral("F6"), Command::ModeDistributedLoad},
        {QStringLiteral("F7"), Command::ModeMoment},
        {QStringLiteral("F10"), Command::ModeEdit},
        {QStringLiteral("F12"), Command::Options},
        {QStringLiteral("Ctrl+R"), Command::FitAll},
        // Shown in the menus; the view zooms on the keypad's keys itself.
        {QStringLiteral("+"), Command::ZoomIn},
        {QStringLiteral("-"), Command::ZoomOut},
    };
    std::map<QString, int> owners;
    for (const CommandInfo &command : CommandTable()) {
        for (const QKeySequence &key : frame->action(command.id)->shortcuts()) {
            const QString text = key.toString(QKeySequence::PortableText);
            EXPECT_EQ(owners.count(text), 0u) << text.toStdString() << " is taken twice";
            owners[text] = command.id;
        }
    }
    for (const auto &[key, id] : keys)
        EXPECT_EQ(owners[QKeySequence(key).toString(QKeySequence::PortableText)], id) << key.toStdString();
    EXPECT_EQ(owners.size(), keys.size());
}

TEST_F(MainFrameTest, TheContextMenuShowsTheFramesActionsWithoutTheirKeys)
{
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->activateWindow();
    RuvoView *view = frame->view();
    std::unique_ptr<QMenu> menu(view->createContextMenu(view->logicalPoint(QPoint(1, 1))));
    int items = 0;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        ++items;
        EXPECT_EQ(action, frame->action(action->data().toInt()));
        EXPECT_FALSE(action->isShortcutVisibleInContextMenu());
        EXPECT_FALSE(action->text().contains(QLatin1Char('\t')));
    }
    EXPECT_EQ(items, 3);

    // Choosing an item runs its command once, through the frame.
    addNode(0, 0);
    addNode(4, 3);
    view->grab(); // the first paint fits
    ASSERT_TRUE(view->viewport().isMapped());
    const double scale = view->viewport().scale;
    menu->actions()[0]->trigger();
    EXPECT_DOUBLE_EQ(view->viewport().scale, 2 * scale);

    // The keypad's plus and minus zoom; the plain keys, shown in the menu,
    // do not.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(view->viewport().scale, scale);
    QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(view->viewport().scale, scale);
    QTest::keyClick(view, Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(view->viewport().scale, scale);
    QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(view->viewport().scale, 2 * scale);
}

TEST_F(MainFrameTest, ToolBarsHoldTheirButtonsAndDockAnywhere)
{
    auto ids = [](QToolBar *bar) {
        std::vector<int> result;
        for (QAction *action : bar->actions())
            result.push_back(action->isSeparator() ? Separator : action->data().toInt());
        return result;
    };
    EXPECT_EQ(ids(frame->mainToolBar()), (std::vector<int>{Command::FileNew,
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
                                                           Command::WebSite}));
    EXPECT_EQ(ids(frame->modeToolBar()),
              (std::vector<int>{Command::ModeEdit, Command::ModeDelete, Separator, Command::ModeSupportNode,
                                Command::ModeFreeNode, Command::ModeRod, Separator, Command::ModeForce,
                                Command::ModeDistributedLoad, Command::ModeMoment, Separator,
                                Command::ModeTemperature, Command::ModeDisplacement}));
    EXPECT_EQ(frame->toolBarArea(frame->mainToolBar()), Qt::TopToolBarArea);
    EXPECT_EQ(frame->toolBarArea(frame->modeToolBar()), Qt::LeftToolBarArea);
    for (QToolBar *bar : {frame->mainToolBar(), frame->modeToolBar()}) {
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_TRUE(bar->isMovable());
        for (QAction *action : bar->actions()) {
            if (action->isSeparator())
                continue;
            const CommandInfo *command = FindCommand(action->data().toInt());
            ASSERT_NE(command, nullptr);
            EXPECT_NE(*command->icon, '\0') << command->id << " has no icon";
        }
    }

    // "Инструменты" hides and shows the main tool bar, "Статус" the status bar.
    frame->show();
    frame->action(Command::ViewToolbar)->trigger();
    EXPECT_TRUE(frame->mainToolBar()->isHidden());
    EXPECT_FALSE(frame->action(Command::ViewToolbar)->isChecked());
    frame->action(Command::ViewToolbar)->trigger();
    EXPECT_FALSE(frame->mainToolBar()->isHidden());
    EXPECT_TRUE(frame->action(Command::ViewToolbar)->isChecked());
    frame->action(Command::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame->statusBar()->isHidden());
    frame->action(Command::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame->statusBar()->isHidden());
}

TEST_F(MainFrameTest, TheStatusBarShowsMessagesCoordinatesAndIndicators)
{
    EXPECT_EQ(frame->statusText(), QStringLiteral("Готов"));
    EXPECT_EQ(frame->coordinateText(0), QStringLiteral("0.0"));
    EXPECT_EQ(frame->coordinateText(1), QStringLiteral("0.0"));
    std::map<QString, int> widths;
    for (QLabel *label : frame->statusBar()->findChildren<QLabel *>())
        widths[label->text()] = label->minimumWidth() == label->maximumWidth() ? label->width() : -1;
    EXPECT_EQ(widths[QStringLiteral("CAP")], 40);
    EXPECT_EQ(widths[QStringLiteral("NUM")], 40);
    EXPECT_EQ(widths[QStringLiteral("SCRL")], 40);

    emit frame->document()->statusMessage(QStringLiteral("Время расчета:   0.00012 секунд"));
    EXPECT_EQ(frame->statusText(), QStringLiteral("Время расчета:   0.00012 секунд"));
    emit frame->view()->coordinatesChanged(QStringLiteral("\t1.300"), QStringLiteral("\t-0.200"));
    EXPECT_EQ(frame->coordinateText(0), QStringLiteral("1.300"));
    EXPECT_EQ(frame->coordinateText(1), QStringLiteral("-0.200"));
    emit frame->view()->statusMessage(QStringLiteral("Готов"));
    EXPECT_EQ(frame->statusText(), QStringLiteral("Готов"));
}

TEST_F(MainFrameTest, UndoAndRedoAreEnabledByTheDocumentState)
{
    EXPECT_FALSE(enabled(Command::EditUndo)) << "no undo state";
    EXPECT_FALSE(enabled(Command::EditRedo));
    addNode(0.0, 0.0);
    EXPECT_FALSE(enabled(Command::EditUndo)) << "the snapshot of an empty structure";
    addNode(1.0, 0.0);
    EXPECT_TRUE(enabled(Command::EditUndo));
    frame->action(Command::EditUndo)->trigger();
    EXPECT_EQ(frame->document()->structure().nodes.count, 1);
    EXPECT_FALSE(enabled(Command::EditUndo));
    EXPECT_TRUE(enabled(Command::EditRedo));
    frame->action(Command::EditRedo)->trigger();
    EXPECT_EQ(frame->document()->structure().nodes.count, 2);
    EXPECT_TRUE(enabled(Command::EditUndo));
    EXPECT_FALSE(enabled(Command::EditRedo));
}

TEST_F(MainFrameTest, CommandsAreRoutedToViewDocumentAndApplication)
{
    frame->updateActions();
    // Nobody handles the clipboard: the commands stay grey.
    for (int id : {Command::EditCopy, Command::EditCut, Command::EditPaste}) {
        EXPECT_FALSE(enabled(id)) << id;
        EXPECT_FALSE(frame->routeCommand(id)) << id;
    }
    // A view command.
    const bool loads = frame->view()->showLoads();
    EXPECT_TRUE(enabled(Command::ShowLoads));
    EXPECT_EQ(frame->action(Command::ShowLoads)->isChecked(), loads);
    frame->action(Command::ShowLoads)->trigger();
    EXPECT_EQ(frame->view()->showLoads(), !loads);
    EXPECT_EQ(frame->action(Command::ShowLoads)->isChecked(), !loads);
    // A document command.
    addNode(0.0, 0.0);
    frame->action(Command::SelectAllNodes)->trigger();
    EXPECT_TRUE(frame->document()->structure().nodes[0].isSelected());
    // Application commands: debug mode, with its status texts.
    Settings::current().debugMode = false;
    frame->action(Command::DebugMode)->trigger();
    EXPECT_TRUE(Settings::current().debugMode);
    EXPECT_EQ(frame->statusText(), QStringLiteral("Debug Mode is ON"));
    EXPECT_TRUE(frame->action(Command::DebugMode)->isChecked());
    frame->action(Command::DebugMode)->trigger();
    EXPECT_FALSE(Settings::current().debugMode);
    EXPECT_EQ(frame->statusText(), QStringLiteral("Debug Mode is OFF"));
    // The frame's own commands.
    for (int id : {Command::FileNew, Command::FileOpen, Command::FileSave, Command::FileSaveAs,
                   Command::AppExit, Command::HelpContents, Command::Tutorial, Command::WebSite,
                   Command::Results, Command::Statistics, Command::ShowLog, Command::Calculator})
        EXPECT_TRUE(enabled(id)) << id;
}

TEST_F(MainFrameTest, AFailureInsideACommandReachesTheErrorBoxAndTheProgramGoesOn)
{
    ThrowingTarget target;
    frame->addCommandTarget(&target);
    frame->updateActions();
    ASSERT_TRUE(enabled(Command::EditCopy));
    frame->action(Command::EditCopy)->trigger();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].headline, "Subscription 7 in NodeList[2] is out of defined range!");
    EXPECT_EQ(reporter.messages[0].reason, "Internal error!");

    // Running out of memory is reported likewise; a normal action is not.
    EXPECT_FALSE(RunGuarded([] { throw std::bad_alloc(); }));
    EXPECT_EQ(reporter.messages.size(), 2u);
    EXPECT_TRUE(RunGuarded([] {}));
    EXPECT_EQ(reporter.messages.size(), 2u);
}

TEST_F(MainFrameTest, TheTitleNamesTheFile)
{
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Новая Конструкция - Руво"));
    addNode(0.0, 0.0);
    ASSERT_TRUE(frame->saveAs(pathOf("frame.str")));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("frame.str - Руво"));
    ASSERT_TRUE(frame->newFile());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Новая Конструкция - Руво"));
}

TEST_F(MainFrameTest, AModifiedStructureIsOnlyReplacedAfterTheSavePrompt)
{
    addNode(0.0, 0.0);
    {
        PromptAnswer cancel(QMessageBox::Cancel);
        EXPECT_FALSE(frame->newFile());
        EXPECT_TRUE(cancel.seen());
        EXPECT_EQ(cancel.text, QStringLiteral("Сохранить изменения в Новая Конструкция?"));
        EXPECT_EQ(frame->document()->structure().nodes.count, 1);
        EXPECT_TRUE(frame->document()->isModified());
    }
    {
        // Yes with a file name saves it, then the new structure comes.
        ASSERT_TRUE(frame->saveAs(pathOf("kept.str")));
        addNode(1.0, 0.0);
        PromptAnswer yes(QMessageBox::Yes);
        EXPECT_TRUE(frame->newFile());
        EXPECT_EQ(yes.text, QStringLiteral("Сохранить изменения в kept.str?"));
        EXPECT_EQ(frame->document()->structure().nodes.count, 0);
        RuvoDoc reread;
        ASSERT_TRUE(reread.openFile(pathOf("kept.str")));
        EXPECT_EQ(reread.structure().nodes.count, 2);
    }
    {
        addNode(2.0, 0.0);
        PromptAnswer no(QMessageBox::No);
        EXPECT_TRUE(frame->openFile(pathOf("kept.str")));
        EXPECT_TRUE(no.seen());
        EXPECT_EQ(frame->document()->structure().nodes.count, 2);
        EXPECT_FALSE(frame->document()->isModified());
    }
    {
        // Unmodified: no prompt.
        PromptAnswer none(QMessageBox::Cancel);
        EXPECT_TRUE(frame->newFile());
        EXPECT_FALSE(none.seen());
    }
    {
        // Closing asks too; Cancel keeps the window open.
        frame->show();
        addNode(3.0, 0.0);
        PromptAnswer cancel(QMessageBox::Cancel);
        EXPECT_FALSE(frame->close());
        EXPECT_TRUE(cancel.seen());
        EXPECT_TRUE(frame->isVisible());
    }
}

// Undo after opening another file brought the first structure back under
// the new file's title, and Ctrl+S then wrote it over that file.
TEST_F(MainFrameTest, UndoAfterOpeningAFileCannotOverwriteItWithTheOldStructure)
{
    RuvoDoc source;
    EditableStructure(source).addNode(0.0, 0.0, false);
    EditableStructure(source).addNode(0.0, 3.0, true);
    EditableStructure(source).addRod(0, 1);
    ASSERT_TRUE(source.saveFile(pathOf("p.str")));
    ASSERT_TRUE(source.saveFile(pathOf("first.str")));
    QFile original(pathOf("p.str"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    auto openThenUndoAndSave = [&](const std::function<void()> &open, const char *how) {
        SCOPED_TRACE(how);
        ASSERT_TRUE(frame->openFile(pathOf("first.str")));
        addNode(7.0, 7.0);
        addNode(8.0, 8.0);
        emit frame->document()->statusMessage(QStringLiteral("Время расчета:   0.00012 секунд"));
        {
            PromptAnswer no(QMessageBox::No);
            open();
            EXPECT_TRUE(no.seen());
        }
        ASSERT_EQ(frame->document()->filePath(), pathOf("p.str"));
        frame->updateActions();
        EXPECT_FALSE(enabled(Command::EditUndo));
        EXPECT_FALSE(enabled(Command::EditRedo));
        EXPECT_EQ(frame->statusText(), QStringLiteral("Готов")) << "the old calculation time is gone";
        QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier);
        frame->action(Command::EditUndo)->trigger();
        frame->document()->undo();
        EXPECT_EQ(frame->document()->structure().nodes.count, 2);
        EXPECT_FALSE(frame->document()->isModified());
        frame->action(Command::FileSave)->trigger();
        QFile written(pathOf("p.str"));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), bytes);
    };
    openThenUndoAndSave([&] { frame->openFile(pathOf("p.str")); }, "Open");
    openThenUndoAndSave(
        [&] {
            ASSERT_EQ(frame->recentFiles().files().value(1), pathOf("p.str"));
            frame->action(Command::FileMru1 + 1)->trigger();
        },
        "recent file");
    openThenUndoAndSave(
        [&] {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(pathOf("p.str"))});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(frame.get(), &enter);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(frame.get(), &drop);
            for (int i = 0; i < 100 && frame->document()->filePath() != pathOf("p.str"); ++i)
                QTest::qWait(10);
        },
        "dropped file");

    // New: Ctrl+Z in the empty structure brings nothing back.
    addNode(9.0, 9.0);
    addNode(10.0, 10.0);
    {
        PromptAnswer no(QMessageBox::No);
        EXPECT_TRUE(frame->newFile());
    }
    frame->updateActions();
    EXPECT_FALSE(enabled(Command::EditUndo));
    EXPECT_FALSE(enabled(Command::EditRedo));
    frame->document()->undo();
    EXPECT_EQ(frame->document()->structure().nodes.count, 0);
}

TEST_F(MainFrameTest, OpenedAndSavedFilesEnterTheRecentListAndMissingOnesLeaveIt)
{
    addNode(0.0, 0.0);
    ASSERT_TRUE(frame->saveAs(pathOf("one.str")));
    ASSERT_TRUE(frame->saveAs(pathOf("two.str")));
    EXPECT_EQ(frame->recentFiles().files(), (QStringList{pathOf("two.str"), pathOf("one.str")}));
    QAction *first = frame->action(Command::FileMru1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->text().endsWith(QStringLiteral("two.str"))) << first->text().toStdString();
    EXPECT_FALSE(frame->action(Command::FileMru1 + 2)->isVisible());
    QSettings store(SettingsStore::organizationName(), SettingsStore::applicationName());
    EXPECT_EQ(store.value(QStringLiteral("Recent File List/File1")).toString(), pathOf("two.str"));

    // The second entry opens its file.
    frame->action(Command::FileMru1 + 1)->trigger();
    EXPECT_EQ(frame->document()->filePath(), pathOf("one.str"));
    EXPECT_EQ(frame->recentFiles().files().first(), pathOf("one.str"));

    // An entry whose file is gone reports it and leaves the list.
    ASSERT_TRUE(QFile::remove(pathOf("two.str")));
    frame->action(Command::FileMru1 + 1)->trigger();
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(frame->recentFiles().files(), QStringList{pathOf("one.str")});
    EXPECT_EQ(frame->document()->filePath(), pathOf("one.str"));
}

TEST_F(MainFrameTest, ADroppedFileIsOpenedAfterThePrompt)
{
    RuvoDoc source;
    EditableStructure(source).addNode(0.0, 0.0, false);
    EditableStructure(source).addNode(0.0, 3.0, true);
    EditableStructure(source).addRod(0, 1);
    ASSERT_TRUE(source.saveFile(pathOf("dropped.str")));
    addNode(5.0, 5.0);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pathOf("dropped.str"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    PromptAnswer no(QMessageBox::No);
    QApplication::sendEvent(frame.get(), &drop);
    for (int i = 0; i < 100 && frame->document()->filePath().isEmpty(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(no.seen());
    EXPECT_EQ(frame->document()->filePath(), pathOf("dropped.str"));
    EXPECT_EQ(frame->document()->structure().rods.count, 1);

    // Text without files is refused.
    QMimeData text;
    text.setText(QStringLiteral("Node0 1 0 0 0 0 0 0 0 0 0"));
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainFrameTest, ClosingStoresThePlacementForTheNextStart)
{
    frame->setGeometry(QRect(50, 60, 700, 500));
    frame->show();
    ASSERT_TRUE(frame->close());
    QSettings store(SettingsStore::organizationName(), SettingsStore::applicationName());
    const QRect closed = frame->geometry();
    EXPECT_EQ(store.value(QStringLiteral("Window/Left")).toInt(), closed.left());
    EXPECT_EQ(store.value(QStringLiteral("Window/Top")).toInt(), closed.top());
    EXPECT_EQ(store.value(QStringLiteral("Window/Right")).toInt(), closed.left() + closed.width());
    EXPECT_EQ(store.value(QStringLiteral("Window/Bottom")).toInt(), closed.top() + closed.height());
    EXPECT_EQ(store.value(QStringLiteral("Window/Maximized")).toInt(), 0);

    // The next window comes back at the same place.
    MainFrame next;
    EXPECT_EQ(next.geometry(), closed);

    // Closed maximized: the restored rectangle and "Maximized" = 1.
    next.show();
    next.showMaximized();
    QApplication::processEvents();
    if (!next.isMaximized())
        GTEST_SKIP() << "this platform plugin does not maximize windows";
    ASSERT_TRUE(next.close());
    EXPECT_EQ(store.value(QStringLiteral("Window/Maximized")).toInt(), 1);
    EXPECT_EQ(store.value(QStringLiteral("Window/Right")).toInt() -
                  store.value(QStringLiteral("Window/Left")).toInt(),
              closed.width());
}

} // namespace
