#include "app/RuvoApp.h"

#include "app/CommandIds.h"
#include "app/ShowHelp.h"
#include "model/Settings.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
constexpr int HelpContentsContext = 0;
}

RuvoApp::RuvoApp(QObject *parent) : QObject(parent) {}

const char *RuvoApp::webSiteAddress()
{
    return "https://www.ostrand.ru/ruvo/";
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
        state.enabled = true;
        return true;
    default:
        return false;
    }
}
