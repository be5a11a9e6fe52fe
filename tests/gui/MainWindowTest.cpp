// The main window's size is its outer size by the frame rule; a map larger
// than the screen is scrolled to, and resizing the window moves no control.
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

class MainWindowTest : public AppFixture {};

TEST_F(MainWindowTest, SizesAreOuterSizesClamped) {
    struct Case {
        int written, read;
    };
    const Case cases[] = {{1353, 1353}, {10, 10}, {-7, 0}, {40000, 32627}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        controls().setWidth("主窗口", c.written);
        controls().setHeight("主窗口", c.written);
        EXPECT_EQ(controls().width("主窗口"), c.read);
        EXPECT_EQ(controls().height("主窗口"), c.read);
        EXPECT_EQ(window().clientArea()->width(), std::max(0, c.read - 16));
        EXPECT_EQ(window().clientArea()->height(), std::max(0, c.read - 39));
    }
}

TEST_F(MainWindowTest, PositionsAreClamped) {
    controls().setLeft("分组框2", 40000);
    controls().setTop("分组框2", -40000);
    EXPECT_EQ(controls().left("分组框2"), 32627);
    EXPECT_EQ(controls().top("分组框2"), -32627);
    EXPECT_EQ(controls().width("分组框2"), 288);
}

TEST_F(MainWindowTest, LargeMapIsScrolledToAndPressed) {
    // A 16384 x 16384 map: its last pixel must be reachable and pressable.
    constexpr int kMap = 16384;
    controls().setWidth("画板2", kMap + 2);
    controls().setHeight("画板2", kMap + 2);
    controls().setWidth("主窗口", kMap + 2 + 1065 - 514);
    controls().setHeight("主窗口", kMap + 2 + 695 - 514);
    EXPECT_EQ(controls().width("主窗口"), kMap + 2 + 551);
    EXPECT_EQ(window().clientArea()->size(), QSize(kMap + 2 + 551 - 16, kMap + 2 + 181 - 39));
    // The real window keeps to the screen.
    const QRect screen = window().screen()->availableGeometry();
    EXPECT_LE(window().width(), screen.width());
    EXPECT_LE(window().height(), screen.height());

    for (const QPoint at : {QPoint(kMap - 1, kMap - 1), QPoint(kMap - 1, 0), QPoint(0, kMap - 1), QPoint(8000, 9000)}) {
        window().scrollArea()->ensureVisible(528 + 1 + at.x(), 1 + at.y(), 20, 20);
        QApplication::processEvents();
        QSignalSpy pressed(canvas("画板2"), &CanvasWidget::pressed);
        QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow("画板2", at.x(), at.y()));
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, inWindow("画板2", at.x(), at.y()));
        ASSERT_EQ(pressed.count(), 1) << at.x() << "," << at.y();
        EXPECT_EQ(pressed.at(0).at(0).toInt(), at.x());
        EXPECT_EQ(pressed.at(0).at(1).toInt(), at.y());
        QTest::qWait(400);  // the next press is not a double click
    }
    // Scrolling moved no control inside the window.
    EXPECT_EQ(controls().left("画板2"), 528);
    EXPECT_EQ(controls().top("画板2"), 0);
}

TEST_F(MainWindowTest, ResizingTheWindowMovesNoControl) {
    window().resize(1600, 900);
    QApplication::processEvents();
    EXPECT_EQ(controls().left("分组框2"), 752);
    EXPECT_EQ(controls().top("分组框2"), 520);
    EXPECT_EQ(window().clientArea()->pos(), QPoint(0, 0));
    EXPECT_EQ(window().clientArea()->size(), QSize(1049, 656));
    // Beyond the controls the window shows the button-face colour.
    const QImage shown = window().grab().toImage();
    EXPECT_EQ(shown.pixel(1500, 800), QApplication::palette().color(QPalette::Button).rgb());
    EXPECT_EQ(shown.pixel(1045, 300), QApplication::palette().color(QPalette::Button).rgb());
}

}  // namespace
}  // namespace qv::test
