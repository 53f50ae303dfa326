#include "numeric/CalcLog.h"

#include "model/CLocale.h"
#include "model/Settings.h"
#include "numeric/Messages.h"

#include <cerrno>
#include <cfenv>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

constexpr int logOpenErrorId = 50218;

std::string &logFilePath()
{
    static std::string path;
    return path;
}

ErrorReporter &errorReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

// An unopenable log is announced once, not for every record of the
// calculation (a single calculation writes hundreds of records). The next
// calculation, which starts by deleting the log, or a new path announces it
// again.
bool &logOpenFailureShown()
{
    static bool shown = false;
    return shown;
}

void showError(const std::string &headline, const std::string &reason)
{
    const ErrorReporter &reporter = errorReporter();
    if (reporter)
        reporter(headline, reason);
    else
        std::cerr << headline << '\n' << reason << '\n' << std::flush;
}

// The string-table text with the argument put in place of its "%s"
// conversions ("%%" becomes "%"). Only the first "%s" receives the argument;
// further ones stay empty, and any other conversion is copied as it stands,
// so a text with more placeholders than arguments cannot read past them.
std::string messageText(int id, const char *argument)
{
    const char *text = LoadString(id);
    if (argument == nullptr)
        return text;
    std::string result;
    bool argumentUsed = false;
    for (const char *p = text; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            if (!argumentUsed)
                result += argument;
            argumentUsed = true;
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            result += '%';
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

void showLogOpenError()
{
    if (logOpenFailureShown())
        return;
    logOpenFailureShown() = true;
    std::string text = messageText(logOpenErrorId, LogFilePath().c_str());
    std::size_t tab = text.find('\t');
    showError(text.substr(0, tab),
              tab == std::string::npos ? std::string("Internal error!") : text.substr(tab + 1));
}

// One log record: opened for appending, written in the C locale, closed.
// An object that is not open (logging off, or the file not openable) writes
// nothing.
class LogRecord {
public:
    LogRecord()
    {
        if (Settings::current().logEnabled == 0)
            return;
        file = std::fopen(LogFilePath().c_str(), "a");
        if (file == nullptr)
            showLogOpenError();
    }
    ~LogRecord()
    {
        if (file != nullptr)
            std::fclose(file);
    }
    LogRecord(const LogRecord &) = delete;
    LogRecord &operator=(const LogRecord &) = delete;

    bool isOpen() const { return file != nullptr; }

    void write(const std::string &text) { std::fwrite(text.data(), 1, text.size(), file); }

    void printf(const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
    {
        va_list args;
        va_start(args, format);
        vprintf(format, args);
        va_end(args);
    }

    void vprintf(const char *format, va_list args)
    {
        std::vfprintf(file, format, args);
    }

private:
    CLocaleScope cLocale;
    std::FILE *file = nullptr;
};

void logErrorRecord(const std::string &headline, const std::string &reason)
{
    LogRecord record;
    if (record.isOpen())
        record.printf("ERROR\n%s\n%s\n\n", headline.c_str(), reason.c_str());
}

// Splits at the first tab into headline and reason, logs and shows.
void reportText(const std::string &text)
{
    std::size_t tab = text.find('\t');
    std::string headline = text.substr(0, tab);
    std::string reason = tab == std::string::npos ? std::string("Internal error!") : text.substr(tab + 1);
    logErrorRecord(headline, reason);
    showError(headline, reason);
}

template <typename T> void logVectorRecord(const VectorT<T> &vector, const char *elementFormat)
{
    LogRecord record;
    if (!record.isOpen())
        return;
    record.printf("%s[%d]:\n", vector.name, vector.count);
    if (vector.count == 0) {
        record.write("Empty\n\n");
        return;
    }
    for (int i = 0; i < vector.count; ++i)
        record.printf(elementFormat, vector[i]);
    record.write("\n\n");
}

} // namespace

void SetLogFilePath(const std::string &path)
{
    logFilePath() = path;
    logOpenFailureShown() = false;
}

const std::string &LogFilePath()
{
    std::string &path = logFilePath();
    if (path.empty())
        path = DefaultLogFilePath();
    return path;
}

std::string DefaultLogFilePath()
{
    namespace fs = std::filesystem;
    fs::path folder;
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (dataHome != nullptr && dataHome[0] == '/')
        folder = dataHome;
    else if (home != nullptr && home[0] != '\0')
        folder = fs::path(home) / ".local" / "share";
    else
        return "Ruvo.log";
    folder /= "Ostrand";
    folder /= "Ruvo";
    // A folder that cannot be created shows up later as an unopenable log.
    std::error_code error;
    fs::create_directories(folder, error);
    return (folder / "Ruvo.log").string();
}

void DeleteLogFile()
{
    std::error_code error;
    std::filesystem::remove(LogFilePath(), error);
    logOpenFailureShown() = false;
}

void LogPrintf(const char *format, ...)
{
    LogRecord record;
    if (!record.isOpen())
        return;
    va_list args;
    va_start(args, format);
    record.vprintf(format, args);
    va_end(args);
}

void LogMessage(int id, const char *argument)
{
    LogRecord record;
    if (record.isOpen())
        record.write(messageText(id, argument));
}

void LogMatrix(const Matrix &matrix)
{
    LogRecord record;
    if (!record.isOpen())
        return;
    record.printf("%s[%d,%d]:\n", matrix.name, matrix.rows, matrix.cols);
    if (matrix.rows == 0 || matrix.cols == 0) {
        record.write("Empty\n\n");
        return;
    }
    for (int i = 0; i < matrix.rows; ++i) {
        const double *row = matrix[i];
        for (int j = 0; j < matrix.cols; ++j)
            record.printf("%6g ", row[j]);
        record.write("\n");
    }
    record.write("\n");
}

void LogVector(const Vector &vector)
{
    logVectorRecord(vector, "%6g ");
}

void LogIntVector(const IntVector &vector)
{
    logVectorRecord(vector, "%d ");
}

void LogIntList(const List<int> &list)
{
    LogRecord record;
    if (!record.isOpen())
        return;
    record.printf("%s[%d]\n", list.name, list.count);
    if (list.count == 0) {
        record.write("Empty\n\n");
        return;
    }
    for (int i = 0; i < list.count; ++i)
        record.printf("%d ", list[i]);
    record.write("\n\n");
}

ErrorReporter SetErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = std::move(errorReporter());
    errorReporter() = std::move(reporter);
    return previous;
}

void ReportMessage(int id, const char *argument)
{
    reportText(messageText(id, argument));
}

void ReportMessages(const std::vector<int> &ids)
{
    for (int id : ids)
        ReportMessage(id);
}

void ShowMessage(int id, const char *argument)
{
    const std::string text = messageText(id, argument);
    const std::size_t tab = text.find('\t');
    showError(text.substr(0, tab),
              tab == std::string::npos ? std::string("Internal error!") : text.substr(tab + 1));
}

void ReportError(const char *format, ...)
{
    // The message is limited to 1023 characters, like every message text.
    char buffer[1024];
    {
        CLocaleScope cLocale;
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
    }
    reportText(buffer);
}

const char *MathErrorText(MathErrorKind kind)
{
    switch (kind) {
    case MathErrorKind::Domain:
        return "Argument domain error";
    case MathErrorKind::Singularity:
        return "Argument singularity";
    case MathErrorKind::Overflow:
        return "Overflow range error";
    case MathErrorKind::Underflow:
        return "Result is too small to be represented";
    case MathErrorKind::TotalLoss:
        return "Total loss of significance";
    case MathErrorKind::PartialLoss:
        return "Partial loss of significance";
    case MathErrorKind::Other:
        break;
    }
    return "Unknown math error";
}

void OnMathError(MathErrorKind kind)
{
    MathException::Raise("%s", MathErrorText(kind));
}

MathErrorCheck::MathErrorCheck()
{
    errno = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
}

// An underflow alone is not an error: a tiny result is a usable result.
void MathErrorCheck::check() const
{
    int error = errno;
    int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (error == EDOM || (raised & FE_INVALID) != 0)
        OnMathError(MathErrorKind::Domain);
    if ((raised & FE_DIVBYZERO) != 0)
        OnMathError(MathErrorKind::Singularity);
    if ((raised & FE_OVERFLOW) != 0)
        OnMathError(MathErrorKind::Overflow);
}
