// The plain-text results report: section order, line formats, labels.

#include "engine/ResultsReport.h"

#include "engine/EngineTestSupport.h"

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
    return s;
}

const char *const expectedOneRod = "ОТЧЕТ ПО КОНСТРУКЦИИ\r\n\r\n"
                                   "\r\nМоменты\r\n-------\r\n\r\n"
                                   "Стержень 7:    \tM(3) =        1.5\t\tM(4) =      -2.25\r\n"
                                   "\r\nПоперечные силы\r\n---------------\r\n\r\n"
                                   "Стержень 7:    \tQ(3) =          0\t\tQ(4) = -1.23457e+06\r\n"
                                   "\r\nПродольные силы\r\n---------------\r\n\r\n"
                                   "Стержень 7:    \tN(3) =   0.000125\t\tN(4) =      1e-12\r\n"
                                   "\r\nПеремещения\r\n-----------\r\n\r\n"
                                   "Узел 3:  \tdx =        0.5  dy =     -0.125  da =          0\r\n"
                                   "Узел 4:  \tdx =          0  dy =          0  da =          0\r\n";

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
    EXPECT_EQ(ResultsReport(StructureModel(), false), "ОТЧЕТ ПО КОНСТРУКЦИИ\r\n\r\n"
                                                      "\r\nМоменты\r\n-------\r\n\r\n"
                                                      "\r\nПоперечные силы\r\n---------------\r\n\r\n"
                                                      "\r\nПродольные силы\r\n---------------\r\n\r\n"
                                                      "\r\nПеремещения\r\n-----------\r\n\r\n");
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
