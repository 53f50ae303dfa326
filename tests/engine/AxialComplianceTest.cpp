// Axially compliant rods ("AxialCompliance" = 1): closed-form answers of
// textbook structures, most of which the axially rigid method refuses, the
// refusals that point to compliance, named mechanisms and the note about rods
// whose EF was never set. Sign conventions: see KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"
#include "engine/ResultsReport.h"
#include "engine/RigidMethodLimits.h"
#include "engine/StiffnessCalculation.h"
#include "fixtures/RigidFrame.h"
#include "model/Settings.h"
#include "numeric/Messages.h"
#include "support/Near.h"
#include "support/SettingsRestorer.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <regex>

using namespace enginetest;

namespace {

// `actual` within 1e-8 of max(|expected|, |scale|).
::testing::AssertionResult Close(double actual, double expected, double scale)
{
    return Near(expected, actual, Scale(scale));
}

constexpr double L = 6.0;
constexpr double EI = 2.0e3;
constexpr double EF = 5.0e5;
constexpr double q = 3.0; // downward
constexpr double P = 7.0; // downward

enum class Support { Clamp, Pin, Roller };

JointType JointOf(Support support)
{
    return support == Support::Clamp ? JointType::Fixed
           : support == Support::Pin ? JointType::Hinge
                                     : JointType::MovingHinge;
}

// A horizontal beam of length `length` from node 1 (x = 0) to node 3
// (x = length), with a rigid middle node 2 when `middle`; uniform load q.
StructureModel Beam(Support left, Support right, bool middle, double length = L)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 3, length, 0.0, false);
    if (middle) {
        AddNode(s, 2, 0.5 * length, 0.0, true);
        AddRod(s, 1, 0, 2, JointOf(left), JointType::Fixed, EI);
        AddRod(s, 2, 2, 1, JointType::Fixed, JointOf(right), EI);
    } else {
        AddRod(s, 1, 0, 1, JointOf(left), JointOf(right), EI);
    }
    for (Rod &rod : s.rods) {
        rod.EF = EF;
        rod.load = Pair(0.0, -q);
    }
    return s;
}

// The first of the two rods at the right end, or the only one.
int RightRod(const StructureModel &s)
{
    return s.rods.count == 2 ? 2 : 1;
}

::testing::AssertionResult CalculatedWithCompliance(StructureModel &s)
{
    SettingsRestorer guard;
    Settings::current().axialCompliance = 1;
    return Calculated(s);
}

} // namespace

TEST(AxialCompliance, TextbookBeamsMatchTheirClosedForms)
{
    const double qL2 = q * L * L;
    const double scale = qL2;
    struct Case {
        const char *name;
        Support left, right;
        bool middle;
        double leftMoment;   // clockwise end moment at node 1
        double middleMoment; // sagging moment at node 2 (middle only)
        double middleDeflection;
        double leftReaction, rightReaction; // vertical
        bool rigidMethodRefuses;
    } cases[] = {
        {"simply supported, one rod", Support::Pin, Support::Roller, false, 0.0, 0.0, 0.0, q * L / 2,
         q * L / 2, true},
        {"simply supported, middle node", Support::Pin, Support::Roller, true, 0.0, qL2 / 8,
         -5 * q * std::pow(L, 4) / (384 * EI), q * L / 2, q * L / 2, false},
        {"fixed-fixed, middle node", Support::Clamp, Support::Clamp, true, -qL2 / 12, qL2 / 24,
         -q * std::pow(L, 4) / (384 * EI), q * L / 2, q * L / 2, true},
        {"clamp-pin, middle node", Support::Clamp, Support::Pin, true, -qL2 / 8, 0.0, 0.0, 5 * q * L / 8,
         3 * q * L / 8, true},
        {"clamp-pin, one rod", Support::Clamp, Support::Pin, false, -qL2 / 8, 0.0, 0.0, 5 * q * L / 8,
         3 * q * L / 8, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = Beam(c.left, c.right, c.middle);
        ASSERT_TRUE(CalculatedWithCompliance(s));
        EXPECT_TRUE(Close(MomentAt(s, 1, 1), c.leftMoment, scale));
        EXPECT_TRUE(Close(MomentAt(s, RightRod(s), 3), 0.0 - (c.right == Support::Clamp ? c.leftMoment : 0.0),
                          scale));
        if (c.middle && c.middleMoment != 0.0) {
            EXPECT_TRUE(Close(MomentAt(s, 2, 2), c.middleMoment, scale));
            EXPECT_TRUE(Close(NodeNumber(s, 2).resultDisplacement.y, c.middleDeflection, 1e-12));
        }
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, c.leftReaction, q * L));
        EXPECT_TRUE(Close(NodeNumber(s, 3).reaction.y, c.rightReaction, q * L));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.x, 0.0, q * L));
        for (const Rod &rod : s.rods)
            EXPECT_TRUE(Close(rod.resultN.x, 0.0, q * L)) << "no axial force under a transverse load";
        EXPECT_TRUE(PartsInBalance(s));

        // Without compliance: refused, with the way out named.
        StructureModel rigid = Beam(c.left, c.right, c.middle);
        RecordingReporter errors;
        double time = 0.0;
        EXPECT_EQ(Calculate(rigid, time), !c.rigidMethodRefuses);
        if (c.rigidMethodRefuses) {
            ASSERT_EQ(errors.messages.size(), 1u);
            EXPECT_NE(errors.messages[0].reason.find(LoadString(50229)), std::string::npos);
        }
    }
}

TEST(AxialCompliance, PointLoadsAndTwoSpans)
{
    // Pin-pin beam with a middle node under P: PL/4 and PL^3/48EI.
    StructureModel s = Beam(Support::Pin, Support::Pin, true);
    for (Rod &rod : s.rods)
        rod.load = Pair();
    s.nodes[FindNode(s, 2)].force = Pair(0.0, -P);
    ASSERT_TRUE(CalculatedWithCompliance(s));
    EXPECT_TRUE(Close(MomentAt(s, 2, 2), P * L / 4, P * L));
    EXPECT_TRUE(Close(NodeNumber(s, 2).resultDisplacement.y, -P * L * L * L / (48 * EI), 1e-12));
    EXPECT_TRUE(PartsInBalance(s));

    // Two simple spans on a pin and two rollers: qL^2/8 over the middle
    // support, reactions 3qL/8, 10qL/8, 3qL/8.
    StructureModel t;
    AddNode(t, 1, 0.0, 0.0, false);
    AddNode(t, 2, L, 0.0, false);
    AddNode(t, 3, 2 * L, 0.0, false);
    AddRod(t, 1, 0, 1, JointType::Hinge, JointType::MovingHinge, EI);
    AddRod(t, 2, 1, 2, JointType::MovingHinge, JointType::MovingHinge, EI);
    for (Rod &rod : t.rods) {
        rod.EF = EF;
        rod.load = Pair(0.0, -q);
    }
    StructureModel rigid = t;
    ASSERT_TRUE(CalculatedWithCompliance(t));
    // The roller's hinge at the middle: both rods hinged there, so the
    // moment over the support is zero. Such a beam is two simple spans.
    EXPECT_TRUE(Close(MomentAt(t, 1, 2), 0.0, q * L * L));
    EXPECT_TRUE(Close(NodeNumber(t, 1).reaction.y, q * L / 2, q * L));
    EXPECT_TRUE(Close(NodeNumber(t, 2).reaction.y, q * L, q * L));
    EXPECT_TRUE(Close(NodeNumber(t, 3).reaction.y, q * L / 2, q * L));
    EXPECT_TRUE(PartsInBalance(t));
    RecordingReporter errors;
    double time = 0.0;
    EXPECT_FALSE(Calculate(rigid, time));
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0].reason, StringTableMessage(50222).reason + "\n" + LoadString(50229));
}

TEST(AxialCompliance, ContinuousBeamOverTheMiddleRoller)
{
    // One rod over two spans would need a node at the middle roller; a
    // continuous beam is two rods rigidly joined at a free node held by a
    // hinged bar: 3qL/8, 10qL/8, 3qL/8 and qL^2/8 over the support.
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, L, 0.0, true);
    AddNode(s, 3, 2 * L, 0.0, false);
    AddNode(s, 4, L, -1.0, false);
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::MovingHinge, EI);
    AddRod(s, 3, 1, 3, JointType::Hinge, JointType::Hinge, EI);
    for (int r = 0; r < 2; ++r) {
        s.rods[r].EF = EF;
        s.rods[r].load = Pair(0.0, -q);
    }
    s.rods[2].EF = 1e12; // a practically rigid bar
    ASSERT_TRUE(CalculatedWithCompliance(s));
    EXPECT_TRUE(Close(MomentAt(s, 2, 2), -q * L * L / 8, q * L * L * 1e-3)); // hogging
    EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, 3 * q * L / 8, q * L * 1e-3));
    EXPECT_TRUE(Close(AxialAt(s, 3, 2), -10 * q * L / 8, q * L * 1e-3));
    EXPECT_TRUE(PartsInBalance(s));
}

TEST(AxialCompliance, AxialForcesAndStrains)
{
    // Fixed-fixed beam warmed uniformly by dT: N = -EF alpha dT, no moment.
    {
        StructureModel s = Beam(Support::Clamp, Support::Clamp, true);
        const double alpha = 1.2e-5, dT = 40.0;
        for (Rod &rod : s.rods) {
            rod.load = Pair();
            rod.temperature = Pair(dT, dT);
            rod.alpha = alpha;
        }
        ASSERT_TRUE(CalculatedWithCompliance(s));
        for (int r : {1, 2}) {
            EXPECT_TRUE(Close(AxialAt(s, r, 2), -EF * alpha * dT, 1.0));
            EXPECT_TRUE(Close(MomentAt(s, r, 2), 0.0, EF * alpha * dT));
        }
        EXPECT_TRUE(Close(NodeNumber(s, 2).resultDisplacement.x, 0.0, 1e-12));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.x, EF * alpha * dT, EF * alpha * dT))
            << "the clamp pushes back";
        EXPECT_TRUE(PartsInBalance(s));
    }
    // Two-bar truss: N = -P/(2 sin t), apex deflection PL/(2 EF sin^2 t).
    {
        const double a = 4.0, h = 3.0, length = 5.0, sine = h / length;
        StructureModel s;
        AddNode(s, 1, -a, 0.0, false);
        AddNode(s, 2, 0.0, h, true);
        AddNode(s, 3, a, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Hinge, EI);
        AddRod(s, 2, 1, 2, JointType::Hinge, JointType::Hinge, EI);
        for (Rod &rod : s.rods)
            rod.EF = EF;
        s.nodes[1].force = Pair(0.0, -P);
        ASSERT_TRUE(CalculatedWithCompliance(s));
        for (int r : {1, 2})
            EXPECT_TRUE(Close(AxialAt(s, r, 2), -P / (2 * sine), P));
        EXPECT_TRUE(
            Close(NodeNumber(s, 2).resultDisplacement.y, -P * length / (2 * EF * sine * sine), 1e-15));
        EXPECT_TRUE(Close(NodeNumber(s, 2).resultDisplacement.x, 0.0, 1e-15));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, P / 2, P));
        EXPECT_TRUE(PartsInBalance(s));
    }
    // Portal frame with finite EF, symmetric load on the beam: each column
    // carries qL/2 and shortens by qLh/(2 EF); the frame does not sway.
    {
        const double h = 4.0;
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, 0.0, h, true);
        AddNode(s, 3, L, h, true);
        AddNode(s, 4, L, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
        AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, 2 * EI);
        AddRod(s, 3, 2, 3, JointType::Fixed, JointType::Fixed, EI);
        for (Rod &rod : s.rods)
            rod.EF = EF;
        s.rods[1].load = Pair(0.0, -q);
        ASSERT_TRUE(CalculatedWithCompliance(s));
        for (int column : {1, 3})
            EXPECT_TRUE(Close(AxialAt(s, column, column == 1 ? 2 : 3), -q * L / 2, q * L));
        EXPECT_TRUE(Close(NodeNumber(s, 2).resultDisplacement.y, -q * L * h / (2 * EF), 1e-15));
        EXPECT_TRUE(
            Close(NodeNumber(s, 2).resultDisplacement.x, -NodeNumber(s, 3).resultDisplacement.x, 1e-15));
        EXPECT_LT(AxialAt(s, 2, 2), 0.0) << "the columns push the beam";
        EXPECT_TRUE(PartsInBalance(s));
    }
}

TEST(AxialCompliance, SettlementOfEachSupportKind)
{
    // Propped cantilevers and a fixed-fixed beam, one rod each, the right
    // support settling by d or the left clamp turning by z degrees clockwise.
    const double d = 0.01, z = 0.5, theta = z * std::numbers::pi / 180.0;
    const double k3 = 3 * EI / (L * L);
    struct Case {
        const char *name;
        Support right;
        Triple leftSettlement, rightSettlement;
        double leftMoment; // clockwise end moment at the clamp
        double rightShear; // vertical reaction at the right support
    } cases[] = {
        {"pin settles", Support::Pin, Triple(), Triple(0.0, -d, 0.0), -k3 * d, -k3 * d / L},
        {"roller settles", Support::Roller, Triple(), Triple(0.0, -d, 0.0), -k3 * d, -k3 * d / L},
        {"clamp settles", Support::Pin, Triple(0.0, d, 0.0), Triple(), -k3 * d, -k3 * d / L},
        {"clamp turns", Support::Pin, Triple(0.0, 0.0, z), Triple(), 3 * EI * theta / L,
         3 * EI * theta / (L * L)},
        {"far clamp settles", Support::Clamp, Triple(), Triple(0.0, -d, 0.0), -6 * EI * d / (L * L),
         -12 * EI * d / (L * L * L)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = Beam(Support::Clamp, c.right, false);
        s.rods[0].load = Pair();
        s.nodes[0].displacement = c.leftSettlement;
        s.nodes[1].displacement = c.rightSettlement;
        ASSERT_TRUE(CalculatedWithCompliance(s));
        EXPECT_TRUE(Close(MomentAt(s, 1, 1), c.leftMoment, std::fabs(c.leftMoment)));
        EXPECT_TRUE(Close(NodeNumber(s, 3).reaction.y, c.rightShear, std::fabs(c.rightShear)));
        EXPECT_EQ(NodeNumber(s, 1).displacement, c.leftSettlement) << "settlements stay where they were put";
        EXPECT_EQ(NodeNumber(s, 3).displacement, c.rightSettlement);
        EXPECT_TRUE(Close(NodeNumber(s, 3).resultDisplacement.y, c.rightSettlement.y, d));
        EXPECT_TRUE(PartsInBalance(s));
    }
}

TEST(AxialCompliance, MechanismsNameTheNodeAndTheDirection)
{
    struct Case {
        const char *name;
        std::function<StructureModel()> build;
        const char *line;
    } cases[] = {
        {"hinged chain",
         [] {
             StructureModel s;
             AddNode(s, 1, 0.0, 0.0, false);
             AddNode(s, 2, 2.0, 0.0, true);
             AddNode(s, 3, 4.0, 0.0, true);
             AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Hinge);
             AddRod(s, 2, 1, 2, JointType::Hinge, JointType::Hinge);
             s.nodes[1].force = Pair(0.0, -1.0);
             return s;
         },
         "Узел [23] может свободно смещаться по оси Y\\."},
        {"hinged column",
         [] {
             StructureModel s;
             AddNode(s, 1, 0.0, 0.0, false);
             AddNode(s, 2, 0.0, 3.0, true);
             AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Hinge);
             return s;
         },
         "Узел 2 может свободно смещаться по оси X\\."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (int compliance : {1, 0}) {
            SettingsRestorer guard;
            Settings::current().axialCompliance = compliance;
            StructureModel s = c.build();
            RecordingReporter errors;
            double time = 0.0;
            EXPECT_FALSE(Calculate(s, time));
            ASSERT_EQ(errors.messages.size(), 1u);
            const Message &message = errors.messages[0];
            const Message mechanism = StringTableMessage(50213);
            EXPECT_EQ(message.reason.find(LoadString(50229)), std::string::npos)
                << "a mechanism gets no hint";
            if (compliance == 0)
                continue;
            EXPECT_EQ(message.headline, mechanism.headline);
            EXPECT_TRUE(std::regex_match(message.reason, std::regex(mechanism.reason + "\n" + c.line)))
                << message.reason;
        }
    }
}

TEST(AxialCompliance, NamesTheRodsWhoseEFWasNeverSet)
{
    SettingsRestorer guard;
    StructureModel s = Beam(Support::Clamp, Support::Clamp, true);
    s.rods[1].EF = 1.0;
    ASSERT_TRUE(CalculatedWithCompliance(s));
    const std::vector<int> bare = RodsWithBareAxialRigidity(s);
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(s.rods[bare[0]].number, 2);
    const std::string note = BareAxialRigidityNote(s, false);
    EXPECT_NE(note.find("стержня 2 "), std::string::npos) << note;

    Settings::current().axialCompliance = 1;
    const std::string report = ResultsReport(s, false);
    EXPECT_NE(report.find(note), std::string::npos);
    EXPECT_EQ(report.find(note), report.rfind(note)) << "named once";
    Settings::current().axialCompliance = 0;
    EXPECT_EQ(ResultsReport(s, false).find(note), std::string::npos)
        << "the rigid method's report is as before";
}

TEST(AxialCompliance, TheRigidMethodRefusesAFrameThatCannotFitIntoMemory)
{
    StructureModel frame = MakeRigidFrame(100, 100);
    const double needed = RigidMethodMemoryEstimate(frame);
    EXPECT_GT(needed, 20100.0 * 20402 * 8) << "at least the matrix of the rods' lengths";
    if (needed <= AvailableMemory())
        GTEST_SKIP() << "this machine has the memory";
    RecordingReporter errors;
    double time = 0.0;
    EXPECT_FALSE(Calculate(frame, time));
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0].headline, StringTableMessage(50228).headline);
    EXPECT_NE(errors.messages[0].reason.find(LoadString(50229)), std::string::npos);

    // With compliance the same frame is calculated.
    SettingsRestorer guard;
    Settings::current().axialCompliance = 1;
    StructureModel again = MakeRigidFrame(100, 100);
    for (Rod &rod : again.rods)
        rod.EF = 1e10;
    EXPECT_TRUE(Calculated(again));
    EXPECT_TRUE(PartsInBalance(again));
}

TEST(AxialCompliance, LogsItsStepsAndTheMatrixOnlyWhileItIsSmall)
{
    for (int bays : {1, 12}) {
        SCOPED_TRACE(bays);
        TemporaryLog log;
        Settings::current().axialCompliance = 1;
        StructureModel s = MakeRigidFrame(2, bays);
        ASSERT_TRUE(Calculated(s));
        const std::string text = log.read();
        EXPECT_EQ(text.rfind("CALCULATING WITH AXIALLY COMPLIANT RODS (STIFFNESS METHOD)\n\n", 0), 0u);
        std::size_t at = 0;
        for (const char *record : {"Node 0: x 0, y 1, rotation 2\n", "R - Load vector[", "Smallest pivot",
                                   "Z - Displacements[", "End forces of the rods", "CALCULATION TIME"}) {
            at = text.find(record, at);
            EXPECT_NE(at, std::string::npos) << record;
        }
        // 2 storeys of 2 or 13 nodes, 3 unknowns each: 12 or 78.
        EXPECT_EQ(text.find("K - Stiffness matrix[") != std::string::npos, bays == 1);
        EXPECT_EQ(text.find("SOLVING MAIN EQUATION"), std::string::npos) << "the rigid method did not run";
    }
}
