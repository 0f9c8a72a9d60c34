#include "launch/test_launch.h"

#include "core/interaction/shell.h"
#include "core/map/map_operations.h"
#include "core/project/editor_context.h"
#include "core/project/names.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"
#include "core/project/project_settings.h"
#include "core/treelist/tree_list.h"

namespace vornik {

namespace {

void launch(EditorContext &context, int level)
{
    WriteTestLevel(context.project.projectFolder, level);
    context.shell.startProgram(SystemPath(context.installFolder, names::kEngine), context.project.projectFolder);
}

} // namespace

void RunMapTest(EditorContext &context)
{
    if (!context.project.isOpen() || context.project.currentMap.isEmpty())
        return;
    // The engine reads what is on disk.
    OfferToSaveMap(context);
    // Levels count from 1; a map missing from the list plays as the whole game.
    launch(context, context.mapList.lineIndexOf(context.project.currentMap) + 1);
}

void RunGameTest(EditorContext &context)
{
    if (!context.project.isOpen())
        return;
    OfferToSaveMap(context);
    launch(context, 0);
}

} // namespace vornik
