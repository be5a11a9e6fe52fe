#include "gui/CanvasWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>

#include "gui/KeyState.h"

namespace qv {

CanvasWidget::CanvasWidget(const CanvasSetup& setup, QWidget* parent) : QFrame(parent), canvas_(setup) {
    if (canvas_.border() > 0) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(canvas_.border());
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    setFocusPolicy(Qt::NoFocus);
    // Every pixel of the drawing area is painted from the surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(canvas_.width(), canvas_.height());
    canvas_.onChanged = [this](const Rect& area) { modelChanged(area); };
    canvas_.onResized = [this] { modelResized(); };
}

CanvasWidget::~CanvasWidget() {
    canvas_.onChanged = nullptr;
    canvas_.onResized = nullptr;
}

void CanvasWidget::modelChanged(const Rect& area) {
    const QRect rect = QRect(area.left, area.top, area.width, area.height).translated(contentsRect().topLeft());
    requested_ += rect;
    update(rect);
}

void CanvasWidget::modelResized() {
    resize(canvas_.width(), canvas_.height());
    // The model rebuilt its surface: the whole new size is its own paint.
    requested_ = QRegion(rect());
    update();
}

bool CanvasWidget::clientPoint(QPointF widgetPoint, std::int32_t& x, std::int32_t& y) const {
    const QRect client = contentsRect();
    const double px = std::floor(widgetPoint.x()) - client.left();
    const double py = std::floor(widgetPoint.y()) - client.top();
    if (px < 0 || py < 0 || px >= client.width() || py >= client.height()) return false;
    x = static_cast<std::int32_t>(px);
    y = static_cast<std::int32_t>(py);
    return true;
}

void CanvasWidget::raiseReleased(std::int32_t x, std::int32_t y, std::int32_t keys) {
    emit released(x, y, keys);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    std::int32_t x = 0;
    std::int32_t y = 0;
    if (!clientPoint(event->position(), x, y)) return;  // the border raises nothing
    emit pressed(x, y, keyStateOf(event->modifiers()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    // Qt sends the release to the pressed widget; the router raises it on the
    // canvas under the pointer instead.
    event->accept();
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click raises nothing (the default would
    // treat it as another press and stamp twice).
    event->accept();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    const QRect client = contentsRect();
    if (!canvas_.autoRedraw()) {
        // A paint the model did not ask for is the platform repainting the
        // canvas: without a surface of its own, what was drawn is gone.
        const QRegion outside = (event->region() & client) - requested_;
        requested_ -= event->region();
        if (!outside.isEmpty()) repaintedFromOutside();
    } else {
        requested_ -= event->region();
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const Surface& surface = canvas_.pixels();
    // Wraps the surface without a copy; the surface outlives the painter.
    const QImage image(reinterpret_cast<const uchar*>(surface.pixels.data()), surface.width, surface.height,
                       static_cast<qsizetype>(surface.width) * 4, QImage::Format_RGB32);
    const QColor background = QColor::fromRgb(canvas_.backgroundColour() | 0xFF000000u);
    for (const QRect& asked : event->region()) {
        const QRect area = asked & client;
        if (area.isEmpty()) continue;
        const QRect source = area.translated(-client.topLeft());
        const QRect shown = source & image.rect();
        if (!shown.isEmpty()) painter.drawImage(shown.translated(client.topLeft()), image, shown);
        // A drawing area without surface pixels (never wider than 1 pixel)
        // shows the background colour.
        const QRegion rest = QRegion(source) - QRegion(shown);
        for (const QRect& r : rest) painter.fillRect(r.translated(client.topLeft()), background);
    }
    painter.end();
    QFrame::paintEvent(event);  // the border
}

void CanvasWidget::repaintedFromOutside() {
    canvas_.repaintedFromOutside();
    // Show the whole background again; this paint is the model's own.
    requested_ += contentsRect();
    update(contentsRect());
}

void CanvasWidget::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    watchWindow();
}

void CanvasWidget::watchWindow() {
    // Minimising and restoring, or uncovering, the window shows it again from
    // the backing store without a paint; the expose still counts as a repaint
    // from outside for a canvas without a surface.
    if (canvas_.autoRedraw()) return;
    QWindow* handle = window()->windowHandle();
    if (!handle || handle == watchedWindow_) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    handle->installEventFilter(this);
    watchedWindow_ = handle;
    connect(handle, &QObject::destroyed, this, [this] { watchedWindow_ = nullptr; });
}

bool CanvasWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::Expose && isVisible() &&
        static_cast<QWindow*>(watched)->isExposed()) {
        repaintedFromOutside();
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace qv
