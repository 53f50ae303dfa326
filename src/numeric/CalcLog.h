#pragma once

#include "model/List.h"
#include "numeric/Matrix.h"
#include "numeric/Vector.h"

#include <functional>
#include <string>
#include <vector>

// The calculation log and the one path by which errors reach the user.
// Every log record opens the log file, appends and closes it, and only
// while the setting "LogEnabled" is on. Numbers are written in the C locale.

// Where the log lives. The GUI and the command-line tool set it at start;
// by default it is the per-user file returned by DefaultLogFilePath().
void SetLogFilePath(const std::string& path);
const std::string& LogFilePath();
// $XDG_DATA_HOME/Ostrand/Ruvo/Ruvo.log (or ~/.local/share/...), the folder
// created when missing.
std::string DefaultLogFilePath();
// Deletes the log file; a missing file is not an error.
void DeleteLogFile();

void LogPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// The string-table text, formatted with the argument when one is given,
// appended unchanged (tab included).
void LogMessage(int id, const char* argument = nullptr);
void LogMatrix(const Matrix& matrix);
void LogVector(const Vector& vector);
void LogIntVector(const IntVector& vector);
void LogIntList(const List<int>& list);

// Receives every error shown to the user: the GUI shows the error box
// "Извините, ошибка!", the command-line tool prints to stderr, tests record.
using ErrorReporter = std::function<void(const std::string& headline, const std::string& reason)>;
// Installs a reporter and returns the previous one. Without a reporter the
// message goes to stderr.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// Builds the message from the string table (formatted with the argument
// when given), splits it at the first tab (no tab: reason "Internal error!"),
// logs an "ERROR" record and shows it.
void ReportMessage(int id, const char* argument = nullptr);
// ReportMessage for each id in order: the messages a lower layer collected
// (the structure file reader's).
void ReportMessages(const std::vector<int>& ids);
// The same message shown without an "ERROR" record: for messages about the
// log itself, which must not end up in it.
void ShowMessage(int id, const char* argument = nullptr);
void ReportError(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Math-library error categories and their texts.
enum class MathErrorKind { Domain, Singularity, Overflow, Underflow, TotalLoss, PartialLoss, Other };
const char* MathErrorText(MathErrorKind kind);
// Raises MathException with the category's text; never returns.
[[noreturn]] void OnMathError(MathErrorKind kind);

// Guards the engine's math-library calls: clears errno and the floating-point
// exception flags at construction; check() raises MathException (through
// OnMathError) when a call since then reported a domain error, a pole or an
// overflow.
class MathErrorCheck {
public:
    MathErrorCheck();
    void check() const;
};
