#include "figure_art.h"

#include "enemy_colors.h"
#include "fill_shapes.h"

#include <QPolygonF>

void DrawEnemyHead(QPainter &p)
{
    using namespace enemy_colors;
    // Shoulders.
    OutlineShape(p, QPolygonF({{2, 30}, {4, 24}, {11, 21}, {21, 21}, {28, 24}, {30, 30}}), kUniform, kOutline);
    FillBox(p, 15, 22, 2, 8, kUniformShade);
    // Face under the helmet.
    OutlineShape(p, QPolygonF({{9, 9}, {23, 9}, {23, 17}, {20, 22}, {12, 22}, {9, 17}}), kSkin, kOutline);
    FillBox(p, 20, 10, 3, 8, kSkinShade);
    // Angry brows and glowing eyes.
    FillShape(p, QPolygonF({{10, 11}, {15, 13}, {15, 14}, {10, 12}}), kOutline);
    FillShape(p, QPolygonF({{22, 11}, {17, 13}, {17, 14}, {22, 12}}), kOutline);
    FillBox(p, 11, 14, 3, 2, kEye);
    FillBox(p, 18, 14, 3, 2, kEye);
    // Bared teeth.
    FillBox(p, 12, 18, 8, 3, kMouth);
    for (int x = 12; x < 20; x += 2)
        FillBox(p, x, 18, 1, 1, kTeeth);
    // Helmet.
    OutlineShape(p, QPolygonF({{6, 11}, {7, 6}, {11, 2}, {21, 2}, {25, 6}, {26, 11}}), kHelmet, kOutline);
    FillBox(p, 11, 4, 6, 2, kHelmetLight);
}

void DrawPlayerFigure(QPainter &p)
{
    const QColor outline(20, 24, 44);
    const QColor suit(48, 96, 208);
    const QColor suitLight(96, 146, 240);
    const QColor trousers(40, 52, 92);
    const QColor skin(236, 186, 146);
    const QColor hair(96, 60, 30);
    const QColor boots(30, 30, 34);
    const QColor marker(255, 210, 40);

    // Legs and boots.
    FillBox(p, 11, 19, 11, 10, outline);
    FillBox(p, 12, 20, 4, 8, trousers);
    FillBox(p, 17, 20, 4, 8, trousers);
    FillBox(p, 10, 27, 6, 3, boots);
    FillBox(p, 17, 27, 6, 3, boots);
    // Arms with hands.
    FillBox(p, 7, 10, 19, 10, outline);
    FillBox(p, 8, 11, 3, 7, suit);
    FillBox(p, 22, 11, 3, 7, suit);
    FillBox(p, 8, 18, 3, 2, skin);
    FillBox(p, 22, 18, 3, 2, skin);
    // Body and belt.
    FillBox(p, 11, 9, 11, 11, outline);
    FillBox(p, 12, 10, 9, 9, suit);
    FillBox(p, 13, 11, 3, 5, suitLight);
    FillBox(p, 12, 18, 9, 1, outline);
    FillBox(p, 16, 18, 1, 1, marker);
    // Head.
    OutlineOval(p, QRectF(12, 1, 9, 8), skin, outline);
    FillBox(p, 13, 1, 7, 2, hair);
    FillBox(p, 14, 5, 1, 1, outline);
    FillBox(p, 18, 5, 1, 1, outline);
}
