#include "pixel_fill.h"

#include <algorithm>

QColor Shade(const QColor &color, double factor)
{
    const auto channel = [factor](int value) { return std::clamp(static_cast<int>(value * factor + 0.5), 0, 255); };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()), color.alpha());
}

QImage FillPixels(int width, int height, const std::function<QColor(int x, int y)> &pixel)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = pixel(x, y).rgba();
    }
    return image;
}
