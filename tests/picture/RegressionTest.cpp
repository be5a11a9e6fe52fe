// Inputs that once broke a decoder. Each must decode or give none without
// crashing; a name containing ".none." must give none.
#include <gtest/gtest.h>

#include <filesystem>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

TEST(PictureRegressions, EveryKeptInputIsHandled) {
    const std::filesystem::path folder = QV_REGRESSION_DIR;
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no regression inputs";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        if (name.rfind("README", 0) == 0) continue;
        const auto bytes = test::readFile(entry.path().string());
        ASSERT_TRUE(bytes) << name;
        const auto picture = decodePicture(*bytes);
        if (picture) {
            EXPECT_EQ(picture->rgb.size(), static_cast<std::size_t>(picture->width) * picture->height * 3) << name;
        }
        if (name.find(".none.") != std::string::npos) {
            EXPECT_FALSE(picture) << name;
        }
        ++seen;
    }
    if (seen == 0) GTEST_SKIP() << "no regression inputs yet";
}

}  // namespace
}  // namespace qv
