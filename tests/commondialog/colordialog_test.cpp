#include <gtest/gtest.h>

#include <numeric>

#include "commondialog/ccommondialog.h"
#include "commondialog/fakedialogplatform.h"

namespace commondialog {
namespace {

using testsupport::FakeDialogPlatform;

// The table as loaded from system colours 0..15.
CustomColorTable systemColorTable() {
    CustomColorTable table{};
    for (std::size_t k = 0; k < table.size(); ++k) {
        table[k] = FakeDialogPlatform::sysColor(static_cast<std::int32_t>(k));
    }
    return table;
}

struct ColorDialog : testing::Test {
    FakeDialogPlatform platform;
    cCommonDialog dialog{platform};
};

TEST_F(ColorDialog, CustomColorsAreLoadedOnceFromSystemColorsAtTheFirstUse) {
    EXPECT_TRUE(platform.sysColorQueries.empty());
    EXPECT_EQ(dialog.CustomColor(3), FakeDialogPlatform::sysColor(3));
    std::vector<std::int32_t> expected(16);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(platform.sysColorQueries, expected);

    dialog.CustomColor(3, 0x00123456);
    EXPECT_EQ(dialog.CustomColor(3), 0x00123456);
    EXPECT_EQ(dialog.CustomColor(15), FakeDialogPlatform::sysColor(15));
    EXPECT_EQ(platform.sysColorQueries.size(), 16u);

    // A first write loads the table too, so the other entries are system colours.
    FakeDialogPlatform other;
    cCommonDialog writtenFirst(other);
    writtenFirst.CustomColor(0, 7);
    EXPECT_EQ(writtenFirst.CustomColor(0), 7);
    EXPECT_EQ(writtenFirst.CustomColor(1), FakeDialogPlatform::sysColor(1));
}

TEST_F(ColorDialog, IndexesOutsideTheTableReadMinusOneAndAreNotWritten) {
    for (const std::int16_t outside : {16, -1, INT16_MAX, INT16_MIN}) {
        dialog.CustomColor(outside, 0x00ABCDEF);
        EXPECT_EQ(dialog.CustomColor(outside), -1) << outside;
    }
    for (std::int16_t i = 0; i < 16; ++i) {
        EXPECT_EQ(dialog.CustomColor(i), FakeDialogPlatform::sysColor(i));
    }
}

TEST_F(ColorDialog, DefaultsStartAtTheColourWithTheCustomTable) {
    ChooseColorArguments arguments;
    arguments.Color = 0x0000FF00;
    dialog.VBChooseColor(arguments);
    ASSERT_EQ(platform.chooseColorRequests.size(), 1u);
    const CHOOSECOLOR& sent = platform.chooseColorRequests.back();
    EXPECT_EQ(sent.lStructSize, 36);
    EXPECT_EQ(sent.Flags, 0x101);
    EXPECT_EQ(sent.rgbResult, 0x0000FF00);
    EXPECT_EQ(sent.hwndOwner, 0);
    ASSERT_EQ(platform.customColorsSent.size(), 1u);
    EXPECT_EQ(platform.customColorsSent.back(), systemColorTable());
}

TEST_F(ColorDialog, SolidColoursAndAnOwnerAreSent) {
    ChooseColorArguments arguments;
    arguments.AnyColor = false;
    arguments.Owner = 77;
    dialog.VBChooseColor(arguments);
    EXPECT_EQ(platform.chooseColorRequests.back().Flags, CC_SOLIDCOLOR | CC_RGBINIT);
    EXPECT_EQ(platform.chooseColorRequests.back().hwndOwner, 77);
}

TEST_F(ColorDialog, AcceptReturnsTheColourAndCancelMinusOne) {
    platform.chooseColor = [](CHOOSECOLOR& record) {
        record.rgbResult = 0x00336699;
        return kDialogAccepted;
    };
    ChooseColorArguments accepted;
    EXPECT_TRUE(dialog.VBChooseColor(accepted));
    EXPECT_EQ(accepted.Color, 0x00336699);
    EXPECT_EQ(dialog.APIReturn(), 1);

    platform.chooseColor = [](CHOOSECOLOR& record) {
        record.rgbResult = 0x00336699;
        return kDialogCancelled;
    };
    ChooseColorArguments cancelled;
    cancelled.Color = 0x00FFFFFF;
    EXPECT_FALSE(dialog.VBChooseColor(cancelled));
    EXPECT_EQ(cancelled.Color, -1);
    EXPECT_EQ(dialog.APIReturn(), 0);
}

TEST_F(ColorDialog, AnEarlierFailuresCodeSurvivesACancelledColourDialog) {
    platform.openFileName = [](OPENFILENAME&) { return kDialogFailed; };
    platform.extendedError = 0x3003;
    OpenFileArguments open;
    dialog.VBGetOpenFileName(open);
    platform.extendedError = 0x5000;  // would be fetched by mistake

    ChooseColorArguments cancelled;
    EXPECT_FALSE(dialog.VBChooseColor(cancelled));
    EXPECT_EQ(dialog.ExtendedError(), 0x3003);
    EXPECT_EQ(dialog.APIReturn(), 0);

    platform.chooseColor = [](CHOOSECOLOR&) { return kDialogFailed; };
    ChooseColorArguments failed;
    EXPECT_FALSE(dialog.VBChooseColor(failed));
    EXPECT_EQ(failed.Color, -1);
    EXPECT_EQ(dialog.APIReturn(), 2);
    EXPECT_EQ(dialog.ExtendedError(), 0x5000);
}

TEST_F(ColorDialog, CustomColoursChangedByTheDialogPersistToTheNextCall) {
    platform.chooseColor = [](CHOOSECOLOR& record) {
        (*record.lpCustColors)[5] = 0x00010203;
        return kDialogCancelled;  // the table keeps its changes even so
    };
    ChooseColorArguments arguments;
    dialog.VBChooseColor(arguments);
    EXPECT_EQ(dialog.CustomColor(5), 0x00010203);
    dialog.VBChooseColor(arguments);
    ASSERT_EQ(platform.customColorsSent.size(), 2u);
    EXPECT_EQ(platform.customColorsSent[1][5], 0x00010203);
    EXPECT_EQ(platform.sysColorQueries.size(), 16u);
}

}  // namespace
}  // namespace commondialog
