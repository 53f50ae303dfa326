#pragma once

#include <QFont>

// The fixed-pitch font of the report and log windows: "Courier" 15 pixels
// high, falling back to the platform's monospace face.
inline QFont ReportFont()
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(15);
    return font;
}
