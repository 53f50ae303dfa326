// Build-time helper: renders the application icon (an SVG file) into the
// PNG sizes of the hicolor icon theme, <out>/<n>x<n>/apps/<name>.png.
//
//   ruvo-render-icons <icon.svg> <out-dir> <name> <size>...
//
// Qt's own SVG renderer is used, so the build needs no other drawing tool.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int SmallestSize = 8;
constexpr int LargestSize = 1024;

int Fail(const char *message, const char *argument)
{
    std::fprintf(stderr, "ruvo-render-icons: %s%s\n", message, argument);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: ruvo-render-icons <icon.svg> <out-dir> <name> <size>...\n");
        return 2;
    }
    // No display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return Fail("cannot read the SVG file ", argv[1]);
    const QDir outDir(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);

    std::vector<int> sizes;
    for (int i = 4; i < argc; ++i) {
        char *end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || size < SmallestSize || size > LargestSize)
            return Fail("not an icon size: ", argv[i]);
        sizes.push_back(static_cast<int>(size));
    }

    for (int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!outDir.mkpath(folder))
            return Fail("cannot create the folder ", qPrintable(outDir.filePath(folder)));
        const QString file = outDir.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!image.save(file, "PNG"))
            return Fail("cannot write ", qPrintable(file));
    }
    return 0;
}
