#include "level_art.h"

#include "fill_shapes.h"
#include "noise.h"

#include <QPolygonF>

namespace {

constexpr int kBrickSeed = 11;

} // namespace

void DrawBrickWall(QPainter &p)
{
    const QColor mortar(156, 146, 134);
    const QColor brick(166, 68, 46);
    FillBox(p, 1, 2, 30, 29, mortar);
    for (int row = 0; row < 7; ++row) {
        const int y = 3 + row * 4;
        const int shift = row % 2 == 0 ? 0 : 4;
        for (int k = -1; k < 5; ++k) {
            const int left = qMax(2, 2 + k * 8 - shift);
            const int right = qMin(29, 2 + k * 8 - shift + 6);
            if (right < left)
                continue;
            const int tone = static_cast<int>(Hash01(k + shift, row, kBrickSeed) * 36) - 18;
            const QColor face(brick.red() + tone, brick.green() + tone / 2, brick.blue() + tone / 2);
            FillBox(p, left, y, right - left + 1, 3, face);
            FillBox(p, left, y, right - left + 1, 1, face.lighter(125));
            FillBox(p, left, y + 2, right - left + 1, 1, face.darker(125));
        }
    }
}

void DrawDoor(QPainter &p)
{
    const QColor outline(46, 46, 54);
    const QColor frame(128, 128, 138);
    const QColor frameLight(170, 170, 180);
    const QColor wood(146, 90, 46);
    const QColor woodDark(112, 66, 30);
    const QColor woodLight(182, 124, 70);
    const QColor knob(244, 204, 64);

    FillBox(p, 5, 1, 22, 30, outline);
    FillBox(p, 6, 2, 20, 29, frame);
    FillBox(p, 6, 2, 20, 1, frameLight);
    FillBox(p, 6, 2, 1, 29, frameLight);
    FillBox(p, 8, 4, 16, 27, outline);
    FillBox(p, 9, 5, 14, 26, wood);
    // Two sunken panels, lit from the top left.
    for (const int top : {7, 18}) {
        const int height = top == 7 ? 9 : 10;
        FillBox(p, 11, top, 10, height, woodDark);
        FillBox(p, 11, top, 10, 1, woodLight.darker(115));
        FillBox(p, 12, top + 1, 8, height - 2, wood.darker(108));
        FillBox(p, 20, top, 1, height, woodLight);
        FillBox(p, 11, top + height - 1, 10, 1, woodLight);
    }
    FillBox(p, 21, 15, 2, 3, knob);
    FillBox(p, 21, 17, 2, 1, knob.darker(140));
}

void DrawBulb(QPainter &p)
{
    const QColor outline(120, 86, 0);
    const QColor glass(255, 226, 80);
    const QColor glow(255, 246, 170);
    const QColor metal(168, 168, 178);
    const QColor metalDark(96, 96, 108);
    const QColor ray(255, 176, 32);

    // Rays around the glass.
    FillBox(p, 15, 0, 2, 2, ray);
    FillBox(p, 3, 11, 2, 2, ray);
    FillBox(p, 27, 11, 2, 2, ray);
    FillBox(p, 6, 3, 2, 2, ray);
    FillBox(p, 24, 3, 2, 2, ray);
    FillBox(p, 6, 19, 2, 2, ray);
    FillBox(p, 24, 19, 2, 2, ray);

    OutlineShape(p, QPolygonF({{12, 17}, {20, 17}, {19, 23}, {13, 23}}), glass, outline);
    OutlineOval(p, QRectF(8, 3, 16, 16), glass, outline);
    FillBox(p, 13, 17, 6, 4, glass);
    FillOval(p, QRectF(11, 6, 5, 5), glow);
    FillBox(p, 12, 7, 2, 2, Qt::white);
    // Filament.
    FillBox(p, 14, 12, 1, 6, outline);
    FillBox(p, 17, 12, 1, 6, outline);
    FillBox(p, 14, 12, 4, 1, outline);
    // Screw base.
    FillBox(p, 12, 22, 8, 7, metalDark);
    for (int y = 22; y < 28; y += 2)
        FillBox(p, 13, y, 6, 1, metal);
    FillBox(p, 14, 29, 4, 2, metalDark);
}

void DrawZoneMarker(QPainter &p)
{
    const QColor border(40, 190, 70);
    const QColor borderDark(20, 110, 40);
    const QColor pole(90, 90, 100);
    const QColor flag(232, 40, 40);
    const QColor flagDark(160, 20, 20);

    // A dashed square for the area of the zone.
    for (int i = 2; i < 30; i += 6) {
        const int length = qMin(4, 30 - i);
        FillBox(p, i, 2, length, 2, border);
        FillBox(p, i, 28, length, 2, border);
        FillBox(p, 2, i, 2, length, border);
        FillBox(p, 28, i, 2, length, border);
    }
    // A flag standing in its middle.
    FillOval(p, QRectF(9, 22, 14, 4), borderDark);
    FillBox(p, 12, 6, 2, 18, pole);
    FillBox(p, 12, 6, 1, 18, pole.lighter(150));
    FillShape(p, QPolygonF({{14, 6}, {24, 10}, {14, 15}}), flag);
    FillShape(p, QPolygonF({{14, 11}, {24, 10}, {14, 15}}), flagDark);
}

void DrawFilmFrame(QPainter &p)
{
    const QColor film(34, 34, 40);
    const QColor hole(236, 236, 236);
    const QColor sky(108, 172, 236);
    const QColor hill(60, 160, 70);
    const QColor sun(255, 220, 60);

    FillBox(p, 1, 4, 30, 24, film);
    for (int x = 3; x < 30; x += 4) {
        FillBox(p, x, 6, 2, 2, hole);
        FillBox(p, x, 24, 2, 2, hole);
    }
    FillBox(p, 4, 10, 24, 12, sky);
    FillShape(p, QPolygonF({{4, 22}, {4, 18}, {10, 14}, {16, 18}, {21, 15}, {28, 19}, {28, 22}}), hill);
    FillOval(p, QRectF(20, 11, 4, 4), sun);
    FillBox(p, 15, 10, 2, 12, film);
}

void DrawMusicNote(QPainter &p)
{
    const QColor ink(44, 40, 132);
    const QColor shine(120, 116, 220);

    FillShape(p, QPolygonF({{11, 6}, {28, 2}, {28, 7}, {11, 11}}), ink);
    FillBox(p, 11, 8, 3, 15, ink);
    FillBox(p, 25, 4, 3, 16, ink);
    // Note heads, tilted as printed notes are.
    for (const QPointF &centre : {QPointF(8.5, 23.5), QPointF(22.5, 20.5)}) {
        p.save();
        p.translate(centre);
        p.rotate(-25);
        FillOval(p, QRectF(-5.5, -3.5, 11, 7), ink);
        p.restore();
        FillBox(p, centre.x() - 3, centre.y() - 1, 3, 1, shine);
    }
}
