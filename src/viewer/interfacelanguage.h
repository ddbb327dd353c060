#pragma once

#include <QStringList>

class QTranslator;

namespace viewer {

// The languages the window speaks: its source texts are Chinese; English serves everyone else.
enum class InterfaceLanguage { Chinese, English };

// The window's language for the system's UI languages, most wanted first, as
// QLocale::system().uiLanguages() gives them (from LANGUAGE, then LC_ALL, LC_MESSAGES or LANG):
// the first that is Chinese, English, C or POSIX decides, C and POSIX meaning the source texts;
// other languages are passed over, as no translation serves them, and English serves when none
// decides. An empty list is the C locale's.
InterfaceLanguage interfaceLanguage(const QStringList& uiLanguages);

// Loads the window's texts in `language` into `translator` and installs it in the application;
// Chinese needs none. False when the translation built into the program cannot be loaded.
bool installInterfaceTranslation(QTranslator& translator, InterfaceLanguage language);

}  // namespace viewer
