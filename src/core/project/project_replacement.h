#pragma once

#include <QString>

namespace vornik {

struct EditorContext;
class TreeList;

// Makes the project in the folder the open one, with the trees read from its list files. Whatever
// the canvas held belongs to the project being replaced and is dropped unsaved (its save prompt has
// been answered by then), so none of it can later be written into the new project's folder.
void ReplaceOpenProject(EditorContext &context, const QString &projectFolder, const TreeList &objectTree,
                        const TreeList &mapList);

} // namespace vornik
