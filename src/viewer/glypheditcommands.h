#pragma once

#include <QPoint>
#include <QString>
#include <QUndoCommand>
#include <cstdint>
#include <utility>
#include <vector>

class EditedGlyph;

// One stroke of the pointer (or the Space key): pixels set to the value its first pixel got.
// Each pixel the pointer moves onto is pushed as a command of the same stroke number, which
// merges into the stroke, so a drag is one undo step.
class PaintStroke : public QUndoCommand {
public:
    PaintStroke(EditedGlyph& glyph, int stroke, QPoint pixel, bool value, const QString& text);

    void redo() override;
    void undo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kId = 1;

    EditedGlyph& glyph_;
    int stroke_;
    bool value_;
    std::vector<std::pair<QPoint, bool>> pixels_;  // each pixel and its value before the stroke
};

// A change of the whole glyph at once (shift, flip, invert, clear, revert, paste): the bitmap
// before and after it.
class ReplaceGlyph : public QUndoCommand {
public:
    ReplaceGlyph(EditedGlyph& glyph, std::vector<std::uint8_t> after, const QString& text);

    void redo() override;
    void undo() override;

private:
    EditedGlyph& glyph_;
    std::vector<std::uint8_t> before_;
    std::vector<std::uint8_t> after_;
};
