#include "engine/StiffnessElement.h"

#include <algorithm>
#include <cmath>

void StiffnessElement::ToLocal(const double global[6], double local[6]) const
{
    for (int base : {0, 3}) {
        local[base] = c * global[base] + s * global[base + 1];
        local[base + 1] = -s * global[base] + c * global[base + 1];
        local[base + 2] = global[base + 2];
    }
}

void StiffnessElement::ToGlobal(const double local[6], double global[6]) const
{
    for (int base : {0, 3}) {
        global[base] = c * local[base] - s * local[base + 1];
        global[base + 1] = s * local[base] + c * local[base + 1];
        global[base + 2] = local[base + 2];
    }
}

void StiffnessElement::EndForces(const double global[6], double ends[6]) const
{
    double local[6];
    ToLocal(global, local);
    for (int i = 0; i < 6; ++i) {
        ends[i] = fixedEnd[i];
        for (int j = 0; j < 6; ++j)
            ends[i] += k[i][j] * local[j];
    }
}

StiffnessElement MakeStiffnessElement(const StiffnessElementInput &in)
{
    StiffnessElement e;
    const double dx = in.ex - in.bx;
    const double dy = in.ey - in.by;
    const double L = std::hypot(dx, dy);
    e.length = L;
    e.c = dx / L;
    e.s = dy / L;

    const double axial = in.EF / L;
    e.k[0][0] = e.k[3][3] = axial;
    e.k[0][3] = e.k[3][0] = -axial;
    const int bending[4] = {1, 2, 4, 5};
    const double L2 = L * L;
    const double L3 = L2 * L;
    const double beam[4][4] = {{12 / L3, 6 / L2, -12 / L3, 6 / L2},
                               {6 / L2, 4 / L, -6 / L2, 2 / L},
                               {-12 / L3, -6 / L2, 12 / L3, -6 / L2},
                               {6 / L2, 2 / L, -6 / L2, 4 / L}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j)
            e.k[bending[i]][bending[j]] = in.EI * beam[i][j];
    }

    // Uniform load along the axis and the normal. A warmer left fibre curves
    // the rod to the right (free curvature kappa of v); the mean temperature
    // lengthens it by alpha * Tm per unit length. Held ends restrain both.
    const double qt = in.qx * e.c + in.qy * e.s;
    const double qn = -in.qx * e.s + in.qy * e.c;
    const double kappa = -in.alpha * (in.tLeft - in.tRight) / in.height;
    const double strain = in.alpha * 0.5 * (in.tLeft + in.tRight);
    const double fixedEnd[6] = {in.EF * strain - qt * L / 2,  -qn * L / 2, -qn * L2 / 12 + in.EI * kappa,
                                -in.EF * strain - qt * L / 2, -qn * L / 2, qn * L2 / 12 - in.EI * kappa};
    std::copy(fixedEnd, fixedEnd + 6, e.fixedEnd);

    // A hinged end transmits no moment: its rotation is condensed out.
    for (int h : {2, 5}) {
        if (!(h == 2 ? in.hingedBegin : in.hingedEnd))
            continue;
        const double pivot = e.k[h][h];
        for (int i = 0; i < 6; ++i) {
            if (i == h)
                continue;
            for (int j = 0; j < 6; ++j) {
                if (j != h)
                    e.k[i][j] -= e.k[i][h] * e.k[h][j] / pivot;
            }
            e.fixedEnd[i] -= e.k[i][h] * e.fixedEnd[h] / pivot;
        }
        for (int i = 0; i < 6; ++i)
            e.k[i][h] = e.k[h][i] = 0.0;
        e.fixedEnd[h] = 0.0;
    }
    return e;
}
