#include "template_steps.h"

#include "enemy_colors.h"
#include "fill_shapes.h"
#include "gif_writer.h"
#include "output_folder.h"

#include "core/project/names.h"
#include "core/text/text_file.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

using namespace enemy_colors;

// The enemy is drawn on a 64-unit grid, two pixels a unit: chunky pixels in the colours of a small
// palette, so the GIF keeps them exactly.
constexpr int kUnits = 64;
constexpr int kPixelsPerUnit = 2;
constexpr int kWalkDelay = 15;    // hundredths of a second
constexpr int kShootDelay = 12;

QList<QColor> palette()
{
    return {kOutline, kHelmet, kHelmetLight, kSkin, kSkinShade, kEye,       kMouth,      kTeeth,
            kUniform, kUniformShade, kBoots, kGun,  kGunLight,  kFlash,     kFlashOuter, Qt::white};
}

enum class Pose { Walk, Aim };

struct Frame {
    Pose pose;
    int leftLift = 0;    // how far each foot is off the ground, in units
    int rightLift = 0;
    bool flash = false;
};

void drawLeg(QPainter &p, int x, int lift)
{
    const int bottom = 60 - lift;
    FillBox(p, x - 1, 40, 9, bottom - 39, kOutline);
    FillBox(p, x, 41, 7, bottom - 41 - 3, kUniformShade);
    FillBox(p, x, 41, 2, bottom - 41 - 3, kUniform);
    FillBox(p, x - 1, bottom - 4, 10, 5, kOutline);
    FillBox(p, x, bottom - 3, 8, 3, kBoots);
}

void drawHead(QPainter &p, int top)
{
    OutlineShape(p, QPolygonF({{26, top + 7.0}, {38, top + 7.0}, {38, top + 14.0}, {35, top + 18.0}, {29, top + 18.0},
                               {26, top + 14.0}}),
                 kSkin, kOutline);
    FillBox(p, 35, top + 8, 3, 7, kSkinShade);
    FillBox(p, 28, top + 10, 3, 2, kEye);
    FillBox(p, 33, top + 10, 3, 2, kEye);
    FillBox(p, 27, top + 9, 4, 1, kOutline);
    FillBox(p, 33, top + 9, 4, 1, kOutline);
    FillBox(p, 29, top + 14, 6, 2, kMouth);
    FillBox(p, 30, top + 14, 1, 1, kTeeth);
    FillBox(p, 33, top + 14, 1, 1, kTeeth);
    OutlineShape(p, QPolygonF({{24, top + 9.0}, {25, top + 4.0}, {28, top + 1.0}, {36, top + 1.0}, {39, top + 4.0},
                               {40, top + 9.0}}),
                 kHelmet, kOutline);
    FillBox(p, 28, top + 2, 5, 2, kHelmetLight);
}

void drawTorso(QPainter &p, int top)
{
    OutlineShape(p, QPolygonF({{21, top + 2.0}, {26, top + 0.0}, {38, top + 0.0}, {43, top + 2.0}, {42, top + 18.0},
                               {22, top + 18.0}}),
                 kUniform, kOutline);
    FillBox(p, 31, top + 1, 2, 15, kUniformShade);
    FillBox(p, 24, top + 4, 5, 5, kUniformShade);
    FillBox(p, 35, top + 4, 5, 5, kUniformShade);
    FillBox(p, 22, top + 15, 20, 3, kBoots);
    FillBox(p, 31, top + 15, 2, 3, kGunLight);
}

// Rifle held across the chest while walking.
void drawCarriedRifle(QPainter &p, int top)
{
    OutlineShape(p, QPolygonF({{17, top + 16.0}, {47, top + 2.0}, {49, top + 5.0}, {19, top + 19.0}}), kGun, kOutline);
    FillShape(p, QPolygonF({{19, top + 16.0}, {46, top + 3.5}, {47, top + 4.5}, {20, top + 17.0}}), kGunLight);
    // Arms reaching to it.
    FillBox(p, 17, top + 2, 5, 13, kOutline);
    FillBox(p, 18, top + 3, 3, 11, kUniform);
    FillBox(p, 42, top + 2, 5, 6, kOutline);
    FillBox(p, 43, top + 3, 3, 4, kUniform);
    FillBox(p, 17, top + 14, 5, 4, kSkin);
    FillBox(p, 42, top + 5, 5, 4, kSkin);
}

// Rifle pointed straight at the player: the receiver end-on with the muzzle in its middle.
void drawAimedRifle(QPainter &p, int top, bool flash)
{
    FillBox(p, 20, top + 2, 7, 12, kOutline);
    FillBox(p, 21, top + 3, 5, 10, kUniform);
    FillBox(p, 37, top + 2, 7, 12, kOutline);
    FillBox(p, 38, top + 3, 5, 10, kUniform);
    FillBox(p, 25, top + 10, 14, 10, kOutline);
    FillBox(p, 26, top + 11, 12, 8, kGun);
    FillBox(p, 26, top + 11, 12, 2, kGunLight);
    FillBox(p, 23, top + 12, 4, 5, kSkin);
    FillBox(p, 37, top + 12, 4, 5, kSkin);
    FillBox(p, 29, top + 12, 6, 6, kOutline);
    FillBox(p, 30, top + 13, 4, 4, kGunLight);
    FillBox(p, 31, top + 14, 2, 2, kOutline);
    if (!flash)
        return;
    const QPointF muzzle(32, top + 15);
    QPolygonF star;
    QPolygonF core;
    for (int i = 0; i < 16; ++i) {
        const double angle = i * M_PI / 8;
        const double outer = i % 2 == 0 ? 15 : 7;
        const double inner = i % 2 == 0 ? 8 : 4;
        star << muzzle + QPointF(outer * std::cos(angle), outer * std::sin(angle));
        core << muzzle + QPointF(inner * std::cos(angle), inner * std::sin(angle));
    }
    FillShape(p, star, kFlashOuter);
    FillShape(p, core, kFlash);
    FillOval(p, QRectF(muzzle.x() - 2.5, muzzle.y() - 2.5, 5, 5), Qt::white);
}

QImage drawFrame(const Frame &frame)
{
    QImage image(kUnits * kPixelsPerUnit, kUnits * kPixelsPerUnit, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(kPixelsPerUnit, kPixelsPerUnit);
    // The body rises a little while a foot is off the ground.
    const int bob = (frame.leftLift + frame.rightLift) > 0 ? -1 : 0;
    drawLeg(p, 24, frame.leftLift);
    drawLeg(p, 33, frame.rightLift);
    drawTorso(p, 23 + bob);
    drawHead(p, 4 + bob);
    if (frame.pose == Pose::Walk)
        drawCarriedRifle(p, 23 + bob);
    else
        drawAimedRifle(p, 23 + bob, frame.flash);
    return image;
}

QList<QImage> drawFrames(const QList<Frame> &frames)
{
    QList<QImage> images;
    for (const Frame &frame : frames)
        images << drawFrame(frame);
    return images;
}

} // namespace

void WriteEnemyTextures(const OutputFolder &out)
{
    const QList<Frame> walk = {{Pose::Walk, 4, 0}, {Pose::Walk, 0, 0}, {Pose::Walk, 0, 4}, {Pose::Walk, 0, 0}};
    const QList<Frame> shoot = {{Pose::Aim, 0, 0, false}, {Pose::Aim, 0, 0, true}};
    vornik::WriteFileBytes(out.path(vornik::names::kTextureEnemyWalk),
                           EncodeAnimatedGif(drawFrames(walk), palette(), kWalkDelay));
    vornik::WriteFileBytes(out.path(vornik::names::kTextureEnemyShoot),
                           EncodeAnimatedGif(drawFrames(shoot), palette(), kShootDelay));
}
