#include "viewer/headerboxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <span>
#include <string_view>

#include "runtime/checkedarray.h"
#include "viewer/fittocaption.h"
#include "viewer/form1layout.h"
#include "viewer/headertext.h"

namespace {

namespace layout = viewer::layout;

// The fields the rows show: all of the header but its signature.
constexpr std::span<const bootfont::HeaderField> kShownFields =
    std::span(bootfont::kHeaderFields).subspan(1);
static_assert(HeaderBoxes::kCount == viewer::kHeaderTextCount, "a text for every row");

struct Caption {
    std::string_view field;
    const char* text;  // the source text, translated where it is shown
};

// clang-format off
constexpr Caption kCaptions[] = {
    {"LanguageId",              QT_TRANSLATE_NOOP("HeaderBoxes", "语言")},
    {"NumSbcsChars",            QT_TRANSLATE_NOOP("HeaderBoxes", "单字节字符个数")},
    {"NumDbcsChars",            QT_TRANSLATE_NOOP("HeaderBoxes", "双字节字符个数")},
    {"SbcsOffset",              QT_TRANSLATE_NOOP("HeaderBoxes", "单字节字符偏移")},
    {"DbcsOffset",              QT_TRANSLATE_NOOP("HeaderBoxes", "双字节字符偏移")},
    {"SbcsEntriesTotalSize",    QT_TRANSLATE_NOOP("HeaderBoxes", "单字节字符数据长度")},
    {"DbcsEntriesTotalSize",    QT_TRANSLATE_NOOP("HeaderBoxes", "双字节字符数据长度")},
    {"DbcsLeadTable",           QT_TRANSLATE_NOOP("HeaderBoxes", "DBCS的前导字节范围")},
    {"CharacterImageHeight",    QT_TRANSLATE_NOOP("HeaderBoxes", "字符的高度")},
    {"CharacterTopPad",         QT_TRANSLATE_NOOP("HeaderBoxes", "字符的TopPad")},
    {"CharacterBottomPad",      QT_TRANSLATE_NOOP("HeaderBoxes", "字符的BottomPad")},
    {"CharacterImageSbcsWidth", QT_TRANSLATE_NOOP("HeaderBoxes", "单字节字符的宽度")},
    {"CharacterImageDbcsWidth", QT_TRANSLATE_NOOP("HeaderBoxes", "双字节字符的宽度")},
};
// clang-format on

constexpr const Caption* captionOf(const bootfont::HeaderField& field) {
    const auto* found = std::ranges::find(kCaptions, field.name, &Caption::field);
    return found == std::end(kCaptions) ? nullptr : found;
}
static_assert(std::ranges::all_of(kShownFields, [](const auto& f) { return captionOf(f); }),
              "every field shown has a caption");

// The lead-byte table's box: twelve bytes that wrap, with a vertical scroll bar.
QWidget* multiLineBox(QWidget* window) {
    auto* box = new QPlainTextEdit(window);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

}  // namespace

HeaderBoxes::HeaderBoxes(QWidget* window) {
    int top = layout::kTextTop;
    for (int i = 0; i < kCount; ++i) {
        const bootfont::HeaderField& field = kShownFields[static_cast<std::size_t>(i)];
        const bool tall = bootfont::isField(field, &bootfont::BootFontHeader::DbcsLeadTable);
        QWidget* box = tall ? multiLineBox(window) : new QLineEdit(window);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        const int height = tall ? layout::kTallTextHeight : layout::kTextHeight;
        box->setGeometry(layout::kTextLeft, top, layout::kTextWidth, height);
        boxes_[static_cast<std::size_t>(i)] = box;

        auto* label = new QLabel(tr(captionOf(field)->text), window);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->move(layout::kLabelLeft, top + layout::kLabelBelowText);
        viewer::fitToCaption(label);
        // A screen reader announces the caption with the box's value.
        label->setBuddy(box);
        captions_[static_cast<std::size_t>(i)] = label;
        top += height + layout::kTextGap;
    }
}

QWidget* HeaderBoxes::box(int index) const {
    return runtime::checkedAt(boxes_, index);
}

QLabel* HeaderBoxes::caption(int index) const {
    return runtime::checkedAt(captions_, index);
}

QString HeaderBoxes::text(int index) const {
    QWidget* widget = box(index);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    return static_cast<QPlainTextEdit*>(widget)->toPlainText();
}

void HeaderBoxes::setText(int index, const QString& text) {
    QWidget* widget = box(index);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(text);
        line->setCursorPosition(0);  // show the start of a long value
    } else {
        static_cast<QPlainTextEdit*>(widget)->setPlainText(text);
    }
}

void HeaderBoxes::show(const bootfont::BootFontHeader& header) {
    const auto texts = viewer::headerTexts(header);
    for (int i = 0; i < kCount; ++i) {
        setText(i, QString::fromStdString(texts[static_cast<std::size_t>(i)]));
    }
}
