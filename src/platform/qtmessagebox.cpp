#include "platform/qtmessagebox.h"

#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace platform {
namespace {

QMessageBox::Icon qtIcon(commondialog::MessageBoxService::Icon icon) {
    switch (icon) {
        case commondialog::MessageBoxService::Icon::Critical:
            return QMessageBox::Critical;
        case commondialog::MessageBoxService::Icon::Warning:
            return QMessageBox::Warning;
        case commondialog::MessageBoxService::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBox::showMessage(const std::string& caption, const std::string& text, Icon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

std::size_t QtMessageBox::ask(const std::string& caption, const std::string& text, Icon icon,
                              const std::vector<std::string>& buttons, std::size_t defaultButton,
                              std::size_t escapeButton) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, parent_);
    std::vector<QPushButton*> added;
    for (const std::string& button : buttons) {
        // The escape button's role makes it the one that Esc and the frame's close button press;
        // the roles also order the buttons as the desktop does.
        const auto role =
            added.size() == escapeButton ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        added.push_back(box.addButton(QString::fromStdString(button), role));
    }
    if (defaultButton < added.size()) {
        box.setDefaultButton(added[defaultButton]);
    }
    box.exec();
    const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
    return pressed == added.end() ? escapeButton
                                  : static_cast<std::size_t>(pressed - added.begin());
}

}  // namespace platform
