// Labels show their captions as written: "\r\n" starts a new line in the
// word-wrapped ones, and both lines can be read within the label.
#include <QImage>
#include <QLabel>

#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

// Rows of the label that hold text: pixels clearly darker than the face.
int inkInRows(const QImage& image, int from, int to) {
    int ink = 0;
    for (int y = from; y < to && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++ink;
    return ink;
}

class LabelTest : public AppFixture {};

TEST_F(LabelTest, UnitLabelShowsTwoLines) {
    auto* label = widget<QLabel>("标签6");
    EXPECT_EQ(label->text().split(u'\n'), (QStringList{"当前素材单位：", "32*32"}));
    EXPECT_TRUE(label->wordWrap());
    const QImage image = label->grab().toImage();
    EXPECT_GT(inkInRows(image, 0, 12), 20);
    EXPECT_GT(inkInRows(image, 12, 24), 20);
}

TEST_F(LabelTest, HintWrapsOntoASecondVisibleLine) {
    // "多使用保存，防丢失" does not fit 72 pixels on one line.
    const QImage image = widget<QLabel>("标签1")->grab().toImage();
    EXPECT_GT(inkInRows(image, 0, 12), 20);
    EXPECT_GT(inkInRows(image, 12, 24), 20);
}

TEST_F(LabelTest, AmpersandShowsAsItself) {
    controls().setCaption("标签3", "A&B");
    EXPECT_EQ(controls().caption("标签3"), "A&B");
    EXPECT_EQ(widget<QLabel>("标签3")->text(), "A&B");
    EXPECT_EQ(widget<QLabel>("标签3")->textFormat(), Qt::PlainText);
}

TEST_F(LabelTest, OneLineLabelsIgnoreLineBreaks) {
    controls().setCaption("标签5", "x\r\ny");
    EXPECT_EQ(widget<QLabel>("标签5")->text(), "xy");
    EXPECT_EQ(controls().caption("标签5"), "x\r\ny");
}

}  // namespace
}  // namespace qv::test
