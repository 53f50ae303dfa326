// The independent check of calculated results: equilibrium and compatibility
// read from the result fields alone, and the refusal of results that fail it.

#include "engine/ResultsCheck.h"

#include "engine/CrossCheckFrames.h"

#include <gtest/gtest.h>
#include <string>

using namespace enginetest;

namespace {

// Clamp 1 at the origin, free node 2 at (3, 0), EI 2, a downward force P = 1
// and an axial pull H = 4 at the tip, with the results by hand: end moments
// PL at the clamp and 0 at the tip, shear P, tension H, tip deflection
// PL^3/(3EI) and rotation PL^2/(2EI) (clockwise).
StructureModel CantileverWithResults()
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 3.0, 0.0, true);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, 2.0);
    const double P = 1.0, H = 4.0, L = 3.0, EI = 2.0;
    s.nodes[1].force = Pair(H, -P);
    Rod &rod = s.rods[0];
    rod.resultM = Pair(-P * L, 0.0);
    rod.resultQ = Pair(P, P);
    rod.resultN = Pair(H, H);
    s.nodes[1].resultDisplacement = Triple(0.0, -P * L * L * L / (3 * EI), P * L * L / (2 * EI));
    s.nodes[0].reaction = Triple(-H, P, P * L);
    return s;
}

} // namespace

TEST(ResultsCheck, PassesRightResultsAndNamesTheWorstPlaceOfWrongOnes)
{
    struct Case {
        const char *name;
        void (*spoil)(StructureModel &);
        bool passes;
        bool atNode;
        int position;
        const char *what;
    };
    const Case cases[] = {
        {"right results", [](StructureModel &) {}, true, false, -1, ""},
        {"a clamp moment 1e-4 off", [](StructureModel &s) { s.rods[0].resultM.x *= 1.0001; }, false, true, 0,
         "moment equilibrium"},
        {"a reaction 1e-3 off", [](StructureModel &s) { s.nodes[0].reaction.y *= 1.001; }, false, true, 0,
         "force equilibrium"},
        {"a tip rotation 1e-3 off", [](StructureModel &s) { s.nodes[1].resultDisplacement.z *= 1.001; },
         false, false, 0, "rotation at the end"},
        {"a moment at a hinge",
         [](StructureModel &s) {
             s.rods[0].end.joint = JointType::Hinge;
             s.rods[0].resultM.y = 0.01;
         },
         false, true, 1, "moment equilibrium"},
        {"a rod that lengthens", [](StructureModel &s) { s.nodes[1].resultDisplacement.x = 1e-3; }, false,
         false, 0, "change of length"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = CantileverWithResults();
        c.spoil(s);
        const ResultsCheck check = CheckResults(s);
        EXPECT_EQ(check.passed, c.passes) << check.worst << " " << check.what;
        if (c.passes) {
            EXPECT_LT(check.worst, 1e-14);
            continue;
        }
        EXPECT_EQ(check.atNode, c.atNode);
        EXPECT_EQ(check.position, c.position);
        if (*c.what != '\0') {
            EXPECT_STREQ(check.what, c.what);
        }
    }
}

TEST(ResultsCheck, TakesTheLengtheningOfAxiallyCompliantRods)
{
    // The tip moves by H L / EF under the pull H = 4: wrong for rigid rods,
    // right for compliant ones.
    StructureModel s = CantileverWithResults();
    s.rods[0].EF = 1000.0;
    s.nodes[1].resultDisplacement.x = 4.0 * 3.0 / 1000.0;
    EXPECT_FALSE(CheckResults(s).passed);
    ResultsCheckOptions compliant;
    compliant.axialCompliance = true;
    const ResultsCheck check = CheckResults(s, compliant);
    EXPECT_TRUE(check.passed) << check.worst << " " << check.what;
}

TEST(ResultsCheck, RefusesResultsThatLostTheirDigits)
{
    // Rigidities up to 10^12 apart (5 rods, 4 nodes, from the cross-check's
    // generator): the method cannot keep the digits of the softest rod, and
    // the check refuses what it would have shown.
    FrameGenerator generator(7u, 12.0);
    Frame frame;
    for (int index = 0; index <= 617; ++index)
        frame = generator.Next();
    ASSERT_EQ(frame.nodes.size(), 4u) << Describe(frame);

    TemporaryLog log;
    StructureModel s = Build(frame);
    RecordingReporter errors;
    double time = 0.0;
    EXPECT_FALSE(Calculate(s, time));
    ASSERT_EQ(errors.messages.size(), 1u);
    const Message expected = StringTableMessage(50227);
    EXPECT_EQ(errors.messages[0].headline, expected.headline);
    EXPECT_EQ(errors.messages[0].reason.rfind("В стержне ", 0), 0u) << errors.messages[0].reason;
    EXPECT_NE(errors.messages[0].reason.find("жесткости стержней различаются слишком сильно"),
              std::string::npos);
    for (const Rod &r : s.rods)
        EXPECT_EQ(r.resultM, Pair()) << "nothing wrong is shown";
    for (const Node &n : s.nodes)
        EXPECT_EQ(n.resultDisplacement, Triple());
    const std::string text = log.read();
    EXPECT_LT(text.find("CHECKING RESULTS\n\nLargest deviation from equilibrium and compatibility: "),
              text.find("ERROR\n" + expected.headline));
    EXPECT_EQ(text.find("CALCULATION TIME"), std::string::npos);
}
