#include "launch/test_launch.h"

#include "core/interaction/dialogs.h"
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

// The engine reads what is on disk, so unsaved changes of the map are offered for saving first.
// The flag is cleared whatever the answer: the changes are not asked about again.
void offerToSaveMap(EditorContext &context)
{
    OpenProject &project = context.project;
    if (project.mapModified && !project.currentMap.isEmpty()
        && context.dialogs.askYesNo(QStringLiteral("Сохранить изменения карты?")))
        SaveMap(context, project.currentMap);
    project.mapModified = false;
}

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
    offerToSaveMap(context);
    // Levels count from 1; a map missing from the list plays as the whole game.
    launch(context, context.mapList.lineIndexOf(context.project.currentMap) + 1);
}

void RunGameTest(EditorContext &context)
{
    if (!context.project.isOpen())
        return;
    offerToSaveMap(context);
    launch(context, 0);
}

} // namespace vornik
