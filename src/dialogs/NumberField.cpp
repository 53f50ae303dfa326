#include "dialogs/NumberField.h"

#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <cmath>

NumberField::NumberField(QWidget *parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(true);
}

void NumberField::setArrowRange(int lowest, int highest)
{
    arrowLowest = std::min(lowest, highest);
    arrowHighest = std::max(lowest, highest);
}

void NumberField::setRangeCheck(double lowest, double highest)
{
    rangeChecked = true;
    rangeLowest = lowest;
    rangeHighest = highest;
}

QString NumberField::format(double value)
{
    // No "-0" for a zero that came out of arithmetic.
    if (value == 0.0)
        value = 0.0;
    return QString::number(value, 'g', 15);
}

std::optional<double> NumberField::parse(const QString &text)
{
    QString number = text.trimmed();
    if (number.isEmpty())
        return std::nullopt;
    // A decimal comma is taken for a point; with both there is no telling.
    if (number.contains(QLatin1Char(','))) {
        if (number.contains(QLatin1Char('.')) || number.count(QLatin1Char(',')) > 1)
            return std::nullopt;
        number.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    // Infinities and NaN would reach coordinates and loads: not numbers here.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void NumberField::setValue(double value)
{
    setText(format(value));
}

void NumberField::setText(const QString &text)
{
    lineEdit()->setText(text);
}

bool NumberField::isEmpty() const
{
    return text().trimmed().isEmpty();
}

std::optional<double> NumberField::value() const
{
    return parse(text());
}

QString NumberField::check(bool allowEmpty) const
{
    if (allowEmpty && isEmpty())
        return QString();
    const std::optional<double> number = value();
    if (!number)
        return tr("Введите число.");
    if (rangeChecked && (*number < rangeLowest || *number > rangeHighest))
        return tr("Введите число от %1 до %2.").arg(format(rangeLowest), format(rangeHighest));
    if (positiveChecked && !(*number > 0.0))
        return tr("Введите положительное число.");
    return QString();
}

void NumberField::focusForCorrection()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void NumberField::stepBy(int steps)
{
    // Whole units: from 2.5 one step up is 3 and one step down is 2; a
    // text that is not a number steps from 0.
    const double current = value().value_or(0.0);
    double next = steps > 0 ? std::floor(current) + steps : std::ceil(current) + steps;
    next = std::clamp(next, double(arrowLowest), double(arrowHighest));
    setValue(next);
    selectAll();
}

QValidator::State NumberField::validate(QString &, int &) const
{
    // Anything may be typed; the dialog refuses what is not a number.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const
{
    const double current = value().value_or(0.0);
    StepEnabled enabled = StepNone;
    if (current < arrowHighest)
        enabled |= StepUpEnabled;
    if (current > arrowLowest)
        enabled |= StepDownEnabled;
    return enabled;
}
