#pragma once
// Deterministic noise for textures: the same seed gives the same pixels on
// every run and machine. Value noise repeats every 32 pixels so terrain
// swatches tile without seams.
#include <cmath>
#include <cstdint>

namespace qv::tileset {

inline std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// A number in [0, 1) for one integer point.
inline double random01(int x, int y, std::uint32_t seed) {
    return (hash3(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) >> 8) / 16777216.0;
}

// Smooth noise in [0, 1) with lattice spacing `cell` pixels, periodic over 32.
inline double valueNoise(double x, double y, int cell, std::uint32_t seed) {
    const int period = 32 / cell;
    const double fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    const double tx = fx - ix, ty = fy - iy;
    auto corner = [&](int cx, int cy) {
        return random01(((cx % period) + period) % period, ((cy % period) + period) % period, seed);
    };
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double top = corner(ix, iy) + (corner(ix + 1, iy) - corner(ix, iy)) * sx;
    const double bottom = corner(ix, iy + 1) + (corner(ix + 1, iy + 1) - corner(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Two octaves of value noise, still periodic over 32 pixels.
inline double fractalNoise(double x, double y, std::uint32_t seed) {
    return valueNoise(x, y, 8, seed) * 0.65 + valueNoise(x, y, 4, seed + 101) * 0.35;
}

// Ordered-dither threshold in (0, 1) for a pixel.
inline double bayer4(int x, int y) {
    static constexpr int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0;
}

}  // namespace qv::tileset
