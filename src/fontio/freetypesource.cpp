#include "fontio/freetypesource.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#include FT_WINFONTS_H

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "bootfont/bootfontrecords.h"
#include "bootfont/codepage.h"
#include "fontio/fontioerror.h"
#include "runtime/numbertext.h"

namespace fontio {
namespace {

constexpr int kCellRows = static_cast<int>(bootfont::kGlyphRows);
constexpr int kRowsBelowBaseline = bootfont::kRowsBelowBaseline;

// An X charset (CHARSET_REGISTRY, CHARSET_ENCODING) in iconv's terms.
struct XCharset {
    const char* registry = "";  // upper case; a trailing '*' matches any rest
    const char* charset = "";   // iconv's name; empty: "<registry>-<encoding>" or the encoding
    bool sevenBit = false;
};

// clang-format off
constexpr XCharset kXCharsets[] = {
    {"GB2312.1980", "EUC-CN", true},    {"GB2312.80", "EUC-CN", true},
    {"GBK", "GBK", false},              {"GB18030*", "GB18030", false},
    {"BIG5-HKSCS", "BIG5-HKSCS", false}, {"BIG5.HKSCS", "BIG5-HKSCS", false},
    {"BIG5*", "BIG5", false},
    {"JISX0208*", "EUC-JP", true},      {"JISX0201*", "SHIFT_JIS", false},
    {"KSC5601.1987", "EUC-KR", true},   {"KSX1001*", "EUC-KR", true},
    {"ISO8859", "", false},             {"KOI8", "", false},
    {"MICROSOFT", "", false},           {"IBM", "", false},
};
// clang-format on

// The code page of a Windows FNT font's character set, by its charset byte.
// clang-format off
constexpr std::pair<int, int> kWinFntCharsets[] = {
    {0, 1252},   {128, 932},  {129, 949},  {134, 936}, {136, 950}, {161, 1253}, {162, 1254},
    {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {238, 1250}, {255, 437},
};
// clang-format on

std::string upper(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// iconv's name of an X charset, with whether its codes are seven-bit; nullopt when unknown here.
std::optional<std::pair<std::string, bool>> xCharset(const std::string& registry,
                                                     const std::string& encoding) {
    const std::string name = upper(registry);
    for (const XCharset& x : kXCharsets) {
        const std::string_view pattern(x.registry);
        const bool matches = pattern.ends_with('*')
                                 ? name.starts_with(pattern.substr(0, pattern.size() - 1))
                                 : name == pattern;
        if (!matches) {
            continue;
        }
        if (*x.charset != '\0') {
            return std::pair<std::string, bool>{x.charset, x.sevenBit};
        }
        // ISO8859-2 is iconv's ISO-8859-2; KOI8-R is KOI8-R; MICROSOFT-CP1251 is CP1251.
        const bool joined = name == "ISO8859" || name == "KOI8";
        return std::pair<std::string, bool>{
            joined ? (name == "ISO8859" ? "ISO-8859-" : "KOI8-") + upper(encoding)
                   : upper(encoding),
            false};
    }
    return std::nullopt;
}

// The largest glyph taken from a source, in pixels each way: a font for 16-pixel cells draws
// nothing near it, and a damaged bounding box of thousands of pixels would cost memory and time.
constexpr int kMaxGlyphSide = 256;

// The largest font unpacked from gzip: the largest bitmap fonts Debian ships are a few MB, and a
// small file that unpacks without end must not take the machine's memory.
constexpr std::size_t kMaxInflatedSize = std::size_t{64} << 20;

// The unpacked bytes of a gzipped file; nullopt for any other file.
std::optional<std::vector<FT_Byte>> inflatedGzip(const std::string& name, const std::string& path) {
    {
        std::ifstream in(path, std::ios::binary);
        char magic[2] = {};
        if (!in.read(magic, 2) || magic[0] != '\x1F' || magic[1] != '\x8B') {
            return std::nullopt;
        }
    }
    const gzFile file = ::gzopen(path.c_str(), "rb");
    if (!file) {
        throw FontIoError(name + ": cannot be opened");
    }
    std::vector<FT_Byte> bytes;
    int count = 0;
    do {
        constexpr std::size_t kBlock = 256 * 1024;
        if (bytes.size() >= kMaxInflatedSize) {
            ::gzclose(file);
            throw FontIoError(name + ": unpacks to more than " +
                              std::to_string(kMaxInflatedSize >> 20) + " MB, too large for a font");
        }
        bytes.resize(bytes.size() + kBlock);
        count = ::gzread(file, bytes.data() + bytes.size() - kBlock, kBlock);
        bytes.resize(bytes.size() - kBlock + static_cast<std::size_t>(std::max(count, 0)));
    } while (count > 0);
    ::gzclose(file);
    if (count < 0) {
        throw FontIoError(name + ": its gzip data is damaged");
    }
    return bytes;
}

}  // namespace

struct FreeTypeSource::Handles {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::optional<std::vector<FT_Byte>> inflated;  // the bytes of a gzipped font, unpacked
    ~Handles() {
        if (face) {
            FT_Done_Face(face);
        }
        if (library) {
            FT_Done_FreeType(library);
        }
    }
};

FreeTypeSource::FreeTypeSource(const std::string& name, const std::string& path, int faceIndex)
    : name_(name), handles_(std::make_unique<Handles>()) {
    if (FT_Init_FreeType(&handles_->library) != 0) {
        throw FontIoError(name + ": FreeType cannot start");
    }
    // FreeType reads a gzipped font through a stream that inflates from the start again on every
    // backward seek, and the PCF reader seeks for each glyph: a whole font takes seconds that way.
    // Inflated once into memory, it takes milliseconds.
    handles_->inflated = inflatedGzip(name, path);
    const FT_Error error =
        handles_->inflated
            ? FT_New_Memory_Face(handles_->library, handles_->inflated->data(),
                                 static_cast<FT_Long>(handles_->inflated->size()), faceIndex,
                                 &handles_->face)
            : FT_New_Face(handles_->library, path.c_str(), faceIndex, &handles_->face);
    if (error) {
        const char* reason = FT_Error_String(error);
        throw FontIoError(name + ": not a font that FreeType reads" +
                          (reason ? std::string(" (") + reason + ")" : std::string()));
    }
    FT_Face face = handles_->face;

    // The bitmap strike nearest 16 pixels per em; an outline font takes one only at exactly 16.
    int strike = -1;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const auto distance = [&](int s) {
            return std::abs(face->available_sizes[s].y_ppem / 64 - kCellRows);
        };
        if (strike < 0 || distance(i) < distance(strike)) {
            strike = i;
        }
    }
    if (strike >= 0 && FT_IS_SCALABLE(face) &&
        face->available_sizes[strike].y_ppem / 64 != kCellRows) {
        strike = -1;
    }
    if (strike >= 0) {
        if (FT_Select_Size(face, strike) != 0) {
            throw FontIoError(name + ": FreeType cannot select its bitmap size");
        }
        const int ascent = static_cast<int>(face->size->metrics.ascender / 64);
        const int descent = static_cast<int>(-face->size->metrics.descender / 64);
        // A 16-row font stands on its own baseline; others on the boot fonts' (two rows below).
        baselineRow_ = ascent + descent == kCellRows ? ascent : kCellRows - kRowsBelowBaseline;
    } else if (FT_IS_SCALABLE(face)) {
        // The largest size whose ascender and descender together take at most 16 rows.
        int pixels = 2 * kCellRows;
        for (; pixels > 1; --pixels) {
            if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) == 0 &&
                (face->size->metrics.ascender - face->size->metrics.descender) / 64 <= kCellRows) {
                break;
            }
        }
        baselineRow_ = static_cast<int>(face->size->metrics.ascender / 64);
    } else {
        throw FontIoError(name + ": has neither outlines nor bitmaps");
    }

    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        return;
    }
    std::string charset;
    const char* registry = nullptr;
    const char* encoding = nullptr;
    FT_WinFNT_HeaderRec fnt{};
    if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) == 0 && registry && encoding) {
        const auto known = xCharset(registry, encoding);
        if (!known) {
            throw FontIoError(name + ": its charset " + registry + "-" + encoding +
                              " is not one that can be mapped to Unicode here");
        }
        charset = known->first;
        sevenBit_ = known->second;
    } else if (FT_Get_WinFNT_Header(face, &fnt) == 0) {
        for (const auto& [id, codePage] : kWinFntCharsets) {
            if (id == fnt.charset) {
                charset = "CP" + std::to_string(codePage);
            }
        }
    }
    if (charset.empty()) {
        throw FontIoError(name + ": has no Unicode character map and no charset known here");
    }
    try {
        charset_ = std::make_unique<bootfont::CodePage>(0, charset);
    } catch (const std::exception&) {
        throw FontIoError(name + ": iconv lacks its charset " + charset);
    }
    if (face->num_charmaps > 0) {
        FT_Set_Charmap(face, face->charmaps[0]);
    }
}

FreeTypeSource::~FreeTypeSource() = default;

std::optional<SourceGlyph> FreeTypeSource::glyph(char32_t character) {
    FT_Face face = handles_->face;
    FT_ULong code = character;
    if (charset_) {
        const auto bytes = charset_->fromUnicode(character);
        if (!bytes) {
            return std::nullopt;
        }
        code = bootfont::codeNumber(*bytes);
        if (sevenBit_) {
            // The 94 x 94 sets' GL codes: both bytes of the EUC form, less 0x80 each.
            if (bytes->size() != 2 || (*bytes)[0] < 0xA1 || (*bytes)[1] < 0xA1) {
                return std::nullopt;
            }
            code &= 0x7F7F;
        }
    }
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0 ||
        FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) !=
            0) {
        return std::nullopt;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    SourceGlyph glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.pitch = (glyph.width + 7) / 8;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) / 64);
    glyph.baselineRow = baselineRow_;
    if (glyph.width > kMaxGlyphSide || glyph.rows > kMaxGlyphSide) {
        throw FontIoError(name_ + ": the glyph of " + runtime::codePointText(character) + " is " +
                          std::to_string(glyph.width) + " x " + std::to_string(glyph.rows) +
                          " pixels, far too large for a 16-pixel cell; the font is damaged");
    }
    glyph.bits.assign(static_cast<std::size_t>(glyph.pitch * glyph.rows), 0);
    if (glyph.rows == 0 || glyph.width == 0) {
        return glyph;
    }
    // A damaged file (a glyph's BBX and BITMAP lines run together) can give a size without the
    // pixels, or rows shorter than the width: the glyph is refused rather than read from nowhere
    // or drawn blank.
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    const auto rowBytes = static_cast<unsigned>(mono ? glyph.pitch : glyph.width);
    const auto pitch = static_cast<unsigned>(bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch);
    if (bitmap.buffer == nullptr || pitch < rowBytes) {
        throw FontIoError(name_ + ": the glyph of " + runtime::codePointText(character) +
                          " has a size but no bitmap data; the font is damaged");
    }
    for (int y = 0; y < glyph.rows; ++y) {
        // A negative pitch stores the rows bottom up.
        const int line = bitmap.pitch < 0 ? glyph.rows - 1 - y : y;
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(line) * pitch;
        for (int x = 0; x < glyph.width; ++x) {
            const bool ink = mono ? (row[x / 8] >> (7 - x % 8) & 1)
                             : bitmap.pixel_mode == FT_PIXEL_MODE_GRAY ? row[x] >= 128
                                                                       : false;
            if (ink) {
                glyph.bits[static_cast<std::size_t>(y * glyph.pitch + x / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return glyph;
}

}  // namespace fontio
