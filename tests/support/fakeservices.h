#pragma once

#include <string>
#include <vector>

#include "commondialog/messageboxservice.h"
#include "commondialog/shellservice.h"

namespace testsupport {

// Records each message instead of waiting for a person to press OK.
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

    std::vector<Message> messages;
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
