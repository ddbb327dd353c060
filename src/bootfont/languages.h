#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The languages a boot font may be made for, in one table: Windows language id, English name,
// the name the viewer's language box shows where it names the language, and the code page of the
// characters the font stores.
namespace bootfont {

struct Language {
    // A whole language id (0x804), or a primary language (0x15: Polish, whichever the region).
    std::int32_t id = 0;
    int codePage = 0;
    std::string_view name;
    // The viewer's text for exactly this id; empty where the viewer names no language.
    std::string_view windowName;
};

// The entry of `languageId`: its whole id first, else its primary language. The code page is the
// ANSI code page of the four East Asian languages (936, 950, 932, 949) and the OEM code page of
// the others (852 Polish, Czech, Hungarian; 866 Russian; 737 Greek; 857 Turkish; 850 Western
// European, ...), as the text-mode boot screen uses it. nullopt for a language not known here.
std::optional<Language> findLanguage(std::int32_t languageId);

std::optional<int> codePageForLanguage(std::int32_t languageId);

// The English name ("Polish", "Chinese (Taiwan)"); nullopt for a language not known here.
std::optional<std::string_view> languageName(std::int32_t languageId);

// The text of the viewer's language box: the name it gives the ids of the fonts Windows XP
// shipped, any other id as "0x" and its upper-case hex digits (1045 -> "0x415"), so the box
// never keeps an earlier file's language.
std::string windowLanguageText(std::int32_t languageId);

}  // namespace bootfont
