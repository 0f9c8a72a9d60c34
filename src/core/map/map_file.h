#pragma once

#include "core/map/placed_object.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>

#include <vector>

// The map file: Windows-1251 lines ended by CR LF. Line 1 the canvas width, line 2 its height,
// line 3 the number of placed objects minus one, then one line per object in list order:
// kind tag, space, x, space, y.
namespace vornik {

// Reads a map file's bytes line by line; CR LF, a lone CR and a lone LF each end a line. Lines
// past the end of the file read as empty.
class MapFileLines {
public:
    explicit MapFileLines(QByteArrayView bytes) : m_bytes(bytes) {}

    QByteArrayView next();
    // An upper bound of the lines still to come.
    qsizetype remainingBound() const { return m_bytes.size() - m_position; }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

// The three fields of an object line: the text before the first space, the text between the
// first and the second space, and the text after the second space. A missing space leaves the
// fields after it empty.
struct MapObjectLine {
    QByteArrayView tag;
    QByteArrayView x;
    QByteArrayView y;
};
MapObjectLine SplitObjectLine(QByteArrayView line);

// The whole file for the canvas size and the entries. A tag that Windows-1251 cannot hold throws.
QByteArray FormatMapFile(QSize canvasSize, const std::vector<PlacedObject> &entries);

} // namespace vornik
