#include "core/map/map_document.h"

#include <algorithm>

namespace vornik {

MapDocument::MapDocument(QObject *parent)
    : QObject(parent)
{
}

void MapDocument::setCanvasSize(QSize size)
{
    if (size == m_canvasSize)
        return;
    m_canvasSize = size;
    emit canvasSizeChanged(size);
}

int MapDocument::add(QPoint position, const QString &tag, std::shared_ptr<const QImage> picture)
{
    const std::uint64_t serial = m_nextSerial++;
    m_entries.push_back({position, tag, std::move(picture)});
    m_serials.push_back(serial);
    const QRect area = m_entries.back().area();
    m_index.insert(serial, area);
    announce(QRect(), area);
    return count() - 1;
}

void MapDocument::remove(int index)
{
    const QRect area = m_entries.at(index).area();
    m_index.remove(m_serials[index], area);
    m_entries.erase(m_entries.begin() + index);
    m_serials.erase(m_serials.begin() + index);
    announce(area, QRect());
}

void MapDocument::move(int index, QPoint position)
{
    PlacedObject &entry = m_entries.at(index);
    if (entry.position == position)
        return;
    const QRect oldArea = entry.area();
    m_index.remove(m_serials[index], oldArea);
    entry.position = position;
    const QRect newArea = entry.area();
    m_index.insert(m_serials[index], newArea);
    announce(oldArea, newArea);
}

void MapDocument::setPicture(int index, std::shared_ptr<const QImage> picture)
{
    PlacedObject &entry = m_entries.at(index);
    const QRect oldArea = entry.area();
    m_index.remove(m_serials[index], oldArea);
    entry.picture = std::move(picture);
    const QRect newArea = entry.area();
    m_index.insert(m_serials[index], newArea);
    announce(oldArea, newArea);
}

void MapDocument::clear()
{
    m_entries.clear();
    m_serials.clear();
    m_index.clear();
    m_icons.clear();
    if (m_bulkDepth == 0)
        emit reset();
}

void MapDocument::reserve(int count)
{
    m_entries.reserve(count);
    m_serials.reserve(count);
}

int MapDocument::topmostAt(QPoint point) const
{
    std::uint64_t best = 0;
    bool found = false;
    m_index.visit(QRect(point, QSize(1, 1)), [&](const SpatialIndex::Item &item) {
        if ((!found || item.serial > best) && item.area.contains(point)) {
            best = item.serial;
            found = true;
        }
    });
    return found ? indexOfSerial(best) : -1;
}

std::vector<int> MapDocument::entriesIn(const QRect &area) const
{
    std::vector<std::uint64_t> serials;
    m_index.visit(area, [&](const SpatialIndex::Item &item) {
        if (item.area.intersects(area))
            serials.push_back(item.serial);
    });
    std::sort(serials.begin(), serials.end());
    serials.erase(std::unique(serials.begin(), serials.end()), serials.end());
    std::vector<int> indexes;
    indexes.reserve(serials.size());
    for (std::uint64_t serial : serials)
        indexes.push_back(indexOfSerial(serial));
    return indexes;
}

int MapDocument::firstAt(QPoint position, int except) const
{
    const bool hasExcept = except >= 0 && except < count();
    const std::uint64_t excepted = hasExcept ? m_serials[except] : 0;
    std::uint64_t best = 0;
    bool found = false;
    m_index.visit(QRect(position, QSize(1, 1)), [&](const SpatialIndex::Item &item) {
        if (item.area.topLeft() != position || (hasExcept && item.serial == excepted))
            return;
        if (!found || item.serial < best) {
            best = item.serial;
            found = true;
        }
    });
    return found ? indexOfSerial(best) : -1;
}

int MapDocument::indexOfSerial(std::uint64_t serial) const
{
    const auto found = std::lower_bound(m_serials.begin(), m_serials.end(), serial);
    return static_cast<int>(found - m_serials.begin());
}

void MapDocument::announce(const QRect &oldArea, const QRect &newArea)
{
    if (m_bulkDepth == 0)
        emit entryChanged(oldArea, newArea);
}

MapDocument::BulkChange::BulkChange(MapDocument &document)
    : m_document(document)
{
    ++m_document.m_bulkDepth;
}

MapDocument::BulkChange::~BulkChange()
{
    if (--m_document.m_bulkDepth == 0)
        emit m_document.reset();
}

} // namespace vornik
