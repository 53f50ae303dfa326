#pragma once

// Counts the changes of the text translator, so that a cache of translated
// texts (the string table's) knows when to start again. Not for the layers
// above the numeric core.
unsigned TextTranslatorGeneration();
