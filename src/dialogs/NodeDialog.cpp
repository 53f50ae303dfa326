#include "dialogs/NodeDialog.h"

#include "dialogs/ModalRunner.h"
#include "dialogs/NumberField.h"
#include "numeric/Messages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int NodeHelpContext = 435;
constexpr int ForceOnSupportMessage = 51004;
constexpr int DisplacementOnFreeNodeMessage = 51005;
} // namespace

NodeDialog::NodeDialog(const NodeValues &values, QWidget *parent)
    : FieldDialog(tr("Свойства узла"), parent), wasFree(values.isFree)
{
    using namespace ArrowRange;
    auto *layout = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    groups->addLayout(left);
    groups->addLayout(right);
    layout->addLayout(groups);

    QFormLayout *coordinates = addGroup(left, tr("Координаты"));
    addField(coordinates, QStringLiteral("x"), tr("X, M"), LoadLowest, LoadHighest)->setValue(values.x);
    addField(coordinates, QStringLiteral("y"), tr("Y, M"), LoadLowest, LoadHighest)->setValue(values.y);
    freeBox = new QCheckBox(tr("Не связан с землей"), coordinates->parentWidget());
    freeBox->setChecked(values.isFree);
    coordinates->addRow(freeBox);

    QFormLayout *load = addGroup(left, tr("Нагрузка"));
    addField(load, QStringLiteral("fx"), tr("Сила X, N"), LoadLowest, LoadHighest)->setValue(values.fx);
    addField(load, QStringLiteral("fy"), tr("Сила Y, N"), LoadLowest, LoadHighest)->setValue(values.fy);
    addField(load, QStringLiteral("moment"), tr("Момент, N*M"), LoadLowest, LoadHighest)
        ->setValue(values.moment);

    QFormLayout *displacement = addGroup(right, tr("Перемещение"));
    addField(displacement, QStringLiteral("dx"), tr("DX, M"), LoadLowest, LoadHighest)->setValue(values.dx);
    addField(displacement, QStringLiteral("dy"), tr("DY, M"), LoadLowest, LoadHighest)->setValue(values.dy);
    addField(displacement, QStringLiteral("da"), tr("Угол, °"), LoadLowest, LoadHighest)->setValue(values.da);
    right->addStretch();

    addPropertyButtons(layout, NodeHelpContext);
    connect(freeBox, &QCheckBox::toggled, this, &NodeDialog::updateDisplacementFields);
    updateDisplacementFields();
}

void NodeDialog::updateDisplacementFields()
{
    // A free node takes no prescribed displacement.
    const bool support = !freeBox->isChecked();
    for (const char *name : {"dx", "dy", "da"})
        field(QString::fromLatin1(name))->setEnabled(support);
}

bool NodeDialog::confirm()
{
    auto anyNonZero = [this](std::initializer_list<const char *> names) {
        for (const char *name : names)
            if (number(field(QString::fromLatin1(name))) != 0.0)
                return true;
        return false;
    };
    auto clear = [this](std::initializer_list<const char *> names) {
        for (const char *name : names)
            field(QString::fromLatin1(name))->setText(QStringLiteral("0.0"));
    };
    const bool isFree = freeBox->isChecked();
    if (wasFree && !isFree && anyNonZero({"fx", "fy", "moment"})) {
        ShowWarning(QString::fromUtf8(LoadString(ForceOnSupportMessage)), this);
        clear({"fx", "fy", "moment"});
    }
    if (!wasFree && isFree && anyNonZero({"dx", "dy", "da"})) {
        ShowWarning(QString::fromUtf8(LoadString(DisplacementOnFreeNodeMessage)), this);
        clear({"dx", "dy", "da"});
    }
    return true;
}

NodeValues NodeDialog::values() const
{
    NodeValues values;
    values.x = number(field(QStringLiteral("x")));
    values.y = number(field(QStringLiteral("y")));
    values.isFree = freeBox->isChecked();
    values.fx = number(field(QStringLiteral("fx")));
    values.fy = number(field(QStringLiteral("fy")));
    values.moment = number(field(QStringLiteral("moment")));
    values.dx = number(field(QStringLiteral("dx")));
    values.dy = number(field(QStringLiteral("dy")));
    values.da = number(field(QStringLiteral("da")));
    return values;
}
