#include "view/ModeCursors.h"

#include "view/CursorHotspots.h"
#include "view/ViewMode.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

int ModeCursors::resourceOf(int code)
{
    switch (code) {
    case ModeFreeNode:
    case ModeSupportNode:
        return 1001;
    case ModeRod:
        return 1002;
    case ModeForce:
        return 1003;
    case ModeMoment:
        return 1004;
    case ModeDistributedLoad:
        return 1005;
    case ModeTemperature:
        return 1006;
    case ModeDisplacement:
        return 1007;
    case CursorMoveNode:
        return 1190;
    case ModeDelete:
        return 1191;
    default:
        return 0;
    }
}

QCursor ModeCursors::cursor(int code)
{
    const int resource = resourceOf(code);
    const CursorHotspot *entry = FindCursorHotspot(resource);
    if (entry == nullptr)
        return QCursor(Qt::ArrowCursor);
    const auto found = loaded.find(resource);
    if (found != loaded.end())
        return found->second;

    QSvgRenderer renderer(QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(entry->name)));
    if (!renderer.isValid())
        return QCursor(Qt::CrossCursor); // a missing picture still shows where a click acts
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    const QCursor made(QPixmap::fromImage(image), entry->x, entry->y);
    loaded.emplace(resource, made);
    return made;
}
