// Structures with absurd numbers (tests/data/fuzz/calculate/: spans of
// 1e308 m, loads of 1e308 N, subnormal stiffnesses, the largest doubles)
// and every input the calculation fuzzer has found: each calculation
// either succeeds with finite results and says nothing, or fails with
// exactly one message, and in both cases gives the user's structure back.

#include "EngineTestSupport.h"
#include "engine/Calculate.h"
#include "model/StructureFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace enginetest;

namespace {

std::vector<std::filesystem::path> AbsurdInputs()
{
    std::vector<std::filesystem::path> files;
    const char *data = std::getenv("RUVO_TEST_DATA");
    if (data == nullptr)
        data = RUVO_SOURCE_TEST_DATA;
    std::error_code error;
    for (const auto &entry :
         std::filesystem::directory_iterator(std::filesystem::path(data) / "fuzz" / "calculate", error))
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

bool Finite(const Pair &pair)
{
    return std::isfinite(pair.x) && std::isfinite(pair.y);
}

bool Finite(const Triple &triple)
{
    return std::isfinite(triple.x) && std::isfinite(triple.y) && std::isfinite(triple.z);
}

} // namespace

TEST(AbsurdInput, CalculationSucceedsWithFiniteResultsOrReportsOnce)
{
    const std::vector<std::filesystem::path> inputs = AbsurdInputs();
    ASSERT_FALSE(inputs.empty()) << "no inputs in fuzz/calculate/ of the test data folder";
    TemporaryLog log(false);
    for (const std::filesystem::path &input : inputs) {
        SCOPED_TRACE(input.filename().string());
        StructureModel structure;
        {
            RecordingReporter readErrors;
            ASSERT_TRUE(ReadStructure(structure, ReadWholeFile(input)).ok);
        }
        const int nodes = structure.nodes.count;
        const int rods = structure.rods.count;

        RecordingReporter errors;
        double time = -1.0;
        if (Calculate(structure, time)) {
            EXPECT_TRUE(errors.messages.empty()) << errors.messages.front().headline;
            EXPECT_TRUE(std::isfinite(time));
            EXPECT_GE(time, 0.0);
            for (const Node &node : structure.nodes)
                EXPECT_TRUE(Finite(node.resultDisplacement) && Finite(node.reaction)) << node.number;
            for (const Rod &rod : structure.rods)
                EXPECT_TRUE(Finite(rod.resultM) && Finite(rod.resultQ) && Finite(rod.resultN)) << rod.number;
        } else {
            ASSERT_EQ(errors.messages.size(), 1u);
            EXPECT_FALSE(errors.messages.front().headline.empty());
        }
        // Service elements of the preparation never stay behind.
        EXPECT_EQ(structure.nodes.count, nodes);
        EXPECT_EQ(structure.rods.count, rods);
        EXPECT_EQ(CountService(structure), 0);
    }
}
