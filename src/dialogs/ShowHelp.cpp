#include "dialogs/ShowHelp.h"

#include "dialogs/HelpWindow.h"

void ShowHelp(int context)
{
    HelpWindow::Open(context);
}
