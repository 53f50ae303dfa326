#include "dialogs/RodDialog.h"

#include "dialogs/NumberField.h"
#include "dialogs/RodPreview.h"
#include "model/Settings.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int RodHelpContext = 431;

// The label of a node: its number, or its position in debug mode.
int NodeLabel(int number, int position)
{
    return Settings::current().debugMode ? position : number;
}
} // namespace

RodDialog::RodDialog(const RodValues &values, const RodContext &context, QWidget *parent)
    : FieldDialog(tr("Свойства стержня"), parent), initial(values)
{
    using namespace ArrowRange;
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);
    auto *ends = new QVBoxLayout;
    top->addLayout(ends);
    beginJoints = addJointGroup(ends, true, values.beginJoint, values.beginAngle, context);
    endJoints = addJointGroup(ends, false, values.endJoint, values.endAngle, context);

    auto *side = new QVBoxLayout;
    top->addLayout(side);
    const QString beginLabel = QString::number(NodeLabel(context.beginNumber, context.beginPosition));
    const QString endLabel = QString::number(NodeLabel(context.endNumber, context.endPosition));
    auto *preview = new RodPreview(context.endX - context.beginX, context.endY - context.beginY, beginLabel,
                                   endLabel, this);
    preview->setObjectName(QStringLiteral("preview"));
    side->addWidget(preview);

    QFormLayout *material = addGroup(side, tr("Физические и геометрические характеристики"));
    addMaterialField(material, QStringLiteral("ei"), QStringLiteral("EI"))->setValue(values.EI);
    addMaterialField(material, QStringLiteral("ef"), QStringLiteral("EF"))->setValue(values.EF);
    addMaterialField(material, QStringLiteral("height"), tr("Высота, M"))->setValue(values.height);
    addMaterialField(material, QStringLiteral("mu"), tr("Мю"))->setValue(values.mu);
    addMaterialField(material, QStringLiteral("nu"), tr("К. Пуассона"))->setValue(values.nu);
    addMaterialField(material, QStringLiteral("alpha"), tr("Альфа"))->setValue(values.alpha);

    auto *loads = new QHBoxLayout;
    layout->addLayout(loads);
    QFormLayout *load = addGroup(loads, tr("Распределенная нагрузка"));
    NumberField *qx = addField(load, QStringLiteral("qx"), tr("qx, N/M"), LoadLowest, LoadHighest);
    NumberField *qy = addField(load, QStringLiteral("qy"), tr("qy, N/M"), LoadLowest, LoadHighest);
    QFormLayout *temperature = addGroup(loads, tr("Температурная нагрузка"));
    NumberField *left = addField(temperature, QStringLiteral("left"), tr("Слева"), LoadLowest, LoadHighest);
    NumberField *right =
        addField(temperature, QStringLiteral("right"), tr("Справа"), LoadLowest, LoadHighest);
    qx->setValue(values.qx);
    qy->setValue(values.qy);
    left->setValue(values.leftTemperature);
    right->setValue(values.rightTemperature);
    for (NumberField *loadField : {qx, qy, left, right})
        loadField->setEnabled(!context.loadsDisabled);

    addPropertyButtons(layout, RodHelpContext);
}

QButtonGroup *RodDialog::addJointGroup(QLayout *layout, bool atBegin, int joint, double angle,
                                       const RodContext &context)
{
    using namespace ArrowRange;
    const QString title = atBegin ? tr("Начальный узел") : tr("Конечный узел");
    const int label = atBegin ? NodeLabel(context.beginNumber, context.beginPosition)
                              : NodeLabel(context.endNumber, context.endPosition);
    QGroupBox *box = nullptr;
    QFormLayout *form = addGroup(layout, title + QStringLiteral(" [%1]").arg(label), &box);
    (atBegin ? beginBox : endBox) = box;

    auto *group = new QButtonGroup(this);
    const std::pair<int, const char *> radios[] = {
        {JointChoice::Hinge, QT_TR_NOOP("Шарнир")},
        {JointChoice::Fixed, QT_TR_NOOP("Жесткая связь")},
        {JointChoice::MovingHinge, QT_TR_NOOP("Подвижный шарнир")}};
    for (const auto &[id, text] : radios) {
        auto *radio = new QRadioButton(tr(text), box);
        group->addButton(radio, id);
        form->addRow(radio);
        // A type outside 1...3 (the sliding rigid joint of files) checks none.
        radio->setChecked(id == joint);
    }
    NumberField *angleField =
        addField(form, atBegin ? QStringLiteral("beginAngle") : QStringLiteral("endAngle"), tr("Угол, °"),
                 RodAngleLowest, RodAngleHighest);
    angleField->setValue(angle);
    // A moving hinge is a kind of support: not at a free node.
    const bool isFree = atBegin ? context.beginIsFree : context.endIsFree;
    group->button(JointChoice::MovingHinge)->setEnabled(!isFree);
    angleField->setEnabled(!isFree);
    return group;
}

RodValues RodDialog::values() const
{
    RodValues values = initial;
    // Without a chosen radio the joint stays as it was.
    if (beginJoints->checkedId() > 0)
        values.beginJoint = beginJoints->checkedId();
    if (endJoints->checkedId() > 0)
        values.endJoint = endJoints->checkedId();
    values.beginAngle = number(field(QStringLiteral("beginAngle")));
    values.endAngle = number(field(QStringLiteral("endAngle")));
    values.EI = number(field(QStringLiteral("ei")));
    values.EF = number(field(QStringLiteral("ef")));
    values.height = number(field(QStringLiteral("height")));
    values.mu = number(field(QStringLiteral("mu")));
    values.nu = number(field(QStringLiteral("nu")));
    values.alpha = number(field(QStringLiteral("alpha")));
    values.qx = number(field(QStringLiteral("qx")));
    values.qy = number(field(QStringLiteral("qy")));
    values.leftTemperature = number(field(QStringLiteral("left")));
    values.rightTemperature = number(field(QStringLiteral("right")));
    return values;
}
