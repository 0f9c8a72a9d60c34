#include "item_art.h"

#include "fill_shapes.h"

namespace {

void drawCartridge(QPainter &p, int x, int top)
{
    const QColor outline(86, 56, 18);
    const QColor brass(214, 168, 58);
    const QColor brassLight(250, 216, 112);
    const QColor brassShade(160, 116, 34);
    const QColor copper(196, 104, 56);
    const QColor copperLight(236, 156, 104);
    const int caseTop = top + 8;
    const int bottom = 27;
    // Bullet: a rounded copper tip sitting in the case.
    FillOval(p, QRectF(x - 1, top - 1, 8, 13), outline);
    FillOval(p, QRectF(x, top, 6, 11), copper);
    FillBox(p, x + 1, top + 2, 1, 5, copperLight);
    // Case and rim.
    FillBox(p, x - 1, caseTop - 1, 8, bottom - caseTop + 1, outline);
    FillBox(p, x, caseTop, 6, bottom - caseTop - 1, brass);
    FillBox(p, x + 1, caseTop, 1, bottom - caseTop - 1, brassLight);
    FillBox(p, x + 4, caseTop, 2, bottom - caseTop - 1, brassShade);
    FillBox(p, x - 1, bottom - 2, 8, 1, brassShade);
    FillBox(p, x - 1, bottom - 1, 8, 2, outline);
}

} // namespace

void DrawHealthPack(QPainter &p)
{
    const QColor outline(66, 66, 76);
    const QColor handle(116, 116, 128);
    const QColor body(232, 232, 228);
    const QColor light(255, 255, 255);
    const QColor shade(184, 184, 190);
    const QColor red(214, 30, 30);
    const QColor redDark(146, 14, 14);

    // Carrying handle.
    FillBox(p, 10, 3, 12, 7, outline);
    ClearBox(p, 13, 6, 6, 3);
    FillBox(p, 11, 4, 10, 1, handle);
    FillBox(p, 11, 4, 1, 5, handle);
    FillBox(p, 20, 4, 1, 5, handle);

    // The box.
    FillBox(p, 2, 9, 28, 19, outline);
    FillBox(p, 3, 10, 26, 17, body);
    FillBox(p, 3, 10, 26, 1, light);
    FillBox(p, 3, 10, 1, 17, light);
    FillBox(p, 3, 25, 26, 2, shade);
    FillBox(p, 27, 11, 2, 16, shade);

    // The red cross, shaded on its lower right edges.
    FillBox(p, 13, 12, 6, 13, red);
    FillBox(p, 9, 15, 14, 6, red);
    FillBox(p, 18, 12, 1, 3, redDark);
    FillBox(p, 18, 21, 1, 4, redDark);
    FillBox(p, 22, 15, 1, 6, redDark);
    FillBox(p, 13, 24, 6, 1, redDark);
    FillBox(p, 9, 20, 4, 1, redDark);
    FillBox(p, 19, 20, 4, 1, redDark);
}

void DrawAccessCard(QPainter &p)
{
    const QColor outline(18, 44, 100);
    const QColor body(46, 116, 206);
    const QColor band(112, 174, 238);
    const QColor stripe(240, 150, 40);
    const QColor text(232, 242, 255);
    const QColor gold(228, 188, 64);
    const QColor goldDark(164, 124, 28);

    // Card with rounded corners.
    FillBox(p, 2, 8, 28, 17, outline);
    FillBox(p, 3, 7, 26, 19, outline);
    FillBox(p, 3, 8, 26, 17, body);
    FillBox(p, 3, 8, 26, 4, band);
    FillBox(p, 13, 9, 6, 1, outline);   // lanyard slot
    FillBox(p, 3, 21, 26, 2, stripe);

    // Chip.
    FillBox(p, 5, 13, 7, 6, goldDark);
    FillBox(p, 6, 14, 5, 4, gold);
    FillBox(p, 8, 14, 1, 4, goldDark);
    FillBox(p, 6, 15, 5, 1, goldDark);

    // Printed lines.
    FillBox(p, 14, 14, 12, 1, text);
    FillBox(p, 14, 16, 9, 1, text);
    FillBox(p, 14, 18, 11, 1, text);
}

void DrawGun(QPainter &p)
{
    const QColor outline(30, 30, 36);
    const QColor steel(100, 104, 116);
    const QColor steelLight(160, 164, 178);
    const QColor steelDark(64, 66, 76);
    const QColor grip(118, 74, 42);
    const QColor gripDark(78, 46, 24);

    // Grip, slanting back.
    OutlineShape(p, QPolygonF({{6, 14}, {14, 14}, {12, 27}, {3, 27}}), grip, outline);
    for (int y = 17; y < 26; y += 3)
        FillBox(p, 6 + (26 - y) / 6, y, 5, 1, gripDark);

    // Frame, trigger guard and trigger.
    FillBox(p, 12, 13, 14, 5, outline);
    FillBox(p, 13, 14, 12, 3, steelDark);
    FillBox(p, 14, 18, 8, 4, outline);
    ClearBox(p, 15, 18, 6, 3);
    FillBox(p, 17, 17, 1, 3, outline);

    // Slide with sights and grip serrations.
    FillBox(p, 3, 7, 27, 8, outline);
    FillBox(p, 4, 8, 25, 6, steel);
    FillBox(p, 4, 8, 25, 1, steelLight);
    FillBox(p, 4, 13, 25, 1, steelDark);
    FillBox(p, 5, 6, 3, 1, outline);
    FillBox(p, 26, 6, 2, 1, outline);
    for (int x = 6; x <= 10; x += 2)
        FillBox(p, x, 10, 1, 3, steelDark);
    FillBox(p, 29, 9, 1, 4, steelDark);
}

void DrawCartridges(QPainter &p)
{
    drawCartridge(p, 4, 8);
    drawCartridge(p, 13, 5);
    drawCartridge(p, 22, 8);
}

void DrawVest(QPainter &p)
{
    const QColor outline(28, 38, 22);
    const QColor cloth(86, 104, 60);
    const QColor plate(112, 132, 80);
    const QColor strap(58, 70, 40);
    const QColor buckle(190, 190, 170);
    const QColor lining(50, 62, 36);

    OutlineShape(p,
                 QPolygonF({{7, 3}, {11, 3}, {16, 12}, {21, 3}, {25, 3}, {26, 9}, {29, 13}, {29, 28}, {3, 28},
                            {3, 13}, {6, 9}}),
                 cloth, outline);
    // The back of the collar, seen through the neck opening.
    OutlineShape(p, QPolygonF({{11, 3}, {21, 3}, {16, 9}}), lining, outline);
    // Chest plates either side of the fastening.
    FillBox(p, 6, 13, 9, 7, plate);
    FillBox(p, 18, 13, 9, 7, plate);
    FillBox(p, 16, 12, 1, 9, outline);
    // Waist strap with buckles, and pockets.
    FillBox(p, 4, 21, 25, 2, strap);
    FillBox(p, 9, 21, 2, 2, buckle);
    FillBox(p, 22, 21, 2, 2, buckle);
    FillBox(p, 6, 24, 7, 3, plate);
    FillBox(p, 20, 24, 7, 3, plate);
    FillBox(p, 8, 4, 2, 6, strap);
    FillBox(p, 22, 4, 2, 6, strap);
}
