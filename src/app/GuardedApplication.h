#pragma once

#include <QApplication>

// The program's QApplication: every event is delivered under RunGuarded, so
// an exception raised by an event handler reaches the error box instead of
// unwinding through Qt.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
