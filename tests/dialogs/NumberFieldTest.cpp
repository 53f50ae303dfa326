// The number field of every dialog: reading with a point or a comma,
// showing 15 significant digits, the refusals on OK and the arrows.

#include "dialogs/NumberField.h"

#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(NumberFieldTest, ReadsNumbersWithAPointOrACommaAndNothingElse)
{
    struct Case {
        const char *text;
        bool isNumber;
        double value;
    };
    const Case cases[] = {
        {"12.5", true, 12.5}, {" -3,25 ", true, -3.25}, {"1e3", true, 1000.0}, {"-0.001", true, -0.001},
        {"7", true, 7.0},     {"", false, 0},           {"   ", false, 0},     {"abc", false, 0},
        {"1.5.2", false, 0},  {"1,5.2", false, 0},      {"1,5,2", false, 0},   {"12abc", false, 0},
        {"inf", false, 0},    {"nan", false, 0},        {"1e999", false, 0},
    };
    for (const Case &c : cases) {
        const std::optional<double> value = NumberField::parse(QString::fromLatin1(c.text));
        EXPECT_EQ(value.has_value(), c.isNumber) << c.text;
        if (value && c.isNumber) {
            EXPECT_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(NumberFieldTest, ShowsUpToFifteenSignificantDigitsWithAPoint)
{
    EXPECT_EQ(NumberField::format(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(NumberField::format(-2.5), QStringLiteral("-2.5"));
    EXPECT_EQ(NumberField::format(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(NumberField::format(-0.0), QStringLiteral("0"));
    // What is shown reads back to the same 15 digits.
    const double value = 53.13010235415598;
    EXPECT_NEAR(*NumberField::parse(NumberField::format(value)), value, 1e-13 * value);
}

TEST(NumberFieldTest, RefusesTextThatIsNotANumberAndNumbersOutOfItsRange)
{
    NumberField field;
    field.setText(QStringLiteral("x"));
    EXPECT_EQ(field.check(), QStringLiteral("Введите число."));
    field.setText(QString());
    EXPECT_EQ(field.check(), QStringLiteral("Введите число."));
    EXPECT_TRUE(field.check(true).isEmpty()) << "the multiple dialogs allow an empty field";

    field.setRangeCheck(-180, 180);
    field.setValue(180.5);
    EXPECT_EQ(field.check(), QStringLiteral("Введите число от -180 до 180."));
    field.setValue(-180);
    EXPECT_TRUE(field.check().isEmpty());
    field.setText(QStringLiteral("12,5"));
    EXPECT_TRUE(field.check().isEmpty());
    EXPECT_EQ(*field.value(), 12.5);
}

TEST(NumberFieldTest, ArrowsStepByWholeUnitsWithinTheirRange)
{
    NumberField field;
    field.setArrowRange(-179, 180);
    struct Case {
        const char *start;
        int steps;
        const char *expected;
    };
    const Case cases[] = {
        {"2.5", 1, "3"},     {"2.5", -1, "2"},     {"2", 1, "3"},    {"-2.5", -1, "-3"},
        {"179.5", 3, "180"}, {"-178", -5, "-179"}, {"junk", 1, "1"}, {"5", 10, "15"},
    };
    for (const Case &c : cases) {
        field.setText(QString::fromLatin1(c.start));
        field.stepBy(c.steps);
        EXPECT_EQ(field.text(), QString::fromLatin1(c.expected)) << c.start << " by " << c.steps;
    }
    // The Up key steps like the arrow.
    field.setValue(4);
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), QStringLiteral("5"));
}

} // namespace
