#include "platform/dialogwindow.h"

#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

std::optional<QWidget*> ownerWindow(std::int32_t hwndOwner) {
    if (hwndOwner == 0) {
        return nullptr;
    }
    QWidget* owner = QWidget::find(static_cast<WId>(static_cast<std::uint32_t>(hwndOwner)));
    if (owner == nullptr) {
        return std::nullopt;
    }
    return owner->window();
}

bool runDialog(QDialog& dialog) {
    dialog.setWindowModality(dialog.parentWidget() != nullptr ? Qt::WindowModal : Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec(QEventLoop::DialogExec);
    return dialog.result() == QDialog::Accepted;
}

bool execDialog(QDialog& dialog) {
    Q_ASSERT(dialog.parentWidget() != nullptr);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted;
}

double screenDotsPerInchY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace platform
