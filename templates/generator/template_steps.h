#pragma once

#include <QString>

class CaptionFont;
class OutputFolder;

// The steps that fill the template folder, one per group of files.

void WriteKindIcons(const OutputFolder &out);           // kind word + ".bmp"
void WriteMasks(const OutputFolder &out);               // "Маска_" + kind word + ".bmp"
void WriteSettingsTemplates(const OutputFolder &out);   // "Настройка_" + kind word + ".ini"
void WriteScreenIcons(const OutputFolder &out);         // the player's "Иконка_*.bmp"
void WriteSurfaceTextures(const OutputFolder &out);     // walls, doors, floors, ceilings
void WritePickupTextures(const OutputFolder &out);      // sprites of the pick-up items
void WriteEnemyTextures(const OutputFolder &out);       // the enemy's two animations
void WriteWeaponPictures(const OutputFolder &out);      // "Оружие_N_P.png"
void WriteDamageOverlay(const OutputFolder &out);       // "Урон.png"
void WriteMenuPictures(const OutputFolder &out, const CaptionFont &font);
void WriteEndScreens(const OutputFolder &out, const CaptionFont &font);

// The text templates kept as UTF-8 files in textFolder, converted for the editor and the game.
void WriteTextTemplates(const QString &textFolder, const OutputFolder &out);
// The new project's object tree, and the recent-project list when the folder has none yet.
void WriteLists(const OutputFolder &out);
