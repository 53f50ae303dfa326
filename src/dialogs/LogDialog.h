#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Журнал расчета": the calculation log in a read-only fixed-pitch text box
// kept 10 pixels from each edge of the window, nothing selected at opening.
class LogDialog : public QDialog {
    Q_OBJECT

public:
    explicit LogDialog(const QString &log, QWidget *parent = nullptr);

    QPlainTextEdit *textBox() const { return text; }

private:
    QPlainTextEdit *text;
};
