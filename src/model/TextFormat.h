#pragma once

#include <string>

// printf-style formatting into a std::string, always in the C locale (a
// decimal point, whatever locale the user's session has set). The result has
// no length limit.
std::string FormatText(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Appends the formatted text to `text`.
void AppendText(std::string &text, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
