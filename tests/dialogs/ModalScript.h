#pragma once

// Answers the dialogs and message boxes that the editing commands open
// through RunModal, in place of a user: message boxes are recorded and
// confirmed; every other dialog is handed to the next scripted answer.

#include "dialogs/FieldDialog.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/NumberField.h"

#include <QDialog>
#include <QMessageBox>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <utility>
#include <vector>

class ModalScript {
public:
    using Answer = std::function<int(QDialog &)>;

    ModalScript()
    {
        previous = SetModalHook([this](QDialog &dialog) { return run(dialog); });
    }
    ~ModalScript()
    {
        SetModalHook(std::move(previous));
        EXPECT_TRUE(answers.empty()) << answers.size() << " scripted answers were not used";
    }
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

    // The answer to the next dialog that is not a message box.
    ModalScript &then(Answer answer)
    {
        answers.push_back(std::move(answer));
        return *this;
    }

    // Texts of the message boxes shown, and titles of the other dialogs.
    std::vector<QString> messages;
    std::vector<QString> dialogs;

private:
    int run(QDialog &dialog)
    {
        if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
            messages.push_back(box->text());
            return QMessageBox::Ok;
        }
        dialogs.push_back(dialog.windowTitle());
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
            return QDialog::Rejected;
        }
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer(dialog);
    }

    std::deque<Answer> answers;
    ModalHook previous;
};

// Presses OK: the dialog checks its fields and closes when they pass.
inline int PressOk(QDialog &dialog)
{
    dialog.accept();
    return dialog.result();
}

inline int PressCancel(QDialog &dialog)
{
    dialog.reject();
    return dialog.result();
}

// Types texts into named fields, then presses OK.
inline ModalScript::Answer TypeAndOk(std::map<QString, QString> texts)
{
    return [texts = std::move(texts)](QDialog &dialog) {
        auto *fields = dynamic_cast<FieldDialog *>(&dialog);
        EXPECT_NE(fields, nullptr) << dialog.windowTitle().toStdString();
        if (fields == nullptr)
            return int(QDialog::Rejected);
        for (const auto &[name, text] : texts) {
            NumberField *field = fields->field(name);
            EXPECT_NE(field, nullptr) << name.toStdString();
            if (field != nullptr)
                field->setText(text);
        }
        return PressOk(dialog);
    };
}
