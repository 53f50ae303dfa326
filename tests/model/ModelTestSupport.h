#pragma once

#include "model/Settings.h"
#include "model/StructureModel.h"
#include "numeric/CalcLog.h"

#include <string>
#include <utility>
#include <vector>

// Records every message that reaches the user while it lives, instead of
// printing it, and puts the previous reporter back afterwards.
class RecordingReporter {
public:
    RecordingReporter()
    {
        previous = SetErrorReporter([this](const std::string &headline, const std::string &reason) {
            messages.emplace_back(headline, reason);
        });
    }
    ~RecordingReporter() { SetErrorReporter(std::move(previous)); }
    RecordingReporter(const RecordingReporter &) = delete;
    RecordingReporter &operator=(const RecordingReporter &) = delete;

    std::vector<std::pair<std::string, std::string>> messages;

private:
    ErrorReporter previous;
};

// Restores the process-wide settings record when a test has changed it.
class SettingsRestorer {
public:
    SettingsRestorer() : saved(Settings::current()) {}
    ~SettingsRestorer() { Settings::current() = saved; }
    SettingsRestorer(const SettingsRestorer &) = delete;
    SettingsRestorer &operator=(const SettingsRestorer &) = delete;

private:
    Settings saved;
};

inline Node MakeNode(int number, double x, double y, bool isFree = true)
{
    Node node(number);
    node.x = x;
    node.y = y;
    node.isFree = isFree ? 1 : 0;
    return node;
}

inline Rod MakeRod(int number, int begin, int end, JointType joint = JointType::Fixed)
{
    Rod rod(number, begin, end);
    rod.begin.joint = joint;
    rod.end.joint = joint;
    return rod;
}

// Relative comparison for values that went through a 10-digit text form.
inline bool SameToDigits(double expected, double actual, double relative = 1e-9)
{
    if (expected == actual)
        return true;
    double scale = std::max(std::fabs(expected), std::fabs(actual));
    return std::fabs(expected - actual) <= relative * scale;
}
