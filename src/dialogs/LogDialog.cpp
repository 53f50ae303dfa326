#include "dialogs/LogDialog.h"

#include "dialogs/ReadOnlyTextBox.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int LogMargin = 10; // pixels between the text box and the window edges
}

LogDialog::LogDialog(const QString &log, QWidget *parent)
    : QDialog(parent), text(MakeReadOnlyTextBox(log, this))
{
    setWindowTitle(tr("Журнал расчета"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ruvo.svg")));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(LogMargin, LogMargin, LogMargin, LogMargin);
    layout->addWidget(text);
    resize(760, 560);
}
