#include "dialogs/FieldDialog.h"

#include "dialogs/ModalRunner.h"
#include "dialogs/NumberField.h"
#include "dialogs/ShowHelp.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>

FieldDialog::FieldDialog(const QString &title, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(title);
}

NumberField *FieldDialog::field(const QString &name) const
{
    for (NumberField *candidate : fields)
        if (candidate->objectName() == name)
            return candidate;
    return nullptr;
}

QFormLayout *FieldDialog::addGroup(QLayout *layout, const QString &title, QGroupBox **box)
{
    auto *group = new QGroupBox(title, this);
    auto *form = new QFormLayout(group);
    layout->addWidget(group);
    if (box != nullptr)
        *box = group;
    return form;
}

NumberField *FieldDialog::addField(QFormLayout *form, const QString &name, const QString &label,
                                   int arrowLowest, int arrowHighest)
{
    auto *numberField = new NumberField(form->parentWidget());
    numberField->setObjectName(name);
    numberField->setArrowRange(arrowLowest, arrowHighest);
    numberField->setMinimumWidth(110);
    form->addRow(label, numberField);
    fields.push_back(numberField);
    return numberField;
}

NumberField *FieldDialog::addMaterialField(QFormLayout *form, const QString &name, const QString &label)
{
    NumberField *numberField =
        addField(form, name, label, ArrowRange::MaterialLowest, ArrowRange::MaterialHighest);
    numberField->setPositiveCheck();
    return numberField;
}

void FieldDialog::addPropertyButtons(QLayout *layout, int helpContext)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    buttons->addButton(tr("Справка"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [helpContext] { ShowHelp(helpContext); });
    layout->addWidget(buttons);
}

void FieldDialog::addOkButton(QLayout *layout)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

bool FieldDialog::checkFields()
{
    for (NumberField *numberField : fields) {
        const QString refusal = numberField->check(allowEmptyFields);
        if (!refusal.isEmpty()) {
            ShowWarning(refusal, this);
            numberField->focusForCorrection();
            return false;
        }
    }
    return true;
}

double FieldDialog::number(const NumberField *numberField)
{
    return numberField->value().value_or(0.0);
}

void FieldDialog::accept()
{
    if (!checkFields() || !confirm())
        return;
    QDialog::accept();
}

void FieldDialog::showMixed(NumberField *numberField, const MixedValue &value)
{
    if (value.differs)
        numberField->setText(QString());
    else
        numberField->setValue(value.value);
}

MixedValue FieldDialog::readMixed(const NumberField *numberField)
{
    if (numberField->isEmpty())
        return MixedValue{0.0, true};
    return MixedValue{number(numberField), false};
}
