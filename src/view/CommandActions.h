#pragma once

#include <QHash>
#include <QObject>

class QAction;

// One QAction per command of the command table, shared by the menus, the
// tool bars and the context menu of the view. The action's text is the
// command's text without its key; the keys are the action's shortcuts, so
// that menus show them, and the context menu shows the bare text.
class CommandActions : public QObject {
    Q_OBJECT

public:
    // The actions, like this object, are children of the parent.
    explicit CommandActions(QObject *parent);

    // The action of a command id, or nullptr.
    QAction *action(int id) const { return actions.value(id, nullptr); }
    const QHash<int, QAction *> &all() const { return actions; }

private:
    QHash<int, QAction *> actions;
};
