#pragma once

#include "dialogs/FieldDialog.h"

class QCheckBox;

// "Сила" (a nodal force) and "Распределенная нагрузка" (a rod load): two
// components along the global axes, or, with "Под углом" checked, a
// magnitude and an angle in degrees from the x axis. The caller always
// gets the components back.
class PolarLoadDialog : public FieldDialog {
    Q_OBJECT

public:
    enum class Kind { Force, DistributedLoad };

    PolarLoadDialog(Kind kind, double x, double y, QWidget *parent = nullptr);

    // The components after the dialog was confirmed.
    double x() const;
    double y() const;
    bool isPolar() const { return polar; }
    QCheckBox *polarCheckBox() const { return polarBox; }
    // The texts of the two field labels.
    QString label(int index) const;

    // Magnitude and angle (degrees, negative below the x axis); (0, 0) for
    // a zero load.
    static void toPolar(double x, double y, double &magnitude, double &angle);
    // Components whose magnitude is below 1e-10 become exactly 0.
    static void toCartesian(double magnitude, double angle, double &x, double &y);

protected:
    bool confirm() override;

private:
    void switchForm(bool toPolarForm);
    void setLabels();

    Kind kind;
    bool polar = false;
    QCheckBox *polarBox;
};
