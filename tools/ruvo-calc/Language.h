#pragma once

#include <string>

// The language of the report and of the messages: "ru" (the default, the
// texts as written) or "en" (the embedded English catalogue). False, with a
// reason, for an unknown language or one this build cannot show.
bool UseLanguage(const std::string &language, std::string &reason);
