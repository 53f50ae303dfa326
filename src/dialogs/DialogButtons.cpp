#include "dialogs/DialogButtons.h"

#include "dialogs/ShowHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox *MakeOkHelpButtons(QDialog *dialog, int helpContext)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    buttons->addButton(QStringLiteral("Справка"), QDialogButtonBox::HelpRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                     [helpContext] { ShowHelp(helpContext); });
    return buttons;
}
