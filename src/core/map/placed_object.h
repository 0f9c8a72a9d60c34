#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

namespace vornik {

// An entry parked here is off the map: it stays in the list and in the file but is not read back.
inline constexpr QPoint kOffMapPosition{-32, -32};

// One copy of a catalogue object on the current map.
struct PlacedObject {
    QPoint position;   // the icon's top-left corner, in canvas pixels
    QString tag;       // "[" + kind + "]" + object name
    // The icon ready to paint (its transparent colour already cleared), shared by every copy of
    // the object; null when the icon file was missing: the entry then has no size.
    std::shared_ptr<const QImage> picture;

    QSize size() const { return picture ? picture->size() : QSize(0, 0); }
    QRect area() const { return QRect(position, size()); }
};

} // namespace vornik
