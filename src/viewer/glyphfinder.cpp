#include "viewer/glyphfinder.h"

#include "bootfont/valuetext.h"
#include "viewer/finddialog.h"
#include "viewer/glyphdescriber.h"
#include "viewer/windowmessages.h"

GlyphFinder::GlyphFinder(QWidget* window, const bootfont::LoadedFont& font,
                         GlyphDescriber& describer, const WindowMessages& messages)
    : QObject(window), window_(window), font_(font), describer_(describer), messages_(messages) {}

void GlyphFinder::openDialog() {
    if (!dialog_) {
        dialog_ = new FindDialog(window_);
        connect(dialog_, &FindDialog::findRequested, this, &GlyphFinder::findRequested);
    }
    dialog_->start();
}

void GlyphFinder::closeDialog() {
    if (dialog_) {
        dialog_->accept();
    }
}

std::optional<viewer::GlyphPlace> GlyphFinder::find(const QString& text) {
    const auto query = viewer::parseGlyphQuery(text);
    if (!query) {
        messages_.tell(tr("请输入一个字符、U+ 加十六进制值（U+4E2D）或代码（0xD6D0）。"));
        return std::nullopt;
    }
    // A find that fails leaves the last one for F3.
    const auto place = search(*query, std::nullopt);
    if (place) {
        query_ = query;
        found_ = place;
    }
    return place;
}

std::optional<viewer::GlyphPlace> GlyphFinder::findNext() {
    if (!query_) {
        return std::nullopt;
    }
    const auto place = search(*query_, found_);
    if (place) {
        found_ = place;
    }
    return place;
}

std::optional<viewer::GlyphPlace> GlyphFinder::search(const viewer::GlyphQuery& query,
                                                      std::optional<viewer::GlyphPlace> after) {
    const auto place = viewer::findGlyph(font_, describer_.codePage(), query, after);
    if (!place) {
        tellMissing(query);
    }
    return place;
}

void GlyphFinder::tellMissing(const viewer::GlyphQuery& query) {
    const QString what =
        query.kind == viewer::GlyphQuery::Kind::Code
            ? tr("代码 %1").arg(QString::fromStdString(bootfont::codeText(query.value)))
            : QString::fromStdString(bootfont::characterText(query.value));
    messages_.tell(tr("字体中没有 %1 的字形。").arg(what));
}
