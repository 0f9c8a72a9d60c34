#include "core/project/project_save.h"

#include "core/interaction/dialogs.h"
#include "core/map/map_operations.h"
#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"
#include "core/treelist/tree_list.h"

namespace vornik {

namespace {

void writeLists(EditorContext &context)
{
    const QString folder = context.project.projectFolder;
    context.objectTree.save(ObjectListPath(folder));
    context.mapList.save(MapListPath(folder));
}

} // namespace

void WriteProject(EditorContext &context)
{
    writeLists(context);
    if (!context.project.currentMap.isEmpty())
        SaveMap(context, context.project.currentMap);
    context.project.mapModified = false;
}

void SaveProject(EditorContext &context)
{
    if (!context.project.isOpen())
        return;
    writeLists(context);
    const TreeList &maps = context.mapList;
    if (!maps.isEmpty())
        SaveMap(context, maps.text(maps.selected()));
    context.project.mapModified = false;
}

void OfferToSaveProject(EditorContext &context)
{
    if (context.project.isOpen() && context.dialogs.askYesNo(QStringLiteral("Сохранить изменения проекта?")))
        WriteProject(context);
}

} // namespace vornik
