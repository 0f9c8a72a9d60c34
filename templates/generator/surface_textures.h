#pragma once

#include <QImage>

// The surfaces of a level, each 128x128 and repeating without seams (the door is one leaf).
// The menu background builds its corridor from them.
QImage BrickWallTexture();
QImage StoneFloorTexture();
QImage PanelCeilingTexture();
QImage WoodenDoorTexture();
