#include "model/MathException.h"

#include "model/CLocale.h"

#include <cstdarg>
#include <cstdio>

MathException::MathException() { text[0] = '\0'; }

void MathException::Raise(const char* format, ...)
{
    MathException exception;
    {
        CLocaleScope cLocale;
        va_list args;
        va_start(args, format);
        std::vsnprintf(exception.text, sizeof exception.text, format, args);
        va_end(args);
    }
    throw exception;
}
