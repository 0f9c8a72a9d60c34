#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

// An animated GIF that loops forever. The frames share one size; a pixel whose alpha is below
// half is transparent, every other one takes the nearest colour of the palette (at most 255).
// Each frame replaces the one before it, so transparent parts never show an older frame.
QByteArray EncodeAnimatedGif(const QList<QImage> &frames, const QList<QColor> &palette, int delayCentiseconds);
