#pragma once

#include "dialogs/FieldDialog.h"

class QCheckBox;

// "Свойства нескольких узлов": the support state, nodal loads and prescribed
// displacements of several nodes at once. A value the nodes do not share
// starts empty (the check box indeterminate); what the user leaves so comes
// back with its `differs` flag set and means "leave each node's own value".
class MultiNodeDialog : public FieldDialog {
    Q_OBJECT

public:
    explicit MultiNodeDialog(const MultiNodeValues &values, QWidget *parent = nullptr);

    MultiNodeValues values() const;
    QCheckBox *freeCheckBox() const { return freeBox; }

private:
    QCheckBox *freeBox;
};
