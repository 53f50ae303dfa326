#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The language of the interface: Russian, the language of the program's own
// texts, or English from the catalogue ruvo_en. The user's choice is stored
// as "Settings/Language" (0 the desktop's language, 1 Russian, 2 English)
// and takes effect at the next start, when the translators are installed.
namespace InterfaceLanguage {

enum class Choice { Desktop = 0, Russian = 1, English = 2 };
enum class Language { Russian, English };

// The desktop's choice from its preferred interface languages (LANGUAGE,
// then LC_ALL, LC_MESSAGES, LANG, as QLocale::system() reports them):
// English when the first is English, Russian otherwise (the C locale
// included).
Language FromDesktop(const QStringList &uiLanguages);
Language Resolve(Choice choice, const QStringList &uiLanguages);
// The language for this start: the stored choice and QLocale::system().
Language ForThisStart();

// "ru" or "en", the suffix of the catalogues.
QString Code(Language language);

Choice LoadChoice(QSettings &store);
Choice LoadChoice();
void SaveChoice(QSettings &store, Choice choice);
void SaveChoice(Choice choice);

// Installs Qt's own catalogue for the language (qtbase_<code>.qm from Qt's
// translations folder: standard buttons, file and print dialogs) and, for
// English, the program's catalogues; the numeric core translates its texts
// through the same translators from then on. Replaces what an earlier call
// installed. Returns false when a catalogue that should be there is missing
// (the texts concerned stay Russian or Qt's English).
bool Install(Language language);
// Removes what Install installed: the sources' Russian and Qt's English.
void Uninstall();
// The language of the last Install (Russian before any).
Language Installed();

} // namespace InterfaceLanguage
