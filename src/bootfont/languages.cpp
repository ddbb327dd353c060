#include "bootfont/languages.h"

#include "runtime/numbertext.h"

namespace bootfont {
namespace {

// Windows language ids: the primary language in the low ten bits, the region above them.
constexpr std::int32_t kPrimaryLanguageMask = 0x3FF;
constexpr std::int32_t kChinese = 0x04;

// clang-format off
// Whole language ids, where the region decides the code page or the viewer names the language.
constexpr Language kByLanguageId[] = {
    {0x0804, 936, "Chinese (PRC)",           "Chinese (PRC)"},
    {0x1004, 936, "Chinese (Singapore)",     ""},
    {0x0404, 950, "Chinese (Taiwan)",        "Chinese (Taiwan)"},
    {0x0C04, 950, "Chinese (Hong Kong)",     ""},
    {0x1404, 950, "Chinese (Macao)",         ""},
    {0x0411, 932, "Japanese",                "Japanese"},
    {0x0412, 949, "Korean",                  "Korean"},
    {0x0419, 866, "Russian",                 "Russian"},
    {0x0407, 850, "German",                  "German (Standard)"},
    {0x040C, 850, "French",                  "French (Standard)"},
    {0x0409, 437, "English (United States)", ""},  // the other English regions use 850
};

// Primary languages, whichever the region.
constexpr Language kByPrimaryLanguage[] = {
    {0x11, 932, "Japanese", ""},   {0x12, 949, "Korean", ""},     {0x05, 852, "Czech", ""},
    {0x0E, 852, "Hungarian", ""},  {0x15, 852, "Polish", ""},     {0x1B, 852, "Slovak", ""},
    {0x24, 852, "Slovenian", ""},  {0x02, 866, "Bulgarian", ""},  {0x19, 866, "Russian", ""},
    {0x22, 866, "Ukrainian", ""},  {0x23, 866, "Belarusian", ""}, {0x08, 737, "Greek", ""},
    {0x1F, 857, "Turkish", ""},    {0x03, 850, "Catalan", ""},    {0x06, 850, "Danish", ""},
    {0x07, 850, "German", ""},     {0x09, 850, "English", ""},    {0x0A, 850, "Spanish", ""},
    {0x0B, 850, "Finnish", ""},    {0x0C, 850, "French", ""},     {0x0F, 850, "Icelandic", ""},
    {0x10, 850, "Italian", ""},    {0x13, 850, "Dutch", ""},      {0x14, 850, "Norwegian", ""},
    {0x16, 850, "Portuguese", ""}, {0x1D, 850, "Swedish", ""},
};
// clang-format on

}  // namespace

std::optional<Language> findLanguage(std::int32_t languageId) {
    if (languageId < 0 || languageId > 0xFFFF) {
        return std::nullopt;
    }
    for (const Language& entry : kByLanguageId) {
        if (entry.id == languageId) {
            return entry;
        }
    }
    const std::int32_t primary = languageId & kPrimaryLanguageMask;
    if (primary == kChinese) {
        return std::nullopt;  // a Chinese region not listed above
    }
    for (const Language& entry : kByPrimaryLanguage) {
        if (entry.id == primary) {
            return entry;
        }
    }
    return std::nullopt;
}

std::optional<int> codePageForLanguage(std::int32_t languageId) {
    const auto found = findLanguage(languageId);
    return found ? std::optional<int>(found->codePage) : std::nullopt;
}

std::optional<std::string_view> languageName(std::int32_t languageId) {
    const auto found = findLanguage(languageId);
    return found ? std::optional<std::string_view>(found->name) : std::nullopt;
}

std::string windowLanguageText(std::int32_t languageId) {
    const auto found = findLanguage(languageId);
    if (found && found->id == languageId && !found->windowName.empty()) {
        return std::string(found->windowName);
    }
    return runtime::hexCode(static_cast<std::uint32_t>(languageId));
}

}  // namespace bootfont
