#pragma once

#include "dialogs/FieldDialog.h"

class QButtonGroup;
class QGroupBox;

// Joint types as the rod dialogs number them (those of the model).
namespace JointChoice {
constexpr int None = 0;
constexpr int Hinge = 1;
constexpr int Fixed = 2;
constexpr int MovingHinge = 3;
} // namespace JointChoice

// The editable values of one rod.
struct RodValues {
    int beginJoint = JointChoice::Hinge;
    double beginAngle = 0.0;
    int endJoint = JointChoice::Hinge;
    double endAngle = 0.0;
    double EI = 1.0;
    double EF = 1.0;
    double height = 1.0;
    double mu = 1.0;
    double nu = 0.5;
    double alpha = 1.0;
    double qx = 0.0;
    double qy = 0.0;
    double leftTemperature = 0.0;
    double rightTemperature = 0.0;
};

// What "Свойства стержня" shows besides the values: the nodes' numbers
// (user numbers, and the positions shown in debug mode), their coordinates
// for the sketch, and which controls are disabled.
struct RodContext {
    int beginNumber = 1;
    int endNumber = 2;
    int beginPosition = 0;
    int endPosition = 1;
    double beginX = 0.0;
    double beginY = 0.0;
    double endX = 1.0;
    double endY = 0.0;
    bool beginIsFree = false; // disables the moving hinge and its angle
    bool endIsFree = false;
    bool loadsDisabled = false; // a support link: no loads or temperatures
};

// "Свойства стержня": the joints of both ends with the angles of a moving
// hinge, material and section values, distributed load and temperatures,
// and a sketch of the rod. A joint the radios cannot show starts with none
// chosen and is kept unless the user picks one.
class RodDialog : public FieldDialog {
    Q_OBJECT

public:
    RodDialog(const RodValues &values, const RodContext &context, QWidget *parent = nullptr);

    RodValues values() const;
    QButtonGroup *jointGroup(bool atBegin) const { return atBegin ? beginJoints : endJoints; }
    QGroupBox *endGroup(bool atBegin) const { return atBegin ? beginBox : endBox; }

private:
    QButtonGroup *addJointGroup(QLayout *layout, bool atBegin, int joint, double angle,
                                const RodContext &context);

    RodValues initial;
    QButtonGroup *beginJoints = nullptr;
    QButtonGroup *endJoints = nullptr;
    QGroupBox *beginBox = nullptr;
    QGroupBox *endBox = nullptr;
};
