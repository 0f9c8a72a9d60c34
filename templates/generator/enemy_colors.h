#pragma once

#include <QColor>

// The enemy's look, shared by its icon and its animated sprites.
namespace enemy_colors {
inline const QColor kOutline(24, 26, 20);
inline const QColor kHelmet(64, 76, 52);
inline const QColor kHelmetLight(100, 116, 80);
inline const QColor kSkin(132, 164, 104);
inline const QColor kSkinShade(96, 124, 74);
inline const QColor kEye(246, 36, 24);
inline const QColor kMouth(56, 20, 20);
inline const QColor kTeeth(226, 220, 196);
inline const QColor kUniform(116, 84, 52);
inline const QColor kUniformShade(82, 58, 36);
inline const QColor kBoots(40, 34, 30);
inline const QColor kGun(58, 60, 68);
inline const QColor kGunLight(120, 124, 136);
inline const QColor kFlash(255, 236, 120);
inline const QColor kFlashOuter(255, 150, 30);
} // namespace enemy_colors
