#pragma once

#include <QColor>
#include <QImage>

#include <functional>

// The colour scaled by a factor (above 1 lighter, below 1 darker), each channel kept in 0..255.
QColor Shade(const QColor &color, double factor);

// A picture whose every pixel is computed from its position; for textures built from noise.
QImage FillPixels(int width, int height, const std::function<QColor(int x, int y)> &pixel);
