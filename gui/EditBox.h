#pragma once
// A one-line integer edit box. Typed characters other than the digits and the
// minus sign are discarded while the editing keys work as usual; pasted or
// dropped text is not filtered. An optional limit counts GBK bytes: typing
// past it is refused, and text that arrives by other ways (paste, drop, input
// method) is cut so that only what fits of it is kept.
#include <QLineEdit>

namespace qv {

class EditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent = nullptr);

    // 0 means no limit of its own.
    void setMaxGbkBytes(int maxBytes) { maxGbkBytes_ = maxBytes; }
    int maxGbkBytes() const { return maxGbkBytes_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool isTypedCharacter(const QKeyEvent* event);
    static bool isAccepted(const QString& typed);
    bool wouldExceedLimit(const QString& typed) const;
    void rememberChange(const QString& text);
    void clampEdit(const QString& before, const QString& after);

    int maxGbkBytes_ = 0;
    QString before_;   // the text before the latest change
    QString current_;  // the text after it
};

}  // namespace qv
