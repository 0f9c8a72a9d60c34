#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

// Shapes for drawings in icon units. Drawn at one unit per pixel with antialiasing off they cover
// whole pixels, so the same drawing serves a crisp 32x32 icon and, scaled up, a smooth sprite.
void FillBox(QPainter &painter, qreal x, qreal y, qreal width, qreal height, const QColor &color);
// Makes the area transparent again, for holes in a shape drawn before.
void ClearBox(QPainter &painter, qreal x, qreal y, qreal width, qreal height);
void FillShape(QPainter &painter, const QPolygonF &shape, const QColor &color);
void FillOval(QPainter &painter, const QRectF &bounds, const QColor &color);
// A shape with a one-unit outline.
void OutlineShape(QPainter &painter, const QPolygonF &shape, const QColor &fill, const QColor &outline);
void OutlineOval(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &outline);
