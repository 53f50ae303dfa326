#include "view/CommandActions.h"

#include "view/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QStringList>

CommandActions::CommandActions(QObject *parent) : QObject(parent)
{
    for (const CommandInfo &command : CommandTable()) {
        // A "\t" part of the text names a key the view handles itself (the
        // keypad's plus and minus): the menus show it, but as a shortcut of
        // the widget context it never fires, because no widget the action is
        // added to takes the focus, and the plain keys do not zoom.
        const QString text = QCoreApplication::translate("Command", command.text);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        // The actions are the parent's children: a menu that opened on its
        // own sends an action's status prompt to the action's parent, the
        // window whose status bar shows it.
        auto *action = new QAction(text.left(tab), parent);
        const QStringList prompt =
            QCoreApplication::translate("Command", command.prompt).split(QLatin1Char('\n'));
        action->setStatusTip(prompt.value(0));
        action->setToolTip(prompt.value(1, prompt.value(0)));
        if (tab >= 0) {
            action->setShortcut(QKeySequence(text.mid(tab + 1), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WidgetShortcut);
        } else if (*command.shortcuts != '\0') {
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(command.shortcuts)));
        }
        action->setShortcutVisibleInContextMenu(false);
        if (*command.icon != '\0')
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(command.icon))));
        action->setCheckable(command.checkable);
        action->setData(command.id);
        actions.insert(command.id, action);
    }
}
