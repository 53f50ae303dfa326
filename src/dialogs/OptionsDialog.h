#pragma once

#include "dialogs/FieldDialog.h"
#include "model/Settings.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

// "Параметры": the display settings (grid and mouse steps, numbers and
// grid shown), the values given to new rods and the calculation log switch.
// The steps must lie between 1e-10 and 1e10, the rod values between 0 and
// 1e10; a refused field keeps the dialog open with the focus on it. The
// interface language (the desktop's, Russian or English) is chosen here
// too and takes effect at the next start.
class OptionsDialog : public FieldDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(const Settings &settings, QWidget *parent = nullptr);

    // Copies the confirmed values into the record; the field without a
    // control (debug mode) is left as it is.
    void apply(Settings &settings) const;

    // The controls, by name: "showNumbers", "showGrid", "axialCompliance",
    // "logEnabled";
    // "hinge", "rigid". The number fields are field("gridStep"),
    // field("mouseStep"), field("EI"), field("EF"), field("H"),
    // field("alpha"), field("NU"), field("MU").
    QCheckBox *checkBox(const QString &name) const;
    QRadioButton *radio(const QString &name) const;

    // The language choice, 0 the desktop's, 1 Russian, 2 English (the
    // combo box "language"); the caller stores it.
    void setLanguageChoice(int choice);
    int languageChoice() const;
    QComboBox *languageBox() const { return language; }

private:
    QCheckBox *showNumbers;
    QCheckBox *showGrid;
    QCheckBox *axialCompliance;
    QCheckBox *logEnabled;
    QRadioButton *hinge;
    QRadioButton *rigid;
    QComboBox *language;
};
