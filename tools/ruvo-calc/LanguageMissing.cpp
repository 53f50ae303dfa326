// Languages of a build without Qt: only the texts as written (Russian).

#include "Language.h"

bool UseLanguage(const std::string &language, std::string &reason)
{
    if (language == "ru")
        return true;
    if (language == "en")
        reason = "English is not available: this build of ruvo-calc has no translations (built without Qt)";
    else
        reason = "unknown language \"" + language + "\" (ru, en)";
    return false;
}
