// The node and rod property dialogs, single and multiple: what they show,
// the "differs" rules of the multiple dialogs, the refusals on OK and the
// load rules of a changed support state.

#include "dialogs/HelpWindow.h"
#include "dialogs/ModalScript.h"
#include "dialogs/MultiNodeDialog.h"
#include "dialogs/MultiRodDialog.h"
#include "dialogs/NodeDialog.h"
#include "dialogs/RodDialog.h"
#include "dialogs/RodPreview.h"
#include "model/Settings.h"
#include "numeric/Messages.h"
#include "support/SettingsRestorer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QString Message(int id)
{
    return QString::fromUtf8(LoadString(id));
}

// Puts the settings record back after a test changed it.
TEST(NodeDialogTest, ShowsTheNodeAndDisablesDisplacementsOfAFreeNode)
{
    NodeValues values;
    values.x = 1.5;
    values.y = -2;
    values.fx = 10;
    values.moment = -3.25;
    NodeDialog dialog(values);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Свойства узла"));
    EXPECT_EQ(dialog.field("x")->text(), QStringLiteral("1.5"));
    EXPECT_EQ(dialog.field("moment")->text(), QStringLiteral("-3.25"));
    EXPECT_EQ(dialog.field("da")->arrowMaximum(), 16960) << "the node angle arrows reach the load range here";
    for (const char *name : {"dx", "dy", "da"})
        EXPECT_FALSE(dialog.field(name)->isEnabled()) << name;

    dialog.freeCheckBox()->click();
    for (const char *name : {"dx", "dy", "da"})
        EXPECT_TRUE(dialog.field(name)->isEnabled()) << name << " of a support node";
    for (const char *name : {"fx", "fy", "moment"})
        EXPECT_TRUE(dialog.field(name)->isEnabled()) << name;
    dialog.freeCheckBox()->click();
    EXPECT_FALSE(dialog.field("dx")->isEnabled());
}

TEST(NodeDialogTest, ChangingTheSupportStateClearsLoadsOfTheWrongKindAfterTheMessage)
{
    {
        ModalScript script;
        NodeValues free;
        free.fx = 5;
        free.dx = 0;
        NodeDialog dialog(free);
        dialog.freeCheckBox()->setChecked(false);
        dialog.field("fy")->setText(QStringLiteral("-2"));
        ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0], Message(51004));
        EXPECT_EQ(dialog.field("fx")->text(), QStringLiteral("0.0"));
        const NodeValues result = dialog.values();
        EXPECT_FALSE(result.isFree);
        EXPECT_EQ(result.fx, 0.0);
        EXPECT_EQ(result.fy, 0.0);
        EXPECT_EQ(result.moment, 0.0);
    }
    {
        ModalScript script;
        NodeValues support;
        support.isFree = false;
        support.da = 15;
        NodeDialog dialog(support);
        dialog.freeCheckBox()->setChecked(true);
        ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0], Message(51005));
        EXPECT_EQ(dialog.values().da, 0.0);
    }
    {
        // Unchanged support state: loads of either kind pass without a word.
        ModalScript script;
        NodeValues free;
        free.fx = 5;
        NodeDialog dialog(free);
        ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
        EXPECT_TRUE(script.messages.empty());
        EXPECT_EQ(dialog.values().fx, 5.0);
    }
}

TEST(NodeDialogTest, TextThatIsNotANumberKeepsTheDialogOpenOnThatField)
{
    ModalScript script;
    NodeDialog dialog(NodeValues{});
    dialog.show();
    dialog.field("fy")->setText(QStringLiteral("two"));
    EXPECT_NE(PressOk(dialog), QDialog::Accepted);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0], QStringLiteral("Введите число."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.field("fy")->hasFocus() || QApplication::focusWidget() == nullptr ||
                dialog.field("fy")->isAncestorOf(QApplication::focusWidget()));
    dialog.field("fy")->setText(QStringLiteral("2,5"));
    EXPECT_EQ(PressOk(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.values().fy, 2.5);
}

TEST(MultiNodeDialogTest, DifferingValuesStartEmptyAndEmptyFieldsComeBackAsUnchanged)
{
    MultiNodeValues values;
    values.isFreeDiffers = true;
    values.fx = {1.0, true};
    values.fy = {0.0, false};
    values.da = {10.0, false};
    MultiNodeDialog dialog(values);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Свойства нескольких узлов"));
    EXPECT_EQ(dialog.freeCheckBox()->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(dialog.field("fx")->text().isEmpty());
    EXPECT_EQ(dialog.field("fy")->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.field("da")->text(), QStringLiteral("10"));

    ModalScript script;
    dialog.field("fy")->setText(QStringLiteral("5"));
    dialog.field("moment")->setText(QString());
    ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
    EXPECT_TRUE(script.messages.empty());
    const MultiNodeValues result = dialog.values();
    EXPECT_TRUE(result.isFreeDiffers);
    EXPECT_TRUE(result.fx.differs);
    EXPECT_EQ(result.fx.value, 0.0);
    EXPECT_FALSE(result.fy.differs);
    EXPECT_EQ(result.fy.value, 5.0);
    EXPECT_TRUE(result.moment.differs) << "a field emptied by the user is left unchanged too";
    EXPECT_FALSE(result.da.differs);
}

TEST(MultiNodeDialogTest, TheAngleIsCheckedAgainstItsRange)
{
    ModalScript script;
    MultiNodeDialog dialog(MultiNodeValues{});
    EXPECT_EQ(dialog.freeCheckBox()->checkState(), Qt::Checked);
    dialog.field("da")->setText(QStringLiteral("181"));
    EXPECT_NE(PressOk(dialog), QDialog::Accepted);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0], QStringLiteral("Введите число от -180 до 180."));
    dialog.freeCheckBox()->setCheckState(Qt::Unchecked);
    dialog.field("da")->setText(QStringLiteral("-180"));
    EXPECT_EQ(PressOk(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.values().isFree);
    EXPECT_FALSE(dialog.values().isFreeDiffers);
}

RodContext SupportedRodContext()
{
    RodContext context;
    context.beginNumber = 7;
    context.endNumber = 9;
    context.beginPosition = 2;
    context.endPosition = 4;
    context.beginX = 0;
    context.beginY = 0;
    context.endX = 0;
    context.endY = 3;
    context.beginIsFree = false;
    context.endIsFree = true;
    return context;
}

TEST(RodDialogTest, ShowsJointsNumbersAndDisablesWhatDoesNotApply)
{
    SettingsRestorer restore;
    RodValues values;
    values.beginJoint = JointChoice::MovingHinge;
    values.beginAngle = 30;
    values.endJoint = JointChoice::Fixed;
    values.EI = 2000;
    values.qy = -5;
    RodContext context = SupportedRodContext();
    context.loadsDisabled = true;
    RodDialog dialog(values, context);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Свойства стержня"));
    EXPECT_EQ(dialog.endGroup(true)->title(), QStringLiteral("Начальный узел [7]"));
    EXPECT_EQ(dialog.endGroup(false)->title(), QStringLiteral("Конечный узел [9]"));
    EXPECT_EQ(dialog.jointGroup(true)->checkedId(), JointChoice::MovingHinge);
    EXPECT_EQ(dialog.jointGroup(false)->checkedId(), JointChoice::Fixed);
    EXPECT_EQ(dialog.field("beginAngle")->text(), QStringLiteral("30"));
    EXPECT_EQ(dialog.field("beginAngle")->arrowMinimum(), -179);
    EXPECT_TRUE(dialog.jointGroup(true)->button(JointChoice::MovingHinge)->isEnabled());
    EXPECT_FALSE(dialog.jointGroup(false)->button(JointChoice::MovingHinge)->isEnabled()) << "free end";
    EXPECT_FALSE(dialog.field("endAngle")->isEnabled());
    for (const char *name : {"qx", "qy", "left", "right"})
        EXPECT_FALSE(dialog.field(name)->isEnabled()) << name << " of a support link";
    EXPECT_TRUE(dialog.field("ei")->isEnabled());

    Settings::current().debugMode = true;
    RodDialog debug(values, context);
    EXPECT_EQ(debug.endGroup(true)->title(), QStringLiteral("Начальный узел [2]"))
        << "positions in debug mode";
    EXPECT_EQ(debug.endGroup(false)->title(), QStringLiteral("Конечный узел [4]"));
}

TEST(RodDialogTest, AJointTheRadiosCannotShowIsKeptUnlessOneIsChosen)
{
    RodValues values;
    values.beginJoint = 4; // sliding rigid joint, only from files
    values.endJoint = JointChoice::Hinge;
    RodDialog dialog(values, SupportedRodContext());
    EXPECT_EQ(dialog.jointGroup(true)->checkedId(), -1);
    ModalScript script;
    dialog.field("ei")->setText(QStringLiteral("12.5"));
    ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
    RodValues result = dialog.values();
    EXPECT_EQ(result.beginJoint, 4);
    EXPECT_EQ(result.endJoint, JointChoice::Hinge);
    EXPECT_EQ(result.EI, 12.5);

    dialog.jointGroup(true)->button(JointChoice::Fixed)->click();
    dialog.jointGroup(false)->button(JointChoice::Fixed)->click();
    EXPECT_EQ(dialog.values().beginJoint, JointChoice::Fixed);
    EXPECT_EQ(dialog.values().endJoint, JointChoice::Fixed);
}

TEST(RodDialogTest, ThePreviewLineRunsThroughTheCentreFromBeginToEnd)
{
    struct Case {
        double dx, dy;
        QPoint begin, end;
    };
    // Box 200 x 100: centre (100, 50), 30 % of the width is 60 pixels.
    const Case cases[] = {
        {5, 0, {40, 50}, {160, 50}},
        {0, 3, {100, 110}, {100, -10}}, // upward in the world is upward on the screen
        {-2, 0, {160, 50}, {40, 50}},
        {0, 0, {100, 50}, {100, 50}}, // no length: a dot in the centre
    };
    for (const Case &c : cases) {
        QPoint begin;
        QPoint end;
        RodPreview::linePoints(QSize(200, 100), c.dx, c.dy, begin, end);
        EXPECT_EQ(begin, c.begin) << c.dx << "," << c.dy;
        EXPECT_EQ(end, c.end) << c.dx << "," << c.dy;
    }
    RodPreview preview(1, 1, QStringLiteral("1"), QStringLiteral("2"));
    preview.resize(140, 110);
    const QImage picture = preview.grab().toImage();
    EXPECT_EQ(picture.pixelColor(70, 55), QColor(Qt::black)) << "the line passes the centre";
    EXPECT_EQ(picture.pixelColor(20, 100), QColor(Qt::white));
}

TEST(MultiRodDialogTest, DifferingValuesAndJointsStartEmptyAndComeBackUnchanged)
{
    MultiRodValues values;
    values.beginJoint = JointChoice::Fixed;
    values.endJointDiffers = true;
    values.EI = {3.0, false};
    values.qy = {-1.0, true};
    values.beginAngle = {15.0, false};
    MultiRodDialog dialog(values);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Свойства нескольких стержней"));
    EXPECT_EQ(dialog.jointGroup(true)->checkedId(), JointChoice::Fixed);
    EXPECT_EQ(dialog.jointGroup(false)->checkedId(), -1);
    EXPECT_EQ(dialog.field("ei")->text(), QStringLiteral("3"));
    EXPECT_TRUE(dialog.field("qy")->text().isEmpty());
    EXPECT_EQ(dialog.field("beginAngle")->text(), QStringLiteral("15"));

    ModalScript script;
    dialog.field("ef")->setText(QString());
    ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
    const MultiRodValues result = dialog.values();
    EXPECT_EQ(result.beginJoint, JointChoice::Fixed);
    EXPECT_FALSE(result.beginJointDiffers);
    EXPECT_EQ(result.endJoint, 0);
    EXPECT_TRUE(result.endJointDiffers);
    EXPECT_FALSE(result.EI.differs);
    EXPECT_TRUE(result.EF.differs);
    EXPECT_TRUE(result.qy.differs);
    EXPECT_FALSE(result.qx.differs);
}

TEST(MultiRodDialogTest, SharedJointsOtherThanHingeOrRigidStartWithoutAChoice)
{
    struct Case {
        int joint;
        int checked;
    };
    const Case cases[] = {{JointChoice::Hinge, JointChoice::Hinge},
                          {JointChoice::Fixed, JointChoice::Fixed},
                          {JointChoice::MovingHinge, -1},
                          {4, -1},
                          {JointChoice::None, -1}};
    for (const Case &c : cases) {
        MultiRodValues values;
        values.beginJoint = c.joint;
        values.endJoint = c.joint;
        MultiRodDialog dialog(values);
        EXPECT_EQ(dialog.jointGroup(true)->checkedId(), c.checked) << c.joint;
        ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
        EXPECT_EQ(dialog.values().beginJointDiffers, c.checked == -1) << c.joint;
    }
}

TEST(WarningBoxTest, IsTitledWithTheProgramAndHasAWarningIconAndOk)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    const ModalHook previous = SetModalHook([&](QDialog &dialog) {
        auto &box = dynamic_cast<QMessageBox &>(dialog);
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        return int(QMessageBox::Ok);
    });
    ShowWarning(Message(51006));
    SetModalHook(previous);
    EXPECT_EQ(title, QStringLiteral("Руво"));
    EXPECT_EQ(text, Message(51006));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(PropertyDialogsTest, HaveOkCancelAndAHelpButtonOpeningTheirOwnPage)
{
    NodeDialog node(NodeValues{});
    MultiNodeDialog nodes(MultiNodeValues{});
    RodDialog rod(RodValues{}, RodContext{});
    MultiRodDialog rods(MultiRodValues{});
    const std::pair<QDialog *, int> dialogs[] = {{&node, 435}, {&nodes, 439}, {&rod, 431}, {&rods, 440}};
    for (const auto &[dialog, context] : dialogs) {
        auto *box = dialog->findChild<QDialogButtonBox *>();
        ASSERT_NE(box, nullptr) << context;
        ASSERT_EQ(box->buttons().size(), 3) << context;
        EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
        QAbstractButton *help = nullptr;
        for (QAbstractButton *button : box->buttons())
            if (box->buttonRole(button) == QDialogButtonBox::HelpRole)
                help = button;
        ASSERT_NE(help, nullptr) << context;
        EXPECT_EQ(help->text(), QStringLiteral("Справка"));
        help->click();
        ASSERT_NE(HelpWindow::Instance(), nullptr);
        EXPECT_EQ(HelpWindow::Instance()->currentPage(), HelpWindow::PageForContext(context)) << context;
        HelpWindow::Instance()->hide();
    }
}

} // namespace
