#include "model/TextFormat.h"

#include "model/CLocale.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

void AppendFormatted(std::string &text, const char *format, va_list args)
{
    CLocaleScope cLocale;
    char buffer[256];
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (length < 0) {
        va_end(again);
        return;
    }
    if (static_cast<size_t>(length) < sizeof buffer) {
        text.append(buffer, static_cast<size_t>(length));
    } else {
        // Too long for the buffer (%f of a huge value): format again at size.
        size_t start = text.size();
        text.resize(start + static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data() + start, static_cast<size_t>(length) + 1, format, again);
        text.resize(start + static_cast<size_t>(length));
    }
    va_end(again);
}

} // namespace

std::string FormatText(const char *format, ...)
{
    std::string text;
    va_list args;
    va_start(args, format);
    AppendFormatted(text, format, args);
    va_end(args);
    return text;
}

void AppendText(std::string &text, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatted(text, format, args);
    va_end(args);
}

double StorableValue(double value)
{
    constexpr double LargestStorable = 1.797693134e308;
    if (std::fabs(value) > LargestStorable)
        return std::copysign(LargestStorable, value);
    return value;
}
