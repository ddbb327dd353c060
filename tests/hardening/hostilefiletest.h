#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commondialog/fakedialogplatform.h"
#include "runtime/runtimeerror.h"
#include "support/bootfontbuilder.h"
#include "support/fakeservices.h"
#include "support/tempdir.h"
#include "viewer/form1.h"

namespace testsupport {

// What becomes of a glyph table when a file is opened over an earlier font.
enum class Table {
    Kept,      // the earlier font's records, untouched
    Replaced,  // as many records as the header counts, each the file's bytes at its place (zeros
               // past the end of the file)
};

// The result that opening a file must end in, and what the two view buttons report afterwards. By
// default the file loads in full and both views draw without a report; the chainable calls say how
// a case differs.
struct Expected {
    bool accepted = true;
    std::optional<runtime::ErrorNumber> open;  // the error that ends the open command, reported
    Table sbcs = Table::Replaced;
    Table dbcs = Table::Replaced;
    std::optional<runtime::ErrorNumber> singleByteView;       // a click on Command2
    std::optional<runtime::ErrorNumber> firstDoubleBytePage;  // a click on Command3

    Expected& rejected() {
        accepted = false;
        sbcs = dbcs = Table::Kept;
        return *this;
    }
    Expected& openEndsWith(runtime::ErrorNumber error) {
        open = error;
        return *this;
    }
    Expected& keepsSbcs() {
        sbcs = Table::Kept;
        return *this;
    }
    Expected& keepsDbcs() {
        dbcs = Table::Kept;
        return *this;
    }
    Expected& singleByteViewReports(runtime::ErrorNumber error) {
        singleByteView = error;
        return *this;
    }
    Expected& firstDoubleBytePageReports(runtime::ErrorNumber error) {
        firstDoubleBytePage = error;
        return *this;
    }
};

// A window with scripted services that shows an earlier, well-formed font (5 single-byte and 7
// double-byte glyphs), to open damaged and hostile files in.
struct WindowOnAFont {
    explicit WindowOnAFont(const std::filesystem::path& earlierFont);

    // Chooses `path` in the open dialog; `beforeAnswer` runs while the dialog is up. Returns the
    // messages the command showed, and checks that it left no file open.
    std::vector<std::string> open(const std::filesystem::path& path,
                                  const std::function<void()>& beforeAnswer = {});

    FakeDialogPlatform dialogs;
    RecordingMessageBox messageBox;
    RecordingShell shell;
    Form1 form{{dialogs, messageBox, shell}};
};

// Opens files in a window on an earlier font, checks the outcome, and then that the same window
// still opens and draws a good font.
class HostileFileTest : public ::testing::Test {
protected:
    HostileFileTest();

    std::filesystem::path write(const BootFontBuilder& builder);
    std::filesystem::path writeBytes(const std::vector<std::uint8_t>& bytes);

    // `bytes` are the file's contents, to check the tables against.
    void expectOpening(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                       const Expected& expected);

    // A path that is no readable font file, or whose file `whileDialogIsUp` removes: the command
    // reports `error` before anything changes.
    void expectRefused(const std::filesystem::path& path, runtime::ErrorNumber error,
                       const std::function<void()>& whileDialogIsUp = {});

    TempDir dir_;
    std::filesystem::path earlierFont_;

private:
    void expectStillUsable(WindowOnAFont& window);

    int files_ = 0;
};

}  // namespace testsupport
