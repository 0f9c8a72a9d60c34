#include "core/catalogue/catalogue_operations.h"

#include "core/catalogue/kind_tag.h"
#include "core/catalogue/kinds.h"
#include "core/catalogue/new_object_name.h"
#include "core/catalogue/object_templates.h"
#include "core/error/vornik_error.h"
#include "core/interaction/dialogs.h"
#include "core/map/canvas_controller.h"
#include "core/project/editor_context.h"
#include "core/project/file_copies.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"
#include "core/treelist/tree_list.h"

namespace vornik {

namespace {

// The kind of the selected line: its tag's kind for an object line, its category's for a category.
QString selectedKind(const TreeList &tree)
{
    const QString line = tree.text(tree.selected());
    const QString kind = KindOfTag(line);
    return kind.isEmpty() ? KindOfCategory(line) : kind;
}

bool selectedIsObject(const TreeList &tree)
{
    return !tree.isEmpty() && !KindOfTag(tree.text(tree.selected())).isEmpty();
}

void fillObjectFolder(const EditorContext &context, const QString &kind, const QString &name)
{
    const QString folder = ObjectFolderPath(context.project.projectFolder, name);
    MakeFolder(folder);
    for (const TemplateCopy &copy : ObjectTemplateCopies(kind))
        CopyFileReplacing(SystemPath(context.installFolder, copy.templateName), JoinPath(folder, copy.objectFile));
}

} // namespace

void ClickObjectTreeLine(EditorContext &context)
{
    if (selectedIsObject(context.objectTree))
        context.canvas.setArmed(true);
    else
        context.canvas.releaseHeldObject();
}

void AddObject(EditorContext &context)
{
    TreeList &tree = context.objectTree;
    if (tree.isEmpty() || !context.project.isOpen())
        return;
    const QString kind = selectedKind(tree);
    if (!FindKind(kind))
        throw VornikError(QStringLiteral("Объект не добавлен: строка «%1» не относится ни к одной категории объектов.")
                              .arg(tree.text(tree.selected())));
    const QString defaultName = QStringLiteral("Объект") + QString::number(tree.count());
    const QString answer =
        context.dialogs.inputText(QStringLiteral("Добавление объекта"), QStringLiteral("Введите имя:"), defaultName);
    if (answer.isEmpty())
        return;
    const QString name = AcceptNewObjectName(tree, answer);

    const QString tag = MakeTag(kind, name);
    const int selected = tree.selected();
    if (selectedIsObject(tree))
        tree.addSibling(selected, tag);
    else
        tree.addChild(selected, tag);
    fillObjectFolder(context, kind, name);
}

void DeleteObject(EditorContext &context)
{
    TreeList &tree = context.objectTree;
    if (!selectedIsObject(tree))
        return;
    const QString line = tree.text(tree.selected());
    if (!context.dialogs.askYesNo(QStringLiteral("Удалить объект: ") + line + QStringLiteral(" ?")))
        return;
    context.canvas.releaseHeldObject();
    tree.remove(tree.selected());
    ClickObjectTreeLine(context);
}

PropertiesRequest OpenProperties(EditorContext &context)
{
    context.canvas.releaseHeldObject();
    const TreeList &tree = context.objectTree;
    if (!context.project.isOpen() || !selectedIsObject(tree))
        return {};
    const QString line = tree.text(tree.selected());
    const QString name = NameOfTag(line);
    context.project.currentObjectName = name;
    const KindInfo *kind = FindKind(KindOfTag(line));
    if (!kind)
        return {};
    return {kind, kind->titlePrefix + name};
}

} // namespace vornik
