#pragma once

#include <QPainter>

// The two kinds that are people, in icon units (32x32).
void DrawEnemyHead(QPainter &painter);
void DrawPlayerFigure(QPainter &painter);
