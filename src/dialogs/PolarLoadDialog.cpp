#include "dialogs/PolarLoadDialog.h"

#include "dialogs/ModalRunner.h"
#include "dialogs/NumberField.h"
#include "numeric/Messages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int AngleLabel = 50118; // "Угол"
constexpr double DegreesPerRadian = 57.29577951308232;
constexpr double RadiansPerDegree = 0.017453292519943295;
constexpr double Residue = 1e-10;
} // namespace

PolarLoadDialog::PolarLoadDialog(Kind kind_, double x, double y, QWidget *parent)
    : FieldDialog(kind_ == Kind::Force ? tr("Сила") : tr("Распределенная нагрузка"), parent), kind(kind_)
{
    using namespace ArrowRange;
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    // The labels are set by setLabels for the form shown.
    addField(form, QStringLiteral("first"), QStringLiteral("x"), LoadLowest, LoadHighest)->setValue(x);
    addField(form, QStringLiteral("second"), QStringLiteral("y"), LoadLowest, LoadHighest)->setValue(y);
    polarBox = new QCheckBox(tr("Под углом"), this);
    form->addRow(polarBox);
    setLabels();
    connect(polarBox, &QCheckBox::clicked, this, &PolarLoadDialog::switchForm);
    addOkButton(layout);
}

void PolarLoadDialog::toPolar(double x, double y, double &magnitude, double &angle)
{
    if (x == 0.0 && y == 0.0) {
        magnitude = 0.0;
        angle = 0.0;
        return;
    }
    magnitude = std::sqrt(x * x + y * y);
    angle = std::acos(x / magnitude) * DegreesPerRadian;
    if (y < 0.0)
        angle = -angle;
}

void PolarLoadDialog::toCartesian(double magnitude, double angle, double &x, double &y)
{
    x = magnitude * std::cos(angle * RadiansPerDegree);
    y = magnitude * std::sin(angle * RadiansPerDegree);
    // The cosine of 90 degrees is not exactly 0 in doubles.
    if (x > -Residue && x < Residue)
        x = 0.0;
    if (y > -Residue && y < Residue)
        y = 0.0;
}

QString PolarLoadDialog::label(int index) const
{
    auto *form = qobject_cast<QFormLayout *>(layout()->itemAt(0)->layout());
    auto *text = qobject_cast<QLabel *>(
        form->labelForField(field(index == 0 ? QStringLiteral("first") : QStringLiteral("second"))));
    return text != nullptr ? text->text() : QString();
}

void PolarLoadDialog::setLabels()
{
    const bool force = kind == Kind::Force;
    QString first;
    QString second;
    if (polar) {
        first = force ? tr("F, N") : tr("q, N/M");
        second = QString::fromUtf8(LoadString(AngleLabel));
    } else {
        first = force ? tr("Fx, N") : tr("qx, N/M");
        second = force ? tr("Fy, N") : tr("qy, N/M");
    }
    auto *form = qobject_cast<QFormLayout *>(layout()->itemAt(0)->layout());
    if (auto *text = qobject_cast<QLabel *>(form->labelForField(field(QStringLiteral("first")))))
        text->setText(first);
    if (auto *text = qobject_cast<QLabel *>(form->labelForField(field(QStringLiteral("second")))))
        text->setText(second);
}

void PolarLoadDialog::switchForm(bool toPolarForm)
{
    NumberField *first = field(QStringLiteral("first"));
    NumberField *second = field(QStringLiteral("second"));
    for (NumberField *numberField : {first, second}) {
        const QString refusal = numberField->check();
        if (!refusal.isEmpty()) {
            // Nothing is converted, so the form stays as it was: a switched
            // box over unconverted numbers would confirm a wrong load.
            ShowWarning(refusal, this);
            QSignalBlocker block(polarBox);
            polarBox->setChecked(polar);
            numberField->focusForCorrection();
            return;
        }
    }
    const double a = number(first);
    const double b = number(second);
    double c = 0.0;
    double d = 0.0;
    if (toPolarForm)
        toPolar(a, b, c, d);
    else
        toCartesian(a, b, c, d);
    polar = toPolarForm;
    {
        QSignalBlocker block(polarBox);
        polarBox->setChecked(polar);
    }
    first->setValue(c);
    second->setValue(d);
    setLabels();
}

bool PolarLoadDialog::confirm()
{
    if (polar)
        switchForm(false);
    return true;
}

double PolarLoadDialog::x() const
{
    return number(field(QStringLiteral("first")));
}

double PolarLoadDialog::y() const
{
    return number(field(QStringLiteral("second")));
}
