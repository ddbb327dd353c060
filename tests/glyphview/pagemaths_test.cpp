#include "glyphview/pagemaths.h"

#include <gtest/gtest.h>

#include "support/raisederror.h"

namespace glyphview {
namespace {

TEST(PageMaths, CountsThePagesNeededAndNumbersThemFromOne) {
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
}

}  // namespace
}  // namespace glyphview
