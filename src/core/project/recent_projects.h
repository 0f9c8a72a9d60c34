#pragma once

#include <QString>

// The recent-project list: full paths of project settings files, oldest first, kept in the system
// folder's "Список проектов.txt". Every change writes the list file at once.
namespace vornik {

class TreeList;

QString RecentProjectsPath(const QString &installFolder);

// Appends the path unless an entry equals it exactly; writes the list file either way.
void AddRecentProject(TreeList &recent, const QString &installFolder, const QString &path);
// Deletes the first entry equal to the path; writes the list file.
void RemoveRecentProject(TreeList &recent, const QString &installFolder, const QString &path);
// Reloads the list file and drops every entry whose file no longer exists; writes the list file.
// A list file that cannot be read leaves the list empty and throws its error.
void PruneRecentProjects(TreeList &recent, const QString &installFolder);

} // namespace vornik
