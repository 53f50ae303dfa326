#include "dialogs/AboutDialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

const char *const PicturePath = ":/images/about.svg";
// The picture is shown at half its drawn size.
constexpr double PictureScale = 0.5;

// The About picture at the screen's pixel density; a null pixmap when the
// picture is missing.
QPixmap AboutPicture(qreal devicePixelRatio)
{
    QSvgRenderer renderer{QString::fromLatin1(PicturePath)};
    if (!renderer.isValid())
        return QPixmap();
    const QSize size = (QSizeF(renderer.defaultSize()) * PictureScale).toSize();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("О Руво"));

    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(AboutPicture(devicePixelRatioF()));
    picture->setFrameShape(QFrame::StyledPanel);

    auto *product = new QLabel(productLine(), this);
    product->setObjectName(QStringLiteral("product"));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    product->setFont(bold);

    auto *makers = new QLabel(makersText(), this);
    makers->setObjectName(QStringLiteral("makers"));

    auto *texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(makers);
    texts->addStretch();

    auto *body = new QHBoxLayout;
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::productLine()
{
    return tr("Руво 2.1.1");
}

QString AboutDialog::makersText()
{
    return tr("Расчет плоских рам смешанным методом\n"
              "строительной механики\n\n"
              "© Ostrand, 2026");
}

bool AboutDialog::hasPicture() const
{
    return !picture->pixmap().isNull();
}
