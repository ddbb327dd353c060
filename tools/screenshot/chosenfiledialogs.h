#pragma once

#include <string>

#include "platform/qtdialogplatform.h"

namespace screenshot {

// The Qt dialog platform, but every open-file dialog is answered at once with one chosen file, as
// a person who picks that file would, so the window can be driven without anyone at the screen.
class ChosenFileDialogs : public platform::QtDialogPlatform {
public:
    explicit ChosenFileDialogs(std::string path) : path_(std::move(path)) {}

    std::int32_t GetOpenFileName(commondialog::OPENFILENAME& record) override;
    std::int32_t CommDlgExtendedError() override { return extendedError_; }

private:
    std::string path_;
    std::int32_t extendedError_ = 0;
};

}  // namespace screenshot
