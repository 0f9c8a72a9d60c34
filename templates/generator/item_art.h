#pragma once

#include <QPainter>

// The pick-up items, drawn in icon units (32x32). The same drawing makes the kind's icon and,
// scaled up and smoothed, its sprite texture, so an item looks alike on the map and in the game.
void DrawHealthPack(QPainter &painter);
void DrawAccessCard(QPainter &painter);
void DrawGun(QPainter &painter);
void DrawCartridges(QPainter &painter);
void DrawVest(QPainter &painter);
