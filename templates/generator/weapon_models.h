#pragma once

#include "first_person_view.h"

#include "core/project/names.h"

#include <QColor>
#include <QList>

#include <array>
#include <functional>

// Where a shot leaves the weapon, how large its flash is and what it burns with.
struct Muzzle {
    Point3 at;
    double size;
    QColor core;
    QColor outer;
};

// One of the player's weapons as the player holds it: its solids, far parts first, and its muzzles.
struct WeaponModel {
    std::function<void(FirstPersonView &)> draw;
    QList<Muzzle> muzzles;
};

// Weapons 1 to 9: pistol, assault rifle, pump shotgun, submachine gun, double-barrelled shotgun,
// machine gun, plasma rifle, rotary cannon, rocket launcher.
std::array<WeaponModel, vornik::names::kWeaponCount> WeaponModels();
