#include "core/map/spatial_index.h"

#include <algorithm>

namespace vornik {

QRect SpatialIndex::bucketsOf(const QRect &area)
{
    const int right = area.width() > 0 ? area.right() : area.left();
    const int bottom = area.height() > 0 ? area.bottom() : area.top();
    return QRect(QPoint(area.left() >> kBucketShift, area.top() >> kBucketShift),
                 QPoint(right >> kBucketShift, bottom >> kBucketShift));
}

void SpatialIndex::insert(std::uint64_t serial, const QRect &area)
{
    const QRect buckets = bucketsOf(area);
    for (int row = buckets.top(); row <= buckets.bottom(); ++row) {
        for (int column = buckets.left(); column <= buckets.right(); ++column)
            m_buckets[keyOf(column, row)].push_back({serial, area});
    }
}

void SpatialIndex::remove(std::uint64_t serial, const QRect &area)
{
    const QRect buckets = bucketsOf(area);
    for (int row = buckets.top(); row <= buckets.bottom(); ++row) {
        for (int column = buckets.left(); column <= buckets.right(); ++column) {
            const auto found = m_buckets.find(keyOf(column, row));
            if (found == m_buckets.end())
                continue;
            std::vector<Item> &items = found->second;
            const auto item = std::find_if(items.begin(), items.end(),
                                           [serial](const Item &i) { return i.serial == serial; });
            if (item == items.end())
                continue;
            *item = items.back();
            items.pop_back();
            if (items.empty())
                m_buckets.erase(found);
        }
    }
}

void SpatialIndex::clear()
{
    m_buckets.clear();
}

} // namespace vornik
