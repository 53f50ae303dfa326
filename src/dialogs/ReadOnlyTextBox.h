#pragma once

class QPlainTextEdit;
class QString;
class QWidget;

// A read-only, non-wrapping text box in the report font with both scroll
// bars, holding the text with its line ends made "\n" and nothing selected.
// QPlainTextEdit lays out only the visible blocks, so megabytes of log stay
// responsive.
QPlainTextEdit *MakeReadOnlyTextBox(const QString &text, QWidget *parent);
