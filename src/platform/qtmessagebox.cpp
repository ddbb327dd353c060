#include "platform/qtmessagebox.h"

#include <QMessageBox>

namespace platform {

void QtMessageBox::showMessage(const std::string& caption, const std::string& text, Icon icon) {
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

}  // namespace platform
