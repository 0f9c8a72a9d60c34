#pragma once

#include <QPainter>

// Icons of the level's pieces and triggers, in icon units (32x32).
void DrawBrickWall(QPainter &painter);
void DrawDoor(QPainter &painter);
void DrawBulb(QPainter &painter);
void DrawZoneMarker(QPainter &painter);
void DrawFilmFrame(QPainter &painter);
void DrawMusicNote(QPainter &painter);
