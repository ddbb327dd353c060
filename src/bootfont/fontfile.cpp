#include "bootfont/fontfile.h"

#include "bootfont/fontfilereader.h"
#include "bootfont/headerfields.h"
#include "bootfont/memoryfilereader.h"

namespace bootfont {

FontFile FontFile::open(const std::filesystem::path& path) {
    FontFileReader reader(path);
    return FontFile(reader.readAll());
}

FontFile::FontFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
FontFile::~FontFile() = default;
FontFile::FontFile(FontFile&&) noexcept = default;
FontFile& FontFile::operator=(FontFile&&) noexcept = default;

BootFontHeader FontFile::header() const {
    MemoryFileReader reader(bytes_);
    return decodeHeader(reader.next<kHeaderSize>());
}

const WholeFont& FontFile::font() const {
    if (!font_) {
        font_ = readWholeFont(bytes_);
    }
    return *font_;
}

const CodePage* FontFile::codePage() const {
    if (!codePageOpened_) {
        codePageOpened_ = true;
        codePage_ = openLanguageCodePage(header().LanguageId);
    }
    return codePage_.get();
}

std::optional<GlyphCharacter> FontFile::glyphCharacter(GlyphTable table, std::size_t index) const {
    return font().withRecords(table, [&](const auto& records) {
        const auto& record = records.at(index);
        return glyphUnicode(record, record.unicode() != 0 ? nullptr : codePage());
    });
}

}  // namespace bootfont
