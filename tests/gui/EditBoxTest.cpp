// The edit boxes take typed digits and minus signs only; pasted text is not
// filtered; the tile unit boxes hold at most two GBK bytes however the text
// arrives.
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include <QDropEvent>

#include "gui/EditBox.h"
#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

class EditBoxTest : public AppFixture {
protected:
    // The text once queued work has run: the cut after a paste waits for
    // the event loop.
    static QString settled(QLineEdit* edit, const QString& expected) {
        (void)QTest::qWaitFor([&] { return edit->text() == expected; }, 1000);
        return edit->text();
    }
    QLineEdit* box(std::string_view name) {
        QLineEdit* edit = widget<QLineEdit>(name);
        edit->setFocus();
        return edit;
    }
    static void pasteWithKeys(QLineEdit* edit, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(EditBoxTest, TypingKeepsDigitsAndMinusOnly) {
    struct Case {
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"a", ""}, {".", ""}, {"a.b ,+", ""}, {"123", "12"}, {"-5", "-5"}, {"1x", "1"}, {"--", "--"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QLineEdit* edit = box("编辑框素材单位x");
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(c.typed));
        QApplication::processEvents();
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.result));
    }
}

TEST_F(EditBoxTest, EditingKeysStillWork) {
    QLineEdit* edit = box("编辑框素材单位y");
    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "1");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, "-");
    EXPECT_EQ(edit->text(), "-1");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // select all, not a typed 'a'
    QTest::keyClicks(edit, "7");
    EXPECT_EQ(edit->text(), "7");
}

TEST_F(EditBoxTest, MapSizeBoxesFilterTypingWithoutALimit) {
    controls().setVisible("编辑框1", true);
    QLineEdit* edit = box("编辑框1");
    QTest::keyClicks(edit, "8x0.0 0-9");
    EXPECT_EQ(edit->text(), "8000-9");
}

TEST_F(EditBoxTest, PasteIntoUnitBoxIsCutToTwoBytes) {
    struct Case {
        const char* before;
        const char* pasted;
        const char* result;
    };
    const Case cases[] = {
        {"", "12.5", "12"},
        {"", "1", "1"},
        {"1", "23", "12"},
        {"", "中文", "中"},
        {"", "a中", "a"},
        {"", "ab", "ab"},
        {"12", "3", "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        for (int how = 0; how < 2; ++how) {
            QLineEdit* edit = box("编辑框素材单位x");
            edit->setText(QString::fromUtf8(c.before));
            edit->end(false);
            if (how == 0) {
                pasteWithKeys(edit, QString::fromUtf8(c.pasted));
            } else {
                // The context menu's Paste.
                QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
                edit->paste();
            }
            EXPECT_EQ(settled(edit, QString::fromUtf8(c.result)), QString::fromUtf8(c.result));
            EXPECT_EQ(controls().text("编辑框素材单位x"), c.result);
        }
    }
}

TEST_F(EditBoxTest, TypingIntoAFullUnitBoxIsRefused) {
    QLineEdit* edit = box("编辑框素材单位x");
    pasteWithKeys(edit, "中");
    EXPECT_EQ(settled(edit, QStringLiteral("中")), QStringLiteral("中"));
    QTest::keyClicks(edit, "1");
    EXPECT_EQ(edit->text(), "中");
    // Typing over a selection replaces it.
    edit->selectAll();
    QTest::keyClicks(edit, "42");
    EXPECT_EQ(edit->text(), "42");
}

TEST_F(EditBoxTest, PasteIntoMapSizeBoxIsNotFiltered) {
    controls().setVisible("编辑框1", true);
    QLineEdit* edit = box("编辑框1");
    pasteWithKeys(edit, "12.5");
    QApplication::processEvents();
    EXPECT_EQ(edit->text(), "12.5");
    pasteWithKeys(edit, "px 一百 and more text");
    QApplication::processEvents();
    EXPECT_EQ(controls().text("编辑框1"), "12.5px 一百 and more text");
}

TEST_F(EditBoxTest, DroppedTextIsCutToo) {
    QLineEdit* edit = box("编辑框素材单位y");
    QMimeData data;
    data.setText("987");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDragMoveEvent move(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &move);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(settled(edit, QStringLiteral("98")), QStringLiteral("98"));
}

TEST_F(EditBoxTest, TextWrittenByTheProgramIsKept) {
    controls().setText("编辑框素材单位x", "12345");
    QApplication::processEvents();
    EXPECT_EQ(controls().text("编辑框素材单位x"), "12345");
}

}  // namespace
}  // namespace qv::test
