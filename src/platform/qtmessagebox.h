#pragma once

#include "commondialog/messageboxservice.h"

class QWidget;

namespace platform {

// Messages in a QMessageBox with an OK button, and questions in one with the caller's buttons,
// modal to the window that reports them.
class QtMessageBox : public commondialog::MessageBoxService {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const std::string& caption, const std::string& text, Icon icon) override;
    std::size_t ask(const std::string& caption, const std::string& text, Icon icon,
                    const std::vector<std::string>& buttons, std::size_t defaultButton,
                    std::size_t escapeButton) override;

private:
    QWidget* parent_;
};

}  // namespace platform
