#pragma once

// The single exception type of the program. It carries one English message
// text of at most 1023 characters. It has no base class, is copied when
// thrown and caught by reference. Lists, vectors and matrices raise it on
// misuse (sizes, subscripts, allocation); the calculation driver is the only
// place inside the calculation that catches it.
class MathException {
public:
    MathException();

    // Formats the message printf-style into a fresh exception and throws a
    // copy of it. Numbers are formatted in the C locale.
    [[noreturn]] static void Raise(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    const char* message() const { return text; }

private:
    char text[1024];
};
