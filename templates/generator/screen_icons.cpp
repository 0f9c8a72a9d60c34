#include "template_steps.h"

#include "hud_art.h"
#include "icon_canvas.h"
#include "output_folder.h"

#include "core/project/names.h"

#include <utility>

void WriteScreenIcons(const OutputFolder &out)
{
    namespace n = vornik::names;
    const std::pair<QString, IconArt> icons[] = {
        {n::kPlayerArmourIconTemplate, DrawShield},
        {n::kPlayerHealthIconTemplate, DrawHealthSign},
        {n::kPlayerCardIconTemplate, DrawCardSign},
        {n::kPlayerAmmoIconTemplate, DrawBulletSign},
        {n::kPlayerCrosshairIconTemplate, DrawCrosshair},
    };
    for (const auto &[name, art] : icons)
        out.saveImage(RenderIcon(art), name, "BMP");
}
