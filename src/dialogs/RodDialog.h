#pragma once

#include "dialogs/FieldDialog.h"

class QButtonGroup;
class QGroupBox;

// "Свойства стержня": the joints of both ends with the angles of a moving
// hinge, material and section values, distributed load and temperatures,
// and a sketch of the rod. A joint the radios cannot show starts with none
// chosen and is kept unless the user picks one.
class RodDialog : public FieldDialog {
    Q_OBJECT

public:
    RodDialog(const RodValues &values, const RodContext &context, QWidget *parent = nullptr);

    RodValues values() const;
    QButtonGroup *jointGroup(bool atBegin) const { return atBegin ? beginJoints : endJoints; }
    QGroupBox *endGroup(bool atBegin) const { return atBegin ? beginBox : endBox; }

private:
    QButtonGroup *addJointGroup(QLayout *layout, bool atBegin, int joint, double angle,
                                const RodContext &context);

    RodValues initial;
    QButtonGroup *beginJoints = nullptr;
    QButtonGroup *endJoints = nullptr;
    QGroupBox *beginBox = nullptr;
    QGroupBox *endBox = nullptr;
};
