#pragma once

#include <cmath>

// Small value types of the node and rod records. Equality compares every
// component exactly, with no tolerance.

struct Pair {
    double x = 0.0;
    double y = 0.0;

    Pair() = default;
    Pair(double x_, double y_) : x(x_), y(y_) {}

    // Euclidean length; exactly 0 without a root when both components are 0.
    double length() const { return (x == 0.0 && y == 0.0) ? 0.0 : std::sqrt(x * x + y * y); }

    bool operator==(const Pair& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Pair& other) const { return !(*this == other); }
};

struct Triple {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    Triple() = default;
    Triple(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    bool operator==(const Triple& other) const { return x == other.x && y == other.y && z == other.z; }
    bool operator!=(const Triple& other) const { return !(*this == other); }
};

// Connection of a rod end to its node. Values are stored as int; a file may
// carry other values, which the reader refuses.
enum class JointType : int {
    None = 0,        // only in a freshly constructed rod
    Hinge = 1,
    Fixed = 2,       // rigid connection
    MovingHinge = 3, // sliding hinge; the end's angle gives its direction
    MovingFixed = 4, // sliding rigid connection; refused by the calculation
};

// Marks the nodes and rods that the calculation adds while replacing hinged
// and moving supports (2 is not used).
enum ServiceKind : int {
    ServiceNone = 0,
    ServiceHinge = 1,
    ServiceMovingJoint = 3,
};

struct RodEnd {
    int node = 0;                     // 0-based position in the NodeList, not the number
    JointType joint = JointType::None;
    double angle = 0.0;               // degrees

    RodEnd() = default;
    RodEnd(int node_, JointType joint_, double angle_) : node(node_), joint(joint_), angle(angle_) {}

    void setNode(int value) { node = value; }
    void setJoint(JointType value) { joint = value; }
    void setAngle(double value) { angle = value; }

    bool operator==(const RodEnd& other) const
    {
        return node == other.node && joint == other.joint && angle == other.angle;
    }
    bool operator!=(const RodEnd& other) const { return !(*this == other); }
};

// World rectangle in metres; top is the larger y.
struct WorldRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};
