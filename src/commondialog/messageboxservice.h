#pragma once

#include <string>

namespace commondialog {

// Shows a message with an OK button and waits for it. Behind an interface so tests can read what
// the window reports without a person to press OK.
class MessageBoxService {
public:
    enum class Icon { None, Critical };

    virtual ~MessageBoxService() = default;
    virtual void showMessage(const std::string& caption, const std::string& text, Icon icon) = 0;
};

}  // namespace commondialog
