#pragma once

#include "app/CommandTarget.h"
#include "view/Viewport.h"

#include <QAbstractScrollArea>

class RuvoDoc;

// The one view of the document: maps the structure to the window, paints
// grid, loads, structure and result displays, drives its own scroll bars and
// turns mouse and keyboard input into calls of the document.
class RuvoView : public QAbstractScrollArea, public CommandTarget {
    Q_OBJECT

public:
    explicit RuvoView(RuvoDoc *document, QWidget *parent = nullptr);
    ~RuvoView() override;

    RuvoDoc *document() const { return doc; }
    const Viewport &viewport() const { return port; }

    // CommandTarget: zoom, fit, the display toggles and result switches
    // (and, with the editing modes, the mode commands).
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

signals:
    // Text for pane 0 of the status bar.
    void statusMessage(const QString &text);
    // Snapped world coordinates of the mouse for panes 1 and 2.
    void coordinatesChanged(const QString &x, const QString &y);

private:
    RuvoDoc *doc;
    Viewport port;
};
