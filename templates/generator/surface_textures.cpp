#include "surface_textures.h"
#include "template_steps.h"

#include "noise.h"
#include "output_folder.h"
#include "pixel_fill.h"

#include "core/project/names.h"

#include <QPainter>

#include <cmath>

namespace {

// Surfaces repeat across walls, floors and ceilings: every pattern here has this period.
constexpr int kTile = 128;

// Mottling in 0..1 from three octaves of tileable noise.
double mottle(int x, int y, int seed)
{
    return 0.5 * TileNoise(x, y, kTile, 32, seed) + 0.3 * TileNoise(x, y, kTile, 8, seed + 1)
           + 0.2 * TileNoise(x, y, kTile, 2, seed + 2);
}

} // namespace

QImage BrickWallTexture()
{
    constexpr int kBrickWidth = 32;
    constexpr int kBrickHeight = 16;
    constexpr int kMortar = 2;
    const QColor brick(152, 64, 42);
    const QColor mortar(150, 142, 128);
    return FillPixels(kTile, kTile, [&](int x, int y) {
        const int row = y / kBrickHeight;
        const int bx = (x + (row % 2) * kBrickWidth / 2) % kTile;
        const int column = bx / kBrickWidth;
        const int lx = bx % kBrickWidth;
        const int ly = y % kBrickHeight;
        const double grain = mottle(x, y, 3);
        if (lx < kMortar || ly < kMortar)
            return Shade(mortar, 0.8 + 0.35 * grain);
        double light = 0.78 + 0.22 * Hash01(column, row, 5) + 0.3 * (grain - 0.5);
        if (ly == kMortar || lx == kMortar)
            light *= 1.18;
        else if (ly == kBrickHeight - 1 || lx == kBrickWidth - 1)
            light *= 0.72;
        return Shade(brick, light);
    });
}

QImage StoneFloorTexture()
{
    constexpr int kSlab = 64;
    constexpr int kGrout = 2;
    const QColor stone(124, 118, 108);
    const QColor grout(66, 62, 58);
    return FillPixels(kTile, kTile, [&](int x, int y) {
        const int lx = x % kSlab;
        const int ly = y % kSlab;
        const double grain = mottle(x, y, 21);
        if (lx < kGrout || ly < kGrout)
            return Shade(grout, 0.85 + 0.3 * grain);
        double light = 0.8 + 0.25 * Hash01(x / kSlab, y / kSlab, 23) + 0.45 * (grain - 0.5);
        if (lx < kGrout + 2 || ly < kGrout + 2)
            light *= 1.15;
        else if (lx >= kSlab - 2 || ly >= kSlab - 2)
            light *= 0.78;
        // Fine speckles of the stone.
        if (Hash01(x, y, 29) > 0.97)
            light *= 0.7;
        return Shade(stone, light);
    });
}

QImage PanelCeilingTexture()
{
    constexpr int kPanel = 32;
    const QColor concrete(160, 160, 154);
    const QColor seam(84, 84, 82);
    const QColor rivet(200, 200, 196);
    return FillPixels(kTile, kTile, [&](int x, int y) {
        const int lx = x % kPanel;
        const int ly = y % kPanel;
        if (lx == 0 || ly == 0)
            return seam;
        const int dx = lx < kPanel / 2 ? lx - 4 : lx - (kPanel - 4);
        const int dy = ly < kPanel / 2 ? ly - 4 : ly - (kPanel - 4);
        if (dx * dx + dy * dy <= 2)
            return dx + dy < 0 ? rivet : Shade(rivet, 0.6);
        double light = 0.82 + 0.12 * Hash01(x / kPanel, y / kPanel, 41) + 0.3 * (mottle(x, y, 43) - 0.5);
        if (lx == 1 || ly == 1)
            light *= 1.12;
        else if (lx == kPanel - 1 || ly == kPanel - 1)
            light *= 0.85;
        return Shade(concrete, light);
    });
}

QImage WoodenDoorTexture()
{
    const QColor wood(142, 88, 46);
    const QColor frame(120, 120, 130);
    const QColor knob(236, 196, 70);
    QImage door = FillPixels(kTile, kTile, [&](int x, int y) {
        // Grain runs along the door: noise stretched across, squeezed along.
        const double grain = TileNoise(x * 3.0, y / 4.0, kTile, 8, 61);
        const double rings = 0.5 + 0.5 * std::sin(x * 0.9 + 6.0 * grain);
        return Shade(wood, 0.8 + 0.25 * rings + 0.1 * Hash01(x, y, 63));
    });
    QPainter painter(&door);
    // Steel frame round the leaf.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i) {
        painter.setPen(Shade(frame, i < 2 ? 0.55 : i < 4 ? 1.25 : 1.0));
        painter.drawRect(i, i, kTile - 1 - 2 * i, kTile - 1 - 2 * i);
    }
    // Two sunken panels, lit from the top left.
    for (const QRect &panel : {QRect(22, 18, 84, 40), QRect(22, 70, 84, 42)}) {
        painter.fillRect(panel, QColor(0, 0, 0, 48));
        painter.fillRect(QRect(panel.left(), panel.top(), panel.width(), 3), QColor(0, 0, 0, 90));
        painter.fillRect(QRect(panel.left(), panel.top(), 3, panel.height()), QColor(0, 0, 0, 70));
        painter.fillRect(QRect(panel.left(), panel.bottom() - 2, panel.width(), 3), QColor(255, 220, 180, 70));
        painter.fillRect(QRect(panel.right() - 2, panel.top(), 3, panel.height()), QColor(255, 220, 180, 60));
    }
    // The knob with a highlight.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Shade(knob, 0.45), 1.5));
    painter.setBrush(knob);
    painter.drawEllipse(QPointF(104, 64), 5.5, 5.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 220));
    painter.drawEllipse(QPointF(102.5, 62.5), 1.8, 1.8);
    return door;
}

void WriteSurfaceTextures(const OutputFolder &out)
{
    namespace n = vornik::names;
    const auto opaque = [](const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); };
    out.saveImage(opaque(BrickWallTexture()), n::kTextureWall, "PNG");
    out.saveImage(opaque(WoodenDoorTexture()), n::kTextureDoor, "PNG");
    out.saveImage(opaque(StoneFloorTexture()), n::kFloorTemplate, "PNG");
    out.saveImage(opaque(PanelCeilingTexture()), n::kCeilingTemplate, "PNG");
}
