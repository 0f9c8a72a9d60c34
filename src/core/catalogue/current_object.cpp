#include "core/catalogue/current_object.h"

#include "core/catalogue/kind_tag.h"
#include "core/project/open_project.h"
#include "core/treelist/tree_list.h"

namespace vornik {

void TakeCurrentObjectFromSelection(const TreeList &objectTree, OpenProject &project)
{
    if (objectTree.isEmpty() || objectTree.selected() == 0)
        return;
    const QString line = objectTree.text(objectTree.selected());
    const QString kind = KindOfTag(line);
    if (kind.isEmpty())
        return;
    project.currentObjectName = NameOfTag(line);
    project.currentObjectKind = kind;
}

} // namespace vornik
