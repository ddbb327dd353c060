#include "viewer/glypheditcommands.h"

#include "viewer/editedglyph.h"

PaintStroke::PaintStroke(EditedGlyph& glyph, int stroke, QPoint pixel, bool value,
                         const QString& text)
    : QUndoCommand(text),
      glyph_(glyph),
      stroke_(stroke),
      value_(value),
      pixels_{{pixel, glyph.pixel(pixel)}} {}

void PaintStroke::redo() {
    for (const auto& change : pixels_) {
        glyph_.setPixel(change.first, value_);
    }
}

void PaintStroke::undo() {
    // Backwards, so a pixel the stroke passed twice gets the value it had before the first pass.
    for (auto change = pixels_.rbegin(); change != pixels_.rend(); ++change) {
        glyph_.setPixel(change->first, change->second);
    }
}

bool PaintStroke::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const PaintStroke*>(other);
    if (next->stroke_ != stroke_) {
        return false;
    }
    pixels_.insert(pixels_.end(), next->pixels_.begin(), next->pixels_.end());
    return true;
}

ReplaceGlyph::ReplaceGlyph(EditedGlyph& glyph, std::vector<std::uint8_t> after, const QString& text)
    : QUndoCommand(text),
      glyph_(glyph),
      before_(glyph.pixels().bitmap()),
      after_(std::move(after)) {}

void ReplaceGlyph::redo() {
    glyph_.setBitmap(after_);
}

void ReplaceGlyph::undo() {
    glyph_.setBitmap(before_);
}
