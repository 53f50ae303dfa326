#include "dialogs/OptionsDialog.h"

#include "dialogs/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int OptionsHelpContext = 432;

// Steps divide coordinates and must stay positive.
constexpr double StepLowest = 1e-10;
constexpr double StepHighest = 1e10;
constexpr double ValueLowest = 0.0;
constexpr double ValueHighest = 1e10;

constexpr int JointHinge = 1;
constexpr int JointRigid = 2;

} // namespace

OptionsDialog::OptionsDialog(const Settings &settings, QWidget *parent) : FieldDialog(tr("Параметры"), parent)
{
    auto *layout = new QVBoxLayout(this);

    QFormLayout *display = addGroup(layout, tr("Параметры дисплея"));
    NumberField *gridStep = addField(display, QStringLiteral("gridStep"), tr("Шаг сетки"),
                                     ArrowRange::MaterialLowest, ArrowRange::MaterialHighest);
    showNumbers = new QCheckBox(tr("Показывать номера"), display->parentWidget());
    display->addRow(showNumbers);
    NumberField *mouseStep = addField(display, QStringLiteral("mouseStep"), tr("Шаг мышки"),
                                      ArrowRange::MaterialLowest, ArrowRange::MaterialHighest);
    showGrid = new QCheckBox(tr("Показывать сетку"), display->parentWidget());
    display->addRow(showGrid);
    // Steps of whole metres make no sense for steps of a fraction of one.
    for (NumberField *step : {gridStep, mouseStep}) {
        step->setButtonSymbols(QAbstractSpinBox::NoButtons);
        step->setRangeCheck(StepLowest, StepHighest);
    }

    QFormLayout *rods = addGroup(layout, tr("Параметры для новых стержней"));
    auto *joint = new QGroupBox(tr("Тип связи"), rods->parentWidget());
    hinge = new QRadioButton(tr("Шарнир"), joint);
    rigid = new QRadioButton(tr("Жесткая"), joint);
    auto *jointLayout = new QHBoxLayout(joint);
    jointLayout->addWidget(hinge);
    jointLayout->addWidget(rigid);
    rods->addRow(joint);
    const struct {
        const char *name;
        const char *label;
    } values[] = {{"EI", QT_TR_NOOP("EI")},          {"EF", QT_TR_NOOP("EF")},
                  {"H", QT_TR_NOOP("Высота, M")},    {"alpha", QT_TR_NOOP("Альфа")},
                  {"NU", QT_TR_NOOP("К. Пуассона")}, {"MU", QT_TR_NOOP("Mu")}};
    for (const auto &value : values) {
        NumberField *field = addField(rods, QString::fromLatin1(value.name), tr(value.label),
                                      ArrowRange::MaterialLowest, ArrowRange::MaterialHighest);
        field->setRangeCheck(ValueLowest, ValueHighest);
        // A new rod with a rigidity, height or factor of 0 could not be
        // calculated, and its file would read back with other values.
        field->setPositiveCheck();
    }

    QFormLayout *calculation = addGroup(layout, tr("Расчет"));
    axialCompliance = new QCheckBox(tr("Учитывать продольные деформации"), calculation->parentWidget());
    calculation->addRow(axialCompliance);
    logEnabled = new QCheckBox(tr("Вести журнал расчета (может замедлить расчет)"),
                               calculation->parentWidget());
    calculation->addRow(logEnabled);

    // Each language by its own name, as language lists show them.
    QFormLayout *languageGroup = addGroup(layout, tr("Интерфейс"));
    language = new QComboBox(languageGroup->parentWidget());
    language->addItem(tr("Как в системе"));
    language->addItem(QStringLiteral("Русский"));
    language->addItem(QStringLiteral("English"));
    language->setToolTip(tr("Язык меню, диалогов и сообщений; меняется при следующем запуске"));
    languageGroup->addRow(tr("Язык"), language);

    addPropertyButtons(layout, OptionsHelpContext);

    showNumbers->setObjectName(QStringLiteral("showNumbers"));
    showGrid->setObjectName(QStringLiteral("showGrid"));
    axialCompliance->setObjectName(QStringLiteral("axialCompliance"));
    logEnabled->setObjectName(QStringLiteral("logEnabled"));
    hinge->setObjectName(QStringLiteral("hinge"));
    rigid->setObjectName(QStringLiteral("rigid"));
    language->setObjectName(QStringLiteral("language"));

    gridStep->setValue(settings.gridStep);
    mouseStep->setValue(settings.mouseStep);
    showNumbers->setChecked(settings.showNumbers != 0);
    showGrid->setChecked(settings.showGrid != 0);
    (settings.type == JointHinge ? hinge : rigid)->setChecked(true);
    field(QStringLiteral("EI"))->setValue(settings.EI);
    field(QStringLiteral("EF"))->setValue(settings.EF);
    field(QStringLiteral("H"))->setValue(settings.H);
    field(QStringLiteral("alpha"))->setValue(settings.alpha);
    field(QStringLiteral("NU"))->setValue(settings.NU);
    field(QStringLiteral("MU"))->setValue(settings.MU);
    axialCompliance->setChecked(settings.axialCompliance != 0);
    logEnabled->setChecked(settings.logEnabled != 0);
}

void OptionsDialog::apply(Settings &settings) const
{
    settings.gridStep = number(field(QStringLiteral("gridStep")));
    settings.mouseStep = number(field(QStringLiteral("mouseStep")));
    settings.showNumbers = showNumbers->isChecked() ? 1 : 0;
    settings.showGrid = showGrid->isChecked() ? 1 : 0;
    settings.type = hinge->isChecked() ? JointHinge : JointRigid;
    settings.EI = number(field(QStringLiteral("EI")));
    settings.EF = number(field(QStringLiteral("EF")));
    settings.H = number(field(QStringLiteral("H")));
    settings.alpha = number(field(QStringLiteral("alpha")));
    settings.NU = number(field(QStringLiteral("NU")));
    settings.MU = number(field(QStringLiteral("MU")));
    settings.axialCompliance = axialCompliance->isChecked() ? 1 : 0;
    settings.logEnabled = logEnabled->isChecked() ? 1 : 0;
}

QCheckBox *OptionsDialog::checkBox(const QString &name) const
{
    for (QCheckBox *box : {showNumbers, showGrid, axialCompliance, logEnabled})
        if (box->objectName() == name)
            return box;
    return nullptr;
}

QRadioButton *OptionsDialog::radio(const QString &name) const
{
    for (QRadioButton *button : {hinge, rigid})
        if (button->objectName() == name)
            return button;
    return nullptr;
}

void OptionsDialog::setLanguageChoice(int choice)
{
    language->setCurrentIndex(choice >= 0 && choice < language->count() ? choice : 0);
}

int OptionsDialog::languageChoice() const
{
    return language->currentIndex();
}
