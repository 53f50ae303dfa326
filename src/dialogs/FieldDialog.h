#pragma once

#include "document/ElementValues.h"

#include <QDialog>
#include <vector>

class NumberField;
class QFormLayout;
class QGroupBox;
class QLayout;

// Arrow ranges of the number fields (whole units).
namespace ArrowRange {
constexpr int LoadLowest = -16960; // loads, displacements, temperatures, coordinates
constexpr int LoadHighest = 16960;
constexpr int MaterialLowest = 0; // rod material values
constexpr int MaterialHighest = 16960;
constexpr int NodeAngleLowest = -180;
constexpr int NodeAngleHighest = 180;
constexpr int RodAngleLowest = -179;
constexpr int RodAngleHighest = 180;
} // namespace ArrowRange

// Base of the property and load dialogs: labelled number fields in groups,
// and the check of every field when the dialog is confirmed. A field that
// is not a number (or is out of its checked range) is refused with a
// warning; the dialog then stays open with the focus on that field.
class FieldDialog : public QDialog {
    Q_OBJECT

public:
    explicit FieldDialog(const QString &title, QWidget *parent = nullptr);

    // The field of an object name ("fx", "ei", ...), or nullptr.
    NumberField *field(const QString &name) const;

    // Checks the fields, then runs confirm(); closes only when both agree.
    void accept() override;

protected:
    // A group box with a form of its own, added to `layout`.
    QFormLayout *addGroup(QLayout *layout, const QString &title, QGroupBox **box = nullptr);
    NumberField *addField(QFormLayout *form, const QString &name, const QString &label, int arrowLowest,
                          int arrowHighest);
    // A rod material or section value: arrows 0...16960, and only a number
    // above 0 is accepted (a rigidity of 0 or below gives no sound result,
    // and a structure file could not keep it).
    NumberField *addMaterialField(QFormLayout *form, const QString &name, const QString &label);
    // OK, "Отмена" and "Справка" (property dialogs) or OK alone (load
    // dialogs, which Escape and the close box cancel).
    void addPropertyButtons(QLayout *layout, int helpContext);
    void addOkButton(QLayout *layout);

    // Empty fields pass the check in the multiple dialogs.
    bool allowEmptyFields = false;

    // Runs after every field passed its check, before the dialog closes;
    // false keeps it open.
    virtual bool confirm() { return true; }
    // Checks every field in order; false after the first refusal was shown.
    bool checkFields();
    // The number of a field that passed its check (0 for an allowed empty one).
    static double number(const NumberField *field);
    // Shows a mixed value (empty when it differs) and reads it back.
    static void showMixed(NumberField *field, const MixedValue &value);
    static MixedValue readMixed(const NumberField *field);

private:
    std::vector<NumberField *> fields;
};
