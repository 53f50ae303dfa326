#pragma once

#include <functional>

class QDialog;
class QString;
class QWidget;

// Every modal dialog and message box of the editing commands runs through
// RunModal, so that a test can answer it instead of a user: the hook gets
// the dialog and returns what exec() would (QDialog::Accepted, a message
// box button, ...).
using ModalHook = std::function<int(QDialog &dialog)>;

// Installs a hook and returns the previous one; an empty hook restores
// the plain exec().
ModalHook SetModalHook(ModalHook hook);
int RunModal(QDialog &dialog);

// A message box titled "Руво" with a warning icon and OK, over parent (or
// the active window): the load rules and the refusals of number fields.
void ShowWarning(const QString &text, QWidget *parent = nullptr);
