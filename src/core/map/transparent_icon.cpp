#include "core/map/transparent_icon.h"

namespace vornik {

QImage TransparentIcon(const QImage &icon)
{
    if (icon.isNull())
        return {};
    QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    constexpr QRgb kColourBits = 0x00FFFFFF;
    const QRgb key = argb.pixel(0, argb.height() - 1) & kColourBits;
    for (int y = 0; y < argb.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if ((line[x] & kColourBits) == key)
                line[x] = 0;
        }
    }
    return argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace vornik
