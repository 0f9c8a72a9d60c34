#include "core/catalogue/kinds.h"

#include <array>

namespace vornik {

std::span<const KindInfo> Kinds()
{
    static const std::array<KindInfo, 13> table = {{
        {QStringLiteral("Игроки"), kinds::kPlayer, QStringLiteral("TP_Player"), QStringLiteral("Настройка игрока: ")},
        {QStringLiteral("Аптечки"), kinds::kHealth, QStringLiteral("TP_Health"), QStringLiteral("Настройка аптечки: ")},
        {QStringLiteral("Карты доступа"), kinds::kCard, QStringLiteral("TP_Karta"), QStringLiteral("Настройка карты доступа: ")},
        {QStringLiteral("Оружие"), kinds::kWeapon, QStringLiteral("TP_Weapon"), QStringLiteral("Настройка оружия: ")},
        {QStringLiteral("Патроны"), kinds::kAmmo, QStringLiteral("TP_Patron"), QStringLiteral("Настройка патрона: ")},
        {QStringLiteral("Броня"), kinds::kArmour, QStringLiteral("TP_Brona"), QStringLiteral("Настройка брони: ")},
        {QStringLiteral("Враги"), kinds::kEnemy, QStringLiteral("TP_Vrag"), QStringLiteral("Настройка врага: ")},
        {QStringLiteral("Стены"), kinds::kWall, QStringLiteral("TP_Wall"), QStringLiteral("Настройка стены: ")},
        {QStringLiteral("Двери"), kinds::kDoor, QStringLiteral("TP_Door"), QStringLiteral("Настройка двери: ")},
        {QStringLiteral("Освещение"), kinds::kLight, QStringLiteral("TP_Light"), QStringLiteral("Настройка света: ")},
        {QStringLiteral("Зоны"), kinds::kZone, QStringLiteral("TP_Zone"), QStringLiteral("Настройка зоны: ")},
        {QStringLiteral("Видео"), kinds::kVideo, QStringLiteral("TP_Video"), QStringLiteral("Настройка видео: ")},
        {QStringLiteral("Аудио"), kinds::kAudio, QStringLiteral("TP_Audio"), QStringLiteral("Настройка аудио: ")},
    }};
    return table;
}

const KindInfo *FindKind(const QString &kind)
{
    for (const KindInfo &info : Kinds()) {
        if (info.kind == kind)
            return &info;
    }
    return nullptr;
}

} // namespace vornik
