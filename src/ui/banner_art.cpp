#include "ui/banner_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vornik {

namespace {

const QColor kNavy(0x10, 0x1c, 0x4a);
const QColor kSteel(0x3a, 0x5a, 0x9c);
const QColor kAccent(0xf0, 0x8c, 0x1e);

QImage drawBanner()
{
    QImage image(400, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 80);
    fill.setColorAt(0, kSteel);
    fill.setColorAt(1, kNavy);
    painter.setPen(QPen(kAccent, 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(1, 1, 398, 78), 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawRoundedRect(QRectF(6, 6, 388, 22), 8, 8);
    return image;
}

QImage drawSplash()
{
    QImage image(640, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient glow(320, 200, 300);
    glow.setColorAt(0, QColor(0x2c, 0x46, 0x8c));
    glow.setColorAt(1, kNavy);
    painter.setPen(QPen(kAccent, 4));
    painter.setBrush(glow);
    painter.drawRoundedRect(QRectF(20, 40, 600, 320), 28, 28);

    // A crosshair behind the name.
    painter.setPen(QPen(QColor(255, 255, 255, 70), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(320, 185), 110, 110);
    painter.drawLine(QPointF(320, 55), QPointF(320, 120));
    painter.drawLine(QPointF(320, 250), QPointF(320, 315));
    painter.drawLine(QPointF(190, 185), QPointF(255, 185));
    painter.drawLine(QPointF(385, 185), QPointF(450, 185));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(84);
    QPainterPath name;
    name.addText(0, 0, title, QStringLiteral("VORNIK FPS"));
    const QRectF bounds = name.boundingRect();
    name.translate(320 - bounds.center().x(), 210 - bounds.center().y());
    painter.setPen(QPen(kNavy, 6));
    painter.setBrush(kAccent);
    painter.drawPath(name);

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(22);
    painter.setFont(subtitle);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(20, 290, 600, 40), Qt::AlignCenter,
                     QStringLiteral("Конструктор игр от первого лица  •  версия 1.1"));
    return image;
}

} // namespace

const QImage &ProgressBanner()
{
    static const QImage banner = drawBanner();
    return banner;
}

const QImage &SplashPicture()
{
    static const QImage splash = drawSplash();
    return splash;
}

} // namespace vornik
