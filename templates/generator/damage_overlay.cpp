#include "template_steps.h"

#include "noise.h"
#include "output_folder.h"
#include "pixel_fill.h"

#include "core/project/names.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kEdgeAlpha = 190;

} // namespace

void WriteDamageOverlay(const OutputFolder &out)
{
    // Clear in the middle so the player still sees, red and dense towards the edges.
    const QImage overlay = FillPixels(kWidth, kHeight, [](int x, int y) {
        const double dx = (x + 0.5 - kWidth / 2.0) / (kWidth / 2.0);
        const double dy = (y + 0.5 - kHeight / 2.0) / (kHeight / 2.0);
        const double ragged = 0.12 * (TileNoise(x, y, 640, 40, 71) - 0.5);
        const double t = std::clamp((std::hypot(dx, dy) + ragged - 0.35) / 0.85, 0.0, 1.0);
        const double strength = t * t * (3 - 2 * t);
        return QColor(200 + static_cast<int>(40 * strength), 0, 0, static_cast<int>(kEdgeAlpha * strength));
    });
    out.saveImage(overlay, vornik::names::kDamageOverlay, "PNG");
}
