#include "viewer/windowmessages.h"

#include <string>

void WindowMessages::tell(const QString& text) const {
    messageBox_.showMessage(title_.toStdString(), text.toStdString(),
                            commondialog::MessageBoxService::Icon::None);
}

void WindowMessages::reportError(const QString& text) const {
    messageBox_.showMessage(title_.toStdString(), text.toStdString(),
                            commondialog::MessageBoxService::Icon::Critical);
}

QString WindowMessages::errorText(const runtime::RuntimeError& error) {
    const std::string description(error.chineseDescription());
    return tr("运行时错误 '%1':\n\n%2")
        .arg(QString::number(error.code()),
             QCoreApplication::translate("RuntimeError", description.c_str()));
}
