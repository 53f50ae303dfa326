#pragma once

#include <QDialog>

class QLabel;

// "О Руво": the About picture, the product name with its version, the
// makers' lines and OK.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // "Руво 2.1.1"
    static QString productLine();
    // The makers' lines under the product name.
    static QString makersText();
    // True when the picture could be drawn.
    bool hasPicture() const;

private:
    QLabel *picture;
};
