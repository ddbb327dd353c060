#include <gtest/gtest.h>

#include "commondialog/ccommondialog.h"
#include "commondialog/fakedialogplatform.h"
#include "support/raisederror.h"

namespace commondialog {
namespace {

using namespace std::string_literals;
using runtime::ErrorNumber;
using testsupport::FakeDialogPlatform;
using testsupport::raisedError;
using testsupport::writeBuffer;

const std::string kNul(1, '\0');

// The arguments of the viewer's open command.
OpenFileArguments viewerArguments() {
    OpenFileArguments arguments;
    arguments.Filter = "bootfont files|bootfont*.*";
    arguments.InitDir = "/opt/viewer/bootfont";
    return arguments;
}

// A platform whose user picks `path` (titled `title`) and ends with filter `index`.
auto acceptWith(std::string path, std::string title, std::int32_t index) {
    return [=](OPENFILENAME& record) {
        writeBuffer(record.lpstrFile, path);
        writeBuffer(record.lpstrFileTitle, title);
        record.nFilterIndex = index;
        return kDialogAccepted;
    };
}

struct OpenFileDialog : testing::Test {
    FakeDialogPlatform platform;
    cCommonDialog dialog{platform};

    // The request of the one dialog call of a test.
    const OPENFILENAME& request() {
        EXPECT_EQ(platform.openFileNameRequests.size(), 1u);
        return platform.openFileNameRequests.back();
    }
};

TEST_F(OpenFileDialog, TheViewersCallSendsItsFilterAndEmptyBuffersWithoutOwner) {
    auto arguments = viewerArguments();
    dialog.VBGetOpenFileName(arguments);

    OPENFILENAME expected;
    expected.lStructSize = 76;
    expected.lpstrFilter = "bootfont files\0bootfont*.*\0\0"s;
    expected.nFilterIndex = 1;
    expected.lpstrFile = std::string(260, '\0');
    expected.nMaxFile = 260;
    expected.lpstrFileTitle = std::string(260, '\0');
    expected.nMaxFileTitle = 260;
    expected.lpstrInitialDir = "/opt/viewer/bootfont";
    expected.Flags = 0x1000;
    // Everything else, the owner, title and default extension included, is zero or absent.
    EXPECT_EQ(request(), expected);
}

TEST_F(OpenFileDialog, AcceptedFileComesBackWithoutItsFillAndWithTheChosenEntry) {
    platform.openFileName = acceptWith("/opt/viewer/bootfont/BOOTFONT.BIN", "BOOTFONT.BIN", 1);
    platform.extendedError = 0x3003;  // stale; an accepted dialog must not fetch it
    auto arguments = viewerArguments();

    EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
    EXPECT_EQ(arguments.Filename, "/opt/viewer/bootfont/BOOTFONT.BIN");
    EXPECT_EQ(arguments.FileTitle, "BOOTFONT.BIN");
    EXPECT_EQ(arguments.Filter, "bootfont files\0bootfont*.*"s);
    EXPECT_EQ(arguments.FilterIndex, 1);
    EXPECT_EQ(arguments.flags, 0x1000);
    EXPECT_FALSE(arguments.ReadOnly);
    EXPECT_EQ(dialog.APIReturn(), 1);
    EXPECT_EQ(dialog.ExtendedError(), 0);
    EXPECT_EQ(platform.extendedErrorQueries, 0);
}

TEST_F(OpenFileDialog, OnlyThePartBeforeTheFirstNulOfAMultipleSelectionComesBack) {
    platform.openFileName = [](OPENFILENAME& record) {
        writeBuffer(record.lpstrFile, "/data\0a.bin\0b.bin\0"s);
        return kDialogAccepted;
    };
    OpenFileArguments arguments;
    arguments.MultiSelect = true;
    EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
    EXPECT_EQ(arguments.Filename, "/data");
}

TEST_F(OpenFileDialog, ReturnedReadOnlyFlagOnlyEverSetsReadOnly) {
    OpenFileArguments arguments;
    arguments.ReadOnly = true;
    platform.openFileName = [](OPENFILENAME& record) {
        EXPECT_EQ(record.Flags & OFN_READONLY, OFN_READONLY);
        record.Flags &= ~OFN_READONLY;  // the user cleared the box
        return kDialogAccepted;
    };
    EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
    EXPECT_TRUE(arguments.ReadOnly);
    EXPECT_EQ(arguments.flags & OFN_READONLY, 0);

    OpenFileArguments ticked;
    platform.openFileName = [](OPENFILENAME& record) {
        record.Flags |= OFN_READONLY;  // the user ticked the box
        return kDialogAccepted;
    };
    EXPECT_TRUE(dialog.VBGetOpenFileName(ticked));
    EXPECT_TRUE(ticked.ReadOnly);
}

// A cancel and a failure reset the same outputs; only a failure fetches the extended error.
TEST_F(OpenFileDialog, CancelAndFailureResetTheOutputs) {
    const auto expectReset = [](const OpenFileArguments& arguments) {
        EXPECT_EQ(arguments.Filename, "");
        EXPECT_EQ(arguments.FileTitle, "");
        EXPECT_EQ(arguments.Filter, "");
        EXPECT_EQ(arguments.flags, 0);
        EXPECT_EQ(arguments.FilterIndex, -1);
    };
    const auto started = [] {
        OpenFileArguments arguments = viewerArguments();
        arguments.Filename = "start.bin";
        arguments.FileTitle = "start";
        arguments.flags = 0x80000;
        arguments.FilterIndex = 1;
        return arguments;
    };
    platform.extendedError = 0x3003;

    platform.openFileName = [](OPENFILENAME& record) {
        writeBuffer(record.lpstrFile, "/never/returned");
        return kDialogCancelled;
    };
    auto cancelled = started();
    EXPECT_FALSE(dialog.VBGetOpenFileName(cancelled));
    expectReset(cancelled);
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.ExtendedError(), 0);
    EXPECT_EQ(platform.extendedErrorQueries, 0);

    for (const std::int32_t result : {2, -5}) {
        platform.openFileName = [result](OPENFILENAME&) { return result; };
        auto failed = started();
        EXPECT_FALSE(dialog.VBGetOpenFileName(failed));
        expectReset(failed);
        EXPECT_EQ(dialog.APIReturn(), result);
        EXPECT_EQ(dialog.ExtendedError(), 0x3003);
    }

    // The next call starts afresh.
    platform.openFileName = testsupport::cancelDialog;
    auto again = started();
    dialog.VBGetOpenFileName(again);
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.ExtendedError(), 0);
}

TEST_F(OpenFileDialog, FlagsCombineTheBooleansWithTheCallersFlagsLessHookAndTemplate) {
    const auto sentFlags = [&](OpenFileArguments arguments) {
        platform.openFileNameRequests.clear();
        dialog.VBGetOpenFileName(arguments);
        return request().Flags;
    };
    OpenFileArguments arguments;
    arguments.flags = 0x60;
    EXPECT_EQ(sentFlags(arguments), 0x1000);
    arguments.flags = 0x20;
    EXPECT_EQ(sentFlags(arguments), 0x1000);
    arguments.flags = 0x80000;
    EXPECT_EQ(sentFlags(arguments), 0x81000);

    OpenFileArguments every;
    every.FileMustExist = false;
    EXPECT_EQ(sentFlags(every), 0);
    every.MultiSelect = every.ReadOnly = every.HideReadOnly = true;
    every.flags = -1;
    EXPECT_EQ(sentFlags(every), ~0x60);
}

TEST_F(OpenFileDialog, AnOwnerOtherThanMinusOneIsSent) {
    OpenFileArguments arguments;
    arguments.Owner = 0x2A0C;
    arguments.DlgTitle = "Pick";
    arguments.DefaultExt = "bin";
    dialog.VBGetOpenFileName(arguments);
    EXPECT_EQ(request().hwndOwner, 0x2A0C);
    EXPECT_EQ(request().lpstrTitle, "Pick");
    EXPECT_EQ(request().lpstrDefExt, "bin");
    EXPECT_EQ(request().lpstrInitialDir, std::nullopt);
}

TEST_F(OpenFileDialog, BarsAndColonsBothEndFilterParts) {
    const auto sentFilter = [&](const std::string& filter) {
        platform.openFileNameRequests.clear();
        OpenFileArguments arguments;
        arguments.Filter = filter;
        dialog.VBGetOpenFileName(arguments);
        return request().lpstrFilter.value();
    };
    EXPECT_EQ(sentFilter("A:B|c"), "A\0B\0c\0\0"s);
    EXPECT_EQ(sentFilter(OpenFileArguments().Filter), "All (*.*)\0 *.*\0\0"s);
    EXPECT_EQ(sentFilter(""), "\0\0"s);
    EXPECT_EQ(sentFilter("字体|*.字"), "字体\0*.字\0\0"s);
}

TEST_F(OpenFileDialog, BadArgumentsRaiseBeforeAnyDialogAndWriteNothing) {
    // A failed call first leaves values that the refused call must reset.
    platform.openFileName = [](OPENFILENAME&) { return kDialogFailed; };
    platform.extendedError = 0x3003;
    OpenFileArguments failing;
    dialog.VBGetOpenFileName(failing);
    ASSERT_EQ(dialog.ExtendedError(), 0x3003);
    platform.openFileNameRequests.clear();

    const auto expectRefused = [&](const OpenFileArguments& given, ErrorNumber error) {
        OpenFileArguments arguments = given;
        EXPECT_EQ(raisedError([&] { dialog.VBGetOpenFileName(arguments); }), error);
        EXPECT_TRUE(platform.openFileNameRequests.empty());
        EXPECT_EQ(dialog.APIReturn(), 0);
        EXPECT_EQ(dialog.ExtendedError(), 0);
        EXPECT_EQ(arguments.Filename, given.Filename);
        EXPECT_EQ(arguments.Filter, given.Filter);
        EXPECT_EQ(arguments.FilterIndex, given.FilterIndex);
    };
    OpenFileArguments longName;
    longName.Filename = std::string(261, 'n');
    expectRefused(longName, ErrorNumber::InvalidProcedureCall);
    OpenFileArguments longTitle;
    longTitle.FileTitle = std::string(261, 't');
    expectRefused(longTitle, ErrorNumber::InvalidProcedureCall);
    // Buffer limits count bytes: 87 three-byte characters need 261.
    OpenFileArguments wideName;
    for (int i = 0; i < 87; ++i) {
        wideName.Filename += "字";
    }
    expectRefused(wideName, ErrorNumber::InvalidProcedureCall);
    OpenFileArguments longFilter;
    longFilter.Filter = std::string(32767, 'f');
    expectRefused(longFilter, ErrorNumber::Overflow);
}

TEST_F(OpenFileDialog, LongestArgumentsThatFitAreSent) {
    OpenFileArguments arguments;
    arguments.Filename = std::string(260, 'n');
    // The filter's limit counts characters, whatever their width in bytes.
    arguments.Filter.clear();
    for (int i = 0; i < 32766; ++i) {
        arguments.Filter += "字";
    }
    dialog.VBGetOpenFileName(arguments);
    EXPECT_EQ(request().lpstrFile, std::string(260, 'n'));
    EXPECT_EQ(request().lpstrFilter->size(), 3u * 32766 + 2);
}

TEST_F(OpenFileDialog, FilterIndexOutsideTheListSelectsNoEntry) {
    const auto entryFor = [&](std::int32_t returnedIndex) {
        platform.openFileName = acceptWith("/f", "f", returnedIndex);
        OpenFileArguments arguments;
        arguments.Filter = "Fonts|*.bin|All|*";
        EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
        EXPECT_EQ(arguments.FilterIndex, returnedIndex);
        return arguments.Filter;
    };
    EXPECT_EQ(entryFor(1), "Fonts\0*.bin"s);
    EXPECT_EQ(entryFor(2), "All\0*"s);
    for (const std::int32_t outside : {3, 4, 1000, 0, -1, INT32_MIN}) {
        EXPECT_EQ(entryFor(outside), "") << "index " << outside;
    }
}

TEST(DialogHook, ForwardsNothing) {
    FakeDialogPlatform platform;
    const cCommonDialog dialog(platform);
    EXPECT_EQ(dialog.DialogHook(1, 0x110, 0, 0), std::nullopt);  // WM_INITDIALOG
    EXPECT_EQ(dialog.DialogHook(1, 0x4E, 0, 0), std::nullopt);   // WM_NOTIFY
}

}  // namespace
}  // namespace commondialog
