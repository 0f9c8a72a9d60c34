#include "template_steps.h"

#include "caption_text.h"
#include "fonts.h"
#include "noise.h"
#include "output_folder.h"

#include "core/project/names.h"

#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr QSize kScreen(640, 480);
constexpr int kCaptionSize = 58;

QImage winScreen(const CaptionFont &font)
{
    QImage image(kScreen, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kScreen.width() / 2.0, kScreen.height() / 2.0);
    QRadialGradient sky(centre, 420);
    sky.setColorAt(0, QColor(255, 226, 130));
    sky.setColorAt(0.45, QColor(226, 140, 40));
    sky.setColorAt(1, QColor(90, 36, 10));
    p.fillRect(image.rect(), sky);
    // Rays of light from the middle.
    constexpr int kRays = 18;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 46));
    for (int i = 0; i < kRays; ++i) {
        const double a = i * 2 * M_PI / kRays;
        const double b = a + M_PI / kRays;
        p.drawPolygon(QPolygonF({centre, centre + QPointF(std::cos(a), std::sin(a)) * 700,
                                 centre + QPointF(std::cos(b), std::sin(b)) * 700}));
    }
    DrawCaption(p, QRectF(0, 150, kScreen.width(), 180), QStringLiteral("Игра пройдена!"),
                font.at(kCaptionSize, true), QColor(255, 255, 240), QColor(120, 50, 0));
    return image;
}

QImage loseScreen(const CaptionFont &font)
{
    QImage image(kScreen, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient dark(QPointF(kScreen.width() / 2.0, kScreen.height() / 2.0), 420);
    dark.setColorAt(0, QColor(110, 10, 10));
    dark.setColorAt(0.6, QColor(40, 0, 0));
    dark.setColorAt(1, QColor(6, 0, 0));
    p.fillRect(image.rect(), dark);
    // Streaks running down from the top edge.
    p.setPen(Qt::NoPen);
    for (int x = 6; x < kScreen.width(); x += 14) {
        const double length = 30 + 170 * Hash01(x, 0, 81) * Hash01(x, 1, 81);
        const double width = 3 + 6 * Hash01(x, 2, 81);
        p.setBrush(QColor(150, 0, 0, 170));
        p.drawRoundedRect(QRectF(x, -10, width, length + 10), width / 2, width / 2);
        p.drawEllipse(QPointF(x + width / 2, length), width * 0.75, width * 0.9);
    }
    DrawCaption(p, QRectF(0, 150, kScreen.width(), 180), QStringLiteral("Вы проиграли"),
                font.at(kCaptionSize, true), QColor(232, 36, 30), QColor(20, 0, 0));
    return image;
}

} // namespace

void WriteEndScreens(const OutputFolder &out, const CaptionFont &font)
{
    out.saveImage(winScreen(font), vornik::names::kWinScreen, "PNG");
    out.saveImage(loseScreen(font), vornik::names::kLoseScreen, "PNG");
}
