#include <gtest/gtest.h>

#include <ostream>

#include "document/FileDialog.h"

namespace qv {
namespace {

struct FilterCase {
    const char* name;
    std::string filter;
    std::vector<FileFilterEntry> entries;
};

// Test names and failure messages show the case by its name.
inline void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class ParseFileFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ParseFileFilter, GivesOneEntryPerDescriptionAndPattern) {
    const std::vector<FileFilterEntry> entries = parseFileFilter(GetParam().filter);
    ASSERT_EQ(entries.size(), GetParam().entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].description, GetParam().entries[i].description) << i;
        EXPECT_EQ(entries[i].pattern, GetParam().entries[i].pattern) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFileFilter,
    ::testing::Values(
        FilterCase{"Empty", "", {}},
        FilterCase{"OnlyWhiteSpace", " \t\r\n", {}},
        FilterCase{"MapFilter", "图片（*.bmp）|*.bmp", {{"图片（*.bmp）", "*.bmp"}}},
        FilterCase{"TrailingWhiteSpaceCut", "Pictures|*.bmp  \r\n", {{"Pictures", "*.bmp"}}},
        FilterCase{"InnerSpacesKept", " All files | * ", {{" All files ", " *"}}},
        FilterCase{"TwoEntries", "BMP|*.bmp|All|*.*", {{"BMP", "*.bmp"}, {"All", "*.*"}}},
        FilterCase{"SeveralPatterns", "Pictures|*.bmp;*.jpg", {{"Pictures", "*.bmp;*.jpg"}}},
        FilterCase{"DescriptionWithoutPatternDropped", "BMP|*.bmp|All", {{"BMP", "*.bmp"}}},
        FilterCase{"LoneDescription", "BMP", {}},
        FilterCase{"TrailingBar", "BMP|*.bmp|", {{"BMP", "*.bmp"}}},
        FilterCase{"EmptyFields", "||", {{"", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv
