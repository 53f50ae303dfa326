#include "i18n/CoreTranslations.h"

#include "numeric/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

QString CoreCatalogue(const QString &language)
{
    // "en", "en_US" and "en-GB" all name the English catalogue.
    const QString code = language.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code.isEmpty())
        return QString();
    const QString path = QStringLiteral(":/i18n/ruvo_core_%1.qm").arg(code);
    return QFile::exists(path) ? path : QString();
}

bool LoadCoreCatalogue(QTranslator &translator, const QString &language)
{
    const QString path = CoreCatalogue(language);
    return !path.isEmpty() && translator.load(path);
}

void TranslateCoreWith(const QTranslator &translator)
{
    SetTextTranslator([&translator](const char *context, const char *source) {
        // Empty when the catalogue has no translation: the source is shown.
        return translator.translate(context, source).toStdString();
    });
}

void TranslateCoreWithApplication()
{
    SetTextTranslator([](const char *context, const char *source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
}
