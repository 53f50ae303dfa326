#pragma once

#include <functional>
#include <string>

// The translation hook of the Qt-free core. Every user-visible text of the
// model, the numeric core and the engine (the string table, the results
// report, the engine's own error messages) is written in Russian, marked with
// QT_TRANSLATE_NOOP("Context", "text") so that Qt's lupdate collects it into
// translations/ruvo_core_en.ts, and shown through TranslatedText(). Without a
// translator the Russian source is returned byte for byte. The calculation
// log's own records are English and are not translated.
//
// The desktop program and ruvo-calc set the translator at start, before any
// text is shown, for example with Qt's installed translators:
//
//     SetTextTranslator([](const char *context, const char *source) {
//         return QCoreApplication::translate(context, source).toStdString();
//     });
//
// (ruvo_core_translations offers that and a QTranslator-based one ready made:
// i18n/CoreTranslations.h.)

// Qt defines this macro the same way; the identical definition lets a file
// include this header and Qt's headers in either order.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Receives the context and the Russian source (UTF-8) and returns the text in
// the user's language (UTF-8). An empty result means "no translation": the
// source is shown.
using TextTranslator = std::function<std::string(const char *context, const char *source)>;

// Installs the translator and returns the previous one; an empty function
// brings back the Russian sources. Texts already handed out by LoadString()
// stay valid only until the translator changes, so set it once at start.
TextTranslator SetTextTranslator(TextTranslator translator);

// True while a translator is installed.
bool HasTextTranslator();

// The text in the user's language. A translation whose printf conversions
// (%d, %s, % 10.6g, ...) differ from the source's in kind or order, or whose
// headline/reason tab is missing or added, is ignored and the source is
// returned: a faulty catalogue can never make a formatting call read the
// wrong arguments.
std::string TranslatedText(const char *context, const char *source);

// The printf conversions of a text in order, each without its flags, width
// and precision ("%d %s % 10.6g %%" gives "dsg"); "%%" is not a conversion.
std::string PrintfConversions(const char *text);
