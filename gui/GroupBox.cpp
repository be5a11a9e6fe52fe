#include "gui/GroupBox.h"

#include <QPainter>

namespace qv {

namespace {
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;
}  // namespace

GroupBox::GroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
    setFlat(false);
}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int frameTop = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, frameTop, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    if (title().isEmpty()) return;
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

}  // namespace qv
