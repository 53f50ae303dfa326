#include "dialogs/SupportDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *MakeText(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

SupportDialog::SupportDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Техническая поддержка"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeText(tr("Если у вас возникли проблемы с использованием программы, "
                                  "пожалуйста, напишите нам по адресу:"),
                               this));
    // The address opens the mail program.
    auto *address = new QLabel(
        QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(supportAddress().toHtmlEscaped()), this);
    address->setObjectName(QStringLiteral("address"));
    address->setTextFormat(Qt::RichText);
    address->setTextInteractionFlags(Qt::TextBrowserInteraction);
    address->setOpenExternalLinks(true);
    address->setAlignment(Qt::AlignCenter);
    layout->addWidget(address);
    layout->addWidget(
        MakeText(tr("Опишите в письме суть проблемы так, чтобы мы смогли ее повторить, если ваш вопрос "
                    "касается неверных результатов расчета или анализа конструкции, то пришлите также файл "
                    "конструкции, дающей ошибку."),
                 this));
    layout->addWidget(MakeText(
        tr("Мы сделаем все от нас зависящее, чтобы устранить неполадки в программе. Спасибо!"), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString SupportDialog::supportAddress()
{
    return QStringLiteral("support@ruvo.example.org");
}
