#include "CalculationTestSupport.h"
#include "engine/Calculate.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace calctest;
using Driver = CalculationTest;

namespace {

// User structure: fixed support 1 at (0, 0), free tip 2 at (2, 0), a force
// at the tip.
StructureBuilder Cantilever()
{
    StructureBuilder s;
    s.node(0, 0, false);
    s.node(2, 0, true);
    s.rod(0, 1);
    s.nodeAt(1).force = Pair(0, -5);
    return s;
}

} // namespace

TEST_F(Driver, FailuresReportOnceAndLeaveTheResultsAlone)
{
    struct Case {
        const char *name;
        std::function<void(StructureBuilder &)> spoil;
        std::string headline; // start of the headline
    };
    const std::string mathError = "Произошла математическая ошибка в функции ";
    const Case cases[] = {
        {"coinciding nodes", [](StructureBuilder &s) { s.nodeAt(1).x = 0; }, Headline(50212)},
        {"nodes 1e-300 apart", [](StructureBuilder &s) { s.nodeAt(1).x = 1e-300; }, Headline(50212)},
        {"coordinates beyond range", [](StructureBuilder &s) { s.nodeAt(1).x = 1e200; }, Headline(50224)},
        {"load beyond range", [](StructureBuilder &s) { s.nodeAt(1).force = Pair(0, -1e306); },
         Headline(50224)},
        {"rigidity beyond range", [](StructureBuilder &s) { s.rodAt(0).EI = 1e308; }, Headline(50225)},
        {"hinged instead of fixed", [](StructureBuilder &s) { s.rodAt(0).begin.joint = hinge; },
         Headline(50213)},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        reports.clear();
        StructureBuilder s = Cantilever();
        test.spoil(s);
        for (Rod &rod : s.model.rods)
            rod.resultM = Pair(42, 42);
        for (Node &node : s.model.nodes)
            node.resultDisplacement = Triple(42, 42, 42);
        double time = -7;
        EXPECT_FALSE(Calculate(s.model, time));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].headline.rfind(test.headline, 0), 0u) << reports[0].headline;
        if (test.headline.rfind(mathError, 0) == 0) {
            EXPECT_EQ(reports[0].reason, "Internal error!");
        }
        for (const Rod &rod : s.model.rods)
            EXPECT_EQ(rod.resultM, Pair(42, 42));
        for (const Node &node : s.model.nodes)
            EXPECT_EQ(node.resultDisplacement, Triple(42, 42, 42));
    }
}

TEST_F(Driver, SuccessfulRunEndsTheCoreLogWithTheTimingRecord)
{
    StructureBuilder s = Cantilever();
    double time = -1;
    ASSERT_TRUE(Calculate(s.model, time));
    std::string log = logText();
    EXPECT_EQ(log.rfind("INITIALIZING DATA ARRAYS\n\n", 0), 0u);
    size_t lastArray = log.find("SNt[1,1]:");
    size_t record = log.find("=======================\nCALCULATION TIME\n=======================\n\n");
    ASSERT_NE(record, std::string::npos);
    EXPECT_LT(lastArray, record);
    double t[8];
    int read =
        std::sscanf(log.c_str() + record,
                    "=======================\nCALCULATION TIME\n=======================\n\n"
                    "Initialization: %lg\nSolving main equation: %lg\nSingle states: %lg\nStatic: %lg\n"
                    "Kinematic: %lg\nTemperature: %lg\n\nStatic with compliance: %lg\n\nTotal:  %lg\n",
                    &t[0], &t[1], &t[2], &t[3], &t[4], &t[5], &t[6], &t[7]);
    EXPECT_EQ(read, 8);
    EXPECT_GE(t[7], 0.0);
    // The log shows the total to five digits: 9 ms is 0.009 there, while the
    // time returned is 9 * 0.001.
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.5g", time);
    EXPECT_EQ(std::strtod(shown, nullptr), t[7]) << time;
}

TEST_F(Driver, SameStructureGivesTheSameLogAndNoLogWhenOff)
{
    auto coreLog = [this] {
        StructureBuilder s = Cantilever();
        double time;
        EXPECT_TRUE(Calculate(s.model, time));
        std::string log = logText();
        return log.substr(0, log.find("=======================\nCALCULATION TIME"));
    };
    std::string first = coreLog();
    EXPECT_GT(first.size(), 1000u);
    EXPECT_EQ(coreLog(), first);

    Settings::current().logEnabled = 0;
    StructureBuilder s = Cantilever();
    double time;
    EXPECT_TRUE(Calculate(s.model, time));
    EXPECT_FALSE(logExists());
}
