// ruvo-calc: calculates a structure file with the default settings and
// prints the results report.
//
// Exit status: 0 success; 1 the calculation refused the structure; 2 the
// file could not be read, a line is malformed, or the command line is wrong.

#include "document/ResultsReport.h"
#include "engine/Calculate.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

constexpr int exitRefused = 1;
constexpr int exitBadInput = 2;

const char *const usage = "Usage: ruvo-calc [--log PATH] [--debug] FILE.str\n"
                          "\n"
                          "Calculates the plane frame in FILE.str with the default settings and prints\n"
                          "the results report (moments, shear forces, axial forces, displacements).\n"
                          "\n"
                          "  --log PATH   write the calculation log to PATH\n"
                          "  --debug      debug mode: positions instead of numbers, service elements kept\n"
                          "  --help       show this text\n"
                          "\n"
                          "Exit status: 0 success, 1 the structure cannot be calculated,\n"
                          "2 the file cannot be read or holds a malformed line.\n";

struct Options {
    std::string file;
    std::string logPath;
    bool debug = false;
    bool help = false;
};

// False (after a message) when the command line cannot be understood.
bool parseArguments(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--debug") {
            options.debug = true;
        } else if (argument == "--log") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                std::cerr << "ruvo-calc: --log needs a file path\n";
                return false;
            }
            options.logPath = argv[++i];
        } else if (argument.size() > 1 && argument[0] == '-') {
            std::cerr << "ruvo-calc: unknown option " << argument << '\n';
            return false;
        } else if (options.file.empty()) {
            options.file = argument;
        } else {
            std::cerr << "ruvo-calc: only one structure file can be calculated\n";
            return false;
        }
    }
    if (!options.help && options.file.empty()) {
        std::cerr << "ruvo-calc: no structure file given\n";
        return false;
    }
    return true;
}

bool readFile(const std::string &path, std::string &text)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        std::cerr << "ruvo-calc: " << path << " is a directory\n";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "ruvo-calc: cannot open " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad()) {
        std::cerr << "ruvo-calc: cannot read " << path << '\n';
        return false;
    }
    text = contents.str();
    return true;
}

// The report is built with CR LF line ends; a terminal wants LF.
std::string withLineFeeds(const std::string &text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result += text[i];
    }
    return result;
}

// Without --log nothing is logged, but every calculation deletes its log
// file: point it at a name of this process in the temporary folder so that
// the desktop program's log is left alone.
std::string privateLogPath()
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    return (folder / ("ruvo-calc-" + std::to_string(getpid()) + ".log")).string();
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_NUMERIC, "C");

    Options options;
    if (!parseArguments(argc, argv, options)) {
        std::cerr << usage;
        return exitBadInput;
    }
    if (options.help) {
        std::cout << usage;
        return 0;
    }

    Settings &settings = Settings::current();
    settings.debugMode = options.debug;
    if (options.logPath.empty()) {
        settings.logEnabled = 0;
        SetLogFilePath(privateLogPath());
    } else {
        settings.logEnabled = 1;
        SetLogFilePath(options.logPath);
    }
    SetErrorReporter([](const std::string &headline, const std::string &reason) {
        std::cerr << headline << '\n' << reason << '\n';
    });

    std::string text;
    if (!readFile(options.file, text))
        return exitBadInput;

    StructureModel structure;
    const StructureReadResult read = ReadStructure(structure, text);
    if (!read.ok) {
        std::cerr << "ruvo-calc: " << options.file;
        if (read.lineNumber > 0)
            std::cerr << ", line " << read.lineNumber;
        std::cerr << ": the structure cannot be read\n";
        return exitBadInput;
    }

    double time = 0.0;
    if (!Calculate(structure, time))
        return exitRefused;

    std::cout << withLineFeeds(ResultsReport(structure, settings.debugMode)) << std::flush;
    return std::cout ? 0 : exitBadInput;
}
