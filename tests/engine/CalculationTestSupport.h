#pragma once

// Shared fixture of the calculation tests: a structure built by hand, a
// private log file, the reports that reach the user, and helpers that run
// the calculation steps up to a given one.

#include "engine/Calculation.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "support/Near.h"
#include "support/RecordingReporter.h"
#include "support/StructureBuilder.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace calctest {

constexpr JointType hinge = JointType::Hinge;
constexpr JointType fixed = JointType::Fixed;

// Logging into a private file, the user's reports recorded; everything is
// put back afterwards.
class CalculationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedSettings = Settings::current();
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char &c : name) {
            if (c == '/')
                c = '-';
        }
        directory = std::filesystem::temp_directory_path() /
                    ("ruvo-engine-" + std::to_string(static_cast<long>(::getpid())) + "-" + name);
        std::filesystem::create_directories(directory);
        savedLogPath = LogFilePath();
        SetLogFilePath((directory / "Ruvo.log").string());
        Settings::current().logEnabled = 1;
        Settings::current().debugMode = false;
    }

    void TearDown() override
    {
        SetLogFilePath(savedLogPath);
        Settings::current() = savedSettings;
        std::error_code error;
        std::filesystem::remove_all(directory, error);
    }

    std::string logText() const
    {
        std::ifstream in(directory / "Ruvo.log", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool logExists() const { return std::filesystem::exists(directory / "Ruvo.log"); }

    // The headline of the one report the user saw ("" when none or several).
    std::string onlyHeadline() const { return reports.size() == 1 ? reports[0].headline : std::string(); }

    // The reports that reached the user.
    RecordingReporter reporter;
    std::vector<ReportedMessage> &reports = reporter.messages;
    std::filesystem::path directory;

private:
    Settings savedSettings;
    std::string savedLogPath;
};

// The headline of a string-table message (text before the tab).
std::string Headline(int id);

// Runs the steps of a calculation in order up to and including `lastStep`
// (1 arrays, 2 main equation, 3 single states, 4 static, 5 kinematic,
// 6 temperature); false as soon as one fails.
bool RunSteps(Calculation &calculation, int lastStep);

// The numbers of the first log record that starts with `header` (such as
// "pn0[3]:"), read up to the empty line that ends the record.
inline std::vector<double> LoggedNumbers(const std::string &log, const std::string &header)
{
    std::vector<double> numbers;
    size_t start = log.find("\n" + header + "\n");
    if (start == std::string::npos)
        return numbers;
    start += header.size() + 2;
    size_t end = log.find("\n\n", start);
    std::istringstream text(log.substr(start, end - start));
    double value;
    while (text >> value)
        numbers.push_back(value);
    return numbers;
}

// Element (i, 0) of a column matrix.
inline double At(const Matrix &column, int i)
{
    return column[i][0];
}

} // namespace calctest
