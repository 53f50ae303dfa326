#include "app/ShowHelp.h"

#include "app/HelpWindow.h"

void ShowHelp(int context)
{
    HelpWindow::Open(context);
}
