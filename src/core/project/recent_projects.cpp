#include "core/project/recent_projects.h"

#include "core/project/names.h"
#include "core/project/paths.h"
#include "core/treelist/tree_list.h"

#include <QFile>

namespace vornik {

namespace {

// The text that marks an entry whose file has disappeared.
const QString kGoneMark = QStringLiteral("--");

} // namespace

QString RecentProjectsPath(const QString &installFolder)
{
    return SystemPath(installFolder, names::kRecentProjects);
}

void AddRecentProject(TreeList &recent, const QString &installFolder, const QString &path)
{
    if (recent.findText(path) == 0)
        recent.addSibling(0, path);
    recent.save(RecentProjectsPath(installFolder));
}

void RemoveRecentProject(TreeList &recent, const QString &installFolder, const QString &path)
{
    if (const int item = recent.findText(path))
        recent.remove(item);
    recent.save(RecentProjectsPath(installFolder));
}

void PruneRecentProjects(TreeList &recent, const QString &installFolder)
{
    recent.clear();
    recent.load(RecentProjectsPath(installFolder));
    // From the end, so that a removal leaves the items still to visit where they are.
    for (int item = recent.count(); item >= 1; --item) {
        const QString text = recent.text(item);
        if (text == kGoneMark || !QFile::exists(text))
            recent.remove(item);
    }
    recent.save(RecentProjectsPath(installFolder));
}

} // namespace vornik
