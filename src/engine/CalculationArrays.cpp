#include "engine/Calculation.h"
#include "engine/RigidMethodLimits.h"
#include "engine/CalculationKernels.h"
#include "model/MathException.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int noFreeRodMessage = 50208;
constexpr int zeroValueMessage = 50212;
constexpr int negativeUnknownsMessage = 50216;
constexpr int noLinearUnknownsMessage = 50222;
constexpr int momentAtHingedNodeMessage = 50223;

constexpr double degreesToRadians = std::numbers::pi / 180.0;

bool isHinge(JointType joint)
{
    return joint == JointType::Hinge;
}

} // namespace

// Refuses (as an internal error) a structure that has not been through the
// preparation: every later step indexes its arrays by these orders, so a
// violation would address memory outside them.
bool Calculation::checkPrepared() const
{
    const int nodeCount = structure.nodes.count;
    bool supportSeen = false;
    for (int k = 0; k < nodeCount; ++k) {
        bool isFree = structure.nodes[k].isFree != 0;
        if (isFree && supportSeen)
            return false;
        supportSeen = supportSeen || !isFree;
    }
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        if (rod.begin.node < 0 || rod.end.node >= nodeCount || rod.begin.node > rod.end.node)
            return false;
    }
    return true;
}

bool Calculation::InitializeArrays()
{
    const NodeList &nodes = structure.nodes;
    const RodList &rods = structure.rods;
    if (!checkPrepared())
        MathException::Raise(
            "InitializeArrays: the structure %s[%d], %s[%d] is not prepared for calculation!", nodes.name,
            nodes.count, rods.name, rods.count);

    LogPrintf("INITIALIZING DATA ARRAYS\n\n");

    K.Create("K - Free Nodes", 1, 1);
    K0.Create("K0 - Support Nodes", 1, 1);
    for (int k = 0; k < nodes.count; ++k) {
        if (nodes[k].isFree != 0)
            K.Add(k);
        else
            K0.Add(k);
    }
    LogIntList(K);
    LogIntList(K0);
    NK = K.count;
    NK0 = K0.count;

    // A support rod is hinged at both ends and touches the ground.
    C.Create("C - Free rods", 1, 1);
    C0.Create("C0 - Support rods", 1, 1);
    for (int r = 0; r < rods.count; ++r) {
        const Rod &rod = rods[r];
        bool touchesSupport = nodes[rod.begin.node].isFree == 0 || nodes[rod.end.node].isFree == 0;
        if (isHinge(rod.begin.joint) && isHinge(rod.end.joint) && touchesSupport)
            C0.Add(r);
        else
            C.Add(r);
    }
    NC = C.count;
    NC0 = C0.count;
    if (NC < 1) {
        LogMessage(noFreeRodMessage);
        ReportMessage(noFreeRodMessage);
        return false;
    }
    for (int i = 0; i < NC; ++i) {
        if (C[i] != i)
            MathException::Raise(
                "InitializeArrays: free rod %d stands at position %d behind the support rods!", i, C[i]);
    }
    LogIntList(C);
    LogIntList(C0);

    const int rodCount = NC + NC0;
    INC.Create("INC - Incidences", 2 * rodCount);
    for (int r = 0; r < rodCount; ++r) {
        INC[2 * r] = rods[r].begin.node;
        INC[2 * r + 1] = rods[r].end.node;
    }
    LogIntVector(INC);

    B.Create("B - Rods begining with joint", 1, 1);
    D.Create("D - Rods ending with joint", 1, 1);
    rodBeginsWithJoint.assign(NC, 0);
    rodEndsWithJoint.assign(NC, 0);
    for (int i = 0; i < NC; ++i) {
        const Rod &rod = rods[C[i]];
        if (isHinge(rod.begin.joint)) {
            B.Add(i);
            rodBeginsWithJoint[i] = 1;
        }
        if (isHinge(rod.end.joint)) {
            D.Add(i);
            rodEndsWithJoint[i] = 1;
        }
    }
    LogIntList(B);
    LogIntList(D);

    // Moving fixed ends are refused by the structure check; the list stays empty.
    DZ.Create("DZ - Rods ending by Moving Fixed Support", 1, 1);
    LogIntList(DZ);

    // A free node is rigid when any rod end at it is Fixed; its rotation is
    // an unknown. One pass over the rods marks them.
    std::vector<char> hasFixedEnd(nodes.count, 0);
    for (int r = 0; r < rods.count; ++r) {
        const Rod &rod = rods[r];
        if (rod.begin.joint == JointType::Fixed)
            hasFixedEnd[rod.begin.node] = 1;
        if (rod.end.joint == JointType::Fixed)
            hasFixedEnd[rod.end.node] = 1;
    }
    G.Create("G - Free Rigid Nodes", 1, 1);
    for (int k = 0; k < nodes.count; ++k) {
        if (nodes[k].isFree != 0 && hasFixedEnd[k])
            G.Add(k);
    }
    LogIntList(G);

    NG = G.count;
    NZ = 2 * NK - NC0 - NC;
    LogPrintf("Unknown displacements: %d angular, %d linear\n\n", NG, NZ);
    if (NZ < 0) {
        ReportRigidMethodLimit(structure, negativeUnknownsMessage);
        return false;
    }
    if (NZ == 0) {
        ReportRigidMethodLimit(structure, noLinearUnknownsMessage);
        return false;
    }

    const int nodeCount = NK + NK0;
    COOR.Create("COOR - Coordinates of nodes", 2 * nodeCount);
    for (int k = 0; k < nodeCount; ++k) {
        COOR[2 * k] = nodes[k].x;
        COOR[2 * k + 1] = nodes[k].y;
    }
    LogVector(COOR);

    L.Create("L - Lengths of rods", rodCount);
    lc.Create("lc - Horizontal cosines", rodCount);
    mc.Create("mc - Vertical cosines", rodCount);
    for (int r = 0; r < rodCount; ++r) {
        // An overflow of the differences or squares is a math error.
        MathErrorCheck mathCheck;
        double dx = COOR[2 * INC[2 * r + 1]] - COOR[2 * INC[2 * r]];
        double dy = COOR[2 * INC[2 * r + 1] + 1] - COOR[2 * INC[2 * r] + 1];
        double length = std::sqrt(dx * dx + dy * dy);
        mathCheck.check();
        L[r] = length;
        // A rod of zero length keeps cosines of 0; the check of L refuses it.
        lc[r] = length != 0.0 ? dx / length : 0.0;
        mc[r] = length != 0.0 ? dy / length : 0.0;
    }
    LogVector(lc);
    LogVector(mc);
    LogVector(L);
    // A value counts as zero against the largest of its kind, so that the
    // units of lengths, rigidities and heights do not matter; below 1e-100,
    // far from any system of units, it is zero in any case.
    auto MaxAbs = [](const auto &values) { return std::fmax(CalculationKernels::MaxAbs(values), 1e-90); };
    if (!L.HasNoZeros(MaxAbs(L))) {
        ReportMessage(zeroValueMessage, "L");
        return false;
    }

    I.Create("I - Rigidity", NC);
    J.Create("J - Rigidity per length", NC);
    for (int i = 0; i < NC; ++i) {
        I[i] = rods[i].EI;
        J[i] = rods[i].EI / L[i];
    }
    LogVector(I);
    // Rigidities may differ by many orders (a stiff link); one is zero only
    // where it vanishes in the round-off of the largest (1e-14 of it).
    // Differences the method cannot resolve are refused after the
    // calculation by the check of the results (50227).
    constexpr double rigidityRange = 1e-4;
    if (!I.HasNoZeros(rigidityRange * MaxAbs(I))) {
        ReportMessage(zeroValueMessage, "I");
        return false;
    }
    LogVector(J);
    if (!J.HasNoZeros(rigidityRange * MaxAbs(J))) {
        ReportMessage(zeroValueMessage, "J");
        return false;
    }

    // Row r of AV holds the unit vector from each end node towards the other
    // one: (lc, mc) at the begin node and (-lc, -mc) at the end node, so that
    // AV * u is the shortening of every rod.
    AV.Create("AV - Overall topology - rods x nodes", rodCount, 2 * nodeCount);
    for (int r = 0; r < rodCount; ++r) {
        int bn = INC[2 * r];
        int en = INC[2 * r + 1];
        double dx = (COOR[2 * en] - COOR[2 * bn]) / L[r];
        double dy = (COOR[2 * en + 1] - COOR[2 * bn + 1]) / L[r];
        AV[r][2 * bn] = dx;
        AV[r][2 * bn + 1] = dy;
        AV[r][2 * en] = -dx;
        AV[r][2 * en + 1] = -dy;
    }
    AV.ZeroTiny();
    LogMatrix(AV);

    A1.Create("A1 - Submatrix of AV - Free nodes", rodCount, 2 * NK);
    CalculationKernels::CopyColumns(AV, 0, A1);
    A0.Create("A0 - Submatrix of AV - Support nodes", rodCount, 2 * NK0);
    CalculationKernels::CopyColumns(AV, 2 * NK, A0);
    LogMatrix(A1);
    LogMatrix(A0);

    // Row i of BV measures the transverse displacement of the rod's end
    // relative to its begin along the normal n = (-mc, lc).
    BV.Create("BV - Overall topology - free rods x nodes", NC, 2 * nodeCount);
    for (int i = 0; i < NC; ++i) {
        const double *avRow = AV[i];
        double *bvRow = BV[i];
        for (int k = 0; k < nodeCount; ++k) {
            bvRow[2 * k] = avRow[2 * k + 1];
            bvRow[2 * k + 1] = -avRow[2 * k];
        }
    }
    LogMatrix(BV);

    B1.Create("B1 - Submatrix of BV - Free nodes", NC, 2 * NK);
    CalculationKernels::CopyColumns(BV, 0, B1);
    B0.Create("B0 - Submatrix of BV - Support nodes", NC, 2 * NK0);
    CalculationKernels::CopyColumns(BV, 2 * NK, B0);
    LogMatrix(B1);
    LogMatrix(B0);

    PM.Create("PM - Node Moments", NK);
    PP.Create("PP - Node Forces by x and y", 2 * NK);
    for (int i = 0; i < NK; ++i) {
        const Node &node = nodes[K[i]];
        PM[i] = node.moment;
        PP[2 * i] = node.force.x;
        PP[2 * i + 1] = node.force.y;
    }
    LogVector(PM);
    LogVector(PP);

    Q.Create("Q - Rod Loads by x and y", 2 * NC);
    for (int i = 0; i < NC; ++i) {
        Q[2 * i] = rods[C[i]].load.x;
        Q[2 * i + 1] = rods[C[i]].load.y;
    }
    LogVector(Q);

    // Prescribed rotations are entered in degrees; the method works in radians.
    Uk.Create("Uk - Support node linear displacements", 2 * NK0, 1);
    KSIk.Create("KSIk - Support node angular displacements", NK0, 1);
    for (int i = 0; i < NK0; ++i) {
        const Node &node = nodes[K0[i]];
        Uk[2 * i][0] = node.displacement.x;
        Uk[2 * i + 1][0] = node.displacement.y;
        KSIk[i][0] = node.displacement.z * degreesToRadians;
    }
    LogMatrix(Uk);
    LogMatrix(KSIk);

    AL.Create("AL - Rods Temperature ratio", NC, 1);
    H.Create("H - Rods cross-section heights", NC, 1);
    T.Create("T - Rods Temperatures at left and right fibres", 2 * NC, 1);
    for (int i = 0; i < NC; ++i) {
        const Rod &rod = rods[i];
        AL[i][0] = rod.alpha;
        H[i][0] = rod.height;
        T[2 * i][0] = rod.temperature.x;
        T[2 * i + 1][0] = rod.temperature.y;
    }
    LogMatrix(AL);
    if (!AL.HasNoZeros(MaxAbs(AL))) {
        ReportMessage(zeroValueMessage, "AL");
        return false;
    }
    LogMatrix(H);
    if (!H.HasNoZeros(MaxAbs(H))) {
        ReportMessage(zeroValueMessage, "H");
        return false;
    }
    LogMatrix(T);
    return true;
}

// A node moment enters the method only as the load of its node's rotation
// unknown (the rows of G). At a free node where every rod end is hinged the
// node cannot take a concentrated moment: the structure is a mechanism for
// that load.
bool Calculation::CheckNodeMoments()
{
    std::vector<char> hasRotation(NK + NK0, 0);
    for (int j = 0; j < NG; ++j)
        hasRotation[G[j]] = 1;
    for (int i = 0; i < NK; ++i) {
        const int k = K[i];
        if (PM[i] == 0.0 || hasRotation[k])
            continue;
        // The user's number; the position in debug mode, where positions are shown.
        const int label = Settings::current().debugMode ? k : structure.nodes[k].number;
        ReportError(LoadString(momentAtHingedNodeMessage), label);
        return false;
    }
    return true;
}
