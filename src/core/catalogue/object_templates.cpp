#include "core/catalogue/object_templates.h"

#include "core/catalogue/kinds.h"
#include "core/project/names.h"

namespace vornik {

namespace {

void appendPlayerFiles(std::vector<TemplateCopy> &copies)
{
    copies.push_back({names::kPlayerArmourIconTemplate, names::kPlayerArmourIcon});
    copies.push_back({names::kPlayerHealthIconTemplate, names::kPlayerHealthIcon});
    copies.push_back({names::kPlayerCardIconTemplate, names::kPlayerCardIcon});
    copies.push_back({names::kPlayerAmmoIconTemplate, names::kPlayerAmmoIcon});
    copies.push_back({names::kPlayerCrosshairIconTemplate, names::kPlayerCrosshairIcon});
    copies.push_back({names::kDamageOverlay, names::kDamageOverlay});
    for (int weapon = 1; weapon <= names::kWeaponCount; ++weapon) {
        for (int picture = 1; picture <= 2; ++picture)
            copies.push_back({names::weaponPicture(weapon, picture), names::weaponPicture(weapon, picture)});
    }
    copies.push_back({names::settingsTemplate(kinds::kPlayer), names::kObjectSettings});
}

// The single texture of the pickup, wall and door kinds; empty for the others.
QString textureTemplate(const QString &kind)
{
    if (kind == kinds::kCard)
        return names::kTextureCard;
    if (kind == kinds::kHealth)
        return names::kTextureHealth;
    if (kind == kinds::kWeapon)
        return names::kTextureWeapon;
    if (kind == kinds::kAmmo)
        return names::kTextureAmmo;
    if (kind == kinds::kArmour)
        return names::kTextureArmour;
    if (kind == kinds::kWall)
        return names::kTextureWall;
    if (kind == kinds::kDoor)
        return names::kTextureDoor;
    return {};
}

} // namespace

std::vector<TemplateCopy> ObjectTemplateCopies(const QString &kind)
{
    std::vector<TemplateCopy> copies = {
        {names::iconTemplate(kind), names::kObjectIcon},
        {names::maskTemplate(kind), names::kObjectMask},
        {names::kNotesTemplate, names::kObjectNotes},
        {names::settingsTemplate(kind), names::kObjectSettings},
    };
    if (const QString texture = textureTemplate(kind); !texture.isEmpty())
        copies.push_back({texture, names::kObjectTexture});
    if (kind == kinds::kEnemy) {
        copies.push_back({names::kTextureEnemyWalk, names::kEnemyWalkGif});
        copies.push_back({names::kTextureEnemyShoot, names::kEnemyShootGif});
    }
    if (kind == kinds::kPlayer)
        appendPlayerFiles(copies);
    return copies;
}

} // namespace vornik
