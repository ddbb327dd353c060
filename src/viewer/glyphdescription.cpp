#include "viewer/glyphdescription.h"

#include <QChar>

#include "bootfont/codepage.h"
#include "runtime/numbertext.h"

namespace viewer {
namespace {

QString placeText(const glyphview::GlyphSpot& spot) {
    const bool sbcs = spot.table == bootfont::GlyphTable::Sbcs;
    QString text = QStringLiteral("%1字符，索引 %2（")
                       .arg(sbcs ? QStringLiteral("单字节") : QStringLiteral("双字节"))
                       .arg(spot.index);
    if (!sbcs) {
        text += QStringLiteral("第 %1 页，").arg(spot.page);
    }
    return text + QStringLiteral("第 %1 行，第 %2 列）").arg(spot.row + 1).arg(spot.column + 1);
}

// "U+4E2D 中"; a value that is no printable character (a control, a lone surrogate) by itself.
QString unicodeText(char32_t character) {
    QString text = QString::fromStdString(runtime::codePointText(character));
    if (QChar::isPrint(character)) {
        text += QLatin1Char(' ') + QString::fromUcs4(&character, 1);
    }
    return text;
}

template <typename Record>
QString describe(const glyphview::GlyphSpot& spot, const Record& record,
                 const bootfont::CodePage* codePage) {
    const QString code =
        QStringLiteral("代码 ") +
        QString::fromStdString(runtime::hexCode(record.code(), bootfont::codeDigits(spot.table)));
    QString unicode;
    if (const auto character = bootfont::glyphUnicode(record, codePage)) {
        unicode = unicodeText(character->value);
        if (character->source == bootfont::UnicodeSource::CodePage) {
            unicode += QStringLiteral("（按代码页 %1）").arg(codePage->number());
        }
    } else if (codePage) {
        unicode = QStringLiteral("代码页 %1 中没有这个代码的字符").arg(codePage->number());
    } else {
        unicode = QStringLiteral("没有 Unicode 值：记录中没有，字体的语言也没有已知的代码页");
    }
    return placeText(spot) + QLatin1Char('\n') + code + QLatin1Char('\n') + unicode;
}

}  // namespace

QString glyphDescription(const glyphview::GlyphSpot& spot, const bootfont::SbcsGlyphRecord& record,
                         const bootfont::CodePage* codePage) {
    return describe(spot, record, codePage);
}

QString glyphDescription(const glyphview::GlyphSpot& spot, const bootfont::DbcsGlyphRecord& record,
                         const bootfont::CodePage* codePage) {
    return describe(spot, record, codePage);
}

}  // namespace viewer
