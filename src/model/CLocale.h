#pragma once

#include <clocale>
#include <locale.h>

// Switches the calling thread to the C locale for as long as the object
// lives. The file format and the calculation log always use a decimal point,
// whatever locale the user's session (or QApplication) has set.
class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous;
};
