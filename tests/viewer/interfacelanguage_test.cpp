// The window in English for every system language but Chinese, C and POSIX: its texts fit their
// controls at the fixed geometry and none of them is left in Chinese.
#include <QRegularExpression>
#include <QStyle>
#include <QTranslator>

#include "viewer/finddialog.h"
#include "viewer/formfixture.h"
#include "viewer/interfacelanguage.h"
#include "viewer/linklabel.h"

namespace {

using viewer::InterfaceLanguage;

TEST(InterfaceLanguage, ChineseCAndPosixKeepTheSourceTextsEveryOtherLanguageGetsEnglish) {
    // QLocale::system().uiLanguages() for: LANG=C (or C.UTF-8, POSIX), LANG=zh_CN,
    // zh_TW, en_US, ja_JP; LANGUAGE=en_GB over LANG=zh_CN; LANGUAGE=fr:zh_CN (no French here).
    const std::pair<QStringList, InterfaceLanguage> cases[] = {
        {{"C"}, InterfaceLanguage::Chinese},
        {{"zh-CN", "zh-Hans-CN", "zh"}, InterfaceLanguage::Chinese},
        {{"zh-TW", "zh-Hant-TW"}, InterfaceLanguage::Chinese},
        {{"en-US", "en-Latn-US", "en"}, InterfaceLanguage::English},
        {{"ja-JP", "ja-Jpan-JP", "ja"}, InterfaceLanguage::English},
        {{"en-GB", "en-Latn-GB"}, InterfaceLanguage::English},
        {{"fr", "fr-FR", "zh-CN", "zh"}, InterfaceLanguage::Chinese}};
    for (const auto& [languages, expected] : cases) {
        EXPECT_EQ(viewer::interfaceLanguage(languages), expected)
            << languages.join(',').toStdString();
    }
}

// The English translation, installed before the window is made, as main() does.
struct EnglishTranslation {
    EnglishTranslation() {
        EXPECT_TRUE(viewer::installInterfaceTranslation(translator, InterfaceLanguage::English));
    }
    QTranslator translator;  // removes itself from the application when the test ends
};
class EnglishWindow : public EnglishTranslation, public testsupport::FormTest {};

TEST_F(EnglishWindow, EveryTextFitsItsControlAndNoneIsChinese) {
    // The widest page indicator, the messages of an overflow, of a find that fails and of a file
    // that is no font, and every caption, tooltip and accessible name of the window and its find.
    QStringList texts = {Form1::tr("第 %1 / %2 页").arg(32767).arg(32767)};
    EXPECT_LE(control<QLabel>("Label2")->fontMetrics().horizontalAdvance(texts[0]), 229);
    std::tie(form.state().Header.NumSbcsChars, form.state().Header.SbcsOffset) =
        std::pair(70000, 49);
    form.setDisplayButtonsEnabled(true);
    for (const auto& message : messagesOf([&] {
             button(2)->click();
             form.findGlyph("0x9999");
             form.findGlyph("ab cd");
         })) {
        texts << QString::fromStdString(message);
    }
    texts << QString::fromStdString(open(write({'n', 'o'})).at(0)) << form.windowTitle();
    control<LinkLabel>("URL")->clicked();  // the guide in English
    EXPECT_TRUE(
        QString::fromStdString(shell.requests.at(0).parameters).endsWith("/userguide.en.html"));
    FindDialog find;
    for (QWidget* widget : form.findChildren<QWidget*>() + find.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? button->text().remove('&') : "";
        texts << text << widget->toolTip() << widget->accessibleName();
        // A label ends before the boxes begin; a button leaves room for the style's margins.
        const int margins = 2 * (widget->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                 widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
        const int room = label ? 164 - widget->x() : button ? widget->width() - margins : 0;
        EXPECT_TRUE(widget->parent() != &form ||
                    widget->fontMetrics().horizontalAdvance(text) <= room)
            << text.toStdString();
    }
    for (const QString& text : texts) {
        EXPECT_FALSE(text.contains(QRegularExpression("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]")))
            << text.toStdString();
    }
}

}  // namespace
