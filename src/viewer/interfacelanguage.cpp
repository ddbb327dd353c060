#include "viewer/interfacelanguage.h"

#include <QCoreApplication>
#include <QTranslator>

namespace viewer {

InterfaceLanguage interfaceLanguage(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) {
        return InterfaceLanguage::Chinese;
    }
    for (const QString& name : uiLanguages) {
        // "zh", "zh-CN", "zh-Hant-TW"; Qt names both the C and the POSIX locale "C".
        const QString language = name.section(QLatin1Char('-'), 0, 0);
        if (language == u"zh" || language == u"C") {
            return InterfaceLanguage::Chinese;
        }
        if (language == u"en") {
            return InterfaceLanguage::English;
        }
    }
    return InterfaceLanguage::English;
}

bool installInterfaceTranslation(QTranslator& translator, InterfaceLanguage language) {
    if (language == InterfaceLanguage::Chinese) {
        return true;
    }
    // Built from translations/bootfont-viewer_en.ts into the program's resources.
    return translator.load(QStringLiteral(":/i18n/bootfont-viewer_en.qm")) &&
           QCoreApplication::installTranslator(&translator);
}

}  // namespace viewer
