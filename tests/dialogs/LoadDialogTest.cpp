// The load dialogs of the drawing modes: the polar entry of forces and
// distributed loads, the fields of the moment, temperature and displacement
// dialogs, and their refusals.

#include "dialogs/LoadDialog.h"

#include "dialogs/ModalScript.h"
#include "dialogs/PolarLoadDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

void ExpectRelative(double expected, double actual, const char *what)
{
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << what;
}

TEST(PolarLoadDialogTest, ConvertsBetweenComponentsAndMagnitudeWithAngle)
{
    double x = 1;
    double y = 1;
    PolarLoadDialog::toCartesian(10, 90, x, y);
    EXPECT_EQ(x, 0.0) << "the cosine residue is dropped";
    EXPECT_EQ(y, 10.0);

    double magnitude = 0;
    double angle = 0;
    PolarLoadDialog::toPolar(3, -4, magnitude, angle);
    ExpectRelative(5.0, magnitude, "magnitude");
    ExpectRelative(-53.13010235415598, angle, "angle below the axis is negative");
    PolarLoadDialog::toCartesian(magnitude, angle, x, y);
    ExpectRelative(3.0, x, "x back");
    ExpectRelative(-4.0, y, "y back");

    PolarLoadDialog::toPolar(0, 0, magnitude, angle);
    EXPECT_EQ(magnitude, 0.0);
    EXPECT_EQ(angle, 0.0);
    PolarLoadDialog::toPolar(-2, 0, magnitude, angle);
    ExpectRelative(180.0, angle, "pointing left");
}

TEST(PolarLoadDialogTest, QuarterTurnsGiveExactComponents)
{
    // The cosine and sine residues of the quarter turns (about 1e-16 times
    // the magnitude) must not reach the model as tiny loads.
    struct Case {
        const char *angle;
        double x;
        double y;
    };
    const Case cases[] = {{"0", 10, 0},   {"90", 0, 10},   {"180", -10, 0},  {"270", 0, -10},
                          {"360", 10, 0}, {"-90", 0, -10}, {"-180", -10, 0}, {"450", 0, 10}};
    for (const Case &c : cases) {
        double x = 1;
        double y = 1;
        PolarLoadDialog::toCartesian(10, QString::fromLatin1(c.angle).toDouble(), x, y);
        EXPECT_EQ(x, c.x) << c.angle;
        EXPECT_EQ(y, c.y) << c.angle;

        // Entered in the dialog and confirmed in polar form.
        ModalScript script;
        PolarLoadDialog dialog(PolarLoadDialog::Kind::DistributedLoad, 0, 0);
        dialog.polarCheckBox()->click();
        ASSERT_TRUE(dialog.isPolar());
        dialog.field("first")->setText(QStringLiteral("10"));
        dialog.field("second")->setText(QString::fromLatin1(c.angle));
        ASSERT_EQ(PressOk(dialog), QDialog::Accepted) << c.angle;
        EXPECT_EQ(dialog.x(), c.x) << c.angle;
        EXPECT_EQ(dialog.y(), c.y) << c.angle;
        EXPECT_EQ(dialog.field("first")->text(), NumberField::format(c.x)) << "no 6.1e-16 left in the field";
    }
}

TEST(PolarLoadDialogTest, TheCheckBoxSwitchesFieldsAndLabelsAndOkGivesComponents)
{
    struct Case {
        PolarLoadDialog::Kind kind;
        const char *title;
        const char *cartesian[2];
        const char *polar[2];
    };
    const Case cases[] = {
        {PolarLoadDialog::Kind::Force, "Сила", {"Fx, N", "Fy, N"}, {"F, N", "Угол"}},
        {PolarLoadDialog::Kind::DistributedLoad,
         "Распределенная нагрузка",
         {"qx, N/M", "qy, N/M"},
         {"q, N/M", "Угол"}},
    };
    for (const Case &c : cases) {
        ModalScript script;
        PolarLoadDialog dialog(c.kind, 3, -4);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(dialog.label(0), QString::fromUtf8(c.cartesian[0]));
        EXPECT_EQ(dialog.label(1), QString::fromUtf8(c.cartesian[1]));
        EXPECT_EQ(dialog.polarCheckBox()->text(), QStringLiteral("Под углом"));

        dialog.polarCheckBox()->click();
        EXPECT_TRUE(dialog.isPolar());
        EXPECT_EQ(dialog.label(0), QString::fromUtf8(c.polar[0]));
        EXPECT_EQ(dialog.label(1), QString::fromUtf8(c.polar[1]));
        EXPECT_EQ(dialog.field("first")->text(), QStringLiteral("5"));
        EXPECT_TRUE(dialog.field("second")->text().startsWith(QStringLiteral("-53.13")));

        // Entered in polar form, confirmed: the caller gets the components.
        dialog.field("first")->setText(QStringLiteral("10"));
        dialog.field("second")->setText(QStringLiteral("90"));
        ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
        EXPECT_EQ(dialog.x(), 0.0);
        EXPECT_EQ(dialog.y(), 10.0);
        EXPECT_TRUE(script.messages.empty());
    }
}

TEST(PolarLoadDialogTest, SwitchingWithTextThatIsNotANumberConvertsNothingAndKeepsTheForm)
{
    ModalScript script;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::Force, 1, 2);
    dialog.field("second")->setText(QStringLiteral("abc"));
    dialog.polarCheckBox()->click();
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0], QStringLiteral("Введите число."));
    EXPECT_FALSE(dialog.isPolar());
    EXPECT_FALSE(dialog.polarCheckBox()->isChecked()) << "the box shows the form the numbers are in";
    EXPECT_EQ(dialog.field("first")->text(), QStringLiteral("1"));

    dialog.field("second")->setText(QStringLiteral("2"));
    ASSERT_EQ(PressOk(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.x(), 1.0) << "components stay components";
    EXPECT_EQ(dialog.y(), 2.0);
}

TEST(LoadDialogTest, EachDialogShowsItsFieldsAndHasOnlyOk)
{
    const auto moment = LoadDialog::moment(-2.5);
    const auto temperature = LoadDialog::temperature(10, -5, 0.4, 1.2e-5);
    const auto displacement = LoadDialog::displacement(0.01, 0, 30);
    EXPECT_EQ(moment->windowTitle(), QStringLiteral("Момент"));
    EXPECT_EQ(temperature->windowTitle(), QStringLiteral("Температурная нагрузка"));
    EXPECT_EQ(displacement->windowTitle(), QStringLiteral("Перемещение"));
    EXPECT_EQ(moment->field("moment")->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(temperature->field("alpha")->text(), QStringLiteral("1.2e-05"));
    EXPECT_EQ(temperature->field("height")->arrowMinimum(), 0);
    EXPECT_EQ(displacement->field("da")->text(), QStringLiteral("30"));
    for (QDialog *dialog : {static_cast<QDialog *>(moment.get()), static_cast<QDialog *>(temperature.get()),
                            static_cast<QDialog *>(displacement.get())}) {
        const auto boxes = dialog->findChildren<QDialogButtonBox *>();
        ASSERT_EQ(boxes.size(), 1) << dialog->windowTitle().toStdString();
        EXPECT_EQ(boxes[0]->buttons().size(), 1) << dialog->windowTitle().toStdString();
        EXPECT_NE(boxes[0]->button(QDialogButtonBox::Ok), nullptr);
    }

    ModalScript script;
    temperature->field("left")->setText(QStringLiteral("12,5"));
    ASSERT_EQ(PressOk(*temperature), QDialog::Accepted);
    EXPECT_EQ(temperature->value("left"), 12.5);
    EXPECT_EQ(temperature->value("right"), -5.0);
    EXPECT_EQ(temperature->value("height"), 0.4);
}

TEST(LoadDialogTest, EscapeAndTheCloseBoxCancelTheLoadDialogs)
{
    std::vector<std::unique_ptr<FieldDialog>> dialogs;
    dialogs.push_back(std::make_unique<PolarLoadDialog>(PolarLoadDialog::Kind::Force, 1, 2));
    dialogs.push_back(std::make_unique<PolarLoadDialog>(PolarLoadDialog::Kind::DistributedLoad, 1, 2));
    dialogs.push_back(LoadDialog::moment(1));
    dialogs.push_back(LoadDialog::temperature(1, 2, 1, 1));
    dialogs.push_back(LoadDialog::displacement(0, 0, 1));
    for (const auto &dialog : dialogs) {
        const std::string title = dialog->windowTitle().toStdString();
        dialog->show();
        dialog->setResult(QDialog::Accepted);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << title << ": Escape";
        EXPECT_FALSE(dialog->isVisible()) << title;

        dialog->show();
        dialog->setResult(QDialog::Accepted);
        EXPECT_TRUE(dialog->close()) << title;
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << title << ": close box";
    }
}

TEST(LoadDialogTest, TheDisplacementAngleIsCheckedAgainstItsRange)
{
    ModalScript script;
    const auto dialog = LoadDialog::displacement(0, 0, 0);
    for (const char *text : {"180.5", "-181", "x"}) {
        dialog->field("da")->setText(QString::fromLatin1(text));
        EXPECT_NE(PressOk(*dialog), QDialog::Accepted) << text;
    }
    ASSERT_EQ(script.messages.size(), 3u);
    EXPECT_EQ(script.messages[0], QStringLiteral("Введите число от -180 до 180."));
    EXPECT_EQ(script.messages[2], QStringLiteral("Введите число."));
    dialog->field("da")->setText(QStringLiteral("180"));
    EXPECT_EQ(PressOk(*dialog), QDialog::Accepted);
    EXPECT_EQ(dialog->value("da"), 180.0);
}

} // namespace
