#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace testsupport {

// Plays the user of a modal dialog: a timer looks for the first visible top-level dialog of type
// Dialog and, once it is up, runs the test's action on it (which accepts or rejects it). The test
// then makes the call that shows the dialog. Should the dialog never close, the test's timeout
// ends the run.
class DialogDriver {
public:
    // Replaces the action of an earlier call.
    template <typename Dialog>
    void whenShown(std::function<void(Dialog&)> action) {
        timer_.disconnect();
        shown_ = false;
        QObject::connect(&timer_, &QTimer::timeout, [this, action] {
            if (shown_) {
                return;
            }
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<Dialog*>(widget);
                if (dialog != nullptr && dialog->isVisible()) {
                    timer_.stop();
                    shown_ = true;
                    action(*dialog);
                    return;
                }
            }
        });
        timer_.start(10);
    }

    bool shown() const { return shown_; }

private:
    QTimer timer_;
    bool shown_ = false;
};

}  // namespace testsupport
