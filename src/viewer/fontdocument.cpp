#include "viewer/fontdocument.h"

#include <QUndoCommand>

#include "bootfont/bitmapreplacement.h"
#include "bootfont/bootfonterror.h"
#include "runtime/numbertext.h"

namespace viewer {
namespace {

// One glyph edit: the glyph's bitmap before and after.
class GlyphEditCommand : public QUndoCommand {
public:
    GlyphEditCommand(FontDocument& document, bootfont::GlyphTable table, int index,
                     FontDocument::Bitmap before, FontDocument::Bitmap after)
        : document_(document),
          table_(table),
          index_(index),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void redo() override { document_.putBitmap(table_, index_, after_); }
    void undo() override { document_.putBitmap(table_, index_, before_); }

private:
    FontDocument& document_;
    bootfont::GlyphTable table_;
    int index_;
    FontDocument::Bitmap before_;
    FontDocument::Bitmap after_;
};

}  // namespace

FontDocument::FontDocument(bootfont::FontFile file, std::filesystem::path path,
                           std::optional<FileStamp> stamp, QObject* parent)
    : QObject(parent), file_(std::move(file)), path_(std::move(path)), stamp_(stamp) {}

FontDocument::~FontDocument() = default;

bool FontDocument::editable(bootfont::GlyphTable table, int index) const {
    const bootfont::TableExtent& extent = file_.font().extent(table);
    return extent.present && index >= 0 && index < extent.count && index < extent.recordsInFile;
}

FontDocument::Bitmap FontDocument::originalBitmap(bootfont::GlyphTable table, int index) const {
    if (!editable(table, index)) {
        bootfont::refuse("the file does not hold glyph " + runtime::decimalText(index) + " whole");
    }
    return file_.font().withRecords(table, [index](const auto& records) {
        const auto& bitmap = records[static_cast<std::size_t>(index)].Bitmap;
        return Bitmap(bitmap.begin(), bitmap.end());
    });
}

FontDocument::Bitmap FontDocument::bitmap(bootfont::GlyphTable table, int index) const {
    const auto edited = edited_.find({table, index});
    return edited != edited_.end() ? edited->second : originalBitmap(table, index);
}

void FontDocument::editGlyph(bootfont::GlyphTable table, int index, Bitmap bitmap) {
    Bitmap before = this->bitmap(table, index);
    if (bitmap.size() != before.size()) {
        bootfont::refuse("a glyph's bitmap is " + runtime::decimalText(before.size()) +
                         " bytes, not " + runtime::decimalText(bitmap.size()));
    }
    if (bitmap != before) {
        undo_.push(new GlyphEditCommand(*this, table, index, std::move(before), std::move(bitmap)));
    }
}

void FontDocument::putBitmap(bootfont::GlyphTable table, int index, const Bitmap& bitmap) {
    edited_[{table, index}] = bitmap;
    emit glyphChanged(table, index);
}

std::vector<std::uint8_t> FontDocument::bytes() const {
    std::vector<bootfont::BitmapChange> changes;
    changes.reserve(edited_.size());
    for (const auto& [glyph, bitmap] : edited_) {
        changes.push_back({glyph.first, static_cast<std::size_t>(glyph.second), bitmap});
    }
    return bootfont::replaceBitmaps(file_, changes);
}

void FontDocument::saved(std::filesystem::path path, std::optional<FileStamp> stamp) {
    path_ = std::move(path);
    stamp_ = stamp;
    undo_.setClean();
}

}  // namespace viewer
