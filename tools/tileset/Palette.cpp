#include "tools/tileset/Palette.h"

#include <algorithm>

namespace qv::tileset {
namespace {

struct RampKeys {
    Ramp ramp;
    int count;
    Rgb dark, mid, light;
};

// Darks lean towards blue/purple and lights towards yellow, so neighbouring
// ramps sit together in one picture instead of looking like flat tints.
constexpr RampKeys kRamps[] = {
    {Ramp::Ink, 4, {18, 14, 28}, {40, 32, 48}, {66, 54, 66}},
    {Ramp::Grey, 12, {34, 32, 42}, {128, 126, 130}, {238, 236, 230}},
    {Ramp::Stone, 12, {34, 38, 54}, {110, 118, 132}, {206, 210, 214}},
    {Ramp::Grass, 14, {18, 46, 38}, {82, 148, 60}, {200, 228, 112}},
    {Ramp::Leaf, 12, {12, 34, 34}, {40, 102, 58}, {134, 190, 86}},
    {Ramp::Olive, 8, {40, 40, 22}, {118, 120, 54}, {202, 198, 122}},
    {Ramp::Lime, 7, {30, 58, 14}, {128, 196, 42}, {230, 248, 150}},
    {Ramp::Dirt, 12, {44, 28, 26}, {134, 90, 58}, {216, 176, 124}},
    {Ramp::Wood, 12, {38, 22, 22}, {142, 86, 46}, {230, 174, 104}},
    {Ramp::Sand, 8, {96, 72, 50}, {214, 184, 122}, {250, 238, 198}},
    {Ramp::Water, 14, {14, 26, 66}, {42, 108, 178}, {178, 230, 246}},
    {Ramp::Snow, 8, {72, 84, 122}, {184, 202, 228}, {250, 250, 245}},
    {Ramp::Red, 10, {52, 14, 26}, {190, 44, 46}, {254, 160, 124}},
    {Ramp::Orange, 8, {74, 30, 18}, {224, 112, 38}, {255, 206, 124}},
    {Ramp::Fire, 6, {92, 12, 14}, {240, 90, 22}, {255, 240, 146}},
    {Ramp::Gold, 10, {66, 40, 16}, {220, 164, 40}, {255, 248, 178}},
    {Ramp::Purple, 8, {34, 18, 52}, {124, 64, 160}, {222, 172, 240}},
    {Ramp::Mauve, 6, {42, 28, 48}, {140, 100, 128}, {222, 192, 210}},
    {Ramp::Pink, 8, {72, 20, 48}, {222, 96, 150}, {255, 206, 222}},
    {Ramp::Teal, 8, {12, 40, 46}, {36, 140, 130}, {152, 232, 210}},
    {Ramp::Glass, 6, {30, 58, 92}, {108, 188, 220}, {222, 248, 252}},
    {Ramp::SkinLight, 6, {110, 58, 54}, {238, 182, 150}, {255, 230, 208}},
    {Ramp::SkinMid, 6, {84, 44, 34}, {198, 130, 88}, {242, 192, 146}},
    {Ramp::SkinDark, 6, {40, 22, 22}, {122, 72, 48}, {188, 130, 90}},
    {Ramp::Hair, 6, {42, 16, 16}, {152, 62, 32}, {232, 142, 72}},
    {Ramp::Brick, 8, {52, 20, 22}, {162, 72, 54}, {230, 152, 122}},
    {Ramp::Slate, 8, {24, 28, 54}, {72, 88, 142}, {162, 182, 222}},
    {Ramp::Canvas, 8, {74, 56, 42}, {202, 180, 140}, {248, 240, 216}},
    {Ramp::Parchment, 6, {82, 64, 50}, {212, 196, 160}, {250, 246, 230}},
    {Ramp::Navy, 8, {16, 16, 38}, {44, 52, 112}, {122, 142, 202}},
};

constexpr int totalShades() {
    int n = 0;
    for (const auto& r : kRamps) n += r.count;
    return n;
}
static_assert(totalShades() == 255, "the ramps fill every entry but the transparent white");
static_assert(std::size(kRamps) == static_cast<std::size_t>(Ramp::Count));

std::uint8_t mix(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(a + (b - a) * t + 0.5);
}

Rgb mix(Rgb a, Rgb b, double t) { return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)}; }

}  // namespace

const Palette& Palette::get() {
    static const Palette palette;
    return palette;
}

Palette::Palette() {
    int index = 0;
    for (const auto& keys : kRamps) {
        const int r = static_cast<int>(keys.ramp);
        first_[r] = index;
        count_[r] = keys.count;
        for (int s = 0; s < keys.count; ++s, ++index) {
            const double t = keys.count == 1 ? 0.5 : static_cast<double>(s) / (keys.count - 1);
            Rgb c = t < 0.5 ? mix(keys.dark, keys.mid, t * 2) : mix(keys.mid, keys.light, (t - 0.5) * 2);
            // Only the transparent entry may be pure white.
            if (c == Rgb{255, 255, 255}) c.b = 250;
            colours_[index] = c;
            rampOf_[index] = keys.ramp;
            shadeOf_[index] = s;
        }
    }
    colours_[kClear] = {255, 255, 255};
    rampOf_[kClear] = Ramp::Count;
    shadeOf_[kClear] = 0;
}

std::uint8_t Palette::at(Ramp ramp, int shade) const {
    const int r = static_cast<int>(ramp);
    return static_cast<std::uint8_t>(first_[r] + std::clamp(shade, 0, count_[r] - 1));
}

int Palette::shades(Ramp ramp) const { return count_[static_cast<int>(ramp)]; }

}  // namespace qv::tileset
