#pragma once

#include "app/CommandTarget.h"

#include <QObject>
#include <QString>

// The commands of the application object, which belong to no document and
// no view: help contents, tutorial, web site and the debug-mode switch.
class RuvoApp : public QObject, public CommandTarget {
    Q_OBJECT

public:
    explicit RuvoApp(QObject *parent = nullptr);

    // Address of the product's web page (command 40504).
    static const char *webSiteAddress();

    // Flips the debug flag and announces it in the status bar.
    void toggleDebugMode();

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

signals:
    // Text for pane 0 of the status bar.
    void statusMessage(const QString &text);
    // The main window must repaint (debug mode shows other numbers).
    void repaintRequested();
};
