#pragma once
// Delivers left-button releases without mouse capture: a release raises the
// released event of the canvas under the pointer, in its client coordinates,
// and of no canvas when the pointer is over none or over a canvas's border.
// A release that ends a press on a control that keeps the mouse while pressed
// (a button, an edit box, a scroll bar) stays with that control. The filter
// never eats an event.
#include <QObject>

namespace qv {

class MouseRouter : public QObject {
    Q_OBJECT
public:
    explicit MouseRouter(QObject* parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pressHeldByControl_ = false;
};

}  // namespace qv
