#pragma once

namespace vornik {

struct OpenProject;
class TreeList;

// When the tree's selected line is an object line, it becomes the current object; otherwise the
// current object stays as it is.
void TakeCurrentObjectFromSelection(const TreeList &objectTree, OpenProject &project);

} // namespace vornik
