#include <QTest>
#include <algorithm>
#include <bit>

#include "support/raisederror.h"
#include "viewer/formfixture.h"

namespace {

using bootfont::DbcsGlyphRecord;
using bootfont::SbcsGlyphRecord;

constexpr QRgb kInk = 0xFF000000;

class GlyphPages : public testsupport::FormTest {
protected:
    template <typename Record>
    void load(std::int32_t count, std::int32_t offset, std::int32_t& numChars,
              std::int32_t& tableOffset, runtime::CheckedArray<Record>& table) {
        std::tie(numChars, tableOffset) = std::tuple(count, offset);
        table = runtime::CheckedArray<Record>::zeroed(std::min(count, 32767));
        // Glyphs that spell their own index in their top rows and ink their bottom-right pixel,
        // so a drawing shows which glyph landed in which cell and how far it reaches.
        for (int k = 0; k < table.size(); ++k) {
            std::tie(table[k].Bitmap[0], table[k].Bitmap[1], table[k].Bitmap.back()) =
                std::tuple(k >> 8, k & 0xFF, 0x01);
        }
        auto& header = form.state().Header;
        header.CharacterImageHeight = header.CharacterImageDbcsWidth = 16;
        header.CharacterImageSbcsWidth = 8;
        form.setDisplayButtonsEnabled(true);
    }
    void loadDbcs(std::int32_t count, std::int32_t offset = 49) {
        auto& state = form.state();
        load(count, offset, state.Header.NumDbcsChars, state.Header.DbcsOffset, state.DbcsGlyphs);
    }
    void loadSbcs(std::int32_t count) {
        auto& state = form.state();
        load(count, 49, state.Header.NumSbcsChars, state.Header.SbcsOffset, state.SbcsGlyphs);
    }

    bool inkAt(int x, int y) const { return shown_.pixel(x, y) == kInk; }
    int bitsAt(int x, int y, int count) const {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            value = value << 1 | (inkAt(x + i, y) ? 1 : 0);
        }
        return value;
    }
    int totalInk() {
        shown_ = picture()->image();  // 32 bits a pixel: its lines have no padding
        const auto* pixels = reinterpret_cast<const QRgb*>(shown_.constBits());
        return static_cast<int>(
            std::count(pixels, pixels + shown_.width() * shown_.height(), kInk));
    }

    // Cells 0.. of the grid, `perRow` a row and `pitch` pixels apart, hold the marked glyphs
    // first..last, and there is no other ink.
    template <typename Record>
    void expectCells(int first, int last, int perRow, int pitch) {
        constexpr int width = std::tuple_size_v<decltype(Record::Bitmap)> / 2;
        const int drawn = totalInk();
        int ink = 0;
        for (int k = first; k <= last; ++k) {
            ink += std::popcount(static_cast<unsigned>(k)) + 1;  // the index and the corner
            const int x = 5 + (k - first) % perRow * pitch;
            const int y = 5 + (k - first) / perRow * 21;
            const int mark =
                width == 16 ? bitsAt(x, y, 16) : bitsAt(x, y, 8) << 8 | bitsAt(x, y + 1, 8);
            ASSERT_EQ(mark, k) << "cell " << k - first;
            ASSERT_TRUE(inkAt(x + width - 1, y + 15)) << "cell " << k - first;
        }
        EXPECT_EQ(drawn, ink) << "ink outside the cells";
    }

    QImage shown_;
};

TEST_F(GlyphPages, TheSingleByteViewHolds41ARowAndAtMost820) {
    loadSbcs(1000);
    button(2)->click();
    expectCells<SbcsGlyphRecord>(0, 819, 41, 13);
    EXPECT_EQ(indicator(), QStringLiteral(" ")) << "the single-byte view has no pages";
}

// A sequence of clicks on a font of `count` double-byte glyphs (and 10 single-byte ones) whose
// page `start` is on show, and where it ends.
struct Navigation {
    const char* name;
    std::int32_t count;
    std::int32_t offset;
    std::int16_t start;
    std::vector<int> clicks;
    std::int16_t pageStart;
    const char* indicator;
    int refreshes;
    std::vector<std::string> messages = {};
};

class PageNavigation : public GlyphPages, public ::testing::WithParamInterface<Navigation> {};

TEST_P(PageNavigation, EndsOnItsPage) {
    const Navigation& n = GetParam();
    loadSbcs(10);
    loadDbcs(n.count, n.offset);
    form.state().PageStart = n.start;
    const auto messages = messagesOf([&] {
        for (const int click : n.clicks) {
            button(click)->click();
        }
    });
    EXPECT_EQ(messages, n.messages);
    EXPECT_EQ(form.state().PageStart, n.pageStart);
    EXPECT_EQ(indicator(), QString::fromUtf8(n.indicator));
    EXPECT_EQ(picture()->refreshCount(), n.refreshes);
    if (!n.messages.empty()) {
        EXPECT_EQ(totalInk(), 0) << "the picture was not cleared before the error";
    } else if (n.refreshes > 0) {
        expectCells<DbcsGlyphRecord>(n.pageStart, std::min<int>(n.pageStart + 499, n.count - 1), 25,
                                     21);
    }
}

const std::string kOverflow = "运行时错误 '6':\n\n溢出";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Clicks, PageNavigation, ::testing::Values(
    Navigation{"NextStopsOnTheLastPage", 7100, 49, 6500, {5, 5, 5}, 7000, "第 15 / 15 页", 1},
    Navigation{"PreviousStopsOnTheFirstPage", 7000, 49, 1000, {4, 4, 4}, 0, "第 1 / 14 页", 3},
    Navigation{"NextContinuesAfterTheSingleByteView", 3000, 49, 1000, {2, 5}, 1500, "第 4 / 6 页", 2},
    Navigation{"WithoutAnOffsetOnlyTheIndicatorMoves", 7000, 0, 0, {3, 5}, 500, "第 2 / 14 页", 0},
    Navigation{"WithoutGlyphsPageButtonsDoNothing", 0, 49, 0, {3, 4, 5}, 0, " ", 0},
    Navigation{"NextPast32767Overflows", 40000, 49, 32500, {5}, 32500, " ", 0, {kOverflow}},
    Navigation{"ACountPast32767OverflowsAfterClearing", 40000, 49, 1500, {2, 3}, 0, "第 1 / 80 页", 1,
               {kOverflow}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(GlyphPages, AHeaderCountBeyondTheLoadedGlyphsIsReportedNotRead) {
    loadSbcs(3);
    form.state().Header.NumSbcsChars = 50;
    EXPECT_EQ(messagesOf([&] { button(2)->click(); }),
              std::vector<std::string>{"运行时错误 '9':\n\n下标越界"});
}

}  // namespace
