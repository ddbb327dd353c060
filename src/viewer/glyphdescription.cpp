#include "viewer/glyphdescription.h"

#include <QChar>
#include <optional>

#include "bootfont/codepage.h"

namespace viewer {
namespace {

QString hex(std::uint32_t value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString placeText(const GlyphSpot& spot) {
    const bool sbcs = spot.table == bootfont::GlyphTable::Sbcs;
    QString text = QStringLiteral("%1字符，索引 %2（")
                       .arg(sbcs ? QStringLiteral("单字节") : QStringLiteral("双字节"))
                       .arg(spot.index);
    if (!sbcs) {
        text += QStringLiteral("第 %1 页，").arg(spot.page);
    }
    return text + QStringLiteral("第 %1 行，第 %2 列）").arg(spot.row + 1).arg(spot.column + 1);
}

QString codeText(std::span<const std::uint8_t> code) {
    std::uint32_t value = 0;
    for (const std::uint8_t byte : code) {
        value = value << 8 | byte;
    }
    return QStringLiteral("代码 0x") + hex(value, static_cast<int>(code.size()) * 2);
}

// "U+4E2D 中"; a value that is no printable character (a control, a lone surrogate) by itself.
QString unicodeText(char32_t character) {
    QString text = QStringLiteral("U+") + hex(character, 4);
    if (QChar::isPrint(character)) {
        text += QLatin1Char(' ') + QString::fromUcs4(&character, 1);
    }
    return text;
}

}  // namespace

QString glyphDescription(const GlyphSpot& spot, std::span<const std::uint8_t> code,
                         std::uint16_t recordUnicode, const bootfont::CodePage* codePage) {
    QString unicode;
    if (recordUnicode != 0) {
        unicode = unicodeText(recordUnicode);
    } else if (const std::optional<char32_t> character =
                   codePage ? codePage->toUnicode(code) : std::nullopt) {
        unicode =
            unicodeText(*character) + QStringLiteral("（按代码页 %1）").arg(codePage->number());
    } else if (codePage) {
        unicode = QStringLiteral("代码页 %1 中没有这个代码的字符").arg(codePage->number());
    } else {
        unicode = QStringLiteral("没有 Unicode 值：记录中没有，字体的语言也没有已知的代码页");
    }
    return placeText(spot) + QLatin1Char('\n') + codeText(code) + QLatin1Char('\n') + unicode;
}

}  // namespace viewer
