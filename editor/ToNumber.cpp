#include "editor/ToNumber.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <string>

namespace qv {
namespace {

// Full-width forms U+FF01..U+FF5E become ASCII 0x21..0x7E and the
// ideographic space U+3000 a space; everything else is kept as it is.
std::string foldFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 == 0xE3 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            static_cast<unsigned char>(text[i + 2]) == 0x80) {
            out.push_back(' ');
            i += 3;
            continue;
        }
        if (b0 == 0xEF && i + 2 < text.size()) {
            const unsigned cp = ((b0 & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                out.push_back(static_cast<char>(cp - 0xFF01 + 0x21));
                i += 3;
                continue;
            }
        }
        out.push_back(text[i]);
        ++i;
    }
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double toNumber(std::string_view text) {
    const std::string s = foldFullWidth(text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r' || s[i] == '\v' || s[i] == '\f'))
        ++i;
    // Find the longest prefix of the decimal form: sign, digits, fraction,
    // exponent. Hexadecimal, "inf" and "nan" are not numbers here.
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < s.size() && isDigit(s[j])) ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    // from_chars ignores the process locale, so '.' is always the decimal
    // point; it takes no '+' sign.
    std::size_t from = start;
    if (s[from] == '+') ++from;
    double value = 0.0;
    const auto result = std::from_chars(s.data() + from, s.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large gives an infinity of the number's sign (which later
        // saturates); too small, with its negative exponent, gives zero.
        const std::string_view number(s.data() + from, i - from);
        const std::size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        const double magnitude = tiny ? 0.0 : HUGE_VAL;
        return s[from] == '-' ? -magnitude : magnitude;
    }
    return value;
}

}  // namespace qv
