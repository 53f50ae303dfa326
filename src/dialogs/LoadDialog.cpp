#include "dialogs/LoadDialog.h"

#include "dialogs/NumberField.h"

#include <QFormLayout>
#include <QVBoxLayout>

LoadDialog::LoadDialog(const QString &title, QWidget *parent) : FieldDialog(title, parent)
{
    auto *layout = new QVBoxLayout(this);
    form = new QFormLayout;
    layout->addLayout(form);
    // The buttons go last: the factories add the fields first.
}

std::unique_ptr<LoadDialog> LoadDialog::moment(double value, QWidget *parent)
{
    using namespace ArrowRange;
    std::unique_ptr<LoadDialog> dialog(new LoadDialog(tr("Момент"), parent));
    dialog->addField(dialog->form, QStringLiteral("moment"), tr("M, N*M"), LoadLowest, LoadHighest)
        ->setValue(value);
    dialog->addOkButton(dialog->layout());
    return dialog;
}

std::unique_ptr<LoadDialog> LoadDialog::temperature(double left, double right, double height, double alpha,
                                                    QWidget *parent)
{
    using namespace ArrowRange;
    std::unique_ptr<LoadDialog> dialog(new LoadDialog(tr("Температурная нагрузка"), parent));
    QFormLayout *form = dialog->form;
    dialog->addField(form, QStringLiteral("left"), tr("Слева"), LoadLowest, LoadHighest)->setValue(left);
    dialog->addField(form, QStringLiteral("right"), tr("Справа"), LoadLowest, LoadHighest)->setValue(right);
    dialog->addMaterialField(form, QStringLiteral("height"), tr("Высота, М"))->setValue(height);
    dialog->addMaterialField(form, QStringLiteral("alpha"), tr("Альфа"))->setValue(alpha);
    dialog->addOkButton(dialog->layout());
    return dialog;
}

std::unique_ptr<LoadDialog> LoadDialog::displacement(double dx, double dy, double da, QWidget *parent)
{
    using namespace ArrowRange;
    std::unique_ptr<LoadDialog> dialog(new LoadDialog(tr("Перемещение"), parent));
    QFormLayout *form = dialog->form;
    dialog->addField(form, QStringLiteral("dx"), tr("dx, M"), LoadLowest, LoadHighest)->setValue(dx);
    dialog->addField(form, QStringLiteral("dy"), tr("dy, M"), LoadLowest, LoadHighest)->setValue(dy);
    NumberField *angle =
        dialog->addField(form, QStringLiteral("da"), tr("da, °"), NodeAngleLowest, NodeAngleHighest);
    angle->setRangeCheck(NodeAngleLowest, NodeAngleHighest);
    angle->setValue(da);
    dialog->addOkButton(dialog->layout());
    return dialog;
}

double LoadDialog::value(const char *name) const
{
    const NumberField *numberField = field(QString::fromLatin1(name));
    return numberField != nullptr ? number(numberField) : 0.0;
}
