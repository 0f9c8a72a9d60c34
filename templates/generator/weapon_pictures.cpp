#include "template_steps.h"

#include "first_person_view.h"
#include "output_folder.h"
#include "weapon_models.h"

#include "core/project/names.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr QSize kScreen(640, 480);
// A shot kicks the weapon up and back towards the eye.
constexpr Point3 kRecoil{0, -0.012, -0.035};

QImage weaponPicture(const WeaponModel &model, bool firing)
{
    QImage image(kScreen, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    FirstPersonView view(painter, kScreen, firing ? kRecoil : Point3{0, 0, 0});
    model.draw(view);
    if (firing) {
        for (const Muzzle &muzzle : model.muzzles)
            view.flash(muzzle.at, muzzle.size, muzzle.core, muzzle.outer);
    }
    return image;
}

} // namespace

void WriteWeaponPictures(const OutputFolder &out)
{
    const auto models = WeaponModels();
    for (int n = 1; n <= vornik::names::kWeaponCount; ++n) {
        out.saveImage(weaponPicture(models[n - 1], false), vornik::names::weaponPicture(n, 1), "PNG");
        out.saveImage(weaponPicture(models[n - 1], true), vornik::names::weaponPicture(n, 2), "PNG");
    }
}
