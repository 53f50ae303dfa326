#pragma once

// The value records of the element operations: what the property dialogs
// show and what the document's operations take back.

// One value of the multiple dialogs: `differs` when the selected elements do
// not agree on it (shown as an empty field), and on return when the user
// left the field empty, i.e. the elements keep their own values.
struct MixedValue {
    double value = 0.0;
    bool differs = false;
};

// The values of one node as "Свойства узла" shows them.
struct NodeValues {
    double x = 0.0;
    double y = 0.0;
    bool isFree = true;
    double fx = 0.0;
    double fy = 0.0;
    double moment = 0.0;
    double dx = 0.0;
    double dy = 0.0;
    double da = 0.0; // degrees
};

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

// The values of several nodes as "Свойства нескольких узлов" shows them.
struct MultiNodeValues {
    bool isFree = true;
    bool isFreeDiffers = false; // the check box is indeterminate
    MixedValue fx;
    MixedValue fy;
    MixedValue moment;
    MixedValue dx;
    MixedValue dy;
    MixedValue da; // degrees, checked to lie in -180...180
};

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
