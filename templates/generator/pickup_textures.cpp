#include "template_steps.h"

#include "icon_canvas.h"
#include "item_art.h"
#include "output_folder.h"

#include "core/project/names.h"

#include <QImage>
#include <QPainter>

#include <utility>

namespace {

// Sprites are the icon drawings four times as large, smoothed, on a transparent background.
constexpr int kSpriteScale = 4;

QImage sprite(const IconArt &art)
{
    QImage image(kIconSize * kSpriteScale, kIconSize * kSpriteScale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kSpriteScale, kSpriteScale);
    art(painter);
    return image;
}

} // namespace

void WritePickupTextures(const OutputFolder &out)
{
    namespace n = vornik::names;
    const std::pair<QString, IconArt> sprites[] = {
        {n::kTextureHealth, DrawHealthPack}, {n::kTextureCard, DrawAccessCard}, {n::kTextureWeapon, DrawGun},
        {n::kTextureAmmo, DrawCartridges},   {n::kTextureArmour, DrawVest},
    };
    for (const auto &[name, art] : sprites)
        out.saveImage(sprite(art), name, "PNG");
}
