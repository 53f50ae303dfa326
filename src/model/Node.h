#pragma once

#include "model/Element.h"
#include "model/Types.h"

// A node of the frame. Forces and moments act on free nodes; prescribed
// displacements on support nodes. Units: m, N, N*M; the prescribed rotation
// (displacement.z) is stored as entered, in degrees.
class Node : public Element {
public:
    explicit Node(int number = 0);
    Node(const Node&) = default;
    Node& operator=(const Node&) = default;
    virtual ~Node() = default;

    // "Node0 %d %10.10g ..." with a line feed; see the file format.
    void write(std::string& text) const override;
    // Parses the text after the keyword "Node"; false when fewer than 11
    // values were converted or a value is not finite.
    bool read(const char* text) override;
    // Tool-tip description: "X=%.3f Y=%.3f" and the non-zero loads.
    virtual void describe(std::string& text) const;

    Pair coordinates() const { return Pair(x, y); }

    bool hasForce() const { return force != Pair(0.0, 0.0); }
    bool hasMoment() const { return moment != 0.0; }
    bool hasDisplacement() const { return displacement != Triple(0.0, 0.0, 0.0); }
    bool isSupport() const { return isFree == 0; }

    bool isSelected() const { return selected; }
    void select() { selected = true; }
    void deselect() { selected = false; }

    int number = 0;
    bool selected = false;     // selection mark of the editor; never written
    Pair force;                 // Fx, Fy, N
    double moment = 0.0;        // N*M
    Triple displacement;        // prescribed dx, dy (m), da (degrees)
    int isFree = 1;             // 1 free node, 0 support node
    double x = 0.0;
    double y = 0.0;
    Triple resultDisplacement;  // computed dx, dy (m), rotation (radians)
    Triple reaction;            // computed Rx, Ry (N), moment (N*M)
    ServiceKind serviceKind = ServiceNone;
};
