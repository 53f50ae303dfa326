#pragma once

#include "document/CommandTarget.h"

#include <QObject>
#include <QString>

// The commands of the application object, which belong to no document and
// no view: help contents, tutorial, web site, technical support, About, the
// options dialog and the debug-mode switch.
class RuvoApp : public QObject, public CommandTarget {
    Q_OBJECT

public:
    explicit RuvoApp(QObject *parent = nullptr);

    // Address of the product's web page (Command::WebSite).
    static const char *webSiteAddress();

    // Flips the debug flag and announces it in the status bar.
    void toggleDebugMode();
    // The options dialog: on OK every setting is copied back and written at
    // once, then the main window repaints; Cancel changes nothing. True
    // when the settings were changed.
    bool optionsCommand();
    void aboutCommand();
    void supportCommand();

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

signals:
    // Text for pane 0 of the status bar.
    void statusMessage(const QString &text);
    // The main window must repaint (debug mode shows other numbers).
    void repaintRequested();
};
