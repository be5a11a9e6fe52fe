#include <gtest/gtest.h>

#include "tests/document/EditorFixture.h"

namespace qv {
namespace {

using test::kFacePixel;
using test::surfaceMatches;

const std::vector<std::pair<std::string, bool>> kShownInOrder = {
    {"编辑框1", true}, {"编辑框2", true}, {"标签2", true}, {"按钮确定", true}};
const std::vector<std::pair<std::string, bool>> kHiddenInOrder = {
    {"编辑框1", false}, {"编辑框2", false}, {"标签2", false}, {"按钮确定", false}};

class MapSizeTest : public test::EditorFixture {
protected:
    void apply(const std::string& width, const std::string& height) {
        onSetMapSizeClicked(editor);
        controls.setText(names::编辑框1, width);
        controls.setText(names::编辑框2, height);
        onApplyMapSizeClicked(editor);
    }
};

TEST_F(MapSizeTest, SetSizeShowsTheFourInputsInOrder) {
    onSetMapSizeClicked(editor);
    EXPECT_EQ(controls.visibilityLog(), kShownInOrder);
    for (const auto& [name, shown] : kShownInOrder) EXPECT_TRUE(controls.visible(name)) << name;
    onSetMapSizeClicked(editor);
    EXPECT_TRUE(controls.visible(names::按钮确定));
    EXPECT_EQ(controls.width(names::画板2), 514);
}

struct SizeCase {
    const char* name;
    std::string widthText;
    std::string heightText;
    std::int32_t mapWidth, mapHeight;  // outer
    std::int32_t groupLeft, groupTop;
    std::int32_t windowWidth, windowHeight;
    std::int32_t brushTop;
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class MapSizeCases : public MapSizeTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(MapSizeCases, SizesTheMapAndLaysOutTheWindowAroundIt) {
    const SizeCase& c = GetParam();
    apply(c.widthText, c.heightText);

    EXPECT_EQ(controls.width(names::画板2), c.mapWidth);
    EXPECT_EQ(controls.height(names::画板2), c.mapHeight);
    EXPECT_EQ(mapCanvas().clientWidth(), std::max(0, c.mapWidth - 2));
    EXPECT_EQ(mapCanvas().clientHeight(), std::max(0, c.mapHeight - 2));
    EXPECT_EQ(controls.left(names::分组框2), c.groupLeft);
    EXPECT_EQ(controls.top(names::分组框2), c.groupTop);
    EXPECT_EQ(controls.width(names::主窗口), c.windowWidth);
    EXPECT_EQ(controls.height(names::主窗口), c.windowHeight);
    EXPECT_EQ(controls.top(names::画板3), c.brushTop);

    // What never moves.
    EXPECT_EQ(controls.left(names::画板2), 528);
    EXPECT_EQ(controls.left(names::画板3), 528);
    EXPECT_EQ(controls.left(names::分组框1), 8);
    EXPECT_EQ(controls.top(names::分组框1), 520);
    EXPECT_EQ(controls.width(names::分组框2), 288);
    EXPECT_EQ(controls.width(names::画板1), 514);

    // The inputs are hidden in order and cleared.
    const auto& log = controls.visibilityLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(std::vector(log.end() - 4, log.end()), kHiddenInOrder);
    EXPECT_EQ(controls.text(names::编辑框1), "");
    EXPECT_EQ(controls.text(names::编辑框2), "");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MapSizeCases,
    ::testing::Values(
        SizeCase{"Wider_and_higher", "800", "600", 802, 602, 1042, 608, 1353, 783, 616},
        SizeCase{"Narrower_and_higher", "300", "700", 302, 702, 754, 708, 1065, 883, 716},
        SizeCase{"StartSize", "512", "512", 514, 514, 754, 520, 1065, 695, 528},
        SizeCase{"OneAboveTheStartSize", "513", "513", 515, 515, 755, 521, 1066, 696, 529},
        SizeCase{"FractionTruncated", "12.9", "12.9", 14, 14, 754, 520, 1065, 695, 528},
        SizeCase{"FullWidthDigits", "１００", "１００", 102, 102, 754, 520, 1065, 695, 528},
        SizeCase{"TrailingLetters", "100px", "100px", 102, 102, 754, 520, 1065, 695, 528},
        SizeCase{"Letters", "abc", "abc", 2, 2, 754, 520, 1065, 695, 528},
        SizeCase{"LoneMinus", "-", "-", 2, 2, 754, 520, 1065, 695, 528},
        SizeCase{"Negative", "-5", "-100", 0, 0, 754, 520, 1065, 695, 528},
        // Huge sizes in one direction at a time, so that the surface stays small.
        SizeCase{"LargestWidth", "32625", "10", 32627, 12, 32627, 520, 32627, 695, 528},
        SizeCase{"LargestHeight", "10", "32625", 12, 32627, 754, 32627, 1065, 32627, 32627},
        SizeCase{"WidthClamped", "40000", "10", 32627, 12, 32627, 520, 32627, 695, 528},
        SizeCase{"HeightClamped", "10", "33000", 12, 32627, 754, 32627, 1065, 32627, 32627},
        SizeCase{"NearTheLimitWide", "32000", "10", 32002, 12, 32242, 520, 32553, 695, 528},
        SizeCase{"NearTheLimitHigh", "10", "32200", 12, 32202, 754, 32208, 1065, 32383, 32216},
        SizeCase{"LayoutClampedWide", "32500", "10", 32502, 12, 32627, 520, 32627, 695, 528},
        SizeCase{"LayoutClampedHigh", "10", "32500", 12, 32502, 754, 32508, 1065, 32627, 32516},
        SizeCase{"WidthBeyondInt32Saturates", "99999999999999", "10", 32627, 12, 32627, 520, 32627, 695, 528},
        SizeCase{"HeightBeyondInt32Saturates", "10", "99999999999999", 12, 32627, 754, 32627, 1065, 32627, 32627},
        SizeCase{"NegativeBeyondInt32Saturates", "-99999999999999", "-99999999999999", 0, 0, 754, 520, 1065, 695,
                 528},
        SizeCase{"InfiniteWidth", "1e999", "10", 32627, 12, 32627, 520, 32627, 695, 528},
        SizeCase{"SumBeyondInt32High", "10", "2147483646", 12, 32627, 754, 32627, 1065, 32627, 32627}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapSizeTest, AnEmptyInputChangesNothing) {
    for (const auto& [width, height] : {std::pair<std::string, std::string>{"", "600"}, {"800", ""}, {"", ""}}) {
        apply(width, height);
        EXPECT_EQ(controls.width(names::画板2), 514);
        EXPECT_EQ(controls.height(names::画板2), 514);
        EXPECT_EQ(controls.left(names::分组框2), 752);  // not even the two-pixel move of a relayout
        EXPECT_EQ(controls.width(names::主窗口), 1065);
        EXPECT_EQ(controls.text(names::编辑框1), width);
        EXPECT_EQ(controls.text(names::编辑框2), height);
        for (const auto& [name, shown] : kShownInOrder) EXPECT_TRUE(controls.visible(name)) << name;
    }
}

TEST_F(MapSizeTest, ResizingKeepsWhatWasDrawnAndCutsWhatFallsOutside) {
    const std::uint32_t ink = rgbPixel(200, 10, 10);
    mapCanvas().pixels().row(10)[10] = ink;
    mapCanvas().pixels().row(500)[500] = ink;

    apply("900", "700");
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 900, 700, [&](std::int32_t x, std::int32_t y) {
        return (x == 10 && y == 10) || (x == 500 && y == 500) ? ink : kFacePixel;
    }));

    apply("300", "300");
    apply("600", "600");
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 600, 600, [&](std::int32_t x, std::int32_t y) {
        return x == 10 && y == 10 ? ink : kFacePixel;
    }));
}

}  // namespace
}  // namespace qv
