#pragma once

#include "core/map/icon_cache.h"
#include "core/map/placed_object.h"
#include "core/map/spatial_index.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace vornik {

// The current map: its canvas size and the placed objects in creation order (an entry's index is
// its position; later entries are drawn over earlier ones). Every change of the list goes through
// add, remove, move, setPicture and clear, which tell the view what area to repaint.
class MapDocument : public QObject {
    Q_OBJECT

public:
    static constexpr QSize kDefaultCanvasSize{2000, 2000};

    explicit MapDocument(QObject *parent = nullptr);

    QSize canvasSize() const { return m_canvasSize; }
    void setCanvasSize(QSize size);

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const PlacedObject &entry(int index) const { return m_entries.at(index); }
    const std::vector<PlacedObject> &entries() const { return m_entries; }

    // Appends an entry; returns its index.
    int add(QPoint position, const QString &tag, std::shared_ptr<const QImage> picture);
    // Removes the entry; every later entry's index goes down by one.
    void remove(int index);
    void move(int index, QPoint position);
    void setPicture(int index, std::shared_ptr<const QImage> picture);
    void clear();
    void reserve(int count);

    // The highest index whose icon contains the point; -1 when none. Entries of no size never hit.
    int topmostAt(QPoint point) const;
    // The indexes, in list order, of the entries whose icons overlap the area.
    std::vector<int> entriesIn(const QRect &area) const;
    // The lowest index whose position is exactly the point, other than the excepted one; -1 when none.
    int firstAt(QPoint position, int except = -1) const;

    // The icons of the placed objects, shared between copies.
    IconCache &icons() { return m_icons; }

    // While one exists, changes are not announced one by one; when the last one goes, the view is
    // told to redraw everything. Loading a whole map goes through one.
    class BulkChange {
    public:
        explicit BulkChange(MapDocument &document);
        ~BulkChange();
        BulkChange(const BulkChange &) = delete;
        BulkChange &operator=(const BulkChange &) = delete;

    private:
        MapDocument &m_document;
    };

signals:
    // An entry appeared (old area empty), went (new area empty), moved or changed its picture.
    void entryChanged(QRect oldArea, QRect newArea);
    // The whole list changed: redraw everything.
    void reset();
    void canvasSizeChanged(QSize size);

private:
    int indexOfSerial(std::uint64_t serial) const;
    void announce(const QRect &oldArea, const QRect &newArea);

    QSize m_canvasSize = kDefaultCanvasSize;
    std::vector<PlacedObject> m_entries;
    std::vector<std::uint64_t> m_serials;   // parallel to m_entries, ascending
    std::uint64_t m_nextSerial = 0;
    SpatialIndex m_index;
    IconCache m_icons;
    int m_bulkDepth = 0;
};

} // namespace vornik
