#include "ModelTestSupport.h"
#include "model/StructureFile.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// Checks what every later step relies on after any read: rods refer to
// existing nodes with a known joint, and no value is NaN or infinite.
void ExpectUsableStructure(const StructureModel &model, const std::string &text)
{
    for (const Node &node : model.nodes) {
        for (double value : {node.x, node.y, node.force.x, node.force.y, node.moment, node.displacement.x,
                             node.displacement.y, node.displacement.z})
            ASSERT_TRUE(std::isfinite(value)) << text;
    }
    for (const Rod &rod : model.rods) {
        ASSERT_GE(rod.begin.node, 0) << text;
        ASSERT_LT(rod.begin.node, model.nodes.count) << text;
        ASSERT_GE(rod.end.node, 0) << text;
        ASSERT_LT(rod.end.node, model.nodes.count) << text;
        for (JointType joint : {rod.begin.joint, rod.end.joint}) {
            ASSERT_GE(static_cast<int>(joint), 1) << text;
            ASSERT_LE(static_cast<int>(joint), 4) << text;
        }
        for (double value : {rod.begin.angle, rod.end.angle, rod.load.x, rod.load.y, rod.temperature.x,
                             rod.temperature.y, rod.EI, rod.EF, rod.height, rod.alpha, rod.mu, rod.nu})
            ASSERT_TRUE(std::isfinite(value)) << text;
        for (double value : {rod.EI, rod.EF, rod.height, rod.alpha, rod.mu, rod.nu})
            ASSERT_GT(value, 0.0) << text;
    }
}

void ReadAndCheck(const std::string &text)
{
    RecordingReporter reporter;
    StructureModel model;
    StructureReadResult result = ReadStructure(model, text);
    ReportMessages(result.messages);
    EXPECT_EQ(result.ok, reporter.messages.empty()) << text;
    EXPECT_LE(reporter.messages.size(), 2u) << text;
    if (!result.ok) {
        EXPECT_TRUE(result.messageId == 50219 || result.messageId == 50221) << text;
        EXPECT_GE(result.lineNumber, 1) << text;
    }
    ExpectUsableStructure(model, text);
    // Whatever was read can be written and read again. A file read to its
    // end comes back unchanged; one that stopped early keeps numbers below 1
    // that the next reading replaces.
    const std::string written = WriteStructure(model);
    StructureModel again;
    EXPECT_TRUE(ReadStructure(again, written).ok) << written;
    EXPECT_EQ(again.nodes.count, model.nodes.count);
    EXPECT_EQ(again.rods.count, model.rods.count);
    if (result.ok) {
        EXPECT_EQ(WriteStructure(again), written);
    }
}

} // namespace

TEST(StructureFileRobustness, SurvivesRandomBytes)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int iteration = 0; iteration < 3000; ++iteration) {
        std::string text(static_cast<size_t>(length(random)), '\0');
        for (char &c : text)
            c = static_cast<char>(byte(random));
        ASSERT_NO_FATAL_FAILURE(ReadAndCheck(text)) << "iteration " << iteration;
    }
}

TEST(StructureFileRobustness, SurvivesGarbageMadeOfFileTokens)
{
    // Pieces of real lines give the random text a fair chance to pass the
    // keyword tests and reach the number conversion and the checks after it.
    const std::string tokens[] = {"Node0", "Rod0", "Node", "Rod",   " ",          " ",
                                  " ",     "\n",   "\n",   "\r\n",  "#",          "0",
                                  "1",     "2",    "3",    "4",     "5",          "-1",
                                  "7",     "0.5",  "-2.5", "1e308", "1e400",      "-1e-320",
                                  "nan",   "inf",  "-inf", "0x1p3", "2147483647", "99999999999",
                                  "-",     ".",    "e",    "\t",    "x",          std::string(1, '\0')};
    const int tokenCount = static_cast<int>(sizeof tokens / sizeof tokens[0]);
    std::mt19937 random(77);
    std::uniform_int_distribution<int> pick(0, tokenCount - 1);
    std::uniform_int_distribution<int> length(0, 200);
    for (int iteration = 0; iteration < 3000; ++iteration) {
        std::string text;
        int pieces = length(random);
        for (int i = 0; i < pieces; ++i)
            text += tokens[pick(random)];
        if (iteration % 7 == 0)
            text.push_back('\0');
        ASSERT_NO_FATAL_FAILURE(ReadAndCheck(text)) << "iteration " << iteration;
    }
}

TEST(StructureFileRobustness, SurvivesMutatedFiles)
{
    StructureModel model;
    for (int i = 0; i < 4; ++i)
        model.nodes.Add(MakeNode(i + 1, i * 1.5, i % 2 * 2.0, i != 0));
    for (int i = 0; i < 3; ++i) {
        Rod rod = MakeRod(i + 1, i, i + 1, JointType::Hinge);
        rod.load = Pair(0.0, -1.0 * i);
        model.rods.Add(rod);
    }
    const std::string original = WriteStructure(model);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> position(0, static_cast<int>(original.size()) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> edits(1, 6);
    for (int iteration = 0; iteration < 3000; ++iteration) {
        std::string text = original;
        for (int k = edits(random); k > 0; --k) {
            size_t at = static_cast<size_t>(position(random)) % (text.size() + 1);
            switch (byte(random) % 3) {
            case 0:
                if (at < text.size())
                    text[at] = static_cast<char>(byte(random));
                break;
            case 1:
                text.insert(at, 1, static_cast<char>(byte(random) % 2 ? '9' : '-'));
                break;
            default:
                if (at < text.size())
                    text.erase(at, 1);
                break;
            }
        }
        ASSERT_NO_FATAL_FAILURE(ReadAndCheck(text)) << "iteration " << iteration;
    }
}

// The file must look the same whatever the user's numeric locale. Under a
// Russian LC_NUMERIC plain printf writes "3,25" and scanf stops at the point.
class RussianNumericLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::error_code error;
        directory = std::filesystem::temp_directory_path(error) /
                    ("ruvo-locale-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(directory, error);
        if (error)
            GTEST_SKIP() << "cannot create " << directory << ": " << error.message();
        const std::string command =
            "localedef -i ru_RU -f UTF-8 '" + (directory / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
        // localedef exits with 1 after mere warnings; the locale decides.
        int status = std::system(command.c_str());
        (void)status;
        const char *oldLocPath = std::getenv("LOCPATH");
        hadLocPath = oldLocPath != nullptr;
        if (hadLocPath)
            previousLocPath = oldLocPath;
        ::setenv("LOCPATH", directory.c_str(), 1);
        previousLocale = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr)
            GTEST_SKIP() << "no Russian locale: localedef is missing or failed";
        char probe[32];
        std::snprintf(probe, sizeof probe, "%g", 3.25);
        if (std::string(probe) != "3,25")
            GTEST_SKIP() << "the Russian locale does not use a decimal comma here";
    }

    void TearDown() override
    {
        std::setlocale(LC_NUMERIC, previousLocale.c_str());
        if (hadLocPath)
            ::setenv("LOCPATH", previousLocPath.c_str(), 1);
        else
            ::unsetenv("LOCPATH");
        std::error_code error;
        std::filesystem::remove_all(directory, error);
    }

    std::filesystem::path directory;
    std::string previousLocale = "C";
    std::string previousLocPath;
    bool hadLocPath = false;
};

TEST_F(RussianNumericLocale, WritesAndReadsWithADecimalPoint)
{
    StructureModel model;
    Node node = MakeNode(1, 3.25, -0.5, true);
    node.force = Pair(1.5, 0.0);
    model.nodes.Add(node);
    model.nodes.Add(MakeNode(2, 7.125, 2.75, false));
    Rod rod = MakeRod(1, 0, 1, JointType::Hinge);
    rod.load = Pair(0.0, -2.5);
    rod.nu = 0.3;
    rod.EI = 1234.5;
    model.rods.Add(rod);

    const std::string text = WriteStructure(model);
    EXPECT_EQ(text.find(',', text.find("Node0")), std::string::npos) << text;
    EXPECT_NE(text.find("Node0 1       3.25       -0.5 1        1.5 "), std::string::npos) << text;

    StructureModel back;
    RecordingReporter reporter;
    ASSERT_TRUE(ReadStructure(back, text).ok);
    ASSERT_EQ(back.nodes.count, 2);
    ASSERT_EQ(back.rods.count, 1);
    EXPECT_EQ(back.nodes[0].x, 3.25);
    EXPECT_EQ(back.nodes[0].y, -0.5);
    EXPECT_EQ(back.nodes[0].force.x, 1.5);
    EXPECT_EQ(back.nodes[1].x, 7.125);
    EXPECT_EQ(back.rods[0].load.y, -2.5);
    EXPECT_EQ(back.rods[0].nu, 0.3);
    EXPECT_EQ(back.rods[0].EI, 1234.5);

    std::string description;
    back.nodes[0].describe(description);
    EXPECT_EQ(description, "X=3.250 Y=-0.500 Fx=1.500");
    back.rods[0].describe(description);
    EXPECT_EQ(description, "EI=1234.500 Qy=-2.500");
}
