#include "viewer/glyphactions.h"

#include <QShortcut>
#include <QWidget>

#include "viewer/fontediting.h"
#include "viewer/glyphmenu.h"
#include "viewer/glyphpicture.h"
#include "viewer/windowmessages.h"

GlyphActions::GlyphActions(QWidget* window, GlyphPicture* picture, GlyphDescriber& describer,
                           viewer::FontEditing& editing, const WindowMessages& messages)
    : QObject(window),
      picture_(picture),
      editing_(editing),
      messages_(messages),
      menu_(new GlyphMenu(describer, window)) {
    const auto edit = [this] { onSelected([this](const auto& spot) { editing_.edit(spot); }); };
    connect(picture, &GlyphPicture::editRequested, this, edit);
    connect(new QShortcut(Qt::Key_F2, window), &QShortcut::activated, this, edit);
    connect(picture, &GlyphPicture::copyRequested, this,
            [this] { onSelected([this](const auto& spot) { menu_->copyCharacter(spot); }); });
    connect(picture, &GlyphPicture::menuRequested, this, [this](QPoint globalPos) {
        onSelected([&](const auto& spot) { menu_->popupFor(spot, globalPos); });
    });
    connect(menu_, &GlyphMenu::editRequested, this, [this](const glyphview::GlyphSpot& spot) {
        messages_.run([&] { editing_.edit(spot); });
    });
}

template <typename Action>
void GlyphActions::onSelected(Action action) {
    if (const auto spot = picture_->selectedGlyph()) {
        messages_.run([&] { action(*spot); });
    }
}
