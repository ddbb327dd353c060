#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "bootfont/codepage.h"
#include "bootfont/wholefont.h"

namespace bootfont {

// One opened boot font file: its bytes, which are the document (an edit changes them, a save
// writes them), the lenient whole-font model read from them on first use, and the code page of
// the font's language, opened on first use. The window reads its 16-bit tables from the same
// bytes (fontloader.h).
class FontFile {
public:
    // Reads the whole file. Raises BootFontError with the runtime's "file not found" for a missing
    // path, its path/file access error for anything that is not a regular file and its device I/O
    // error when the system fails a read; reason() is the cause without the path.
    static FontFile open(const std::filesystem::path& path);

    // A file's bytes got otherwise (standard input).
    explicit FontFile(std::vector<std::uint8_t> bytes);
    ~FontFile();
    FontFile(FontFile&&) noexcept;
    FontFile& operator=(FontFile&&) noexcept;

    const std::vector<std::uint8_t>& bytes() const noexcept { return bytes_; }
    // The header as the bytes hold it, zeros past the end of a short file.
    BootFontHeader header() const;

    // The whole font, read leniently (readWholeFont) when first asked for.
    const WholeFont& font() const;

    // The code page of the header's language; null when the language has none known here.
    const CodePage* codePage() const;

    // The character of a record of the whole font (glyphUnicode): the record's own value, or its
    // code's character in codePage(), which is opened only for a record that carries none.
    std::optional<GlyphCharacter> glyphCharacter(GlyphTable table, std::size_t index) const;

private:
    std::vector<std::uint8_t> bytes_;
    mutable std::optional<WholeFont> font_;
    mutable std::unique_ptr<CodePage> codePage_;
    mutable bool codePageOpened_ = false;
};

}  // namespace bootfont
