#include "glyphview/pager.h"

#include <gtest/gtest.h>

#include "support/raisederror.h"

namespace glyphview {
namespace {

TEST(DbcsPager, TurnsPagesOf500InCheckedSixteenBitStarts) {
    const DbcsPager pager(7100);
    const std::pair<std::int16_t, std::optional<std::int16_t>> requests[] = {
        {-500, 0}, {6500, 6500}, {7099, 7099}, {7100, std::nullopt}};
    for (const auto& [start, shown] : requests) {
        EXPECT_EQ(pager.pageStart(start), shown) << start;
    }
    EXPECT_EQ(pager.next(6500), 7000);
    EXPECT_EQ(pager.previous(0), -500);
    EXPECT_EQ(pager.lastPageStart(), 7000);
    EXPECT_EQ(DbcsPager(7000).lastPageStart(), 6500);
    EXPECT_EQ(DbcsPager(0).lastPageStart(), 0);
    EXPECT_EQ(pager.pageStartOf(1100), 1000);
    EXPECT_EQ(pager.pageNumber(pager.pageStartOf(7099)), 15);
    const auto overflows = [](auto action) {
        return testsupport::raisedError(action) == runtime::ErrorNumber::Overflow;
    };
    EXPECT_TRUE(overflows([&] { pager.next(32500); }));
    EXPECT_TRUE(overflows([] { DbcsPager(40000).lastPageStart(); }));
    EXPECT_TRUE(overflows([&] { pager.pageStartOf(32768); }));
    EXPECT_EQ(testsupport::raisedError([] { DbcsPager(10, 0).lastPageStart(); }),
              runtime::ErrorNumber::InvalidProcedureCall);
}

}  // namespace
}  // namespace glyphview
