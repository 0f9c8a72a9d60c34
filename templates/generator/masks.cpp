#include "template_steps.h"

#include "mask_size.h"
#include "output_folder.h"

#include "core/catalogue/kinds.h"
#include "core/project/names.h"

#include <QImage>

namespace {

// White inside a one-pixel black frame, as the mask editor makes them.
QImage frameMask(QSize size)
{
    QImage mask(size, QImage::Format_RGB888);
    mask.fill(Qt::white);
    for (int x = 0; x < size.width(); ++x) {
        mask.setPixelColor(x, 0, Qt::black);
        mask.setPixelColor(x, size.height() - 1, Qt::black);
    }
    for (int y = 0; y < size.height(); ++y) {
        mask.setPixelColor(0, y, Qt::black);
        mask.setPixelColor(size.width() - 1, y, Qt::black);
    }
    return mask;
}

} // namespace

void WriteMasks(const OutputFolder &out)
{
    const QImage mask = frameMask(kMaskSize);
    for (const vornik::KindInfo &kind : vornik::Kinds())
        out.saveImage(mask, vornik::names::maskTemplate(kind.kind), "BMP");
}
