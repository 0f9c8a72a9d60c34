#pragma once

#include <QString>

// Path forming. The program works with the host's separator "/"; every path is a base folder
// followed by fixed names, joined with exactly one separator.
namespace vornik {

// The folder of the running executable, ending with a separator.
QString InstallFolder();

// Everything in the path up to and including its last separator; empty when it has none.
QString DirectoryPart(const QString &path);

// Joins the parts with exactly one separator between them, whatever separators the parts
// already carry at their ends. A trailing separator of the last part is kept.
QString JoinPath(const QString &base, const QString &relative);

template <typename... More>
QString JoinPath(const QString &base, const QString &relative, const More &...more)
{
    return JoinPath(JoinPath(base, relative), more...);
}

// Installation paths: the install folder, "Система" or "Временная", then a file name.
QString SystemPath(const QString &installFolder, const QString &file);
QString StagingPath(const QString &installFolder, const QString &file);

// Project paths, from the project folder.
QString ProjectSettingsPath(const QString &projectFolder);           // Игра.fps
QString ResourcesPath(const QString &projectFolder, const QString &relative = {});
QString ObjectListPath(const QString &projectFolder);
QString MapListPath(const QString &projectFolder);
QString InformationPath(const QString &projectFolder);
QString MapsFolderPath(const QString &projectFolder);
QString MenuFolderPath(const QString &projectFolder);
QString ObjectsFolderPath(const QString &projectFolder);
QString TracksFolderPath(const QString &projectFolder);
QString ObjectFolderPath(const QString &projectFolder, const QString &objectName);
QString MapFilePath(const QString &projectFolder, const QString &mapName);
QString FloorTexturePath(const QString &projectFolder, const QString &mapName);
QString CeilingTexturePath(const QString &projectFolder, const QString &mapName);

} // namespace vornik
