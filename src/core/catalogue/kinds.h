#pragma once

#include <QString>

#include <span>

namespace vornik {

// One of the thirteen object kinds: its category line in the object tree, the kind word of its
// tags and templates, the editor window it opens, and that window's title prefix.
struct KindInfo {
    QString category;
    QString kind;
    QString editorClass;
    QString titlePrefix;
};

// The thirteen kinds in the order the object tree holds their categories.
std::span<const KindInfo> Kinds();

// The entry of a kind word, or nullptr for any other text.
const KindInfo *FindKind(const QString &kind);

// Kind words, as the editors and the catalogue name them.
namespace kinds {
inline const QString kPlayer = QStringLiteral("Игрок");
inline const QString kHealth = QStringLiteral("Аптечка");
inline const QString kCard = QStringLiteral("Доступ");
inline const QString kWeapon = QStringLiteral("Оружие");
inline const QString kAmmo = QStringLiteral("Патрон");
inline const QString kArmour = QStringLiteral("Броня");
inline const QString kEnemy = QStringLiteral("Враг");
inline const QString kWall = QStringLiteral("Стена");
inline const QString kDoor = QStringLiteral("Дверь");
inline const QString kLight = QStringLiteral("Свет");
inline const QString kZone = QStringLiteral("Зона");
inline const QString kVideo = QStringLiteral("Видео");
inline const QString kAudio = QStringLiteral("Аудио");
} // namespace kinds

} // namespace vornik
