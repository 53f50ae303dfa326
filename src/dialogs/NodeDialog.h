#pragma once

#include "dialogs/FieldDialog.h"

class QCheckBox;

// "Свойства узла": coordinates, the free-node check box, the nodal load and
// the prescribed displacement of one node. The displacement fields are
// disabled while the box is checked. Confirming a change of the support
// state clears the loads of the wrong kind, after saying so.
class NodeDialog : public FieldDialog {
    Q_OBJECT

public:
    explicit NodeDialog(const NodeValues &values, QWidget *parent = nullptr);

    // The values of the fields (after the dialog was confirmed).
    NodeValues values() const;
    QCheckBox *freeCheckBox() const { return freeBox; }

protected:
    bool confirm() override;

private:
    void updateDisplacementFields();

    bool wasFree;
    QCheckBox *freeBox;
};
