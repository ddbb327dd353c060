// What a save of an opened font and bootfont patch rest on: bitmaps replaced in the file's bytes
// (refused where the file lacks the record; patch's tests compare the bytes), and the bytes
// written whole or not at all (patch's tests write them, over FONT too).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>

#include "bootfont/atomicwrite.h"
#include "bootfont/bitmapreplacement.h"
#include "bootfont/bootfonterror.h"
#include "support/bootfontbuilder.h"
#include "support/raisederror.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

namespace fs = std::filesystem;

// Two single-byte records, the second cut by the end of the file; no double-byte table.
TEST(BitmapReplacement, RefusesARecordTheFileDoesNotHoldWhole) {
    const FontFile file(testsupport::BootFontBuilder()
                            .sbcsTable(49, testsupport::sbcsGlyphs(2))
                            .truncateTo(75)
                            .build());
    const std::vector<std::uint8_t> rows16(16), rows32(32);
    for (const auto& [change, reason] : std::initializer_list<std::pair<BitmapChange, std::string>>{
             {{GlyphTable::Sbcs, 1, rows16},
              "record 1 of the single-byte table is cut off by the end of the file"},
             {{GlyphTable::Sbcs, 2, rows16}, "the single-byte table has no record 2"},
             {{GlyphTable::Sbcs, 0, rows32},
              "a bitmap of the single-byte table is 16 bytes, not 32"},
             {{GlyphTable::Dbcs, 0, rows32}, "the font has no double-byte table"}}) {
        const auto error = testsupport::raised(
            [&, &change = change] { replaceBitmaps(file, std::span(&change, 1)); });
        EXPECT_EQ(error ? error->detail() : "", "replaceBitmaps: " + reason);
    }
}

const std::vector<std::uint8_t> kOld{'o', 'l', 'd'};

struct FailureCase {
    const char* name;
    const char* target;  // in the folder, which holds the files "f" and "file"
    std::function<void(const testsupport::TempDir&)> prepare;
    const char* reason;
    int systemError;
};

class AtomicWriteFailure : public testing::TestWithParam<FailureCase> {};

// The file keeps its bytes, nothing is left beside it, and the reason is the system's.
TEST_P(AtomicWriteFailure, LeavesTheTargetAsItWas) {
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "f", kOld);
    std::ofstream(dir / "file") << "a file";
    // A case may lower the process's file size limit: it is put back before anything else.
    rlimit sizeLimit{};
    ::getrlimit(RLIMIT_FSIZE, &sizeLimit);
    GetParam().prepare(dir);
    if (IsSkipped()) {
        return;
    }
    try {
        writeFileAtomically(dir / GetParam().target, std::vector<std::uint8_t>(64 * 1024, 0x55));
        ADD_FAILURE() << "written";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(error.reason(), GetParam().reason);
        EXPECT_EQ(error.systemError(), GetParam().systemError);
        EXPECT_EQ(error.detail(), (dir / GetParam().target).string() + ": " + GetParam().reason);
    }
    ::setrlimit(RLIMIT_FSIZE, &sizeLimit);
    std::signal(SIGXFSZ, SIG_DFL);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(FontFile::open(dir / "f").bytes(), kOld);
    EXPECT_EQ(std::ranges::count_if(fs::recursive_directory_iterator(dir.path()),
                                    [](const auto& entry) { return entry.is_regular_file(); }),
              2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AtomicWriteFailure, testing::Values(
    FailureCase{"FolderGone", "gone/f", [](auto&) {}, "cannot create a file in its folder: No such file or directory", ENOENT},
    FailureCase{"FolderIsAFile", "file/f", [](auto&) {}, "cannot create a file in its folder: Not a directory", ENOTDIR},
    FailureCase{"TargetIsAFolder", "folder", [](auto& dir) { fs::create_directories(dir / "folder/x"); }, "Is a directory", EISDIR},
    // The system stops the write part way, as a full disk does: here a file size limit of 4 KB.
    FailureCase{"WriteStopsPartWay", "f", [](auto&) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }, "File too large", EFBIG},
    FailureCase{"ReadOnlyFolder", "f", [](auto& dir) {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "permission bits do not stop root from writing";
        }
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    }, "cannot create a file in its folder: Permission denied", EACCES}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace bootfont
