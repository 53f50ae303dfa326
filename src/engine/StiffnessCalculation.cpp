#include "engine/StiffnessCalculation.h"

#include "engine/Calculation.h"
#include "engine/ResultsCheck.h"
#include "model/MathException.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "numeric/Matrix.h"
#include "numeric/Messages.h"
#include "numeric/Translation.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <new>
#include <numbers>

namespace {

constexpr double degreesToRadians = std::numbers::pi / 180.0;
constexpr int zeroValueMessage = 50212;
constexpr int mechanismMessage = 50213;
constexpr int momentAtHingedNodeMessage = 50223;
// The full stiffness matrix goes to the log only while it is this small.
constexpr int largestLoggedMatrix = 60;
// Pivots of the equilibrated matrix (unit diagonal) above this leave no
// doubt that the structure is stable. A mechanism leaves round-off of about
// 1e-16 times the ratio of axial to bending stiffness (EF L^2 / EI) in its
// pivot, while a frame that bending alone holds sideways has pivots of about
// EI / (EF L^2) and less: smaller pivots are decided on a matrix whose rods
// are as stiff along as across.
constexpr double clearPivot = 1e-9;
// Pivots of a mechanism when axial and bending stiffness are of one size.
constexpr double mechanismPivot = 1e-11;
// A rod whose end forces and loads miss their balance by more than this
// (relative) moved so far that only a mechanism explains it.
constexpr double rodBalance = 1e-7;
constexpr int refinementSteps = 10;
// Results beyond this magnitude are an overflow, as in the mixed method.
constexpr double resultLimit = 1e300;

long clockMilliseconds()
{
    return static_cast<long>(std::clock() / (CLOCKS_PER_SEC / 1000));
}

double cleaned(long double value)
{
    const double rounded = static_cast<double>(value);
    return std::fabs(rounded) <= 1e-10 ? 0.0 : rounded;
}

bool rigidAt(JointType joint)
{
    return joint != JointType::Hinge;
}

} // namespace

struct StiffnessCalculation::Solver {
    std::vector<Eigen::Triplet<double>> triplets; // lower triangle, unscaled
    std::vector<double> diagonal;
    std::vector<double> reference; // stiffness scale of the rods at each unknown
    std::vector<double> scale;     // 1/sqrt(diagonal)
    Eigen::SparseMatrix<double> K; // equilibrated, lower triangle
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower> ldlt;
    int weakest = -1;          // unknown of the smallest pivot
    double weakestPivot = 1.0; // of the equilibrated matrix
};

StiffnessCalculation::StiffnessCalculation(StructureModel &structure) : structure(structure) {}

StiffnessCalculation::~StiffnessCalculation() = default;

int StiffnessCalculation::nodeLabel(int node) const
{
    return Settings::current().debugMode ? node : structure.nodes[node].number;
}

int StiffnessCalculation::rodLabel(int rod) const
{
    return Settings::current().debugMode ? rod : structure.rods[rod].number;
}

// Service bars put in place of pins and rollers stay axially rigid: they
// are exact constraints on their free node. Every other rod is an element.
bool StiffnessCalculation::checkInput(bool report)
{
    const int rodCount = structure.rods.count;
    isLink.assign(rodCount, 0);
    for (int r = 0; r < rodCount; ++r) {
        const Rod &rod = structure.rods[r];
        const Node &b = structure.nodes[rod.begin.node];
        const Node &e = structure.nodes[rod.end.node];
        if (rod.serviceKind != ServiceNone && rod.begin.joint == JointType::Hinge &&
            rod.end.joint == JointType::Hinge && (b.isFree == 0) != (e.isFree == 0))
            isLink[r] = 1;
        if (!(std::hypot(e.x - b.x, e.y - b.y) > 1e-10)) {
            if (report)
                ReportMessage(zeroValueMessage, "L");
            return false;
        }
        if (isLink[r])
            continue;
        if (!std::isfinite(rod.EF)) {
            if (report)
                ReportError(
                    TranslatedText("Calculation",
                                   QT_TRANSLATE_NOOP("Calculation", "Ошибка в исходных данных!\tСвойства "
                                                                    "или нагрузки стержня %d не являются "
                                                                    "конечными числами."))
                        .c_str(),
                    rodLabel(r));
            return false;
        }
        // Rigidities must be positive; the thermal coefficient and the height
        // only non-zero, as in the mixed method.
        const struct {
            double value;
            bool positive;
            const char *name;
        } values[] = {
            {rod.EI, true, "I"}, {rod.EF, true, "EF"}, {rod.alpha, false, "AL"}, {rod.height, false, "H"}};
        for (const auto &value : values) {
            const double tested = value.positive ? value.value : std::fabs(value.value);
            if (!(tested >= 1e-10)) {
                if (report)
                    ReportMessage(zeroValueMessage, value.name);
                return false;
            }
        }
    }
    return true;
}

bool StiffnessCalculation::setUpUnknowns(bool report)
{
    const int nodeCount = structure.nodes.count;
    nodes.assign(nodeCount, NodeDofs());
    std::vector<char> rotates(nodeCount, 0);
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        if (isLink[r]) {
            const bool freeBegin = structure.nodes[rod.begin.node].isFree != 0;
            const int u = freeBegin ? rod.begin.node : rod.end.node;
            const int s = freeBegin ? rod.end.node : rod.begin.node;
            const Node &U = structure.nodes[u];
            const Node &S = structure.nodes[s];
            const double length = std::hypot(S.x - U.x, S.y - U.y);
            nodes[u].links.push_back(
                {r, (S.x - U.x) / length, (S.y - U.y) / length, S.displacement.x, S.displacement.y});
            continue;
        }
        if (rigidAt(rod.begin.joint))
            rotates[rod.begin.node] = 1;
        if (rigidAt(rod.end.joint))
            rotates[rod.end.node] = 1;
    }

    unknowns = 0;
    unknownNode.clear();
    unknownKind.clear();
    for (int k = 0; k < nodeCount; ++k) {
        const Node &node = structure.nodes[k];
        NodeDofs &dofs = nodes[k];
        if (node.isFree == 0) {
            dofs.support = true;
            dofs.u0x = node.displacement.x;
            dofs.u0y = node.displacement.y;
            dofs.rotation0 = -node.displacement.z * degreesToRadians; // entered clockwise, in degrees
            continue;
        }
        if (dofs.links.empty()) {
            dofs.translations = 2;
            dofs.basis[0][0] = dofs.basis[1][1] = 1.0;
        } else {
            // The links fix the translation along the directions they span:
            // G = sum t t', the fixed part u0 = G^+ sum t (t . a).
            double g00 = 0.0, g01 = 0.0, g11 = 0.0, b0 = 0.0, b1 = 0.0;
            for (const Link &link : dofs.links) {
                g00 += link.tx * link.tx;
                g01 += link.tx * link.ty;
                g11 += link.ty * link.ty;
                const double along = link.tx * link.ax + link.ty * link.ay;
                b0 += link.tx * along;
                b1 += link.ty * along;
            }
            const double mean = 0.5 * (g00 + g11);
            const double radius = std::hypot(0.5 * (g00 - g11), g01);
            const double largest = mean + radius;
            const double smallest = mean - radius;
            if (smallest > 1e-10 * largest) {
                const double det = g00 * g11 - g01 * g01;
                dofs.u0x = (g11 * b0 - g01 * b1) / det;
                dofs.u0y = (g00 * b1 - g01 * b0) / det;
                dofs.translations = 0;
            } else {
                double vx = g00 >= g11 ? largest - g11 : g01;
                double vy = g00 >= g11 ? g01 : largest - g00;
                const double norm = std::hypot(vx, vy);
                vx /= norm;
                vy /= norm;
                const double along = (vx * b0 + vy * b1) / largest;
                dofs.u0x = vx * along;
                dofs.u0y = vy * along;
                dofs.translations = 1;
                dofs.basis[0][0] = -vy;
                dofs.basis[1][0] = vx;
            }
        }
        if (dofs.translations > 0)
            dofs.first = unknowns;
        for (int j = 0; j < dofs.translations; ++j) {
            unknownNode.push_back(k);
            unknownKind.push_back(static_cast<char>(j));
        }
        unknowns += dofs.translations;
        if (rotates[k]) {
            dofs.rotation = unknowns++;
            unknownNode.push_back(k);
            unknownKind.push_back(2);
        } else if (node.moment != 0.0) {
            // Every rod end here is hinged: the moment would act on nothing.
            if (report)
                ReportError(LoadString(momentAtHingedNodeMessage), nodeLabel(k));
            return false;
        }
    }
    return true;
}

void StiffnessCalculation::buildElements(bool surrogate)
{
    elements.assign(structure.rods.count, StiffnessElement());
    if (!surrogate)
        stiffnessRatio = 0.0;
    for (int r = 0; r < structure.rods.count; ++r) {
        if (isLink[r])
            continue;
        const Rod &rod = structure.rods[r];
        const Node &b = structure.nodes[rod.begin.node];
        const Node &e = structure.nodes[rod.end.node];
        StiffnessElementInput input;
        input.bx = b.x;
        input.by = b.y;
        input.ex = e.x;
        input.ey = e.y;
        input.EI = rod.EI;
        input.EF = rod.EF;
        if (surrogate) {
            const double length2 = (e.x - b.x) * (e.x - b.x) + (e.y - b.y) * (e.y - b.y);
            input.EF = 12.0 * rod.EI / length2;
        }
        input.hingedBegin = !rigidAt(rod.begin.joint);
        input.hingedEnd = !rigidAt(rod.end.joint);
        input.qx = rod.load.x;
        input.qy = rod.load.y;
        input.tLeft = rod.temperature.x;
        input.tRight = rod.temperature.y;
        input.alpha = rod.alpha;
        input.height = rod.height;
        elements[r] = MakeStiffnessElement(input);
        if (!surrogate) {
            const double L = elements[r].length;
            stiffnessRatio = std::fmax(stiffnessRatio, input.EF * L * L / input.EI);
        }
    }
}

int StiffnessCalculation::elementMap(int r, double constant[6], int index[6], double coefficient[6][6]) const
{
    const Rod &rod = structure.rods[r];
    int m = 0;
    for (int side = 0; side < 2; ++side) {
        const RodEnd &end = side == 0 ? rod.begin : rod.end;
        const NodeDofs &dofs = nodes[end.node];
        const int base = 3 * side;
        constant[base] = dofs.u0x;
        constant[base + 1] = dofs.u0y;
        constant[base + 2] = dofs.rotation0;
        for (int j = 0; j < dofs.translations; ++j) {
            for (int d = 0; d < 6; ++d)
                coefficient[d][m] = 0.0;
            coefficient[base][m] = dofs.basis[0][j];
            coefficient[base + 1][m] = dofs.basis[1][j];
            index[m++] = dofs.first + j;
        }
        if (dofs.rotation >= 0 && rigidAt(end.joint)) {
            for (int d = 0; d < 6; ++d)
                coefficient[d][m] = 0.0;
            coefficient[base + 2][m] = 1.0;
            index[m++] = dofs.rotation;
        }
    }
    return m;
}

void StiffnessCalculation::assemble(Solver &s, std::vector<double> &rhs, bool withLoads)
{
    s.triplets.clear();
    s.triplets.reserve(static_cast<size_t>(structure.rods.count) * 21);
    s.diagonal.assign(unknowns, 0.0);
    s.reference.assign(unknowns, 0.0);
    rhs.assign(unknowns, 0.0);

    for (int r = 0; r < structure.rods.count; ++r) {
        if (isLink[r])
            continue;
        const StiffnessElement &e = elements[r];
        const Rod &rod = structure.rods[r];
        // Global stiffness R' k R, column by column.
        double Kg[6][6];
        for (int j = 0; j < 6; ++j) {
            double unit[6] = {}, local[6], kl[6] = {}, global[6];
            unit[j] = 1.0;
            e.ToLocal(unit, local);
            for (int i = 0; i < 6; ++i) {
                for (int l = 0; l < 6; ++l)
                    kl[i] += e.k[i][l] * local[l];
            }
            e.ToGlobal(kl, global);
            for (int i = 0; i < 6; ++i)
                Kg[i][j] = global[i];
        }
        double constant[6], coefficient[6][6];
        int index[6];
        const int m = elementMap(r, constant, index, coefficient);

        // Forces at held unknowns: the prescribed part and the rod's loads.
        double held[6];
        e.ToGlobal(e.fixedEnd, held);
        for (int i = 0; i < 6; ++i) {
            if (!withLoads)
                held[i] = 0.0;
            for (int j = 0; j < 6; ++j)
                held[i] += withLoads ? Kg[i][j] * constant[j] : 0.0;
        }
        double KC[6][6]; // Kg * coefficient
        for (int i = 0; i < 6; ++i) {
            for (int b = 0; b < m; ++b) {
                double sum = 0.0;
                for (int d = 0; d < 6; ++d)
                    sum += Kg[i][d] * coefficient[d][b];
                KC[i][b] = sum;
            }
        }
        const double L = e.length;
        const double translationScale = std::fmax(e.k[0][0], 12.0 * rod.EI / (L * L * L));
        const double rotationScale = 4.0 * rod.EI / L;
        for (int a = 0; a < m; ++a) {
            double f = 0.0;
            for (int d = 0; d < 6; ++d)
                f += coefficient[d][a] * held[d];
            rhs[index[a]] -= f;
            const bool rotation = unknownKind[index[a]] == 2;
            s.reference[index[a]] =
                std::fmax(s.reference[index[a]], rotation ? rotationScale : translationScale);
            for (int b = 0; b < m; ++b) {
                double value = 0.0;
                for (int d = 0; d < 6; ++d)
                    value += coefficient[d][a] * KC[d][b];
                if (index[a] == index[b])
                    s.diagonal[index[a]] += value;
                if (index[a] >= index[b] && value != 0.0)
                    s.triplets.emplace_back(index[a], index[b], value);
            }
        }
    }

    if (!withLoads)
        return;
    for (int k = 0; k < structure.nodes.count; ++k) {
        const Node &node = structure.nodes[k];
        const NodeDofs &dofs = nodes[k];
        if (dofs.support)
            continue;
        for (int j = 0; j < dofs.translations; ++j)
            rhs[dofs.first + j] += dofs.basis[0][j] * node.force.x + dofs.basis[1][j] * node.force.y;
        if (dofs.rotation >= 0)
            rhs[dofs.rotation] -= node.moment; // clockwise positive
    }
}

std::string StiffnessCalculation::unknownName(int unknown) const
{
    const int k = unknownNode[unknown];
    const NodeDofs &dofs = nodes[k];
    char text[200];
    if (unknownKind[unknown] == 2) {
        std::snprintf(
            text, sizeof text,
            TranslatedText("Calculation",
                           QT_TRANSLATE_NOOP("Calculation", "Узел %d может свободно поворачиваться."))
                .c_str(),
            nodeLabel(k));
    } else {
        const int j = unknownKind[unknown];
        const bool alongX = std::fabs(dofs.basis[0][j]) >= std::fabs(dofs.basis[1][j]);
        std::snprintf(
            text, sizeof text,
            TranslatedText("Calculation",
                           QT_TRANSLATE_NOOP("Calculation", "Узел %d может свободно смещаться по оси %s."))
                .c_str(),
            nodeLabel(k), alongX ? "X" : "Y");
    }
    return text;
}

bool StiffnessCalculation::factor(Solver &s, double threshold, int &zeroAt)
{
    zeroAt = -1;
    // A diagonal that is round-off against the rods that make it: nothing
    // holds the node in that direction.
    s.scale.assign(unknowns, 0.0);
    for (int i = 0; i < unknowns; ++i) {
        if (!(s.diagonal[i] > 1e-12 * s.reference[i]) || !std::isfinite(s.diagonal[i])) {
            zeroAt = i;
            return false;
        }
        s.scale[i] = 1.0 / std::sqrt(s.diagonal[i]);
    }
    s.weakest = -1;
    s.weakestPivot = 1.0;
    if (unknowns == 0)
        return true;
    for (Eigen::Triplet<double> &t : s.triplets)
        t = Eigen::Triplet<double>(t.row(), t.col(), t.value() * s.scale[t.row()] * s.scale[t.col()]);
    s.K.resize(unknowns, unknowns);
    s.K.setFromTriplets(s.triplets.begin(), s.triplets.end());
    std::vector<Eigen::Triplet<double>>().swap(s.triplets);

    s.ldlt.compute(s.K);
    const bool exact = s.ldlt.info() == Eigen::Success;
    if (!exact) {
        // An exact zero stopped the factorisation; a tiny shift lets it run
        // to the end so that the zero can be found.
        s.ldlt.setShift(1e-14);
        s.ldlt.compute(s.K);
        s.ldlt.setShift(0.0);
    }
    const Eigen::VectorXd &D = s.ldlt.vectorD();
    const auto &inverse = s.ldlt.permutationPinv().indices();
    int weakest = 0;
    for (int k = 0; k < unknowns; ++k) {
        if (D[k] < D[weakest])
            weakest = k;
        if (zeroAt < 0 && !(D[k] > threshold))
            zeroAt = inverse[k];
    }
    s.weakest = inverse[weakest];
    s.weakestPivot = D[weakest];
    if (!exact && zeroAt < 0)
        zeroAt = s.weakest;
    return zeroAt < 0;
}

bool StiffnessCalculation::findMechanism(int &unknown)
{
    // Which modes move freely does not depend on how stiff the rods are
    // along their axes, only on their being stiff at all. With axial and
    // bending stiffness of one size the pivots of a mechanism are round-off
    // and those of a stable frame are not, whatever the user's EF.
    buildElements(true);
    Solver surrogate;
    std::vector<double> rhs;
    assemble(surrogate, rhs, false);
    const bool stable = factor(surrogate, mechanismPivot, unknown);
    buildElements(false);
    return !stable;
}

bool StiffnessCalculation::factorise(bool report)
{
    Solver &s = *solver;
    int zeroAt = -1;
    // Round-off in the pivots of a mechanism grows with the ratio of axial
    // to bending stiffness.
    bool ok = factor(s, std::fmax(clearPivot, 1e4 * 2.2e-16 * stiffnessRatio), zeroAt);
    smallestPivot = s.weakestPivot;
    smallestPivotUnknown = s.weakest;
    if (!ok) {
        // Small pivots: a mechanism, or a frame whose rods are much
        // stiffer along their axes than across.
        int mechanismAt = -1;
        if (findMechanism(mechanismAt))
            zeroAt = mechanismAt;
        else
            ok = s.ldlt.info() == Eigen::Success && s.weakestPivot > 0.0;
    }
    if (ok)
        return true;
    smallestPivotUnknown = zeroAt;
    if (report) {
        LogPrintf("Zero pivot of unknown %d after scaling\n\n", zeroAt);
        ReportError("%s\n%s", LoadString(mechanismMessage), unknownName(zeroAt).c_str());
    }
    return false;
}

void StiffnessCalculation::nodeDisplacements(std::vector<long double> &ux, std::vector<long double> &uy,
                                             std::vector<long double> &turn) const
{
    const int nodeCount = structure.nodes.count;
    ux.assign(nodeCount, 0.0L);
    uy.assign(nodeCount, 0.0L);
    turn.assign(nodeCount, 0.0L);
    for (int k = 0; k < nodeCount; ++k) {
        const NodeDofs &dofs = nodes[k];
        ux[k] = dofs.u0x;
        uy[k] = dofs.u0y;
        for (int j = 0; j < dofs.translations; ++j) {
            ux[k] += dofs.basis[0][j] * q[dofs.first + j];
            uy[k] += dofs.basis[1][j] * q[dofs.first + j];
        }
        turn[k] = dofs.rotation >= 0 ? q[dofs.rotation] : static_cast<long double>(dofs.rotation0);
    }
}

// The end forces in the rod's axes, from the difference of its end
// translations: a translation of the whole rod gives exactly nothing, so
// that large movements of stiff rods keep the digits of their forces.
void StiffnessCalculation::rodEndForces(int r, const std::vector<long double> &ux,
                                        const std::vector<long double> &uy,
                                        const std::vector<long double> &turn, long double ends[6]) const
{
    const Rod &rod = structure.rods[r];
    const StiffnessElement &e = elements[r];
    const int b = rod.begin.node;
    const int n = rod.end.node;
    const long double dx = ux[n] - ux[b];
    const long double dy = uy[n] - uy[b];
    const long double local[6] = {0.0L, 0.0L, turn[b], e.c * dx + e.s * dy, -e.s * dx + e.c * dy, turn[n]};
    for (int i = 0; i < 6; ++i) {
        ends[i] = e.fixedEnd[i];
        for (int j = 2; j < 6; ++j)
            ends[i] += e.k[i][j] * local[j];
    }
}

void StiffnessCalculation::toGlobal(int r, const long double ends[6], long double global[6]) const
{
    const StiffnessElement &e = elements[r];
    for (int base : {0, 3}) {
        global[base] = e.c * ends[base] - e.s * ends[base + 1];
        global[base + 1] = e.s * ends[base] + e.c * ends[base + 1];
        global[base + 2] = ends[base + 2];
    }
}

void StiffnessCalculation::residual(std::vector<long double> &r) const
{
    r.assign(unknowns, 0.0L);
    for (int k = 0; k < structure.nodes.count; ++k) {
        const Node &node = structure.nodes[k];
        const NodeDofs &dofs = nodes[k];
        if (dofs.support)
            continue;
        for (int j = 0; j < dofs.translations; ++j)
            r[dofs.first + j] += dofs.basis[0][j] * node.force.x + dofs.basis[1][j] * node.force.y;
        if (dofs.rotation >= 0)
            r[dofs.rotation] -= node.moment;
    }
    std::vector<long double> ux, uy, turn;
    nodeDisplacements(ux, uy, turn);
    for (int rod = 0; rod < structure.rods.count; ++rod) {
        if (isLink[rod])
            continue;
        long double ends[6], global[6];
        rodEndForces(rod, ux, uy, turn, ends);
        toGlobal(rod, ends, global);
        double constant[6], coefficient[6][6];
        int index[6];
        const int m = elementMap(rod, constant, index, coefficient);
        for (int a = 0; a < m; ++a) {
            for (int d = 0; d < 6; ++d)
                r[index[a]] -= coefficient[d][a] * global[d];
        }
    }
}

void StiffnessCalculation::solve(const std::vector<double> &rhs)
{
    q.assign(unknowns, 0.0L);
    if (unknowns == 0)
        return;
    Solver &s = *solver;
    Eigen::VectorXd b(unknowns);
    for (int i = 0; i < unknowns; ++i)
        b[i] = rhs[i] * s.scale[i];
    const Eigen::VectorXd y = s.ldlt.solve(b);
    for (int i = 0; i < unknowns; ++i)
        q[i] = static_cast<long double>(y[i]) * s.scale[i];
    // Refinement with the out-of-balance forces of the rods in extended
    // precision recovers the digits that the ratio of axial to bending
    // stiffness costs; it goes on while it gains.
    std::vector<long double> r;
    double previous = HUGE_VAL;
    for (int step = 0; step < refinementSteps; ++step) {
        residual(r);
        double size = 0.0;
        for (int i = 0; i < unknowns; ++i) {
            b[i] = static_cast<double>(r[i] * s.scale[i]);
            size = std::fmax(size, std::fabs(static_cast<double>(r[i])));
        }
        if (!(size < 0.5 * previous) || size <= 1e-18 * loadScale)
            break;
        previous = size;
        const Eigen::VectorXd correction = s.ldlt.solve(b);
        for (int i = 0; i < unknowns; ++i)
            q[i] += static_cast<long double>(correction[i]) * s.scale[i];
    }
    for (int i = 0; i < unknowns; ++i) {
        if (!(std::fabs(static_cast<double>(q[i])) <= resultLimit))
            OnMathError(MathErrorKind::Overflow);
    }
}

bool StiffnessCalculation::transferResults()
{
    const int nodeCount = structure.nodes.count;
    const int rodCount = structure.rods.count;
    std::vector<long double> ux, uy, turn;
    nodeDisplacements(ux, uy, turn);

    // End forces of every rod. A rod out of balance with its own loads
    // betrays displacements that only a mechanism allows; nothing is
    // written then.
    std::vector<long double> endForces(6 * static_cast<size_t>(rodCount), 0.0L);
    std::vector<double> imbalance(rodCount, 0.0);
    double scale = 0.0;
    for (int r = 0; r < rodCount; ++r) {
        if (isLink[r])
            continue;
        const Rod &rod = structure.rods[r];
        const StiffnessElement &e = elements[r];
        long double *ends = &endForces[6 * static_cast<size_t>(r)];
        long double global[6];
        rodEndForces(r, ux, uy, turn, ends);
        for (int i = 0; i < 6; ++i) {
            if (!(std::fabs(static_cast<double>(ends[i])) <= resultLimit))
                OnMathError(MathErrorKind::Overflow);
        }
        toGlobal(r, ends, global);
        const double L = e.length;
        const double px = rod.load.x * L, py = rod.load.y * L;
        scale = std::fmax(scale, std::hypot(px, py));
        for (int i = 0; i < 6; ++i)
            scale = std::fmax(scale, std::fabs(static_cast<double>(i % 3 == 2 ? global[i] / L : global[i])));
        const double dx = e.c * L, dy = e.s * L;
        const long double out[3] = {
            global[0] + global[3] + px, global[1] + global[4] + py,
            (global[2] + global[5] + dx * global[4] - dy * global[3] + 0.5 * (dx * py - dy * px)) / L};
        for (long double v : out)
            imbalance[r] = std::fmax(imbalance[r], std::fabs(static_cast<double>(v)));
    }
    // Forces of round-off size (a frame that its loads only move) are no
    // evidence: the scale is at least that of the loads at the unknowns.
    scale = std::fmax(scale, loadScale);
    for (double out : imbalance) {
        if (out > rodBalance * scale)
            return false;
    }

    // Sums of the forces the nodes exert on the rods.
    std::vector<long double> fx(nodeCount, 0.0L), fy(nodeCount, 0.0L), fm(nodeCount, 0.0L);
    for (int r = 0; r < rodCount; ++r) {
        if (isLink[r])
            continue;
        Rod &rod = structure.rods[r];
        const int b = rod.begin.node;
        const int n = rod.end.node;
        const long double *ends = &endForces[6 * static_cast<size_t>(r)];
        long double global[6];
        rod.resultM = Pair(cleaned(-ends[2]), cleaned(-ends[5]));
        rod.resultQ = Pair(cleaned(ends[1]), cleaned(-ends[4]));
        rod.resultN = Pair(cleaned(-ends[0]), cleaned(ends[3]));
        toGlobal(r, ends, global);
        fx[b] += global[0];
        fy[b] += global[1];
        fm[b] += global[2];
        fx[n] += global[3];
        fy[n] += global[4];
        fm[n] += global[5];
    }

    // The links take what the elements and the load leave at their node:
    // sum N t = (forces of the node on the rods) - load, the smallest N.
    for (int k = 0; k < nodeCount; ++k) {
        const NodeDofs &dofs = nodes[k];
        if (dofs.links.empty())
            continue;
        const Node &node = structure.nodes[k];
        const double rx = static_cast<double>(fx[k] - node.force.x);
        const double ry = static_cast<double>(fy[k] - node.force.y);
        double g00 = 0.0, g01 = 0.0, g11 = 0.0;
        for (const Link &link : dofs.links) {
            g00 += link.tx * link.tx;
            g01 += link.tx * link.ty;
            g11 += link.ty * link.ty;
        }
        double px, py; // G^+ r
        if (dofs.translations == 0) {
            const double det = g00 * g11 - g01 * g01;
            px = (g11 * rx - g01 * ry) / det;
            py = (g00 * ry - g01 * rx) / det;
        } else {
            const double vx = -dofs.basis[1][0];
            const double vy = dofs.basis[0][0];
            const double along = (vx * rx + vy * ry) / (g00 + g11);
            px = vx * along;
            py = vy * along;
        }
        for (const Link &link : dofs.links) {
            const double N = cleaned(link.tx * px + link.ty * py);
            Rod &rod = structure.rods[link.rod];
            rod.resultM = Pair();
            rod.resultQ = Pair();
            rod.resultN = Pair(N, N);
            const int support = rod.begin.node == k ? rod.end.node : rod.begin.node;
            fx[support] += N * link.tx;
            fy[support] += N * link.ty;
        }
    }

    for (int k = 0; k < nodeCount; ++k) {
        Node &node = structure.nodes[k];
        if (node.isFree == 0) {
            node.resultDisplacement =
                Triple(node.displacement.x, node.displacement.y, node.displacement.z * degreesToRadians);
            // Loads on a support go straight into its reaction; node moments
            // are clockwise, reaction moments counter-clockwise.
            node.reaction = Triple(cleaned(fx[k] - node.force.x), cleaned(fy[k] - node.force.y),
                                   cleaned(fm[k] + node.moment));
        } else {
            const double rotation = nodes[k].rotation >= 0 ? 0.0 - static_cast<double>(turn[k]) : 0.0;
            node.resultDisplacement = Triple(cleaned(ux[k]), cleaned(uy[k]), rotation);
            node.reaction = Triple();
        }
    }
    return true;
}

void StiffnessCalculation::logUnknowns() const
{
    LogPrintf("Unknowns of the nodes (x, y, rotation; - where the node does not move that way):\n");
    for (int k = 0; k < structure.nodes.count; ++k) {
        const NodeDofs &dofs = nodes[k];
        if (dofs.support) {
            LogPrintf("Node %d: support\n", k);
        } else if (dofs.translations == 1) {
            LogPrintf("Node %d: %d along (%g, %g), rotation %d\n", k, dofs.first, dofs.basis[0][0],
                      dofs.basis[1][0], dofs.rotation);
        } else if (dofs.translations == 2) {
            LogPrintf("Node %d: x %d, y %d, rotation %d\n", k, dofs.first, dofs.first + 1, dofs.rotation);
        } else {
            LogPrintf("Node %d: held by its links, rotation %d\n", k, dofs.rotation);
        }
    }
    int links = 0;
    for (char link : isLink)
        links += link;
    LogPrintf("\nUnknowns: %d; rods: %d; rigid support links: %d\n\n", unknowns,
              static_cast<int>(isLink.size()) - links, links);
}

bool StiffnessCalculation::IsStable()
{
    try {
        if (structure.rods.count == 0 || !checkInput(false) || !setUpUnknowns(false))
            return false;
        int unknown = -1;
        return !findMechanism(unknown);
    } catch (const MathException &) {
    } catch (const std::bad_alloc &) {
    }
    return false;
}

bool StiffnessCalculation::Run()
{
    const char *step = "RunCalculation";
    try {
        DeleteLogFile();
        const bool logging = Settings::current().logEnabled != 0;
        const long t0 = clockMilliseconds();
        LogPrintf("CALCULATING WITH AXIALLY COMPLIANT RODS (STIFFNESS METHOD)\n\n");
        step = "InitializeArrays";
        if (!checkInput(true) || !setUpUnknowns(true))
            return false;
        buildElements(false);
        logUnknowns();

        step = "AssembleStiffness";
        solver = std::make_unique<Solver>();
        std::vector<double> rhs;
        assemble(*solver, rhs, true);
        loadScale = 0.0;
        for (double load : rhs)
            loadScale = std::fmax(loadScale, std::fabs(load));
        LogPrintf("Nonzeros of the lower triangle: %d\n\n", static_cast<int>(solver->triplets.size()));
        if (logging && unknowns > 0 && unknowns <= largestLoggedMatrix) {
            Matrix K("K - Stiffness matrix", unknowns, unknowns);
            for (const Eigen::Triplet<double> &t : solver->triplets) {
                K[t.row()][t.col()] += t.value();
                if (t.row() != t.col())
                    K[t.col()][t.row()] += t.value();
            }
            LogMatrix(K);
        }
        if (logging && unknowns > 0) {
            Matrix R("R - Load vector", unknowns, 1);
            for (int i = 0; i < unknowns; ++i)
                R[i][0] = rhs[i];
            LogMatrix(R);
        }
        const long t1 = clockMilliseconds();

        step = "FactoriseStiffness";
        if (!factorise(true))
            return false;
        LogPrintf("Smallest pivot of the scaled factorisation: %g (unknown %d)\n\n", smallestPivot,
                  smallestPivotUnknown);
        const long t2 = clockMilliseconds();

        step = "SolveStiffness";
        solve(rhs);
        if (logging && unknowns > 0) {
            Matrix Z("Z - Displacements", unknowns, 1);
            for (int i = 0; i < unknowns; ++i)
                Z[i][0] = static_cast<double>(q[i]);
            LogMatrix(Z);
        }
        const long t3 = clockMilliseconds();

        step = "TransferRodResults";
        // Kept to be put back when the results fail their check.
        std::vector<Pair> rodResults;
        std::vector<Triple> nodeResults;
        for (const Rod &rod : structure.rods)
            rodResults.insert(rodResults.end(), {rod.resultM, rod.resultQ, rod.resultN});
        for (const Node &node : structure.nodes)
            nodeResults.insert(nodeResults.end(), {node.resultDisplacement, node.reaction});
        if (!transferResults()) {
            LogPrintf("A rod is out of balance: the structure moves without resistance\n\n");
            if (smallestPivotUnknown >= 0)
                ReportError("%s\n%s", LoadString(mechanismMessage),
                            unknownName(smallestPivotUnknown).c_str());
            else
                ReportMessage(mechanismMessage);
            return false;
        }
        step = "VerifyResults";
        ResultsCheckOptions check;
        check.axialCompliance = true;
        if (!VerifyResults(structure, check)) {
            for (int r = 0; r < structure.rods.count; ++r) {
                Rod &rod = structure.rods[r];
                rod.resultM = rodResults[3 * r];
                rod.resultQ = rodResults[3 * r + 1];
                rod.resultN = rodResults[3 * r + 2];
            }
            for (int k = 0; k < structure.nodes.count; ++k) {
                structure.nodes[k].resultDisplacement = nodeResults[2 * k];
                structure.nodes[k].reaction = nodeResults[2 * k + 1];
            }
            return false;
        }
        const long t4 = clockMilliseconds();
        totalTime = (t4 - t0) * 0.001;

        if (logging) {
            LogPrintf("End forces of the rods (N, Q, M at the begin, then at the end):\n");
            for (int r = 0; r < structure.rods.count; ++r) {
                const Rod &rod = structure.rods[r];
                LogPrintf("Rod %d: N=%g Q=%g M=%g  N=%g Q=%g M=%g\n", r, rod.resultN.x, rod.resultQ.x,
                          rod.resultM.x, rod.resultN.y, rod.resultQ.y, rod.resultM.y);
            }
            LogPrintf("\n");
        }
        LogPrintf("=======================\nCALCULATION TIME\n=======================\n\n"
                  "Initialization and assembly: %.5g\nFactorisation: %.5g\nSolution: %.5g\n"
                  "Results: %.5g\n\nTotal:  %.5g\n",
                  (t1 - t0) * 0.001, (t2 - t1) * 0.001, (t3 - t2) * 0.001, (t4 - t3) * 0.001, totalTime);
        return true;
    } catch (const MathException &exception) {
        Calculation::ReportMathException(exception.message(), step);
    } catch (const std::bad_alloc &) {
        Calculation::ReportMathException("Memory allocation error", step);
    }
    return false;
}

std::vector<int> RodsWithBareAxialRigidity(const StructureModel &structure)
{
    std::vector<int> rods;
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        if (rod.serviceKind == ServiceNone && rod.EF == 1.0 && rod.EI != 1.0)
            rods.push_back(r);
    }
    return rods;
}

std::string BareAxialRigidityNote(const StructureModel &structure, bool debugMode)
{
    const std::vector<int> rods = RodsWithBareAxialRigidity(structure);
    if (rods.empty())
        return {};
    std::string list;
    for (int r : rods) {
        if (!list.empty())
            list += ", ";
        list += std::to_string(debugMode ? r : structure.rods[r].number);
    }
    // The list of rods goes in place of the "%s" (it may be longer than any
    // fixed buffer).
    const std::string format =
        rods.size() == 1
            ? TranslatedText(
                  "Calculation",
                  QT_TRANSLATE_NOOP("Calculation",
                                    "У стержня %s продольная жесткость EF осталась равной 1 (значение по "
                                    "умолчанию), а EI задана: с учетом продольных деформаций они "
                                    "растягиваются и сжимаются почти без сопротивления."))
            : TranslatedText(
                  "Calculation",
                  QT_TRANSLATE_NOOP("Calculation",
                                    "У стержней %s продольная жесткость EF осталась равной 1 (значение "
                                    "по умолчанию), а EI задана: с учетом продольных деформаций они "
                                    "растягиваются и сжимаются почти без сопротивления."));
    const std::size_t at = format.find("%s");
    return at == std::string::npos ? format : format.substr(0, at) + list + format.substr(at + 2);
}
