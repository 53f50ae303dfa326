#pragma once

#include "dialogs/FieldDialog.h"

class QButtonGroup;

// The values of several rods as "Свойства нескольких стержней" shows them.
// A joint is 1 (hinge) or 2 (rigid); any other shared joint is shown with
// no radio chosen.
struct MultiRodValues {
    int beginJoint = 1;
    bool beginJointDiffers = false;
    int endJoint = 1;
    bool endJointDiffers = false;
    MixedValue beginAngle;
    MixedValue endAngle;
    MixedValue qx;
    MixedValue qy;
    MixedValue leftTemperature;
    MixedValue rightTemperature;
    // Those of a bare rod until filled.
    MixedValue EI{1.0, false};
    MixedValue EF{1.0, false};
    MixedValue height{1.0, false};
    MixedValue alpha{1.0, false};
    MixedValue nu{0.5, false};
    MixedValue mu{1.0, false};
};

// "Свойства нескольких стержней": joints and support angles of both ends,
// distributed load, temperatures and material values of several rods. A
// value the rods do not share starts empty; a joint group starts without a
// choice when the rods differ there or share a joint other than a hinge or
// a rigid connection. Whatever is left so comes back flagged as differing,
// meaning "leave each rod's own value".
class MultiRodDialog : public FieldDialog {
    Q_OBJECT

public:
    explicit MultiRodDialog(const MultiRodValues &values, QWidget *parent = nullptr);

    MultiRodValues values() const;
    QButtonGroup *jointGroup(bool atBegin) const { return atBegin ? beginJoints : endJoints; }

private:
    QButtonGroup *addJointGroup(QLayout *layout, bool atBegin, int joint, bool differs,
                                const MixedValue &angle);

    QButtonGroup *beginJoints = nullptr;
    QButtonGroup *endJoints = nullptr;
};
