#include "dialogs/DialogButtons.h"

#include "dialogs/ShowHelp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox *MakeOkHelpButtons(QDialog *dialog, int helpContext)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    buttons->addButton(QCoreApplication::translate("DialogButtons", "Справка"), QDialogButtonBox::HelpRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                     [helpContext] { ShowHelp(helpContext); });
    return buttons;
}
