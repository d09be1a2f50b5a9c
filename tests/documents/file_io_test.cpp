#include "documents/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "temp_dir.h"

namespace stelvar {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::string MessageOfFailedWrite(const std::filesystem::path& target, const std::string& bytes) {
    try {
        WriteFileReplacing(target, bytes);
    } catch (const FileError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no error";
    return {};
}

TEST(WriteFileReplacing, ReplacesTheFileAndLeavesNothingElse) {
    TempDir dir;
    const auto file = dir / "wall.dat";
    WriteFileReplacing(file, "first\r\n");
    EXPECT_EQ(ReadBytes(file), "first\r\n");
    WriteFileReplacing(file, std::string("sec\0nd", 6));
    EXPECT_EQ(ReadBytes(file), std::string("sec\0nd", 6));
    WriteFileReplacing(file, "");
    EXPECT_EQ(ReadBytes(file), "");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wall.dat"});
}

TEST(WriteFileReplacing, KeepsThePermissionsOfTheFileItReplaces) {
    TempDir dir;
    const auto file = dir / "wall.dat";
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    WriteFileReplacing(file, "new");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(file), "new");
}

TEST(WriteFileReplacing, WritesThroughASymbolicLink) {
    TempDir dir;
    WriteBytes(dir / "real.dat", "old");
    std::filesystem::create_symlink(dir / "real.dat", dir / "link.dat");
    WriteFileReplacing(dir / "link.dat", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.dat"));
    EXPECT_EQ(ReadBytes(dir / "real.dat"), "new");
}

// Links of every kind are written through: the link stays a link, the file it leads to
// gets the bytes (a dangling link's file is created), and the new file is made in that
// file's folder, not in the link's, so nothing is left beside either.
TEST(WriteFileReplacing, WritesThroughLinksOfEveryKind) {
    const struct {
        const char* Label;
        std::vector<std::pair<std::string, std::string>> Links;  // link, what it holds
        bool Existing;  // the final file exists before the write
    } rows[] = {
        {"absolute link to a file", {{"doc/link.txt", "@/real/file.txt"}}, true},
        {"relative link, from the link's folder", {{"doc/link.txt", "../real/file.txt"}}, true},
        {"dangling relative link", {{"doc/link.txt", "../real/file.txt"}}, false},
        {"dangling absolute link", {{"doc/link.txt", "@/real/file.txt"}}, false},
        {"chain of links across folders",
         {{"doc/link.txt", "../mid/hop.txt"}, {"mid/hop.txt", "../real/file.txt"}}, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Label);
        TempDir dir;
        for (const char* folder : {"doc", "mid", "real"}) std::filesystem::create_directory(dir / folder);
        if (r.Existing) WriteBytes(dir / "real/file.txt", "old");
        for (const auto& [link, to] : r.Links) {
            const std::string target =
                to.starts_with("@") ? (dir.Path() / to.substr(2)).string() : to;
            std::filesystem::create_symlink(target, dir / link);
        }
        WriteFileReplacing(dir / "doc/link.txt", "new text");
        for (const auto& link : r.Links) EXPECT_TRUE(std::filesystem::is_symlink(dir / link.first));
        EXPECT_EQ(ReadBytes(dir / "doc/link.txt"), "new text");
        EXPECT_EQ(ReadBytes(dir / "real/file.txt"), "new text");
        EXPECT_TRUE(std::filesystem::is_regular_file(
            std::filesystem::symlink_status(dir / "real/file.txt")));
        std::size_t entries = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path())) {
            (void)e;
            ++entries;
        }
        EXPECT_EQ(entries, 3 + r.Links.size() + 1) << "a temporary file was left";
    }
}

TEST(WriteFileReplacing, ALoopOfLinksIsRefusedAndStays) {
    TempDir dir;
    std::filesystem::create_symlink("b.txt", dir / "a.txt");
    std::filesystem::create_symlink("a.txt", dir / "b.txt");
    EXPECT_EQ(MessageOfFailedWrite(dir / "a.txt", "x"),
              "cannot write '" + (dir / "a.txt").string() + "': " + std::strerror(ELOOP));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "a.txt"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST(WriteFileReplacing, FailingPartWayLeavesTheOldFile) {
    TempDir dir;
    const auto file = dir / "wall.dat";
    WriteBytes(file, "old contents");

    // Files of this process may grow to 64 bytes only; a longer write fails half-done.
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = MessageOfFailedWrite(file, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message, "cannot write '" + file.string() + "': File too large");
    EXPECT_EQ(ReadBytes(file), "old contents");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wall.dat"});
}

TEST(WriteFileReplacing, FailingRenameLeavesNothingBehind) {
    TempDir dir;
    std::filesystem::create_directory(dir / "wall.dat");
    WriteBytes(dir / "wall.dat" / "inside", "kept");
    const std::string message = MessageOfFailedWrite(dir / "wall.dat", "new");
    EXPECT_NE(message.find((dir / "wall.dat").string()), std::string::npos) << message;
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wall.dat"});
    EXPECT_EQ(ReadBytes(dir / "wall.dat" / "inside"), "kept");
}

TEST(WriteFileReplacing, MissingFolderNamesTheFile) {
    TempDir dir;
    const auto file = dir / "no such folder" / "wall.dat";
    EXPECT_EQ(MessageOfFailedWrite(file, "x"),
              "cannot write '" + file.string() + "': No such file or directory");
}

TEST(WriteFileReplacing, UnwritableFolderLeavesTheOldFile) {
    TempDir dir;
    const auto file = dir / "wall.dat";
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    if (::access(dir.Path().c_str(), W_OK) == 0) {
        ::chmod(dir.Path().c_str(), 0755);
        GTEST_SKIP() << "this user may write into any folder";
    }
    EXPECT_EQ(MessageOfFailedWrite(file, "new"),
              "cannot write '" + file.string() + "': Permission denied");
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wall.dat"});
}

TEST(WriteFileReplacing, ReadOnlyFileIsNotReplaced) {
    TempDir dir;
    const auto file = dir / "wall.dat";
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    if (::access(file.c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write any file";
    EXPECT_EQ(MessageOfFailedWrite(file, "new"),
              "cannot write '" + file.string() + "': Permission denied");
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wall.dat"});
}

TEST(ReadWholeFile, ReadsEveryByteOrNamesTheFile) {
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i % 251);
    WriteBytes(dir / "big.dat", bytes);
    EXPECT_EQ(ReadWholeFile(dir / "big.dat"), bytes);
    try {
        ReadWholeFile(dir.Path());
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "cannot read '" + dir.Path().string() + "': Is a directory");
    }
}

}  // namespace
}  // namespace stelvar
