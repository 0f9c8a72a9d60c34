#include "weapon_models.h"

#include <cmath>

namespace {

const QColor kSteel(92, 96, 108);
const QColor kBlued(54, 58, 70);
const QColor kPolymer(46, 47, 52);
const QColor kWood(128, 76, 38);
const QColor kOlive(84, 96, 60);
const QColor kSilver(176, 178, 186);
const QColor kGlove(74, 54, 38);
const QColor kSleeve(78, 90, 58);
const QColor kGlowCyan(90, 230, 255);
const QColor kBlack(24, 24, 28);

const QColor kFireCore(255, 236, 140);
const QColor kFireOuter(255, 130, 20);
const QColor kPlasmaCore(200, 250, 255);
const QColor kPlasmaOuter(40, 140, 255);

// A gloved hand reaching from below the screen to a point of the weapon.
void hand(FirstPersonView &v, Point3 grip, double side)
{
    const Point3 elbow{grip.x + side * 0.22, grip.y + 0.38, grip.z - 0.42};
    const Point3 wrist{grip.x + side * 0.05, grip.y + 0.07, grip.z - 0.07};
    v.rod(elbow, wrist, 0.06, kSleeve, false);
    v.rod(wrist, grip, 0.045, kGlove, false);
    v.rod({grip.x - side * 0.01, grip.y - 0.005, grip.z - 0.02}, {grip.x - side * 0.035, grip.y + 0.015, grip.z + 0.02},
          0.02, kGlove.lighter(115), false);
}

WeaponModel pistol()
{
    return {[](FirstPersonView &v) {
                v.box(-0.03, 0.03, 0.27, 0.45, 0.5, 0.57, kPolymer);
                hand(v, {-0.02, 0.3, 0.54}, -1);
                hand(v, {0.02, 0.29, 0.54}, 1);
                v.box(-0.034, 0.034, 0.25, 0.285, 0.5, 0.7, kPolymer);
                v.box(-0.038, 0.038, 0.205, 0.25, 0.48, 0.72, kSteel);
                v.box(-0.006, 0.006, 0.19, 0.205, 0.7, 0.71, kBlack);
                v.box(-0.036, -0.014, 0.188, 0.205, 0.485, 0.495, kBlack);
                v.box(0.014, 0.036, 0.188, 0.205, 0.485, 0.495, kBlack);
            },
            {{{0, 0.228, 0.73}, 0.07, kFireCore, kFireOuter}}};
}

WeaponModel assaultRifle()
{
    return {[](FirstPersonView &v) {
                v.rod({0, 0.235, 0.95}, {0, 0.235, 1.3}, 0.012, kBlued);
                v.box(-0.006, 0.006, 0.2, 0.228, 1.15, 1.16, kBlack);
                hand(v, {0, 0.29, 0.84}, -1);
                v.box(-0.04, 0.04, 0.22, 0.29, 0.72, 0.95, kPolymer);
                v.box(-0.026, 0.026, 0.29, 0.46, 0.64, 0.7, kBlued);
                hand(v, {0.01, 0.3, 0.52}, 1);
                v.box(-0.046, 0.046, 0.215, 0.3, 0.45, 0.72, kOlive.darker(140));
                v.box(-0.02, 0.02, 0.19, 0.215, 0.47, 0.62, kPolymer);
                v.box(-0.03, 0.03, 0.17, 0.19, 0.47, 0.49, kBlack);
            },
            {{{0, 0.235, 1.31}, 0.12, kFireCore, kFireOuter}}};
}

WeaponModel pumpShotgun()
{
    return {[](FirstPersonView &v) {
                v.rod({0, 0.262, 0.55}, {0, 0.262, 1.15}, 0.017, kBlued.darker(120));
                hand(v, {0, 0.285, 0.86}, -1);
                v.rod({0, 0.262, 0.75}, {0, 0.262, 0.95}, 0.04, kWood);
                hand(v, {0.01, 0.29, 0.52}, 1);
                v.box(-0.04, 0.04, 0.25, 0.36, 0.3, 0.45, kWood.darker(110));
                v.box(-0.036, 0.036, 0.215, 0.29, 0.45, 0.6, kBlued);
                v.rod({0, 0.222, 0.5}, {0, 0.222, 1.25}, 0.021, kSteel);
                v.box(-0.005, 0.005, 0.193, 0.201, 1.22, 1.23, kSilver);
            },
            {{{0, 0.222, 1.27}, 0.16, kFireCore, kFireOuter}}};
}

WeaponModel submachineGun()
{
    return {[](FirstPersonView &v) {
                v.rod({0, 0.245, 0.7}, {0, 0.245, 1.05}, 0.028, kBlack);
                hand(v, {0, 0.28, 0.66}, -1);
                v.box(-0.018, 0.018, 0.29, 0.52, 0.6, 0.65, kBlued);
                hand(v, {0.01, 0.29, 0.5}, 1);
                v.box(-0.042, 0.042, 0.215, 0.29, 0.45, 0.7, kSteel.darker(115));
                v.box(-0.015, 0.015, 0.2, 0.215, 0.47, 0.68, kPolymer);
                v.box(-0.024, 0.024, 0.16, 0.2, 0.5, 0.56, kPolymer);
                v.disc({0, 0.18, 0.5}, 0.01, QColor(255, 40, 30));
            },
            {{{0, 0.245, 1.07}, 0.08, kFireCore, kFireOuter}}};
}

WeaponModel doubleBarrel()
{
    return {[](FirstPersonView &v) {
                hand(v, {0, 0.275, 0.72}, -1);
                v.box(-0.04, 0.04, 0.245, 0.29, 0.6, 0.85, kWood);
                hand(v, {0.01, 0.29, 0.5}, 1);
                v.box(-0.042, 0.042, 0.25, 0.37, 0.3, 0.45, kWood.darker(110));
                v.box(-0.046, 0.046, 0.225, 0.29, 0.45, 0.56, kSteel);
                v.rod({-0.022, 0.23, 0.5}, {-0.022, 0.23, 1.2}, 0.021, kBlued);
                v.rod({0.022, 0.23, 0.5}, {0.022, 0.23, 1.2}, 0.021, kBlued);
                v.box(-0.005, 0.005, 0.203, 0.212, 0.5, 1.2, kSilver.darker(130));
            },
            {{{-0.022, 0.23, 1.22}, 0.14, kFireCore, kFireOuter}, {{0.022, 0.23, 1.22}, 0.14, kFireCore, kFireOuter}}};
}

WeaponModel machineGun()
{
    return {[](FirstPersonView &v) {
                v.rod({0, 0.25, 1.15}, {0, 0.25, 1.25}, 0.015, kBlack);
                v.rod({0, 0.25, 0.7}, {0, 0.25, 1.15}, 0.045, kOlive);
                for (double z = 0.75; z < 1.12; z += 0.05)
                    v.disc({0, 0.222, z}, 0.009, kBlack);
                hand(v, {-0.07, 0.3, 0.5}, -1);
                hand(v, {0.07, 0.3, 0.5}, 1);
                v.box(-0.16, -0.065, 0.25, 0.38, 0.5, 0.65, kOlive.darker(125));
                for (double z = 0.54; z < 0.62; z += 0.02)
                    v.box(-0.065, -0.058, 0.26, 0.285, z, z + 0.012, QColor(210, 168, 64));
                v.box(-0.058, 0.06, 0.2, 0.31, 0.45, 0.7, kOlive.darker(110));
                v.box(-0.01, 0.01, 0.165, 0.2, 0.47, 0.48, kBlack);
            },
            {{{0, 0.25, 1.27}, 0.14, kFireCore, kFireOuter}}};
}

WeaponModel plasmaRifle()
{
    return {[](FirstPersonView &v) {
                v.rod({0, 0.24, 0.85}, {0, 0.24, 1.05}, 0.03, kPolymer);
                for (const double z : {0.88, 0.94, 1.0})
                    v.rod({0, 0.24, z}, {0, 0.24, z + 0.015}, 0.036, kGlowCyan);
                hand(v, {0, 0.28, 0.74}, -1);
                hand(v, {0.01, 0.29, 0.52}, 1);
                v.box(-0.05, 0.05, 0.21, 0.3, 0.45, 0.85, QColor(206, 210, 220));
                v.box(-0.052, -0.02, 0.26, 0.29, 0.52, 0.8, kPolymer);
                v.box(0.02, 0.052, 0.26, 0.29, 0.52, 0.8, kPolymer);
                v.box(-0.02, 0.02, 0.19, 0.21, 0.5, 0.78, kGlowCyan);
            },
            {{{0, 0.24, 1.07}, 0.14, kPlasmaCore, kPlasmaOuter}}};
}

WeaponModel rotaryCannon()
{
    constexpr double kAxisY = 0.27;
    constexpr double kSpread = 0.04;
    return {[](FirstPersonView &v) {
                hand(v, {-0.03, 0.33, 0.58}, -1);
                hand(v, {0.03, 0.31, 0.5}, 1);
                v.box(-0.03, 0.03, 0.3, 0.36, 0.45, 0.6, kOlive.darker(120));
                v.rod({0, kAxisY, 0.45}, {0, kAxisY, 0.62}, 0.055, kPolymer);
                // Clamps first: the barrels run through them.
                v.rod({0, kAxisY, 1.05}, {0, kAxisY, 1.08}, 0.056, kSteel, false);
                v.rod({0, kAxisY, 0.82}, {0, kAxisY, 0.85}, 0.056, kSteel, false);
                for (int i = 0; i < 6; ++i) {
                    const double angle = i * M_PI / 3 + M_PI / 6;
                    const double x = kSpread * std::cos(angle);
                    const double y = kAxisY + kSpread * std::sin(angle);
                    v.rod({x, y, 0.6}, {x, y, 1.15}, 0.011, kBlued);
                }
            },
            {{{0, kAxisY, 1.17}, 0.17, kFireCore, kFireOuter}}};
}

WeaponModel rocketLauncher()
{
    constexpr double kX = 0.03;
    constexpr double kY = 0.21;
    constexpr double kTube = 0.05;
    return {[](FirstPersonView &v) {
                v.rod({kX, kY, 1.0}, {kX, kY, 1.04}, kTube + 0.006, kOlive.darker(140));
                v.box(kX - 0.015, kX + 0.015, 0.25, 0.36, 0.55, 0.6, kPolymer);
                hand(v, {kX, 0.3, 0.57}, 1);
                v.rod({kX, kY, 0.48}, {kX, kY, 1.0}, kTube, kOlive, false);
                v.box(kX - kTube - 0.035, kX - kTube, 0.17, 0.2, 0.6, 0.7, kPolymer);
                v.rod({kX, kY, 0.45}, {kX, kY, 0.5}, kTube + 0.006, kOlive.darker(140));
                v.disc({kX, kY, 0.45}, kTube - 0.012, kBlack);
            },
            {{{kX, kY, 1.07}, 0.2, kFireCore, kFireOuter}}};
}

} // namespace

std::array<WeaponModel, vornik::names::kWeaponCount> WeaponModels()
{
    return {pistol(), assaultRifle(), pumpShotgun(), submachineGun(), doubleBarrel(),
            machineGun(), plasmaRifle(), rotaryCannon(), rocketLauncher()};
}
