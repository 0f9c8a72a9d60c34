#include "template_steps.h"

#include "caption_text.h"
#include "fonts.h"
#include "output_folder.h"
#include "surface_textures.h"

#include "core/project/names.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <utility>

namespace {

constexpr QSize kScreen(640, 480);
constexpr QSize kButton(256, 48);
constexpr int kButtonCaptionSize = 24;

// The corridor: its cross-section near the eye (beyond the screen's edges) and far away.
constexpr QPointF kVanishing(320, 236);
constexpr double kFarScale = 0.2;
const QRectF kNear(-90, -70, 820, 620);

QPointF towardsFar(const QPointF &nearPoint)
{
    return kVanishing + (nearPoint - kVanishing) * kFarScale;
}

QImage repeated(const QImage &tile, int across, int down)
{
    QImage image(tile.width() * across, tile.height() * down, QImage::Format_RGB32);
    QPainter p(&image);
    for (int y = 0; y < down; ++y)
        for (int x = 0; x < across; ++x)
            p.drawImage(x * tile.width(), y * tile.height(), tile);
    return image;
}

// Lays the picture onto a quad in perspective: its top left, top right, bottom right and bottom
// left corners go to the quad's points in that order.
void mapOnto(QPainter &p, const QImage &picture, const QPolygonF &quad)
{
    const QRectF source(picture.rect());
    QTransform transform;
    if (!QTransform::quadToQuad(QPolygonF({source.topLeft(), source.topRight(), source.bottomRight(),
                                           source.bottomLeft()}),
                                quad, transform))
        return;
    p.save();
    p.setTransform(transform);
    p.drawImage(0, 0, picture);
    p.restore();
}

// Darkens a surface from its near edge (points 0, 1) to its far edge (points 2, 3).
void fog(QPainter &p, const QPolygonF &quad)
{
    QLinearGradient shade((quad[0] + quad[1]) / 2, (quad[2] + quad[3]) / 2);
    shade.setColorAt(0, QColor(0, 0, 0, 40));
    shade.setColorAt(1, QColor(0, 0, 0, 215));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPolygon(quad);
}

QImage menuBackground()
{
    QImage image(kScreen, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF nearTL = kNear.topLeft();
    const QPointF nearTR = kNear.topRight();
    const QPointF nearBR = kNear.bottomRight();
    const QPointF nearBL = kNear.bottomLeft();
    const QPointF farTL = towardsFar(nearTL);
    const QPointF farTR = towardsFar(nearTR);
    const QPointF farBR = towardsFar(nearBR);
    const QPointF farBL = towardsFar(nearBL);

    const QImage wall = repeated(BrickWallTexture(), 8, 3);
    const QImage floor = repeated(StoneFloorTexture(), 3, 8);
    const QImage ceiling = repeated(PanelCeilingTexture(), 6, 16);

    // Each surface is given from its near edge to its far edge.
    const QPolygonF left({nearBL, nearTL, farTL, farBL});
    const QPolygonF right({nearTR, nearBR, farBR, farTR});
    const QPolygonF bottom({nearBR, nearBL, farBL, farBR});
    const QPolygonF top({nearTL, nearTR, farTR, farTL});
    mapOnto(p, wall, QPolygonF({nearTL, farTL, farBL, nearBL}));
    mapOnto(p, wall, QPolygonF({farTR, nearTR, nearBR, farBR}));
    mapOnto(p, floor, QPolygonF({farBL, farBR, nearBR, nearBL}));
    mapOnto(p, ceiling, QPolygonF({nearTL, nearTR, farTR, farTL}));
    const QRectF back(farTL, farBR);
    p.drawImage(back, repeated(BrickWallTexture(), 2, 2));
    const double doorWidth = back.width() * 0.42;
    p.drawImage(QRectF(back.center().x() - doorWidth / 2, back.bottom() - back.height() * 0.78, doorWidth,
                       back.height() * 0.78),
                WoodenDoorTexture());
    for (const QPolygonF &surface : {left, right, bottom, top})
        fog(p, surface);
    p.fillRect(back, QColor(0, 0, 0, 200));

    // A reddish light and dark corners for the menu's mood.
    QRadialGradient vignette(QPointF(kScreen.width() / 2.0, kScreen.height() / 2.0), 460);
    vignette.setColorAt(0, QColor(120, 20, 0, 40));
    vignette.setColorAt(0.6, QColor(40, 0, 0, 90));
    vignette.setColorAt(1, QColor(0, 0, 0, 230));
    p.fillRect(image.rect(), vignette);
    return image;
}

QImage menuButton(const QString &caption, const CaptionFont &font)
{
    QImage image(kButton, QImage::Format_RGB32);
    image.fill(QColor(10, 8, 8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient metal(face.topLeft(), face.bottomLeft());
    metal.setColorAt(0, QColor(112, 108, 110));
    metal.setColorAt(0.48, QColor(64, 58, 60));
    metal.setColorAt(0.52, QColor(46, 40, 42));
    metal.setColorAt(1, QColor(28, 24, 26));
    p.setPen(QPen(QColor(150, 30, 20), 2));
    p.setBrush(metal);
    p.drawRoundedRect(face, 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(2.5, 2.5, -2.5, -2.5), 6, 6);
    DrawCaption(p, face, caption, font.at(kButtonCaptionSize, true), QColor(250, 240, 220), QColor(40, 10, 6));
    return image;
}

} // namespace

void WriteMenuPictures(const OutputFolder &out, const CaptionFont &font)
{
    namespace n = vornik::names;
    out.saveImage(menuBackground(), n::kMenuBackground, "PNG");
    const std::pair<QString, QString> buttons[] = {
        {n::kMenuContinue, QStringLiteral("Продолжить")}, {n::kMenuNewGame, QStringLiteral("Новая игра")},
        {n::kMenuSave, QStringLiteral("Сохранить")},      {n::kMenuLoad, QStringLiteral("Загрузить")},
        {n::kMenuExit, QStringLiteral("Выход")},
    };
    for (const auto &[name, caption] : buttons)
        out.saveImage(menuButton(caption, font), name, "JPG");
}
