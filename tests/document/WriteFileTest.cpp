#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

#include <gtest/gtest.h>

#include "document/FileIo.h"
#include "tests/support/ForkedCheck.h"
#include "tests/support/TempFolder.h"

namespace qv {
namespace {

using test::fileBytes;
using test::putFile;

Bytes patterned(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    return bytes;
}

mode_t permissionsOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

ino_t inodeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

class WriteFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    const Bytes oldMap = patterned(5000, 1);
    const Bytes newMap = patterned(200000, 2);
};

TEST_F(WriteFileTest, CreatesTheFileWithTheBytesAndLeavesNothingElse) {
    const std::string path = folder.file("map.bmp");
    EXPECT_TRUE(writeFile(path, newMap));
    EXPECT_EQ(fileBytes(path), newMap);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"map.bmp"});
}

TEST_F(WriteFileTest, ReplacesAnOldFileLongerOrShorter) {
    const std::string path = folder.file("map.bmp");
    putFile(path, newMap);
    EXPECT_TRUE(writeFile(path, oldMap));
    EXPECT_EQ(fileBytes(path), oldMap);
    EXPECT_TRUE(writeFile(path, newMap));
    EXPECT_EQ(fileBytes(path), newMap);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"map.bmp"});
}

TEST_F(WriteFileTest, EmptyDataMakesAnEmptyFile) {
    const std::string path = folder.file("map.bmp");
    putFile(path, oldMap);
    EXPECT_TRUE(writeFile(path, {}));
    EXPECT_TRUE(fileBytes(path).empty());
    EXPECT_TRUE(test::fileExists(path));
}

TEST_F(WriteFileTest, EmptyPathWritesNothing) {
    EXPECT_FALSE(writeFile("", newMap));
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(WriteFileTest, NewFileModeFollowsTheUmask) {
    for (const auto& [mask, expected] : {std::pair<mode_t, mode_t>{022, 0644}, {077, 0600}, {002, 0664}}) {
        const mode_t previous = ::umask(mask);
        const std::string path = folder.file("map" + std::to_string(mask) + ".bmp");
        const bool written = writeFile(path, oldMap);
        ::umask(previous);
        ASSERT_TRUE(written);
        EXPECT_EQ(permissionsOf(path), expected) << std::oct << mask;
    }
}

TEST_F(WriteFileTest, ReplacementKeepsThePermissionBits) {
    const std::string path = folder.file("map.bmp");
    for (const mode_t mode : {0600, 0640, 0664, 0755}) {
        putFile(path, oldMap);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(writeFile(path, newMap));
        EXPECT_EQ(permissionsOf(path), mode) << std::oct << mode;
        EXPECT_EQ(fileBytes(path), newMap);
    }
}

TEST_F(WriteFileTest, ReplacementKeepsTheOwner) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "only root can create a file owned by someone else";
    const std::string path = folder.file("map.bmp");
    putFile(path, oldMap);
    ASSERT_TRUE(test::giveToChildUser(path));
    ASSERT_TRUE(writeFile(path, newMap));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, test::kUnprivilegedId);
    EXPECT_EQ(info.st_gid, test::kUnprivilegedId);
}

TEST_F(WriteFileTest, ASymlinkedMapIsWrittenThroughItsLink) {
    ASSERT_EQ(::mkdir(folder.file("real").c_str(), 0755), 0);
    const std::string target = folder.file("real/map.bmp");
    putFile(target, oldMap);
    ASSERT_EQ(::symlink("real/map.bmp", folder.file("link.bmp").c_str()), 0);

    ASSERT_TRUE(writeFile(folder.file("link.bmp"), newMap));
    struct stat link {};
    ASSERT_EQ(::lstat(folder.file("link.bmp").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(fileBytes(target), newMap);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.bmp", "real"}));
}

TEST_F(WriteFileTest, ADanglingSymlinkCreatesTheFileItNames) {
    ASSERT_EQ(::symlink("made.bmp", folder.file("link.bmp").c_str()), 0);
    ASSERT_TRUE(writeFile(folder.file("link.bmp"), newMap));
    EXPECT_EQ(fileBytes(folder.file("made.bmp")), newMap);
    struct stat link {};
    ASSERT_EQ(::lstat(folder.file("link.bmp").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
}

TEST_F(WriteFileTest, NeverReplacesAFolderOrAPipe) {
    ASSERT_EQ(::mkdir(folder.file("maps").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(folder.file("pipe.bmp").c_str(), 0644), 0);
    EXPECT_FALSE(writeFile(folder.file("maps"), newMap));
    EXPECT_FALSE(writeFile(folder.file("pipe.bmp"), newMap));
    struct stat info {};
    ASSERT_EQ(::lstat(folder.file("pipe.bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"maps", "pipe.bmp"}));
}

TEST_F(WriteFileTest, AFolderRemovedMeanwhileGetsNothingAndNothingAppears) {
    const std::string maps = folder.file("maps");
    ASSERT_EQ(::mkdir(maps.c_str(), 0755), 0);
    ASSERT_EQ(::rmdir(maps.c_str()), 0);
    EXPECT_FALSE(writeFile(maps + "/map.bmp", newMap));
    EXPECT_FALSE(test::fileExists(maps));
    EXPECT_TRUE(folder.names().empty());
}

// A file of several chunks, the last one short, handed out by a producer
// that can be told to fail at the chunk holding a given byte.
class WriteFileFromTest : public WriteFileTest {
protected:
    const Bytes bigMap = patterned((std::size_t{10} << 20) + 12345, 4);

    FileFiller producer(std::uint64_t failAt = UINT64_MAX) {
        return [this, failAt](std::uint8_t* chunk, std::uint64_t offset, std::uint64_t length) {
            if (offset + length > bigMap.size()) return false;
            if (offset + length > failAt) return false;  // the chunk holding byte failAt
            std::copy_n(bigMap.begin() + static_cast<std::ptrdiff_t>(offset), length, chunk);
            return true;
        };
    }
};

TEST_F(WriteFileFromTest, AFileOfSeveralChunksArrivesWhole) {
    const std::string path = folder.file("map.bmp");
    putFile(path, oldMap);
    EXPECT_TRUE(writeFileFrom(path, bigMap.size(), producer()));
    EXPECT_EQ(fileBytes(path), bigMap);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"map.bmp"});
}

TEST_F(WriteFileFromTest, AFileOfManyWritebackWindowsArrivesWhole) {
    // Large files leave the page cache window by window as they are written;
    // what is read back must still be every byte.
    const std::uint64_t size = (std::uint64_t{100} << 20) + 7;
    const auto byteAt = [](std::uint64_t i) { return static_cast<std::uint8_t>(i * 31 + (i >> 20)); };
    const std::string path = folder.file("map.bmp");
    putFile(path, oldMap);
    ASSERT_TRUE(writeFileFrom(path, size, [&](std::uint8_t* chunk, std::uint64_t offset, std::uint64_t length) {
        for (std::uint64_t i = 0; i < length; ++i) chunk[i] = byteAt(offset + i);
        return true;
    }));
    const Bytes file = fileBytes(path);
    ASSERT_EQ(file.size(), size);
    std::uint64_t firstWrong = 0;
    while (firstWrong < size && file[firstWrong] == byteAt(firstWrong)) ++firstWrong;
    EXPECT_EQ(firstWrong, size) << "the first wrong byte";
    EXPECT_EQ(folder.names(), std::vector<std::string>{"map.bmp"});
}

TEST_F(WriteFileFromTest, AProducerFailingMidwayLeavesTheOldFileAndNoTemporary) {
    const std::string path = folder.file("map.bmp");
    for (const std::uint64_t failAt : {std::uint64_t{0}, std::uint64_t{5} << 20, bigMap.size() - 1}) {
        putFile(path, oldMap);
        EXPECT_FALSE(writeFileFrom(path, bigMap.size(), producer(failAt))) << failAt;
        EXPECT_EQ(fileBytes(path), oldMap) << failAt;
        EXPECT_EQ(folder.names(), std::vector<std::string>{"map.bmp"}) << failAt;
    }
    // Nothing old: nothing appears either.
    EXPECT_FALSE(writeFileFrom(folder.file("new.bmp"), bigMap.size(), producer(std::uint64_t{5} << 20)));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"map.bmp"});
}

// The checks below run in a child: a file size limit or dropped privileges
// must not touch the test process. Each return code names the failed check.

TEST_F(WriteFileTest, BeyondTheFileSizeLimitTheOldFileStaysAndTheProcessLives) {
    const std::string path = folder.file("map.bmp");
    putFile(path, oldMap);
    EXPECT_TRUE(test::runInChild([&] {
        const rlimit limit{65536, 65536};  // newMap is larger, oldMap smaller
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
        if (writeFile(path, newMap)) return 2;
        if (fileBytes(path) != oldMap) return 3;
        if (folder.names() != std::vector<std::string>{"map.bmp"}) return 4;
        if (!writeFile(path, patterned(60000, 3))) return 5;  // below the limit the write still works
        return 0;
    }));
    EXPECT_EQ(fileBytes(path), patterned(60000, 3));
}

TEST_F(WriteFileTest, AReadOnlyFileInAWritableFolderStaysAsItIs) {
    const std::string path = folder.file("map.bmp");
    putFile(path, oldMap);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_TRUE(test::giveToChildUser(folder.path()));
    ASSERT_TRUE(test::giveToChildUser(path));
    EXPECT_TRUE(test::runInChild(
        [&] {
            if (writeFile(path, newMap)) return 1;
            if (fileBytes(path) != oldMap) return 2;
            if (folder.names() != std::vector<std::string>{"map.bmp"}) return 3;
            return 0;
        },
        /*dropPrivileges=*/true));
}

class ReadOnlyFolderTest : public WriteFileTest {
protected:
    void SetUp() override {
        ASSERT_EQ(::mkdir(maps.c_str(), 0755), 0);
        putFile(path, oldMap);
        ASSERT_EQ(::chmod(maps.c_str(), 0555), 0);  // no new entries, for root's children too
    }
    const std::string maps = folder.file("maps");
    const std::string path = maps + "/map.bmp";
};

TEST_F(ReadOnlyFolderTest, AWritableTargetIsWrittenInPlace) {
    ASSERT_TRUE(test::giveToChildUser(path));
    const ino_t before = inodeOf(path);
    EXPECT_TRUE(test::runInChild(
        [&] {
            if (!writeFile(path, newMap)) return 1;
            if (fileBytes(path) != newMap) return 2;
            if (!writeFile(path, oldMap)) return 3;  // shorter again: the tail is cut
            if (fileBytes(path) != oldMap) return 4;
            return 0;
        },
        /*dropPrivileges=*/true));
    EXPECT_EQ(inodeOf(path), before);
    EXPECT_EQ(test::namesIn(maps), std::vector<std::string>{"map.bmp"});
}

TEST_F(ReadOnlyFolderTest, AReadOnlyTargetStaysAsItIs) {
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(test::runInChild(
        [&] {
            if (writeFile(path, newMap)) return 1;
            if (fileBytes(path) != oldMap) return 2;
            return 0;
        },
        /*dropPrivileges=*/true));
    EXPECT_EQ(fileBytes(path), oldMap);
    EXPECT_EQ(test::namesIn(maps), std::vector<std::string>{"map.bmp"});
}

TEST_F(ReadOnlyFolderTest, InPlaceWriteBeyondTheFileSizeLimitLeavesTheOldFile) {
    ASSERT_TRUE(test::giveToChildUser(path));
    EXPECT_TRUE(test::runInChild(
        [&] {
            const rlimit limit{65536, 65536};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
            if (writeFile(path, newMap)) return 2;
            if (fileBytes(path) != oldMap) return 3;
            return 0;
        },
        /*dropPrivileges=*/true));
    EXPECT_EQ(fileBytes(path), oldMap);
    EXPECT_EQ(test::namesIn(maps), std::vector<std::string>{"map.bmp"});
}

TEST_F(ReadOnlyFolderTest, InPlaceAProducerFailingMidwayLeavesTheOldFile) {
    ASSERT_TRUE(test::giveToChildUser(path));
    const Bytes bigMap = patterned((std::size_t{10} << 20) + 12345, 4);
    EXPECT_TRUE(test::runInChild(
        [&] {
            const auto failingAtFiveMiB = [&](std::uint8_t* chunk, std::uint64_t offset, std::uint64_t length) {
                if (offset >= (std::uint64_t{5} << 20)) return false;
                std::copy_n(bigMap.begin() + static_cast<std::ptrdiff_t>(offset), length, chunk);
                return true;
            };
            if (writeFileFrom(path, bigMap.size(), failingAtFiveMiB)) return 1;
            if (fileBytes(path) != oldMap) return 2;
            return 0;
        },
        /*dropPrivileges=*/true));
    EXPECT_EQ(fileBytes(path), oldMap);
    EXPECT_EQ(test::namesIn(maps), std::vector<std::string>{"map.bmp"});
}

TEST_F(ReadOnlyFolderTest, ANewFileCannotBeMade) {
    EXPECT_TRUE(test::runInChild(
        [&] {
            if (writeFile(maps + "/other.bmp", newMap)) return 1;
            return 0;
        },
        /*dropPrivileges=*/true));
    EXPECT_EQ(test::namesIn(maps), std::vector<std::string>{"map.bmp"});
}

}  // namespace
}  // namespace qv
