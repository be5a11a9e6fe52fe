#pragma once
// A group box drawn the classic way: an etched frame whose top edge runs
// through the middle of the caption, the caption at its left end on the
// button-face colour. Its children are placed from its outer top-left corner.
#include <QGroupBox>

namespace qv {

class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit GroupBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qv
