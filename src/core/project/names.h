#pragma once

#include <QString>
#include <QStringList>

// Every fixed folder and file name of a project and of the installation, written once.
// These names are read by the game engine: they must stay exactly as they are.
namespace vornik::names {

// Installation folder.
inline const QString kSystemFolder = QStringLiteral("Система");
inline const QString kStagingFolder = QStringLiteral("Временная");
inline const QString kStartIni = QStringLiteral("Start.ini");

// Templates and engine in the system folder.
inline const QString kGameTemplate = QStringLiteral("Игра.fps");
inline const QString kStandardObjectList = QStringLiteral("Стандартный список объектов.txt");
inline const QString kRecentProjects = QStringLiteral("Список проектов.txt");
inline const QString kWinScreen = QStringLiteral("Игра_пройдена.png");
inline const QString kLoseScreen = QStringLiteral("Вы_проиграли.png");
inline const QString kMenuBackground = QStringLiteral("Фон.png");
inline const QString kMenuContinue = QStringLiteral("Продолжить.jpg");
inline const QString kMenuNewGame = QStringLiteral("Новая_игра.jpg");
inline const QString kMenuSave = QStringLiteral("Сохранить.jpg");
inline const QString kMenuLoad = QStringLiteral("Загрузить.jpg");
inline const QString kMenuExit = QStringLiteral("Выход.jpg");
inline const QString kFloorTemplate = QStringLiteral("Текстура_пол.png");
inline const QString kCeilingTemplate = QStringLiteral("Текстура_потолок.png");
inline const QString kNotesTemplate = QStringLiteral("Блокнот.txt");
inline const QString kEngine = QStringLiteral("3d.exe");
inline const QString kEngineLibrary = QStringLiteral("Engine_files.dll");
inline const QString kEngineGame = QStringLiteral("gm8.gmk");

// Per-kind object templates: kind word + ".bmp", "Маска_" + kind, "Настройка_" + kind.
QString iconTemplate(const QString &kind);
QString maskTemplate(const QString &kind);
QString settingsTemplate(const QString &kind);

// Texture templates of the kinds that have them.
inline const QString kTextureHealth = QStringLiteral("Текстура_аптечка.png");
inline const QString kTextureCard = QStringLiteral("Текстура_карта_доступа.png");
inline const QString kTextureWeapon = QStringLiteral("Текстура_оружие.png");
inline const QString kTextureAmmo = QStringLiteral("Текстура_патроны.png");
inline const QString kTextureArmour = QStringLiteral("Текстура_броня.png");
inline const QString kTextureWall = QStringLiteral("Текстура_стена.png");
inline const QString kTextureDoor = QStringLiteral("Текстура_дверь.png");
inline const QString kTextureEnemyWalk = QStringLiteral("Текстура_враг_1.gif");
inline const QString kTextureEnemyShoot = QStringLiteral("Текстура_враг_2.gif");

// The player's screen icons and damage overlay, as templates.
inline const QString kPlayerArmourIconTemplate = QStringLiteral("Иконка_Броня.bmp");
inline const QString kPlayerHealthIconTemplate = QStringLiteral("Иконка_Здоровье.bmp");
inline const QString kPlayerCardIconTemplate = QStringLiteral("Иконка_Карта доступа.bmp");
inline const QString kPlayerAmmoIconTemplate = QStringLiteral("Иконка_Патроны.bmp");
inline const QString kPlayerCrosshairIconTemplate = QStringLiteral("Иконка_Прицел.bmp");
inline const QString kDamageOverlay = QStringLiteral("Урон.png");

inline constexpr int kWeaponCount = 9;
// "Оружие_N_P.png": weapon N (1..9), picture P (1 idle, 2 firing); the same name in the template
// folder and in the player's object folder.
QString weaponPicture(int weapon, int picture);

// Project folder tree.
inline const QString kGameName = QStringLiteral("Игра");
inline const QString kProjectSettingsSuffix = QStringLiteral(".fps");
inline const QString kResourcesFolder = QStringLiteral("Ресурсы");
inline const QString kObjectListFile = QStringLiteral("Объекты.list");
inline const QString kMapListFile = QStringLiteral("Карты.list");
inline const QString kInformationFile = QStringLiteral("Информация.txt");
inline const QString kMapsFolder = QStringLiteral("Карты");
inline const QString kMenuFolder = QStringLiteral("Меню");
inline const QString kObjectsFolder = QStringLiteral("Объекты");
inline const QString kTracksFolder = QStringLiteral("Треки");
inline const QString kExportedEngine = QStringLiteral("Запуск.exe");

// Per map, in the maps folder.
inline const QString kMapFileSuffix = QStringLiteral(".map_.txt");
inline const QString kFloorSuffix = QStringLiteral("_пол.png");
inline const QString kCeilingSuffix = QStringLiteral("_потолок.png");

// Per object, in the object folder.
inline const QString kObjectIcon = QStringLiteral("Иконка.bmp");
inline const QString kObjectMask = QStringLiteral("Маска.bmp");
inline const QString kObjectNotes = QStringLiteral("Блокнот.txt");
inline const QString kObjectSettings = QStringLiteral("Настройка.ini");
inline const QString kObjectTexture = QStringLiteral("Текстура.png");
inline const QString kEnemyWalkGif = QStringLiteral("Текстура1.gif");
inline const QString kEnemyShootGif = QStringLiteral("Текстура2.gif");
inline const QString kEnemyWalkPng = QStringLiteral("Текстура1.png");
inline const QString kEnemyShootPng = QStringLiteral("Текстура2.png");
inline const QString kObjectVideo = QStringLiteral("Видео.avi");
// Base name of an object's sound slot; the file is this name, "." and a sound extension.
inline const QString kSoundSlot = QStringLiteral("Звук");
inline const QString kPlayerArmourIcon = QStringLiteral("Иконка броня.bmp");
inline const QString kPlayerHealthIcon = QStringLiteral("Иконка здоровье.bmp");
inline const QString kPlayerCardIcon = QStringLiteral("Иконка доступ.bmp");
inline const QString kPlayerAmmoIcon = QStringLiteral("Иконка патроны.bmp");
inline const QString kPlayerCrosshairIcon = QStringLiteral("Иконка прицел.bmp");

// The menu pictures a new project receives, in the order they are copied.
QStringList menuPictures();

} // namespace vornik::names
