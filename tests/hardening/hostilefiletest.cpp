#include "hardening/hostilefiletest.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string>

#include "hardening/opencommandsteps.h"
#include "viewer/picturebox.h"

namespace testsupport {
namespace {

using runtime::ErrorNumber;

QPushButton* button(Form1& form, int number) {
    auto* found = form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    EXPECT_NE(found, nullptr) << number;
    return found;
}

// The text of the message a click shows, if it shows one.
std::optional<std::string> clickReport(Form1& form, const RecordingMessageBox& messageBox,
                                       int number) {
    const std::size_t before = messageBox.messages.size();
    button(form, number)->click();
    if (messageBox.messages.size() == before) {
        return std::nullopt;
    }
    EXPECT_EQ(messageBox.messages.size(), before + 1) << "one click, one message";
    return messageBox.messages.back().text;
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

void decode(const std::array<std::uint8_t, bootfont::kSbcsRecordSize>& bytes,
            bootfont::SbcsGlyphRecord& record) {
    bootfont::decodeSbcsRecord(bytes, record);
}
void decode(const std::array<std::uint8_t, bootfont::kDbcsRecordSize>& bytes,
            bootfont::DbcsGlyphRecord& record) {
    bootfont::decodeDbcsRecord(bytes, record);
}

template <std::size_t RecordSize, typename Record>
void expectTable(const char* name, const runtime::CheckedArray<Record>& table, Table expected,
                 const runtime::CheckedArray<Record>& earlier,
                 const std::vector<std::uint8_t>& file, std::int32_t count, std::int32_t offset) {
    if (expected == Table::Kept) {
        EXPECT_EQ(table, earlier) << name << " table should keep the earlier font's records";
        return;
    }
    ASSERT_EQ(table.size(), count) << name;
    for (std::int64_t i = 0; i < count; ++i) {
        Record record;
        decode(bytesAt<RecordSize>(file, offset + i * std::int64_t{RecordSize}), record);
        if (table[i] != record) {
            ADD_FAILURE() << name << " record " << i << " is not the file's bytes at its place";
            return;
        }
    }
}

}  // namespace

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

void HostileFileTest::openEarlierFont(Form1& form) {
    const OpenOutcome outcome = openLikeTheOpenCommand(form, earlierFont_);
    ASSERT_TRUE(outcome.accepted);
    ASSERT_FALSE(outcome.error);
}

void HostileFileTest::expectOpening(const std::filesystem::path& path,
                                    const std::vector<std::uint8_t>& bytes,
                                    const Expected& expected) {
    RecordingMessageBox messageBox;
    RecordingShell shell;
    Form1 form({messageBox, shell});
    openEarlierFont(form);
    const auto earlierSbcs = form.state().SbcsGlyphs;
    const auto earlierDbcs = form.state().DbcsGlyphs;

    const OpenOutcome outcome = openLikeTheOpenCommand(form, path);
    EXPECT_EQ(outcome.accepted, expected.accepted);
    EXPECT_EQ(outcome.error, expected.open);
    const bootfont::BootFontHeader& header = form.state().Header;
    expectTable<bootfont::kSbcsRecordSize>("single-byte", form.state().SbcsGlyphs, expected.sbcs,
                                           earlierSbcs, bytes, header.NumSbcsChars,
                                           header.SbcsOffset);
    expectTable<bootfont::kDbcsRecordSize>("double-byte", form.state().DbcsGlyphs, expected.dbcs,
                                           earlierDbcs, bytes, header.NumDbcsChars,
                                           header.DbcsOffset);
    EXPECT_EQ(clickReport(form, messageBox, 2), reportOf(expected.singleByteView));
    EXPECT_EQ(clickReport(form, messageBox, 3), reportOf(expected.firstDoubleBytePage));

    expectStillUsable(form, messageBox);
}

void HostileFileTest::expectRefused(const std::filesystem::path& path, ErrorNumber error) {
    RecordingMessageBox messageBox;
    RecordingShell shell;
    Form1 form({messageBox, shell});
    openEarlierFont(form);
    const bootfont::ViewerState before = form.state();
    const QString languageBox = form.text1Text(0);

    const OpenOutcome outcome = openLikeTheOpenCommand(form, path);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.error, error);
    EXPECT_EQ(form.state().Header, before.Header);
    EXPECT_EQ(form.state().SbcsGlyphs, before.SbcsGlyphs);
    EXPECT_EQ(form.state().DbcsGlyphs, before.DbcsGlyphs);
    EXPECT_EQ(form.text1Text(0), languageBox);
    EXPECT_TRUE(button(form, 3)->isEnabled());

    expectStillUsable(form, messageBox);
}

void HostileFileTest::expectStillUsable(Form1& form, const RecordingMessageBox& messageBox) {
    const std::size_t messages = messageBox.messages.size();
    openEarlierFont(form);
    auto* picture = form.findChild<PictureBox*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    const int refreshes = picture->refreshCount();
    button(form, 2)->click();
    button(form, 3)->click();
    EXPECT_EQ(messageBox.messages.size(), messages) << "the good font reports an error";
    EXPECT_EQ(picture->refreshCount(), refreshes + 2) << "the good font was not drawn";
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("第 1 / 1 页"));
    EXPECT_EQ(form.state().DbcsGlyphs.size(), 7);
}

}  // namespace testsupport
