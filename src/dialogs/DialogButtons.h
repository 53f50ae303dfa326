#pragma once

class QDialog;
class QDialogButtonBox;

// OK and "Справка" for a dialog: OK accepts, "Справка" opens the help page
// of the given context number.
QDialogButtonBox *MakeOkHelpButtons(QDialog *dialog, int helpContext);
