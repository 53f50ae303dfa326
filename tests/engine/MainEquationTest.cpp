#include "CalculationTestSupport.h"
#include "numeric/Messages.h"

#include <initializer_list>
#include <numbers>

using namespace calctest;
using MainEquation = CalculationTest;

namespace {

Matrix MakeMatrix(std::initializer_list<std::initializer_list<double>> rows)
{
    Matrix m("A1 - Submatrix of AV - Free nodes", static_cast<int>(rows.size()),
             static_cast<int>(rows.begin()->size()));
    int i = 0;
    for (const auto &row : rows) {
        int j = 0;
        for (double value : row)
            m[i][j++] = value;
        ++i;
    }
    return m;
}

// Free nodes first, then supports; every rod rigid. `angle` turns the whole
// frame about the origin (degrees).
StructureBuilder Frame(const std::vector<std::pair<double, double>> &freeNodes,
                       const std::vector<std::pair<double, double>> &supports,
                       const std::vector<std::pair<int, int>> &rods, double angle = 0.0)
{
    const double c = std::cos(angle * std::numbers::pi / 180), s = std::sin(angle * std::numbers::pi / 180);
    StructureBuilder b;
    for (const auto &[x, y] : freeNodes)
        b.node(c * x - s * y, s * x + c * y, true);
    for (const auto &[x, y] : supports)
        b.node(c * x - s * y, s * x + c * y, false);
    for (const auto &[begin, end] : rods)
        b.rod(begin, end);
    return b;
}

StructureBuilder Portal(double angle)
{
    return Frame({{0, 3}, {4, 3}}, {{0, 0}, {4, 0}}, {{0, 1}, {0, 2}, {1, 3}}, angle);
}

// Two storeys, leaning columns: nothing is horizontal or vertical.
StructureBuilder LeaningFrame(double angle)
{
    return Frame({{0.5, 3}, {4.2, 3.1}, {1, 6}, {3.7, 6.3}}, {{0, 0}, {4, 0}},
                 {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {0, 4}, {1, 5}}, angle);
}

} // namespace

TEST_F(MainEquation, FindTranspositionTakesTheFirstNonZeroColumn)
{
    struct Case {
        const char *name;
        Matrix A;
        std::vector<int> P; // empty: refused with 50207
        int rowsSearched;
    };
    Case cases[] = {
        {"unit rows", MakeMatrix({{1, 0, 0, 0}, {0, 0, 1, 0}}), {0, 2, 1, 3}, 2},
        // Round-off is no pivot: row 0 takes column 1.
        {"round-off", MakeMatrix({{1e-17, 1, 0}, {1, 0, 1}}), {1, 0, 2}, 2},
        {"dependent rows", MakeMatrix({{1, 0, 0}, {2, 0, 0}}), {}, 2},
        {"more rows than columns", MakeMatrix({{1, 0}, {0, 1}, {1, 1}}), {}, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        std::filesystem::remove(directory / "Ruvo.log");
        StructureModel empty;
        Calculation calculation(empty);
        IntVector P("P", c.A.cols);
        bool found = calculation.FindTransposition(c.A, P);
        EXPECT_EQ(found, !c.P.empty());
        if (found)
            EXPECT_EQ(std::vector<int>(P.data(), P.data() + P.count), c.P);
        else
            EXPECT_EQ(onlyHeadline(), Headline(50207));
        std::string log = logText();
        std::string last = "Looking for column to be placed at " + std::to_string(c.rowsSearched - 1) + ".\n";
        std::string beyond = "Looking for column to be placed at " + std::to_string(c.rowsSearched) + ".\n";
        EXPECT_NE(log.find(last), std::string::npos);
        EXPECT_EQ(log.find(beyond), std::string::npos);
    }
}

TEST_F(MainEquation, TwoCantileversGiveTheVerticalTranslationsAsUnknowns)
{
    StructureBuilder s = Frame({{0, 0}, {0, 5}}, {{1, 0}, {1, 5}}, {{0, 2}, {1, 3}});
    Calculation c(s.model);
    ASSERT_TRUE(RunSteps(c, 2));
    EXPECT_EQ(std::vector<int>(c.P.data(), c.P.data() + 4), (std::vector<int>{0, 2, 1, 3}));
    const double U[4][2] = {{0, 0}, {1, 0}, {0, 0}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(c.U[i][k], U[i][k]) << i << "," << k;
    }
    std::string log = logText();
    EXPECT_NE(log.find("Trying unimodular inversion...\nUNIMODULAR ALGORITHM SUCCEEDED!\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Trying generic inversion"), std::string::npos);
    EXPECT_NE(log.find("Old indexes:\n0 1 2 3 \n\nNew indexes:\n0 2 1 3 \n\n"), std::string::npos);
}

// Every column of U is a translation of the free nodes that keeps all rod
// lengths; the chosen unknowns move alone; W is the rods' transverse
// displacement. Turned frames need the generic inversion and must not be
// refused because of round-off.
TEST_F(MainEquation, TranslationModesKeepEveryRodLength)
{
    struct Case {
        const char *name;
        StructureBuilder structure;
        bool unimodular;
    };
    Case cases[] = {{"portal", Portal(0), true},
                    {"portal turned 30", Portal(30), false},
                    {"portal turned 137", Portal(137), false},
                    {"leaning frame", LeaningFrame(0), false},
                    {"leaning frame turned 20", LeaningFrame(20), false}};
    for (Case &test : cases) {
        SCOPED_TRACE(test.name);
        std::filesystem::remove(directory / "Ruvo.log");
        Calculation c(test.structure.model);
        ASSERT_TRUE(RunSteps(c, 2));
        const int n = c.NC + c.NC0;
        Matrix lengthChange = c.A1 * c.U;
        for (int r = 0; r < n; ++r) {
            for (int m = 0; m < c.NZ; ++m)
                EXPECT_LT(std::fabs(lengthChange[r][m]), 1e-12);
        }
        for (int k = 0; k < c.NZ; ++k) {
            for (int m = 0; m < c.NZ; ++m)
                EXPECT_EQ(c.U[c.P[n + k]][m], k == m ? 1.0 : 0.0);
        }
        Matrix W = c.B1 * c.U;
        for (int i = 0; i < c.NC; ++i) {
            for (int m = 0; m < c.NZ; ++m)
                EXPECT_TRUE(Near(W[i][m], c.W[i][m], Relative(1e-12)));
        }
        std::string log = logText();
        EXPECT_EQ(log.find("UNIMODULAR ALGORITHM SUCCEEDED!") != std::string::npos, test.unimodular);
        if (!test.unimodular) {
            EXPECT_NE(log.find("Trying generic inversion...\nGENERIC ALGORITHM SUCCEEDED!\n"),
                      std::string::npos);
            EXPECT_EQ(log.find("Trying unimodular inversion"), std::string::npos);
        }
    }
}

TEST_F(MainEquation, AxiallyOverconstrainedBeamCannotBeSolved)
{
    // A straight beam of three rods between two fixed supports: the rods'
    // length conditions along the beam are dependent.
    StructureBuilder s = Frame({{2, 0}, {4, 0}}, {{0, 0}, {6, 0}}, {{0, 1}, {0, 2}, {1, 3}});
    Calculation c(s.model);
    EXPECT_FALSE(RunSteps(c, 2));
    EXPECT_EQ(onlyHeadline(), Headline(50207));
    std::string log = logText();
    EXPECT_EQ(log.substr(log.rfind("ERROR\n")),
              "ERROR\n" + Headline(50207) + "\n" + reports[0].reason + "\n\n");
}
