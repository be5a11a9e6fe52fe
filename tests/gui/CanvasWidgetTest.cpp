// A canvas widget shows its model's pixels one to one inside its border, and
// follows the model's size; the palette canvas loses its drawing when the
// platform repaints it.
#include <QGroupBox>
#include <QImage>
#include <QScreen>

#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u;

void paint(Canvas& canvas, const Rect& area, std::uint32_t colour) {
    Surface& s = canvas.pixels();
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x) s.row(y)[x] = colour;
    canvas.changed(area);
}

// Every client pixel of the widget's picture equals the model's pixel.
::testing::AssertionResult showsModel(CanvasWidget* widget) {
    const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Surface& s = widget->canvas().pixels();
    const QPoint origin = widget->contentsRect().topLeft();
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (shown.pixel(origin.x() + x, origin.y() + y) != s.at(x, y))
                return ::testing::AssertionFailure() << "differs at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

class CanvasWidgetTest : public AppFixture {};

TEST_F(CanvasWidgetTest, ShowsTheTilesetAndADrawing) {
    EXPECT_TRUE(showsModel(canvas("画板1")));
    paint(controls().canvas("画板2"), {10, 20, 30, 5}, kRed);
    EXPECT_TRUE(showsModel(canvas("画板2")));
    const QImage shown = canvas("画板2")->grab().toImage();
    EXPECT_EQ(shown.pixel(1 + 10, 1 + 20), kRed);
    EXPECT_EQ(shown.pixel(1 + 39, 1 + 24), kRed);
    EXPECT_NE(shown.pixel(1 + 40, 1 + 24), kRed);
    // The one-pixel border is drawn around the drawing area.
    EXPECT_EQ(qGray(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(shown.pixel(513, 513)), 0);
}

TEST_F(CanvasWidgetTest, BrushCanvasHasNoBorder) {
    CanvasWidget* brush = canvas("画板3");
    EXPECT_EQ(brush->contentsRect(), brush->rect());
    paint(controls().canvas("画板3"), {0, 0, 1, 1}, kRed);
    EXPECT_EQ(brush->grab().toImage().pixel(0, 0), kRed);
}

TEST_F(CanvasWidgetTest, FollowsTheModelsSize) {
    controls().setWidth("画板2", 802);
    controls().setHeight("画板2", 602);
    EXPECT_EQ(canvas("画板2")->size(), QSize(802, 602));
    EXPECT_EQ(canvas("画板2")->contentsRect().size(), QSize(800, 600));
    EXPECT_EQ(controls().width("画板2"), 802);
    controls().setWidth("画板2", -5);
    EXPECT_EQ(controls().width("画板2"), 0);
    EXPECT_EQ(canvas("画板2")->width(), 0);
}

TEST_F(CanvasWidgetTest, PaletteKeepsWhatItShowsUntilRepaintedFromOutside) {
    Canvas& palette = controls().canvas("画板4");
    const std::uint32_t background = kOpaque | palette.backgroundColour();
    paint(palette, {0, 0, 32, 32}, kRed);
    QApplication::processEvents();
    // The paint the drawing asked for is no repaint from outside.
    EXPECT_EQ(palette.pixels().at(5, 5), kRed);
    // What the window shows, read from the screen: grabbing the widget
    // would paint it anew.
    const QPoint at = canvas("画板4")->mapTo(&window(), QPoint(1 + 5, 1 + 5));
    const QImage onScreen = window().screen()->grabWindow(window().winId(), at.x(), at.y(), 1, 1).toImage();
    EXPECT_EQ(onScreen.pixel(0, 0), kRed);

    // Hidden and shown again: the platform repaints it, the drawing is gone.
    widget("分组框1")->hide();
    widget("分组框1")->show();
    (void)QTest::qWaitFor([&] { return palette.pixels().at(5, 5) == background; }, 2000);
    EXPECT_EQ(palette.pixels().at(5, 5), background);
}

TEST_F(CanvasWidgetTest, CanvasesWithASurfaceSurviveRepaints) {
    paint(controls().canvas("画板2"), {0, 0, 8, 8}, kRed);
    window().hide();
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QApplication::processEvents();
    EXPECT_EQ(controls().canvas("画板2").pixels().at(3, 3), kRed);
    EXPECT_TRUE(showsModel(canvas("画板2")));
}

}  // namespace
}  // namespace qv::test
