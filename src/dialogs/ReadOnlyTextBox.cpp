#include "dialogs/ReadOnlyTextBox.h"

#include "dialogs/ReportFont.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QString>

QPlainTextEdit *MakeReadOnlyTextBox(const QString &text, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setUndoRedoEnabled(false);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(ReportFont());
    // Tab stops every eight characters, as in a terminal.
    box->setTabStopDistance(8 * QFontMetricsF(box->font()).horizontalAdvance(QLatin1Char(' ')));

    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setPlainText(plain);
    box->moveCursor(QTextCursor::Start);
    return box;
}
