#include "hud_art.h"

#include "fill_shapes.h"

#include <QPolygonF>

#include <cmath>

void DrawHealthSign(QPainter &p)
{
    const QColor rim(255, 255, 255);
    const QColor outline(90, 0, 0);
    const QColor red(226, 28, 28);
    const QColor light(255, 104, 96);

    FillBox(p, 10, 2, 12, 28, outline);
    FillBox(p, 2, 10, 28, 12, outline);
    FillBox(p, 11, 3, 10, 26, rim);
    FillBox(p, 3, 11, 26, 10, rim);
    FillBox(p, 13, 5, 6, 22, red);
    FillBox(p, 5, 13, 22, 6, red);
    FillBox(p, 13, 5, 2, 8, light);
    FillBox(p, 5, 13, 8, 2, light);
}

void DrawShield(QPainter &p)
{
    const QColor outline(16, 30, 70);
    const QColor metal(60, 110, 200);
    const QColor light(140, 184, 250);
    const QColor stripe(236, 240, 250);

    OutlineShape(p, QPolygonF({{4, 3}, {28, 3}, {28, 15}, {24, 23}, {16, 29}, {8, 23}, {4, 15}}), metal, outline);
    FillShape(p, QPolygonF({{6, 5}, {15, 5}, {15, 27}, {9, 22}, {6, 15}}), light);
    FillBox(p, 15, 5, 2, 23, stripe);
    FillBox(p, 6, 12, 21, 2, stripe);
}

void DrawCardSign(QPainter &p)
{
    const QColor outline(90, 50, 0);
    const QColor card(250, 196, 40);
    const QColor light(255, 232, 130);
    const QColor hole(60, 30, 0);

    FillBox(p, 3, 6, 26, 21, outline);
    FillBox(p, 4, 5, 24, 23, outline);
    FillBox(p, 4, 6, 24, 21, card);
    FillBox(p, 4, 6, 24, 3, light);
    // A keyhole in the middle.
    FillOval(p, QRectF(12, 10, 8, 8), hole);
    FillShape(p, QPolygonF({{14, 16}, {18, 16}, {20, 24}, {12, 24}}), hole);
}

void DrawBulletSign(QPainter &p)
{
    const QColor outline(80, 50, 14);
    const QColor brass(226, 178, 64);
    const QColor brassLight(255, 226, 128);
    const QColor copper(204, 108, 56);
    const QColor copperLight(244, 166, 112);

    FillOval(p, QRectF(10, 1, 12, 18), outline);
    FillOval(p, QRectF(11, 2, 10, 16), copper);
    FillBox(p, 13, 5, 2, 7, copperLight);
    FillBox(p, 10, 12, 12, 18, outline);
    FillBox(p, 11, 13, 10, 15, brass);
    FillBox(p, 13, 13, 2, 15, brassLight);
    FillBox(p, 9, 27, 14, 3, outline);
}

void DrawCrosshair(QPainter &p)
{
    const QColor outline(0, 40, 0);
    const QColor line(80, 255, 80);
    const qreal centre = 16.5;

    // A ring one pixel wide with a dark edge either side, so it reads on bright and dark walls.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const qreal d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            if (d >= 7.5 && d < 8.5)
                FillBox(p, x, y, 1, 1, line);
            else if (d >= 6.5 && d < 9.5)
                FillBox(p, x, y, 1, 1, outline);
        }
    }
    for (const QRectF &bar : {QRectF(15, 1, 3, 10), QRectF(15, 22, 3, 10), QRectF(1, 15, 10, 3),
                              QRectF(22, 15, 10, 3), QRectF(15, 15, 3, 3)})
        FillBox(p, bar.x(), bar.y(), bar.width(), bar.height(), outline);
    FillBox(p, 16, 2, 1, 8, line);
    FillBox(p, 16, 23, 1, 8, line);
    FillBox(p, 2, 16, 8, 1, line);
    FillBox(p, 23, 16, 8, 1, line);
    FillBox(p, 16, 16, 1, 1, line);
}
