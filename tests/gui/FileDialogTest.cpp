// The file dialog over Qt's widget dialog: filters, start selection, flags,
// and what a confirmed or cancelled dialog leaves in fileName.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <vector>

#include "gui/QtFileDialog.h"
#include "tests/gui/AppFixture.h"

namespace qv::test {
namespace {

TEST(FileDialogFilterTest, FilterTextBecomesQtNameFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"", {}},
        {"   ", {}},
        {"图片（*.bmp）|*.bmp", {"图片（*.bmp） (*.bmp)"}},
        {"Pictures|*.png;*.jpg|All|*.*", {"Pictures (*.png *.jpg)", "All (*.*)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(QtFileDialog::nameFilters(c.filter), c.expected);
    }
}

class FileDialogTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        savedCurrent = QDir::currentPath();
    }
    void TearDown() override {
        QDir::setCurrent(savedCurrent);
        AppFixture::TearDown();
    }
    std::string path(const QString& name) { return QFile::encodeName(folder.filePath(name)).toStdString(); }
    void makeFile(const QString& name) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    // Runs show() while the steps work the modal windows one after the
    // other: each step gets the active modal window and says whether it
    // acted. Steps act from a timer, never inside another step.
    using Step = std::function<bool(QWidget&)>;
    bool showWith(const std::vector<Step>& steps) {
        std::size_t next = 0;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (next < steps.size() && modal && modal->isVisible() && steps[next](*modal)) ++next;
        });
        poll.start();
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        deadline.start(10000);
        const bool result = app->fileDialog().show();
        EXPECT_EQ(next, steps.size()) << "not every step ran";
        return result;
    }
    bool showAnd(const std::function<void(QFileDialog&)>& act) {
        return showWith({[&](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            if (dialog) act(*dialog);
            return dialog != nullptr;
        }});
    }
    static void typeAndConfirm(QFileDialog& dialog, const QString& text) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(text);
        // Queued: Return may open a message box with a loop of its own.
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
    }

    QTemporaryDir folder;
    QString savedCurrent;
};

TEST_F(FileDialogTest, OpenConfirmsAnExistingFile) {
    makeFile("tiles.gif");
    FileDialog& d = app->fileDialog();
    d.kind = FileDialogKind::OpenFile;
    d.filter = "图片（*.bmp）|*.bmp";
    const bool confirmed = showAnd([&](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), QStringList{"图片（*.bmp） (*.bmp)"});
        EXPECT_EQ(dialog.parentWidget(), &window());
        typeAndConfirm(dialog, folder.filePath("tiles.gif"));
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(d.fileName, path("tiles.gif"));
}

TEST_F(FileDialogTest, CancelKeepsFileName) {
    FileDialog& d = app->fileDialog();
    d.fileName = path("earlier.bmp");
    const bool confirmed = showAnd([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(d.fileName, path("earlier.bmp"));
}

TEST_F(FileDialogTest, StartsWithTheLastFileName) {
    makeFile("map.bmp");
    FileDialog& d = app->fileDialog();
    d.fileName = path("map.bmp");
    showAnd([&](QFileDialog& dialog) {
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        const QStringList selected = dialog.selectedFiles();
        ASSERT_FALSE(selected.isEmpty());
        EXPECT_EQ(QFileInfo(selected.first()).fileName(), "map.bmp");
        EXPECT_TRUE(dialog.nameFilters().isEmpty() || dialog.nameFilters() == QStringList{"All Files (*)"});
        dialog.reject();
    });
}

TEST_F(FileDialogTest, SaveAddsTheDefaultExtension) {
    FileDialog& d = app->fileDialog();
    d.kind = FileDialogKind::SaveFile;
    const bool confirmed = showAnd([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.defaultSuffix(), "bmp");
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        typeAndConfirm(dialog, folder.filePath("newmap"));
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(d.fileName, path("newmap.bmp"));
}

TEST_F(FileDialogTest, OpenRefusesAMissingFile) {
    FileDialog& d = app->fileDialog();
    d.fileName = "";
    bool warned = false;
    const bool confirmed = showWith({
        [&](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            if (dialog) typeAndConfirm(*dialog, folder.filePath("missing.bmp"));
            return dialog != nullptr;
        },
        [&](QWidget& modal) {
            // The dialog says the file does not exist and stays open.
            if (qobject_cast<QFileDialog*>(&modal)) return false;
            warned = true;
            modal.close();
            return true;
        },
        [&](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            if (dialog) dialog->reject();
            return dialog != nullptr;
        },
    });
    EXPECT_TRUE(warned);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(d.fileName, "");
}

}  // namespace
}  // namespace qv::test
