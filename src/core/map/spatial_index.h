#pragma once

#include <QRect>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vornik {

// A uniform grid of buckets over the canvas, so that finding the placed objects under a point or
// inside an area looks at a few buckets instead of the whole list. Items are named by a serial
// number that only grows, so list order is serial order and removals renumber nothing here.
// An item of no size is kept in the bucket of its top-left corner: it is found by position but
// never contains a point.
class SpatialIndex {
public:
    struct Item {
        std::uint64_t serial;
        QRect area;
    };

    void insert(std::uint64_t serial, const QRect &area);
    void remove(std::uint64_t serial, const QRect &area);
    void clear();

    // Calls visit(item) for every item of each bucket that the region touches; an item spanning
    // several buckets is visited once per bucket.
    template <typename Visit>
    void visit(const QRect &region, Visit &&visit) const;

private:
    static constexpr int kBucketShift = 6;   // 64-pixel buckets: a usual 32-pixel icon spans 1 to 4
    using Key = std::uint64_t;

    static Key keyOf(int column, int row);
    // The bucket columns and rows an area occupies, at least its top-left bucket.
    static QRect bucketsOf(const QRect &area);

    std::unordered_map<Key, std::vector<Item>> m_buckets;
};

inline SpatialIndex::Key SpatialIndex::keyOf(int column, int row)
{
    return (Key(std::uint32_t(column)) << 32) | std::uint32_t(row);
}

template <typename Visit>
void SpatialIndex::visit(const QRect &region, Visit &&visit) const
{
    const QRect buckets = bucketsOf(region);
    const auto visitBucket = [&](const std::vector<Item> &items) {
        for (const Item &item : items)
            visit(item);
    };
    // A region wider than the occupied buckets is cheaper to serve by walking those buckets.
    if (std::uint64_t(buckets.width()) * std::uint64_t(buckets.height()) > m_buckets.size()) {
        for (const auto &[key, items] : m_buckets) {
            const int column = int(std::uint32_t(key >> 32));
            const int row = int(std::uint32_t(key));
            if (buckets.contains(column, row))
                visitBucket(items);
        }
        return;
    }
    for (int row = buckets.top(); row <= buckets.bottom(); ++row) {
        for (int column = buckets.left(); column <= buckets.right(); ++column) {
            const auto found = m_buckets.find(keyOf(column, row));
            if (found != m_buckets.end())
                visitBucket(found->second);
        }
    }
}

} // namespace vornik
