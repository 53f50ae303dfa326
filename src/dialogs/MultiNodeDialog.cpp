#include "dialogs/MultiNodeDialog.h"

#include "dialogs/NumberField.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {
constexpr int MultiNodeHelpContext = 439;
}

MultiNodeDialog::MultiNodeDialog(const MultiNodeValues &values, QWidget *parent)
    : FieldDialog(tr("Свойства нескольких узлов"), parent)
{
    using namespace ArrowRange;
    allowEmptyFields = true;
    auto *layout = new QVBoxLayout(this);

    QFormLayout *link = addGroup(layout, tr("Связь"));
    freeBox = new QCheckBox(tr("Не связан с землей"), link->parentWidget());
    freeBox->setTristate(true);
    freeBox->setCheckState(values.isFreeDiffers ? Qt::PartiallyChecked
                                                : (values.isFree ? Qt::Checked : Qt::Unchecked));
    link->addRow(freeBox);

    QFormLayout *load = addGroup(layout, tr("Нагрузка"));
    showMixed(addField(load, QStringLiteral("fx"), tr("Сила X, N"), LoadLowest, LoadHighest), values.fx);
    showMixed(addField(load, QStringLiteral("fy"), tr("Сила Y, N"), LoadLowest, LoadHighest), values.fy);
    showMixed(addField(load, QStringLiteral("moment"), tr("Момент, N*M"), LoadLowest, LoadHighest),
              values.moment);

    QFormLayout *displacement = addGroup(layout, tr("Перемещение"));
    showMixed(addField(displacement, QStringLiteral("dx"), tr("DX, M"), LoadLowest, LoadHighest), values.dx);
    showMixed(addField(displacement, QStringLiteral("dy"), tr("DY, M"), LoadLowest, LoadHighest), values.dy);
    NumberField *angle =
        addField(displacement, QStringLiteral("da"), tr("Угол, °"), NodeAngleLowest, NodeAngleHighest);
    angle->setRangeCheck(NodeAngleLowest, NodeAngleHighest);
    showMixed(angle, values.da);

    addPropertyButtons(layout, MultiNodeHelpContext);
}

MultiNodeValues MultiNodeDialog::values() const
{
    MultiNodeValues values;
    values.isFreeDiffers = freeBox->checkState() == Qt::PartiallyChecked;
    values.isFree = freeBox->checkState() == Qt::Checked;
    values.fx = readMixed(field(QStringLiteral("fx")));
    values.fy = readMixed(field(QStringLiteral("fy")));
    values.moment = readMixed(field(QStringLiteral("moment")));
    values.dx = readMixed(field(QStringLiteral("dx")));
    values.dy = readMixed(field(QStringLiteral("dy")));
    values.da = readMixed(field(QStringLiteral("da")));
    return values;
}
