#include "SyntheticArt.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qv::bench {
namespace {

// A fixed generator, so every run benchmarks the same bytes.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 16);
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }

private:
    std::uint64_t state_;
};

constexpr std::uint8_t kBlank = 255;

// 16 hues of 15 shades each, then white at 255.
Palette makeRampPalette() {
    Palette p{};
    for (int hue = 0; hue < 16; ++hue) {
        for (int shade = 0; shade < 16; ++shade) {
            const int i = hue * 16 + shade;
            const double t = (shade + 1) / 17.0;
            const double angle = hue * 2.0 * 3.14159265358979 / 16.0;
            for (int c = 0; c < 3; ++c) {
                const double base = 0.5 + 0.5 * std::cos(angle + c * 2.0943951);
                p[static_cast<std::size_t>(i * 3 + c)] = static_cast<std::uint8_t>(std::lround(255.0 * t * (0.35 + 0.65 * base)));
            }
        }
    }
    p[kBlank * 3] = p[kBlank * 3 + 1] = p[kBlank * 3 + 2] = 255;
    return p;
}

void drawTile(IndexedArt& art, std::int32_t x0, std::int32_t y0, Random& random) {
    constexpr int kTile = 32;
    auto put = [&](int x, int y, std::uint8_t index) {
        const std::int32_t px = x0 + x;
        const std::int32_t py = y0 + y;
        if (px < art.width && py < art.height)
            art.indices[static_cast<std::size_t>(py) * static_cast<std::size_t>(art.width) + static_cast<std::size_t>(px)] = index;
    };
    if (random.below(8) == 0) return;  // blank tile
    const int hue = static_cast<int>(random.below(15));
    const auto shade = [&](int s) { return static_cast<std::uint8_t>(hue * 16 + (s < 0 ? 0 : s > 15 ? 15 : s)); };
    const int style = static_cast<int>(random.below(4));
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            int s = 8;
            switch (style) {
                case 0: s = 4 + y / 6; break;                           // horizontal bands
                case 1: s = ((x / 4 + y / 4) % 2) ? 6 : 9; break;       // bricks
                case 2: s = ((x + y) % 2) ? 5 : 7; break;               // dither
                default: s = 10 - (std::abs(x - 16) + std::abs(y - 16)) / 4; break;  // dome
            }
            put(x, y, shade(s));
        }
    }
    // Outline and a shadow edge: long runs of one index.
    for (int i = 0; i < kTile; ++i) {
        put(i, 0, shade(14));
        put(0, i, shade(14));
        put(i, kTile - 1, shade(1));
        put(kTile - 1, i, shade(1));
    }
    // Speckled detail, the part that defeats run-length coding.
    const int speckles = static_cast<int>(random.below(120));
    for (int i = 0; i < speckles; ++i)
        put(1 + static_cast<int>(random.below(kTile - 2)), 1 + static_cast<int>(random.below(kTile - 2)),
            shade(static_cast<int>(random.below(16))));
}

}  // namespace

std::vector<std::uint8_t> IndexedArt::rgb() const {
    std::vector<std::uint8_t> out(indices.size() * 3);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        out[i * 3] = palette[indices[i] * 3u];
        out[i * 3 + 1] = palette[indices[i] * 3u + 1];
        out[i * 3 + 2] = palette[indices[i] * 3u + 2];
    }
    return out;
}

IndexedArt makeTilesetArt(std::int32_t width, std::int32_t height) {
    IndexedArt art;
    art.width = width;
    art.height = height;
    art.indices.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlank);
    art.palette = makeRampPalette();
    Random random(static_cast<std::uint64_t>(width) * 65536u + static_cast<std::uint64_t>(height));
    for (std::int32_t y = 0; y < height; y += 32)
        for (std::int32_t x = 0; x < width; x += 32) drawTile(art, x, y, random);
    return art;
}

std::vector<std::uint8_t> makePhotoRgb(std::int32_t width, std::int32_t height) {
    const std::size_t w = static_cast<std::size_t>(width);
    std::vector<double> waveX(w);
    std::vector<double> waveY(static_cast<std::size_t>(height));
    for (std::size_t x = 0; x < w; ++x) waveX[x] = std::sin(static_cast<double>(x) * 0.013) + 0.5 * std::sin(static_cast<double>(x) * 0.071);
    for (std::size_t y = 0; y < waveY.size(); ++y) waveY[y] = std::cos(static_cast<double>(y) * 0.009) + 0.5 * std::sin(static_cast<double>(y) * 0.057);
    std::vector<std::uint8_t> rgb(w * waveY.size() * 3);
    Random random(7);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const double fx = static_cast<double>(x) / width;
            const double fy = static_cast<double>(y) / height;
            const double texture = 24.0 * waveX[static_cast<std::size_t>(x)] * waveY[static_cast<std::size_t>(y)];
            const double noise = static_cast<double>(random.below(17)) - 8.0;
            // A bright disc and a dark diagonal band give hard edges.
            const double dx = fx - 0.6, dy = fy - 0.4;
            const bool disc = dx * dx + dy * dy < 0.04;
            const bool band = std::abs(fx - fy) < 0.05;
            double r = 60 + 150 * fx + texture + noise;
            double g = 90 + 100 * fy - texture * 0.5 + noise;
            double b = 170 - 120 * fx * fy + texture * 0.3 + noise;
            if (disc) r += 70, g += 60, b -= 40;
            if (band) r *= 0.3, g *= 0.3, b *= 0.35;
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)) * 3];
            p[0] = static_cast<std::uint8_t>(std::clamp(r, 0.0, 255.0));
            p[1] = static_cast<std::uint8_t>(std::clamp(g, 0.0, 255.0));
            p[2] = static_cast<std::uint8_t>(std::clamp(b, 0.0, 255.0));
        }
    }
    return rgb;
}

Surface makeVariedSurface(std::int32_t width, std::int32_t height) {
    Surface surface(width, height, kOpaque);
    const std::vector<std::uint8_t> photo = makePhotoRgb(width, height);
    const IndexedArt tiles = makeTilesetArt(256, 256);
    for (std::int32_t y = 0; y < height; ++y) {
        std::uint32_t* row = surface.row(y);
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
            // Tiles stamped in the left half of every 1024-pixel block.
            if ((x / 512) % 2 == 0) {
                const std::uint8_t index = tiles.indices[static_cast<std::size_t>(y % 256) * 256u + static_cast<std::size_t>(x % 256)];
                if (index != kBlank) {
                    row[x] = rgbPixel(tiles.palette[index * 3u], tiles.palette[index * 3u + 1], tiles.palette[index * 3u + 2]);
                    continue;
                }
            }
            row[x] = rgbPixel(photo[i * 3], photo[i * 3 + 1], photo[i * 3 + 2]);
        }
    }
    return surface;
}

std::vector<std::uint8_t> rgbOfSurface(const Surface& surface) {
    std::vector<std::uint8_t> rgb(surface.pixels.size() * 3);
    for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
        const std::uint32_t px = surface.pixels[i];
        rgb[i * 3] = static_cast<std::uint8_t>(px >> 16);
        rgb[i * 3 + 1] = static_cast<std::uint8_t>(px >> 8);
        rgb[i * 3 + 2] = static_cast<std::uint8_t>(px);
    }
    return rgb;
}

}  // namespace qv::bench
