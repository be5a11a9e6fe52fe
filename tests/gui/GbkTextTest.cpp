// GBK byte lengths of text, as the unit boxes count them.
#include <gtest/gtest.h>

#include "gui/GbkText.h"

namespace qv {
namespace {

TEST(GbkTextTest, LengthsAndPrefixes) {
    struct Case {
        const char* text;
        int length;
        const char* prefix2;
    };
    const Case cases[] = {
        {"", 0, ""},
        {"12", 2, "12"},
        {"12.5", 4, "12"},
        {"中", 2, "中"},
        {"中文", 4, "中"},
        {"a中", 3, "a"},
        {"１２", 4, "１"},       // full-width digits are two bytes each
        {"€1", 2, "€1"},         // the euro sign is one byte in code page 936
        {"😀1", 2, "😀1"},       // not encodable: one byte, the '?' it becomes
        {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 3, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(gbkLength(QString::fromUtf8(c.text)), c.length);
        EXPECT_EQ(gbkPrefix(QString::fromUtf8(c.text), 2), QString::fromUtf8(c.prefix2));
    }
}

}  // namespace
}  // namespace qv
