#include "caption_text.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace {

constexpr double kMinPixelSize = 8;

} // namespace

void DrawCaption(QPainter &painter, const QRectF &box, const QString &text, QFont font, const QColor &fill,
                 const QColor &outline)
{
    while (font.pixelSize() > kMinPixelSize && QFontMetricsF(font).horizontalAdvance(text) > box.width() * 0.92)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    const QPointF baseline(box.center().x() - metrics.horizontalAdvance(text) / 2,
                           box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(baseline, font, text);

    const double edge = qMax(1.0, font.pixelSize() / 14.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(path.translated(edge, edge * 1.5));
    painter.setPen(QPen(outline, edge * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}
