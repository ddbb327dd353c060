#pragma once

#include <deque>
#include <string>
#include <vector>

#include "commondialog/messageboxservice.h"
#include "commondialog/shellservice.h"

namespace testsupport {

// Records each message instead of waiting for a person to press OK, and answers each question with
// the next of `answers` (the button's index), or presses its escape button when none is left.
class RecordingMessageBox : public commondialog::MessageBoxService {
public:
    struct Message {
        std::string caption;
        std::string text;
        Icon icon;
    };

    void showMessage(const std::string& caption, const std::string& text, Icon icon) override {
        messages.push_back({caption, text, icon});
    }

    struct Question {
        std::string text;
        std::vector<std::string> buttons;
    };

    std::size_t ask(const std::string&, const std::string& text, Icon,
                    const std::vector<std::string>& buttons, std::size_t,
                    std::size_t escapeButton) override {
        questions.push_back({text, buttons});
        if (answers.empty()) {
            return escapeButton;
        }
        const std::size_t answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::deque<std::size_t> answers;
};

class RecordingShell : public commondialog::ShellService {
public:
    struct Request {
        std::string operation;
        std::string file;
        std::string parameters;
        int showCommand;
    };

    void execute(const std::string& operation, const std::string& file,
                 const std::string& parameters, int showCommand) override {
        requests.push_back({operation, file, parameters, showCommand});
    }

    std::vector<Request> requests;
};

}  // namespace testsupport
