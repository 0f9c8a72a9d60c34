#include "core/project/names.h"

namespace vornik::names {

QString iconTemplate(const QString &kind)
{
    return kind + QStringLiteral(".bmp");
}

QString maskTemplate(const QString &kind)
{
    return QStringLiteral("Маска_") + kind + QStringLiteral(".bmp");
}

QString settingsTemplate(const QString &kind)
{
    return QStringLiteral("Настройка_") + kind + QStringLiteral(".ini");
}

QString weaponPicture(int weapon, int picture)
{
    return QStringLiteral("Оружие_%1_%2.png").arg(weapon).arg(picture);
}

QStringList menuPictures()
{
    return {kMenuBackground, kMenuContinue, kMenuNewGame, kMenuSave, kMenuLoad, kMenuExit};
}

} // namespace vornik::names
