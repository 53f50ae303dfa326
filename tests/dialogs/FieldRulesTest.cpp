// The field rules of every property and load dialog: the arrow range of
// each field by its kind, which fields check their range or ask for a
// positive number on OK, and the refusal that keeps the dialog open with
// the focus on the refused field.

#include "dialogs/LoadDialog.h"
#include "dialogs/ModalScript.h"
#include "dialogs/MultiNodeDialog.h"
#include "dialogs/MultiRodDialog.h"
#include "dialogs/NodeDialog.h"
#include "dialogs/NumberField.h"
#include "dialogs/PolarLoadDialog.h"
#include "dialogs/RodDialog.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Rule {
    const char *field;
    int lowest;
    int highest;
    bool rangeChecked;     // refused on OK outside [lowest, highest]
    bool positive = false; // refused on OK unless above 0
};

constexpr int L = 16960; // loads, displacements, temperatures
Rule Load(const char *name)
{
    return Rule{name, -L, L, false};
}
Rule Material(const char *name)
{
    return Rule{name, 0, L, false, true};
}

struct DialogRules {
    std::unique_ptr<FieldDialog> dialog;
    std::vector<Rule> rules;
};

std::vector<DialogRules> AllDialogs()
{
    std::vector<DialogRules> all;
    all.push_back(
        {std::make_unique<NodeDialog>(NodeValues{}),
         // The rotation of a single node steps over the load range.
         {Load("x"), Load("y"), Load("fx"), Load("fy"), Load("moment"), Load("dx"), Load("dy"), Load("da")}});
    all.push_back(
        {std::make_unique<MultiNodeDialog>(MultiNodeValues{}),
         {Load("fx"), Load("fy"), Load("moment"), Load("dx"), Load("dy"), {"da", -180, 180, true}}});
    all.push_back({std::make_unique<RodDialog>(RodValues{}, RodContext{}),
                   {{"beginAngle", -179, 180, false},
                    {"endAngle", -179, 180, false},
                    Material("ei"),
                    Material("ef"),
                    Material("height"),
                    Material("mu"),
                    Material("nu"),
                    Material("alpha"),
                    Load("qx"),
                    Load("qy"),
                    Load("left"),
                    Load("right")}});
    all.push_back({std::make_unique<MultiRodDialog>(MultiRodValues{}),
                   {{"beginAngle", -179, 180, false},
                    {"endAngle", -179, 180, false},
                    Load("qx"),
                    Load("qy"),
                    Load("left"),
                    Load("right"),
                    Material("ei"),
                    Material("ef"),
                    Material("height"),
                    Material("alpha"),
                    Material("nu"),
                    Material("mu")}});
    all.push_back({std::make_unique<PolarLoadDialog>(PolarLoadDialog::Kind::Force, 0, 0),
                   {Load("first"), Load("second")}});
    all.push_back({std::make_unique<PolarLoadDialog>(PolarLoadDialog::Kind::DistributedLoad, 0, 0),
                   {Load("first"), Load("second")}});
    all.push_back({LoadDialog::moment(0), {Load("moment")}});
    all.push_back({LoadDialog::temperature(0, 0, 1, 1),
                   {Load("left"), Load("right"), Material("height"), Material("alpha")}});
    all.push_back({LoadDialog::displacement(0, 0, 0), {Load("dx"), Load("dy"), {"da", -180, 180, true}}});
    return all;
}

TEST(FieldRulesTest, EveryFieldStepsWithinTheRangeOfItsKind)
{
    for (const DialogRules &entry : AllDialogs()) {
        const std::string title = entry.dialog->windowTitle().toStdString();
        for (const Rule &rule : entry.rules) {
            NumberField *field = entry.dialog->field(QString::fromLatin1(rule.field));
            ASSERT_NE(field, nullptr) << title << " " << rule.field;
            EXPECT_EQ(field->arrowMinimum(), rule.lowest) << title << " " << rule.field;
            EXPECT_EQ(field->arrowMaximum(), rule.highest) << title << " " << rule.field;
            EXPECT_EQ(field->hasRangeCheck(), rule.rangeChecked) << title << " " << rule.field;
            EXPECT_EQ(field->hasPositiveCheck(), rule.positive) << title << " " << rule.field;

            // The arrows step by whole units and stop at the ends of the range.
            field->setText(QStringLiteral("0.25"));
            field->stepBy(1);
            EXPECT_EQ(field->text(), QStringLiteral("1")) << title << " " << rule.field;
            field->setValue(rule.highest - 0.5);
            field->stepBy(3);
            EXPECT_EQ(*field->value(), double(rule.highest)) << title << " " << rule.field;
            field->setValue(rule.lowest + 0.5);
            field->stepBy(-3);
            EXPECT_EQ(*field->value(), double(rule.lowest)) << title << " " << rule.field;
        }
    }
}

// OK with a refused field: the message, the dialog still open, the focus on
// that field; after the correction OK closes the dialog. Both decimal
// separators are taken.
TEST(FieldRulesTest, ARefusedFieldKeepsTheDialogOpenWithTheFocusOnIt)
{
    struct Case {
        const char *field;
        const char *wrong;
        const char *message;
        const char *right;
    };
    for (DialogRules &entry : AllDialogs()) {
        FieldDialog &dialog = *entry.dialog;
        const std::string title = dialog.windowTitle().toStdString();
        for (const Rule &rule : entry.rules) {
            NumberField *field = dialog.field(QString::fromLatin1(rule.field));
            if (!field->isEnabled())
                continue; // the displacement of a free node cannot be typed into
            std::vector<Case> cases = {{rule.field, "1.5x", "Введите число.", "2,5"}};
            if (rule.rangeChecked)
                cases.push_back({rule.field, "180.001", "Введите число от -180 до 180.", "-180"});
            if (rule.positive) {
                cases.push_back({rule.field, "0", "Введите положительное число.", "1e-6"});
                cases.push_back({rule.field, "-3", "Введите положительное число.", "16961"});
            }
            for (const Case &c : cases) {
                dialog.show();
                QApplication::setActiveWindow(&dialog);
                ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << title;
                const QString saved = field->text();
                ModalScript script;
                field->setText(QString::fromLatin1(c.wrong));
                dialog.setResult(QDialog::Rejected); // what the last OK left
                dialog.accept();
                EXPECT_EQ(dialog.result(), QDialog::Rejected) << title << " " << c.field;
                EXPECT_TRUE(dialog.isVisible()) << title << " " << c.field;
                ASSERT_EQ(script.messages.size(), 1u) << title << " " << c.field;
                EXPECT_EQ(script.messages[0], QString::fromUtf8(c.message)) << title << " " << c.field;
                EXPECT_TRUE(field->hasFocus()) << title << " " << c.field;

                field->setText(QString::fromLatin1(c.right));
                const double expected = QString::fromLatin1(c.right).replace(',', '.').toDouble();
                EXPECT_EQ(field->value(), expected) << title << " " << c.field;
                dialog.accept();
                EXPECT_EQ(dialog.result(), QDialog::Accepted) << title << " " << c.field;
                EXPECT_EQ(script.messages.size(), 1u) << title << " " << c.field << ": no further message";
                field->setText(saved);
            }
        }
    }
}

} // namespace
