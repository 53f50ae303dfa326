#pragma once

#include <QDialog>

// "Техническая поддержка": how to report a problem, the support address
// and OK.
class SupportDialog : public QDialog {
    Q_OBJECT

public:
    explicit SupportDialog(QWidget *parent = nullptr);

    // The address the users write to.
    static QString supportAddress();
};
