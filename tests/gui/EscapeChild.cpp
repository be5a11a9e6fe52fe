#include "tests/gui/EscapeChild.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/StartUp.h"

namespace qv::test {
namespace {

QWidget* topLevelNamed(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

void pressEscapeInUnitBox() {
    QWidget* window = topLevelNamed(QStringLiteral("主窗口"));
    auto* box = window ? window->findChild<QLineEdit*>(QStringLiteral("编辑框素材单位x")) : nullptr;
    if (!box || !window->isVisible()) std::_Exit(4);
    // The start-up routine activated the window; Esc needs it active.
    if (!QTest::qWaitForWindowActive(window)) std::_Exit(5);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("1"));  // typing first: Esc must close mid-edit
    QTest::keyClick(box, Qt::Key_Escape);
}

// Runs from the application object's constructor: queue the key press for
// when the message loop runs, and a deadline in case Esc closes nothing.
void scheduleEscape() {
    QMetaObject::invokeMethod(
        qApp,
        [] {
            pressEscapeInUnitBox();
            QTimer::singleShot(10000, [] { std::_Exit(kEscapeNeverClosed); });
        },
        Qt::QueuedConnection);
}

}  // namespace

int runEscapeChild(int argc, char** argv) {
    qAddPreRoutine(scheduleEscape);
    return qv::runQuorvane(argc, argv);
}

}  // namespace qv::test
