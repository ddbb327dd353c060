#include "hardening/hostilefiletest.h"

#include <QLabel>
#include <QPushButton>
#include <array>
#include <iterator>
#include <string>

#include "viewer/picturebox.h"

namespace testsupport {
namespace {

using runtime::ErrorNumber;

QPushButton* button(Form1& form, int number) {
    auto* found = form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    EXPECT_NE(found, nullptr) << number;
    return found;
}

int openDescriptors() {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                          std::filesystem::directory_iterator{}));
}

// The text of the message a click shows, if it shows one.
std::optional<std::string> clickReport(WindowOnAFont& window, int number) {
    const std::size_t before = window.messageBox.messages.size();
    button(window.form, number)->click();
    const auto& messages = window.messageBox.messages;
    if (messages.size() == before) {
        return std::nullopt;
    }
    EXPECT_EQ(messages.size(), before + 1) << "one click, one message";
    return messages.back().text;
}

std::optional<std::string> reportOf(std::optional<ErrorNumber> error) {
    if (!error) {
        return std::nullopt;
    }
    return runtime::RuntimeError(*error).userMessage();
}

// `N` bytes of the file from `position`; the part past its end reads as zeros.
template <std::size_t N>
std::array<std::uint8_t, N> bytesAt(const std::vector<std::uint8_t>& file, std::int64_t position) {
    std::array<std::uint8_t, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto at = static_cast<std::uint64_t>(position) + i;
        out[i] = at < file.size() ? file[at] : 0;
    }
    return out;
}

// The record that starts at `position` of a table whose records are `stride` bytes apart.
void decode(const std::vector<std::uint8_t>& file, std::int64_t position, std::size_t stride,
            bootfont::SbcsGlyphRecord& record) {
    if (bootfont::recordCarriesUnicode(bootfont::GlyphTable::Sbcs, stride)) {
        bootfont::decodeSbcsRecord(bytesAt<bootfont::kSbcsUnicodeRecordSize>(file, position),
                                   record);
    } else {
        bootfont::decodeSbcsRecord(bytesAt<bootfont::kSbcsRecordSize>(file, position), record);
    }
}
void decode(const std::vector<std::uint8_t>& file, std::int64_t position, std::size_t stride,
            bootfont::DbcsGlyphRecord& record) {
    bootfont::decodeDbcsRecord(bytesAt<bootfont::kDbcsRecordSize>(file, position), record);
    if (!bootfont::recordCarriesUnicode(bootfont::GlyphTable::Dbcs, stride)) {
        record.Trailer = {};
    }
}

template <typename Record>
void expectTable(const char* name, const runtime::CheckedArray<Record>& table, Table expected,
                 const runtime::CheckedArray<Record>& earlier,
                 const std::vector<std::uint8_t>& file, std::int32_t count, std::int32_t offset,
                 std::size_t stride) {
    if (expected == Table::Kept) {
        EXPECT_EQ(table, earlier) << name << " table should keep the earlier font's records";
        return;
    }
    ASSERT_EQ(table.size(), count) << name;
    for (std::int64_t i = 0; i < count; ++i) {
        Record record;
        decode(file, offset + i * static_cast<std::int64_t>(stride), stride, record);
        if (table[i] != record) {
            ADD_FAILURE() << name << " record " << i << " is not the file's bytes at its place";
            return;
        }
    }
}

}  // namespace

WindowOnAFont::WindowOnAFont(const std::filesystem::path& earlierFont) {
    EXPECT_TRUE(open(earlierFont).empty()) << "the earlier font did not open cleanly";
}

std::vector<std::string> WindowOnAFont::open(const std::filesystem::path& path,
                                             const std::function<void()>& beforeAnswer) {
    dialogs.openFileName = [&](commondialog::OPENFILENAME& record) {
        if (beforeAnswer) {
            beforeAnswer();
        }
        writeBuffer(record.lpstrFile, path.string());
        return commondialog::kDialogAccepted;
    };
    const std::size_t before = messageBox.messages.size();
    const int descriptors = openDescriptors();
    button(form, 1)->click();
    EXPECT_EQ(openDescriptors(), descriptors) << "the open command left a file open";
    dialogs.openFileName = cancelDialog;

    std::vector<std::string> shown;
    for (std::size_t i = before; i < messageBox.messages.size(); ++i) {
        shown.push_back(messageBox.messages[i].text);
    }
    return shown;
}

HostileFileTest::HostileFileTest() {
    earlierFont_ = write(BootFontBuilder()
                             .sbcsTable(49, sbcsGlyphs(5, 200))
                             .dbcsTable(49 + 5 * 17, dbcsGlyphs(7, 300)));
}

std::filesystem::path HostileFileTest::write(const BootFontBuilder& builder) {
    return builder.writeTo(dir_ / ("font" + std::to_string(files_++) + ".bin"));
}

std::filesystem::path HostileFileTest::writeBytes(const std::vector<std::uint8_t>& bytes) {
    const auto path = dir_ / ("font" + std::to_string(files_++) + ".bin");
    testsupport::writeBytes(path, bytes);
    return path;
}

void HostileFileTest::expectOpening(const std::filesystem::path& path,
                                    const std::vector<std::uint8_t>& bytes,
                                    const Expected& expected) {
    WindowOnAFont window(earlierFont_);
    const auto earlierSbcs = window.form.state().SbcsGlyphs;
    const auto earlierDbcs = window.form.state().DbcsGlyphs;

    std::vector<std::string> reports;
    if (!expected.accepted) {
        reports.push_back("Not bootfont file!!!\u201C");
    } else if (expected.open) {
        reports.push_back(*reportOf(expected.open));
    }
    EXPECT_EQ(window.open(path), reports);
    const bootfont::BootFontHeader& header = window.form.state().Header;
    expectTable("single-byte", window.form.state().SbcsGlyphs, expected.sbcs, earlierSbcs, bytes,
                header.NumSbcsChars, header.SbcsOffset,
                bootfont::recordStride(bootfont::GlyphTable::Sbcs, header.NumSbcsChars,
                                       header.SbcsEntriesTotalSize));
    expectTable("double-byte", window.form.state().DbcsGlyphs, expected.dbcs, earlierDbcs, bytes,
                header.NumDbcsChars, header.DbcsOffset,
                bootfont::recordStride(bootfont::GlyphTable::Dbcs, header.NumDbcsChars,
                                       header.DbcsEntriesTotalSize));
    EXPECT_EQ(clickReport(window, 2), reportOf(expected.singleByteView));
    EXPECT_EQ(clickReport(window, 3), reportOf(expected.firstDoubleBytePage));

    expectStillUsable(window);
}

void HostileFileTest::expectRefused(const std::filesystem::path& path, ErrorNumber error,
                                    const std::function<void()>& whileDialogIsUp) {
    WindowOnAFont window(earlierFont_);
    const bootfont::ViewerState before = window.form.state();
    QStringList boxes;
    for (int i = 0; i < 13; ++i) {
        boxes << window.form.text1Text(i);
    }

    EXPECT_EQ(window.open(path, whileDialogIsUp), std::vector{*reportOf(error)});
    const bootfont::ViewerState& after = window.form.state();
    EXPECT_EQ(after.Header, before.Header);
    EXPECT_EQ(after.SbcsGlyphs, before.SbcsGlyphs);
    EXPECT_EQ(after.DbcsGlyphs, before.DbcsGlyphs);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(window.form.text1Text(i), boxes[i]) << "box " << i;
    }
    EXPECT_TRUE(button(window.form, 3)->isEnabled());

    expectStillUsable(window);
}

void HostileFileTest::expectStillUsable(WindowOnAFont& window) {
    const std::size_t messages = window.messageBox.messages.size();
    EXPECT_TRUE(window.open(earlierFont_).empty()) << "the good font does not open cleanly";
    auto* picture = window.form.findChild<PictureBox*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    const int refreshes = picture->refreshCount();
    button(window.form, 2)->click();
    button(window.form, 3)->click();
    EXPECT_EQ(window.messageBox.messages.size(), messages) << "the good font reports an error";
    EXPECT_EQ(picture->refreshCount(), refreshes + 2) << "the good font was not drawn";
    EXPECT_EQ(window.form.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("第 1 / 1 页"));
    EXPECT_EQ(window.form.state().DbcsGlyphs.size(), 7);
}

}  // namespace testsupport
