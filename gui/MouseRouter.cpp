#include "gui/MouseRouter.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include "gui/CanvasWidget.h"
#include "gui/KeyState.h"

namespace qv {
namespace {

bool holdsMouseWhilePressed(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget);
}

// A window behind a modal dialog takes no input.
bool blockedByModal(const QWidget* widget) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && widget->window() != modal;
}

}  // namespace

bool MouseRouter::eventFilter(QObject* watched, QEvent* event) {
    // Mouse events reach the window first and its widget second: acting on
    // the window's copy handles each event once.
    if (!watched->isWindowType()) return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;

    const QWidget* under = QApplication::widgetAt(mouse->globalPosition().toPoint());
    if (event->type() == QEvent::MouseButtonPress) {
        pressHeldByControl_ = holdsMouseWhilePressed(under);
        return false;
    }

    const bool held = pressHeldByControl_;
    pressHeldByControl_ = false;
    if (held) return false;
    auto* canvas = qobject_cast<CanvasWidget*>(const_cast<QWidget*>(under));
    if (!canvas || !canvas->isEnabled() || !canvas->isVisible() || blockedByModal(canvas)) return false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    if (!canvas->clientPoint(canvas->mapFromGlobal(mouse->globalPosition()), x, y)) return false;
    canvas->raiseReleased(x, y, keyStateOf(mouse->modifiers()));
    return false;
}

}  // namespace qv
