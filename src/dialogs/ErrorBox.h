#pragma once

#include "numeric/CalcLog.h"

#include <QDialog>

class QLabel;

// The error box "Извините, ошибка!": a warning icon, the headline, the
// reason below it, OK and "Справка" (help page 436).
class ErrorBox : public QDialog {
    Q_OBJECT

public:
    ErrorBox(const QString &headline, const QString &reason, QWidget *parent = nullptr);

    QString headline() const;
    QString reason() const;

    // A reporter for SetErrorReporter that shows the box modally over the
    // active window (with the normal arrow while a wait cursor is shown).
    static ErrorReporter reporter();

private:
    QLabel *headlineLabel;
    QLabel *reasonLabel;
};
