#pragma once

#include "numeric/CalcLog.h"

#include <string>
#include <utility>
#include <vector>

// One message that reached the user: the headline and the reason.
struct ReportedMessage {
    std::string headline;
    std::string reason;
    bool operator==(const ReportedMessage &) const = default;
};

// Records every message that reaches the user while it lives, instead of
// showing it, and puts the previous reporter back afterwards.
class RecordingReporter {
public:
    RecordingReporter()
    {
        previous = SetErrorReporter([this](const std::string &headline, const std::string &reason) {
            messages.push_back({headline, reason});
        });
    }
    ~RecordingReporter() { SetErrorReporter(std::move(previous)); }
    RecordingReporter(const RecordingReporter &) = delete;
    RecordingReporter &operator=(const RecordingReporter &) = delete;

    std::vector<ReportedMessage> messages;

private:
    ErrorReporter previous;
};
