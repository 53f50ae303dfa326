#pragma once

// The string table: user-facing texts keyed by their ids, written in Russian.
// Error messages hold a headline and a reason separated by the first tab.

// The translation context of the string table's texts (see Translation.h).
inline constexpr const char *StringTableContext = "StringTable";

// The text in the user's language: the Russian source, or its translation
// while a text translator is installed (SetTextTranslator). The pointer stays
// valid until the translator changes. Returns an empty text for an unknown id.
const char *LoadString(int id);

// The Russian source text, whatever the translator.
const char *LoadSourceString(int id);
