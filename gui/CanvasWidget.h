#pragma once
// Shows a canvas model and reports its left-button presses. The frame is the
// canvas's one-pixel border; contentsRect() is the drawing area, one picture
// pixel per logical pixel. Releases are raised by the MouseRouter, which
// delivers them to the canvas under the pointer.
#include <QFrame>
#include <QRegion>
#include <cstdint>

#include "editor/Canvas.h"

namespace qv {

class CanvasWidget : public QFrame {
    Q_OBJECT
public:
    CanvasWidget(const CanvasSetup& setup, QWidget* parent = nullptr);
    ~CanvasWidget() override;

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

    // Client coordinates of a point in this widget, or false on the border
    // and outside.
    bool clientPoint(QPointF widgetPoint, std::int32_t& x, std::int32_t& y) const;

    // Called by the router for a release over this canvas.
    void raiseReleased(std::int32_t x, std::int32_t y, std::int32_t keys);

signals:
    void pressed(std::int32_t x, std::int32_t y, std::int32_t keys);
    void released(std::int32_t x, std::int32_t y, std::int32_t keys);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void modelChanged(const Rect& area);
    void modelResized();
    void repaintedFromOutside();
    void watchWindow();

    Canvas canvas_;
    QRegion requested_;  // client rectangles the model asked to show again
    QObject* watchedWindow_ = nullptr;
};

}  // namespace qv
