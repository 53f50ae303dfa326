#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Результаты расчета": the results report in a read-only fixed-pitch text
// box with both scroll bars, OK and "Справка".
class ResultsDialog : public QDialog {
    Q_OBJECT

public:
    explicit ResultsDialog(const QString &report, QWidget *parent = nullptr);

    QPlainTextEdit *textBox() const { return text; }

private:
    QPlainTextEdit *text;
};
