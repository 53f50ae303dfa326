#include "dialogs/ErrorBox.h"

#include "dialogs/DialogButtons.h"

#include <QApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int ErrorBoxHelpContext = 436;
}

ErrorBox::ErrorBox(const QString &headline, const QString &reason, QWidget *parent)
    : QDialog(parent), headlineLabel(new QLabel(headline, this)), reasonLabel(new QLabel(reason, this))
{
    setWindowTitle(tr("Извините, ошибка!"));

    auto *icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    QFont bold = headlineLabel->font();
    bold.setBold(true);
    headlineLabel->setFont(bold);
    // Messages are plain text: a file name must never be taken for markup.
    headlineLabel->setTextFormat(Qt::PlainText);
    reasonLabel->setTextFormat(Qt::PlainText);
    headlineLabel->setWordWrap(true);
    reasonLabel->setWordWrap(true);
    headlineLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reasonLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *texts = new QVBoxLayout;
    texts->addWidget(headlineLabel);
    texts->addWidget(reasonLabel);
    texts->addStretch();

    auto *body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(12);
    body->addLayout(texts, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(MakeOkHelpButtons(this, ErrorBoxHelpContext));
    setMinimumWidth(360);
}

QString ErrorBox::headline() const
{
    return headlineLabel->text();
}

QString ErrorBox::reason() const
{
    return reasonLabel->text();
}

ErrorReporter ErrorBox::reporter()
{
    return [](const std::string &headline, const std::string &reason) {
        // The calculation shows the wait cursor; the box needs the arrow.
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        ErrorBox box(QString::fromStdString(headline), QString::fromStdString(reason),
                     QApplication::activeWindow());
        box.exec();
        QGuiApplication::restoreOverrideCursor();
    };
}
