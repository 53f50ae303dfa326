#include "dialogs/MultiRodDialog.h"

#include "dialogs/NumberField.h"
#include "dialogs/RodDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int MultiRodHelpContext = 440;
}

MultiRodDialog::MultiRodDialog(const MultiRodValues &values, QWidget *parent)
    : FieldDialog(tr("Свойства нескольких стержней"), parent)
{
    using namespace ArrowRange;
    allowEmptyFields = true;
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    layout->addLayout(columns);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    beginJoints = addJointGroup(left, true, values.beginJoint, values.beginJointDiffers, values.beginAngle);
    endJoints = addJointGroup(left, false, values.endJoint, values.endJointDiffers, values.endAngle);

    QFormLayout *load = addGroup(left, tr("Распределенная нагрузка"));
    showMixed(addField(load, QStringLiteral("qx"), tr("X, N/M"), LoadLowest, LoadHighest), values.qx);
    showMixed(addField(load, QStringLiteral("qy"), tr("Y, N/M"), LoadLowest, LoadHighest), values.qy);

    QFormLayout *temperature = addGroup(right, tr("Температурное воздействие"));
    showMixed(addField(temperature, QStringLiteral("left"), tr("Слева"), LoadLowest, LoadHighest),
              values.leftTemperature);
    showMixed(addField(temperature, QStringLiteral("right"), tr("Справа"), LoadLowest, LoadHighest),
              values.rightTemperature);

    QFormLayout *material = addGroup(right, tr("Материал"));
    showMixed(addMaterialField(material, QStringLiteral("ei"), QStringLiteral("EI")), values.EI);
    showMixed(addMaterialField(material, QStringLiteral("ef"), QStringLiteral("EF")), values.EF);
    showMixed(addMaterialField(material, QStringLiteral("height"), tr("Высота, M")), values.height);

    QFormLayout *physics = addGroup(right, tr("Физические характеристики"));
    showMixed(addMaterialField(physics, QStringLiteral("alpha"), tr("Альфа")), values.alpha);
    showMixed(addMaterialField(physics, QStringLiteral("nu"), tr("К. Пуассона")), values.nu);
    showMixed(addMaterialField(physics, QStringLiteral("mu"), tr("Мю")), values.mu);

    addPropertyButtons(layout, MultiRodHelpContext);
}

QButtonGroup *MultiRodDialog::addJointGroup(QLayout *layout, bool atBegin, int joint, bool differs,
                                            const MixedValue &angle)
{
    using namespace ArrowRange;
    QGroupBox *box = nullptr;
    QFormLayout *form = addGroup(layout, atBegin ? tr("Начальный узел") : tr("Конечный узел"), &box);
    auto *group = new QButtonGroup(this);
    const std::pair<int, const char *> radios[] = {{JointChoice::Hinge, QT_TR_NOOP("Шарнир")},
                                                   {JointChoice::Fixed, QT_TR_NOOP("Жесткая связь")}};
    for (const auto &[id, text] : radios) {
        auto *radio = new QRadioButton(tr(text), box);
        group->addButton(radio, id);
        form->addRow(radio);
        // Only a joint these radios can show is chosen: a shared moving
        // hinge must not become a hinge by a confirmation alone.
        radio->setChecked(!differs && joint == id);
    }
    NumberField *angleField =
        addField(form, atBegin ? QStringLiteral("beginAngle") : QStringLiteral("endAngle"), tr("Поворот, °"),
                 RodAngleLowest, RodAngleHighest);
    showMixed(angleField, angle);
    return group;
}

MultiRodValues MultiRodDialog::values() const
{
    MultiRodValues values;
    values.beginJoint = std::max(0, beginJoints->checkedId());
    values.beginJointDiffers = values.beginJoint == JointChoice::None;
    values.endJoint = std::max(0, endJoints->checkedId());
    values.endJointDiffers = values.endJoint == JointChoice::None;
    values.beginAngle = readMixed(field(QStringLiteral("beginAngle")));
    values.endAngle = readMixed(field(QStringLiteral("endAngle")));
    values.qx = readMixed(field(QStringLiteral("qx")));
    values.qy = readMixed(field(QStringLiteral("qy")));
    values.leftTemperature = readMixed(field(QStringLiteral("left")));
    values.rightTemperature = readMixed(field(QStringLiteral("right")));
    values.EI = readMixed(field(QStringLiteral("ei")));
    values.EF = readMixed(field(QStringLiteral("ef")));
    values.height = readMixed(field(QStringLiteral("height")));
    values.alpha = readMixed(field(QStringLiteral("alpha")));
    values.nu = readMixed(field(QStringLiteral("nu")));
    values.mu = readMixed(field(QStringLiteral("mu")));
    return values;
}
