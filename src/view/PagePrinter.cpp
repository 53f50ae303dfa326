#include "view/PagePrinter.h"

#include "model/MathException.h"
#include "view/LabelBoard.h"
#include "view/LabelFit.h"
#include "view/ResultDrawing.h"
#include "view/StructureDrawing.h"

#include <QCoreApplication>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPicture>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// Shear and axial diagrams: the largest end value is this many pixels long,
// on paper as on the screen.
constexpr int EndValueOrdinate = 50;
// A page this many device pixels wide has a drawing unit of 1.
constexpr int PixelsPerUnit = 800;
// Labels on paper are never smaller than this.
constexpr double MinimumLabelPoints = 8.0;

int TitleFontPixels(const Viewport &page)
{
    return std::max(page.minimumFontPixels, 12 * page.unit);
}

int TitleBlockHeight(const Viewport &page)
{
    return TitleFontPixels(page) * 3 / 2;
}

// One line along the bottom margin: the file, the date and what is shown.
void DrawTitleBlock(QPainter &painter, int width, int height, const Viewport &page,
                    const PageDisplays &displays)
{
    const int pixels = TitleFontPixels(page);
    if (pixels <= 0 || TitleBlockHeight(page) >= (height - 2 * PageMargin(width, height)) / 4)
        return;
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(QColor(95, 95, 95));
    const QDate date = displays.date.isValid() ? displays.date : QDate::currentDate();
    QStringList parts;
    parts << (displays.fileName.isEmpty() ? QCoreApplication::translate("PagePrinter", "Новая Конструкция") : displays.fileName);
    parts << date.toString(QStringLiteral("dd.MM.yyyy"));
    parts << PageContents(displays);
    const int d = PageMargin(width, height);
    const QRectF line(d, height - d - pixels * 3 / 2, width - 2 * d, pixels * 3 / 2);
    painter.drawLine(QPointF(line.left(), line.top()), QPointF(line.right(), line.top()));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, parts.join(QStringLiteral("   ·   ")));
}

} // namespace

int PageMargin(int width, int height)
{
    return std::max(width / 20, height / 20);
}

namespace {

// The page without its labels' final placement (they go to the painter's
// LabelBoard).
void DrawPagePicture(QPainter &painter, const Viewport &page, const StructureModel &structure,
                     const PageDisplays &displays)
{
    // The structure is printed over the results (on the screen it is the
    // other way round).
    if (displays.showMoments)
        drawMoments(painter, page, structure, displays.showValues);
    else if (displays.showShear)
        drawShear(painter, page, structure, EndValueOrdinate, true, displays.showValues);
    else if (displays.showAxial)
        drawAxial(painter, page, structure, EndValueOrdinate, true, displays.showValues);
    if (displays.showReactions)
        drawReactions(painter, page, structure, displays.showValues);
    if (displays.showDisplacements)
        drawDisplacements(painter, page, structure, displays.showValues);
    drawStructure(painter, page, structure, displays.showNumbers, true);
    if (displays.showLoads)
        drawLoads(painter, page, structure, displays.showValues);
}

// The box the placed labels of the page take; empty without labels.
QRectF PageLabelBox(const Viewport &page, const StructureModel &structure, const PageDisplays &displays)
{
    QPicture picture;
    QPainter painter(&picture);
    LabelBoard labels(painter);
    try {
        DrawPagePicture(painter, page, structure, displays);
    } catch (const MathException &) {
        return QRectF();
    }
    const double far = 1e9;
    labels.place(QRectF(-far, -far, 2 * far, 2 * far));
    return labels.bounds();
}

} // namespace

QString PageContents(const PageDisplays &displays)
{
    QStringList parts;
    if (displays.showMoments)
        parts << QCoreApplication::translate("PagePrinter", "Моменты, N·m");
    else if (displays.showShear)
        parts << QCoreApplication::translate("PagePrinter", "Поперечные силы, N");
    else if (displays.showAxial)
        parts << QCoreApplication::translate("PagePrinter", "Продольные силы, N");
    else if (displays.showDisplacements)
        parts << QCoreApplication::translate("PagePrinter", "Перемещения, m, радианы");
    if (displays.showReactions)
        parts << QCoreApplication::translate("PagePrinter", "Реакции опор, N, N·m");
    if (parts.isEmpty())
        parts << (displays.showLoads ? QCoreApplication::translate("PagePrinter", "Конструкция и нагрузки")
                                     : QCoreApplication::translate("PagePrinter", "Конструкция"));
    return parts.join(QStringLiteral("; "));
}

Viewport PageViewport(int width, int height, const StructureModel &structure, int dotsPerInch)
{
    const int d = PageMargin(width, height);
    Viewport port;
    port.prepare(DeviceRect{d, d, width - d, height - d}, width / PixelsPerUnit);
    port.ordinateUnit = std::max(1, port.unit);
    port.minimumFontPixels = dotsPerInch > 0 ? int(std::ceil(MinimumLabelPoints * dotsPerInch / 72.0)) : 0;
    const WorldRect extents = structure.extents();
    if (!port.fitTo(extents)) {
        // Every node at one point: show it as a single node is shown, one
        // metre around it.
        port.fitTo(
            WorldRect{extents.left - 1.0, extents.bottom + 1.0, extents.left + 1.0, extents.bottom - 1.0});
        return port;
    }
    CentreIn(port, extents);
    return port;
}

Viewport PrintedPageViewport(int width, int height, const StructureModel &structure, const PageDisplays &displays,
                             int dotsPerInch)
{
    Viewport page = PageViewport(width, height, structure, dotsPerInch);
    if (!page.isMapped())
        return page;
    // The title block takes the lowest line of the area inside the margins.
    const int titleHeight = TitleBlockHeight(page);
    if (titleHeight > 0 && titleHeight < page.deviceRect.height() / 4) {
        page.deviceRect.bottom -= titleHeight;
        const WorldRect extents = structure.extents();
        FitWithLabels(
            page, extents, [&] { return PageLabelBox(page, structure, displays); }, true);
    }
    return page;
}

void PrintPage(QPainter &painter, int width, int height, const StructureModel &shown,
               const PageDisplays &displays)
{
    // Nothing is printed in the selection colour: the page draws a copy
    // without the selection.
    StructureModel structure = shown;
    structure.deselectAll();
    if (width <= 0 || height <= 0)
        return;
    const int d = PageMargin(width, height);
    const int dotsPerInch = painter.device() != nullptr ? painter.device()->logicalDpiY() : 0;
    const Viewport page = PrintedPageViewport(width, height, structure, displays, dotsPerInch);
    if (!page.isMapped())
        return;

    painter.save();
    // The page's default font; every label selects its own.
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Bold);
    if (d > 0)
        font.setPixelSize(d);
    painter.setFont(font);

    try {
        LabelBoard labels(painter);
        DrawPagePicture(painter, page, structure, displays);
        labels.draw(QRectF(0, 0, width, height));
    } catch (const MathException &) {
        // A rod naming a missing node cannot be drawn further; the page
        // keeps what was drawn, as the screen does.
    }
    DrawTitleBlock(painter, width, height, page, displays);
    painter.restore();
}

void PrintPage(QPainter &painter, const StructureModel &structure, const PageDisplays &displays)
{
    QPaintDevice *device = painter.device();
    if (device == nullptr)
        return;
    PrintPage(painter, device->width(), device->height(), structure, displays);
}
