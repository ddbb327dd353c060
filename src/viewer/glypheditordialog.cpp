#include "viewer/glypheditordialog.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <utility>

#include "bootfont/glyphtables.h"
#include "bootfont/hexglyphline.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"
#include "viewer/editedglyph.h"
#include "viewer/glypheditcommands.h"
#include "viewer/glyphpixels.h"
#include "viewer/glyphpreview.h"
#include "viewer/pixeleditor.h"

GlyphEditorDialog::GlyphEditorDialog(GlyphEditRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)) {
    const int width = bootfont::glyphTable(request_.table).pixelWidth;
    GlyphPixels pixels(request_.bitmap, width, request_.columns, request_.rows);
    if (request_.original.size() != request_.bitmap.size()) {
        runtime::raise(
            runtime::ErrorNumber::InvalidProcedureCall,
            "an original of " +
                runtime::decimalText(static_cast<std::int64_t>(request_.original.size())) +
                " bytes for a glyph of " +
                runtime::decimalText(static_cast<std::int64_t>(request_.bitmap.size())));
    }
    setObjectName(QStringLiteral("GlyphEditorDialog"));
    setWindowTitle(request_.title);
    glyph_ = new EditedGlyph(std::move(pixels), this);
    undo_ = new QUndoStack(this);
    editor_ = new PixelEditor(*glyph_, this);
    preview_ = new GlyphPreview(width, request_.line, request_.editedCell,
                                glyphview::BootLineMetrics(request_.sbcsWidth, request_.topPad,
                                                           request_.height, request_.bottomPad),
                                this);
    preview_->showGlyph(glyph_->pixels().bitmap());
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("GlyphEditorMessage"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);

    connect(editor_, &PixelEditor::paintRequested, this, &GlyphEditorDialog::paint);
    connect(glyph_, &EditedGlyph::changed, this, [this] {
        preview_->showGlyph(glyph_->pixels().bitmap());
        message_->clear();
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(preview_);
    side->addLayout(actionButtons());
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(editor_, 0, Qt::AlignTop);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    editor_->setFocus();
}

std::vector<std::uint8_t> GlyphEditorDialog::bitmap() const {
    return glyph_->pixels().bitmap();
}

QString GlyphEditorDialog::message() const {
    return message_->text();
}

QGridLayout* GlyphEditorDialog::actionButtons() {
    auto* grid = new QGridLayout;
    QAction* undo = addEditAction(tr("撤销"), tr("撤销上一步"),
                                  {QKeySequence(Qt::CTRL | Qt::Key_Z)}, grid, 0, 0);
    QAction* redo = addEditAction(
        tr("重做"), tr("重做撤销的一步"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, grid,
        0, 1);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo, &QAction::triggered, undo_, &QUndoStack::undo);
    connect(redo, &QAction::triggered, undo_, &QUndoStack::redo);
    connect(undo_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

    const struct {
        QString text;
        QString tip;
        Qt::Key key;
        int dx;
        int dy;
    } shifts[] = {
        {tr("上移"), tr("字形上移一个像素"), Qt::Key_Up, 0, -1},
        {tr("下移"), tr("字形下移一个像素"), Qt::Key_Down, 0, 1},
        {tr("左移"), tr("字形左移一个像素"), Qt::Key_Left, -1, 0},
        {tr("右移"), tr("字形右移一个像素"), Qt::Key_Right, 1, 0},
    };
    int place = 2;
    for (const auto& shift : shifts) {
        QAction* action =
            addEditAction(shift.text, shift.tip, {QKeySequence(Qt::SHIFT | shift.key)}, grid,
                          place / 2, place % 2);
        connect(action, &QAction::triggered, this, [this, shift] {
            change(shift.text, [&shift](GlyphPixels& p) { p.shift(shift.dx, shift.dy); });
        });
        ++place;
    }

    const struct {
        QString text;
        QString tip;
        QKeySequence key;
        std::function<void(GlyphPixels&)> edit;
    } edits[] = {
        {tr("左右翻转"), tr("字形左右翻转"), QKeySequence(Qt::Key_H),
         [](GlyphPixels& p) { p.flipLeftRight(); }},
        {tr("反色"), tr("每个像素反转"), QKeySequence(Qt::Key_I),
         [](GlyphPixels& p) { p.invert(); }},
        {tr("清除"), tr("清除所有像素"), QKeySequence(Qt::Key_Delete),
         [](GlyphPixels& p) { p.clear(); }},
        {tr("还原"), tr("还原为文件中的字形"), QKeySequence(Qt::CTRL | Qt::Key_R),
         [this](GlyphPixels& p) { p.copyArea(request_.original); }},
    };
    for (const auto& edit : edits) {
        QAction* action =
            addEditAction(edit.text, edit.tip, {edit.key}, grid, place / 2, place % 2);
        connect(action, &QAction::triggered, this,
                [this, text = edit.text, apply = edit.edit] { change(text, apply); });
        ++place;
    }

    QAction* copy = addEditAction(tr("复制"), tr("复制为 .hex 行"),
                                  {QKeySequence(Qt::CTRL | Qt::Key_C)}, grid, place / 2, place % 2);
    ++place;
    QAction* paste =
        addEditAction(tr("粘贴"), tr("粘贴 .hex 行"), {QKeySequence(Qt::CTRL | Qt::Key_V)}, grid,
                      place / 2, place % 2);
    connect(copy, &QAction::triggered, this, &GlyphEditorDialog::copyGlyph);
    connect(paste, &QAction::triggered, this, &GlyphEditorDialog::pasteGlyph);
    return grid;
}

QAction* GlyphEditorDialog::addEditAction(const QString& text, const QString& tip,
                                          const QList<QKeySequence>& keys, QGridLayout* buttons,
                                          int row, int column) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(tip, keys.front().toString(QKeySequence::NativeText)));
    QDialog::addAction(action);
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAccessibleName(text);
    button->setAccessibleDescription(tip);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons->addWidget(button, row, column);
    return action;
}

void GlyphEditorDialog::paint(QPoint pixel, bool value, bool startsStroke) {
    if (startsStroke) {
        ++stroke_;
    } else if (glyph_->pixel(pixel) == value) {
        return;
    }
    undo_->push(new PaintStroke(*glyph_, stroke_, pixel, value, tr("绘制")));
}

void GlyphEditorDialog::change(const QString& text, const std::function<void(GlyphPixels&)>& edit) {
    GlyphPixels after = glyph_->pixels();
    edit(after);
    if (after.bitmap() != glyph_->pixels().bitmap()) {
        undo_->push(new ReplaceGlyph(*glyph_, after.bitmap(), text));
    }
}

void GlyphEditorDialog::copyGlyph() const {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(bootfont::hexGlyphLine(request_.hexKey, glyph_->pixels().bitmap())));
}

void GlyphEditorDialog::pasteGlyph() {
    const QString text = QGuiApplication::clipboard()->text();
    const bootfont::ParsedHexGlyph parsed =
        bootfont::parseHexGlyphLine(text.toStdString(), glyph_->pixels().bitmap().size());
    if (!parsed.bitmap) {
        switch (parsed.refusal) {
            case bootfont::HexGlyphRefusal::NotHex:
                message_->setText(tr("未粘贴：剪贴板中不是 .hex 字形行（代码:十六进制数字）"));
                break;
            case bootfont::HexGlyphRefusal::WrongLength:
                message_->setText(tr("未粘贴：字形应有 32 或 64 个十六进制数字"));
                break;
            case bootfont::HexGlyphRefusal::TooWide:
                message_->setText(tr("未粘贴：64 个数字的全角字形放不进单字节字形"));
                break;
        }
        return;
    }
    message_->clear();
    change(tr("粘贴"), [&parsed](GlyphPixels& p) { p.copyArea(*parsed.bitmap); });
}
