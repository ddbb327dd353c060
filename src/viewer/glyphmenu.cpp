#include "viewer/glyphmenu.h"

#include <QClipboard>
#include <QGuiApplication>

#include "viewer/glyphdescriber.h"

GlyphMenu::GlyphMenu(GlyphDescriber& describer, QWidget* parent)
    : QMenu(parent), describer_(describer) {
    setObjectName(QStringLiteral("GlyphMenu"));
    edit_ = addAction(tr("编辑字形(&E)..."), this, [this] { emit editRequested(*spot_); });
    edit_->setShortcut(Qt::Key_F2);
    copyCharacter_ = addAction(tr("复制字符(&C)"), this, [this] { copyCharacter(*spot_); });
    copyCharacter_->setShortcut(QKeySequence::Copy);
    copyCode_ = addAction(tr("复制代码(&O)"), this, [this] { copyCode(*spot_); });
}

void GlyphMenu::popupFor(const glyphview::GlyphSpot& spot, QPoint globalPos) {
    spot_ = spot;
    copyCharacter_->setEnabled(describer_.character(spot).has_value());
    popup(globalPos);
}

void GlyphMenu::copyCharacter(const glyphview::GlyphSpot& spot) {
    if (const std::optional<char32_t> character = describer_.character(spot)) {
        QGuiApplication::clipboard()->setText(QString::fromUcs4(&*character, 1));
    }
}

void GlyphMenu::copyCode(const glyphview::GlyphSpot& spot) {
    QGuiApplication::clipboard()->setText(describer_.code(spot));
}
