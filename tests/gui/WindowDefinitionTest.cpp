// Every control as the window shows it at start: kind, parent, place, size,
// caption, visibility, enabled state and tab stop, against the window's
// design written out here once more.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

enum class Kind { Canvas, GroupBox, Label, EditBox, Button, Component };

struct Expected {
    const char* name;
    Kind kind;
    const char* parent;  // "" = the window's client area
    int left, top, width, height;
    int windowLeft, windowTop;
    const char* caption;
    bool visible, enabled, tabStop;
};

const Expected kExpected[] = {
    {"画板1", Kind::Canvas, "", 0, 0, 514, 514, 0, 0, "", true, true, false},
    {"画板2", Kind::Canvas, "", 528, 0, 514, 514, 528, 0, "", true, true, false},
    {"画板3", Kind::Canvas, "", 528, 528, 32, 32, 528, 528, "", true, true, false},
    {"分组框1", Kind::GroupBox, "", 8, 520, 498, 136, 8, 520, "素材区", true, true, false},
    {"分组框2", Kind::GroupBox, "", 752, 520, 288, 72, 752, 520, "地图操作", true, true, false},
    {"通用对话框1", Kind::Component, "", 0, 0, 0, 0, 0, 0, "", false, true, false},
    {"标签3", Kind::Label, "分组框1", 24, 16, 96, 16, 32, 536, "上面打开相应图片", true, true, false},
    {"标签4", Kind::Label, "分组框1", 24, 32, 96, 24, 32, 552, "下面设置图片地址", true, true, false},
    {"按钮打开A", Kind::Button, "分组框1", 128, 8, 24, 24, 136, 528, "A", true, true, true},
    {"按钮打开B", Kind::Button, "分组框1", 160, 8, 24, 24, 168, 528, "B", true, true, true},
    {"按钮打开C", Kind::Button, "分组框1", 192, 8, 24, 24, 200, 528, "C", true, true, true},
    {"按钮打开D", Kind::Button, "分组框1", 224, 8, 24, 24, 232, 528, "D", true, true, true},
    {"按钮A", Kind::Button, "分组框1", 128, 40, 24, 16, 136, 560, "A", true, true, true},
    {"按钮B", Kind::Button, "分组框1", 160, 40, 24, 16, 168, 560, "B", true, true, true},
    {"按钮C", Kind::Button, "分组框1", 192, 40, 24, 16, 200, 560, "C", true, true, true},
    {"按钮D", Kind::Button, "分组框1", 224, 40, 24, 16, 232, 560, "D", true, true, true},
    {"画板4", Kind::Canvas, "分组框1", 8, 64, 258, 66, 16, 584, "", true, true, false},
    {"按钮画", Kind::Button, "分组框1", 272, 64, 40, 25, 280, 584, "画", true, false, true},
    {"按钮取", Kind::Button, "分组框1", 272, 104, 40, 25, 280, 624, "取", true, true, true},
    {"按钮32", Kind::Button, "分组框1", 336, 16, 48, 32, 344, 536, "32*32", true, true, true},
    {"按钮24", Kind::Button, "分组框1", 336, 56, 48, 32, 344, 576, "24*24", true, true, true},
    {"按钮16", Kind::Button, "分组框1", 336, 96, 48, 32, 344, 616, "16*16", true, true, true},
    {"标签6", Kind::Label, "分组框1", 400, 24, 96, 32, 408, 544, "当前素材单位：\r\n32*32", true, true, false},
    {"编辑框素材单位x", Kind::EditBox, "分组框1", 400, 72, 24, 20, 408, 592, "", true, true, true},
    {"标签5", Kind::Label, "分组框1", 424, 72, 16, 16, 432, 592, "*", true, true, false},
    {"编辑框素材单位y", Kind::EditBox, "分组框1", 440, 72, 24, 20, 448, 592, "", true, true, true},
    {"按钮其他大小", Kind::Button, "分组框1", 400, 96, 64, 32, 408, 616, "其他单位", true, true, true},
    {"按钮新建", Kind::Button, "分组框2", 8, 16, 40, 25, 760, 536, "新建", true, true, true},
    {"按钮打开", Kind::Button, "分组框2", 56, 16, 40, 25, 808, 536, "打开", true, true, true},
    {"按钮保存", Kind::Button, "分组框2", 104, 16, 40, 25, 856, 536, "保存", true, true, true},
    {"按钮另存为", Kind::Button, "分组框2", 152, 16, 48, 25, 904, 536, "另存为", true, true, true},
    {"标签1", Kind::Label, "分组框2", 208, 16, 72, 24, 960, 536, "多使用保存，防丢失", true, true, false},
    {"按钮设置分辨率", Kind::Button, "分组框2", 8, 48, 72, 20, 760, 568, "设置分辨率", true, true, true},
    {"编辑框1", Kind::EditBox, "分组框2", 88, 48, 40, 20, 840, 568, "", false, true, true},
    {"标签2", Kind::Label, "分组框2", 128, 48, 16, 16, 880, 568, "*", false, true, false},
    {"编辑框2", Kind::EditBox, "分组框2", 144, 48, 40, 20, 896, 568, "", false, true, true},
    {"按钮确定", Kind::Button, "分组框2", 192, 48, 40, 20, 944, 568, "确定", false, true, true},
};

bool hasKind(const QWidget* w, Kind kind) {
    switch (kind) {
        case Kind::Canvas: return qobject_cast<const CanvasWidget*>(w) != nullptr;
        case Kind::GroupBox: return qobject_cast<const QGroupBox*>(w) != nullptr;
        case Kind::Label: return qobject_cast<const QLabel*>(w) != nullptr;
        case Kind::EditBox: return qobject_cast<const QLineEdit*>(w) != nullptr;
        case Kind::Button: return qobject_cast<const QPushButton*>(w) != nullptr;
        case Kind::Component: return w == nullptr;
    }
    return false;
}

class WindowDefinitionTest : public AppFixture {};

TEST_F(WindowDefinitionTest, EveryControlStartsAsDesigned) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        QWidget* w = controls().widget(e.name);
        ASSERT_TRUE(hasKind(w, e.kind));
        EXPECT_EQ(controls().visible(e.name), e.visible);
        if (e.kind == Kind::Component) continue;

        const QWidget* parent = *e.parent ? controls().widget(e.parent) : window().clientArea();
        EXPECT_EQ(w->parentWidget(), parent);
        EXPECT_EQ(w->objectName(), qs(e.name));
        EXPECT_EQ(controls().left(e.name), e.left);
        EXPECT_EQ(controls().top(e.name), e.top);
        EXPECT_EQ(controls().width(e.name), e.width);
        EXPECT_EQ(controls().height(e.name), e.height);
        EXPECT_EQ(w->size(), QSize(e.width, e.height));
        EXPECT_EQ(w->mapTo(window().clientArea(), QPoint(0, 0)), QPoint(e.windowLeft, e.windowTop));
        if (e.kind == Kind::EditBox) {
            EXPECT_EQ(controls().text(e.name), e.caption);
        } else {
            EXPECT_EQ(controls().caption(e.name), e.caption);
        }
        EXPECT_EQ(w->isHidden(), !e.visible);
        EXPECT_EQ(controls().disabled(e.name), !e.enabled);
        EXPECT_EQ((w->focusPolicy() & Qt::TabFocus) != 0, e.tabStop);
    }
}

TEST_F(WindowDefinitionTest, NoControlBeyondTheDesignedOnes) {
    // Every named widget in the window is one of the designed controls.
    QStringList designed;
    for (const Expected& e : kExpected) designed << qs(e.name);
    for (const QWidget* w : window().clientArea()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_")) continue;
        EXPECT_TRUE(designed.contains(w->objectName())) << w->objectName().toStdString();
    }
}

TEST_F(WindowDefinitionTest, MainWindowKeepsTheFrameRule) {
    EXPECT_EQ(controls().caption("主窗口"), "Quorvane");
    EXPECT_EQ(controls().width("主窗口"), 1065);
    EXPECT_EQ(controls().height("主窗口"), 695);
    EXPECT_EQ(window().clientArea()->size(), QSize(1049, 656));
    EXPECT_EQ(window().size(), QSize(1049, 656));
    // Centred by the outer size on the 1920 x 1080 test screen.
    EXPECT_EQ(controls().left("主窗口"), (1920 - 1065) / 2);
    EXPECT_EQ(controls().top("主窗口"), (1080 - 695) / 2);
    EXPECT_TRUE(controls().visible("主窗口"));
}

TEST_F(WindowDefinitionTest, DrawingAreasAreTheOuterSizesLessTheBorder) {
    struct Area {
        const char* name;
        int outerWidth, outerHeight, clientWidth, clientHeight;
    };
    const Area areas[] = {
        {"画板1", 514, 514, 512, 512},
        {"画板2", 514, 514, 512, 512},
        {"画板3", 32, 32, 32, 32},
        {"画板4", 258, 66, 256, 64},
    };
    for (const Area& a : areas) {
        SCOPED_TRACE(a.name);
        EXPECT_EQ(controls().width(a.name), a.outerWidth);
        EXPECT_EQ(controls().height(a.name), a.outerHeight);
        EXPECT_EQ(controls().canvas(a.name).clientWidth(), a.clientWidth);
        EXPECT_EQ(controls().canvas(a.name).clientHeight(), a.clientHeight);
        EXPECT_EQ(canvas(a.name)->contentsRect().size(), QSize(a.clientWidth, a.clientHeight));
        EXPECT_EQ(controls().canvas(a.name).pixels().width, a.clientWidth);
        EXPECT_EQ(controls().canvas(a.name).pixels().height, a.clientHeight);
    }
}

TEST_F(WindowDefinitionTest, CanvasesStartWithTheirDesignedSettings) {
    const std::uint32_t buttonFace = QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFFu;
    struct Settings {
        const char* name;
        PictureMode mode;
        bool autoRedraw;
        bool picture;
    };
    const Settings settings[] = {
        {"画板1", PictureMode::TopLeft, true, true},
        {"画板2", PictureMode::TopLeft, true, false},
        {"画板3", PictureMode::Tiled, true, false},
        {"画板4", PictureMode::Tiled, false, false},
    };
    for (const Settings& s : settings) {
        SCOPED_TRACE(s.name);
        const Canvas& c = controls().canvas(s.name);
        EXPECT_EQ(c.pictureMode(), s.mode);
        EXPECT_EQ(c.autoRedraw(), s.autoRedraw);
        EXPECT_EQ(c.backgroundColour(), buttonFace);
        EXPECT_EQ(!c.backgroundPicture().empty(), s.picture);
    }
    // The default tileset is a 640 x 1408 picture shown from its top-left corner.
    const Picture* tileset = controls().canvas("画板1").backgroundPictureDecoded();
    ASSERT_NE(tileset, nullptr);
    EXPECT_EQ(tileset->width, 640);
    EXPECT_EQ(tileset->height, 1408);
}

TEST_F(WindowDefinitionTest, CreatedEventSetsTheEditorDefaults) {
    const EditorState& state = app->editor().state;
    EXPECT_EQ(state.unitWidth, 32);
    EXPECT_EQ(state.unitHeight, 32);
    EXPECT_EQ(state.paletteMode, PaletteMode::Draw);
    EXPECT_TRUE(state.mapPath.empty());
}

}  // namespace
}  // namespace qv::test
