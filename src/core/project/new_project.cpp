#include "core/project/new_project.h"

#include "core/interaction/dialogs.h"
#include "core/map/map_list.h"
#include "core/map/progress_hiding.h"
#include "core/project/editor_context.h"
#include "core/project/file_copies.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "core/project/project_replacement.h"
#include "core/project/project_save.h"
#include "core/project/recent_projects.h"
#include "core/treelist/tree_list.h"

#include <QFile>

namespace vornik {

namespace {

void makeFolders(const QString &folder)
{
    MakeFolder(folder);
    for (const QString &sub : {names::kMapsFolder, names::kMenuFolder, names::kObjectsFolder, names::kTracksFolder})
        MakeFolder(ResourcesPath(folder, sub));
}

void copyMenuPictures(const QString &installFolder, const QString &folder)
{
    const QString winScreen = SystemPath(installFolder, names::kWinScreen);
    CopyFileIfMissing(winScreen, JoinPath(MenuFolderPath(folder), names::kWinScreen));
    // An installation without a lose screen of its own shows the win screen instead.
    const QString loseScreen = SystemPath(installFolder, names::kLoseScreen);
    CopyFileIfMissing(QFile::exists(loseScreen) ? loseScreen : winScreen,
                      JoinPath(MenuFolderPath(folder), names::kLoseScreen));
    for (const QString &picture : names::menuPictures())
        CopyFileIfMissing(SystemPath(installFolder, picture), JoinPath(MenuFolderPath(folder), picture));
}

} // namespace

bool NewProject(EditorContext &context)
{
    OfferToSaveProject(context);
    // A folder path, taken exactly as chosen, though the dialog is a file dialog.
    const QString folder = context.dialogs.chooseSaveFile(QString());
    if (folder.isEmpty())
        return false;
    ShowProgress(context.progress, QStringLiteral("Идет создание нового проекта..."));
    const ProgressHiding hiding(context.progress);

    makeFolders(folder);
    copyMenuPictures(context.installFolder, folder);
    const TreeList emptyMapList;
    emptyMapList.save(MapListPath(folder));
    CopyFileIfMissing(SystemPath(context.installFolder, names::kGameTemplate), ProjectSettingsPath(folder));
    AddRecentProject(context.recentProjects, context.installFolder, ProjectSettingsPath(folder));
    CopyFileIfMissing(SystemPath(context.installFolder, names::kStandardObjectList), ObjectListPath(folder));
    // The new project replaces the open one only once both of its lists are on disk and read.
    TreeList objectTree;
    objectTree.load(ObjectListPath(folder));
    ReplaceOpenProject(context, folder, objectTree, emptyMapList);

    NewMap(context);
    SelectMap(context);
    SaveProject(context);
    return true;
}

} // namespace vornik
