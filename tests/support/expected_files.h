#pragma once

#include "core/map/map_document.h"
#include "core/text/text_file.h"

#include <QStringList>

namespace vornik::test {

// The bytes of a text file holding these lines, each ended by CR LF, in Windows-1251.
inline QByteArray crlfLines(const QStringList &lines)
{
    return EncodeCp1251(lines.join("\r\n") + "\r\n");
}

// The placed objects as the map file writes them: tag, x, y.
inline QStringList placedOf(const MapDocument &map)
{
    QStringList placed;
    for (const PlacedObject &entry : map.entries())
        placed << QStringLiteral("%1 %2 %3").arg(entry.tag).arg(entry.position.x()).arg(entry.position.y());
    return placed;
}

} // namespace vornik::test
