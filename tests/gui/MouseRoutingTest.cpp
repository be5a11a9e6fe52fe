// Canvas mouse events go through the window as the platform delivers them:
// no canvas keeps the mouse, a release belongs to the canvas under the
// pointer, a double click presses once and the border raises nothing.
#include <QPushButton>
#include <QSignalSpy>

#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

class MouseRoutingTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        for (const char* name : {"画板1", "画板2", "画板3", "画板4"}) {
            pressed[name] = std::make_unique<QSignalSpy>(canvas(name), &CanvasWidget::pressed);
            released[name] = std::make_unique<QSignalSpy>(canvas(name), &CanvasWidget::released);
        }
    }
    int pressCount(const char* name) { return static_cast<int>(pressed[name]->count()); }
    int releaseCount(const char* name) { return static_cast<int>(released[name]->count()); }
    int pressesEverywhere() {
        int n = 0;
        for (auto& [name, spy] : pressed) n += static_cast<int>(spy->count());
        return n;
    }
    int releasesEverywhere() {
        int n = 0;
        for (auto& [name, spy] : released) n += static_cast<int>(spy->count());
        return n;
    }
    static QList<int> args(const QSignalSpy& spy, int i) {
        const QList<QVariant> a = spy.at(i);
        return {a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt()};
    }

    std::map<std::string, std::unique_ptr<QSignalSpy>> pressed;
    std::map<std::string, std::unique_ptr<QSignalSpy>> released;
};

TEST_F(MouseRoutingTest, PressAndReleaseCarryClientCoordinates) {
    QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow("画板1", 40, 10));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, inWindow("画板1", 100, 70));
    ASSERT_EQ(pressCount("画板1"), 1);
    ASSERT_EQ(releaseCount("画板1"), 1);
    EXPECT_EQ(args(*pressed["画板1"], 0), (QList<int>{40, 10, 0}));
    EXPECT_EQ(args(*released["画板1"], 0), (QList<int>{100, 70, 0}));
}

TEST_F(MouseRoutingTest, ReleaseOverAnotherCanvasGoesOnlyToThatCanvas) {
    QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow("画板1", 5, 5));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, inWindow("画板4", 255, 63));
    EXPECT_EQ(releaseCount("画板1"), 0);
    ASSERT_EQ(releaseCount("画板4"), 1);
    EXPECT_EQ(args(*released["画板4"], 0), (QList<int>{255, 63, 0}));
}

TEST_F(MouseRoutingTest, ReleaseOverNoCanvasRaisesNothing) {
    QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow("画板1", 5, 5));
    // Between the tileset and the map canvas.
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, QPoint(520, 100));
    EXPECT_EQ(releasesEverywhere(), 0);
}

TEST_F(MouseRoutingTest, DoubleClickPressesOnceAndReleasesTwice) {
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, inWindow("画板2", 70, 40));
    EXPECT_EQ(pressCount("画板2"), 1);
    EXPECT_EQ(releaseCount("画板2"), 2);
}

TEST_F(MouseRoutingTest, BorderRaisesNothing) {
    CanvasWidget* tileset = canvas("画板1");
    const QPoint corner = tileset->mapTo(&window(), QPoint(0, 0));
    const QPoint farEdge = tileset->mapTo(&window(), QPoint(513, 200));
    for (const QPoint p : {corner, farEdge}) {
        QTest::mousePress(handle(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, p);
    }
    EXPECT_EQ(pressesEverywhere(), 0);
    EXPECT_EQ(releasesEverywhere(), 0);
    // The last pixels inside the border do count.
    QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow("画板1", 511, 511));
    ASSERT_EQ(pressCount("画板1"), 1);
    EXPECT_EQ(args(*pressed["画板1"], 0), (QList<int>{511, 511, 0}));
}

TEST_F(MouseRoutingTest, KeyStateNamesCtrlShiftAndAlt) {
    const struct {
        Qt::KeyboardModifiers modifiers;
        int keys;
    } cases[] = {{Qt::ControlModifier, 1}, {Qt::ShiftModifier, 2}, {Qt::AltModifier, 4},
                 {Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 7}};
    int i = 0;
    for (const auto& c : cases) {
        QTest::mousePress(handle(), Qt::LeftButton, c.modifiers, inWindow("画板2", 3, 4), 1000);
        QTest::mouseRelease(handle(), Qt::LeftButton, c.modifiers, inWindow("画板4", 5, 6));
        ASSERT_EQ(pressCount("画板2"), i + 1);
        EXPECT_EQ(args(*pressed["画板2"], i), (QList<int>{3, 4, c.keys}));
        EXPECT_EQ(args(*released["画板4"], i), (QList<int>{5, 6, c.keys}));
        ++i;
    }
}

TEST_F(MouseRoutingTest, OtherButtonsRaiseNothing) {
    QTest::mousePress(handle(), Qt::RightButton, {}, inWindow("画板2", 3, 4));
    QTest::mouseRelease(handle(), Qt::RightButton, {}, inWindow("画板2", 3, 4));
    EXPECT_EQ(pressesEverywhere(), 0);
    EXPECT_EQ(releasesEverywhere(), 0);
}

TEST_F(MouseRoutingTest, ReleaseAfterPressingAButtonStaysWithTheButton) {
    QWidget* button = widget("按钮32");
    QTest::mousePress(handle(), Qt::LeftButton, {}, button->mapTo(&window(), button->rect().center()));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, inWindow("画板4", 10, 10));
    EXPECT_EQ(releasesEverywhere(), 0);
}

TEST_F(MouseRoutingTest, PressesReachTheHandlers) {
    // A press on the tileset canvas is remembered as its cell by the editor.
    QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow("画板1", 40, 10));
    EXPECT_EQ(app->editor().state.tilesetPressCell, (Cell{1, 0}));
    EXPECT_EQ(app->editor().state.tilesetPressed, 1);
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, inWindow("画板1", 100, 70));
    EXPECT_EQ(app->editor().state.tilesetReleaseCell, (Cell{3, 2}));
    EXPECT_EQ(controls().width("画板3"), 96);
    EXPECT_EQ(controls().height("画板3"), 96);
}

}  // namespace
}  // namespace qv::test
