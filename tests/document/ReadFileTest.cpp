#include <sys/stat.h>

#include <gtest/gtest.h>

#include "document/FileIo.h"
#include "tests/support/ForkedCheck.h"
#include "tests/support/TempFolder.h"

namespace qv {
namespace {

using test::fileBytes;
using test::putFile;

class ReadFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
};

TEST_F(ReadFileTest, GivesTheWholeFileByteForByte) {
    Bytes contents(3 * 1024 * 1024 + 17);
    for (std::size_t i = 0; i < contents.size(); ++i) contents[i] = static_cast<std::uint8_t>(i * 131 + (i >> 11));
    contents[0] = 0;  // zero bytes are data like any other
    putFile(folder.file("data.bin"), contents);
    EXPECT_EQ(readFile(folder.file("data.bin")), contents);
}

TEST_F(ReadFileTest, GivesEmptyBytesForWhatIsNoReadableFile) {
    putFile(folder.file("empty.bmp"), Bytes{});
    ASSERT_EQ(::mkdir(folder.file("folder.bmp").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(folder.file("pipe.bmp").c_str(), 0644), 0);  // opening it must not wait for a writer

    for (const std::string& path : {std::string(), folder.file("missing.bmp"), folder.file("empty.bmp"),
                                   folder.file("folder.bmp"), folder.file("pipe.bmp"),
                                   folder.file("missing/inside.bmp")}) {
        EXPECT_TRUE(readFile(path).empty()) << path;
    }
}

TEST_F(ReadFileTest, GivesEmptyBytesForAFileWithoutReadPermission) {
    const std::string path = folder.file("secret.bmp");
    putFile(path, std::string("not for everyone"));
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    // Root reads anything, so the check runs as an unprivileged user.
    EXPECT_TRUE(test::runInChild(
        [&] {
            if (!readFile(path).empty()) return 1;
            return 0;
        },
        /*dropPrivileges=*/true));
}

}  // namespace
}  // namespace qv
