#include "template_steps.h"

#include "mask_size.h"
#include "output_folder.h"

#include "core/catalogue/kinds.h"
#include "core/project/names.h"
#include "core/text/text_file.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <array>
#include <utility>

namespace {

struct IniSection {
    QString name;
    QList<std::pair<QString, QString>> keys;
};

// The player's nine weapons as the player editor first shows them.
struct WeaponDefaults {
    int damage;
    int maxRounds;
    int pause;
    bool used;
};

constexpr std::array<WeaponDefaults, vornik::names::kWeaponCount> kWeapons = {{
    {30, 32, 10, true},
    {10, 200, 25, true},
    {15, 160, 22, true},
    {20, 120, 20, false},
    {25, 90, 18, false},
    {30, 300, 16, false},
    {35, 170, 12, false},
    {50, 1200, 9, false},
    {120, 50, 50, false},
}};

constexpr int kScreenTextColours = 5;

QList<IniSection> playerSections()
{
    QList<IniSection> sections = {{QStringLiteral("dan"), {{"zdo", "100"}, {"bro", "0"}}}};
    IniSection useFlags{QStringLiteral("Weapon"), {}};
    for (int n = 1; n <= vornik::names::kWeaponCount; ++n) {
        const WeaponDefaults &weapon = kWeapons[n - 1];
        sections.append({QStringLiteral("Weapon%1").arg(n),
                         {{"Health", QString::number(weapon.damage)},
                          {"Max", QString::number(weapon.maxRounds)},
                          {"Timer", QString::number(weapon.pause)}}});
        useFlags.keys.append({QString::number(n), weapon.used ? "1" : "0"});
    }
    sections.append(useFlags);
    IniSection colours{QStringLiteral("font"), {}};
    for (int i = 1; i <= kScreenTextColours; ++i)
        colours.keys.append({QStringLiteral("color%1").arg(i), "0"});
    sections.append(colours);
    return sections;
}

// Each kind's keys as its editor shows them before the first opening.
QHash<QString, QList<IniSection>> kindSections()
{
    namespace k = vornik::kinds;
    return {
        {k::kPlayer, playerSections()},
        {k::kHealth, {{"hel", {{"zdo", "100"}}}}},
        {k::kCard, {{"par", {{"uro", "0"}}}}},
        {k::kWeapon, {{"hel", {{"zdo", "0"}}}}},
        {k::kAmmo, {{"hel", {{"zdo", "0"}, {"bro", "32"}}}}},
        {k::kArmour, {{"hel", {{"bro", "100"}}}}},
        {k::kEnemy, {{"hel", {{"zdo", "100"}, {"bro", "30"}, {"yro", "10"}}}, {"param", {{"a1", "1"}, {"a2", "1"}}}}},
        {k::kWall, {}},
        {k::kDoor, {{"hel", {{"zdo", "0"}}}}},
        {k::kLight, {{"hel", {{"zdo", "200"}, {"bro", "500"}, {"ch", "0"}, {"col", "0"}}}}},
        {k::kZone, {{"param", {{"1", "0"}}}}},
        {k::kVideo, {{"param", {{"1", "0"}}}}},
        {k::kAudio, {{"param", {{"1", "0"}, {"2", "0"}}}}},
    };
}

IniSection maskSection()
{
    return {QStringLiteral("mas"),
            {{"wid", QString::number(kMaskSize.width())},
             {"hei", QString::number(kMaskSize.height())},
             {"xse", QString::number(kMaskSize.width() / 2)},
             {"yse", QString::number(kMaskSize.height() / 2)}}};
}

QStringList iniLines(const QList<IniSection> &sections)
{
    QStringList lines;
    for (const IniSection &section : sections) {
        lines << QLatin1Char('[') + section.name + QLatin1Char(']');
        for (const auto &[key, value] : section.keys)
            lines << key + QLatin1Char('=') + value;
    }
    return lines;
}

} // namespace

void WriteSettingsTemplates(const OutputFolder &out)
{
    const QHash<QString, QList<IniSection>> sections = kindSections();
    for (const vornik::KindInfo &kind : vornik::Kinds()) {
        const QStringList lines = iniLines(QList<IniSection>{maskSection()} + sections.value(kind.kind));
        vornik::WriteTextLines(out.path(vornik::names::settingsTemplate(kind.kind)), lines);
    }
}
