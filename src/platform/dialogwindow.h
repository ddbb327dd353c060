#pragma once

#include <cstdint>
#include <optional>

class QDialog;
class QWidget;

// Showing the platform's dialogs: an owner handle is a window id of the application's own widgets,
// and a dialog blocks its caller until it closes but is modal only to its owner window.
namespace platform {

// The widget whose window id is `hwndOwner`; nullptr for 0 (no owner); std::nullopt when no
// widget of the application has that id.
std::optional<QWidget*> ownerWindow(std::int32_t hwndOwner);

// Shows `dialog` and returns when it has closed, true when it was accepted. A dialog with an owner
// blocks that window only; one without blocks no window. QDialog::exec() is avoided because it
// makes every dialog application-modal, which would block the main window of an ownerless dialog.
bool runDialog(QDialog& dialog);

// As runDialog(), through QDialog::exec(), for a dialog that hands the user's choices on only from
// there. exec() makes a dialog without a parent application-modal, so the dialog must have a
// parent: the owner, or for an ownerless dialog a hidden widget, which it alone then blocks.
bool execDialog(QDialog& dialog);

// The logical dots per inch of the primary screen in the vertical direction; 96 without a screen.
double screenDotsPerInchY();

}  // namespace platform
