#include "core/project/project_replacement.h"

#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/project/editor_context.h"
#include "core/project/names.h"
#include "core/project/open_project.h"
#include "core/treelist/tree_list.h"

namespace vornik {

void ReplaceOpenProject(EditorContext &context, const QString &projectFolder, const TreeList &objectTree,
                        const TreeList &mapList)
{
    context.canvas.releaseHeldObject();
    context.canvas.setArmed(false);
    context.map.clear();
    // A new map of the new project starts on the canvas size of a fresh start, not the old map's.
    context.map.setCanvasSize(MapDocument::kDefaultCanvasSize);

    OpenProject fresh;
    fresh.projectFolder = projectFolder;
    fresh.gameName = names::kGameName;
    context.project = fresh;
    context.objectTree = objectTree;
    context.mapList = mapList;
}

} // namespace vornik
