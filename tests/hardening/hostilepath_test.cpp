// Paths that name no readable regular file. The open command reports each with its runtime error
// before the window changes, without waiting on a device or a FIFO, and the window stays usable.
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "hardening/hostilefiletest.h"

namespace testsupport {
namespace {

using runtime::ErrorNumber;

struct PathCase {
    const char* name;
    // Makes the path in the test's folder; the folder also holds a regular file "font.bin".
    std::function<std::filesystem::path(const std::filesystem::path& folder)> make;
    ErrorNumber error;
};

void PrintTo(const PathCase& path, std::ostream* out) {
    *out << path.name;
}

class HostilePath : public HostileFileTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(HostilePath, IsRefusedAndTheWindowStaysUsable) {
    const auto folder = dir_ / "paths";
    std::filesystem::create_directory(folder);
    testsupport::writeBytes(folder / "font.bin", {0x4D, 0x64, 0x65, 0x54});
    expectRefused(GetParam().make(folder), GetParam().error);
}

std::filesystem::path fixed(const char* path) {
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    NoRegularFile, HostilePath,
    ::testing::Values(
        PathCase{"MissingFile", [](const auto& folder) { return folder / "missing.bin"; },
                 ErrorNumber::FileNotFound},
        PathCase{"PathThroughAFile", [](const auto& folder) { return folder / "font.bin" / "x"; },
                 ErrorNumber::FileNotFound},
        PathCase{"DanglingLink",
                 [](const auto& folder) {
                     std::filesystem::create_symlink(folder / "gone.bin", folder / "link.bin");
                     return folder / "link.bin";
                 },
                 ErrorNumber::FileNotFound},
        PathCase{"Folder", [](const auto& folder) { return folder; },
                 ErrorNumber::PathFileAccessError},
        PathCase{"FifoWithoutWriter",
                 [](const auto& folder) {
                     EXPECT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
                     return folder / "fifo";
                 },
                 ErrorNumber::PathFileAccessError},
        PathCase{"DevZero", [](const auto&) { return fixed("/dev/zero"); },
                 ErrorNumber::PathFileAccessError},
        PathCase{"DevUrandom", [](const auto&) { return fixed("/dev/urandom"); },
                 ErrorNumber::PathFileAccessError},
        PathCase{"DevNull", [](const auto&) { return fixed("/dev/null"); },
                 ErrorNumber::PathFileAccessError},
        PathCase{"LinkToDevZero",
                 [](const auto& folder) {
                     std::filesystem::create_symlink("/dev/zero", folder / "zero.bin");
                     return folder / "zero.bin";
                 },
                 ErrorNumber::PathFileAccessError}),
    [](const auto& info) { return std::string(info.param.name); });

// The file the user chose is gone by the time the command opens it.
TEST_F(HostileFileTest, AFileRemovedWhileTheDialogIsUp) {
    const auto chosen = write(BootFontBuilder().sbcsTable(49, sbcsGlyphs(2)));
    expectRefused(chosen, ErrorNumber::FileNotFound, [&] { std::filesystem::remove(chosen); });
}

}  // namespace
}  // namespace testsupport
