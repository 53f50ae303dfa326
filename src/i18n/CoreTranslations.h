#pragma once

#include <QString>

class QTranslator;

// The catalogues of the core's texts (string table, results report, the
// engine's messages), built from translations/ruvo_core_<language>.ts and
// embedded as ":/i18n/ruvo_core_<language>.qm". Russian is the source
// language and has no catalogue.
//
// ruvo-calc:       static QTranslator t; LoadCoreCatalogue(t, "en") && TranslateCoreWith(t);
// desktop program: LoadCoreCatalogue(t, language); QCoreApplication::installTranslator(&t);
//                  TranslateCoreWithApplication();

// ":/i18n/ruvo_core_<language>.qm" for a language with a catalogue ("en";
// "en_US" and "en-GB" name it too), otherwise empty.
QString CoreCatalogue(const QString &language);

// Loads the core catalogue of the language into the translator; false when
// the language has none.
bool LoadCoreCatalogue(QTranslator &translator, const QString &language);

// Sets the core's text hook (SetTextTranslator) to the translator, which
// must outlive every later text; needs no QCoreApplication.
void TranslateCoreWith(const QTranslator &translator);

// Sets the core's text hook to QCoreApplication::translate, that is to every
// translator installed in the application.
void TranslateCoreWithApplication();
