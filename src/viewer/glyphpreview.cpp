#include "viewer/glyphpreview.h"

#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <utility>

#include "bootfont/bootfontrecords.h"
#include "glyphview/twocolourpicture.h"

namespace {

constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);
// Any character but a tab, which the boot line would take for one.
constexpr char32_t kCellCharacter = U'\uFFFD';

QLabel* pictureLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setAccessibleName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

GlyphPreview::GlyphPreview(int width, std::vector<std::vector<std::uint8_t>> line,
                           std::size_t editedCell, const glyphview::BootLineMetrics& metrics,
                           QWidget* parent)
    : QWidget(parent),
      width_(width),
      neighbours_(std::move(line)),
      editedCell_(editedCell),
      metrics_(metrics) {
    setObjectName(QStringLiteral("GlyphPreview"));
    glyphLabel_ = pictureLabel(this, tr("实际大小"));
    lineLabel_ = pictureLabel(this, tr("启动屏幕上"));
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(tr("实际大小："), glyphLabel_);
    layout->addRow(tr("启动屏幕上："), lineLabel_);
}

void GlyphPreview::showGlyph(std::span<const std::uint8_t> bitmap) {
    glyph_ = glyphview::twoColourImage(width_, kRows, glyphview::kWhite, glyphview::kBlack);
    glyphview::drawBitmap(glyph_, 0, 0, bitmap, width_);
    glyphLabel_->setPixmap(QPixmap::fromImage(glyph_));

    // The neighbours with the edited glyph in its place; the glyph alone when there are none.
    // A neighbour of another size than the glyph's is drawn as a lacking character's box.
    const std::size_t bytes = bitmap.size();
    std::vector<glyphview::TextCell> cells;
    for (std::size_t i = 0; i < neighbours_.size(); ++i) {
        const std::vector<std::uint8_t>& neighbour = neighbours_[i];
        cells.push_back({kCellCharacter, width_,
                         i == editedCell_            ? bitmap
                         : neighbour.size() == bytes ? std::span<const std::uint8_t>(neighbour)
                                                     : std::span<const std::uint8_t>()});
    }
    if (cells.empty()) {
        cells.push_back({kCellCharacter, width_, bitmap});
    }
    if (metrics_.rowHeight <= 0) {
        line_ = QImage();
        lineLabel_->clear();
        return;
    }
    const int columns =
        std::min(static_cast<int>(cells.size()) * (width_ / bootfont::kSbcsGlyphWidth),
                 glyphview::kScreenColumns);
    const int drawnWidth = std::clamp(columns * metrics_.columnWidth, 1, glyphview::kScreenWidth);
    line_ = glyphview::bootLineImage(cells, metrics_).copy(0, 0, drawnWidth, metrics_.rowHeight);
    lineLabel_->setPixmap(QPixmap::fromImage(line_));
}
