#include "numeric/CalcLog.h"

#include "NumericTestSupport.h"
#include "model/Settings.h"
#include "numeric/Messages.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Sets an environment variable for as long as the object lives.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const char *value) : name(name)
    {
        const char *old = std::getenv(name);
        hadValue = old != nullptr;
        if (hadValue)
            previous = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (hadValue)
            ::setenv(name, previous.c_str(), 1);
        else
            ::unsetenv(name);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *name;
    std::string previous;
    bool hadValue = false;
};

} // namespace

// Every test writes to its own log in a temporary folder with logging on,
// records what reaches the user, and puts settings, path and reporter back.
class CalcLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedSettings = Settings::current();
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = fs::temp_directory_path() /
                    ("ruvo-numeric-" + std::to_string(static_cast<long>(::getpid())) + "-" + info->name());
        fs::create_directories(directory);
        logPath = directory / "Ruvo.log";
        SetLogFilePath(logPath.string());
        Settings::current().logEnabled = 1;
        previousReporter = SetErrorReporter([this](const std::string &headline, const std::string &reason) {
            shown.emplace_back(headline, reason);
        });
    }

    void TearDown() override
    {
        SetErrorReporter(std::move(previousReporter));
        SetLogFilePath("");
        Settings::current() = savedSettings;
        std::error_code error;
        fs::remove_all(directory, error);
    }

    std::string Log() const { return ReadFile(logPath); }

    fs::path directory;
    fs::path logPath;
    std::vector<std::pair<std::string, std::string>> shown;

private:
    Settings savedSettings;
    ErrorReporter previousReporter;
};

TEST_F(CalcLog, ArrayRecords)
{
    LogMatrix(MakeMatrix<double>("A", {{1, 2}, {3, 4}}));
    LogMatrix(MakeMatrix<double>("B", {{-2.5, 1.0 / 3.0, 1e-7}}));
    LogVector(MakeVector<double>("V", {1.5, -2}));
    LogIntVector(MakeVector<int>("P", {2, 0, 1}));
    List<int> list("P", 4, 4);
    for (int value : {2, 0, 1})
        list.Add(value);
    LogIntList(list);
    EXPECT_EQ(Log(), "A[2,2]:\n"
                     "     1      2 \n"
                     "     3      4 \n"
                     "\n"
                     "B[1,3]:\n"
                     "  -2.5 0.333333  1e-07 \n"
                     "\n"
                     "V[2]:\n"
                     "   1.5     -2 \n"
                     "\n"
                     "P[3]:\n"
                     "2 0 1 \n"
                     "\n"
                     "P[3]\n"
                     "2 0 1 \n"
                     "\n");
    EXPECT_TRUE(shown.empty());
}

TEST_F(CalcLog, EmptyArrayRecords)
{
    LogMatrix(Matrix("temp", 0, 5));
    LogVector(Vector("L", 0));
    LogIntVector(IntVector());
    LogIntList(List<int>("selNodes", 2, 2));
    EXPECT_EQ(Log(), "[0,0]:\nEmpty\n\n"
                     "[0]:\nEmpty\n\n"
                     "[0]:\nEmpty\n\n"
                     "selNodes[0]\nEmpty\n\n");
}

TEST_F(CalcLog, FreeTextAndStringTableRecords)
{
    LogPrintf("SOLVING MAIN EQUATION\n\n");
    LogPrintf("Looking for column to be placed at %d.\n", 3);
    LogMessage(50212, "L");
    LogMessage(50213);
    EXPECT_EQ(Log(), std::string("SOLVING MAIN EQUATION\n\n"
                                 "Looking for column to be placed at 3.\n") +
                         "Ошибка в расчетах\tВектор L содержит нулевые значения!" + LoadString(50213));
}

TEST_F(CalcLog, NothingIsWrittenWhileLoggingIsOff)
{
    Settings::current().logEnabled = 0;
    LogPrintf("text %d\n", 1);
    LogMessage(50213);
    LogMatrix(MakeMatrix<double>("A", {{1}}));
    LogVector(MakeVector<double>("V", {1}));
    LogIntVector(MakeVector<int>("P", {1}));
    LogIntList(List<int>("P", 1, 1));
    ReportMessage(50202);
    EXPECT_FALSE(fs::exists(logPath));
    // Errors still reach the user.
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "Отсутствуют опорные узлы/стержни!");
}

TEST_F(CalcLog, ReportedMessagesAreSplitLoggedAndShown)
{
    ReportMessage(50202);
    ReportMessage(50212, "AL");
    ReportError("no tab here: %d rods", 3);
    ReportError("head\treason\twith a second tab");
    ReportMessage(50215, MathErrorText(MathErrorKind::Domain));

    const std::string mathHeadline = "Произошла математическая ошибка в функции Argument domain error:\n\n\n"
                                     "Сообщите об ошибке авторам Руво.";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Отсутствуют опорные узлы/стержни!", "Добавьте хотя бы один опорный узел или стержень."},
        {"Ошибка в расчетах", "Вектор AL содержит нулевые значения!"},
        {"no tab here: 3 rods", "Internal error!"},
        {"head", "reason\twith a second tab"},
        {mathHeadline, "Internal error!"},
    };
    EXPECT_EQ(shown, expected);
    std::string log;
    for (const auto &[headline, reason] : expected)
        log += "ERROR\n" + headline + "\n" + reason + "\n\n";
    EXPECT_EQ(Log(), log);
}

// An unopenable log is shown once with its path, is never itself logged,
// and the work goes on; a new calculation (which deletes the log first)
// announces it again.
TEST_F(CalcLog, UnopenableLogIsReportedOncePerCalculation)
{
    const fs::path unopenable = directory / "no such folder" / "Ruvo.log";
    SetLogFilePath(unopenable.string());
    const std::pair<std::string, std::string> openError = {
        "Ошибка открытия файла!", "Файл " + unopenable.string() + " не может быть открыт"};

    LogPrintf("first record\n");
    LogMatrix(MakeMatrix<double>("K", {{1}}));
    ReportMessage(50213);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], openError);
    EXPECT_EQ(shown[1].first, "Изменяемая конструкция!");

    DeleteLogFile();
    LogPrintf("next calculation\n");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2], openError);
    EXPECT_FALSE(fs::exists(unopenable));
}

TEST_F(CalcLog, DeleteLogFile)
{
    LogPrintf("old calculation\n");
    ASSERT_TRUE(fs::exists(logPath));
    DeleteLogFile();
    EXPECT_FALSE(fs::exists(logPath));
    DeleteLogFile();
    LogPrintf("new\n");
    EXPECT_EQ(Log(), "new\n");
    EXPECT_TRUE(shown.empty());
}

TEST_F(CalcLog, WithoutAReporterMessagesGoToStandardError)
{
    ErrorReporter recorder = SetErrorReporter(nullptr);
    ASSERT_TRUE(recorder);
    ::testing::internal::CaptureStderr();
    ReportMessage(50219);
    ReportError("plain");
    std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "Ошибка чтения данных!\nНе могу загрузить узлы.\nplain\nInternal error!\n");
    ErrorReporter none = SetErrorReporter(std::move(recorder));
    EXPECT_FALSE(none);
    EXPECT_TRUE(shown.empty());
}

TEST_F(CalcLog, DefaultPathIsPerUserAndItsFolderIsCreated)
{
    const std::string data = (directory / "data").string();
    const std::string home = (directory / "home").string();
    {
        ScopedEnvironment xdg("XDG_DATA_HOME", data.c_str());
        ScopedEnvironment homeVariable("HOME", home.c_str());
        EXPECT_EQ(DefaultLogFilePath(), data + "/Ostrand/Ruvo/Ruvo.log");
        EXPECT_TRUE(fs::is_directory(data + "/Ostrand/Ruvo"));
    }
    for (const char *unusable : {static_cast<const char *>(nullptr), "", "relative/data"}) {
        ScopedEnvironment xdg("XDG_DATA_HOME", unusable);
        ScopedEnvironment homeVariable("HOME", home.c_str());
        EXPECT_EQ(DefaultLogFilePath(), home + "/.local/share/Ostrand/Ruvo/Ruvo.log");
        EXPECT_TRUE(fs::is_directory(home + "/.local/share/Ostrand/Ruvo"));
    }
    {
        ScopedEnvironment xdg("XDG_DATA_HOME", data.c_str());
        SetLogFilePath("");
        EXPECT_EQ(LogFilePath(), data + "/Ostrand/Ruvo/Ruvo.log");
    }
}

// Under a Russian LC_NUMERIC plain printf writes "2,5"; the log and the
// messages must keep the decimal point.
TEST_F(CalcLog, NumbersKeepADecimalPointUnderARussianLocale)
{
    const fs::path locales = directory / "locales";
    fs::create_directories(locales);
    const std::string command =
        "localedef -i ru_RU -f UTF-8 '" + (locales / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
    // localedef exits with 1 after mere warnings; whether the locale loads decides.
    int status = std::system(command.c_str());
    (void)status;
    ScopedEnvironment locPath("LOCPATH", locales.c_str());
    const std::string previousLocale = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "no Russian locale: localedef is missing or failed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 2.5);
    const bool comma = std::string(probe) == "2,5";

    LogMatrix(MakeMatrix<double>("A", {{2.5}}));
    LogVector(MakeVector<double>("V", {-0.25}));
    LogPrintf("%.2f\n", 1.5);
    ReportError("value %g", 0.5);
    std::setlocale(LC_NUMERIC, previousLocale.c_str());

    if (!comma)
        GTEST_SKIP() << "the Russian locale does not use a decimal comma here";
    EXPECT_EQ(Log(), "A[1,1]:\n   2.5 \n\nV[1]:\n -0.25 \n\n1.50\nERROR\nvalue 0.5\nInternal error!\n\n");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "value 0.5");
}

TEST(MathErrors, CategoryTexts)
{
    const std::pair<MathErrorKind, const char *> texts[] = {
        {MathErrorKind::Domain, "Argument domain error"},
        {MathErrorKind::Singularity, "Argument singularity"},
        {MathErrorKind::Overflow, "Overflow range error"},
        {MathErrorKind::Underflow, "Result is too small to be represented"},
        {MathErrorKind::TotalLoss, "Total loss of significance"},
        {MathErrorKind::PartialLoss, "Partial loss of significance"},
        {MathErrorKind::Other, "Unknown math error"},
    };
    for (const auto &[kind, text] : texts) {
        EXPECT_STREQ(MathErrorText(kind), text);
        EXPECT_EQ(RaisedMessage([kind = kind] { OnMathError(kind); }), text);
    }
}

TEST(MathErrors, CheckRaisesForFailedMathCalls)
{
    // volatile keeps the compiler from evaluating the calls itself.
    static volatile double minusOne = -1.0, zero = 0.0, large = 1000.0, two = 2.0, four = 4.0;
    struct Case {
        const char *what;
        std::function<double()> call;
        const char *expected;
    };
    const Case cases[] = {
        {"sqrt(-1)", [] { return std::sqrt(minusOne); }, "Argument domain error"},
        {"acos(2)", [] { return std::acos(two); }, "Argument domain error"},
        {"log(-1)", [] { return std::log(minusOne); }, "Argument domain error"},
        {"log(0)", [] { return std::log(zero); }, "Argument singularity"},
        {"pow(0, -1)", [] { return std::pow(zero, minusOne); }, "Argument singularity"},
        {"exp(1000)", [] { return std::exp(large); }, "Overflow range error"},
        {"cosh(1000)", [] { return std::cosh(large); }, "Overflow range error"},
        // A tiny result is usable: underflow is not an error.
        {"exp(-1000)", [] { return std::exp(-large); }, "<no exception>"},
        {"sqrt(4)", [] { return std::sqrt(four); }, "<no exception>"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(RaisedMessage([&] {
                      MathErrorCheck check;
                      volatile double result = c.call();
                      (void)result;
                      check.check();
                  }),
                  c.expected)
            << c.what;
    }
    // A check starts clean: earlier failures do not count.
    volatile double earlier = std::sqrt(minusOne);
    (void)earlier;
    EXPECT_EQ(RaisedMessage([] {
                  MathErrorCheck check;
                  volatile double fine = std::sqrt(four);
                  (void)fine;
                  check.check();
              }),
              "<no exception>");
}
