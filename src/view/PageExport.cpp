#include "view/PageExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

constexpr double MetresPerInch = 0.0254;

QString CannotWrite(const QSaveFile &file)
{
    return file.error() != QFileDevice::NoError
               ? file.errorString()
               : QCoreApplication::translate("PageExport", "записана только часть данных (диск переполнен?)");
}

// Runs the drawing on a painter of the device; false when painting cannot
// start (the device refused it). `area` is the page inside the sheet's
// printer margins, in the device's pixels: a PDF writer, like a printer,
// gives its painter that area alone (area = the whole device); a picture
// is the whole sheet and the page is drawn at the area's place on it.
// `isPaper`: a PDF page, white without painting, as a printed one.
template <typename Device>
bool PaintOn(Device &device, const QRect &area, bool isPaper, const StructureModel &structure,
             const PageDisplays &displays)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // PNG and SVG pages need the white background written.
    if (!isPaper)
        painter.fillRect(QRect(0, 0, device.width(), device.height()), Qt::white);
    painter.translate(area.topLeft());
    PrintPage(painter, area.width(), area.height(), structure, displays);
    return painter.end();
}

} // namespace

PageFormat PageFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return PageFormat::Pdf;
    if (suffix == QLatin1String("svg"))
        return PageFormat::Svg;
    if (suffix == QLatin1String("png"))
        return PageFormat::Png;
    return PageFormat::Unknown;
}

QPageLayout DefaultExportLayout()
{
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(PrinterMarginPoints, PrinterMarginPoints, PrinterMarginPoints, PrinterMarginPoints),
        QPageLayout::Point);
}

bool ExportPage(const QString &path, const StructureModel &structure, const PageDisplays &displays,
                const QPageLayout &layout, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error != nullptr)
            *error = reason;
        return false;
    };
    const PageFormat format = PageFormatOf(path);
    if (format == PageFormat::Unknown)
        return fail(QCoreApplication::translate("PageExport",
                                                "имя файла должно оканчиваться на .pdf, .svg или .png"));

    // The sheet keeps the printer's margins round the page, as a printout
    // does: the page (with its own margins, drawn by PrintPage) is the
    // same as on paper, and labels that reach past the page's margins
    // stay on the sheet.
    const QPageLayout page = layout.isValid() ? layout : DefaultExportLayout();
    const QRect pixels = page.fullRectPixels(ExportResolution);
    const QRect area = page.paintRectPixels(ExportResolution);
    if (pixels.width() <= 0 || pixels.height() <= 0 || area.width() <= 0 || area.height() <= 0)
        return fail(QCoreApplication::translate("PageExport", "неверный размер страницы"));

    // The page is made in memory and written in one piece.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    switch (format) {
    case PageFormat::Pdf: {
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::translate("PageExport", "Руво 2.1.1"));
        writer.setResolution(ExportResolution);
        writer.setPageLayout(page);
        drawn = PaintOn(writer, QRect(0, 0, writer.width(), writer.height()), true, structure, displays);
        break;
    }
    case PageFormat::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(pixels.size());
        generator.setViewBox(QRect(QPoint(0, 0), pixels.size()));
        generator.setResolution(ExportResolution);
        generator.setTitle(QCoreApplication::translate("PageExport", "Руво"));
        drawn = PaintOn(generator, area, false, structure, displays);
        break;
    }
    case PageFormat::Png: {
        QImage image(pixels.size(), QImage::Format_RGB32);
        if (image.isNull())
            return fail(QCoreApplication::translate("PageExport", "недостаточно памяти для изображения"));
        const int dotsPerMetre = qRound(ExportResolution / MetresPerInch);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        drawn = PaintOn(image, area, false, structure, displays) && image.save(&buffer, "PNG");
        break;
    }
    case PageFormat::Unknown:
        break;
    }
    buffer.close();
    if (!drawn)
        return fail(QCoreApplication::translate("PageExport", "не удалось нарисовать страницу"));

    // The old file is replaced only by a complete new one. Unbuffered, so
    // that a write cut short (a full disk) shows in the count written.
    const QByteArray &bytes = buffer.data();
    QSaveFile file(path);
    bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size();
    if (!written) {
        const QString reason = CannotWrite(file);
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(CannotWrite(file));
    return true;
}
