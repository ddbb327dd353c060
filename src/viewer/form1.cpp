#include "viewer/form1.h"

#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <vector>

#include "bootfont/fontloader.h"
#include "glyphview/pager.h"
#include "viewer/fontdocument.h"
#include "viewer/fontdropfilter.h"
#include "viewer/fontediting.h"
#include "viewer/fontfilechooser.h"
#include "viewer/fontsubstitutions.h"
#include "viewer/form1layout.h"
#include "viewer/glyphactions.h"
#include "viewer/glyphfinder.h"
#include "viewer/glyphpicture.h"
#include "viewer/guidelink.h"
#include "viewer/headerboxes.h"

namespace {

namespace layout = viewer::layout;

void place(QWidget* widget, const layout::Rect& rect) {
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

QFont songFont(qreal pointSize) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

Form1::Form1(Services services, QWidget* parent)
    : QWidget(parent), services_(services), messages_(services.messageBox, programTitle()) {
    viewer::installFontSubstitutions();
    createControls();
    // The load action: a fixed page step of 500 double-byte glyphs.
    state_.PageSize = glyphview::kGlyphsPerPage;
}

Form1::~Form1() = default;

QString Form1::programTitle() {
    return tr("BootFont 查看器");
}

void Form1::createControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle());
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/icons/bootfont-16.xpm")));
    icon.addPixmap(QPixmap(QStringLiteral(":/icons/bootfont-32.xpm")));
    setWindowIcon(icon);
    setFont(songFont(12));
    resize(layout::kClientWidth, layout::kClientHeight);

    const struct {
        const char* name;
        const char* caption;
        layout::Rect rect;
        void (Form1::*click)();
    } buttons[] = {
        {"Command1", QT_TRANSLATE_NOOP("Form1", "打开(&O)..."), layout::kCommand1,
         &Form1::Command1_Click},
        {"Command2", QT_TRANSLATE_NOOP("Form1", "单字节(&S)"), layout::kCommand2,
         &Form1::Command2_Click},
        {"Command3", QT_TRANSLATE_NOOP("Form1", "双字节(&D)"), layout::kCommand3,
         &Form1::Command3_Click},
        {"Command4", QT_TRANSLATE_NOOP("Form1", "上"), layout::kCommand4, &Form1::Command4_Click},
        {"Command5", QT_TRANSLATE_NOOP("Form1", "下"), layout::kCommand5, &Form1::Command5_Click},
    };
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        auto* button = new QPushButton(tr(buttons[i].caption), this);
        button->setObjectName(QString::fromLatin1(buttons[i].name));
        place(button, buttons[i].rect);
        connect(button, &QPushButton::clicked, this,
                [this, click = buttons[i].click] { messages_.run([&] { (this->*click)(); }); });
        (i == 0 ? command1_ : displayButtons_[i - 1]) = button;
    }
    command1_->setFont(songFont(10.5));
    setDisplayButtonsEnabled(false);
    // The page buttons' one-character captions, spelt out for screen readers.
    displayButtons_[2]->setAccessibleName(tr("上", "the previous page button, for screen readers"));
    displayButtons_[3]->setAccessibleName(tr("下", "the next page button, for screen readers"));

    text1_ = std::make_unique<HeaderBoxes>(this);

    url_ = new GuideLink(this);
    url_->setObjectName(QStringLiteral("URL"));
    url_->move(layout::kLabelLeft, layout::kUrlTop);
    connect(url_, &LinkLabel::clicked, this, [this] { messages_.run([this] { URL_Click(); }); });

    label2_ = new QLabel(QStringLiteral(" "), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label2_, layout::kLabel2);

    picture1_ =
        new GlyphPicture(QSize(layout::kPictureInnerWidth, layout::kPictureInnerHeight), this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->move(layout::kPicture1.left, layout::kPicture1.top);
    picture1_->setDescriber([this](const auto& spot) { return describer_.describe(spot); });
    picture1_->setMagnifier([this](const auto& spot) { return describer_.magnify(spot); });

    // A file dropped on the window or a header box opens, instead of landing in a box as its path.
    setAcceptDrops(true);
    auto* drops = new FontDropFilter(this);
    drops->watch(this);
    for (QWidget* box : text1_->boxes()) {
        drops->watch(box);
    }
    connect(drops, &FontDropFilter::fontDropped, this, &Form1::openFile);

    finder_ = new GlyphFinder(this, state_, describer_, messages_);
    connect(finder_, &GlyphFinder::findRequested, this, [this](const QString& text) {
        if (findGlyph(text)) {
            finder_->closeDialog();
        }
    });
    editing_ = new viewer::FontEditing(this, state_, describer_, services_.dialogs, messages_);
    connectEditing();
    createShortcuts();

    // Focus order: open, the thirteen boxes, single-byte, the picture, the page buttons.
    std::vector<QWidget*> order{command1_};
    order.insert(order.end(), text1_->boxes().begin(), text1_->boxes().end());
    order.insert(order.end(), {displayButtons_[0], picture1_, displayButtons_[1],
                               displayButtons_[2], displayButtons_[3]});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    command1_->setFocus();
}

// Ctrl+F, F3 and the paging keys; each does what its button or command does, and nothing while
// the display buttons are disabled.
void Form1::createShortcuts() {
    const auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, action] {
            if (displayButtons_[0]->isEnabled()) {
                messages_.run(action);
            }
        });
    };
    shortcut(QKeySequence::Find, [this] { finder_->openDialog(); });
    shortcut(QKeySequence::FindNext, [this] { findNext(); });
    shortcut(Qt::Key_PageUp, [this] { Command4_Click(); });
    shortcut(Qt::Key_PageDown, [this] { Command5_Click(); });
    shortcut(Qt::Key_Home, [this] { Command3_Click(); });
    shortcut(Qt::Key_End, [this] { ShowLastDBCS(); });
}

// The selected glyph's actions, and the edits' way back into the picture and the title.
void Form1::connectEditing() {
    new GlyphActions(this, picture1_, describer_, *editing_, messages_);
    connect(picture1_, &GlyphPicture::selectionLeftView, this,
            [this](int index) { messages_.run([&] { followSelection(index); }); });
    connect(editing_, &viewer::FontEditing::glyphChanged, this, &Form1::showChangedGlyph);
}

void Form1::closeEvent(QCloseEvent* event) {
    bool leave = true;
    messages_.run([&] { leave = editing_->maybeSave(); });
    if (leave) {
        event->accept();
    } else {
        event->ignore();
    }
}

QWidget* Form1::Text1(int index) const {
    return text1_->box(index);
}

QLabel* Form1::Label1(int index) const {
    return text1_->caption(index);
}

QString Form1::text1Text(int index) const {
    return text1_->text(index);
}

void Form1::setDisplayButtonsEnabled(bool enabled) {
    for (QPushButton* button : displayButtons_) {
        button->setEnabled(enabled);
    }
}

void Form1::GetAllFonts() {
    // First of all, so it holds even when the dialog is cancelled; a font kept for its unsaved
    // edits keeps its page.
    const std::int16_t shownPageStart = state_.PageStart;
    state_.PageStart = 0;
    const FontFileChooser::Choice choice = FontFileChooser::choose(services_.dialogs);
    if (!choice.failure.isEmpty()) {
        messages_.reportError(choice.failure);
    }
    if (choice.path && !OpenFontFile(*choice.path)) {
        state_.PageStart = shownPageStart;
    }
}

void Form1::openFile(const QString& path) {
    messages_.run([&] {
        const std::int16_t shownPageStart = state_.PageStart;
        state_.PageStart = 0;
        if (!OpenFontFile(QFile::encodeName(path).toStdString())) {
            state_.PageStart = shownPageStart;
        }
    });
}

bool Form1::OpenFontFile(const std::filesystem::path& path) {
    bootfont::FontFile file = bootfont::FontFile::open(path);
    if (bootfont::hasBootFontSignature(file.bytes()) && !editing_->maybeSave()) {
        return false;
    }
    bootfont::readHeader(state_, file);
    if (!bootfont::hasBootFontSignature(state_.Header)) {
        setDisplayButtonsEnabled(false);
        // The one message of the open command; its last character is U+201C.
        messages_.tell(tr("Not bootfont file!!!“"));
        return true;
    }
    setDisplayButtonsEnabled(true);
    // The glyphs on show belong to an earlier font now; they name themselves again once drawn.
    picture1_->forgetGlyphs();
    editing_->fontOpened(std::move(file), path);
    describer_.fontOpened(editing_->document()->file());
    finder_->fontOpened();
    ShowHeader();
    bootfont::GetSbcs(state_, editing_->document()->file());
    bootfont::GetDbcs(state_, editing_->document()->file());
    ShowSBCS();
    // Page 1 of the file's pages, or 0 / 0 when it has none.
    const glyphview::DbcsPager pages = pager();
    const std::int16_t pageCount = pages.pageCount();
    setPageIndicator(pageCount > 0 ? pages.pageNumber(0) : 0, pageCount);
    return true;
}

void Form1::setPageIndicator(std::int16_t pageNumber, std::int16_t pageCount) {
    label2_->setText(tr("第 %1 / %2 页").arg(pageNumber).arg(pageCount));
}

glyphview::DbcsPager Form1::pager() const {
    return glyphview::DbcsPager(state_.Header.NumDbcsChars, state_.PageSize);
}

void Form1::ShowHeader() {
    text1_->show(state_.Header);
}

void Form1::ShowSBCS() {
    const auto& header = state_.Header;
    if (!bootfont::tablePresent(header.NumSbcsChars, header.SbcsOffset)) {
        return;
    }
    picture1_->showGlyphs(
        state_.SbcsGlyphs,
        {0, header.NumSbcsChars, header.CharacterImageSbcsWidth, header.CharacterImageHeight});
}

void Form1::ShowDBCS(std::int16_t start) {
    const auto& header = state_.Header;
    const glyphview::DbcsPager pages = pager();
    const std::optional<std::int16_t> pageStart = pages.pageStart(start);
    if (!pageStart) {
        return;
    }
    state_.PageStart = *pageStart;
    setPageIndicator(pages.pageNumber(*pageStart), pages.pageCount());
    if (header.DbcsOffset <= 0) {
        return;
    }
    picture1_->showGlyphs(state_.DbcsGlyphs,
                          {*pageStart, header.NumDbcsChars, header.CharacterImageDbcsWidth,
                           header.CharacterImageHeight});
}

void Form1::ShowLastDBCS() {
    ShowDBCS(pager().lastPageStart());
}

bool Form1::findGlyph(const QString& text) {
    bool shown = false;
    messages_.run([&] {
        if (const auto place = finder_->find(text)) {
            showFoundGlyph(*place);
            shown = true;
        }
    });
    return shown;
}

void Form1::findNext() {
    if (const auto place = finder_->findNext()) {
        showFoundGlyph(*place);
    }
}

void Form1::showFoundGlyph(const viewer::GlyphPlace& place) {
    if (place.table == bootfont::GlyphTable::Sbcs) {
        ShowSBCS();
    } else {
        ShowDBCS(pager().pageStartOf(place.index));
    }
    picture1_->selectGlyph(place.index);
}

void Form1::showChangedGlyph(bootfont::GlyphTable table, int index) {
    const auto bitmap = editing_->document()->bitmap(table, index);
    if (!picture1_->showsGlyph(table, index) || !picture1_->redrawGlyph(index, bitmap)) {
        // Views are drawn from the header on show, which a rejected file may have replaced.
        if (displayButtons_[0]->isEnabled()) {
            messages_.run([&] { showFoundGlyph({table, index}); });
        }
        return;
    }
    picture1_->selectGlyph(index);
}

void Form1::followSelection(int index) {
    const auto place = picture1_->selectedGlyph();
    if (place && place->table == bootfont::GlyphTable::Dbcs && index >= 0 &&
        index < state_.Header.NumDbcsChars) {
        showFoundGlyph({bootfont::GlyphTable::Dbcs, index});
    }
}

void Form1::Command1_Click() {
    GetAllFonts();
}

void Form1::Command2_Click() {
    ShowSBCS();
}

void Form1::Command3_Click() {
    ShowDBCS(0);
}

void Form1::Command4_Click() {
    ShowDBCS(pager().previous(state_.PageStart));
}

void Form1::Command5_Click() {
    ShowDBCS(pager().next(state_.PageStart));
}

void Form1::URL_Click() {
    GuideLink::open(services_.shell);
}
