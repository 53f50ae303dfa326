#pragma once

// The string table: user-facing texts in Russian, keyed by their ids.
// Error messages hold a headline and a reason separated by the first tab.
// Returns an empty text for an unknown id.
const char* LoadString(int id);
