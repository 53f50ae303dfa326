#pragma once

// An independent solution of a plane frame by the direct stiffness method,
// for cross-checking the engine. The frame is described on its own terms
// (supports as kinds, not as rod-end joints) and solved the way a textbook
// does: beam elements with 3 degrees of freedom per node, hinged rod ends
// condensed out, and rods that never change their length as exact linear
// constraints, solved in the null space of the constraint rows. The results
// follow the engine's sign conventions (KnownAnswerSupport.h).

#include "model/Types.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace enginetest {

enum class SupportKind { None, Clamp, Pin, Roller };

struct FrameNode {
    int number = 0;
    double x = 0.0;
    double y = 0.0;
    SupportKind support = SupportKind::None;
    double rollerAngle = 0.0; // degrees; the link pushes along (sin a, cos a)
    Pair force;               // free nodes
    double moment = 0.0;      // free nodes, clockwise positive
    Triple settlement;        // supports: dx, dy (m), rotation (degrees, clockwise)
};

struct FrameRod {
    int number = 0;
    int begin = 0; // node positions
    int end = 0;
    bool beginHinged = false; // at a pin or a roller the end is always hinged
    bool endHinged = false;
    double EI = 1.0;
    Pair load;        // qx, qy per unit length, global axes
    Pair temperature; // left and right fibre, seen from begin to end
    double alpha = 1.0;
    double height = 1.0;
};

struct Frame {
    std::vector<FrameNode> nodes;
    std::vector<FrameRod> rods;
};

// End values of a rod at one of its nodes, engine conventions.
struct EndValues {
    double moment = 0.0; // clockwise on the rod
    double shear = 0.0;  // dM/dx
    double axial = 0.0;  // tension positive
};

struct NodeValues {
    Pair translation;
    double rotation = 0.0; // clockwise, radians
    bool rotates = false;  // a rod is rigidly joined to the node
    Triple reaction;       // supports: Rx, Ry, counter-clockwise moment
};

enum class FrameOutcome {
    Stable,        // one solution, axial forces included
    SelfStressed,  // displacements and bending unique, axial forces not
    Inconsistent,  // the rods cannot keep their lengths under the prescribed strains
    Mechanism,     // the stiffness is singular on the admissible displacements
    NearMechanism, // the stiffness is nearly singular: no solution is reliable
};

struct FrameSolution {
    FrameOutcome outcome = FrameOutcome::Stable;
    std::vector<EndValues> atBegin; // per rod, at its begin node
    std::vector<EndValues> atEnd;
    std::vector<NodeValues> nodes;
    double largestResidual = 0.0; // relative out-of-balance of the free nodes
};

namespace stiffness {

// Row-major dense matrix, enough for a few dozen unknowns.
struct Dense {
    int rows = 0;
    int cols = 0;
    std::vector<double> data;
    Dense(int r, int c) : rows(r), cols(c), data(static_cast<size_t>(r) * c, 0.0) {}
    double &operator()(int r, int c) { return data[static_cast<size_t>(r) * cols + c]; }
    double operator()(int r, int c) const { return data[static_cast<size_t>(r) * cols + c]; }
};

inline bool IsHinged(const FrameRod &rod, const Frame &frame, bool atBegin)
{
    const FrameNode &node = frame.nodes[atBegin ? rod.begin : rod.end];
    if (node.support == SupportKind::Pin || node.support == SupportKind::Roller)
        return true;
    if (node.support == SupportKind::Clamp)
        return false;
    return atBegin ? rod.beginHinged : rod.endHinged;
}

// One rod in its own axes: local degrees of freedom (u, v, rotation) at the
// begin, then at the end; v along the normal n = (-sin, cos); rotations
// counter-clockwise. `fixedEnd` holds the forces the nodes exert on the rod
// when they are held still.
struct Element {
    double length = 0.0;
    double c = 0.0;
    double s = 0.0;
    double k[6][6] = {};
    double fixedEnd[6] = {};
    int dof[6] = {};
    double scale = 0.0; // largest element of the stiffness before condensation

    // Local component i from global components at the element's dofs.
    double Local(const std::vector<double> &global, int i) const
    {
        const int base = i < 3 ? 0 : 3;
        switch (i % 3) {
        case 0:
            return c * global[dof[base]] + s * global[dof[base + 1]];
        case 1:
            return -s * global[dof[base]] + c * global[dof[base + 1]];
        default:
            return global[dof[base + 2]];
        }
    }
    // Global components of a local end vector.
    void Global(const double local[6], double out[6]) const
    {
        for (int base : {0, 3}) {
            out[base] = c * local[base] - s * local[base + 1];
            out[base + 1] = s * local[base] + c * local[base + 1];
            out[base + 2] = local[base + 2];
        }
    }
};

inline Element MakeElement(const Frame &frame, const FrameRod &rod)
{
    Element e;
    const FrameNode &b = frame.nodes[rod.begin];
    const FrameNode &n = frame.nodes[rod.end];
    const double L = std::hypot(n.x - b.x, n.y - b.y);
    e.length = L;
    e.c = (n.x - b.x) / L;
    e.s = (n.y - b.y) / L;
    for (int i = 0; i < 3; ++i) {
        e.dof[i] = 3 * rod.begin + i;
        e.dof[3 + i] = 3 * rod.end + i;
    }
    // Bending only: the axial force comes from the length constraint.
    const int bending[4] = {1, 2, 4, 5};
    const double EI = rod.EI;
    e.scale = EI * std::fmax(12 / (L * L * L), 4 / L);
    const double beam[4][4] = {{12 / (L * L * L), 6 / (L * L), -12 / (L * L * L), 6 / (L * L)},
                               {6 / (L * L), 4 / L, -6 / (L * L), 2 / L},
                               {-12 / (L * L * L), -6 / (L * L), 12 / (L * L * L), -6 / (L * L)},
                               {6 / (L * L), 2 / L, -6 / (L * L), 4 / L}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j)
            e.k[bending[i]][bending[j]] = EI * beam[i][j];
    }
    // Uniform load along t and n; a warmer left fibre curves the rod to the
    // right (free curvature kappa of v along n), restrained by constant end
    // moments EI kappa.
    const double qt = rod.load.x * e.c + rod.load.y * e.s;
    const double qn = -rod.load.x * e.s + rod.load.y * e.c;
    const double kappa = -rod.alpha * (rod.temperature.x - rod.temperature.y) / rod.height;
    const double fixedEnd[6] = {-qt * L / 2, -qn * L / 2, -qn * L * L / 12 + EI * kappa,
                                -qt * L / 2, -qn * L / 2, qn * L * L / 12 - EI * kappa};
    std::copy(fixedEnd, fixedEnd + 6, e.fixedEnd);
    // A hinged end transmits no moment: condense its rotation out.
    for (int h : {2, 5}) {
        if (!IsHinged(rod, frame, h == 2))
            continue;
        const double pivot = e.k[h][h];
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 6; ++j) {
                if (i != h && j != h)
                    e.k[i][j] -= e.k[i][h] * e.k[h][j] / pivot;
            }
            if (i != h)
                e.fixedEnd[i] -= e.k[i][h] * e.fixedEnd[h] / pivot;
        }
        for (int i = 0; i < 6; ++i)
            e.k[i][h] = e.k[h][i] = 0.0;
        e.fixedEnd[h] = 0.0;
    }
    return e;
}

// Reduced row echelon form of [A | b] with full pivoting: the rank, a
// particular solution (0 where the columns are free), a null-space basis,
// and whether the dependent rows of b vanish too.
struct NullSpace {
    int rank = 0;
    bool consistent = true;
    std::vector<double> particular;
    Dense basis{0, 0};
};

inline NullSpace SolveConstraints(Dense A, std::vector<double> b)
{
    const int m = A.rows;
    const int n = A.cols;
    std::vector<int> column(n);
    for (int j = 0; j < n; ++j)
        column[j] = j;
    double scale = 0.0;
    for (double value : A.data)
        scale = std::fmax(scale, std::fabs(value));
    const double tolerance = 1e-9 * std::fmax(scale, 1e-300);
    int r = 0;
    for (; r < std::min(m, n); ++r) {
        int bestRow = -1, bestCol = -1;
        double best = tolerance;
        for (int i = r; i < m; ++i) {
            for (int j = r; j < n; ++j) {
                if (std::fabs(A(i, j)) > best) {
                    best = std::fabs(A(i, j));
                    bestRow = i;
                    bestCol = j;
                }
            }
        }
        if (bestRow < 0)
            break;
        for (int j = 0; j < n; ++j)
            std::swap(A(r, j), A(bestRow, j));
        std::swap(b[r], b[bestRow]);
        for (int i = 0; i < m; ++i)
            std::swap(A(i, r), A(i, bestCol));
        std::swap(column[r], column[bestCol]);
        const double pivot = A(r, r);
        for (int j = 0; j < n; ++j)
            A(r, j) /= pivot;
        b[r] /= pivot;
        for (int i = 0; i < m; ++i) {
            if (i == r || A(i, r) == 0.0)
                continue;
            const double f = A(i, r);
            for (int j = 0; j < n; ++j)
                A(i, j) -= f * A(r, j);
            b[i] -= f * b[r];
        }
    }
    NullSpace result;
    result.rank = r;
    double rhsScale = 0.0;
    for (double value : b)
        rhsScale = std::fmax(rhsScale, std::fabs(value));
    for (int i = r; i < m; ++i) {
        if (std::fabs(b[i]) > 1e-9 * std::fmax(rhsScale, 1e-300))
            result.consistent = false;
    }
    result.particular.assign(n, 0.0);
    for (int i = 0; i < r; ++i)
        result.particular[column[i]] = b[i];
    Dense &Z = result.basis = Dense(n, n - r);
    for (int k = 0; k < n - r; ++k) {
        Z(column[r + k], k) = 1.0;
        for (int i = 0; i < r; ++i)
            Z(column[i], k) = -A(i, r + k);
    }
    // Orthonormal columns (Gram-Schmidt, twice): nearly parallel rods make
    // the echelon basis large and skew, and the stiffness on it would lose
    // the digits that tell a mechanism from a stable frame.
    for (int k = 0; k < n - r; ++k) {
        for (int pass = 0; pass < 2; ++pass) {
            for (int l = 0; l < k; ++l) {
                double dot = 0.0;
                for (int i = 0; i < n; ++i)
                    dot += Z(i, l) * Z(i, k);
                for (int i = 0; i < n; ++i)
                    Z(i, k) -= dot * Z(i, l);
            }
            double norm = 0.0;
            for (int i = 0; i < n; ++i)
                norm += Z(i, k) * Z(i, k);
            norm = std::sqrt(norm);
            for (int i = 0; i < n; ++i)
                Z(i, k) /= norm;
        }
    }
    return result;
}

// Cholesky solution of a symmetric system. Returns the smallest pivot
// against the largest diagonal element, at most 0 when the system is not
// positive definite or when its largest element is round-off against
// `scale`, the size of the elements it is made of (a frame of rods hinged at
// both ends has no stiffness at all).
inline double SolvePositiveDefinite(Dense A, std::vector<double> &x, double scale)
{
    const int n = A.rows;
    double largest = 0.0;
    for (int j = 0; j < n; ++j)
        largest = std::fmax(largest, A(j, j));
    if (n > 0 && !(largest > 1e-12 * scale))
        return 0.0;
    double smallest = 1.0;
    for (int j = 0; j < n; ++j) {
        double d = A(j, j);
        for (int k = 0; k < j; ++k)
            d -= A(j, k) * A(j, k);
        smallest = std::fmin(smallest, d / largest);
        if (!(d > 0.0))
            return smallest;
        A(j, j) = std::sqrt(d);
        for (int i = j + 1; i < n; ++i) {
            double v = A(i, j);
            for (int k = 0; k < j; ++k)
                v -= A(i, k) * A(j, k);
            A(i, j) = v / A(j, j);
        }
    }
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < i; ++k)
            x[i] -= A(i, k) * x[k];
        x[i] /= A(i, i);
    }
    for (int i = n - 1; i >= 0; --i) {
        for (int k = i + 1; k < n; ++k)
            x[i] -= A(k, i) * x[k];
        x[i] /= A(i, i);
    }
    return smallest;
}

} // namespace stiffness

inline FrameSolution SolveFrame(const Frame &frame)
{
    using namespace stiffness;
    const int nodeCount = static_cast<int>(frame.nodes.size());
    const int rodCount = static_cast<int>(frame.rods.size());
    const int total = 3 * nodeCount;
    FrameSolution solution;
    solution.nodes.resize(nodeCount);

    std::vector<Element> elements;
    for (const FrameRod &rod : frame.rods) {
        elements.push_back(MakeElement(frame, rod));
        if (!IsHinged(rod, frame, true))
            solution.nodes[rod.begin].rotates = true;
        if (!IsHinged(rod, frame, false))
            solution.nodes[rod.end].rotates = true;
    }

    // Every degree of freedom is an unknown or prescribed; a rotation that
    // no rod feels (all ends hinged there) is prescribed as 0.
    std::vector<double> displacement(total, 0.0);
    std::vector<int> unknown(total, -1);
    int unknownCount = 0;
    for (int k = 0; k < nodeCount; ++k) {
        const FrameNode &node = frame.nodes[k];
        const bool held = node.support == SupportKind::Clamp || node.support == SupportKind::Pin;
        if (held) {
            displacement[3 * k] = node.settlement.x;
            displacement[3 * k + 1] = node.settlement.y;
        } else {
            unknown[3 * k] = unknownCount++;
            unknown[3 * k + 1] = unknownCount++;
        }
        if (node.support == SupportKind::Clamp)
            displacement[3 * k + 2] = -node.settlement.z * std::numbers::pi / 180.0;
        else if (node.support == SupportKind::None && solution.nodes[k].rotates)
            unknown[3 * k + 2] = unknownCount++;
    }

    // Stiffness and loads over all degrees of freedom.
    Dense K(total, total);
    std::vector<double> load(total, 0.0);
    for (int k = 0; k < nodeCount; ++k) {
        load[3 * k] = frame.nodes[k].force.x;
        load[3 * k + 1] = frame.nodes[k].force.y;
        load[3 * k + 2] = -frame.nodes[k].moment;
    }
    for (const Element &e : elements) {
        // Global stiffness T' k T, column by column through unit vectors.
        for (int j = 0; j < 6; ++j) {
            std::vector<double> unit(total, 0.0);
            unit[e.dof[j]] = 1.0;
            double local[6], kLocal[6] = {}, global[6];
            for (int i = 0; i < 6; ++i)
                local[i] = e.Local(unit, i);
            for (int i = 0; i < 6; ++i) {
                for (int l = 0; l < 6; ++l)
                    kLocal[i] += e.k[i][l] * local[l];
            }
            e.Global(kLocal, global);
            for (int i = 0; i < 6; ++i)
                K(e.dof[i], e.dof[j]) += global[i];
        }
        double equivalent[6];
        e.Global(e.fixedEnd, equivalent);
        for (int i = 0; i < 6; ++i)
            load[e.dof[i]] -= equivalent[i];
    }

    // One length condition per rod (t . (u_end - u_begin) = thermal
    // lengthening), one per roller (its link keeps its length).
    std::vector<std::vector<double>> rows;
    std::vector<double> rhs;
    for (int r = 0; r < rodCount; ++r) {
        const FrameRod &rod = frame.rods[r];
        const Element &e = elements[r];
        std::vector<double> row(total, 0.0);
        row[3 * rod.end] = e.c;
        row[3 * rod.end + 1] = e.s;
        row[3 * rod.begin] = -e.c;
        row[3 * rod.begin + 1] = -e.s;
        rows.push_back(row);
        rhs.push_back(rod.alpha * 0.5 * (rod.temperature.x + rod.temperature.y) * e.length);
    }
    for (int k = 0; k < nodeCount; ++k) {
        const FrameNode &node = frame.nodes[k];
        if (node.support != SupportKind::Roller)
            continue;
        const double a = node.rollerAngle * std::numbers::pi / 180.0;
        std::vector<double> row(total, 0.0);
        row[3 * k] = std::sin(a);
        row[3 * k + 1] = std::cos(a);
        rows.push_back(row);
        rhs.push_back(std::sin(a) * node.settlement.x + std::cos(a) * node.settlement.y);
    }
    const int constraintCount = static_cast<int>(rows.size());

    // Partition: the prescribed components move to the right-hand sides.
    Dense C(constraintCount, unknownCount);
    std::vector<double> d(constraintCount);
    for (int i = 0; i < constraintCount; ++i) {
        d[i] = rhs[i];
        for (int g = 0; g < total; ++g) {
            if (unknown[g] >= 0)
                C(i, unknown[g]) = rows[i][g];
            else
                d[i] -= rows[i][g] * displacement[g];
        }
    }
    Dense Kff(unknownCount, unknownCount);
    std::vector<double> f(unknownCount, 0.0);
    for (int g = 0; g < total; ++g) {
        if (unknown[g] < 0)
            continue;
        f[unknown[g]] = load[g];
        for (int h = 0; h < total; ++h) {
            if (unknown[h] >= 0)
                Kff(unknown[g], unknown[h]) = K(g, h);
            else
                f[unknown[g]] -= K(g, h) * displacement[h];
        }
    }

    const NullSpace admissible = SolveConstraints(C, d);
    if (!admissible.consistent) {
        solution.outcome = FrameOutcome::Inconsistent;
        return solution;
    }
    // Stiffness on the admissible displacements: Z' K Z y = Z' (f - K x_p).
    const Dense &Z = admissible.basis;
    const int freedom = Z.cols;
    std::vector<double> x = admissible.particular;
    std::vector<double> residual = f;
    for (int i = 0; i < unknownCount; ++i) {
        for (int j = 0; j < unknownCount; ++j)
            residual[i] -= Kff(i, j) * x[j];
    }
    Dense KZ(unknownCount, freedom);
    for (int i = 0; i < unknownCount; ++i) {
        for (int k = 0; k < freedom; ++k) {
            for (int j = 0; j < unknownCount; ++j)
                KZ(i, k) += Kff(i, j) * Z(j, k);
        }
    }
    Dense reduced(freedom, freedom);
    std::vector<double> y(freedom, 0.0);
    for (int k = 0; k < freedom; ++k) {
        for (int i = 0; i < unknownCount; ++i) {
            y[k] += Z(i, k) * residual[i];
            for (int l = 0; l < freedom; ++l)
                reduced(k, l) += Z(i, k) * KZ(i, l);
        }
    }
    double stiffnessScale = 0.0;
    for (const Element &e : elements)
        stiffnessScale = std::fmax(stiffnessScale, e.scale);
    // The basis is orthonormal, so the pivots measure the stiffness of the
    // admissible modes: round-off (1e-16 and a few orders of growth) is a
    // mechanism; a mode a hundred million times softer than the stiffest is
    // too close to one for either solution to be trusted.
    const double softest = SolvePositiveDefinite(reduced, y, stiffnessScale);
    if (softest < 1e-8) {
        solution.outcome = softest < 1e-12 ? FrameOutcome::Mechanism : FrameOutcome::NearMechanism;
        return solution;
    }
    for (int i = 0; i < unknownCount; ++i) {
        for (int k = 0; k < freedom; ++k)
            x[i] += Z(i, k) * y[k];
    }
    for (int g = 0; g < total; ++g) {
        if (unknown[g] >= 0)
            displacement[g] = x[unknown[g]];
    }

    // Axial forces (and roller forces): C' lambda = f - K x, unique when the
    // conditions are independent.
    std::vector<double> lambda(constraintCount, 0.0);
    if (admissible.rank < constraintCount) {
        solution.outcome = FrameOutcome::SelfStressed;
    } else {
        std::vector<double> out(unknownCount);
        for (int i = 0; i < unknownCount; ++i) {
            out[i] = f[i];
            for (int j = 0; j < unknownCount; ++j)
                out[i] -= Kff(i, j) * x[j];
        }
        Dense normal(constraintCount, constraintCount);
        for (int a = 0; a < constraintCount; ++a) {
            for (int i = 0; i < unknownCount; ++i) {
                lambda[a] += C(a, i) * out[i];
                for (int b = 0; b < constraintCount; ++b)
                    normal(a, b) += C(a, i) * C(b, i);
            }
        }
        if (SolvePositiveDefinite(normal, lambda, 1.0) < 1e-12)
            solution.outcome = FrameOutcome::SelfStressed;
    }

    // End forces the nodes exert on each rod, turned into the engine's
    // conventions; sums at the nodes give the reactions.
    std::vector<Triple> onRods(nodeCount);
    solution.atBegin.resize(rodCount);
    solution.atEnd.resize(rodCount);
    for (int r = 0; r < rodCount; ++r) {
        const Element &e = elements[r];
        double local[6], ends[6], global[6];
        for (int i = 0; i < 6; ++i)
            local[i] = e.Local(displacement, i);
        for (int i = 0; i < 6; ++i) {
            ends[i] = e.fixedEnd[i];
            for (int l = 0; l < 6; ++l)
                ends[i] += e.k[i][l] * local[l];
        }
        ends[0] -= lambda[r];
        ends[3] += lambda[r];
        solution.atBegin[r] = {-ends[2], ends[1], -ends[0]};
        solution.atEnd[r] = {-ends[5], -ends[4], ends[3]};
        e.Global(ends, global);
        for (int side : {0, 1}) {
            Triple &sum = onRods[side == 0 ? frame.rods[r].begin : frame.rods[r].end];
            sum.x += global[3 * side];
            sum.y += global[3 * side + 1];
            sum.z += global[3 * side + 2];
        }
    }
    // Out-of-balance relative to the node forces, at least to 1 N: loads
    // that only strain the frame leave forces of round-off.
    double scale = 1.0;
    for (const Triple &sum : onRods)
        scale = std::fmax(scale, std::fmax(std::hypot(sum.x, sum.y), std::fabs(sum.z)));
    for (int k = 0; k < nodeCount; ++k) {
        const FrameNode &node = frame.nodes[k];
        NodeValues &values = solution.nodes[k];
        values.translation = Pair(displacement[3 * k], displacement[3 * k + 1]);
        values.rotation = -displacement[3 * k + 2];
        if (node.support == SupportKind::None) {
            const double out = std::fmax(std::hypot(onRods[k].x - node.force.x, onRods[k].y - node.force.y),
                                         std::fabs(onRods[k].z + node.moment));
            solution.largestResidual = std::fmax(solution.largestResidual, out / scale);
        } else {
            values.reaction = onRods[k];
        }
    }
    return solution;
}

} // namespace enginetest
