// What a save of an opened font and bootfont patch rest on: bitmaps replaced in the file's bytes
// (refused where the file lacks the record; patch's tests compare the bytes), and the bytes
// written whole or not at all.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "bootfont/atomicwrite.h"
#include "bootfont/bitmapreplacement.h"
#include "bootfont/bootfonterror.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

namespace fs = std::filesystem;

// Two single-byte records, the second cut by the end of the file; no double-byte table.
TEST(BitmapReplacement, RefusesARecordTheFileDoesNotHoldWhole) {
    const FontFile file(testsupport::BootFontBuilder()
                            .sbcsTable(49, testsupport::sbcsGlyphs(2))
                            .truncateTo(49 + 17 + 9)
                            .build());
    for (const auto& [change, reason] : std::initializer_list<std::pair<BitmapChange, std::string>>{
             {{GlyphTable::Sbcs, 1, std::vector<std::uint8_t>(16)},
              "record 1 of the single-byte table is cut off by the end of the file"},
             {{GlyphTable::Sbcs, 2, std::vector<std::uint8_t>(16)},
              "the single-byte table has no record 2"},
             {{GlyphTable::Sbcs, 0, std::vector<std::uint8_t>(32)},
              "a bitmap of the single-byte table is 16 bytes, not 32"},
             {{GlyphTable::Dbcs, 0, std::vector<std::uint8_t>(32)},
              "the font has no double-byte table"}}) {
        try {
            replaceBitmaps(file, std::span(&change, 1));
            ADD_FAILURE() << reason;
        } catch (const BootFontError& error) {
            EXPECT_EQ(error.reason(), "replaceBitmaps: " + reason);
        }
    }
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::vector<std::uint8_t> kBytes{'n', 'e', 'w'};

// An existing file keeps its permissions, a new one gets those of any new file.
TEST(AtomicWrite, ReplacesTheFileKeepingItsPermissions) {
    testsupport::TempDir dir;
    std::ofstream(dir / "old") << "old bytes";
    fs::permissions(dir / "old", fs::perms::owner_read | fs::perms::owner_write);
    writeFileAtomically(dir / "old", kBytes);
    writeFileAtomically(dir / "new", kBytes);
    EXPECT_EQ(contents(dir / "old"), "new");
    EXPECT_EQ(fs::status(dir / "old").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(dir / "new").permissions()), 0666 & ~mask);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

struct FailureCase {
    const char* name;
    const char* target;  // in the folder, which holds "f" ("old") and "file"
    std::function<void(const testsupport::TempDir&)> prepare;
    const char* reason;
};

// Restores the limit of the file size that a case lowers.
class AtomicWriteFailure : public testing::TestWithParam<FailureCase> {
protected:
    void SetUp() override { ::getrlimit(RLIMIT_FSIZE, &limit_); }
    void TearDown() override { ::setrlimit(RLIMIT_FSIZE, &limit_); }

private:
    rlimit limit_{};
};

// The file keeps its bytes, nothing is left beside it, and the reason is the system's.
TEST_P(AtomicWriteFailure, LeavesTheTargetAsItWas) {
    testsupport::TempDir dir;
    std::ofstream(dir / "f") << "old";
    std::ofstream(dir / "file") << "a file";
    GetParam().prepare(dir);
    if (IsSkipped()) {
        return;
    }
    try {
        writeFileAtomically(dir / GetParam().target, kBytes);
        ADD_FAILURE() << "written";
    } catch (const BootFontError& error) {
        EXPECT_EQ(error.reason(), GetParam().reason);
        EXPECT_EQ(error.detail(), (dir / GetParam().target).string() + ": " + GetParam().reason);
    }
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(contents(dir / "f"), "old");
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 2u);
}

// A file of 3 bytes is too large for a limit of 0 bytes: the write fails, not the creation.
void limitFileSize(rlim_t size) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = size;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AtomicWriteFailure, testing::Values(
    FailureCase{"FolderGone", "gone/f", [](auto&) {}, "cannot create a file in its folder: No such file or directory"},
    FailureCase{"FolderIsAFile", "file/f", [](auto&) {}, "cannot create a file in its folder: Not a directory"},
    FailureCase{"TargetIsAFolder", "folder", [](auto& dir) { fs::create_directories(dir / "folder/x"); }, "Is a directory"},
    FailureCase{"ReadOnlyFolder", "f", [](auto& dir) {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "permission bits do not stop root from writing";
        }
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    }, "cannot create a file in its folder: Permission denied"},
    FailureCase{"WriteFails", "f", [](auto&) { limitFileSize(0); }, "File too large"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace bootfont
