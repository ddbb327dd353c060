#include "viewer/headertext.h"

#include <gtest/gtest.h>

#include "support/raisederror.h"

namespace viewer {
namespace {

TEST(HeaderTexts, KnownLanguagesByNameAndAnyOtherIdInHex) {
    // clang-format off
    const std::pair<std::int32_t, const char*> cases[] = {
        {1028, "Chinese (Taiwan)"}, {1031, "German (Standard)"}, {1036, "French (Standard)"},
        {1041, "Japanese"}, {1042, "Korean"}, {1049, "Russian"}, {2052, "Chinese (PRC)"},
        {1045, "0x415"}, {0, "0x0"}, {-1, "0xFFFFFFFF"}, {0x10804, "0x10804"}};
    // clang-format on
    for (const auto& [id, text] : cases) {
        EXPECT_EQ(languageText(id), text) << id;
    }
}

TEST(PageIndicator, CountsThePagesNeededAndNumbersThemFromOne) {
    const std::pair<std::int32_t, std::int16_t> pages[] = {
        {-7, 0},    {0, 0},     {1, 1},     {500, 1},   {501, 2},
        {7000, 14}, {7100, 15}, {7445, 15}, {7750, 16}, {16383500, 32767}};
    for (const auto& [glyphs, count] : pages) {
        EXPECT_EQ(dbcsPageCount(glyphs), count) << glyphs;
    }
    EXPECT_EQ(testsupport::raisedError([] { dbcsPageCount(16383501); }),
              runtime::ErrorNumber::Overflow);
    EXPECT_EQ(dbcsPageNumber(0), 1);
    EXPECT_EQ(dbcsPageNumber(32500), 66);
    EXPECT_EQ(pageIndicatorText(3, 14), "第 3 / 14 页");
    EXPECT_EQ(afterLoadPageIndicatorText(7100), "第 1 / 15 页");
    EXPECT_EQ(afterLoadPageIndicatorText(-3), "第 0 / 0 页");
}

}  // namespace
}  // namespace viewer
