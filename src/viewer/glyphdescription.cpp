#include "viewer/glyphdescription.h"

#include <QCoreApplication>

#include "bootfont/codepage.h"
#include "bootfont/valuetext.h"

namespace viewer {
namespace {

// The context of the texts below in Qt's translations.
class GlyphDescription {
    Q_DECLARE_TR_FUNCTIONS(GlyphDescription)
};

QString placeText(const glyphview::GlyphSpot& spot) {
    if (spot.table == bootfont::GlyphTable::Sbcs) {
        return GlyphDescription::tr("单字节字符，索引 %1（第 %2 行，第 %3 列）")
            .arg(spot.index)
            .arg(spot.row + 1)
            .arg(spot.column + 1);
    }
    return GlyphDescription::tr("双字节字符，索引 %1（第 %2 页，第 %3 行，第 %4 列）")
        .arg(spot.index)
        .arg(spot.page)
        .arg(spot.row + 1)
        .arg(spot.column + 1);
}

template <typename Record>
QString describe(const glyphview::GlyphSpot& spot, const Record& record,
                 const bootfont::CodePage* codePage) {
    const QString code = GlyphDescription::tr("代码 %1").arg(
        QString::fromStdString(bootfont::codeText(record.code(), spot.table)));
    QString unicode;
    if (const auto character = bootfont::glyphUnicode(record, codePage)) {
        // "U+4E2D 中", the character where it is printable.
        unicode = QString::fromStdString(bootfont::characterText(character->value));
        if (character->source == bootfont::UnicodeSource::CodePage) {
            unicode = GlyphDescription::tr("%1（按代码页 %2）")
                          .arg(unicode, QString::number(codePage->number()));
        }
    } else if (codePage) {
        unicode = GlyphDescription::tr("代码页 %1 中没有这个代码的字符").arg(codePage->number());
    } else {
        unicode = GlyphDescription::tr("没有 Unicode 值：记录中没有，字体的语言也没有已知的代码页");
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
