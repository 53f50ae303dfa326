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

// The value that a "%10.10g" field of a structure file can carry: a
// magnitude above 1.797693134e308 would be rounded up past the largest
// double and read back as infinite (an unreadable line), so it is written
// as that bound, a change in the tenth digit like any other rounding of
// the field.
double StorableValue(double value);
