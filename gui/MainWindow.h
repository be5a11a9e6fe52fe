#pragma once
// The main window. Its client area is a scrolled area whose content has the
// client size that the window's outer size gives by the frame rule; the
// controls are children of that content. The real window keeps to the
// screen's available area when the content is larger, and scrolls; made
// larger by the user, it shows the button-face colour beyond the content.
#include <QSize>
#include <QWidget>

class QScrollArea;

namespace qv {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The widget the controls are placed on: (0, 0) is the client area's
    // top-left corner.
    QWidget* clientArea() const { return client_; }
    QScrollArea* scrollArea() const { return scrollArea_; }

    // Outer size, frame and caption included, clamped to 0..32627.
    QSize outerSize() const { return outer_; }
    void setOuterSize(QSize outer);

    // Shows the window with its outer top-left corner at (left, top) of the
    // screen and gives it the keyboard focus.
    void showAt(int left, int top);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToScreen();

    QScrollArea* scrollArea_;
    QWidget* client_;
    QSize outer_;
};

}  // namespace qv
