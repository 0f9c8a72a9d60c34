#include "core/project/project_settings.h"

#include "core/ini/ini_file.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"

#include <QFile>

namespace vornik {

namespace {

const QString kAuthorSection = QStringLiteral("globalnie");
const QString kTestSection = QStringLiteral("test");
const QString kTestLevelKey = QStringLiteral("level");

} // namespace

const std::array<AuthorField, kAuthorFieldCount> &AuthorFields()
{
    static const std::array<AuthorField, kAuthorFieldCount> fields = {{
        {QStringLiteral("avtor"), QStringLiteral("Автор:")},
        {QStringLiteral("icq"), QStringLiteral("ICQ:")},
        {QStringLiteral("E-mail"), QStringLiteral("E-mail:")},
        {QStringLiteral("versija"), QStringLiteral("Версия:")},
        {QStringLiteral("licensija"), QStringLiteral("Тип лицензии:")},
        {QStringLiteral("nomer"), QStringLiteral("Уникальный номер:")},
        {QStringLiteral("sajt"), QStringLiteral("Сайт:")},
    }};
    return fields;
}

AuthorData ReadAuthorData(const QString &projectFolder)
{
    const IniFile settings(ProjectSettingsPath(projectFolder));
    AuthorData values;
    for (std::size_t i = 0; i < kAuthorFieldCount; ++i)
        values[i] = settings.readString(kAuthorSection, AuthorFields()[i].key, QString());
    return values;
}

void WriteAuthorData(const QString &projectFolder, const AuthorData &values)
{
    const IniFile settings(ProjectSettingsPath(projectFolder));
    for (std::size_t i = 0; i < kAuthorFieldCount; ++i)
        settings.writeString(kAuthorSection, AuthorFields()[i].key, values[i]);
}

std::optional<QString> ReadProjectNotes(const QString &projectFolder)
{
    const QString path = InformationPath(projectFolder);
    if (!QFile::exists(path))
        return std::nullopt;
    return ReadTextFile(path);
}

void WriteProjectNotes(const QString &projectFolder, const QString &text)
{
    WriteTextFile(InformationPath(projectFolder), text);
}

void WriteTestLevel(const QString &projectFolder, int level)
{
    IniFile(ProjectSettingsPath(projectFolder)).writeInteger(kTestSection, kTestLevelKey, level);
}

} // namespace vornik
