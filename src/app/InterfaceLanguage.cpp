#include "app/InterfaceLanguage.h"

#include "app/SettingsStore.h"
#include "dialogs/HelpWindow.h"
#include "i18n/CoreTranslations.h"
#include "numeric/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>
#include <vector>

namespace InterfaceLanguage {

namespace {

const char *const ChoiceKey = "Settings/Language";
// The program's catalogue of the Qt layers' texts, compiled from
// translations/ruvo_en.ts into the resources (the core's has its own
// library, i18n/CoreTranslations.h).
const char *const ProgramCatalogue = "ruvo";
// Russian for the texts of Qt that Qt's catalogue lacks.
const char *const QtSupplement = "ruvo_qt";
const char *const ProgramCatalogueFolder = ":/i18n";

std::vector<std::unique_ptr<QTranslator>> &Translators()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

Language &InstalledLanguage()
{
    static Language language = Language::Russian;
    return language;
}

bool Load(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    Translators().push_back(std::move(translator));
    return true;
}

} // namespace

Language FromDesktop(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Language::Russian;
    // "en", "en-US", "en_GB"; "C" and "POSIX" are no language.
    const QString first = uiLanguages.first();
    const bool english = first.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
                         first.startsWith(QLatin1String("en-"), Qt::CaseInsensitive) ||
                         first.startsWith(QLatin1String("en_"), Qt::CaseInsensitive);
    return english ? Language::English : Language::Russian;
}

Language Resolve(Choice choice, const QStringList &uiLanguages)
{
    switch (choice) {
    case Choice::Russian:
        return Language::Russian;
    case Choice::English:
        return Language::English;
    case Choice::Desktop:
        break;
    }
    return FromDesktop(uiLanguages);
}

Language ForThisStart()
{
    const QLocale desktop = QLocale::system();
    // Under the C locale LANGUAGE is not consulted, as by gettext.
    const QStringList languages = desktop.language() == QLocale::C ? QStringList() : desktop.uiLanguages();
    return Resolve(LoadChoice(), languages);
}

QString Code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

Choice LoadChoice(QSettings &store)
{
    bool ok = false;
    const int value = store.value(QLatin1String(ChoiceKey), 0).toInt(&ok);
    if (!ok || value < int(Choice::Desktop) || value > int(Choice::English))
        return Choice::Desktop;
    return Choice(value);
}

Choice LoadChoice()
{
    QSettings store(SettingsStore::organizationName(), SettingsStore::applicationName());
    return LoadChoice(store);
}

void SaveChoice(QSettings &store, Choice choice)
{
    store.setValue(QLatin1String(ChoiceKey), int(choice));
}

void SaveChoice(Choice choice)
{
    QSettings store(SettingsStore::organizationName(), SettingsStore::applicationName());
    SaveChoice(store, choice);
}

void Uninstall()
{
    SetTextTranslator({});
    for (const std::unique_ptr<QTranslator> &translator : Translators())
        QCoreApplication::removeTranslator(translator.get());
    Translators().clear();
    InstalledLanguage() = Language::Russian;
    HelpWindow::SetEnglishPages(std::nullopt);
}

bool Install(Language language)
{
    Uninstall();
    InstalledLanguage() = language;
    HelpWindow::SetEnglishPages(language == Language::English);

    const QString code = Code(language);
    bool complete =
        Load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == Language::Russian)
        complete = Load(QLatin1String(QtSupplement) + QLatin1Char('_') + code,
                        QLatin1String(ProgramCatalogueFolder)) &&
                   complete;
    if (language == Language::English) {
        const QString folder = QLatin1String(ProgramCatalogueFolder);
        const QString suffix = QLatin1Char('_') + code;
        complete = Load(QLatin1String(ProgramCatalogue) + suffix, folder) && complete;
        // The string table, the results report and the engine's messages.
        auto core = std::make_unique<QTranslator>();
        if (LoadCoreCatalogue(*core, code)) {
            QCoreApplication::installTranslator(core.get());
            Translators().push_back(std::move(core));
            TranslateCoreWithApplication();
        } else {
            complete = false;
        }
    }
    return complete;
}

Language Installed()
{
    return InstalledLanguage();
}

} // namespace InterfaceLanguage
