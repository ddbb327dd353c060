#include "viewer/windowmessages.h"

#include <string>
#include <vector>

void WindowMessages::tell(const QString& text) const {
    messageBox_.showMessage(title_.toStdString(), text.toStdString(),
                            commondialog::MessageBoxService::Icon::None);
}

void WindowMessages::reportError(const QString& text) const {
    messageBox_.showMessage(title_.toStdString(), text.toStdString(),
                            commondialog::MessageBoxService::Icon::Critical);
}

std::size_t WindowMessages::ask(const QString& text, const QStringList& buttons,
                                std::size_t defaultButton, std::size_t escapeButton) const {
    std::vector<std::string> captions;
    for (const QString& button : buttons) {
        captions.push_back(button.toStdString());
    }
    return messageBox_.ask(title_.toStdString(), text.toStdString(),
                           commondialog::MessageBoxService::Icon::Warning, captions, defaultButton,
                           escapeButton);
}

QString WindowMessages::errorText(const runtime::RuntimeError& error) {
    const std::string description(error.chineseDescription());
    return tr("运行时错误 '%1':\n\n%2")
        .arg(QString::number(error.code()),
             QCoreApplication::translate("RuntimeError", description.c_str()));
}
