#pragma once

#include <string>

#include "commondialog/dialogplatform.h"

namespace screenshot {

// A dialog platform that answers every open-file dialog with one chosen file at once, as a person
// who picks that file would, so the window can be driven without anyone at the screen.
class ChosenFileDialogs : public commondialog::DialogPlatform {
public:
    explicit ChosenFileDialogs(std::string path) : path_(std::move(path)) {}

    std::int32_t GetOpenFileName(commondialog::OPENFILENAME& record) override;
    std::int32_t CommDlgExtendedError() override { return extendedError_; }

private:
    std::string path_;
    std::int32_t extendedError_ = 0;
};

}  // namespace screenshot
