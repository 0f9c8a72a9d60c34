#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

// Icons are 32x32 24-bit bitmaps. The map canvas and the game take the colour of the bottom-left
// pixel as transparent, so that colour is the background and appears nowhere in a drawing.
inline constexpr int kIconSize = 32;
inline const QColor kIconTransparent(255, 0, 255);

// A drawing in icon units (one unit, one pixel), antialiasing off.
using IconArt = std::function<void(QPainter &)>;

// The drawing on the transparent colour, as an opaque picture ready to be written as BMP.
QImage RenderIcon(const IconArt &art);
