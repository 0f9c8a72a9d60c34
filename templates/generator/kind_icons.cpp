#include "template_steps.h"

#include "figure_art.h"
#include "icon_canvas.h"
#include "item_art.h"
#include "level_art.h"
#include "output_folder.h"

#include "core/catalogue/kinds.h"
#include "core/project/names.h"

#include <QHash>

void WriteKindIcons(const OutputFolder &out)
{
    namespace k = vornik::kinds;
    const QHash<QString, IconArt> art = {
        {k::kPlayer, DrawPlayerFigure}, {k::kHealth, DrawHealthPack}, {k::kCard, DrawAccessCard},
        {k::kWeapon, DrawGun},          {k::kAmmo, DrawCartridges},   {k::kArmour, DrawVest},
        {k::kEnemy, DrawEnemyHead},     {k::kWall, DrawBrickWall},    {k::kDoor, DrawDoor},
        {k::kLight, DrawBulb},          {k::kZone, DrawZoneMarker},   {k::kVideo, DrawFilmFrame},
        {k::kAudio, DrawMusicNote},
    };
    for (const vornik::KindInfo &kind : vornik::Kinds())
        out.saveImage(RenderIcon(art.value(kind.kind)), vornik::names::iconTemplate(kind.kind), "BMP");
}
