#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <span>

#include "bootfont/headerfields.h"

class QLabel;
class QWidget;

// The window's thirteen header boxes Text1(0) to Text1(12) with their captions Label1(0) to
// Label1(12): one row for each field of the header's field table after the signature, in the
// table's order. Each caption names its field; each box is a single-line text box but the
// lead-byte table's, which is taller, multi-line and scrolls, as its twelve bytes wrap. The rows
// stack down the window's left side.
class HeaderBoxes {
    Q_DECLARE_TR_FUNCTIONS(HeaderBoxes)

public:
    // A row for every field but the signature.
    static constexpr int kCount = static_cast<int>(bootfont::kHeaderFields.size()) - 1;

    // Builds the rows as children of `window`, in row order, box before caption.
    explicit HeaderBoxes(QWidget* window);

    // Row `index`'s box and caption; an index outside 0 to 12 raises the subscript error.
    QWidget* box(int index) const;
    QLabel* caption(int index) const;
    // The boxes in row order.
    std::span<QWidget* const, kCount> boxes() const { return boxes_; }

    // The text of box `index`, whichever kind of box it is.
    QString text(int index) const;
    // Writes every box from `header`, in row order (viewer/headertext.h's texts).
    void show(const bootfont::BootFontHeader& header);

private:
    void setText(int index, const QString& text);

    std::array<QWidget*, kCount> boxes_{};
    std::array<QLabel*, kCount> captions_{};
};
