#pragma once

#include "view/PagePrinter.h"

#include <QPageLayout>
#include <QString>

// The printed page written to a file: PDF, SVG or PNG, chosen by the file
// name's extension (any letter case).
enum class PageFormat { Unknown, Pdf, Svg, Png };
PageFormat PageFormatOf(const QString &path);

// Device pixels per inch of an exported page (and of a printer that writes
// PDF files): the diagrams keep their ordinates in pixels, so a typical
// laser printer's resolution keeps them readable next to the labels.
constexpr int ExportResolution = 300;

// Margin of the sheet round the printed page, in points, as the PDF
// printer has it by default.
constexpr double PrinterMarginPoints = 10.0;

// The page of an export: A4 portrait with the PDF printer's margins, so that
// an exported page is the one the PDF printer prints (the page inside them
// keeps its own margins of a twentieth of its larger side).
QPageLayout DefaultExportLayout();

// Draws the page with PrintPage in the layout's paintable area, on a sheet
// of the layout's full size at ExportResolution, and writes it to `path`.
// False, with a reason in `error`, when the format is unknown or the file
// cannot be written; an existing file is then left as it was.
bool ExportPage(const QString &path, const StructureModel &structure, const PageDisplays &displays,
                const QPageLayout &layout, QString *error);
