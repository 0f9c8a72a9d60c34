#include "icon_canvas.h"

QImage RenderIcon(const IconArt &art)
{
    QImage drawing(kIconSize, kIconSize, QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing, false);
        art(painter);
    }
    // Every shape is filled opaque, so a pixel is either drawn or background.
    QImage icon(kIconSize, kIconSize, QImage::Format_RGB888);
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const QRgb pixel = drawing.pixel(x, y);
            icon.setPixelColor(x, y, qAlpha(pixel) < 128 ? kIconTransparent : QColor(pixel).toRgb());
        }
    }
    icon.setPixelColor(0, kIconSize - 1, kIconTransparent);
    return icon;
}
