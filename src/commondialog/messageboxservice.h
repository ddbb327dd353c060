#pragma once

#include <string>
#include <vector>

namespace commondialog {

// Shows a message with an OK button and waits for it, or asks a question with buttons of the
// caller's own. Behind an interface so tests can read what the window reports and answer what it
// asks without a person to press a button.
class MessageBoxService {
public:
    enum class Icon { None, Critical, Warning };

    virtual ~MessageBoxService() = default;
    virtual void showMessage(const std::string& caption, const std::string& text, Icon icon) = 0;
    // Asks `text` with one button per entry of `buttons` (their captions, in order) and returns the
    // index of the one pressed: `escapeButton` when the box is closed by Esc or its frame.
    // `defaultButton` is the one Enter presses.
    virtual std::size_t ask(const std::string& caption, const std::string& text, Icon icon,
                            const std::vector<std::string>& buttons, std::size_t defaultButton,
                            std::size_t escapeButton) = 0;
};

}  // namespace commondialog
