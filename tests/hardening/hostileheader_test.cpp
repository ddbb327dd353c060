// Every header field with the values at and around 0, the 16-bit and the 32-bit limits, in a font
// that is otherwise well-formed: 3 single-byte glyphs at offset 49 and 600 double-byte glyphs at
// offset 100. Each value ends in its own result (the file loads, a table is skipped, or a given
// runtime error), never in a crash, and the window stays usable.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "hardening/hostilefiletest.h"

namespace testsupport {
namespace {

using bootfont::BootFontHeader;
using runtime::ErrorNumber;

constexpr auto kOverflow = ErrorNumber::Overflow;
constexpr auto kSubscript = ErrorNumber::SubscriptOutOfRange;

struct ValueCase {
    std::int64_t value;
    Expected expected;
};

struct FieldCase {
    const char* name;
    int box;  // the header box that shows the field; -1 for the signature, which none shows
    std::function<void(BootFontHeader&, std::int64_t)> set;
    std::function<std::string(std::int64_t)> text;
    std::vector<ValueCase> values;
};

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

std::string hex(std::int64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%" PRIX32, static_cast<std::uint32_t>(value));
    return text;
}

const Expected kLoads;
const Expected kRejected = Expected().rejected();
const Expected kSkipsSbcs = Expected().keepsSbcs();
const Expected kSkipsDbcs = Expected().keepsDbcs();

// 32768 single-byte records are all read, then the 16-bit index overflows: the command ends before
// the double-byte table, so the header's 600 double-byte glyphs are not all there to draw.
const Expected kSbcsReadThenOverflow =
    Expected().openEndsWith(kOverflow).keepsDbcs().firstDoubleBytePageReports(kSubscript);
// A larger count overflows before its table is touched; the single-byte view cannot convert it.
const Expected kSbcsCountOverflows = Expected()
                                         .openEndsWith(kOverflow)
                                         .keepsSbcs()
                                         .keepsDbcs()
                                         .singleByteViewReports(kOverflow)
                                         .firstDoubleBytePageReports(kSubscript);
// An offset without a file position: the table became zeroed records, then the command ended.
const Expected kSbcsOffsetOverflows =
    Expected().openEndsWith(kOverflow).keepsDbcs().firstDoubleBytePageReports(kSubscript);
const Expected kDbcsReadThenOverflow = Expected().openEndsWith(kOverflow);
const Expected kDbcsCountOverflows =
    Expected().openEndsWith(kOverflow).keepsDbcs().firstDoubleBytePageReports(kOverflow);
const Expected kDbcsOffsetOverflows = Expected().openEndsWith(kOverflow);

// The 32-bit values, at and around 0 and the 16- and 32-bit limits, grouped by what a glyph count
// does with them.
const std::vector<std::int64_t> kBelowOne = {0,      -1,          -32767,     -32768,
                                             -32769, -2147483647, -2147483648};
const std::vector<std::int64_t> kUpTo32767 = {1, 32766, 32767};
const std::vector<std::int64_t> kPast32768 = {32769, 65535, 65536, 2147483646, 2147483647};
const std::vector<std::int64_t> kOffsetsWithAPosition = {1,     32766, 32767, 32768,
                                                         32769, 65535, 65536, 2147483646};
const std::vector<std::int64_t> kByteValues = {0, 1, 127, 128, 254, 255};

struct ValueClass {
    std::vector<std::int64_t> values;
    Expected expected;
};

std::vector<ValueCase> cases(std::initializer_list<ValueClass> classes) {
    std::vector<ValueCase> result;
    for (const ValueClass& valueClass : classes) {
        for (const std::int64_t value : valueClass.values) {
            result.push_back({value, valueClass.expected});
        }
    }
    return result;
}

const std::vector<ValueCase> kInt32ShownOnly =
    cases({{kBelowOne, kLoads}, {kUpTo32767, kLoads}, {{32768}, kLoads}, {kPast32768, kLoads}});

template <std::int32_t BootFontHeader::*Field>
void setInt32(BootFontHeader& header, std::int64_t value) {
    header.*Field = static_cast<std::int32_t>(value);
}

template <std::uint8_t BootFontHeader::*Field>
void setByte(BootFontHeader& header, std::int64_t value) {
    header.*Field = static_cast<std::uint8_t>(value);
}

// The signature first: no box shows it.
const std::vector<FieldCase> kFields = {
    {"Signature", -1, setInt32<&BootFontHeader::Signature>, nullptr,
     cases({{kBelowOne, kRejected},
            {kUpTo32767, kRejected},
            {{32768}, kRejected},
            {kPast32768, kRejected},
            {{0x4D646554}, kRejected},  // the signature's bytes in reverse: "TedM"
            {{0x5465644D}, kLoads}})},
    {"LanguageId", 0, setInt32<&BootFontHeader::LanguageId>,
     [](std::int64_t value) { return "0x" + hex(value); }, kInt32ShownOnly},
    {"NumSbcsChars", 1, setInt32<&BootFontHeader::NumSbcsChars>, decimal,
     cases({{kBelowOne, kSkipsSbcs},
            {kUpTo32767, kLoads},
            {{32768}, kSbcsReadThenOverflow},
            {kPast32768, kSbcsCountOverflows}})},
    {"NumDbcsChars", 2, setInt32<&BootFontHeader::NumDbcsChars>, decimal,
     cases({{kBelowOne, kSkipsDbcs},
            {kUpTo32767, kLoads},
            {{32768}, kDbcsReadThenOverflow},
            {kPast32768, kDbcsCountOverflows}})},
    // Offset 1 puts the table inside the header; from 32766 on it lies past the end of the file.
    {"SbcsOffset", 3, setInt32<&BootFontHeader::SbcsOffset>, decimal,
     cases({{kBelowOne, kSkipsSbcs},
            {kOffsetsWithAPosition, kLoads},
            {{2147483647}, kSbcsOffsetOverflows}})},
    {"DbcsOffset", 4, setInt32<&BootFontHeader::DbcsOffset>, decimal,
     cases({{kBelowOne, kSkipsDbcs},
            {kOffsetsWithAPosition, kLoads},
            {{2147483647}, kDbcsOffsetOverflows}})},
    {"SbcsEntriesTotalSize", 5, setInt32<&BootFontHeader::SbcsEntriesTotalSize>, decimal,
     kInt32ShownOnly},
    {"DbcsEntriesTotalSize", 6, setInt32<&BootFontHeader::DbcsEntriesTotalSize>, decimal,
     kInt32ShownOnly},
    {"DbcsLeadTable", 7,
     [](BootFontHeader& header, std::int64_t value) {
         header.DbcsLeadTable.fill(static_cast<std::uint8_t>(value));
     },
     [](std::int64_t value) {
         std::string text;
         for (int i = 0; i < 12; ++i) {
             text += " " + hex(value);
         }
         return text;
     },
     cases({{kByteValues, kLoads}})},
    {"CharacterImageHeight", 8, setByte<&BootFontHeader::CharacterImageHeight>, decimal,
     cases({{kByteValues, kLoads}})},
    {"CharacterTopPad", 9, setByte<&BootFontHeader::CharacterTopPad>, decimal,
     cases({{kByteValues, kLoads}})},
    {"CharacterBottomPad", 10, setByte<&BootFontHeader::CharacterBottomPad>, decimal,
     cases({{kByteValues, kLoads}})},
    {"CharacterImageSbcsWidth", 11, setByte<&BootFontHeader::CharacterImageSbcsWidth>, decimal,
     cases({{kByteValues, kLoads}})},
    {"CharacterImageDbcsWidth", 12, setByte<&BootFontHeader::CharacterImageDbcsWidth>, decimal,
     cases({{kByteValues, kLoads}})},
};

void PrintTo(const FieldCase& field, std::ostream* out) {
    *out << field.name;
}

class HostileHeader : public HostileFileTest, public ::testing::WithParamInterface<FieldCase> {
protected:
    // The well-formed font with the field's bytes in its header changed to `value`; the tables
    // stay where they were written.
    static std::vector<std::uint8_t> fontWith(const FieldCase& field, std::int64_t value) {
        BootFontBuilder builder;
        builder.sbcsTable(49, sbcsGlyphs(3, 10)).dbcsTable(100, dbcsGlyphs(600, 20));
        BootFontHeader& header = builder.header();
        header.LanguageId = 0x804;
        header.SbcsEntriesTotalSize = 3 * 17;
        header.DbcsEntriesTotalSize = 600 * 36;
        header.DbcsLeadTable = {0x81, 0xFE};
        header.CharacterImageHeight = 16;
        header.CharacterImageSbcsWidth = 8;
        header.CharacterImageDbcsWidth = 16;
        std::vector<std::uint8_t> bytes = builder.build();

        BootFontBuilder changed;  // a header alone, no tables
        changed.header() = header;
        field.set(changed.header(), value);
        const std::vector<std::uint8_t> headerBytes = changed.build();
        std::copy(headerBytes.begin(), headerBytes.end(), bytes.begin());
        return bytes;
    }
};

TEST_P(HostileHeader, EachValueEndsInItsResultAndTheWindowStaysUsable) {
    const FieldCase& field = GetParam();
    for (const auto& [value, expected] : field.values) {
        SCOPED_TRACE(std::string(field.name) + " = " + std::to_string(value));
        const auto bytes = fontWith(field, value);
        expectOpening(writeBytes(bytes), bytes, expected);
    }
}

// The fields that a box shows: all but the signature.
class HostileHeaderText : public HostileHeader {};

TEST_P(HostileHeaderText, AnAcceptedFileShowsTheValueInItsBox) {
    const FieldCase& field = GetParam();
    WindowOnAFont window(earlierFont_);
    for (const auto& [value, expected] : field.values) {
        SCOPED_TRACE(std::string(field.name) + " = " + std::to_string(value));
        window.open(writeBytes(fontWith(field, value)));
        EXPECT_EQ(window.form.text1Text(field.box).toStdString(), field.text(value));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryField, HostileHeader, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(ShownFields, HostileHeaderText,
                         ::testing::ValuesIn(kFields.begin() + 1, kFields.end()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace testsupport
