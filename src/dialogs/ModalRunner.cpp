#include "dialogs/ModalRunner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <utility>

namespace {

ModalHook &CurrentHook()
{
    static ModalHook hook;
    return hook;
}

} // namespace

ModalHook SetModalHook(ModalHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}

int RunModal(QDialog &dialog)
{
    // A copy: the hook may install another one while it runs.
    const ModalHook hook = CurrentHook();
    if (hook)
        return hook(dialog);
    return dialog.exec();
}

void ShowWarning(const QString &text, QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("ShowWarning", "Руво"), text,
                    QMessageBox::Ok, parent != nullptr ? parent : QApplication::activeWindow());
    // Messages are plain text, never markup.
    box.setTextFormat(Qt::PlainText);
    RunModal(box);
}
