// The plain-text results report: section order, line formats, labels.

#include "engine/ResultsReport.h"

#include "engine/EngineTestSupport.h"
#include "engine/KnownAnswerSupport.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using namespace enginetest;

namespace {

// One rod number 7 from node 3 to node 4, as a calculation leaves it.
StructureModel OneRod()
{
    StructureModel s;
    AddNode(s, 3, 0.0, 0.0, true);
    AddNode(s, 4, 2.0, 0.0, false);
    AddRod(s, 7, 0, 1, JointType::Fixed, JointType::Fixed);
    s.rods[0].resultM = Pair(1.5, -2.25);
    s.rods[0].resultQ = Pair(0.0, -1234567.0);
    s.rods[0].resultN = Pair(0.000125, 1e-12);
    s.nodes[0].resultDisplacement = Triple(0.5, -0.125, 0.0);
    s.nodes[1].resultDisplacement = Triple(0.0, 0.0, 0.0);
    s.nodes[1].reaction = Triple(-50.0, 0.0625, 0.5);
    return s;
}

const char *const unitsLine =
    "Единицы: силы N, длины и перемещения m, моменты N·m, углы поворота в радианах\r\n";

const std::string expectedOneRod =
    std::string("ОТЧЕТ ПО КОНСТРУКЦИИ\r\n\r\n") + unitsLine +
    "\r\nМоменты\r\n-------\r\n\r\n"
    "Стержень 7:    \tM(3) =        1.5\t\tM(4) =      -2.25\r\n"
    "\r\nПоперечные силы\r\n---------------\r\n\r\n"
    "Стержень 7:    \tQ(3) =          0\t\tQ(4) = -1.23457e+06\r\n"
    "\r\nПродольные силы\r\n---------------\r\n\r\n"
    "Стержень 7:    \tN(3) =   0.000125\t\tN(4) =      1e-12\r\n"
    "\r\nПеремещения\r\n-----------\r\n\r\n"
    "Узел 3:  \tdx =        0.5  dy =     -0.125  da =          0\r\n"
    "Узел 4:  \tdx =          0  dy =          0  da =          0\r\n"
    "\r\nРеакции\r\n-------\r\n\r\n"
    "Узел 4:  \tRx =        -50  Ry =     0.0625  M =        0.5\r\n"
    "\r\nЭкстремумы моментов в пролетах\r\n------------------------------\r\n\r\n";

// Makes a Russian LC_NUMERIC (decimal comma) for as long as it lives, when
// the system can build one.
class RussianNumbers {
public:
    RussianNumbers()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-locale-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            return;
        folder = pattern;
        const std::string command =
            "localedef -i ru_RU -f UTF-8 '" + (folder / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(folder / "ru_RU.UTF-8"))
            return;
        const char *locPath = std::getenv("LOCPATH");
        hadLocPath = locPath != nullptr;
        if (hadLocPath)
            previousLocPath = locPath;
        setenv("LOCPATH", folder.c_str(), 1);
        previousLocale = std::setlocale(LC_NUMERIC, nullptr);
        active = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr;
    }
    ~RussianNumbers()
    {
        std::setlocale(LC_NUMERIC, previousLocale.empty() ? "C" : previousLocale.c_str());
        if (hadLocPath)
            setenv("LOCPATH", previousLocPath.c_str(), 1);
        else
            unsetenv("LOCPATH");
        std::error_code error;
        if (!folder.empty())
            std::filesystem::remove_all(folder, error);
    }

    bool active = false;

private:
    std::filesystem::path folder;
    std::string previousLocale;
    std::string previousLocPath;
    bool hadLocPath = false;
};

} // namespace

TEST(ResultsReport, ListsEveryRodInEachForceSectionAndEveryNodeOnce)
{
    EXPECT_EQ(ResultsReport(OneRod(), false), expectedOneRod);
}

TEST(ResultsReport, ShowsPositionsInDebugMode)
{
    StructureModel s = OneRod();
    // A second rod the other way round: the labels follow its own ends.
    AddNode(s, 9, 1.0, 1.0, true);
    AddRod(s, 12, 2, 0, JointType::Fixed, JointType::Hinge);

    const std::string normal = ResultsReport(s, false);
    const std::string debug = ResultsReport(s, true);
    const struct {
        const std::string &report;
        const char *text;
    } expectations[] = {
        {normal, "Стержень 12:    \tM(9) =          0\t\tM(3) =          0\r\n"},
        {normal, "Узел 9:  \tdx ="},
        {debug, "Стержень 0:    \tM(0) =        1.5\t\tM(1) =      -2.25\r\n"},
        {debug, "Стержень 1:    \tN(2) =          0\t\tN(0) =          0\r\n"},
        {debug, "Узел 0:  \tdx =        0.5"},
        {debug, "Узел 2:  \tdx ="},
    };
    for (const auto &e : expectations)
        EXPECT_NE(e.report.find(e.text), std::string::npos) << e.text;
    EXPECT_EQ(debug.find("Стержень 7"), std::string::npos);
}

TEST(ResultsReport, HasOnlyTheHeadingsForAnEmptyStructure)
{
    EXPECT_EQ(ResultsReport(StructureModel(), false),
              std::string("ОТЧЕТ ПО КОНСТРУКЦИИ\r\n\r\n") + unitsLine +
                  "\r\nМоменты\r\n-------\r\n\r\n"
                  "\r\nПоперечные силы\r\n---------------\r\n\r\n"
                  "\r\nПродольные силы\r\n---------------\r\n\r\n"
                  "\r\nПеремещения\r\n-----------\r\n\r\n"
                  "\r\nРеакции\r\n-------\r\n\r\n"
                  "\r\nЭкстремумы моментов в пролетах\r\n------------------------------\r\n\r\n");
}

// A beam of 6 m on a pin and a roller under 10 N/m, calculated, with nodes 2 m
// and 5 m from the left support: the span moment peaks inside the second
// rod at qL²/8 = 45 N*M, 3 m from the left support; each support takes
// qL/2 = 30 N upward; free nodes have no reaction line.
TEST(ResultsReport, ListsTheReactionsOfSupportsAndTheMomentExtremeInsideASpan)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 2.0, 0.0, true);
    AddNode(s, 3, 5.0, 0.0, true);
    AddNode(s, 4, 6.0, 0.0, false);
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed);
    AddRod(s, 3, 2, 3, JointType::Fixed, JointType::MovingHinge);
    for (Rod &rod : s.rods)
        rod.load = Pair(0.0, -10.0);
    ASSERT_TRUE(Calculated(s));
    const std::string report = ResultsReport(s, false);

    const std::size_t reactions = report.find("\r\nРеакции\r\n-------\r\n\r\n");
    const std::size_t extremes = report.find("\r\nЭкстремумы моментов в пролетах\r\n");
    ASSERT_NE(reactions, std::string::npos);
    ASSERT_NE(extremes, std::string::npos);
    EXPECT_LT(report.find("\r\nПеремещения\r\n"), reactions) << "after the specified sections";
    EXPECT_LT(reactions, extremes);
    const std::string reactionLines = report.substr(reactions, extremes - reactions);
    EXPECT_NE(reactionLines.find("Узел 1:  \tRx =          0  Ry =         30  M =          0\r\n"),
              std::string::npos)
        << reactionLines;
    EXPECT_NE(reactionLines.find("Узел 4:  \tRx =          0  Ry =         30  M =          0\r\n"),
              std::string::npos)
        << reactionLines;
    EXPECT_EQ(reactionLines.find("Узел 2:"), std::string::npos) << "a free node has no reaction";
    EXPECT_EQ(reactionLines.find("Узел 3:"), std::string::npos);

    // The rod may have been turned by the calculation: its distance is
    // measured from whichever node is its begin now.
    const std::string extremeLines = report.substr(extremes);
    const Rod &second = RodNumber(s, 2);
    const bool fromNode2 = s.nodes[second.begin.node].number == 2;
    const std::string expected = fromNode2
                                     ? "Стержень 2:    \tM =         45\t\tx =          1 от узла 2\r\n"
                                     : "Стержень 2:    \tM =         45\t\tx =          2 от узла 3\r\n";
    EXPECT_NE(extremeLines.find(expected), std::string::npos) << extremeLines;
    EXPECT_EQ(extremeLines.find("Стержень 1:"), std::string::npos) << "no vertex inside";
    EXPECT_EQ(extremeLines.find("Стержень 3:"), std::string::npos) << "no vertex inside";
}

TEST(ResultsReport, WritesADecimalPointUnderAnyLocale)
{
    RussianNumbers russian;
    if (!russian.active)
        GTEST_SKIP() << "no Russian locale could be built on this system";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale does not use a decimal comma";
    EXPECT_EQ(ResultsReport(OneRod(), false), expectedOneRod);
}
