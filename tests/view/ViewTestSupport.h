#pragma once

#include "model/ModelTestSupport.h"
#include "view/DrawingPalette.h"
#include "view/Viewport.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

// A white pixel as read back by Canvas::at (without the alpha byte).
constexpr QRgb White = 0xffffff;

// A white picture with its own mapping, read back in logical pixels
// (y upward from the bottom of the picture).
class Canvas {
public:
    Canvas(int width, int height, double scale, double originX, double originY, int unit = 1)
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        port.prepare(DeviceRect{0, 0, width, height}, unit);
        port.scale = scale;
        port.originX = originX;
        port.originY = originY;
    }

    // Runs a drawing function on the picture.
    template <typename Draw> void draw(Draw drawing)
    {
        QPainter painter(&image);
        drawing(painter, port);
    }

    QRgb at(int lx, int ly) const
    {
        int y = image.height() - ly;
        if (lx < 0 || y < 0 || lx >= image.width() || y >= image.height())
            return White;
        return image.pixel(lx, y) & 0xffffff;
    }
    bool is(int lx, int ly, int entry) const
    {
        return at(lx, ly) == (DrawingPalette::color(entry).rgb() & 0xffffff);
    }

    // Pixels of the palette entry in the logical box (corners included).
    int count(int entry, int x1, int y1, int x2, int y2) const
    {
        return countRgb(DrawingPalette::color(entry).rgb(), x1, y1, x2, y2);
    }
    int countRgb(QRgb rgb, int x1, int y1, int x2, int y2) const
    {
        int n = 0;
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
            for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
                n += at(x, y) == (rgb & 0xffffff);
        return n;
    }
    // Every pixel of the entry in the picture.
    int countAll(int entry) const { return count(entry, 0, 0, image.width() - 1, image.height()); }

    QImage image;
    Viewport port;
};
