#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>

#include "platform/colorvalues.h"
#include "platform/dialogdriver.h"
#include "platform/qtdialogplatform.h"

namespace platform {
namespace {

using namespace commondialog;

CHOOSECOLOR colorRequest(CustomColorTable& table) {
    CHOOSECOLOR record;
    record.lStructSize = CHOOSECOLOR::kSize;
    record.rgbResult = 0x00302010;
    record.lpCustColors = &table;
    record.Flags = CC_ANYCOLOR | CC_RGBINIT;
    return record;
}

CustomColorTable numberedTable() {
    CustomColorTable table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::int32_t>(0x00050000 + i);
    }
    return table;
}

TEST(QtColorDialog, StartsAtTheColourWithTheTableAndReturnsTheUsersChoices) {
    QtDialogPlatform platform;
    testsupport::DialogDriver user;
    CustomColorTable table = numberedTable();
    CHOOSECOLOR record = colorRequest(table);

    user.whenShown<QColorDialog>([&](QColorDialog& shown) {
        EXPECT_EQ(shown.currentColor(), QColor(0x10, 0x20, 0x30));
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(QColorDialog::customColor(i), QColor(i, 0, 5)) << "custom colour " << i;
        }
        shown.setCurrentColor(QColor(10, 20, 30));
        QColorDialog::setCustomColor(2, QColor(1, 2, 3));  // the user adds a custom colour
        shown.accept();
    });
    ASSERT_EQ(platform.ChooseColor(record), kDialogAccepted);
    EXPECT_EQ(record.rgbResult, 0x001E140A);
    CustomColorTable expected = numberedTable();
    expected[2] = 0x00030201;
    EXPECT_EQ(table, expected);
}

TEST(QtColorDialog, CancelKeepsTheColourButNotTheCustomColoursUnchanged) {
    QtDialogPlatform platform;
    testsupport::DialogDriver user;
    CustomColorTable table = numberedTable();
    CHOOSECOLOR record = colorRequest(table);
    record.Flags = CC_SOLIDCOLOR;  // without CC_RGBINIT the dialog starts at black

    user.whenShown<QColorDialog>([](QColorDialog& shown) {
        EXPECT_EQ(shown.currentColor(), QColor(Qt::black));
        QColorDialog::setCustomColor(0, QColor(9, 9, 9));
        shown.setCurrentColor(QColor(200, 0, 0));
        shown.reject();
    });
    EXPECT_EQ(platform.ChooseColor(record), kDialogCancelled);
    EXPECT_EQ(platform.CommDlgExtendedError(), 0);
    EXPECT_EQ(record.rgbResult, 0x00302010);
    EXPECT_EQ(table[0], 0x00090909);
}

TEST(QtColorDialog, ARecordWithoutItsTableFails) {
    QtDialogPlatform platform;
    CustomColorTable table{};
    CHOOSECOLOR record = colorRequest(table);
    record.lpCustColors = nullptr;
    EXPECT_EQ(platform.ChooseColor(record), kDialogFailed);
    EXPECT_EQ(platform.CommDlgExtendedError(), CDERR_INITIALIZATION);
}

TEST(QtSystemColors, ComeFromTheApplicationPalette) {
    QtDialogPlatform platform;
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0xC0, 0xC0, 0xC8));
    QApplication::setPalette(palette);
    EXPECT_EQ(platform.GetSysColor(5), 0x00030201);   // window
    EXPECT_EQ(platform.GetSysColor(13), 0x00605040);  // highlight
    EXPECT_EQ(platform.GetSysColor(15), 0x00C8C0C0);  // button face
    for (const std::int32_t unknown : {-1, 25, 31, 1000}) {
        EXPECT_EQ(platform.GetSysColor(unknown), 0) << unknown;
    }
    QApplication::setPalette(saved);
}

}  // namespace
}  // namespace platform
