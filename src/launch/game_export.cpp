#include "launch/game_export.h"

#include "core/interaction/shell.h"
#include "core/project/editor_context.h"
#include "core/project/file_copies.h"
#include "core/project/names.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"

namespace vornik {

namespace {

void exportWith(EditorContext &context, const QString &templateName, const QString &projectFile)
{
    const QString folder = context.project.projectFolder;
    if (folder.isEmpty())
        return;
    CopyFileIfMissing(SystemPath(context.installFolder, templateName), JoinPath(folder, projectFile));
    CopyFileIfMissing(SystemPath(context.installFolder, names::kEngineLibrary),
                      JoinPath(folder, names::kEngineLibrary));
    context.shell.openFolder(folder);
}

} // namespace

void ExportGameExe(EditorContext &context)
{
    exportWith(context, names::kEngine, names::kExportedEngine);
}

void ExportGameMakerProject(EditorContext &context)
{
    exportWith(context, names::kEngineGame, names::kEngineGame);
}

} // namespace vornik
