#pragma once

// Helpers shared by the engine tests: building structures by hand, recording
// the reported errors, and a private calculation log.

#include "model/Settings.h"
#include "model/StructureModel.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"
#include "support/RecordingReporter.h"
#include "support/SettingsRestorer.h"
#include "support/StructureBuilder.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace enginetest {

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
using Message = ReportedMessage;

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
