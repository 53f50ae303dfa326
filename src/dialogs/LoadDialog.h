#pragma once

#include "dialogs/FieldDialog.h"

#include <memory>

class QFormLayout;

// The small dialogs that take one load while it is drawn: "Момент",
// "Температурная нагрузка" and "Перемещение". They have only OK; Escape
// and the close box cancel. Values are read back by field name.
class LoadDialog : public FieldDialog {
    Q_OBJECT

public:
    // "Момент": field "moment".
    static std::unique_ptr<LoadDialog> moment(double value, QWidget *parent = nullptr);
    // "Температурная нагрузка": fields "left", "right", "height", "alpha".
    static std::unique_ptr<LoadDialog> temperature(double left, double right, double height, double alpha,
                                                   QWidget *parent = nullptr);
    // "Перемещение": fields "dx", "dy" and "da" (degrees, -180...180).
    static std::unique_ptr<LoadDialog> displacement(double dx, double dy, double da,
                                                    QWidget *parent = nullptr);

    // The number of a field after the dialog was confirmed.
    double value(const char *name) const;

private:
    LoadDialog(const QString &title, QWidget *parent);
    QFormLayout *form;
};
