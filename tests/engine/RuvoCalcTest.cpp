// The command-line calculator run as a process: its report, its options,
// its exit status and messages for every kind of failure.

#include "engine/KnownAnswerSupport.h"
#include "engine/ResultsReport.h"
#include "model/StructureFile.h"
#include "numeric/Messages.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

using namespace enginetest;
namespace fs = std::filesystem;

#ifndef RUVO_CALC_PATH
#define RUVO_CALC_PATH ""
#endif
// Whether ruvo-calc was built with Qt and so has the English catalogue.
#ifndef RUVO_CALC_HAS_TRANSLATIONS
#define RUVO_CALC_HAS_TRANSLATIONS 0
#endif

namespace {

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadFile(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A private folder for the files of one test.
class Scratch {
public:
    Scratch()
    {
        std::string pattern = (fs::temp_directory_path() / "ruvo-calc-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            folder = pattern;
    }
    ~Scratch()
    {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    fs::path write(const std::string &name, const std::string &text) const
    {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }
    fs::path folder;
};

// Runs ruvo-calc with the arguments (and extra environment assignments).
ProcessRun RunCalc(const Scratch &scratch, const std::vector<std::string> &arguments,
                   const std::vector<std::string> &environment = {})
{
    std::string command = "env";
    for (const std::string &assignment : environment)
        command += " " + Quoted(assignment);
    command += " " + Quoted(RUVO_CALC_PATH);
    for (const std::string &argument : arguments)
        command += " " + Quoted(argument);
    const fs::path out = scratch.folder / "stdout", err = scratch.folder / "stderr";
    command += " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    ProcessRun run;
    const int status = std::system(command.c_str());
    if (status != -1 && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

std::vector<fs::path> Examples()
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(ExamplesFolder(), error)) {
        if (entry.path().extension() == ".str")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string WithLineFeeds(std::string text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            result += text[i];
    }
    return result;
}

const char *const cantileverFile = "# a cantilever\n"
                                   "Node0 1 0 0 0 0 0 0 0 0 0\n"
                                   "Node0 2 3 0 1 0 -1 0 0 0 0\n\n"
                                   "Rod0 1 0 1 2 2 0 0 0 -2 0 0 2 1 1 1 1 0.5\n";

class RuvoCalc : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::string(RUVO_CALC_PATH).empty() || !fs::exists(RUVO_CALC_PATH))
            GTEST_SKIP() << "ruvo-calc is not built";
    }
    Scratch scratch;
};

} // namespace

TEST_F(RuvoCalc, PrintsTheReportOfEveryExample)
{
    const std::vector<fs::path> examples = Examples();
    ASSERT_GE(examples.size(), 6u) << "no examples in " << ExamplesFolder();
    for (const fs::path &file : examples) {
        SCOPED_TRACE(file.filename().string());
        const ProcessRun run = RunCalc(scratch, {file.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.find('\r'), std::string::npos);

        // The same report as the program's own calculation of the file.
        StructureModel structure;
        ASSERT_TRUE(ReadStructure(structure, ReadFile(file)).ok);
        ASSERT_TRUE(Calculated(structure));
        EXPECT_EQ(run.out, WithLineFeeds(ResultsReport(structure, false)));
        EXPECT_EQ(
            run.out.rfind("ОТЧЕТ ПО КОНСТРУКЦИИ\n\nЕдиницы: силы N, длины и перемещения m, моменты N·m, углы "
                          "поворота в радианах\n\nМоменты\n-------\n\nСтержень 1:",
                          0),
            0u);
    }
}

TEST_F(RuvoCalc, AnswersEveryKindOfFailureWithItsStatusAndMessage)
{
    const fs::path good = scratch.write("good.str", cantileverFile);
    const fs::path badNode =
        scratch.write("bad-node.str", "# header\n\nNode0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3\n");
    const fs::path badRod = scratch.write(
        "bad-rod.str", "Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 0 0 0 0\nRod0 1 0 1 2 2 0\n");
    const fs::path rodNowhere =
        scratch.write("nowhere.str", "Node0 1 0 0 0 0 0 0 0 0 0\nRod0 1 0 5 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n");
    const fs::path unsupported = scratch.write(
        "free.str",
        "Node0 1 0 0 1 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 0 0 0 0\nRod0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n");
    // One rod on a pin and a roller: refused by axially rigid rods,
    // calculated with compliant ones (qL^2/8 = 20 at the middle would need
    // a node; the ends carry qL/2 = 20).
    const fs::path simpleBeam =
        scratch.write("beam.str", "Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 4 0 0 0 0 0 0 0 0\n"
                                  "Rod0 1 0 1 1 3 0 0 0 -10 0 0 1000 1e6 1 1 1 0.5\n");
    const Message noSupport = StringTableMessage(50202);
    const Message nodesUnreadable = StringTableMessage(50219);
    const Message rodsUnreadable = StringTableMessage(50221);

    const struct {
        const char *name;
        std::vector<std::string> arguments;
        int status;
        std::vector<std::string> errorParts;
        const char *outputPart;
    } cases[] = {
        {"help",
         {"--help"},
         0,
         {},
         "Usage: ruvo-calc [--log PATH] [--debug] [--lang ru|en] [--json] FILE.str"},
        {"no file", {}, 2, {"no structure file", "Usage:"}, nullptr},
        {"unknown option", {"--fast", good.string()}, 2, {"unknown option --fast"}, nullptr},
        {"log without a path", {good.string(), "--log"}, 2, {"--log needs a file path"}, nullptr},
        {"two files", {good.string(), good.string()}, 2, {"only one structure file"}, nullptr},
        {"missing file",
         {(scratch.folder / "missing.str").string()},
         2,
         {"cannot open", "missing.str"},
         nullptr},
        {"folder", {scratch.folder.string()}, 2, {"is a directory"}, nullptr},
        {"malformed node line",
         {badNode.string()},
         2,
         {nodesUnreadable.headline, nodesUnreadable.reason, "line 4"},
         nullptr},
        {"malformed rod line",
         {badRod.string()},
         2,
         {rodsUnreadable.headline, rodsUnreadable.reason, "line 3"},
         nullptr},
        {"rod pointing nowhere", {rodNowhere.string()}, 2, {rodsUnreadable.reason}, nullptr},
        {"structure without supports",
         {unsupported.string()},
         1,
         {noSupport.headline, noSupport.reason},
         nullptr},
        {"good structure", {good.string()}, 0, {}, "Стержень 1:    \tM(2) ="},
        {"refused by rigid rods", {simpleBeam.string()}, 1, {LoadString(50229)}, nullptr},
        {"axially compliant rods",
         {"--axial-compliance", simpleBeam.string()},
         0,
         {},
         "Стержень 1:    \tQ(1) =         20"},
        {"help names axial compliance", {"--help"}, 0, {}, "--axial-compliance"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessRun run = RunCalc(scratch, c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        for (const std::string &part : c.errorParts)
            EXPECT_NE(run.err.find(part), std::string::npos) << "missing \"" << part << "\" in:\n" << run.err;
        if (c.errorParts.empty()) {
            EXPECT_EQ(run.err, "");
        }
        if (c.outputPart != nullptr) {
            EXPECT_NE(run.out.find(c.outputPart), std::string::npos) << run.out;
        } else {
            EXPECT_EQ(run.out, "") << "nothing on stdout after a failure";
        }
    }
}

TEST_F(RuvoCalc, WritesTheLogOnlyWhereItIsAskedTo)
{
    const fs::path good = scratch.write("good.str", cantileverFile);
    const fs::path unsupported = scratch.write(
        "free.str",
        "Node0 1 0 0 1 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 0 0 0 0\nRod0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n");

    const fs::path log = scratch.folder / "calc.log";
    ProcessRun run = RunCalc(scratch, {"--log", log.string(), good.string()});
    EXPECT_EQ(run.status, 0);
    const std::string text = ReadFile(log);
    EXPECT_EQ(text.rfind("INITIALIZING DATA ARRAYS\n\n", 0), 0u);
    EXPECT_NE(text.find("CALCULATION TIME"), std::string::npos);

    const fs::path refusedLog = scratch.folder / "refused.log";
    run = RunCalc(scratch, {unsupported.string(), "--log", refusedLog.string()});
    EXPECT_EQ(run.status, 1);
    const Message noSupport = StringTableMessage(50202);
    EXPECT_NE(ReadFile(refusedLog).find("ERROR\n" + noSupport.headline + "\n" + noSupport.reason + "\n\n"),
              std::string::npos);

    // Without --log the desktop program's log (and every other file) stays
    // as it was, and nothing is left in the temporary folder.
    const fs::path data = scratch.folder / "data";
    const fs::path temporary = scratch.folder / "tmp";
    fs::create_directories(data / "Ostrand" / "Ruvo");
    fs::create_directories(temporary);
    std::ofstream(data / "Ostrand" / "Ruvo" / "Ruvo.log") << "the desktop program's log\n";
    run = RunCalc(scratch, {good.string()},
                  {"XDG_DATA_HOME=" + data.string(), "HOME=" + (scratch.folder / "home").string(),
                   "TMPDIR=" + temporary.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(data / "Ostrand" / "Ruvo" / "Ruvo.log"), "the desktop program's log\n");
    EXPECT_TRUE(fs::is_empty(temporary));
    EXPECT_FALSE(fs::exists(scratch.folder / "home"));
}

TEST_F(RuvoCalc, ShowsPositionsAndServiceElementsInDebugMode)
{
    // A pin (node 1), a loaded node and a roller: in debug mode the report
    // names positions and lists the three service supports too.
    const fs::path file = scratch.write("beam.str", "Node0 1 0 0 0 0 0 0 0 0 0\n"
                                                    "Node0 2 2 0 1 0 -4 0 0 0 0\n"
                                                    "Node0 3 4 0 0 0 0 0 0 0 0\n"
                                                    "Rod0 1 0 1 1 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n"
                                                    "Rod0 2 1 2 2 3 0 0 0 0 0 0 1 1 1 1 1 0.5\n");
    const ProcessRun normal = RunCalc(scratch, {file.string()});
    const ProcessRun debug = RunCalc(scratch, {"--debug", file.string()});
    ASSERT_EQ(normal.status, 0);
    ASSERT_EQ(debug.status, 0) << debug.err;
    auto count = [](const std::string &text, const std::string &part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(normal.out, "dx ="), 3);
    EXPECT_EQ(count(debug.out, "dx ="), 6);
    EXPECT_EQ(count(normal.out, "Rx ="), 2) << "the pin and the roller";
    EXPECT_EQ(count(debug.out, "Rx ="), 3) << "the three service supports";
    EXPECT_EQ(count(debug.out, "Стержень "), 3 * 5);
    EXPECT_NE(debug.out.find("Узел 0:"), std::string::npos);
    EXPECT_EQ(normal.out.find("Узел 0:"), std::string::npos);
}

namespace {

// Cyrillic letters (U+0400 ... U+04FF) are two UTF-8 bytes led by 0xD0 ... 0xD3.
bool HasCyrillic(const std::string &text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xD0 && lead <= 0xD3 && (next & 0xC0) == 0x80)
            return true;
    }
    return false;
}

// The numbers of a report in order, whatever its words.
std::vector<std::string> Numbers(const std::string &report)
{
    std::vector<std::string> numbers;
    std::istringstream words(report);
    std::string word;
    while (words >> word) {
        if (!word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) ||
                              (word[0] == '-' && word.size() > 1 && word.find_first_of("0123456789") == 1)))
            numbers.push_back(word);
    }
    return numbers;
}

} // namespace

TEST_F(RuvoCalc, SpeaksEnglishWithLangEnAndRussianWhateverTheLocale)
{
    const std::vector<fs::path> examples = Examples();
    ASSERT_GE(examples.size(), 6u);
    if (!RUVO_CALC_HAS_TRANSLATIONS) {
        // Without Qt there is no catalogue, and the calculator says so.
        const ProcessRun run = RunCalc(scratch, {"--lang", "en", examples.front().string()});
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("English is not available"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        return;
    }
    for (const fs::path &file : examples) {
        SCOPED_TRACE(file.filename().string());
        const ProcessRun russian = RunCalc(scratch, {file.string()}, {"LANG=en_US.UTF-8", "LANGUAGE=en"});
        const ProcessRun english = RunCalc(scratch, {"--lang", "en", file.string()});
        ASSERT_EQ(english.status, 0) << english.err;
        EXPECT_FALSE(HasCyrillic(english.out)) << english.out;
        EXPECT_EQ(
            english.out.rfind("STRUCTURE REPORT\n\nUnits: forces N, lengths and displacements m, moments "
                              "N·m, rotations in radians\n\nMoments\n-------\n\nRod 1:",
                              0),
            0u)
            << english.out;
        // The same numbers as the Russian report, which an English locale
        // does not change.
        EXPECT_EQ(russian.out.rfind("ОТЧЕТ ПО КОНСТРУКЦИИ", 0), 0u);
        EXPECT_EQ(Numbers(english.out), Numbers(russian.out));
    }

    // The messages of refused and unreadable structures, English too.
    const std::vector<std::pair<std::string, int>> failures = {
        {"Node0 1 0 0 1 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 0 0 0 0\nRod0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n",
         1},
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3\n", 2},
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 0 0 0 0\nRod0 1 0 1 2 2 0\n", 2},
        {"Node0 1 0 0 0 0 0 0 0 0 0\nRod0 1 0 5 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n", 2},
        // A moment on a node where every rod is hinged.
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 5 0 0 0\nNode0 3 6 0 1 0 0 0 0 0 0\n"
         "Node0 4 6 -3 0 0 0 0 0 0 0\nRod0 1 0 1 2 1 0 0 0 0 0 0 1 1 1 1 1 0.5\n"
         "Rod0 2 1 2 1 2 0 0 0 0 0 0 1 1 1 1 1 0.5\nRod0 3 2 3 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n",
         1},
        // No linear unknowns in the main system.
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 5 0 0 0\nNode0 3 6 0 0 0 0 0 0 0 0\n"
         "Rod0 1 0 1 2 1 0 0 0 0 0 0 1 1 1 1 1 0.5\nRod0 2 1 2 1 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n",
         1},
        // A portal hinged everywhere: a mechanism, with the advice of rigid joints.
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 0 4 1 0 0 0 0 0 0\nNode0 3 3 4 1 0 -1000 0 0 0 0\n"
         "Node0 4 6 4 1 0 0 0 0 0 0\nNode0 5 6 0 0 0 0 0 0 0 0\n"
         "Rod0 1 0 1 1 1 0 0 0 0 0 0 1 1 1 1 1 0.5\nRod0 2 1 2 1 1 0 0 0 0 0 0 1 1 1 1 1 0.5\n"
         "Rod0 3 2 3 1 1 0 0 0 0 0 0 1 1 1 1 1 0.5\nRod0 4 3 4 1 1 0 0 0 0 0 0 1 1 1 1 1 0.5\n",
         1},
        // A node force the calculation cannot carry, named by its field.
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3 0 1 1e300 -1 0 0 0 0\n"
         "Rod0 1 0 1 2 2 0 0 0 -2 0 0 2 1 1 1 1 0.5\n",
         1},
        // A mechanism: a free node on one hinged rod.
        {"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3 0 1 0 -1 0 0 0 0\nNode0 3 6 0 1 0 0 0 0 0 0\n"
         "Rod0 1 0 1 2 1 0 0 0 0 0 0 1 1 1 1 1 0.5\nRod0 2 1 2 2 1 0 0 0 0 0 0 1 1 1 1 1 0.5\n",
         1},
    };
    for (std::size_t i = 0; i < failures.size(); ++i) {
        SCOPED_TRACE(failures[i].first);
        const fs::path file = scratch.write("failure" + std::to_string(i) + ".str", failures[i].first);
        const ProcessRun russian = RunCalc(scratch, {file.string()});
        const ProcessRun english = RunCalc(scratch, {"--lang", "en", file.string()});
        EXPECT_NE(russian.status, 0);
        EXPECT_EQ(english.status, russian.status) << english.err;
        EXPECT_TRUE(HasCyrillic(russian.err)) << russian.err;
        EXPECT_FALSE(HasCyrillic(english.err)) << english.err;
        EXPECT_EQ(english.out, "");
    }

    // Axially compliant rods: the rigid method's refusal with its hint, and
    // the note on a rod whose EF was never set, English too.
    const fs::path bareBeam =
        scratch.write("bare.str", "Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 4 0 0 0 0 0 0 0 0\n"
                                  "Rod0 1 0 1 1 3 0 0 0 -10 0 0 1000 1 1 1 1 0.5\n");
    const ProcessRun refusedRu = RunCalc(scratch, {bareBeam.string()});
    const ProcessRun refusedEn = RunCalc(scratch, {"--lang", "en", bareBeam.string()});
    EXPECT_EQ(refusedRu.status, 1);
    EXPECT_EQ(refusedEn.status, 1);
    EXPECT_NE(refusedRu.err.find(LoadString(50229)), std::string::npos) << refusedRu.err;
    EXPECT_NE(refusedEn.err.find("Include axial deformations"), std::string::npos) << refusedEn.err;
    EXPECT_FALSE(HasCyrillic(refusedEn.err)) << refusedEn.err;
    const ProcessRun noteRu = RunCalc(scratch, {"--axial-compliance", bareBeam.string()});
    const ProcessRun noteEn = RunCalc(scratch, {"--axial-compliance", "--lang", "en", bareBeam.string()});
    ASSERT_EQ(noteEn.status, 0) << noteEn.err;
    EXPECT_NE(noteRu.out.find("\nПримечание: У стержня 1 продольная жесткость EF"), std::string::npos)
        << noteRu.out;
    EXPECT_NE(noteEn.out.find("\nNote: Rod 1 has its axial rigidity EF still at 1"), std::string::npos)
        << noteEn.out;
    EXPECT_FALSE(HasCyrillic(noteEn.out)) << noteEn.out;

    const ProcessRun unknown = RunCalc(scratch, {"--lang", "de", examples.front().string()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown language \"de\""), std::string::npos) << unknown.err;
}
