#include "core/map/map_list.h"

#include "core/interaction/dialogs.h"
#include "core/map/map_operations.h"
#include "core/project/editor_context.h"
#include "core/project/file_copies.h"
#include "core/project/names.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"
#include "core/text/cp1251.h"
#include "core/treelist/tree_list.h"

#include <QFile>

namespace vornik {

namespace {

const QString kNewMapTitle = QStringLiteral("Добавление карты");
const QString kRenameTitle = QStringLiteral("Переименовать");
const QString kNamePrompt = QStringLiteral("Введите имя:");
const QString kDefaultMapName = QStringLiteral("Карта");
const QString kDeleteQuestion = QStringLiteral("Удалить карту: %1 ?");
const QString kCannotRenameMap = QStringLiteral("Не могу переименовать карту!");
const QString kCannotRenameFloor = QStringLiteral("Не могу переименовать текстуру пола!");
const QString kCannotRenameCeiling = QStringLiteral("Не могу переименовать текстуру потолка!");

// The map list's operations need an open project and at least one entry.
bool hasMaps(const EditorContext &context)
{
    return context.project.isOpen() && !context.mapList.isEmpty();
}

// The name as it will be stored: cleaned, unique in the list, and writable in Windows-1251 (a
// name the code page cannot hold is refused before anything changes).
QString enteredMapName(const EditorContext &context, const QString &answer)
{
    const QString name = UniqueMapName(context.mapList, CleanMapName(answer));
    EncodeCp1251(name);
    return name;
}

void renameFile(EditorContext &context, const QString &from, const QString &to, const QString &failure)
{
    if (!QFile::rename(from, to))
        context.dialogs.showMessage(failure);
}

void swapWithSelected(TreeList &mapList, int other)
{
    const int selected = mapList.selected();
    const QString moved = mapList.text(selected);
    mapList.setText(selected, mapList.text(other));
    mapList.setText(other, moved);
    mapList.setSelected(other);
}

} // namespace

void SelectMap(EditorContext &context)
{
    if (!hasMaps(context))
        return;
    OfferToSaveMap(context);
    OpenProject &project = context.project;
    project.currentMap = context.mapList.text(context.mapList.selected());
    LoadMap(context, project.currentMap);
}

void NewMap(EditorContext &context)
{
    if (!context.project.isOpen())
        return;
    TreeList &mapList = context.mapList;
    const QString defaultName = kDefaultMapName + QString::number(mapList.count() + 1);
    const QString name = enteredMapName(context, context.dialogs.inputText(kNewMapTitle, kNamePrompt, defaultName));
    mapList.addSibling(0, name);
    const QString &folder = context.project.projectFolder;
    CopyFileReplacing(SystemPath(context.installFolder, names::kFloorTemplate), FloorTexturePath(folder, name));
    CopyFileReplacing(SystemPath(context.installFolder, names::kCeilingTemplate), CeilingTexturePath(folder, name));
    if (mapList.selected() == 1)
        SelectMap(context);
}

void DeleteMap(EditorContext &context)
{
    if (!hasMaps(context))
        return;
    TreeList &mapList = context.mapList;
    const QString name = mapList.text(mapList.selected());
    if (!context.dialogs.askYesNo(kDeleteQuestion.arg(name)))
        return;
    const QString &folder = context.project.projectFolder;
    QFile::remove(MapFilePath(folder, name));
    QFile::remove(FloorTexturePath(folder, name));
    QFile::remove(CeilingTexturePath(folder, name));
    // The canvas of a deleted map is dropped with its unsaved changes, so nothing writes it back.
    if (name == context.project.currentMap) {
        ClearMap(context, false);
        context.project.currentMap.clear();
        context.project.mapModified = false;
    }
    mapList.remove(mapList.selected());
    if (!mapList.isEmpty())
        SelectMap(context);
}

void MoveMapUp(EditorContext &context)
{
    if (!hasMaps(context) || context.mapList.selected() == 1)
        return;
    swapWithSelected(context.mapList, context.mapList.selected() - 1);
}

void MoveMapDown(EditorContext &context)
{
    if (!hasMaps(context) || context.mapList.selected() == context.mapList.count())
        return;
    swapWithSelected(context.mapList, context.mapList.selected() + 1);
}

void RenameMap(EditorContext &context)
{
    if (!hasMaps(context))
        return;
    TreeList &mapList = context.mapList;
    const int selected = mapList.selected();
    const QString oldName = mapList.text(selected);
    const QString answer = context.dialogs.inputText(kRenameTitle, kNamePrompt, oldName);
    if (answer.isEmpty())
        return;
    const QString newName = enteredMapName(context, answer);
    const QString &folder = context.project.projectFolder;
    renameFile(context, MapFilePath(folder, oldName), MapFilePath(folder, newName), kCannotRenameMap);
    renameFile(context, FloorTexturePath(folder, oldName), FloorTexturePath(folder, newName), kCannotRenameFloor);
    renameFile(context, CeilingTexturePath(folder, oldName), CeilingTexturePath(folder, newName),
               kCannotRenameCeiling);
    mapList.setText(selected, newName);
    // The canvas keeps showing the renamed map, so its later saves go to the new name.
    if (context.project.currentMap == oldName)
        context.project.currentMap = newName;
}

QString CleanMapName(const QString &name)
{
    QString result = name;
    result.remove(QLatin1Char('\t'));
    for (const QChar removed : {QLatin1Char(' '), QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char('_')})
        result.remove(removed);
    return result;
}

QString UniqueMapName(const TreeList &mapList, const QString &name)
{
    const auto taken = [&mapList](const QString &candidate) {
        for (int item = 1; item <= mapList.count(); ++item) {
            if (mapList.text(item).compare(candidate, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    QString result = name;
    while (taken(result))
        result += QLatin1Char('1');
    return result;
}

} // namespace vornik
