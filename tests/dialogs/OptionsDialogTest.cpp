// The options dialog: fields filled from the settings, the range checks and
// the number check on OK, and the values copied back.

#include "dialogs/OptionsDialog.h"

#include "dialogs/GuiTestSupport.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/NumberField.h"
#include "model/Settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

Settings Unusual()
{
    Settings settings;
    settings.type = 2;
    settings.EI = 2.5e6;
    settings.EF = 0.125;
    settings.H = 0.3;
    settings.alpha = 1.2e-05;
    settings.MU = 0.75;
    settings.NU = 0.3;
    settings.showNumbers = 0;
    settings.showGrid = 1;
    settings.gridStep = 0.25;
    settings.mouseStep = 0.05;
    settings.axialCompliance = 1;
    settings.logEnabled = 1;
    settings.debugMode = true;
    return settings;
}

// Confirms the dialog and returns the text of the warning it showed
// (empty when it closed without one).
QString Confirm(OptionsDialog &dialog)
{
    QString warning;
    ModalAnswer answer([&warning](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        warning = box->text();
        box->accept();
    });
    dialog.accept();
    return warning;
}

} // namespace

TEST(OptionsDialog, ShowsTheSettingsAndGivesThemBackUnchanged)
{
    const Settings shown = Unusual();
    OptionsDialog dialog(shown);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Параметры"));
    EXPECT_EQ(dialog.field(QStringLiteral("gridStep"))->text(), QStringLiteral("0.25"));
    EXPECT_EQ(dialog.field(QStringLiteral("alpha"))->text(), QStringLiteral("1.2e-05"));
    EXPECT_FALSE(dialog.checkBox(QStringLiteral("showNumbers"))->isChecked());
    EXPECT_TRUE(dialog.checkBox(QStringLiteral("showGrid"))->isChecked());
    EXPECT_TRUE(dialog.checkBox(QStringLiteral("axialCompliance"))->isChecked());
    EXPECT_TRUE(dialog.checkBox(QStringLiteral("logEnabled"))->isChecked());
    EXPECT_TRUE(dialog.radio(QStringLiteral("rigid"))->isChecked());
    EXPECT_FALSE(dialog.radio(QStringLiteral("hinge"))->isChecked());

    dialog.show();
    EXPECT_TRUE(Confirm(dialog).isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    Settings back;
    back.axialCompliance = 0;
    back.debugMode = false;
    dialog.apply(back);
    EXPECT_EQ(back.type, shown.type);
    for (auto field : {&Settings::EI, &Settings::EF, &Settings::H, &Settings::alpha, &Settings::MU,
                       &Settings::NU, &Settings::gridStep, &Settings::mouseStep})
        EXPECT_DOUBLE_EQ(back.*field, shown.*field);
    EXPECT_EQ(back.showNumbers, shown.showNumbers);
    EXPECT_EQ(back.showGrid, shown.showGrid);
    EXPECT_EQ(back.logEnabled, shown.logEnabled);
    EXPECT_EQ(back.axialCompliance, shown.axialCompliance);
    // No control for this: it stays as the receiving record had it.
    EXPECT_FALSE(back.debugMode);
}

TEST(OptionsDialog, TheJointRadiosFollowTheType)
{
    const struct {
        int type;
        bool hinge;
        int afterOk;
    } cases[] = {{1, true, 1}, {2, false, 2}, {7, false, 2}, {0, false, 2}};
    for (const auto &c : cases) {
        Settings settings;
        settings.type = c.type;
        OptionsDialog dialog(settings);
        EXPECT_EQ(dialog.radio(QStringLiteral("hinge"))->isChecked(), c.hinge) << c.type;
        EXPECT_EQ(dialog.radio(QStringLiteral("rigid"))->isChecked(), !c.hinge) << c.type;
        dialog.apply(settings);
        EXPECT_EQ(settings.type, c.afterOk) << c.type;
    }
    Settings settings;
    OptionsDialog dialog(settings);
    dialog.radio(QStringLiteral("rigid"))->setChecked(true);
    dialog.apply(settings);
    EXPECT_EQ(settings.type, 2);
}

TEST(OptionsDialog, RefusesNumbersOutOfRangeAndTextThatIsNoNumber)
{
    const QString stepRange = QStringLiteral("Введите число от 1e-10 до 10000000000.");
    const QString valueRange = QStringLiteral("Введите число от 0 до 10000000000.");
    const QString notANumber = QStringLiteral("Введите число.");
    const QString notPositive = QStringLiteral("Введите положительное число.");
    const struct {
        const char *field;
        const char *text;
        QString message;
    } cases[] = {
        {"gridStep", "0", stepRange},     {"gridStep", "1e11", stepRange},   {"mouseStep", "-0.1", stepRange},
        {"EI", "-5", valueRange},         {"EF", "10000000001", valueRange}, {"H", "abc", notANumber},
        {"alpha", "", notANumber},        {"NU", "nan", notANumber},         {"MU", "1e400", notANumber},
        {"mouseStep", "inf", notANumber}, {"EI", "0", notPositive},       {"NU", "0", notPositive},
        {"H", "-0", notPositive},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = \"" + c.text + "\"");
        OptionsDialog dialog{Settings()};
        dialog.show();
        NumberField *field = dialog.field(QString::fromLatin1(c.field));
        ASSERT_NE(field, nullptr);
        field->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(Confirm(dialog), c.message);
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.focusWidget(), field->focusProxy() != nullptr ? field->focusProxy() : field)
            << "the focus is on the refused field";
    }
}

TEST(OptionsDialog, TheLimitsThemselvesAreAccepted)
{
    OptionsDialog dialog{Settings()};
    dialog.show();
    dialog.field(QStringLiteral("gridStep"))->setText(QStringLiteral("1e-10"));
    dialog.field(QStringLiteral("mouseStep"))->setText(QStringLiteral(" 1e10 "));
    dialog.field(QStringLiteral("EI"))->setText(QStringLiteral("1e-300"));
    dialog.field(QStringLiteral("EF"))->setText(QStringLiteral("1e10"));
    EXPECT_TRUE(Confirm(dialog).isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    Settings back;
    dialog.apply(back);
    EXPECT_DOUBLE_EQ(back.gridStep, 1e-10);
    EXPECT_DOUBLE_EQ(back.mouseStep, 1e10);
    EXPECT_EQ(back.EI, 1e-300);
}

TEST(OptionsDialog, TheArrowsStepTheRodValuesByWholeUnitsWithinTheirRange)
{
    Settings settings;
    settings.EI = 2.5;
    settings.EF = 0;
    OptionsDialog dialog(settings);
    NumberField *ei = dialog.field(QStringLiteral("EI"));
    ei->stepBy(1);
    EXPECT_EQ(ei->text(), QStringLiteral("3"));
    NumberField *ef = dialog.field(QStringLiteral("EF"));
    ef->stepBy(-1);
    EXPECT_EQ(ef->text(), QStringLiteral("0")) << "no negative rigidity from the arrows";
}

TEST(OptionsDialog, ShowsItsGroupsLabelsAndButtons)
{
    OptionsDialog dialog{Settings()};
    QStringList groups;
    for (QGroupBox *group : dialog.findChildren<QGroupBox *>())
        groups << group->title();
    for (const char *title : {"Параметры дисплея", "Параметры для новых стержней", "Расчет", "Тип связи"}) {
        EXPECT_TRUE(groups.contains(QString::fromUtf8(title))) << title;
    }
    QStringList labels;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text().remove(QLatin1Char('&'));
    for (const char *label :
         {"Шаг сетки", "Шаг мышки", "EI", "EF", "Высота, M", "Альфа", "К. Пуассона", "Mu"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(label))) << label;
    }
    EXPECT_EQ(dialog.checkBox(QStringLiteral("showNumbers"))->text(), QStringLiteral("Показывать номера"));
    EXPECT_EQ(dialog.checkBox(QStringLiteral("showGrid"))->text(), QStringLiteral("Показывать сетку"));
    EXPECT_EQ(dialog.checkBox(QStringLiteral("axialCompliance"))->text(),
              QStringLiteral("Учитывать продольные деформации"));
    EXPECT_EQ(dialog.checkBox(QStringLiteral("logEnabled"))->text(),
              QStringLiteral("Вести журнал расчета (может замедлить расчет)"));
    EXPECT_EQ(dialog.radio(QStringLiteral("hinge"))->text(), QStringLiteral("Шарнир"));
    EXPECT_EQ(dialog.radio(QStringLiteral("rigid"))->text(), QStringLiteral("Жесткая"));

    // OK, Cancel and "Справка", which opens the options page.
    auto *box = dialog.findChild<QDialogButtonBox *>();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(QDialogButtonBox::Ok), nullptr);
    ASSERT_NE(box->button(QDialogButtonBox::Cancel), nullptr);
    QAbstractButton *help = nullptr;
    for (QAbstractButton *button : box->buttons())
        if (box->buttonRole(button) == QDialogButtonBox::HelpRole)
            help = button;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), QStringLiteral("Справка"));
    help->click();
    ASSERT_NE(HelpWindow::Instance(), nullptr);
    EXPECT_EQ(HelpWindow::Instance()->currentPage(), HelpWindow::PageForContext(432));
    EXPECT_EQ(HelpWindow::PageForContext(432).fileName(), QStringLiteral("options.html"));
    delete HelpWindow::Instance();
}
