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
    : FieldDialog(QStringLiteral("Свойства узла"), parent), wasFree(values.isFree)
{
    using namespace ArrowRange;
    auto *layout = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    groups->addLayout(left);
    groups->addLayout(right);
    layout->addLayout(groups);

    QFormLayout *coordinates = addGroup(left, QStringLiteral("Координаты"));
    addField(coordinates, QStringLiteral("x"), QStringLiteral("X, M"), LoadLowest, LoadHighest)
        ->setValue(values.x);
    addField(coordinates, QStringLiteral("y"), QStringLiteral("Y, M"), LoadLowest, LoadHighest)
        ->setValue(values.y);
    freeBox = new QCheckBox(QStringLiteral("Не связан с землей"), coordinates->parentWidget());
    freeBox->setChecked(values.isFree);
    coordinates->addRow(freeBox);

    QFormLayout *load = addGroup(left, QStringLiteral("Нагрузка"));
    addField(load, QStringLiteral("fx"), QStringLiteral("Сила X, N"), LoadLowest, LoadHighest)
        ->setValue(values.fx);
    addField(load, QStringLiteral("fy"), QStringLiteral("Сила Y, N"), LoadLowest, LoadHighest)
        ->setValue(values.fy);
    addField(load, QStringLiteral("moment"), QStringLiteral("Момент, N*M"), LoadLowest, LoadHighest)
        ->setValue(values.moment);

    QFormLayout *displacement = addGroup(right, QStringLiteral("Перемещение"));
    addField(displacement, QStringLiteral("dx"), QStringLiteral("DX, M"), LoadLowest, LoadHighest)
        ->setValue(values.dx);
    addField(displacement, QStringLiteral("dy"), QStringLiteral("DY, M"), LoadLowest, LoadHighest)
        ->setValue(values.dy);
    addField(displacement, QStringLiteral("da"), QStringLiteral("Угол, °"), LoadLowest, LoadHighest)
        ->setValue(values.da);
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
