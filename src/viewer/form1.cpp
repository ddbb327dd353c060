#include "viewer/form1.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <new>
#include <optional>
#include <span>

#include "bootfont/codepage.h"
#include "bootfont/fontloader.h"
#include "commondialog/ccommondialog.h"
#include "glyphview/glyphdrawing.h"
#include "glyphview/pagemaths.h"
#include "runtime/checkedint.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"
#include "viewer/finddialog.h"
#include "viewer/fontdrop.h"
#include "viewer/fontsubstitutions.h"
#include "viewer/form1layout.h"
#include "viewer/glyphdescription.h"
#include "viewer/glyphpicture.h"
#include "viewer/headertext.h"
#include "viewer/linklabel.h"

namespace {

namespace layout = viewer::layout;
using runtime::ErrorNumber;
using runtime::RuntimeError;

// The window's texts are its source texts, translated where they are shown (Form1::tr).
const char* const kLabel1Captions[viewer::kHeaderTextCount] = {
    QT_TRANSLATE_NOOP("Form1", "语言"),
    QT_TRANSLATE_NOOP("Form1", "单字节字符个数"),
    QT_TRANSLATE_NOOP("Form1", "双字节字符个数"),
    QT_TRANSLATE_NOOP("Form1", "单字节字符偏移"),
    QT_TRANSLATE_NOOP("Form1", "双字节字符偏移"),
    QT_TRANSLATE_NOOP("Form1", "单字节字符数据长度"),
    QT_TRANSLATE_NOOP("Form1", "双字节字符数据长度"),
    QT_TRANSLATE_NOOP("Form1", "DBCS的前导字节范围"),
    QT_TRANSLATE_NOOP("Form1", "字符的高度"),
    QT_TRANSLATE_NOOP("Form1", "字符的TopPad"),
    QT_TRANSLATE_NOOP("Form1", "字符的BottomPad"),
    QT_TRANSLATE_NOOP("Form1", "单字节字符的宽度"),
    QT_TRANSLATE_NOOP("Form1", "双字节字符的宽度"),
};

void place(QWidget* widget, const layout::Rect& rect) {
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

// A label as wide and high as its caption in the font it actually uses.
void fitToCaption(QLabel* label) {
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
}

QFont songFont(qreal pointSize) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QString linkAddress() {
    const QString configured = QStringLiteral(BOOTFONT_LINK_ADDRESS);
    if (!configured.isEmpty()) {
        return configured;
    }
    // The guide in the window's language, beside the program.
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                               Form1::tr("userguide.html", "the file name of the user guide"))
        .toString();
}

// "0xD6D0": codes and error codes as messages write them.
QString codeText(std::uint64_t value, int digits = 0) {
    return QString::fromStdString(runtime::hexCode(value, digits));
}

// A table as the picture draws it.
template <typename Record>
std::span<const Record> records(const runtime::CheckedArray<Record>& glyphs) {
    return {glyphs.begin(), glyphs.end()};
}

}  // namespace

Form1::Form1(Services services, QWidget* parent) : QWidget(parent), services_(services) {
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

    command1_ = new QPushButton(tr("打开(&O)..."), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setFont(songFont(10.5));
    place(command1_, layout::kCommand1);
    connect(command1_, &QPushButton::clicked, this,
            [this] { runAction([this] { Command1_Click(); }); });

    const struct {
        const char* name;
        const char* caption;
        layout::Rect rect;
        void (Form1::*click)();
    } buttons[] = {
        {"Command2", QT_TRANSLATE_NOOP("Form1", "单字节(&S)"), layout::kCommand2,
         &Form1::Command2_Click},
        {"Command3", QT_TRANSLATE_NOOP("Form1", "双字节(&D)"), layout::kCommand3,
         &Form1::Command3_Click},
        {"Command4", QT_TRANSLATE_NOOP("Form1", "上"), layout::kCommand4, &Form1::Command4_Click},
        {"Command5", QT_TRANSLATE_NOOP("Form1", "下"), layout::kCommand5, &Form1::Command5_Click},
    };
    for (std::size_t i = 0; i < displayButtons_.size(); ++i) {
        auto* button = new QPushButton(tr(buttons[i].caption), this);
        button->setObjectName(QString::fromLatin1(buttons[i].name));
        place(button, buttons[i].rect);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this,
                [this, click = buttons[i].click] { runAction([&] { (this->*click)(); }); });
        displayButtons_[i] = button;
    }
    // The page buttons' one-character captions, spelt out for screen readers.
    displayButtons_[2]->setAccessibleName(tr("上", "the previous page button, for screen readers"));
    displayButtons_[3]->setAccessibleName(tr("下", "the next page button, for screen readers"));

    for (int i = 0; i < viewer::kHeaderTextCount; ++i) {
        QWidget* box = nullptr;
        if (i == layout::kTallTextIndex) {
            auto* multiLine = new QPlainTextEdit(this);
            multiLine->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            multiLine->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            multiLine->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            multiLine->setTabChangesFocus(true);
            box = multiLine;
        } else {
            box = new QLineEdit(this);
        }
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        // A dropped file opens here too, instead of landing in the box as its path.
        auto* plain = qobject_cast<QPlainTextEdit*>(box);
        (plain ? plain->viewport() : box)->installEventFilter(this);
        place(box, layout::textBox(i));
        text1_[i] = box;

        auto* label = new QLabel(tr(kLabel1Captions[i]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->move(layout::kLabelLeft, layout::textBox(i).top + layout::kLabelBelowText);
        fitToCaption(label);
        // A screen reader announces the caption with the box's value.
        label->setBuddy(box);
        label1_[i] = label;
    }

    // The link's caption names the page it opens; the address itself is a build setting.
    url_ = new LinkLabel(tr("userguide.html", "the link's caption"), this);
    url_->setObjectName(QStringLiteral("URL"));
    QFont urlFont(QStringLiteral("Tahoma"));
    urlFont.setPointSizeF(12);
    urlFont.setBold(true);
    urlFont.setUnderline(true);
    url_->setFont(urlFont);
    QPalette urlPalette = url_->palette();
    urlPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    url_->setPalette(urlPalette);
    url_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    url_->setCursor(QCursor(QPixmap(QStringLiteral(":/cursors/hand.xpm")), 5, 0));
    url_->setToolTip(tr("BootFont 查看器 — 点击打开使用说明"));
    url_->move(layout::kLabelLeft, layout::kUrlTop);
    fitToCaption(url_);
    connect(url_, &LinkLabel::clicked, this, [this] { runAction([this] { URL_Click(); }); });

    label2_ = new QLabel(QStringLiteral(" "), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label2_, layout::kLabel2);

    picture1_ =
        new GlyphPicture(QSize(layout::kPictureInnerWidth, layout::kPictureInnerHeight), this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->move(layout::kPicture1.left, layout::kPicture1.top);
    picture1_->setDescriber(
        [this](const glyphview::GlyphSpot& spot) { return describeGlyph(spot); });
    picture1_->setMagnifier(
        [this](const glyphview::GlyphSpot& spot) { return magnifyGlyph(spot); });
    setAcceptDrops(true);
    createShortcuts();

    // Focus order: open, the thirteen boxes, single-byte, the picture, the page buttons.
    QWidget* previous = command1_;
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* box : text1_) {
        chain(box);
    }
    chain(displayButtons_[0]);
    chain(picture1_);
    chain(displayButtons_[1]);
    chain(displayButtons_[2]);
    chain(displayButtons_[3]);
    command1_->setFocus();
}

QWidget* Form1::Text1(int index) const {
    return runtime::checkedAt(text1_, index);
}

QLabel* Form1::Label1(int index) const {
    return runtime::checkedAt(label1_, index);
}

QString Form1::text1Text(int index) const {
    QWidget* box = Text1(index);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->text();
    }
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

void Form1::setText1(int index, const QString& text) {
    QWidget* box = Text1(index);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);  // show the start of a long value
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
    }
}

void Form1::setDisplayButtonsEnabled(bool enabled) {
    for (QPushButton* button : displayButtons_) {
        button->setEnabled(enabled);
    }
}

void Form1::GetAllFonts() {
    // First of all, so it holds even when the dialog is cancelled.
    state_.PageStart = 0;

    commondialog::cCommonDialog dialog(services_.dialogs);
    commondialog::OpenFileArguments arguments;
    arguments.Filter = tr("bootfont files").toStdString() + "|bootfont*.*";
    arguments.FilterIndex = 1;
    arguments.InitDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/bootfont"))
                            .toStdString();
    if (!dialog.VBGetOpenFileName(arguments)) {
        // A failed (not cancelled) dialog, with the platform's extended error code.
        if (const std::int32_t error = dialog.ExtendedError(); error != 0) {
            QString text = tr("无法打开文件对话框（扩展错误代码 %1）")
                               .arg(codeText(static_cast<std::uint32_t>(error)));
            if (error == commondialog::FNERR_BUFFERTOOSMALL) {
                text += tr("：所选文件的路径超过 %1 字节。").arg(commondialog::kFileBufferSize);
            }
            reportError(text);
        }
        return;
    }
    OpenFontFile(arguments.Filename);
}

void Form1::openFile(const QString& path) {
    runAction([&] {
        state_.PageStart = 0;
        OpenFontFile(QFile::encodeName(path).toStdString());
    });
}

void Form1::OpenFontFile(const std::filesystem::path& path) {
    bootfont::FontFileReader file(path);
    bootfont::readHeader(state_, file);
    if (!bootfont::hasBootFontSignature(state_.Header)) {
        file.close();
        setDisplayButtonsEnabled(false);
        // The one message of the open command; its last character is U+201C.
        services_.messageBox.showMessage(programTitle().toStdString(),
                                         tr("Not bootfont file!!!“").toStdString(),
                                         commondialog::MessageBoxService::Icon::None);
        return;
    }
    setDisplayButtonsEnabled(true);
    // The glyphs on show belong to an earlier font now; they name themselves again once drawn.
    picture1_->forgetGlyphs();
    shownLanguage_ = state_.Header.LanguageId;
    codePage_.reset();
    codePageLooked_ = false;
    found_.reset();
    ShowHeader();
    bootfont::GetSbcs(state_, file);
    bootfont::GetDbcs(state_, file);
    file.close();
    ShowSBCS();
    // Page 1 of the file's pages, or 0 / 0 when it has none.
    const std::int16_t pageCount = glyphview::dbcsPageCount(state_.Header.NumDbcsChars);
    setPageIndicator(pageCount > 0 ? glyphview::dbcsPageNumber(0) : 0, pageCount);
}

void Form1::setPageIndicator(std::int16_t pageNumber, std::int16_t pageCount) {
    label2_->setText(tr("第 %1 / %2 页").arg(pageNumber).arg(pageCount));
}

void Form1::ShowHeader() {
    const auto texts = viewer::headerTexts(state_.Header);
    for (int i = 0; i < viewer::kHeaderTextCount; ++i) {
        setText1(i, QString::fromStdString(texts[static_cast<std::size_t>(i)]));
    }
}

void Form1::ShowSBCS() {
    const auto& header = state_.Header;
    if (!bootfont::tablePresent(header.NumSbcsChars, header.SbcsOffset)) {
        return;
    }
    picture1_->showGlyphs(
        records(state_.SbcsGlyphs),
        {0, header.NumSbcsChars, header.CharacterImageSbcsWidth, header.CharacterImageHeight});
}

void Form1::ShowDBCS(std::int16_t start) {
    const auto& header = state_.Header;
    if (start < 0) {
        start = 0;
    }
    if (start >= header.NumDbcsChars) {
        return;
    }
    state_.PageStart = start;
    setPageIndicator(glyphview::dbcsPageNumber(start),
                     glyphview::dbcsPageCount(header.NumDbcsChars));
    if (header.DbcsOffset <= 0) {
        return;
    }
    picture1_->showGlyphs(
        records(state_.DbcsGlyphs),
        {start, header.NumDbcsChars, header.CharacterImageDbcsWidth, header.CharacterImageHeight});
}

const bootfont::CodePage* Form1::codePage() {
    if (!codePageLooked_) {
        codePageLooked_ = true;
        // Null when the language has none known here: the glyphs show what their records carry.
        codePage_ = bootfont::openLanguageCodePage(shownLanguage_);
    }
    return codePage_.get();
}

QString Form1::describeGlyph(const glyphview::GlyphSpot& spot) {
    // The tables are checked against the index: the picture may show glyphs of a table that an
    // open command stopped by an error has replaced since.
    if (spot.table == bootfont::GlyphTable::Sbcs) {
        if (spot.index >= state_.SbcsGlyphs.size()) {
            return {};
        }
        return viewer::glyphDescription(spot, state_.SbcsGlyphs[spot.index], codePage());
    }
    if (spot.index >= state_.DbcsGlyphs.size()) {
        return {};
    }
    return viewer::glyphDescription(spot, state_.DbcsGlyphs[spot.index], codePage());
}

QImage Form1::magnifyGlyph(const glyphview::GlyphSpot& spot) {
    const auto& header = state_.Header;
    if (spot.table == bootfont::GlyphTable::Sbcs) {
        return spot.index < state_.SbcsGlyphs.size()
                   ? glyphview::magnifiedGlyph(state_.SbcsGlyphs[spot.index],
                                               header.CharacterImageSbcsWidth,
                                               header.CharacterImageHeight)
                   : QImage();
    }
    return spot.index < state_.DbcsGlyphs.size()
               ? glyphview::magnifiedGlyph(state_.DbcsGlyphs[spot.index],
                                           header.CharacterImageDbcsWidth,
                                           header.CharacterImageHeight)
               : QImage();
}

void Form1::createShortcuts() {
    const auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, action] {
            if (displayButtons_[0]->isEnabled()) {
                runAction(action);
            }
        });
    };
    shortcut(QKeySequence::Find, [this] {
        if (!findDialog_) {
            findDialog_ = new FindDialog(this);
            connect(findDialog_, &FindDialog::findRequested, this, [this](const QString& text) {
                if (findGlyph(text)) {
                    findDialog_->accept();
                }
            });
        }
        findDialog_->start();
    });
    shortcut(QKeySequence::FindNext, [this] { findNext(); });
    shortcut(Qt::Key_PageUp, [this] { Command4_Click(); });
    shortcut(Qt::Key_PageDown, [this] { Command5_Click(); });
    shortcut(Qt::Key_Home, [this] { Command3_Click(); });
    shortcut(Qt::Key_End, [this] { ShowLastDBCS(); });
}

void Form1::ShowLastDBCS() {
    const std::int32_t count = state_.Header.NumDbcsChars;
    const std::int32_t pageSize = state_.PageSize;
    ShowDBCS(count > 0 ? runtime::toInt16((count - 1) / pageSize * pageSize) : 0);
}

bool Form1::findGlyph(const QString& text) {
    bool shown = false;
    runAction([&] {
        const auto query = viewer::parseGlyphQuery(text);
        if (!query) {
            services_.messageBox.showMessage(
                programTitle().toStdString(),
                tr("请输入一个字符、U+ 加十六进制值（U+4E2D）或代码（0xD6D0）。").toStdString(),
                commondialog::MessageBoxService::Icon::None);
            return;
        }
        const auto place = viewer::findGlyph(state_, codePage(), *query, std::nullopt);
        if (!place) {
            reportMissingGlyph(*query);
            return;
        }
        query_ = query;
        showFoundGlyph(*place);
        shown = true;
    });
    return shown;
}

void Form1::findNext() {
    if (!query_) {
        return;
    }
    if (const auto place = viewer::findGlyph(state_, codePage(), *query_, found_)) {
        showFoundGlyph(*place);
    } else {
        reportMissingGlyph(*query_);
    }
}

void Form1::showFoundGlyph(const viewer::GlyphPlace& place) {
    found_ = place;
    if (place.table == bootfont::GlyphTable::Sbcs) {
        ShowSBCS();
    } else {
        const std::int16_t index = runtime::toInt16(place.index);
        ShowDBCS(runtime::toInt16(index / state_.PageSize * state_.PageSize));
    }
    picture1_->frameGlyph(place.index);
}

void Form1::reportMissingGlyph(const viewer::GlyphQuery& query) {
    QString what;
    if (query.kind == viewer::GlyphQuery::Kind::Code) {
        what = tr("代码 %1").arg(codeText(query.value, query.value > 0xFF ? 4 : 2));
    } else {
        what = QString::fromStdString(runtime::codePointText(query.value));
        if (QChar::isPrint(query.value)) {
            what += QLatin1Char(' ') + QString::fromUcs4(&query.value, 1);
        }
    }
    services_.messageBox.showMessage(programTitle().toStdString(),
                                     tr("字体中没有 %1 的字形。").arg(what).toStdString(),
                                     commondialog::MessageBoxService::Icon::None);
}

bool Form1::handleFileDrag(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);  // a drag enter or move event is a drop event too
    if (!drop->mimeData()->hasUrls()) {
        return false;
    }
    const std::optional<QString> path = viewer::droppedFontFile(*drop->mimeData());
    if (!path) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        // After the drop has returned, so the file manager that sent it is not kept waiting while
        // a message box is up.
        QTimer::singleShot(0, this, [this, file = *path] { openFile(file); });
    }
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    handleFileDrag(event);
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    handleFileDrag(event);
}

void Form1::dropEvent(QDropEvent* event) {
    handleFileDrag(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return handleFileDrag(event);
        default:
            return QWidget::eventFilter(watched, event);
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
    ShowDBCS(runtime::checkedSub(state_.PageStart, state_.PageSize));
}

void Form1::Command5_Click() {
    ShowDBCS(runtime::checkedAdd(state_.PageStart, state_.PageSize));
}

void Form1::URL_Click() {
    services_.shell.execute("open", "iexplore", linkAddress().toStdString(),
                            commondialog::ShellService::kShowMaximized);
}

void Form1::reportError(const QString& text) {
    services_.messageBox.showMessage(programTitle().toStdString(), text.toStdString(),
                                     commondialog::MessageBoxService::Icon::Critical);
}

QString Form1::errorText(const RuntimeError& error) {
    const std::string description(error.chineseDescription());
    return tr("运行时错误 '%1':\n\n%2")
        .arg(QString::number(error.code()),
             QCoreApplication::translate("RuntimeError", description.c_str()));
}

template <typename Action>
void Form1::runAction(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        reportError(errorText(error));
    } catch (const std::bad_alloc&) {
        reportError(errorText(RuntimeError(ErrorNumber::OutOfMemory)));
    }
}
