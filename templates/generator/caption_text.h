#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

// Words centred in a box, filled and outlined, with a soft shadow below; the font shrinks until
// the words fit the box's width.
void DrawCaption(QPainter &painter, const QRectF &box, const QString &text, QFont font, const QColor &fill,
                 const QColor &outline);
