// ruvo-calc: calculates a structure file with the default settings, prints
// the results report (Russian, or English with --lang en) or the results as
// JSON (--json) and, on request, writes the printed page with chosen result
// displays as PDF, SVG or PNG.
//
// Exit status: 0 success; 1 the calculation refused the structure; 2 the
// file could not be read, a line is malformed, or the command line is wrong;
// 3 the page could not be written.

#include "Language.h"
#include "PageOutput.h"
#include "ResultsJson.h"
#include "engine/Calculate.h"
#include "engine/ResultsReport.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"

#include <algorithm>
#include <cctype>
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
constexpr int exitNotWritten = 3;

const char *const usage =
    "Usage: ruvo-calc [--log PATH] [--debug] [--lang ru|en] [--json] FILE.str\n"
    "       ruvo-calc [--log PATH] [--debug] [--lang ru|en] [--json]\n"
    "                 --export OUT.pdf|OUT.svg|OUT.png [--show LIST] FILE.str\n"
    "       (--axial-compliance may be added to either)\n"
    "\n"
    "Calculates the plane frame in FILE.str with the default settings and prints\n"
    "the results report (moments, shear forces, axial forces, displacements,\n"
    "support reactions and the moment extremes inside spans).\n"
    "\n"
    "  --lang LANG    language of the report and of the messages: ru (the default,\n"
    "                 whatever the locale) or en\n"
    "  --json         print the results as JSON instead of the report: units, sign\n"
    "                 conventions, rods, nodes, supports and messages; a refused or\n"
    "                 unreadable structure gives its status and messages\n"
    "  --log PATH     write the calculation log to PATH\n"
    "  --debug        debug mode: positions instead of numbers, service elements kept\n"
    "  --axial-compliance\n"
    "                 treat the rods as axially compliant with their EF (stiffness\n"
    "                 method): calculates frames the axially rigid method refuses\n"
    "  --export OUT   also write the printed page (A4) to OUT; the format follows\n"
    "                 the extension: .pdf, .svg or .png\n"
    "  --show LIST    result displays on the page, separated by commas: moments,\n"
    "                 shear, axial, displacements (at most one of these four) and\n"
    "                 reactions; without it the page shows the structure and loads\n"
    "  --help         show this text\n"
    "\n"
    "Exit status: 0 success, 1 the structure cannot be calculated,\n"
    "2 the file cannot be read or holds a malformed line, 3 the page cannot be written.\n";

struct Options {
    std::string file;
    std::string logPath;
    std::string exportPath;
    std::string showList;
    std::string language = "ru";
    bool showGiven = false;
    bool json = false;
    bool debug = false;
    bool axialCompliance = false;
    bool help = false;
};

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool hasPageExtension(const std::string &path)
{
    const std::string lower = lowerCase(path);
    for (const char *extension : {".pdf", ".svg", ".png"}) {
        const std::size_t length = std::strlen(extension);
        if (lower.size() > length && lower.compare(lower.size() - length, length, extension) == 0)
            return true;
    }
    return false;
}

// Reads the comma-separated display names; false (after a message) for an
// unknown or repeated name or two diagrams that exclude each other.
bool parseDisplays(const std::string &list, PageChoice &choice)
{
    std::size_t start = 0;
    int exclusive = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        bool *display = nullptr;
        bool excludes = true;
        if (name == "moments")
            display = &choice.moments;
        else if (name == "shear")
            display = &choice.shear;
        else if (name == "axial")
            display = &choice.axial;
        else if (name == "displacements")
            display = &choice.displacements;
        else if (name == "reactions") {
            display = &choice.reactions;
            excludes = false;
        }
        if (display == nullptr) {
            std::cerr << "ruvo-calc: --show: unknown display \"" << name
                      << "\" (moments, shear, axial, displacements, reactions)\n";
            return false;
        }
        if (*display) {
            std::cerr << "ruvo-calc: --show: " << name << " is named twice\n";
            return false;
        }
        *display = true;
        if (excludes && ++exclusive > 1) {
            std::cerr << "ruvo-calc: --show: moments, shear, axial and displacements exclude each other\n";
            return false;
        }
        start = comma + 1;
    }
    return true;
}

// False (after a message) when the command line cannot be understood.
bool parseArguments(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--debug") {
            options.debug = true;
        } else if (argument == "--axial-compliance") {
            options.axialCompliance = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--lang") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                std::cerr << "ruvo-calc: --lang needs a language (ru, en)\n";
                return false;
            }
            options.language = argv[++i];
        } else if (argument == "--log") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                std::cerr << "ruvo-calc: --log needs a file path\n";
                return false;
            }
            options.logPath = argv[++i];
        } else if (argument == "--export") {
            if (i + 1 >= argc || !hasPageExtension(argv[i + 1])) {
                std::cerr << "ruvo-calc: --export needs a file name ending in .pdf, .svg or .png\n";
                return false;
            }
            options.exportPath = argv[++i];
        } else if (argument == "--show") {
            if (i + 1 >= argc) {
                std::cerr << "ruvo-calc: --show needs a list of displays\n";
                return false;
            }
            options.showList = argv[++i];
            options.showGiven = true;
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
    if (options.showGiven && options.exportPath.empty()) {
        std::cerr << "ruvo-calc: --show chooses the displays of --export, which is missing\n";
        return false;
    }
    return true;
}

// False, with the reason, when the file cannot be read.
bool readFile(const std::string &path, std::string &text, std::string &problem)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        problem = path + " is a directory";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        problem = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad()) {
        problem = "cannot read " + path;
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

// Prints the calculator's own problem (if any) on stderr and, with --json,
// the JSON of a run that ends without results; returns the exit status.
int finishWithoutResults(const Options &options, CalcRun &run, const char *status, int exitStatus)
{
    if (!run.problem.empty())
        std::cerr << "ruvo-calc: " << run.problem << '\n';
    if (options.json) {
        run.status = status;
        std::cout << ResultsJson(run) << std::flush;
    }
    return exitStatus;
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_NUMERIC, "C");

    Options options;
    PageChoice page;
    if (!parseArguments(argc, argv, options) ||
        (options.showGiven && !parseDisplays(options.showList, page))) {
        std::cerr << usage;
        return exitBadInput;
    }
    if (options.help) {
        std::cout << usage;
        return 0;
    }
    std::string languageProblem;
    if (!UseLanguage(options.language, languageProblem)) {
        std::cerr << "ruvo-calc: --lang: " << languageProblem << '\n';
        return exitBadInput;
    }

    Settings &settings = Settings::current();
    settings.debugMode = options.debug;
    settings.axialCompliance = options.axialCompliance ? 1 : 0;
    if (options.logPath.empty()) {
        settings.logEnabled = 0;
        SetLogFilePath(privateLogPath());
    } else {
        settings.logEnabled = 1;
        SetLogFilePath(options.logPath);
    }
    // Messages go to stderr as they come, and into the JSON.
    CalcRun run;
    run.file = options.file;
    run.debugMode = settings.debugMode;
    SetErrorReporter([&run](const std::string &headline, const std::string &reason) {
        std::cerr << headline << '\n' << reason << '\n';
        run.messages.push_back({headline, reason});
    });

    std::string text;
    if (!readFile(options.file, text, run.problem))
        return finishWithoutResults(options, run, "unreadable", exitBadInput);

    StructureModel structure;
    const StructureReadResult read = ReadStructure(structure, text);
    ReportMessages(read.messages);
    if (!read.ok) {
        run.problem = options.file;
        if (read.lineNumber > 0)
            run.problem += ", line " + std::to_string(read.lineNumber);
        run.problem += ": the structure cannot be read";
        return finishWithoutResults(options, run, "unreadable", exitBadInput);
    }

    double time = 0.0;
    if (!Calculate(structure, time))
        return finishWithoutResults(options, run, "refused", exitRefused);

    if (options.json) {
        run.structure = &structure;
        std::cout << ResultsJson(run);
    } else {
        std::cout << withLineFeeds(ResultsReport(structure, settings.debugMode));
    }
    std::cout << std::flush;
    if (!std::cout)
        return exitBadInput;
    if (!options.exportPath.empty()) {
        page.sourceName = std::filesystem::path(options.file).filename().string();
        std::string reason;
        if (!WritePage(argv[0], options.exportPath, structure, page, reason)) {
            std::cerr << "ruvo-calc: cannot write " << options.exportPath << ": " << reason << '\n';
            return exitNotWritten;
        }
    }
    return 0;
}
