#pragma once
// Lengths of text as the code page 936 (GBK) byte strings the unit boxes are
// limited by: ASCII is one byte, a character GBK can encode is two (the euro
// sign one), and a character it cannot encode one, the '?' it would become.
#include <QString>

namespace qv {

int gbkLength(const QString& text);

// The longest leading part of text whose GBK length is at most maxBytes. A
// surrogate pair is never split.
QString gbkPrefix(const QString& text, int maxBytes);

}  // namespace qv
