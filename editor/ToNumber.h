#pragma once
#include <string_view>

namespace qv {

// Text to number: full-width forms folded to ASCII first, leading white space
// skipped, then the longest leading decimal number (sign, digits, fraction,
// exponent) in the C locale; 0 when there is none. The text is UTF-8.
double toNumber(std::string_view text);

}  // namespace qv
