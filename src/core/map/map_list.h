#pragma once

#include <QString>

namespace vornik {

struct EditorContext;

// The map list's operations; each acts on the list's selected entry.
void SelectMap(EditorContext &context);
void NewMap(EditorContext &context);
void DeleteMap(EditorContext &context);
void MoveMapUp(EditorContext &context);
void MoveMapDown(EditorContext &context);
void RenameMap(EditorContext &context);

// Removes TAB, space, "\", "/" and "_"; then appends "1" while any entry has the name
// regardless of letter case.
QString CleanMapName(const QString &name);
QString UniqueMapName(const class TreeList &mapList, const QString &name);

} // namespace vornik
