#include "core/project/open_project_file.h"

#include "core/interaction/dialogs.h"
#include "core/map/map_list.h"
#include "core/project/editor_context.h"
#include "core/project/paths.h"
#include "core/project/project_replacement.h"
#include "core/project/project_save.h"
#include "core/project/recent_projects.h"
#include "core/treelist/tree_list.h"

namespace vornik {

bool OpenProjectFile(EditorContext &context, const QString &path)
{
    OfferToSaveProject(context);
    const QString file = path.isEmpty() ? context.dialogs.chooseOpenFile(QStringLiteral("Файлы проекта|*.fps")) : path;
    if (file.isEmpty())
        return false;
    AddRecentProject(context.recentProjects, context.installFolder, file);

    // Any file opens the folder that holds it.
    const QString folder = DirectoryPart(file);
    TreeList mapList;
    mapList.load(MapListPath(folder));
    TreeList objectTree;
    objectTree.load(ObjectListPath(folder));
    ReplaceOpenProject(context, folder, objectTree, mapList);

    if (!context.mapList.isEmpty()) {
        context.mapList.setSelected(1);
        SelectMap(context);
    }
    return true;
}

} // namespace vornik
