#pragma once
// The sheet's 256 colours: ramps of shades from dark to light, one ramp per
// material, and index 255 kept as the white that stands for "transparent".
#include <array>
#include <cstdint>

namespace qv::tileset {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr std::uint8_t kClear = 255;

enum class Ramp : int {
    Ink, Grey, Stone, Grass, Leaf, Olive, Lime, Dirt, Wood, Sand, Water, Snow,
    Red, Orange, Fire, Gold, Purple, Mauve, Pink, Teal, Glass,
    SkinLight, SkinMid, SkinDark, Hair, Brick, Slate, Canvas, Parchment, Navy,
    Count
};

class Palette {
public:
    static const Palette& get();

    // Shade 0 is the darkest; shades past either end are clamped.
    std::uint8_t at(Ramp ramp, int shade) const;
    int shades(Ramp ramp) const;
    Ramp rampOf(std::uint8_t index) const { return rampOf_[index]; }
    int shadeOf(std::uint8_t index) const { return shadeOf_[index]; }
    const std::array<Rgb, 256>& colours() const { return colours_; }

private:
    Palette();
    std::array<Rgb, 256> colours_{};
    std::array<Ramp, 256> rampOf_{};
    std::array<int, 256> shadeOf_{};
    std::array<int, static_cast<int>(Ramp::Count)> first_{};
    std::array<int, static_cast<int>(Ramp::Count)> count_{};
};

// Short form used throughout the art: C(Ramp::Grass, 3).
inline std::uint8_t C(Ramp ramp, int shade) { return Palette::get().at(ramp, shade); }

}  // namespace qv::tileset
