#include "dialogs/StatisticsDialog.h"

#include "dialogs/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int StatisticsHelpContext = 437;

QLineEdit *MakeReadOnlyField(const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setReadOnly(true);
    return field;
}
} // namespace

StatisticsDialog::StatisticsDialog(const QString &nodeCount, const QString &rodCount, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Статистика"));
    auto *group = new QGroupBox(tr("Топология"), this);
    nodes = MakeReadOnlyField(nodeCount, group);
    rods = MakeReadOnlyField(rodCount, group);
    auto *form = new QFormLayout(group);
    form->addRow(tr("Число узлов"), nodes);
    form->addRow(tr("Число стержней"), rods);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(MakeOkHelpButtons(this, StatisticsHelpContext));
}

QString StatisticsDialog::nodeCount() const
{
    return nodes->text();
}

QString StatisticsDialog::rodCount() const
{
    return rods->text();
}
