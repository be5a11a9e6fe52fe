#include "gui/GbkText.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace qv {
namespace {

int gbkLengthOf(char32_t codePoint) {
    if (codePoint < 0x80) return 1;
    // One converter for the process: the GUI thread is the only user.
    static iconv_t converter = iconv_open("CP936", "UTF-32LE");
    if (converter == reinterpret_cast<iconv_t>(-1)) return 2;
    std::array<char, 4> in{static_cast<char>(codePoint & 0xFF), static_cast<char>((codePoint >> 8) & 0xFF),
                           static_cast<char>((codePoint >> 16) & 0xFF), static_cast<char>((codePoint >> 24) & 0xFF)};
    std::array<char, 8> out{};
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 1;
    return static_cast<int>(out.size() - outLeft);
}

// Length in UTF-16 units and GBK bytes of the code point starting at index i.
struct Step {
    int units;
    int bytes;
};

Step stepAt(const QString& text, qsizetype i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return {2, gbkLengthOf(QChar::surrogateToUcs4(c, text.at(i + 1)))};
    return {1, gbkLengthOf(c.unicode())};
}

}  // namespace

int gbkLength(const QString& text) {
    int total = 0;
    for (qsizetype i = 0; i < text.size();) {
        const Step step = stepAt(text, i);
        total += step.bytes;
        i += step.units;
    }
    return total;
}

QString gbkPrefix(const QString& text, int maxBytes) {
    int total = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const Step step = stepAt(text, i);
        if (total + step.bytes > maxBytes) break;
        total += step.bytes;
        i += step.units;
    }
    return text.left(i);
}

}  // namespace qv
