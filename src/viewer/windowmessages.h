#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <new>

#include "commondialog/messageboxservice.h"
#include "runtime/runtimeerror.h"

// The window's message boxes, each captioned with the program's title: a message, a failure, a
// question, and the report of a runtime error that ended an action, which gives the error's number
// and its description and leaves the window usable.
class WindowMessages {
    Q_DECLARE_TR_FUNCTIONS(WindowMessages)

public:
    WindowMessages(commondialog::MessageBoxService& messageBox, QString title)
        : messageBox_(messageBox), title_(std::move(title)) {}

    // A message without an icon.
    void tell(const QString& text) const;
    // A failure, with the error icon.
    void reportError(const QString& text) const;
    // A question with the warning icon and `buttons`: the index of the one pressed, `escapeButton`
    // when the box is closed otherwise. Enter presses `defaultButton`.
    std::size_t ask(const QString& text, const QStringList& buttons, std::size_t defaultButton,
                    std::size_t escapeButton) const;

    // Runs `action`; a runtime error (or a lack of memory) that ends it is reported, and what the
    // action did before stays done.
    template <typename Action>
    void run(Action&& action) const {
        try {
            action();
        } catch (const runtime::RuntimeError& error) {
            reportError(errorText(error));
        } catch (const std::bad_alloc&) {
            reportError(errorText(runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory)));
        }
    }

    // "运行时错误 '6':\n\n溢出": the error's number and description, translated.
    static QString errorText(const runtime::RuntimeError& error);

private:
    commondialog::MessageBoxService& messageBox_;
    QString title_;
};
