#pragma once

#include <string>
#include <vector>

#include "viewer/messageboxservice.h"
#include "viewer/shellservice.h"

namespace testsupport {

// Records each message instead of waiting for a person to press OK.
class RecordingMessageBox : public viewer::MessageBoxService {
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

class RecordingShell : public viewer::ShellService {
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
