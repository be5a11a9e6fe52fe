#include "gui/EditBox.h"

#include <QKeyEvent>

#include "gui/GbkText.h"

namespace qv {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &EditBox::rememberChange);
    // Queued: the line edit may still be working on the same edit (a drop
    // moves the cursor afterwards), so the cut waits until it is done.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& after) {
        if (maxGbkBytes_ <= 0 || gbkLength(after) <= maxGbkBytes_) return;
        // textEdited may come before or after the textChanged of the same edit.
        const QString before = current_ == after ? before_ : current_;
        QMetaObject::invokeMethod(
            this, [this, before, after] { clampEdit(before, after); }, Qt::QueuedConnection);
    });
}

void EditBox::rememberChange(const QString& text) {
    before_ = current_;
    current_ = text;
}

bool EditBox::isTypedCharacter(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (!c.isPrint()) return false;
    return true;
}

bool EditBox::isAccepted(const QString& typed) {
    for (const QChar c : typed)
        if (!(c.isDigit() && c.unicode() < 0x80) && c != u'-') return false;
    return true;
}

bool EditBox::wouldExceedLimit(const QString& typed) const {
    if (maxGbkBytes_ <= 0) return false;
    QString result = text();
    if (hasSelectedText())
        result.replace(selectionStart(), selectedText().size(), typed);
    else
        result.insert(cursorPosition(), typed);
    return gbkLength(result) > maxGbkBytes_;
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (isTypedCharacter(event) && (!isAccepted(event->text()) || wouldExceedLimit(event->text()))) {
        event->accept();  // discarded, as if never typed
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::clampEdit(const QString& before, const QString& after) {
    if (text() != after || maxGbkBytes_ <= 0 || gbkLength(after) <= maxGbkBytes_) return;
    // The edit replaced the middle of the old text: keep what was around it
    // and as much of the inserted part as fits.
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix)) ++prefix;
    if (prefix > 0 && after.at(prefix - 1).isHighSurrogate()) --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    if (suffix > 0 && after.at(after.size() - suffix).isLowSurrogate()) --suffix;

    const QString head = after.left(prefix);
    const QString tail = after.right(suffix);
    const int room = maxGbkBytes_ - gbkLength(head) - gbkLength(tail);
    if (room < 0) {
        // The old text was already longer than the limit (set by the program).
        setText(gbkPrefix(after, maxGbkBytes_));
        return;
    }
    const QString kept = gbkPrefix(after.mid(prefix, after.size() - prefix - suffix), room);
    setText(head + kept + tail);
    setCursorPosition(static_cast<int>(head.size() + kept.size()));
}

}  // namespace qv
