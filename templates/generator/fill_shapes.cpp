#include "fill_shapes.h"

#include <QPen>

namespace {

QPen outlinePen(const QColor &color)
{
    QPen pen(color, 1.0);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

void FillBox(QPainter &painter, qreal x, qreal y, qreal width, qreal height, const QColor &color)
{
    painter.fillRect(QRectF(x, y, width, height), color);
}

void ClearBox(QPainter &painter, qreal x, qreal y, qreal width, qreal height)
{
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRectF(x, y, width, height), Qt::transparent);
    painter.setCompositionMode(mode);
}

void FillShape(QPainter &painter, const QPolygonF &shape, const QColor &color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(shape);
}

void FillOval(QPainter &painter, const QRectF &bounds, const QColor &color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(bounds);
}

void OutlineShape(QPainter &painter, const QPolygonF &shape, const QColor &fill, const QColor &outline)
{
    painter.setPen(outlinePen(outline));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
}

void OutlineOval(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &outline)
{
    painter.setPen(outlinePen(outline));
    painter.setBrush(fill);
    painter.drawEllipse(bounds);
}
