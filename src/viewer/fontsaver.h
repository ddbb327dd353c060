#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

namespace commondialog {
class DialogPlatform;
}

class WindowMessages;

namespace viewer {

class FontDocument;

// Saving the font the window edits: to its own file, to another one chosen in the save-file
// dialog, and the question before anything replaces a font that has unsaved edits. What is written
// is the document's bytes, checked first as the bootfont command's check checks a font (errors are
// shown and the user chooses whether to save anyway), then written whole or not at all. A write
// that fails is told in the window's language and leaves the target's bytes and the edits as they
// were; a target that cannot be written offers Save As.
class FontSaver {
    Q_DECLARE_TR_FUNCTIONS(FontSaver)

public:
    // Writes a file whole or not at all; raises bootfont::FileWriteError when it cannot.
    using Writer = std::function<void(const std::filesystem::path&, std::span<const std::uint8_t>)>;

    // Asks through `dialogs` and `messages`; writes with bootfont::writeFileAtomically.
    FontSaver(commondialog::DialogPlatform& dialogs, const WindowMessages& messages);
    // Writes through `writer`, which tests make fail.
    void setWriter(Writer writer) { writer_ = std::move(writer); }

    // Each is true when the document was written.
    bool save(FontDocument& document);
    bool saveAs(FontDocument& document);
    // Before the document is replaced or the window closes: with unsaved edits asks Save, Discard
    // or Cancel. True when the caller may go on: nothing to save, saved, or discarded.
    bool maybeSave(FontDocument& document);

    // Why a write failed, from the system's error number, in the window's language.
    static QString writeFailure(int systemError);

private:
    bool saveTo(FontDocument& document, const std::filesystem::path& target, bool offerSaveAs);
    // True when the bytes pass the check or the user saves them anyway.
    bool acceptCheck(std::span<const std::uint8_t> bytes) const;
    // True when the file the document was read from is as it was then, or the user overwrites it.
    bool acceptOverwrite(const FontDocument& document) const;

    commondialog::DialogPlatform& dialogs_;
    const WindowMessages& messages_;
    Writer writer_;
};

}  // namespace viewer
