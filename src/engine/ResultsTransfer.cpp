#include "engine/Calculation.h"
#include "engine/CalculationKernels.h"
#include "numeric/CalcLog.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

constexpr double degreesToRadians = std::numbers::pi / 180.0;

// Results beyond this magnitude could overflow when the cases are summed
// and the reactions formed; they are treated as an overflow.
constexpr double resultLimit = 1e300;

// Below this fraction of the largest value of its kind, a result is the
// round-off of the method and is written as exactly 0.
constexpr double roundOff = 1e-10;

double cleaned(double value, double scale)
{
    return std::fabs(value) < roundOff * scale ? 0.0 : value;
}

} // namespace

void Calculation::CheckResultsFinite() const
{
    using CalculationKernels::AllBounded;
    const Matrix *results[] = {&SMp, &SMd, &SMt,  &SQp, &SQd, &SQt, &SNp, &SNd,
                               &SNt, &Ud,  &Utep, &Up,  &Zp,  &Zd,  &Zt};
    for (const Matrix *matrix : results) {
        if (!AllBounded(*matrix, resultLimit))
            OnMathError(MathErrorKind::Overflow);
    }
    // Loads on supports are added to the reactions as they stand.
    for (int i = 0; i < NK0; ++i) {
        const Node &node = structure.nodes[K0[i]];
        for (double load : {node.force.x, node.force.y, node.moment}) {
            if (!(std::fabs(load) <= resultLimit))
                OnMathError(MathErrorKind::Overflow);
        }
    }
}

// The sizes against which round-off is judged: the largest moment, force and
// translation of the three cases and of the loads, each also measured
// against the others through the longest rod and the rods' rigidities, so
// that a case whose values are all round-off is still recognised.
void Calculation::MeasureResultScales()
{
    using CalculationKernels::MaxAbs;
    // Free rods only: the links that replace supports have a length of
    // their own, whatever the units of the structure.
    double longest = 0.0;
    for (int i = 0; i < NC; ++i)
        longest = std::fmax(longest, L[i]);
    double moment = std::fmax(std::fmax(MaxAbs(SMp), MaxAbs(SMd)), std::fmax(MaxAbs(SMt), MaxAbs(bp)));
    double force = std::fmax(std::fmax(MaxAbs(SQp), MaxAbs(SQd)), MaxAbs(SQt));
    force = std::fmax(force, std::fmax(std::fmax(MaxAbs(SNp), MaxAbs(SNd)), MaxAbs(SNt)));
    double rotation = 0.0;
    for (int j = 0; j < NG; ++j)
        rotation = std::fmax(rotation, std::fabs(Zp[j][0]) + std::fabs(Zd[j][0]) + std::fabs(Zt[j][0]));
    double translation = std::fmax(std::fmax(MaxAbs(Up), MaxAbs(Ud)), std::fmax(MaxAbs(Utep), MaxAbs(Uk)));
    translation = std::fmax(translation, rotation * longest);
    for (const Node &node : structure.nodes) {
        force = std::fmax(force, std::hypot(node.force.x, node.force.y));
        moment = std::fmax(moment, std::fabs(node.moment));
    }
    // The moments that the displacements cause in the softest rod: a stiffer
    // one may take its displacements without bending.
    double bending = HUGE_VAL;
    for (int i = 0; i < NC; ++i) {
        force = std::fmax(force, std::hypot(Q[2 * i], Q[2 * i + 1]) * L[i]);
        bending = std::fmin(bending, J[i] * (rotation + translation / L[i]));
    }
    if (NC > 0)
        moment = std::fmax(moment, bending);
    moment = std::fmax(moment, force * longest);
    force = std::fmax(force, moment / longest);
    momentScale = moment;
    forceScale = force;
    translationScale = translation;
}

void Calculation::TransferRodResults()
{
    MeasureResultScales();
    for (Matrix *matrix : {&SMp, &SMd, &SMt})
        matrix->ZeroTiny(momentScale);
    for (Matrix *matrix : {&SQp, &SQd, &SQt, &SNp, &SNd, &SNt})
        matrix->ZeroTiny(forceScale);
    for (Matrix *matrix : {&Ud, &Utep, &Up})
        matrix->ZeroTiny(translationScale);

    for (int i = 0; i < NC; ++i) {
        Rod &rod = structure.rods[i];
        rod.resultM = Pair(SMd[2 * i][0] + SMp[2 * i][0] + SMt[2 * i][0],
                           SMd[2 * i + 1][0] + SMp[2 * i + 1][0] + SMt[2 * i + 1][0]);
        rod.resultQ = Pair(SQp[2 * i][0] + SQd[i][0] + SQt[i][0], SQp[2 * i + 1][0] + SQd[i][0] + SQt[i][0]);
        rod.resultN = Pair(SNp[2 * i][0] + SNd[i][0] + SNt[i][0], SNp[2 * i + 1][0] + SNd[i][0] + SNt[i][0]);
    }
    // Support rods carry only an axial force. Their moment and shear are
    // cleared too: a rod that was a free rod in an earlier calculation would
    // otherwise keep its old shear, which the reactions read.
    for (int r = NC; r < NC + NC0; ++r) {
        Rod &rod = structure.rods[r];
        rod.resultM = Pair();
        rod.resultQ = Pair();
        rod.resultN = Pair(SNp[2 * r][0] + SNd[r][0] + SNt[r][0], SNp[2 * r + 1][0] + SNd[r][0] + SNt[r][0]);
    }
}

void Calculation::TransferNodeDisplacements()
{
    // A support node moves by its prescribed displacement (rotation entered
    // in degrees, reported in radians like every computed rotation). A
    // displacement put on a free node acts nowhere and is not reported.
    for (int k = 0; k < structure.nodes.count; ++k) {
        Node &node = structure.nodes[k];
        if (node.isFree == 0)
            node.resultDisplacement =
                Triple(node.displacement.x, node.displacement.y, node.displacement.z * degreesToRadians);
        else
            node.resultDisplacement = Triple();
    }
    for (int k = 0; k < NK; ++k) {
        Node &node = structure.nodes[k];
        node.resultDisplacement.x += Utep[2 * k][0] + Up[2 * k][0] + Ud[2 * k][0];
        node.resultDisplacement.y += Utep[2 * k + 1][0] + Up[2 * k + 1][0] + Ud[2 * k + 1][0];
    }
    for (int j = 0; j < NG; ++j)
        structure.nodes[G[j]].resultDisplacement.z += Zd[j][0] + Zt[j][0] + Zp[j][0];
}

void Calculation::ComputeReactions()
{
    IndexList rodsHere("rods at node", 1, 1);
    for (int k = 0; k < structure.nodes.count; ++k) {
        Node &node = structure.nodes[k];
        node.reaction = Triple();
        if (node.isFree != 0)
            continue;
        const JointType type = structure.jointAtNode(k);
        structure.rodsAtNode(k, rodsHere);
        for (int index = 0; index < rodsHere.count; ++index) {
            const int r = rodsHere[index];
            const Rod &rod = structure.rods[r];
            // Every rod ends at a support node it touches.
            const double M = rod.resultM.y;
            const double Q = rod.resultQ.y;
            const double N = rod.resultN.y;
            const double c = structure.rodCos(r);
            const double s = structure.rodSin(r);
            // Force of the rod on the node: N along the rod towards its begin
            // node, Q along the normal (-s, c).
            const double fx = -c * N - s * Q;
            const double fy = -s * N + c * Q;
            if (type == JointType::Hinge || type == JointType::MovingHinge || type == JointType::Fixed) {
                node.reaction.x -= fx;
                node.reaction.y -= fy;
            }
            if (type == JointType::Fixed)
                node.reaction.z -= M;
        }
        // A load put on a node that stays a support during the calculation
        // (a clamp) enters no equation: the support takes it directly. Node
        // moments are clockwise positive, reaction moments counter-clockwise.
        node.reaction.x -= node.force.x;
        node.reaction.y -= node.force.y;
        node.reaction.z += node.moment;
        node.reaction = Triple(cleaned(node.reaction.x, forceScale), cleaned(node.reaction.y, forceScale),
                               cleaned(node.reaction.z, momentScale));
    }
}
