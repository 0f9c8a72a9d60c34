#pragma once

#include <QImage>

namespace vornik {

// Pictures the program draws for its own windows: the progress banner (400 x 80) and the
// splash (640 x 400, transparent around the logo).
const QImage &ProgressBanner();
const QImage &SplashPicture();

} // namespace vornik
