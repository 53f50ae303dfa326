#pragma once

#include "dialogs/FieldDialog.h"

class QButtonGroup;

// "Свойства нескольких стержней": joints and support angles of both ends,
// distributed load, temperatures and material values of several rods. A
// value the rods do not share starts empty; a joint group starts without a
// choice when the rods differ there or share a joint other than a hinge or
// a rigid connection. Whatever is left so comes back flagged as differing,
// meaning "leave each rod's own value".
class MultiRodDialog : public FieldDialog {
    Q_OBJECT

public:
    explicit MultiRodDialog(const MultiRodValues &values, QWidget *parent = nullptr);

    MultiRodValues values() const;
    QButtonGroup *jointGroup(bool atBegin) const { return atBegin ? beginJoints : endJoints; }

private:
    QButtonGroup *addJointGroup(QLayout *layout, bool atBegin, int joint, bool differs,
                                const MixedValue &angle);

    QButtonGroup *beginJoints = nullptr;
    QButtonGroup *endJoints = nullptr;
};
