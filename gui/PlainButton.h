#pragma once
// A plain push button: never a default button, so Enter presses nothing;
// Space and a left click activate it.
#include <QPushButton>

namespace qv {

class PlainButton : public QPushButton {
    Q_OBJECT
public:
    explicit PlainButton(QWidget* parent = nullptr) : QPushButton(parent) {
        setAutoDefault(false);
        setDefault(false);
        setFocusPolicy(Qt::StrongFocus);
    }
};

}  // namespace qv
