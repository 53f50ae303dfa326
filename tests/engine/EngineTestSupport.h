#pragma once

// Helpers shared by the engine tests: building structures by hand, recording
// the reported errors, and a private calculation log.

#include "model/Settings.h"
#include "model/StructureModel.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace enginetest {

// Appends a node and returns its position.
inline int AddNode(StructureModel &structure, int number, double x, double y, bool isFree)
{
    Node node(number);
    node.x = x;
    node.y = y;
    node.isFree = isFree ? 1 : 0;
    structure.nodes.Add(node);
    return structure.nodes.count - 1;
}

// Appends a rod between two node positions with the given joints and
// returns its position. EI defaults to 1.
inline int AddRod(StructureModel &structure, int number, int begin, int end, JointType beginJoint,
                  JointType endJoint, double EI = 1.0)
{
    Rod rod(number, begin, end);
    rod.begin = RodEnd(begin, beginJoint, 0.0);
    rod.end = RodEnd(end, endJoint, 0.0);
    rod.EI = EI;
    structure.rods.Add(rod);
    return structure.rods.count - 1;
}

inline int FindNode(const StructureModel &structure, int number)
{
    for (int i = 0; i < structure.nodes.count; ++i) {
        if (structure.nodes[i].number == number && structure.nodes[i].serviceKind == ServiceNone)
            return i;
    }
    return -1;
}

inline int FindRod(const StructureModel &structure, int number)
{
    for (int i = 0; i < structure.rods.count; ++i) {
        if (structure.rods[i].number == number && structure.rods[i].serviceKind == ServiceNone)
            return i;
    }
    return -1;
}

inline int CountService(const StructureModel &structure)
{
    int count = 0;
    for (const Node &node : structure.nodes)
        count += node.serviceKind != ServiceNone;
    for (const Rod &rod : structure.rods)
        count += rod.serviceKind != ServiceNone;
    return count;
}

// The headline and the reason of a string-table message, split at its tab.
struct Message {
    std::string headline;
    std::string reason;
};

inline Message SplitMessage(const std::string &text)
{
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos)
        return {text, "Internal error!"};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

inline Message StringTableMessage(int id)
{
    return SplitMessage(LoadString(id));
}

// Records every error shown to the user while it lives.
class RecordedErrors {
public:
    RecordedErrors()
    {
        previous = SetErrorReporter([this](const std::string &headline, const std::string &reason) {
            messages.push_back({headline, reason});
        });
    }
    ~RecordedErrors() { SetErrorReporter(previous); }
    RecordedErrors(const RecordedErrors &) = delete;
    RecordedErrors &operator=(const RecordedErrors &) = delete;

    std::vector<Message> messages;

private:
    ErrorReporter previous;
};

// A private log file in a fresh temporary folder; logging on (or off) while
// it lives. Restores the settings and the log path afterwards.
class TemporaryLog {
public:
    explicit TemporaryLog(bool enabled = true) : savedSettings(Settings::current()), savedPath(LogFilePath())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-engine-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            folder = pattern;
        path = (folder / "Ruvo.log").string();
        SetLogFilePath(path);
        Settings::current().logEnabled = enabled ? 1 : 0;
    }
    ~TemporaryLog()
    {
        Settings::current() = savedSettings;
        SetLogFilePath(savedPath);
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    TemporaryLog(const TemporaryLog &) = delete;
    TemporaryLog &operator=(const TemporaryLog &) = delete;

    bool exists() const { return std::filesystem::exists(path); }

    std::string read() const
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    void write(const std::string &text) const
    {
        std::ofstream file(path, std::ios::binary);
        file << text;
    }

    std::filesystem::path folder;
    std::string path;

private:
    Settings savedSettings;
    std::string savedPath;
};

// Restores the settings record when it goes out of scope.
class SettingsGuard {
public:
    SettingsGuard() : saved(Settings::current()) {}
    ~SettingsGuard() { Settings::current() = saved; }
    SettingsGuard(const SettingsGuard &) = delete;
    SettingsGuard &operator=(const SettingsGuard &) = delete;

private:
    Settings saved;
};

// The bundled examples: $RUVO_EXAMPLES when set, else those of this source tree.
inline std::filesystem::path ExamplesFolder()
{
    if (const char *folder = std::getenv("RUVO_EXAMPLES"))
        return folder;
    return RUVO_SOURCE_EXAMPLES;
}

// Position of `needle` in `text` at or after `from`; npos when missing.
inline std::size_t FindFrom(const std::string &text, const std::string &needle, std::size_t from)
{
    return from == std::string::npos ? std::string::npos : text.find(needle, from);
}

} // namespace enginetest
