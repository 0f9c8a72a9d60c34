#pragma once

#include <QImage>

namespace vornik {

// The icon as the canvas draws it: every pixel of the colour of its bottom-left pixel becomes
// transparent. Premultiplied ARGB, so painting it needs no conversion.
QImage TransparentIcon(const QImage &icon);

} // namespace vornik
