// The open command: what it asks for, what an accepted file shows, and how every file it cannot
// take, from a wrong signature to a FIFO, is reported while the window stays usable.
#include <sys/stat.h>
#include <QCoreApplication>

#include "viewer/formfixture.h"

namespace {

using commondialog::OPENFILENAME;

const std::string kNotBootFont = "Not bootfont file!!!\u201C";
const std::string kOverflow = "运行时错误 '6':\n\n溢出";
const std::string kNotFound = "运行时错误 '53':\n\n文件未找到";
const std::string kNoAccess = "运行时错误 '75':\n\n路径/文件访问错误";

class OpenCommand : public testsupport::FormTest {};

TEST_F(OpenCommand, AsksForABootFontInTheFolderBesideTheProgramAndACancelIsSilent) {
    button(1)->click();
    ASSERT_EQ(dialogs.open.requests.size(), 1U);
    const OPENFILENAME& request = dialogs.open.requests[0];
    EXPECT_EQ(request.lpstrFilter, std::string("bootfont files\0bootfont*.*\0\0", 28));
    EXPECT_EQ(std::tie(request.Flags, request.nFilterIndex, request.hwndOwner, request.nMaxFile),
              std::make_tuple(0x1000, 1, 0, 260));
    EXPECT_EQ(request.lpstrInitialDir,
              (QCoreApplication::applicationDirPath() + "/bootfont").toStdString());
    EXPECT_TRUE(messageBox.messages.empty());
}

TEST_F(OpenCommand, AnAcceptedFileShowsItsHeaderAndSingleByteGlyphsOnPageOneOfItsPages) {
    EXPECT_TRUE(open(write(xpFont())).empty());
    EXPECT_TRUE(displayButtonsEnabled());
    EXPECT_EQ(boxes(), (QStringList{"Chinese (PRC)", "95", "700", "49", "1664", "0", "0",
                                    " 0 0 0 0 0 0 0 0 0 0 0 0", "16", "0", "0", "8", "16"}));
    EXPECT_EQ(picture()->refreshCount(), 1);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 2 页"));
}

TEST_F(OpenCommand, CancellingOnlyReturnsThePageStartToZero) {
    open(write(xpFont(2000)));
    button(5)->click();
    button(5)->click();
    const QImage page3 = picture()->image();
    dialogs.open.answer = testsupport::cancelDialog;
    button(1)->click();
    EXPECT_EQ(indicator(), QStringLiteral("第 3 / 4 页"));
    EXPECT_EQ(picture()->image(), page3);
    button(5)->click();
    EXPECT_EQ(indicator(), QStringLiteral("第 2 / 4 页")) << "the next page of the first";
}

TEST_F(OpenCommand, AFailedDialogIsReportedWithItsExtendedError) {
    dialogs.open.answer = [](OPENFILENAME&) { return commondialog::kDialogFailed; };
    dialogs.extendedError = commondialog::FNERR_BUFFERTOOSMALL;
    EXPECT_EQ(messagesOf([&] { button(1)->click(); }),
              std::vector<std::string>{
                  "无法打开文件对话框（扩展错误代码 0x3003）：所选文件的路径超过 260 字节。"});
    EXPECT_EQ(messageBox.messages.back().icon, commondialog::MessageBoxService::Icon::Critical);
}

// A file opened over an earlier font, the messages it ends in, and what the window shows then.
// The earlier font has 700 double-byte glyphs: 第 1 / 2 页.
struct Outcome {
    const char* name;
    std::function<std::filesystem::path(testsupport::FormTest&)> make;
    std::vector<std::string> messages;
    bool buttons;                     // the display buttons are enabled
    const char* indicator = nullptr;  // nullptr: the earlier font's
    bool newHeader = false;           // the header boxes show the file's header
};

class OpenOutcome : public OpenCommand, public ::testing::WithParamInterface<Outcome> {};

TEST_P(OpenOutcome, EndsAsExpectedAndTheWindowStaysUsable) {
    const Outcome& o = GetParam();
    const auto earlier = write(xpFont());
    ASSERT_TRUE(open(earlier).empty());
    const QStringList shown = boxes();
    EXPECT_EQ(open(o.make(*this)), o.messages);
    EXPECT_EQ(displayButtonsEnabled(), o.buttons);
    EXPECT_EQ(indicator(), QString::fromUtf8(o.indicator ? o.indicator : "第 1 / 2 页"));
    EXPECT_EQ(boxes() != shown, o.newHeader);
    for (const auto& message : messageBox.messages) {
        EXPECT_EQ(message.caption, Form1::programTitle().toStdString());
    }
    whileDialogIsUp = [] {};
    EXPECT_TRUE(open(earlier).empty()) << "the window cannot open a good font any more";
    EXPECT_EQ(messagesOf([&] { button(3)->click(); }), std::vector<std::string>{});
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 2 页"));
}

auto bytes(std::vector<std::uint8_t> content) {
    return [content](testsupport::FormTest& t) { return t.write(content); };
}
auto fontFile(std::int32_t numDbcs, std::int32_t dbcsOffset = 49 + 95 * 17) {
    return [=](testsupport::FormTest& t) { return t.write(t.xpFont(numDbcs, dbcsOffset)); };
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, OpenOutcome, ::testing::Values(
    Outcome{"TextFile", bytes({'h', 'e', 'l', 'l', 'o', '\n'}), {kNotBootFont}, false},
    Outcome{"ShorterThanTheSignature", bytes({0x4D, 0x64, 0x65}), {kNotBootFont}, false},
    Outcome{"HeaderOnly", bytes({0x4D, 0x64, 0x65, 0x54}), {}, true, "第 0 / 0 页", true},
    Outcome{"DoubleByteCountWithoutOffset", fontFile(7000, 0), {}, true, "第 1 / 14 页", true},
    Outcome{"ATableOneRecordTooLong", fontFile(32768), {kOverflow}, true, nullptr, true},
    Outcome{"PagesBeyond16BitsWithoutATable", fontFile(2147483647, 0), {kOverflow}, true, nullptr, true},
    Outcome{"MissingFile", [](auto& t) { return t.dir / "missing.bin"; }, {kNotFound}, true},
    Outcome{"RemovedWhileTheDialogIsUp", [](auto& t) {
                const auto chosen = fontFile(1)(t);
                t.whileDialogIsUp = [chosen] { std::filesystem::remove(chosen); };
                return chosen; }, {kNotFound}, true},
    Outcome{"Folder", [](auto& t) { return t.dir.path(); }, {kNoAccess}, true},
    Outcome{"FifoWithoutWriter", [](auto& t) {
                EXPECT_EQ(::mkfifo((t.dir / "fifo").c_str(), 0600), 0);
                return t.dir / "fifo"; }, {kNoAccess}, true},
    Outcome{"DevZero", [](auto&) { return std::filesystem::path("/dev/zero"); }, {kNoAccess}, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
