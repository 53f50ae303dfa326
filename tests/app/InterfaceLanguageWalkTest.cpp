// The interface in each language: in English no Cyrillic is left in the
// menus, tool tips, status prompts, dialogs and the save prompt; in Russian
// Qt's own texts (standard buttons, file and print dialogs) are Russian too.

#include "app/InterfaceLanguage.h"
#include "app/MainFrameFixture.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ErrorBox.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/LoadDialog.h"
#include "dialogs/LogDialog.h"
#include "dialogs/MultiNodeDialog.h"
#include "dialogs/MultiRodDialog.h"
#include "dialogs/NodeDialog.h"
#include "dialogs/NumberField.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/PolarLoadDialog.h"
#include "dialogs/ResultsDialog.h"
#include "dialogs/RodDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "dialogs/SupportDialog.h"
#include "support/DocumentAccess.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolBar>
#include <functional>
#include <memory>

namespace {

bool HasCyrillic(const QString &text)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

bool HasLatinWord(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return text.contains(word);
}

// The texts a user reads in a window: its title, labels, buttons, group
// titles, tool tips and (withLists) list entries, each with where it was found.
std::vector<std::pair<QString, QString>> VisibleTexts(QWidget *window, bool withLists = true)
{
    std::vector<std::pair<QString, QString>> texts;
    auto add = [&texts](const QObject *owner, const QString &text) {
        if (!text.isEmpty())
            texts.emplace_back(QString::fromLatin1(owner->metaObject()->className()) + QLatin1Char(' ') +
                                   owner->objectName(),
                               text);
    };
    add(window, window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        add(widget, widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, button->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, group->title());
        // The language list names each language in itself.
        auto *list = qobject_cast<QComboBox *>(widget);
        if (withLists && list != nullptr && list->objectName() != QLatin1String("language"))
            for (int i = 0; i < list->count(); ++i)
                add(list, list->itemText(i));
    }
    return texts;
}

void ExpectNoCyrillic(QWidget *window)
{
    for (const auto &[where, text] : VisibleTexts(window))
        EXPECT_FALSE(HasCyrillic(text)) << where.toStdString() << ": \"" << text.toStdString() << '"';
}

class InterfaceLanguageWalk : public MainFrameFixture {
protected:
    // The translators go before the main window is made, as at start-up.
    void install(InterfaceLanguage::Language language)
    {
        frame.reset();
        ASSERT_TRUE(InterfaceLanguage::Install(language));
        frame = std::make_unique<MainFrame>();
        frame->document()->newDocument();
    }
    void TearDown() override
    {
        MainFrameFixture::TearDown();
        InterfaceLanguage::Uninstall();
    }
    void modify()
    {
        RuvoDoc *doc = frame->document();
        doc->saveUndoState();
        EditableStructure(*doc).addNode(0.0, 0.0, false);
        doc->structureChanged();
    }
    // The texts of the save prompt and of its buttons, answered with Cancel.
    QStringList savePrompt()
    {
        modify();
        QStringList texts;
        ModalAnswer cancel([&texts](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            texts << box->windowTitle() << box->text();
            for (QAbstractButton *button : box->buttons())
                texts << button->text();
            box->button(QMessageBox::Cancel)->click();
        });
        EXPECT_FALSE(frame->newFile());
        EXPECT_TRUE(cancel.seen());
        return texts;
    }
};

void WalkMenu(const QList<QAction *> &actions, const QString &path)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString where = path + QStringLiteral(" > ") + action->text();
        // The recent files show their paths, which may be Russian.
        if (action->isVisible() || action->menu() != nullptr) {
            EXPECT_FALSE(HasCyrillic(action->text())) << where.toStdString();
            EXPECT_FALSE(HasCyrillic(action->toolTip()))
                << where.toStdString() << ": " << action->toolTip().toStdString();
            EXPECT_FALSE(HasCyrillic(action->statusTip()))
                << where.toStdString() << ": " << action->statusTip().toStdString();
        }
        if (action->menu() != nullptr)
            WalkMenu(action->menu()->actions(), where);
    }
}

TEST_F(InterfaceLanguageWalk, EnglishLeavesNoCyrillicInTheMenusToolBarsAndDialogs)
{
    install(InterfaceLanguage::Language::English);
    ASSERT_FALSE(frame->menuBar()->actions().isEmpty());
    WalkMenu(frame->menuBar()->actions(), QStringLiteral("menu"));
    for (QToolBar *bar : frame->findChildren<QToolBar *>()) {
        EXPECT_FALSE(HasCyrillic(bar->windowTitle())) << bar->windowTitle().toStdString();
        WalkMenu(bar->actions(), bar->windowTitle());
    }
    // Every action of the window, the ones outside the menus too.
    WalkMenu(static_cast<QWidget *>(frame.get())->actions(), QStringLiteral("window"));
    EXPECT_FALSE(HasCyrillic(frame->windowTitle())) << frame->windowTitle().toStdString();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("New Structure - Ruvo"));

    const QStringList prompt = savePrompt();
    ASSERT_GE(prompt.size(), 5);
    EXPECT_EQ(prompt[1], QStringLiteral("Save changes to New Structure?"));
    for (const QString &text : prompt)
        EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();

    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new OptionsDialog(Settings::current()));
    windows.emplace_back(new NodeDialog(NodeValues()));
    windows.emplace_back(new RodDialog(RodValues(), RodContext()));
    windows.emplace_back(new MultiNodeDialog(MultiNodeValues()));
    windows.emplace_back(new MultiRodDialog(MultiRodValues()));
    windows.emplace_back(new PolarLoadDialog(PolarLoadDialog::Kind::Force, 1.0, 2.0));
    windows.emplace_back(new PolarLoadDialog(PolarLoadDialog::Kind::DistributedLoad, 1.0, 2.0));
    windows.emplace_back(LoadDialog::moment(1.0).release());
    windows.emplace_back(LoadDialog::temperature(1.0, 2.0, 1.0, 1.0).release());
    windows.emplace_back(LoadDialog::displacement(0.0, 0.0, 0.0).release());
    windows.emplace_back(new StatisticsDialog(QStringLiteral("3"), QStringLiteral("2")));
    windows.emplace_back(new AboutDialog);
    windows.emplace_back(new SupportDialog);
    windows.emplace_back(new ResultsDialog(QStringLiteral("report")));
    windows.emplace_back(new LogDialog(QStringLiteral("log")));
    windows.emplace_back(new ErrorBox(QStringLiteral("Error"), QStringLiteral("Reason")));
    windows.emplace_back(HelpWindow::Open(0));
    for (const std::unique_ptr<QWidget> &window : windows) {
        SCOPED_TRACE(window->metaObject()->className());
        ExpectNoCyrillic(window.get());
    }

    NumberField field;
    field.setRangeCheck(-180.0, 180.0);
    field.setText(QStringLiteral("x"));
    EXPECT_EQ(field.check(), QStringLiteral("Please enter a number."));
    field.setText(QStringLiteral("200"));
    EXPECT_EQ(field.check(), QStringLiteral("Please enter a number between -180 and 180."));
    field.setPositiveCheck();
    field.setText(QStringLiteral("-1"));
    EXPECT_EQ(field.check(), QStringLiteral("Please enter a positive number."));
}

TEST_F(InterfaceLanguageWalk, RussianPutsQtsOwnDialogsAndButtonsInRussian)
{
    install(InterfaceLanguage::Language::Russian);
    const QStringList prompt = savePrompt();
    ASSERT_GE(prompt.size(), 5);
    EXPECT_EQ(prompt[1], QStringLiteral("Сохранить изменения в Новая Конструкция?"));
    for (const QString &text : prompt)
        EXPECT_FALSE(HasLatinWord(text)) << text.toStdString();

    NumberField field;
    field.setText(QStringLiteral("x"));
    EXPECT_EQ(field.check(), QStringLiteral("Введите число."));

    // Qt's widgets: a file dialog and the print preview, with their buttons,
    // labels and tool tips (their lists show folders and sizes).
    QFileDialog files(nullptr, QStringLiteral("Открыть"), QString(), QStringLiteral("Конструкция (*.str)"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    QPrinter printer;
    QPrintPreviewDialog preview(&printer);
    for (QWidget *window : {static_cast<QWidget *>(&files), static_cast<QWidget *>(&preview)}) {
        SCOPED_TRACE(window->metaObject()->className());
        int russian = 0;
        for (const auto &[where, text] : VisibleTexts(window, false)) {
            if (HasCyrillic(text))
                ++russian;
            EXPECT_FALSE(HasLatinWord(text) && !HasCyrillic(text))
                << where.toStdString() << ": \"" << text.toStdString() << '"';
        }
        EXPECT_GT(russian, 3);
    }
}

} // namespace

// The help follows the language the interface is shown in, not the desktop's:
// a language chosen in the options may differ from the desktop's.
TEST_F(InterfaceLanguageWalk, HelpFollowsTheInstalledLanguageWhateverTheDesktop)
{
    const QLocale previous;
    const struct {
        QLocale desktop;
        InterfaceLanguage::Language installed;
        bool english;
    } rows[] = {
        {QLocale(QLocale::Russian, QLocale::Russia), InterfaceLanguage::Language::English, true},
        {QLocale::c(), InterfaceLanguage::Language::English, true},
        {QLocale(QLocale::English, QLocale::UnitedStates), InterfaceLanguage::Language::Russian, false},
    };
    for (const auto &row : rows) {
        QLocale::setDefault(row.desktop);
        install(row.installed);
        EXPECT_EQ(HelpWindow::EnglishPages(), row.english) << row.desktop.name().toStdString();
        EXPECT_EQ(HelpWindow::PageForContext(0).toString().contains(QLatin1String("/help/en/")), row.english);
    }
    InterfaceLanguage::Uninstall();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(HelpWindow::EnglishPages()) << "after Uninstall the default locale decides again";
    QLocale::setDefault(previous);
}
