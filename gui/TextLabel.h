#pragma once
// A caption drawn as plain text on the button-face background: an ampersand
// shows as itself. A word-wrapped label starts at the top and breaks lines at
// word boundaries and at "\r\n"; a one-line label ignores line breaks and is
// centred vertically. Wrapped lines follow each other at the font's pixel
// size, as the classic GUI font does, so two lines fit a 24-pixel label.
#include <QLabel>

namespace qv {

class TextLabel : public QLabel {
    Q_OBJECT
public:
    enum class Lines { WordWrapped, OneLine };

    TextLabel(Lines lines, Qt::Alignment horizontal, QWidget* parent = nullptr);

    // The caption exactly as written; text() holds what is shown.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Lines lines_;
    QString caption_;
};

}  // namespace qv
