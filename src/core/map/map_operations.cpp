#include "core/map/map_operations.h"

#include "core/catalogue/current_object.h"
#include "core/catalogue/kind_tag.h"
#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/interaction/dialogs.h"
#include "core/map/canvas_controller.h"
#include "core/map/integer_text.h"
#include "core/map/map_document.h"
#include "core/map/map_file.h"
#include "core/map/placed_icon_path.h"
#include "core/map/progress_hiding.h"
#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"

#include <QFileInfo>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vornik {

namespace {

const QString kCannotFindFile = QStringLiteral("Не могу найти файл:");
const QString kClearingText = QStringLiteral("Очистка карты...");
const QString kLoadingText = QStringLiteral("Загрузка карты...");
const QString kSavingText = QStringLiteral("Сохранение карты...");
// Both coordinates of kOffMapPosition as the file writes them.
constexpr QByteArrayView kOffMapCoordinate = "-32";

std::shared_ptr<const QImage> pictureOf(EditorContext &context, const QString &objectName, const QString &path)
{
    return StaysInObjectsFolder(objectName) ? context.map.icons().icon(path) : nullptr;
}

// The common end of every placement: an entry without picture is reported, appended all the same,
// and the canvas treats it as newly placed.
int appendPlaced(EditorContext &context, QPoint position, const QString &tag, const QString &iconPath,
                 std::shared_ptr<const QImage> picture)
{
    if (!picture)
        context.dialogs.showMessage(kCannotFindFile + iconPath);
    const int index = context.map.add(position, tag, std::move(picture));
    context.canvas.markNewlyPlaced();
    return index;
}

int fieldValue(QByteArrayView field)
{
    const std::optional<int> value = TryParseInteger(std::string_view(field.data(), field.size()));
    if (!value)
        throw VornikError(messages::notValidInteger(DecodeCp1251(field.toByteArray())));
    return *value;
}

// What a map file's tag stands for, worked out once per distinct tag of the file.
struct TagCopies {
    QString tag;
    QString objectName;
    QString iconPath;
    std::shared_ptr<const QImage> picture;
};

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

class TagTable {
public:
    explicit TagTable(EditorContext &context) : m_context(context) {}

    const TagCopies &of(QByteArrayView tagBytes)
    {
        const std::string_view key(tagBytes.data(), tagBytes.size());
        auto found = m_tags.find(key);
        if (found == m_tags.end())
            found = m_tags.emplace(std::string(key), resolve(tagBytes)).first;
        return found->second;
    }

private:
    TagCopies resolve(QByteArrayView tagBytes)
    {
        TagCopies copies;
        copies.tag = DecodeCp1251(tagBytes.toByteArray());
        copies.objectName = NameOfTag(copies.tag);
        copies.iconPath = PlacedIconPath(m_context.project.projectFolder, copies.objectName);
        copies.picture = pictureOf(m_context, copies.objectName, copies.iconPath);
        return copies;
    }

    EditorContext &m_context;
    std::unordered_map<std::string, TagCopies, TextHash, std::equal_to<>> m_tags;
};

void readMapFile(EditorContext &context, const QString &path)
{
    const QByteArray bytes = ReadFileBytes(path);
    MapFileLines lines(bytes);
    MapDocument &map = context.map;
    if (const QByteArrayView width = lines.next(); !width.isEmpty())
        map.setCanvasSize(QSize(fieldValue(width), map.canvasSize().height()));
    if (const QByteArrayView height = lines.next(); !height.isEmpty())
        map.setCanvasSize(QSize(map.canvasSize().width(), fieldValue(height)));
    const QByteArrayView countLine = lines.next();
    const qint64 objectLines = qint64(countLine.isEmpty() ? -1 : fieldValue(countLine)) + 1;
    context.progress.setText(kLoadingText);

    MapDocument::BulkChange bulk(map);
    map.reserve(map.count() + int(std::clamp<qint64>(objectLines, 0, lines.remainingBound())));
    TagTable tags(context);
    for (qint64 line = 0; line < objectLines; ++line) {
        const MapObjectLine fields = SplitObjectLine(lines.next());
        if (fields.x == kOffMapCoordinate && fields.y == kOffMapCoordinate)
            continue;
        const TagCopies &copies = tags.of(fields.tag);
        context.project.currentObjectName = copies.objectName;
        const QPoint position(fieldValue(fields.x), fieldValue(fields.y));
        appendPlaced(context, position, copies.tag, copies.iconPath, copies.picture);
    }
}

} // namespace

int AddPlacedObject(EditorContext &context, int x, int y, const QString &tag)
{
    const OpenProject &project = context.project;
    const QString iconPath = PlacedIconPath(project.projectFolder, project.currentObjectName);
    auto picture = pictureOf(context, project.currentObjectName, iconPath);
    const QString entryTag = tag.isEmpty() ? MakeTag(project.currentObjectKind, project.currentObjectName) : tag;
    return appendPlaced(context, QPoint(x, y), entryTag, iconPath, std::move(picture));
}

void DeletePlacedObject(EditorContext &context, int index)
{
    if (index < 0 || index >= context.map.count())
        return;
    context.canvas.releaseHeldObject();
    context.map.remove(index);
}

void ClearMap(EditorContext &context, bool keepProgressShown)
{
    ShowProgress(context.progress, kClearingText);
    context.canvas.releaseHeldObject();
    context.map.clear();
    TakeCurrentObjectFromSelection(context.objectTree, context.project);
    if (!keepProgressShown)
        context.progress.hide();
}

void LoadMap(EditorContext &context, const QString &mapName)
{
    ClearMap(context, true);
    ProgressHiding hiding(context.progress);
    const QString path = MapFilePath(context.project.projectFolder, mapName);
    if (QFileInfo::exists(path))
        readMapFile(context, path);
    TakeCurrentObjectFromSelection(context.objectTree, context.project);
}

void SaveMap(EditorContext &context, const QString &mapName)
{
    ShowProgress(context.progress, kSavingText);
    ProgressHiding hiding(context.progress);
    const MapDocument &map = context.map;
    WriteFileBytes(MapFilePath(context.project.projectFolder, mapName), FormatMapFile(map.canvasSize(), map.entries()));
    TakeCurrentObjectFromSelection(context.objectTree, context.project);
}

void OfferToSaveMap(EditorContext &context)
{
    OpenProject &project = context.project;
    // Without a current map there is no file the changes could go to.
    if (project.mapModified && !project.currentMap.isEmpty()
        && context.dialogs.askYesNo(QStringLiteral("Сохранить изменения карты?")))
        SaveMap(context, project.currentMap);
    project.mapModified = false;
}

} // namespace vornik
