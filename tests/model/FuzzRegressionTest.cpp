// Inputs the file-reader fuzzer has found (tests/data/fuzz/read/), checked
// for what the fuzzer checks: the reader reports exactly when it fails, and
// a saved structure opens again without a message into the same text.
// Also the extreme numbers that led there: every finite value survives a
// save and a reopening.

#include "ModelTestSupport.h"
#include "model/StructureFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> RegressionInputs(const char *folder)
{
    std::vector<std::filesystem::path> files;
    const char *data = std::getenv("RUVO_TEST_DATA");
    if (data == nullptr)
        data = RUVO_SOURCE_TEST_DATA;
    const std::filesystem::path directory = std::filesystem::path(data) / "fuzz" / folder;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(directory, error))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadWholeFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A complete read numbers a list holding a number below 1 anew.
template <typename T> void RenumberLikeReader(List<T> &list)
{
    bool renumber = false;
    for (const T &element : list)
        renumber = renumber || element.number < 1;
    for (int i = 0; renumber && i < list.count; ++i)
        list[i].number = i + 1;
}

bool AllFinite(const StructureModel &model)
{
    for (const Node &node : model.nodes) {
        for (double value : {node.x, node.y, node.force.x, node.force.y, node.moment, node.displacement.x,
                             node.displacement.y, node.displacement.z}) {
            if (!std::isfinite(value))
                return false;
        }
    }
    for (const Rod &rod : model.rods) {
        for (double value : {rod.begin.angle, rod.end.angle, rod.load.x, rod.load.y, rod.temperature.x,
                             rod.temperature.y, rod.EI, rod.EF, rod.height, rod.alpha, rod.mu, rod.nu}) {
            if (!std::isfinite(value))
                return false;
        }
    }
    return true;
}

} // namespace

TEST(FuzzRegression, FoundFileInputsReadAndSurviveASave)
{
    const std::vector<std::filesystem::path> inputs = RegressionInputs("read");
    ASSERT_FALSE(inputs.empty()) << "no inputs in fuzz/read/ of the test data folder";
    for (const std::filesystem::path &input : inputs) {
        SCOPED_TRACE(input.filename().string());
        RecordingReporter reporter;
        StructureModel model;
        const StructureReadResult result = ReadStructure(model, ReadWholeFile(input));
        ReportMessages(result.messages);
        EXPECT_EQ(result.ok, reporter.messages.empty());
        EXPECT_TRUE(AllFinite(model));
        for (const Rod &rod : model.rods) {
            EXPECT_GE(rod.begin.node, 0);
            EXPECT_LT(rod.end.node, model.nodes.count);
        }

        if (!result.ok) {
            RenumberLikeReader(model.nodes);
            RenumberLikeReader(model.rods);
        }
        const std::string written = WriteStructure(model);
        reporter.messages.clear();
        StructureModel reopened;
        const StructureReadResult reread = ReadStructure(reopened, written);
        ReportMessages(reread.messages);
        EXPECT_TRUE(reread.ok) << written;
        EXPECT_TRUE(reporter.messages.empty()) << written;
        EXPECT_EQ(reopened.nodes.count, model.nodes.count);
        EXPECT_EQ(reopened.rods.count, model.rods.count);
        EXPECT_EQ(WriteStructure(reopened), written);
    }
}

TEST(FuzzRegression, ExtremeFiniteValuesSurviveASave)
{
    const double values[] = {DBL_MAX, -DBL_MAX, 1.7976931348e308, 1.797693134e308, 1e308,
                             -1e308,  1e-320,   -1e-320,          DBL_TRUE_MIN,    DBL_MIN,
                             0.0,     -0.0,     123.4567,         -9.87e-5};
    for (double value : values) {
        SCOPED_TRACE(value);
        StructureModel model;
        Node support = MakeNode(1, value, -value, false);
        support.displacement = Triple(value, value, value);
        model.nodes.Add(support);
        Node free = MakeNode(2, 0.0, 4.0);
        free.force = Pair(value, -value);
        free.moment = value;
        model.nodes.Add(free);
        Rod rod = MakeRod(1, 0, 1);
        rod.begin.angle = value;
        rod.load = Pair(value, value);
        rod.temperature = Pair(-value, value);
        rod.EI = value > 0.0 ? value : 1.0; // the reader repairs non-positive material values
        model.rods.Add(rod);

        RecordingReporter reporter;
        StructureModel reopened;
        const StructureReadResult reread = ReadStructure(reopened, WriteStructure(model));
        ReportMessages(reread.messages);
        ASSERT_TRUE(reread.ok);
        EXPECT_TRUE(reporter.messages.empty());
        ASSERT_EQ(reopened.nodes.count, 2);
        ASSERT_EQ(reopened.rods.count, 1);

        // Ten significant digits are what the file keeps; subnormal values
        // keep fewer bits than that, so they are compared absolutely.
        auto expectKept = [](double kept, double original) {
            EXPECT_TRUE(std::isfinite(kept));
            EXPECT_NEAR(kept, original, std::max(std::fabs(original) * 1e-9, 1e-322));
        };
        expectKept(reopened.nodes[0].x, value);
        expectKept(reopened.nodes[0].y, -value);
        expectKept(reopened.nodes[0].displacement.z, value);
        expectKept(reopened.nodes[1].force.y, -value);
        expectKept(reopened.nodes[1].moment, value);
        expectKept(reopened.rods[0].begin.angle, value);
        expectKept(reopened.rods[0].load.y, value);
        expectKept(reopened.rods[0].temperature.x, -value);
        expectKept(reopened.rods[0].EI, value > 0.0 ? value : 1.0);
    }
}

TEST(FuzzRegression, NumbersPastTheLargestDoubleAreRefusedWithTheNodeMessage)
{
    // A file may carry what no double holds; such a line cannot be read.
    for (const char *number : {"1.797693135e308", "1e309", "-1e400"}) {
        SCOPED_TRACE(number);
        RecordingReporter reporter;
        StructureModel model;
        const std::string text =
            std::string("Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 ") + number + " 0 1 0 0 0 0 0 0\n";
        const StructureReadResult result = ReadStructure(model, text);
        ReportMessages(result.messages);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.messageId, 50219);
        EXPECT_EQ(result.lineNumber, 2);
        EXPECT_EQ(model.nodes.count, 1);
        EXPECT_EQ(reporter.messages.size(), 1u);
    }
}
