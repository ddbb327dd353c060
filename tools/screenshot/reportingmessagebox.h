#pragma once

#include <cstdio>
#include <string>

#include "commondialog/messageboxservice.h"

namespace screenshot {

// Writes each message of the window to stderr instead of waiting for OK; a message means the
// window did not get where the screenshot needs it.
class ReportingMessageBox : public commondialog::MessageBoxService {
public:
    void showMessage(const std::string& caption, const std::string& text, Icon) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        ++count_;
    }

    int count() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace screenshot
