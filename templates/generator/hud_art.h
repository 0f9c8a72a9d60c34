#pragma once

#include <QPainter>

// Screen icons the game shows beside the player's numbers, in icon units (32x32): bolder and
// simpler than the item icons, to read at a glance in a corner of the screen.
void DrawHealthSign(QPainter &painter);
void DrawShield(QPainter &painter);
void DrawCardSign(QPainter &painter);
void DrawBulletSign(QPainter &painter);
void DrawCrosshair(QPainter &painter);
