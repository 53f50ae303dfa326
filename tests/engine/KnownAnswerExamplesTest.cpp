// The bundled example structures read from their files and calculated,
// against the hand results a user can check. Sign conventions: see
// KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"
#include "model/StructureFile.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace enginetest;

namespace {

// Reads and calculates examples/<name>; false after a reported failure.
bool LoadAndCalculate(const char *name, StructureModel &structure)
{
    std::ifstream file(ExamplesFolder() / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    RecordingReporter errors;
    if (!file || !ReadStructure(structure, text.str()).ok) {
        ADD_FAILURE() << "cannot read " << name;
        return false;
    }
    const ::testing::AssertionResult calculated = Calculated(structure);
    if (!calculated) {
        ADD_FAILURE() << name << ": " << calculated.message();
        return false;
    }
    return true;
}

} // namespace

TEST(KnownAnswerExamples, PortalFrame)
{
    // 10 kN to the right at the top left corner, 20 kN/m on the 6 m beam:
    // the feet take 10 kN back and 120 kN up between them.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("portal-frame.str", s));
    const Triple &left = NodeNumber(s, 1).reaction, &right = NodeNumber(s, 4).reaction;
    EXPECT_TRUE(Near(-10000.0, left.x + right.x, Scale(1e5)));
    EXPECT_TRUE(Near(120000.0, left.y + right.y, Scale(1e5)));
    EXPECT_GT(right.y, left.y) << "the wind load presses the leeward foot";
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
    EXPECT_GT(NodeNumber(s, 2).resultDisplacement.x, 0.0);
    EXPECT_TRUE(Near(NodeNumber(s, 3).resultDisplacement.x, NodeNumber(s, 2).resultDisplacement.x, Scale(1e-3)));
}

TEST(KnownAnswerExamples, ContinuousBeam)
{
    // Two spans of 6 m under 10 kN/m: support moment qL^2/8 = 45 kN*m,
    // mid-span qL^2/16 = 22.5 kN*m, reactions 22.5, 75 (the link) and 22.5 kN.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("continuous-beam.str", s));
    const double q = 10000.0, L = 6.0;
    EXPECT_TRUE(Near(-q * L * L / 8, MomentAt(s, 3, 3), Scale(1e5)));
    EXPECT_TRUE(Near(q * L * L / 16, MomentAt(s, 2, 2), Scale(1e5)));
    EXPECT_TRUE(Near(3 * q * L / 8, NodeNumber(s, 1).reaction.y, Scale(1e5)));
    EXPECT_TRUE(Near(10 * q * L / 8, NodeNumber(s, 6).reaction.y, Scale(1e5)));
    EXPECT_TRUE(Near(3 * q * L / 8, NodeNumber(s, 5).reaction.y, Scale(1e5)));
    EXPECT_TRUE(Near(-10 * q * L / 8, AxialAt(s, 5, 6), Scale(1e5)));
    const double EI = RodNumber(s, 2).EI;
    EXPECT_TRUE(Near(-q * L * L * L * L / (192 * EI), NodeNumber(s, 2).resultDisplacement.y, Scale(1e-2)));
}

TEST(KnownAnswerExamples, FrameWithHinge)
{
    // Three-hinged frame, span 8 m, height 4 m, 10 kN/m: V = 40 kN,
    // H = qL^2/(8h) = 20 kN, corner moments Hh = 80 kN*m.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("frame-with-hinge.str", s));
    EXPECT_TRUE(Near(40000.0, NodeNumber(s, 1).reaction.y, Scale(1e5)));
    EXPECT_TRUE(Near(20000.0, NodeNumber(s, 1).reaction.x, Scale(1e5)));
    EXPECT_TRUE(Near(-20000.0, NodeNumber(s, 5).reaction.x, Scale(1e5)));
    EXPECT_TRUE(Near(80000.0, std::fabs(MomentAt(s, 1, 2)), Scale(1e5)));
    EXPECT_TRUE(Near(0.0, MomentAt(s, 2, 3), Scale(1e5)));
}

TEST(KnownAnswerExamples, InclinedRoller)
{
    // 12 kN at the middle of a 6 m span; the roller link is turned 30°:
    // 6 kN up at each end, 6 kN * tan 30° along the span, 18 kN*m at
    // mid-span.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("inclined-roller.str", s));
    const double horizontal = 6000.0 * std::tan(30.0 * M_PI / 180.0);
    EXPECT_TRUE(Near(horizontal, NodeNumber(s, 3).reaction.x, Scale(1e4)));
    EXPECT_TRUE(Near(6000.0, NodeNumber(s, 3).reaction.y, Scale(1e4)));
    EXPECT_TRUE(Near(-horizontal, NodeNumber(s, 1).reaction.x, Scale(1e4)));
    EXPECT_TRUE(Near(horizontal, AxialAt(s, 1, 1), Scale(1e4)));
    EXPECT_TRUE(Near(18000.0, MomentAt(s, 2, 2), Scale(1e4)));
}

TEST(KnownAnswerExamples, Temperature)
{
    // Propped cantilever of 6 m, top 30° warmer: k = alpha*30/h,
    // clamp moment 3EIk/2, roller force 3EIk/(2L); the mean 15° lengthens it
    // by alpha*15*L at the roller.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("temperature.str", s));
    const Rod &rod = RodNumber(s, 1);
    const double k = rod.alpha * 30.0 / rod.height, L = 6.0;
    EXPECT_TRUE(Near(1.5 * rod.EI * k, MomentAt(s, 1, 1), Scale(1e4)));
    EXPECT_TRUE(Near(1.5 * rod.EI * k / L, NodeNumber(s, 3).reaction.y, Scale(1e4)));
    EXPECT_TRUE(Near(rod.alpha * 15.0 * L, NodeNumber(s, 3).resultDisplacement.x, Scale(1e-3)));
}

TEST(KnownAnswerExamples, Settlement)
{
    // Pinned portal, h = 4 m, l = 6 m, the right foot pushed out by 10 mm:
    // H = 3 EI d/(h^2 (2h + 3l)); the foot shows its 10 mm once.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("settlement.str", s));
    const double h = 4.0, l = 6.0, d = 0.01, EI = RodNumber(s, 2).EI;
    const double H = 3 * EI * d / (h * h * (2 * h + 3 * l));
    EXPECT_TRUE(Near(H, NodeNumber(s, 4).reaction.x, Scale(1e4)));
    EXPECT_TRUE(Near(-H, NodeNumber(s, 1).reaction.x, Scale(1e4)));
    EXPECT_TRUE(Near(H * h, std::fabs(MomentAt(s, 2, 2)), Scale(1e4)));
    EXPECT_TRUE(Near(d, NodeNumber(s, 4).resultDisplacement.x, Scale(d)));
    EXPECT_EQ(NodeNumber(s, 4).displacement, Triple(d, 0.0, 0.0));
}

TEST(KnownAnswerExamples, PortalFrameInMillimetres)
{
    // The portal frame drawn in mm, EI in N*mm^2, q in N/mm: the same
    // forces and reactions, moments in N*mm and translations in mm, 1000
    // times the numbers in m, rotations unchanged.
    StructureModel metres, millimetres;
    ASSERT_TRUE(LoadAndCalculate("portal-frame.str", metres));
    ASSERT_TRUE(LoadAndCalculate("portal-frame-mm.str", millimetres));
    const Triple &left = NodeNumber(millimetres, 1).reaction, &right = NodeNumber(millimetres, 4).reaction;
    EXPECT_TRUE(Near(-10000.0, left.x + right.x, Scale(1e5)));
    EXPECT_TRUE(Near(120000.0, left.y + right.y, Scale(1e5)));
    for (int rod = 1; rod <= 3; ++rod) {
        SCOPED_TRACE(rod);
        const Rod &m = RodNumber(metres, rod), &mm = RodNumber(millimetres, rod);
        EXPECT_TRUE(Near(1000 * m.resultM.x, mm.resultM.x, Scale(1e8)));
        EXPECT_TRUE(Near(1000 * m.resultM.y, mm.resultM.y, Scale(1e8)));
        EXPECT_TRUE(Near(m.resultQ.x, mm.resultQ.x, Scale(1e5)));
        EXPECT_TRUE(Near(m.resultN.y, mm.resultN.y, Scale(1e5)));
    }
    for (int node = 1; node <= 4; ++node) {
        SCOPED_TRACE(node);
        const Node &m = NodeNumber(metres, node), &mm = NodeNumber(millimetres, node);
        EXPECT_TRUE(Near(1000 * m.resultDisplacement.x, mm.resultDisplacement.x, Scale(1.0)));
        EXPECT_TRUE(Near(m.resultDisplacement.z, mm.resultDisplacement.z, Scale(1e-3)));
        EXPECT_TRUE(Near(1000 * m.reaction.z, mm.reaction.z, Scale(1e8)));
    }
}

TEST(KnownAnswerExamples, StiffLink)
{
    // Two clamped columns (h = 4 m, EI = 2.1e7 N*m^2) joined by a beam 10^6
    // times stiffer, P = 10 kN sideways at the top: the tops cannot turn, so
    // each column takes P/2 and M = Ph/4 = 10 kN*m at both ends, the feet
    // push up and down by Ph/(2l) = 3333 N, and the top sways by
    // Ph^3/(24 EI). The beam's own flexibility changes this by about 1e-6.
    StructureModel s;
    ASSERT_TRUE(LoadAndCalculate("stiff-link.str", s));
    const double P = 10000.0, h = 4.0, l = 6.0, EI = RodNumber(s, 1).EI;
    auto near = [](double actual, double expected) {
        return std::fabs(actual - expected) <= 1e-5 * std::fabs(expected);
    };
    for (int column : {1, 3}) {
        EXPECT_TRUE(near(std::fabs(RodNumber(s, column).resultM.x), P * h / 4));
        EXPECT_TRUE(near(std::fabs(RodNumber(s, column).resultM.y), P * h / 4));
        EXPECT_TRUE(near(std::fabs(RodNumber(s, column).resultQ.x), P / 2));
    }
    EXPECT_TRUE(near(NodeNumber(s, 1).reaction.x, -P / 2));
    EXPECT_TRUE(near(NodeNumber(s, 4).reaction.x, -P / 2));
    EXPECT_TRUE(near(NodeNumber(s, 1).reaction.y, -P * h / (2 * l)));
    EXPECT_TRUE(near(NodeNumber(s, 4).reaction.y, P * h / (2 * l)));
    EXPECT_TRUE(near(AxialAt(s, 2, 2), -P / 2));
    EXPECT_TRUE(near(NodeNumber(s, 2).resultDisplacement.x, P * h * h * h / (24 * EI)));
    EXPECT_TRUE(near(NodeNumber(s, 3).resultDisplacement.x, P * h * h * h / (24 * EI)));
    EXPECT_LT(std::fabs(NodeNumber(s, 2).resultDisplacement.z), 1e-6 * P * h * h / EI);
}

TEST(KnownAnswerExamples, PortalFrameOfAnyRigidity)
{
    // The portal frame with every EI 1e8 times larger or smaller: the same
    // forces, translations and rotations 1e8 times smaller or larger. (The
    // stiff one once showed a sway of 2e-11 m as 0 beside rotations of the
    // same size.)
    StructureModel reference;
    ASSERT_TRUE(LoadAndCalculate("portal-frame.str", reference));
    for (double factor : {1e8, 1e-8}) {
        SCOPED_TRACE(factor);
        StructureModel s;
        ASSERT_TRUE(LoadAndCalculate("portal-frame.str", s));
        for (Rod &rod : s.rods)
            rod.EI *= factor;
        ASSERT_TRUE(Calculated(s));
        for (int node = 1; node <= 4; ++node) {
            const Triple &d = NodeNumber(s, node).resultDisplacement;
            const Triple &e = NodeNumber(reference, node).resultDisplacement;
            EXPECT_TRUE(Near(e.x, d.x * factor, Scale(1e-3))) << node;
            EXPECT_TRUE(Near(e.z, d.z * factor, Scale(1e-3))) << node;
            EXPECT_TRUE(Near(NodeNumber(reference, node).reaction.x, NodeNumber(s, node).reaction.x, Scale(1e5)));
        }
        for (int rod = 1; rod <= 3; ++rod)
            EXPECT_TRUE(Near(RodNumber(reference, rod).resultM.x, RodNumber(s, rod).resultM.x, Scale(1e5))) << rod;
    }
}
