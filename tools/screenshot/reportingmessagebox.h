#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "commondialog/messageboxservice.h"

namespace screenshot {

// Writes each message and question of the window to stderr instead of waiting for a button, and
// answers each question with its escape button; either means the window did not get where the
// screenshot needs it.
class ReportingMessageBox : public commondialog::MessageBoxService {
public:
    void showMessage(const std::string& caption, const std::string& text, Icon) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        ++count_;
    }
    std::size_t ask(const std::string& caption, const std::string& text, Icon icon,
                    const std::vector<std::string>&, std::size_t,
                    std::size_t escapeButton) override {
        showMessage(caption, text, icon);
        return escapeButton;
    }

    int count() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace screenshot
