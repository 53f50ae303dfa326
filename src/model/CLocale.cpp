#include "model/CLocale.h"

namespace {
locale_t cLocale()
{
    // Created once and kept for the life of the process.
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}
} // namespace

CLocaleScope::CLocaleScope() : previous(uselocale(cLocale())) {}

CLocaleScope::~CLocaleScope() { uselocale(previous); }
