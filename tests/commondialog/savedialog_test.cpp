#include <gtest/gtest.h>

#include "commondialog/ccommondialog.h"
#include "commondialog/fakedialogplatform.h"

namespace commondialog {
namespace {

using namespace std::string_literals;
using testsupport::FakeDialogPlatform;
using testsupport::writeBuffer;

struct SaveFileDialog : testing::Test {
    FakeDialogPlatform platform;
    cCommonDialog dialog{platform};

    std::int32_t sentFlags(SaveFileArguments arguments) {
        platform.saveFileNameRequests.clear();
        dialog.VBGetSaveFileName(arguments);
        EXPECT_EQ(platform.saveFileNameRequests.size(), 1u);
        return platform.saveFileNameRequests.back().Flags;
    }
};

TEST_F(SaveFileDialog, DefaultsAskBeforeOverwritingAndHideTheReadOnlyBox) {
    SaveFileArguments arguments;
    dialog.VBGetSaveFileName(arguments);
    ASSERT_EQ(platform.saveFileNameRequests.size(), 1u);
    EXPECT_TRUE(platform.openFileNameRequests.empty());
    const OPENFILENAME& sent = platform.saveFileNameRequests.back();
    EXPECT_EQ(sent.lStructSize, 76);
    EXPECT_EQ(sent.Flags, 0x6);
    EXPECT_EQ(sent.lpstrFilter, "All (*.*)\0 *.*\0\0"s);
    EXPECT_EQ(sent.nFilterIndex, 1);
    EXPECT_EQ(sent.lpstrFile, std::string(260, '\0'));
    EXPECT_EQ(sent.nMaxFileTitle, 260);
    EXPECT_EQ(sent.hwndOwner, 0);
}

TEST_F(SaveFileDialog, FlagsFollowOverWritePromptAndTheCallersFlags) {
    SaveFileArguments arguments;
    arguments.OverWritePrompt = false;
    EXPECT_EQ(sentFlags(arguments), 0x4);
    arguments.flags = 0x80060;
    EXPECT_EQ(sentFlags(arguments), 0x80004);
}

TEST_F(SaveFileDialog, AcceptedNameComesBackWithoutItsFill) {
    platform.saveFileName = [](OPENFILENAME& record) {
        writeBuffer(record.lpstrFile, "/home/me/out.txt");
        writeBuffer(record.lpstrFileTitle, "out.txt");
        record.nFilterIndex = 2;
        record.Flags |= 0x400;
        return kDialogAccepted;
    };
    SaveFileArguments arguments;
    arguments.Filter = "Fonts|*.bin|Text|*.txt";
    EXPECT_TRUE(dialog.VBGetSaveFileName(arguments));
    EXPECT_EQ(arguments.Filename, "/home/me/out.txt");
    EXPECT_EQ(arguments.FileTitle, "out.txt");
    EXPECT_EQ(arguments.Filter, "Text\0*.txt"s);
    EXPECT_EQ(arguments.FilterIndex, 2);
    EXPECT_EQ(arguments.flags, 0x406);
    EXPECT_EQ(dialog.APIReturn(), 1);
}

TEST_F(SaveFileDialog, CancelAndFailureResetFilterIndexToZero) {
    const auto started = [] {
        SaveFileArguments arguments;
        arguments.Filename = "draft.txt";
        arguments.FileTitle = "draft";
        arguments.flags = 0x2;
        return arguments;
    };
    const auto expectReset = [](const SaveFileArguments& arguments) {
        EXPECT_EQ(arguments.Filename, "");
        EXPECT_EQ(arguments.FileTitle, "");
        EXPECT_EQ(arguments.Filter, "");
        EXPECT_EQ(arguments.flags, 0);
        EXPECT_EQ(arguments.FilterIndex, 0);
    };
    platform.extendedError = 0x3002;

    auto cancelled = started();
    EXPECT_FALSE(dialog.VBGetSaveFileName(cancelled));
    expectReset(cancelled);
    EXPECT_EQ(dialog.ExtendedError(), 0);

    platform.saveFileName = [](OPENFILENAME&) { return kDialogFailed; };
    auto failed = started();
    EXPECT_FALSE(dialog.VBGetSaveFileName(failed));
    expectReset(failed);
    EXPECT_EQ(dialog.APIReturn(), 2);
    EXPECT_EQ(dialog.ExtendedError(), 0x3002);
}

TEST(FileTitle, IsThePlatformsTitleWithoutItsFill) {
    FakeDialogPlatform platform;
    cCommonDialog dialog(platform);
    platform.fileTitle = "font.bin";
    std::string path = "/data/font.bin";
    EXPECT_EQ(dialog.VBGetFileTitle(path), "font.bin");
    EXPECT_EQ(platform.fileTitleRequests, std::vector<std::string>{"/data/font.bin"});
    EXPECT_EQ(platform.fileTitleBuffers,
              (std::vector<std::pair<std::size_t, std::uint16_t>>{{260, 260}}));
    EXPECT_EQ(path, "/data/font.bin");
}

TEST(FileTitle, ARejectedPathGivesTheEmptyTextAndKeepsTheDialogValues) {
    FakeDialogPlatform platform;
    cCommonDialog dialog(platform);
    platform.openFileName = [](OPENFILENAME&) { return kDialogFailed; };
    platform.extendedError = 0x3003;
    OpenFileArguments arguments;
    dialog.VBGetOpenFileName(arguments);

    platform.fileTitle = "partial";
    std::string folder = "/data/";
    for (const std::int16_t result : {-1, 12}) {  // an error, or the size a longer title needs
        platform.fileTitleResult = result;
        EXPECT_EQ(dialog.VBGetFileTitle(folder), "");
    }
    EXPECT_EQ(dialog.APIReturn(), 2);
    EXPECT_EQ(dialog.ExtendedError(), 0x3003);
}

}  // namespace
}  // namespace commondialog
