#include "support/test_editor.h"

#include "core/catalogue/kind_tag.h"
#include "core/catalogue/kinds.h"
#include "core/project/file_copies.h"
#include "core/project/names.h"
#include "core/project/paths.h"

namespace vornik::test {

TestEditor::TestEditor()
    : context{install.installFolder(), project, objectTree, mapList, recentProjects, map, canvas,
              dialogs, progress, shell}
{
    for (const KindInfo &kind : Kinds())
        objectTree.addSibling(0, kind.category);
}

QString TestEditor::openBareProject(const QString &name)
{
    const QString folder = install.projectPath(name);
    for (const QString &made : {MapsFolderPath(folder), MenuFolderPath(folder), ObjectsFolderPath(folder),
                                TracksFolderPath(folder)})
        MakeFolder(made);
    project.projectFolder = folder;
    project.gameName = names::kGameName;
    return folder;
}

int TestEditor::addObject(const QString &kind, const QString &name)
{
    const QString objectFolder = ObjectFolderPath(project.projectFolder, name);
    MakeFolder(objectFolder);
    CopyFileReplacing(install.systemFile(names::iconTemplate(kind)), JoinPath(objectFolder, names::kObjectIcon));
    const int category = objectTree.findText(FindKind(kind)->category);
    return objectTree.addChild(category, MakeTag(kind, name));
}

} // namespace vornik::test
