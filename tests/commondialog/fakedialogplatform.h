#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "commondialog/devicemode.h"
#include "commondialog/dialogconstants.h"
#include "commondialog/dialogplatform.h"

namespace testsupport {

inline constexpr auto cancelDialog = [](auto&) { return commondialog::kDialogCancelled; };

// A dialog platform whose dialogs are scripted by the test: each call records the request as it
// arrived, then lets the script fill in the answers and choose the result. Unscripted dialogs are
// cancelled.
class FakeDialogPlatform : public commondialog::DialogPlatform {
public:
    template <typename Record>
    using Script = std::function<std::int32_t(Record&)>;

    Script<commondialog::OPENFILENAME> openFileName = cancelDialog;
    std::vector<commondialog::OPENFILENAME> openFileNameRequests;

    Script<commondialog::OPENFILENAME> saveFileName = cancelDialog;
    std::vector<commondialog::OPENFILENAME> saveFileNameRequests;

    // The title GetFileTitle() writes with its result; the paths it was asked about.
    std::string fileTitle;
    std::int16_t fileTitleResult = 0;
    std::vector<std::string> fileTitleRequests;
    // Each title buffer's size and the size it was announced with.
    std::vector<std::pair<std::size_t, std::uint16_t>> fileTitleBuffers;

    Script<commondialog::CHOOSECOLOR> chooseColor = cancelDialog;
    std::vector<commondialog::CHOOSECOLOR> chooseColorRequests;
    // The custom-colour table as each colour dialog received it.
    std::vector<commondialog::CustomColorTable> customColorsSent;

    Script<commondialog::CHOOSEFONT> chooseFont = cancelDialog;
    std::vector<commondialog::CHOOSEFONT> chooseFontRequests;
    // The LOGFONT as each font dialog received it.
    std::vector<commondialog::LOGFONT> logFontsSent;

    Script<commondialog::PRINTDLG> printDlg = cancelDialog;
    std::vector<commondialog::PRINTDLG> printDlgRequests;
    Script<commondialog::PAGESETUPDLG> pageSetupDlg = cancelDialog;
    std::vector<commondialog::PAGESETUPDLG> pageSetupDlgRequests;

    // Memory blocks by handle, and every lock, unlock and free as "lock 7", "unlock 7", "free 7".
    std::map<std::int32_t, std::vector<std::uint8_t>> blocks;
    std::vector<std::string> blockCalls;

    // A device-mode block holding the five fields the dialogs read; returns its handle.
    std::int32_t addDeviceMode(std::int16_t copies, std::int16_t orientation,
                               std::int16_t paperSize, std::int16_t printQuality,
                               std::int16_t collate, std::size_t size = 156) {
        namespace devmode = commondialog::devmode;
        std::vector<std::uint8_t> block(size, 0xEE);
        for (const auto& [offset, value] :
             {std::pair{devmode::dmCopies, copies}, std::pair{devmode::dmOrientation, orientation},
              std::pair{devmode::dmPaperSize, paperSize},
              std::pair{devmode::dmPrintQuality, printQuality},
              std::pair{devmode::dmCollate, collate}}) {
            if (offset + 1 < size) {
                block[offset] = static_cast<std::uint8_t>(value & 0xFF);
                block[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
            }
        }
        const auto handle = static_cast<std::int32_t>(0x4000 + blocks.size());
        blocks[handle] = std::move(block);
        return handle;
    }

    // System colour k is 0x00BBGGRR with k in each of its three bytes, plus 0x10 in the blue one;
    // the indexes asked for are kept.
    std::vector<std::int32_t> sysColorQueries;

    // The code CommDlgExtendedError() returns, and how often it was asked.
    std::int32_t extendedError = 0;
    int extendedErrorQueries = 0;

    std::int32_t GetOpenFileName(commondialog::OPENFILENAME& record) override {
        openFileNameRequests.push_back(record);
        return openFileName(record);
    }
    std::int32_t GetSaveFileName(commondialog::OPENFILENAME& record) override {
        saveFileNameRequests.push_back(record);
        return saveFileName(record);
    }
    std::int16_t GetFileTitle(const std::string& lpszFile, std::string& Buf,
                              std::uint16_t cchSize) override {
        fileTitleRequests.push_back(lpszFile);
        fileTitleBuffers.emplace_back(Buf.size(), cchSize);
        Buf.replace(0, fileTitle.size() + 1, fileTitle + '\0');
        return fileTitleResult;
    }
    std::int32_t ChooseColor(commondialog::CHOOSECOLOR& record) override {
        chooseColorRequests.push_back(record);
        if (record.lpCustColors != nullptr) {
            customColorsSent.push_back(*record.lpCustColors);
        }
        return chooseColor(record);
    }
    std::int32_t ChooseFont(commondialog::CHOOSEFONT& record) override {
        chooseFontRequests.push_back(record);
        if (record.lpLogFont != nullptr) {
            logFontsSent.push_back(*record.lpLogFont);
        }
        return chooseFont(record);
    }
    std::int32_t PrintDlg(commondialog::PRINTDLG& record) override {
        printDlgRequests.push_back(record);
        return printDlg(record);
    }
    std::int32_t PageSetupDlg(commondialog::PAGESETUPDLG& record) override {
        pageSetupDlgRequests.push_back(record);
        return pageSetupDlg(record);
    }
    std::span<const std::uint8_t> GlobalLock(std::int32_t hMem) override {
        blockCalls.push_back("lock " + std::to_string(hMem));
        const auto found = blocks.find(hMem);
        if (found == blocks.end()) {
            return {};
        }
        return found->second;
    }
    void GlobalUnlock(std::int32_t hMem) override {
        blockCalls.push_back("unlock " + std::to_string(hMem));
    }
    void GlobalFree(std::int32_t hMem) override {
        blockCalls.push_back("free " + std::to_string(hMem));
        blocks.erase(hMem);
    }
    std::int32_t GetSysColor(std::int32_t nIndex) override {
        sysColorQueries.push_back(nIndex);
        return sysColor(nIndex);
    }
    static std::int32_t sysColor(std::int32_t k) { return 0x100000 + k * 0x010101; }

    std::int32_t CommDlgExtendedError() override {
        ++extendedErrorQueries;
        return extendedError;
    }
};

// Writes `text` and its terminating NUL at the start of a platform buffer, keeping the rest.
inline void writeBuffer(std::optional<std::string>& buffer, const std::string& text) {
    buffer->replace(0, text.size() + 1, text + '\0');
}

}  // namespace testsupport
