// The commands of the application object: options (values written on OK,
// nothing on Cancel), About, technical support, the debug-mode key, and
// every menu command owned by some part of the program.

#include "app/MainFrame.h"
#include "app/MainFrameFixture.h"
#include "app/RuvoApp.h"
#include "app/SettingsStore.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/GuiTestSupport.h"
#include "dialogs/NumberField.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/SupportDialog.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char *const StoredNames[] = {
    "MouseStep", "GridStep", "ShowNumbers", "ShowGrid",        "Type",      "EI", "EF", "H",
    "Alpha",     "MU",       "NU",          "AxialCompliance", "LogEnabled"};

QStringList LabelTexts(QWidget *widget)
{
    QStringList texts;
    for (QLabel *label : widget->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

class ApplicationCommandsTest : public MainFrameFixture {};

} // namespace

TEST_F(ApplicationCommandsTest, OptionsConfirmedWritesEverySettingAndRepaints)
{
    Settings &settings = Settings::current();
    settings = Settings();
    settings.axialCompliance = 1; // no control: must survive as it is
    QSignalSpy repaint(frame->application(), &RuvoApp::repaintRequested);

    ModalAnswer answer([](QWidget *modal) {
        auto *dialog = qobject_cast<OptionsDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        // Only the grid step changes; every value is still written.
        dialog->field(QStringLiteral("gridStep"))->setText(QStringLiteral("0.75"));
        dialog->accept();
    });
    EXPECT_TRUE(frame->routeCommand(Command::Options));
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(repaint.count(), 1);
    EXPECT_DOUBLE_EQ(settings.gridStep, 0.75);

    QSettings store = Store();
    for (const char *name : StoredNames) {
        EXPECT_TRUE(store.contains(QStringLiteral("Settings/") + QLatin1String(name))) << name;
    }
    EXPECT_EQ(store.value(QStringLiteral("Settings/GridStep")).toString(), QStringLiteral("0.750000"));
    EXPECT_EQ(store.value(QStringLiteral("Settings/MouseStep")).toString(), QStringLiteral("0.100000"));
    EXPECT_EQ(store.value(QStringLiteral("Settings/EI")).toString(), QStringLiteral("1.000000"));
    EXPECT_EQ(store.value(QStringLiteral("Settings/Type")).toInt(), 1);
    EXPECT_EQ(store.value(QStringLiteral("Settings/AxialCompliance")).toInt(), 1);
    EXPECT_EQ(store.value(QStringLiteral("Settings/LogEnabled")).toInt(), 0);

    // What was written is what the next start reads.
    Settings reread;
    SettingsStore::LoadSettings(store, reread);
    EXPECT_DOUBLE_EQ(reread.gridStep, 0.75);
    EXPECT_EQ(reread.axialCompliance, 1);
}

TEST_F(ApplicationCommandsTest, OptionsChangedThenCancelledWriteNothing)
{
    Settings::current() = Settings();
    const Settings before = Settings::current();
    ModalAnswer answer([](QWidget *modal) {
        auto *dialog = qobject_cast<OptionsDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->field(QStringLiteral("EI"))->setText(QStringLiteral("123"));
        dialog->checkBox(QStringLiteral("logEnabled"))->setChecked(true);
        dialog->radio(QStringLiteral("rigid"))->setChecked(true);
        dialog->reject();
    });
    EXPECT_TRUE(frame->routeCommand(Command::Options));
    EXPECT_TRUE(answer.seen());
    EXPECT_TRUE(Store().allKeys().isEmpty());
    EXPECT_EQ(Settings::current().EI, before.EI);
    EXPECT_EQ(Settings::current().logEnabled, before.logEnabled);
    EXPECT_EQ(Settings::current().type, before.type);
}

TEST_F(ApplicationCommandsTest, ARefusedValueKeepsTheOptionsOpenAndWritesNothing)
{
    Settings::current() = Settings();
    QString warning;
    ModalAnswer answer([&warning](QWidget *modal) {
        auto *dialog = qobject_cast<OptionsDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->field(QStringLiteral("gridStep"))->setText(QStringLiteral("0"));
        ModalAnswer box([&warning](QWidget *inner) {
            if (auto *message = qobject_cast<QMessageBox *>(inner))
                warning = message->text();
            inner->close();
        });
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    frame->routeCommand(Command::Options);
    EXPECT_EQ(warning, QStringLiteral("Введите число от 1e-10 до 10000000000."));
    EXPECT_TRUE(Store().allKeys().isEmpty());
    EXPECT_DOUBLE_EQ(Settings::current().gridStep, 0.5);
}

TEST_F(ApplicationCommandsTest, TheAboutBoxNamesTheProductVersionAndMakers)
{
    QStringList texts;
    bool picture = false;
    ModalAnswer answer([&](QWidget *modal) {
        auto *about = qobject_cast<AboutDialog *>(modal);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QStringLiteral("О Руво"));
        texts = LabelTexts(about);
        picture = about->hasPicture();
        about->accept();
    });
    EXPECT_TRUE(frame->routeCommand(Command::About));
    EXPECT_TRUE(answer.seen());
    EXPECT_TRUE(texts.contains(QStringLiteral("Руво 2.1.1")));
    EXPECT_TRUE(texts.contains(AboutDialog::makersText()));
    EXPECT_TRUE(AboutDialog::makersText().contains(QStringLiteral("Ostrand")));
    EXPECT_TRUE(picture) << "the About picture is drawn from the resources";
}

TEST_F(ApplicationCommandsTest, TheSupportBoxGivesTheAddressAndTheFourTexts)
{
    QStringList texts;
    ModalAnswer answer([&](QWidget *modal) {
        auto *support = qobject_cast<SupportDialog *>(modal);
        ASSERT_NE(support, nullptr);
        EXPECT_EQ(support->windowTitle(), QStringLiteral("Техническая поддержка"));
        texts = LabelTexts(support);
        support->accept();
    });
    EXPECT_TRUE(frame->routeCommand(Command::TechnicalSupport));
    EXPECT_TRUE(answer.seen());
    const QString expected[] = {
        QStringLiteral("Если у вас возникли проблемы с использованием программы, пожалуйста, напишите нам по "
                       "адресу:"),
        QStringLiteral(
            "Опишите в письме суть проблемы так, чтобы мы смогли ее повторить, если ваш вопрос "
            "касается неверных результатов расчета или анализа конструкции, то пришлите также файл "
            "конструкции, дающей ошибку."),
        QStringLiteral("Мы сделаем все от нас зависящее, чтобы устранить неполадки в программе. Спасибо!"),
    };
    for (const QString &text : expected) {
        EXPECT_TRUE(texts.contains(text)) << text.toStdString();
    }
    const QString address = SupportDialog::supportAddress();
    EXPECT_TRUE(address.contains(QLatin1Char('@')));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&address](const QString &text) {
        return text.contains(QStringLiteral("mailto:") + address);
    }));
}

TEST_F(ApplicationCommandsTest, AltDTwiceSwitchesDebugModeOnAndOff)
{
    Settings::current().debugMode = false;
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->activateWindow();
    QTest::keyClick(frame.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(Settings::current().debugMode);
    EXPECT_EQ(frame->statusText(), QStringLiteral("Debug Mode is ON"));
    QTest::keyClick(frame.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_FALSE(Settings::current().debugMode);
    EXPECT_EQ(frame->statusText(), QStringLiteral("Debug Mode is OFF"));
}

TEST_F(ApplicationCommandsTest, EveryMenuCommandHasAnOwner)
{
    // Undo and redo are owned but grey without a history; the recent files
    // are shown only with the list.
    frame->updateActions();
    QStringList grey;
    std::function<void(QMenu *)> visit = [&](QMenu *menu) {
        for (QAction *action : menu->actions()) {
            if (action->menu() != nullptr) {
                visit(action->menu());
                continue;
            }
            const int id = action->data().toInt();
            if (action->isSeparator() || !action->data().isValid() || id == Command::EditUndo ||
                id == Command::EditRedo || (id >= Command::FileMru1 && id < Command::FileMru1 + 4))
                continue;
            if (!action->isEnabled())
                grey << QStringLiteral("%1 %2").arg(id).arg(action->text());
        }
    };
    for (QAction *top : frame->menuBar()->actions())
        visit(top->menu());
    EXPECT_TRUE(grey.isEmpty()) << grey.join(QStringLiteral(", ")).toStdString();
}
