#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commondialog/dialogplatform.h"

namespace testsupport {

inline constexpr auto cancelDialog = [](auto&) { return commondialog::kDialogCancelled; };

// One scripted dialog: it keeps each request as it arrived, then lets the test's script fill in
// the answers and choose the result. Unscripted, it is cancelled.
template <typename Record>
struct ScriptedDialog {
    std::function<std::int32_t(Record&)> answer = cancelDialog;
    std::vector<Record> requests;

    std::int32_t operator()(Record& record) {
        requests.push_back(record);
        return answer(record);
    }
};

// A dialog platform whose dialogs the test scripts.
class FakeDialogPlatform : public commondialog::DialogPlatform {
public:
    ScriptedDialog<commondialog::OPENFILENAME> open;
    ScriptedDialog<commondialog::OPENFILENAME> save;
    ScriptedDialog<commondialog::CHOOSEFONT> font;
    // The LOGFONT as each font dialog received it (the request points to a local of the call).
    std::vector<commondialog::LOGFONT> logFontsSent;
    ScriptedDialog<commondialog::PRINTDLG> print;
    ScriptedDialog<commondialog::PAGESETUPDLG> pageSetup;
    // What CommDlgExtendedError() returns.
    std::int32_t extendedError = 0;
    // The memory blocks the dialogs return, by handle; a block that is freed is erased.
    std::map<std::int32_t, std::vector<std::uint8_t>> blocks;

    std::int32_t GetOpenFileName(commondialog::OPENFILENAME& r) override { return open(r); }
    std::int32_t GetSaveFileName(commondialog::OPENFILENAME& r) override { return save(r); }
    std::int16_t GetFileTitle(const std::string&, std::string&, std::uint16_t) override {
        return 0;
    }
    // The colour dialog's wrapper is tested against Qt's dialog only.
    std::int32_t ChooseColor(commondialog::CHOOSECOLOR& r) override { return cancelDialog(r); }
    std::int32_t ChooseFont(commondialog::CHOOSEFONT& record) override {
        logFontsSent.push_back(*record.lpLogFont);
        return font(record);
    }
    std::int32_t PrintDlg(commondialog::PRINTDLG& record) override { return print(record); }
    std::int32_t PageSetupDlg(commondialog::PAGESETUPDLG& r) override { return pageSetup(r); }
    std::int32_t CommDlgExtendedError() override { return extendedError; }
    // System colour k is 0x00BBGGRR with k in each of its bytes, plus 0x10 in the blue one.
    std::int32_t GetSysColor(std::int32_t k) override { return 0x100000 + k * 0x010101; }
    std::span<const std::uint8_t> GlobalLock(std::int32_t hMem) override { return blocks[hMem]; }
    void GlobalUnlock(std::int32_t) override {}
    void GlobalFree(std::int32_t hMem) override { blocks.erase(hMem); }
};

// Writes `text` and its terminating NUL at the start of a platform buffer, keeping the rest.
inline void writeBuffer(std::optional<std::string>& buffer, const std::string& text) {
    buffer->replace(0, text.size() + 1, text + '\0');
}

}  // namespace testsupport
