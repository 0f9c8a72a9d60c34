#include "core/project/paths.h"

#include "core/project/names.h"

#include <QCoreApplication>
#include <QDir>

namespace vornik {

namespace {
constexpr QChar kSeparator = QLatin1Char('/');
}

QString InstallFolder()
{
    return JoinPath(QCoreApplication::applicationDirPath(), QString());
}

QString DirectoryPart(const QString &path)
{
    const QString host = QDir::fromNativeSeparators(path);
    const qsizetype last = host.lastIndexOf(kSeparator);
    return last < 0 ? QString() : host.left(last + 1);
}

QString JoinPath(const QString &base, const QString &relative)
{
    QString left = QDir::fromNativeSeparators(base);
    QString right = QDir::fromNativeSeparators(relative);
    while (left.endsWith(kSeparator))
        left.chop(1);
    qsizetype start = 0;
    while (start < right.size() && right.at(start) == kSeparator)
        ++start;
    return left + kSeparator + right.mid(start);
}

QString SystemPath(const QString &installFolder, const QString &file)
{
    return JoinPath(installFolder, names::kSystemFolder, file);
}

QString StagingPath(const QString &installFolder, const QString &file)
{
    return JoinPath(installFolder, names::kStagingFolder, file);
}

QString ProjectSettingsPath(const QString &projectFolder)
{
    return JoinPath(projectFolder, names::kGameName + names::kProjectSettingsSuffix);
}

QString ResourcesPath(const QString &projectFolder, const QString &relative)
{
    const QString resources = JoinPath(projectFolder, names::kResourcesFolder);
    return relative.isEmpty() ? resources : JoinPath(resources, relative);
}

QString ObjectListPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kObjectListFile);
}

QString MapListPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kMapListFile);
}

QString InformationPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kInformationFile);
}

QString MapsFolderPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kMapsFolder);
}

QString MenuFolderPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kMenuFolder);
}

QString ObjectsFolderPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kObjectsFolder);
}

QString TracksFolderPath(const QString &projectFolder)
{
    return ResourcesPath(projectFolder, names::kTracksFolder);
}

QString ObjectFolderPath(const QString &projectFolder, const QString &objectName)
{
    return JoinPath(ObjectsFolderPath(projectFolder), objectName);
}

QString MapFilePath(const QString &projectFolder, const QString &mapName)
{
    return JoinPath(MapsFolderPath(projectFolder), mapName + names::kMapFileSuffix);
}

QString FloorTexturePath(const QString &projectFolder, const QString &mapName)
{
    return JoinPath(MapsFolderPath(projectFolder), mapName + names::kFloorSuffix);
}

QString CeilingTexturePath(const QString &projectFolder, const QString &mapName)
{
    return JoinPath(MapsFolderPath(projectFolder), mapName + names::kCeilingSuffix);
}

} // namespace vornik
