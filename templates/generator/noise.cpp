#include "noise.h"

#include <cmath>
#include <cstdint>

double Hash01(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u
                      + static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / double(0x1000000);
}

double TileNoise(double x, double y, int period, int cell, int seed)
{
    const int lattice = period / cell;
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const auto wrap = [lattice](int v) { return ((v % lattice) + lattice) % lattice; };
    const auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = smooth(gx - x0);
    const double ty = smooth(gy - y0);
    const double a = Hash01(wrap(x0), wrap(y0), seed);
    const double b = Hash01(wrap(x0 + 1), wrap(y0), seed);
    const double c = Hash01(wrap(x0), wrap(y0 + 1), seed);
    const double d = Hash01(wrap(x0 + 1), wrap(y0 + 1), seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}
