#include "bootfont/fontfilereader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "bootfont/loadertesthelpers.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

using runtime::ErrorNumber;
using testsupport::raisedError;

TEST(FontFileReader, OnlyRegularFilesOpen) {
    testsupport::TempDir dir;
    EXPECT_EQ(raisedError([&] { FontFileReader file(dir / "missing.bin"); }),
              ErrorNumber::FileNotFound);
    EXPECT_EQ(raisedError([&] { FontFileReader file(dir / "no" / "such.bin"); }),
              ErrorNumber::FileNotFound);
    EXPECT_EQ(raisedError([&] { FontFileReader file(dir.path()); }),
              ErrorNumber::PathFileAccessError);
    // A FIFO with no writer would block a plain open() forever.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(raisedError([&] { FontFileReader file(dir / "fifo"); }),
              ErrorNumber::PathFileAccessError);
    EXPECT_EQ(raisedError([] { FontFileReader file("/dev/zero"); }),
              ErrorNumber::PathFileAccessError);
}

TEST(FontFileReader, ReadsAnyRangeAcrossItsBlocksAndZerosPastTheEnd) {
    testsupport::TempDir dir;
    std::vector<std::uint8_t> bytes(200'000);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 256);
    }
    testsupport::writeBytes(dir / "big.bin", bytes);
    FontFileReader file(dir / "big.bin");

    const auto expectRange = [&](std::int64_t offset, std::size_t size) {
        std::vector<std::uint8_t> expected(size, 0);
        for (std::size_t i = 0; i < size; ++i) {
            const auto at = static_cast<std::size_t>(offset) + i;
            expected[i] = at < bytes.size() ? bytes[at] : 0;
        }
        file.seek(offset);
        const auto view = file.next(size);
        EXPECT_EQ(std::vector(view.begin(), view.end()), expected)
            << "offset " << offset << " size " << size;
    };
    expectRange(0, 49);
    expectRange(65'530, 36);     // across the first block boundary
    expectRange(10, 150'000);    // larger than a block
    expectRange(100, 17);        // backwards, into an earlier block
    expectRange(199'990, 36);    // past the end of the file
    expectRange(5'000'000, 17);  // far past the end

    // Reads continue where the last one ended.
    file.seek(65'535);
    file.next(1);
    EXPECT_EQ(file.next(1)[0], bytes[65'536]);
}

TEST(FontFileReader, AClosedFileRefusesToRead) {
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "f.bin", {1, 2, 3});
    FontFileReader file(dir / "f.bin");
    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(raisedError([&] { file.next(3); }), ErrorNumber::PathFileAccessError);
}

}  // namespace
}  // namespace bootfont
