#include "gui/TextLabel.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

namespace qv {

TextLabel::TextLabel(Lines lines, Qt::Alignment horizontal, QWidget* parent) : QLabel(parent), lines_(lines) {
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::NoFrame);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(lines == Lines::WordWrapped);
    setAlignment((horizontal & Qt::AlignHorizontal_Mask) |
                 (lines == Lines::WordWrapped ? Qt::AlignTop : Qt::AlignVCenter));
    // The label paints its own box of the button-face colour (the window's
    // colour here), so nothing behind it shows through.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void TextLabel::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    if (lines_ == Lines::WordWrapped) {
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(u'\r', u'\n');
    } else {
        shown.remove(u'\r');
        shown.remove(u'\n');
    }
    setText(shown);
}

}  // namespace qv

namespace qv {

void TextLabel::paintEvent(QPaintEvent* event) {
    if (lines_ == Lines::OneLine) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const int pixelSize = QFontInfo(font()).pixelSize();
    const qreal step = pixelSize > 0 ? std::min<qreal>(pixelSize, metrics.height()) : metrics.height();
    const qreal width = contentsRect().width();
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    qreal y = contentsRect().top();
    for (const QString& paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(contentsRect().left(), y));
            y += step;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF());
        if (y >= contentsRect().bottom() + 1) break;
    }
}

}  // namespace qv
