// The default tileset's pixels: what the editor's decoder and an outside
// decoder make of the embedded GIF, against the colours the generator drew
// (its raw RGB dump), and the sheet's layout rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/PictureFiles.h"
#include "tools/tileset/DefaultTileset.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 1408;
constexpr int kCell = 32;

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DrawnSheet : public ::testing::Test {
protected:
    void SetUp() override {
        rgb = readFile(QV_TILESET_RAW);
        ASSERT_EQ(rgb.size(), std::size_t{kWidth} * kHeight * 3) << QV_TILESET_RAW;
    }
    bool white(int x, int y) const {
        const std::size_t at = (static_cast<std::size_t>(y) * kWidth + x) * 3;
        return rgb[at] == 255 && rgb[at + 1] == 255 && rgb[at + 2] == 255;
    }
    std::vector<std::uint8_t> rgb;
};

TEST_F(DrawnSheet, DecodesWithTheEditorsDecoderToTheDrawnColoursWhiteWhereTransparent) {
    const auto picture = qv::decodePicture(qv::defaultTilesetGif());
    ASSERT_TRUE(picture.has_value()) << "the GIF decoder gave none";
    EXPECT_EQ(picture->kind, qv::PictureKind::Gif);
    ASSERT_EQ(picture->width, kWidth);
    ASSERT_EQ(picture->height, kHeight);
    ASSERT_EQ(picture->rgb.size(), rgb.size());
    std::size_t whitePixels = 0, wrong = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        const bool expectWhite = rgb[i] == 255 && rgb[i + 1] == 255 && rgb[i + 2] == 255;
        whitePixels += expectWhite;
        wrong += picture->rgb[i] != rgb[i] || picture->rgb[i + 1] != rgb[i + 1] || picture->rgb[i + 2] != rgb[i + 2];
    }
    EXPECT_GT(whitePixels, 0u);
    EXPECT_EQ(wrong, 0u) << "pixels that decode to another colour";
}

TEST_F(DrawnSheet, DecodesWithImageMagickToTheDrawnColours) {
    if (std::system("command -v convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick is not installed";
    const auto out = std::filesystem::temp_directory_path() /
                     ("qv_tileset_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                      std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".rgb");
    const std::string command = std::string("convert '") + QV_TILESET_GIF + "' -depth 8 'rgb:" + out.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<std::uint8_t> decoded = readFile(out.string());
    std::filesystem::remove(out);
    ASSERT_EQ(decoded.size(), rgb.size());
    std::size_t firstDifference = decoded.size();
    for (std::size_t i = 0; i < decoded.size() && firstDifference == decoded.size(); ++i)
        if (decoded[i] != rgb[i]) firstDifference = i;
    EXPECT_EQ(firstDifference, decoded.size()) << "first differing pixel " << firstDifference / 3;
}

TEST_F(DrawnSheet, TerrainRowIsFullyOpaque) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kWidth; ++x) ASSERT_FALSE(white(x, y)) << "at " << x << "," << y;
}

// Objects and sprites stand on white: each drawn cell in these rows has white
// in its corners (so a stamp keeps the ground around it) and some art.
TEST_F(DrawnSheet, ObjectAndSpriteCellsStandOnWhite) {
    struct Band {
        const char* name;
        int firstRow, rows;
    };
    const Band bands[] = {{"signboards", 21, 2}, {"items", 27, 4}, {"rocks", 31, 3}, {"characters", 34, 10}};
    for (const Band& band : bands)
        for (int row = band.firstRow; row < band.firstRow + band.rows; ++row)
            for (int col = 0; col < kWidth / kCell; ++col) {
                const int x0 = col * kCell, y0 = row * kCell;
                int art = 0;
                for (int y = 0; y < kCell; ++y)
                    for (int x = 0; x < kCell; ++x) art += !white(x0 + x, y0 + y);
                if (art == 0) continue;  // a spare cell
                EXPECT_TRUE(white(x0, y0) && white(x0 + kCell - 1, y0) && white(x0, y0 + kCell - 1) &&
                            white(x0 + kCell - 1, y0 + kCell - 1))
                    << band.name << " cell " << col << "," << row;
            }
}

TEST_F(DrawnSheet, CharacterRowsAreFilled) {
    for (int row = 34; row < 44; ++row) {
        int drawnCells = 0;
        for (int col = 0; col < kWidth / kCell; ++col) {
            bool drawn = false;
            for (int y = 0; y < kCell && !drawn; ++y)
                for (int x = 0; x < kCell && !drawn; ++x) drawn = !white(col * kCell + x, row * kCell + y);
            drawnCells += drawn;
        }
        EXPECT_GE(drawnCells, 12) << "row " << row;
    }
}

}  // namespace
