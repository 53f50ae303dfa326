#pragma once

#include "model/Element.h"
#include "model/Types.h"

// A straight rod between two nodes, referred to by their positions in the
// NodeList. Results are written by the calculation and never stored in files.
class Rod : public Element {
public:
    Rod(int number = 0, int beginNode = 0, int endNode = 0);
    Rod(const Rod&) = default;
    Rod& operator=(const Rod&) = default;
    virtual ~Rod() = default;

    // "Rod0 %d %d %d %d %d %10.10g ... \n" (a blank before the line feed).
    void write(std::string& text) const override;
    // Parses the text after the keyword "Rod"; false when fewer than 18
    // values were converted or a value is not finite. Non-positive material
    // values are repaired.
    bool read(const char* text) override;
    // Tool-tip description: "EI=%.3f" and the non-zero loads.
    virtual void describe(std::string& text) const;

    bool hasLoad() const { return load != Pair(0.0, 0.0); }
    bool hasTemperature() const { return temperature != Pair(0.0, 0.0); }

    bool isSelected() const { return selected; }
    void select() { selected = true; }
    void deselect() { selected = false; }

    int number = 0;
    bool selected = false;     // selection mark of the editor; never written
    RodEnd begin;
    RodEnd end;
    Pair load;           // qx, qy per unit length, global axes, N/M
    Pair temperature;    // x = left fibre, y = right fibre (seen from begin to end)
    double EI = 1.0;
    double EF = 1.0;
    double height = 1.0; // m, used with temperature loads
    double alpha = 1.0;
    double nu = 0.5;
    double mu = 1.0;
    Pair resultM;        // bending moment at begin (x) and end (y), N*M
    Pair resultQ;        // shear force at begin and end, N
    Pair resultN;        // axial force at begin and end, N, tension positive
    ServiceKind serviceKind = ServiceNone;
};
