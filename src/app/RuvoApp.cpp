#include "app/RuvoApp.h"

#include "app/InterfaceLanguage.h"
#include "app/SettingsStore.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ShowHelp.h"
#include "dialogs/SupportDialog.h"
#include "document/CommandIds.h"
#include "model/Settings.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

namespace {
constexpr int HelpContentsContext = 0;
}

RuvoApp::RuvoApp(QObject *parent) : QObject(parent) {}

const char *RuvoApp::webSiteAddress()
{
    return "https://www.ostrand.ru/ruvo/";
}

bool RuvoApp::optionsCommand()
{
    Settings &settings = Settings::current();
    OptionsDialog dialog(settings, qobject_cast<QWidget *>(parent()));
    const InterfaceLanguage::Choice language = InterfaceLanguage::LoadChoice();
    dialog.setLanguageChoice(int(language));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Every value is written, changed or not; the axial-compliance switch has
    // no control and goes back as it was.
    dialog.apply(settings);
    SettingsStore::SaveAllSettings();
    // The menus and dialogs are made once, so a new language waits for the
    // next start.
    const auto chosen = InterfaceLanguage::Choice(dialog.languageChoice());
    if (chosen != language) {
        InterfaceLanguage::SaveChoice(chosen);
        emit statusMessage(tr("Язык интерфейса сменится при следующем запуске"));
    }
    emit repaintRequested();
    return true;
}

void RuvoApp::aboutCommand()
{
    AboutDialog dialog(qobject_cast<QWidget *>(parent()));
    dialog.exec();
}

void RuvoApp::supportCommand()
{
    SupportDialog dialog(qobject_cast<QWidget *>(parent()));
    dialog.exec();
}

void RuvoApp::toggleDebugMode()
{
    Settings &settings = Settings::current();
    settings.debugMode = !settings.debugMode;
    emit statusMessage(settings.debugMode ? QStringLiteral("Debug Mode is ON")
                                          : QStringLiteral("Debug Mode is OFF"));
    emit repaintRequested();
}

bool RuvoApp::onCommand(int id)
{
    switch (id) {
    case Command::DebugMode:
        toggleDebugMode();
        return true;
    // The view shows their checked state; the setting is stored at once.
    case Command::ShowGrid:
        SettingsStore::ToggleShowGrid();
        emit repaintRequested();
        return true;
    case Command::ShowNumbers:
        SettingsStore::ToggleShowNumbers();
        emit repaintRequested();
        return true;
    case Command::HelpContents:
        ShowHelp(HelpContentsContext);
        return true;
    case Command::Tutorial:
        ShowHelp(Command::Tutorial);
        return true;
    case Command::WebSite:
        // A desktop without a browser is not worth a message.
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(webSiteAddress())));
        return true;
    case Command::Options:
        optionsCommand();
        return true;
    case Command::About:
        aboutCommand();
        return true;
    case Command::TechnicalSupport:
        supportCommand();
        return true;
    default:
        return false;
    }
}

bool RuvoApp::updateCommand(int id, CommandState &state)
{
    switch (id) {
    case Command::DebugMode:
        state.enabled = true;
        state.checked = Settings::current().debugMode;
        return true;
    case Command::HelpContents:
    case Command::Tutorial:
    case Command::WebSite:
    case Command::Options:
    case Command::About:
    case Command::TechnicalSupport:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}
