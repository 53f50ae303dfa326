// Languages of a build with Qt: the core's catalogues embedded by
// ruvo_core_translations, read by a QTranslator without an application.

#include "Language.h"
#include "i18n/CoreTranslations.h"

#include <QString>
#include <QTranslator>

bool UseLanguage(const std::string &language, std::string &reason)
{
    if (language == "ru")
        return true;
    // Lives until the program ends: the core asks it for every text.
    static QTranslator translator;
    if (language != "en" || !LoadCoreCatalogue(translator, QString::fromStdString(language))) {
        reason = "unknown language \"" + language + "\" (ru, en)";
        return false;
    }
    TranslateCoreWith(translator);
    return true;
}
