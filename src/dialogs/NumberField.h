#pragma once

#include <QAbstractSpinBox>
#include <optional>

// An edit box for one real number with up-down arrows. The text is free
// while typing; a dialog checks it when confirmed (check()). Numbers are
// shown with up to 15 significant digits and read with a decimal point
// whatever the locale (a decimal comma is accepted too). The arrows, the
// Up and Down keys and the wheel step by whole units within the arrow range.
class NumberField : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit NumberField(QWidget *parent = nullptr);

    // The range of the arrows (whole units).
    void setArrowRange(int lowest, int highest);
    int arrowMinimum() const { return arrowLowest; }
    int arrowMaximum() const { return arrowHighest; }
    // A number outside [lowest, highest] is refused when the dialog is confirmed.
    void setRangeCheck(double lowest, double highest);
    bool hasRangeCheck() const { return rangeChecked; }
    // A number that is not above 0 is refused when the dialog is confirmed
    // (rigidities, section height, material coefficients).
    void setPositiveCheck() { positiveChecked = true; }
    bool hasPositiveCheck() const { return positiveChecked; }

    void setValue(double value);
    void setText(const QString &text);
    bool isEmpty() const;
    // The number in the field, or nothing when the text is not a number.
    std::optional<double> value() const;

    // The refusal of the current text in the interface language ("Введите
    // число.", "Введите число от %1 до %2.", "Введите положительное число.";
    // in English "Please enter a number." and so on), empty when the text is
    // acceptable. An empty field is acceptable only where allowEmpty says so
    // (the multiple dialogs).
    QString check(bool allowEmpty = false) const;
    // Puts the focus on the field with its text selected (after a refusal).
    void focusForCorrection();

    void stepBy(int steps) override;

    // The text of a number as the fields show it: up to 15 significant digits.
    static QString format(double value);
    // A finite number written with a decimal point or a decimal comma,
    // blanks around it allowed; nothing for any other text.
    static std::optional<double> parse(const QString &text);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    StepEnabled stepEnabled() const override;

private:
    int arrowLowest = -16960;
    int arrowHighest = 16960;
    bool rangeChecked = false;
    bool positiveChecked = false;
    double rangeLowest = 0.0;
    double rangeHighest = 0.0;
};
