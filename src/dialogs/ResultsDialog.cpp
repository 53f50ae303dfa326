#include "dialogs/ResultsDialog.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/ReadOnlyTextBox.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int ResultsHelpContext = 441;
}

ResultsDialog::ResultsDialog(const QString &report, QWidget *parent)
    : QDialog(parent), text(MakeReadOnlyTextBox(report, this))
{
    setWindowTitle(tr("Результаты расчета"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(MakeOkHelpButtons(this, ResultsHelpContext));
    resize(720, 520);
}
