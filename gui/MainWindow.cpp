#include "gui/MainWindow.h"

#include <QScreen>
#include <QScrollArea>
#include <QShortcut>

#include "editor/Numbers.h"
#include "gui/WindowFrame.h"

namespace qv {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    // Everything not covered by a control shows the button-face colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    client_ = new QWidget;
    client_->setAutoFillBackground(true);
    scrollArea_->setWidget(client_);

    // Plain Esc closes the window from any of its controls, edit boxes
    // included; a modal file dialog keeps its own Esc.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::setOuterSize(QSize outer) {
    outer_ = QSize(clampSize(outer.width()), clampSize(outer.height()));
    client_->resize(clientSizeOf(outer_));
    fitToScreen();
}

void MainWindow::fitToScreen() {
    QSize real = client_->size();
    if (const QScreen* s = screen()) {
        // Up to the screen's right and bottom edges from where the window
        // stands (it does not move); a window standing mostly off the
        // screen may still be as large as the screen.
        const QRect area = s->availableGeometry();
        const QSize fromHere(area.right() + 1 - std::max(x(), area.left()), area.bottom() + 1 - std::max(y(), area.top()));
        const QSize whole = area.size();
        const QSize room(fromHere.width() >= whole.width() / 2 ? fromHere.width() : whole.width(),
                         fromHere.height() >= whole.height() / 2 ? fromHere.height() : whole.height());
        real = real.boundedTo(clientSizeOf(room));
    }
    resize(real.expandedTo(QSize(1, 1)));
}

void MainWindow::showAt(int left, int top) {
    move(left, top);
    fitToScreen();
    show();
    raise();
    activateWindow();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scrollArea_->setGeometry(rect());
}

}  // namespace qv
