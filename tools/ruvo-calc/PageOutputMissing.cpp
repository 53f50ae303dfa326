// Page output of a build without the desktop program's drawing code.

#include "PageOutput.h"

bool WritePage(const char *, const std::string &, StructureModel &, const PageChoice &, std::string &reason)
{
    reason = "this build of ruvo-calc cannot write pages (built without Qt)";
    return false;
}
