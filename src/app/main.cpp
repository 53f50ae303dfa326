// Start-up of the desktop program: the application, the C numeric locale,
// the settings, the main window and the command line.

#include "document/RuvoDoc.h"
#include "view/RuvoView.h"

#include <QApplication>
#include <QMainWindow>

#include <clocale>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    // QApplication has set the user's locale; files and logs need the C one.
    std::setlocale(LC_NUMERIC, "C");

    RuvoDoc document;
    QMainWindow window;
    window.setCentralWidget(new RuvoView(&document, &window));
    document.newDocument();
    window.resize(640, 480);
    window.show();
    return application.exec();
}
