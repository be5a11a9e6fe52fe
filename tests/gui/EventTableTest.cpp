// The event table binds exactly the designed control events, and a click
// reaches the behaviour it names.
#include <QPushButton>
#include <set>
#include <utility>

#include "app/EventTable.h"
#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

using Binding = std::pair<std::string, EventKind>;

const std::set<Binding> kDesigned = {
    {"主窗口", EventKind::Created},       {"画板1", EventKind::Pressed},      {"画板1", EventKind::Released},
    {"画板2", EventKind::Pressed},        {"画板4", EventKind::Pressed},      {"画板4", EventKind::Released},
    {"按钮画", EventKind::Clicked},       {"按钮取", EventKind::Clicked},     {"按钮32", EventKind::Clicked},
    {"按钮24", EventKind::Clicked},       {"按钮16", EventKind::Clicked},     {"按钮其他大小", EventKind::Clicked},
    {"按钮新建", EventKind::Clicked},     {"按钮打开", EventKind::Clicked},   {"按钮保存", EventKind::Clicked},
    {"按钮另存为", EventKind::Clicked},   {"按钮A", EventKind::Clicked},      {"按钮B", EventKind::Clicked},
    {"按钮C", EventKind::Clicked},        {"按钮D", EventKind::Clicked},      {"按钮打开A", EventKind::Clicked},
    {"按钮打开B", EventKind::Clicked},    {"按钮打开C", EventKind::Clicked},  {"按钮打开D", EventKind::Clicked},
    {"按钮设置分辨率", EventKind::Clicked}, {"按钮确定", EventKind::Clicked},
};

TEST(EventTableTest, BindsExactlyTheDesignedEvents) {
    std::set<Binding> bound;
    for (const EventRow& row : eventTable()) {
        SCOPED_TRACE(std::string(row.control));
        EXPECT_TRUE(bound.insert({std::string(row.control), row.kind}).second) << "bound twice";
        const bool mouse = row.kind == EventKind::Pressed || row.kind == EventKind::Released;
        EXPECT_EQ(row.mouse != nullptr, mouse);
        EXPECT_EQ(row.click != nullptr, !mouse);
    }
    EXPECT_EQ(bound, kDesigned);
}

class EventBindingTest : public AppFixture {};

TEST_F(EventBindingTest, ClicksReachTheirBehaviour) {
    QTest::mouseClick(widget<QPushButton>("按钮取"), Qt::LeftButton);
    EXPECT_EQ(app->editor().state.paletteMode, PaletteMode::Take);
    EXPECT_TRUE(controls().disabled("按钮取"));
    EXPECT_FALSE(controls().disabled("按钮画"));

    QTest::mouseClick(widget<QPushButton>("按钮24"), Qt::LeftButton);
    EXPECT_EQ(app->editor().state.unitWidth, 24);
    EXPECT_EQ(controls().caption("标签6"), "当前素材单位：\r\n24*24");

    QTest::mouseClick(widget<QPushButton>("按钮设置分辨率"), Qt::LeftButton);
    EXPECT_TRUE(controls().visible("编辑框1"));
    EXPECT_TRUE(controls().visible("按钮确定"));
}

TEST_F(EventBindingTest, SpaceClicksAButtonAndEnterDoesNot) {
    auto* button = widget<QPushButton>("按钮取");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(app->editor().state.paletteMode, PaletteMode::Draw);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(app->editor().state.paletteMode, PaletteMode::Take);
}

TEST_F(EventBindingTest, DisabledAndHiddenControlsRaiseNothing) {
    // 按钮画 starts disabled and 按钮确定 hidden.
    const auto clickAt = [this](std::string_view name) {
        QWidget* w = widget(name);
        QTest::mouseClick(handle(), Qt::LeftButton, {}, w->mapTo(&window(), w->rect().center()));
    };
    app->editor().state.paletteMode = PaletteMode::Take;
    clickAt("按钮画");
    EXPECT_EQ(app->editor().state.paletteMode, PaletteMode::Take);

    controls().setText("编辑框1", "100");
    controls().setText("编辑框2", "100");
    clickAt("按钮确定");
    EXPECT_EQ(controls().width("画板2"), 514);
}

}  // namespace
}  // namespace qv::test
