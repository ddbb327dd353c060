#include "viewer/fontediting.h"

#include <QShortcut>
#include <QWidget>
#include <algorithm>

#include "bootfont/glyphtables.h"
#include "bootfont/valuetext.h"
#include "viewer/fontdocument.h"
#include "viewer/glyphdescriber.h"
#include "viewer/glypheditordialog.h"
#include "viewer/windowmessages.h"

namespace viewer {
namespace {

// The glyphs on each side of the edited one in the editor's line of the boot screen.
constexpr int kNeighbours = 8;

// `use` of each record of `font`'s `table` from `first` to before `end`.
template <typename Use>
void forRecords(const bootfont::LoadedFont& font, bootfont::GlyphTable table, int first, int end,
                Use use) {
    const auto each = [&](const auto& records) {
        for (int k = first; k < end && k < records.size(); ++k) {
            use(records[k].Bitmap);
        }
    };
    table == bootfont::GlyphTable::Sbcs ? each(font.SbcsGlyphs) : each(font.DbcsGlyphs);
}

}  // namespace

FontEditing::FontEditing(QWidget* window, bootfont::LoadedFont& font, GlyphDescriber& describer,
                         commondialog::DialogPlatform& dialogs, const WindowMessages& messages)
    : QObject(window),
      window_(window),
      font_(font),
      describer_(describer),
      messages_(messages),
      saver_(dialogs, messages),
      editor_([](const GlyphEditRequest& request, QWidget* parent) -> std::optional<Bitmap> {
          GlyphEditorDialog dialog(request, parent);
          if (dialog.exec() != QDialog::Accepted) {
              return std::nullopt;
          }
          return dialog.bitmap();
      }) {
    const auto shortcut = [this](QKeySequence keys, void (FontEditing::*action)()) {
        connect(new QShortcut(keys, window_), &QShortcut::activated, this,
                [this, action] { messages_.run([&] { (this->*action)(); }); });
    };
    shortcut(QKeySequence::Undo, &FontEditing::undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &FontEditing::redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &FontEditing::redo);
    shortcut(QKeySequence::Save, &FontEditing::save);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &FontEditing::saveAs);
}

FontEditing::~FontEditing() = default;

void FontEditing::fontOpened(bootfont::FontFile file, const std::filesystem::path& path) {
    document_ = std::make_unique<FontDocument>(std::move(file), path, fileStamp(path));
    connect(document_.get(), &FontDocument::glyphChanged, this, &FontEditing::applyToTables);
    connect(&document_->undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { markModified(!clean); });
    markModified(false);
}

void FontEditing::markModified(bool modified) {
    // The mark's place only while there is something to mark: unedited, the title is as ever. It
    // goes first, so the title still ends with the program's name and Qt appends it no second time.
    const QString title = window_->windowTitle().remove(QStringLiteral("[*]"));
    window_->setWindowTitle(modified ? QStringLiteral("[*]") + title : title);
    window_->setWindowModified(modified);
}

bool FontEditing::maybeSave() {
    return !document_ || saver_.maybeSave(*document_);
}

void FontEditing::edit(const glyphview::GlyphSpot& spot) {
    if (!document_) {
        return;
    }
    if (!document_->editable(spot.table, spot.index)) {
        messages_.tell(tr("文件在这个字形的记录结束之前就结束了，无法编辑这个字形。"));
        return;
    }
    if (const std::optional<Bitmap> edited = editor_(request(spot), window_)) {
        document_->editGlyph(spot.table, spot.index, *edited);
    }
}

void FontEditing::undo() {
    if (document_) {
        document_->undoStack().undo();
    }
}

void FontEditing::redo() {
    if (document_) {
        document_->undoStack().redo();
    }
}

void FontEditing::save() {
    if (document_) {
        saver_.save(*document_);
    }
}

void FontEditing::saveAs() {
    if (document_) {
        saver_.saveAs(*document_);
    }
}

GlyphEditRequest FontEditing::request(const glyphview::GlyphSpot& spot) {
    const bootfont::BootFontHeader& header = font_.Header;
    const bootfont::GlyphTableDeclaration& table = bootfont::glyphTable(spot.table);
    GlyphEditRequest request;
    request.table = spot.table;
    request.columns = std::clamp<int>(header.*table.width, 1, table.pixelWidth);
    request.rows = std::clamp<int>(header.CharacterImageHeight, 1, bootfont::kGlyphRows);
    request.bitmap = document_->bitmap(spot.table, spot.index);
    request.original = document_->originalBitmap(spot.table, spot.index);
    const std::optional<char32_t> character = describer_.character(spot);
    const QString code = describer_.code(spot);
    request.hexKey = character.value_or(code.mid(2).toUInt(nullptr, 16));
    request.title =
        tr("编辑字形 %1")
            .arg(character ? code + QLatin1Char(' ') +
                                 QString::fromStdString(bootfont::characterText(*character))
                           : code);
    const int first = std::max(0, spot.index - kNeighbours);
    forRecords(font_, spot.table, first, spot.index + kNeighbours + 1, [&](const auto& bitmap) {
        request.line.emplace_back(bitmap.begin(), bitmap.end());
    });
    request.editedCell = static_cast<std::size_t>(spot.index - first);
    request.topPad = header.CharacterTopPad;
    request.bottomPad = header.CharacterBottomPad;
    request.height = header.CharacterImageHeight;
    request.sbcsWidth = header.CharacterImageSbcsWidth;
    return request;
}

void FontEditing::applyToTables(bootfont::GlyphTable table, int index) {
    const Bitmap bitmap = document_->bitmap(table, index);
    const auto put = [&](auto& records) {
        auto& record = records[index];
        std::copy(bitmap.begin(), bitmap.end(), record.Bitmap.begin());
    };
    table == bootfont::GlyphTable::Sbcs ? put(font_.SbcsGlyphs) : put(font_.DbcsGlyphs);
    emit glyphChanged(table, index);
}

}  // namespace viewer
