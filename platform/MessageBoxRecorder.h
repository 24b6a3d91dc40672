// Presses OK on every message box while it lives, and remembers what each one showed.
#pragma once

#include <vector>

#include "platform/MessageBox.h"

namespace zarvelo::platform {

class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        SetMessageBoxHandler([this](const MessageBoxCall& call) { calls.push_back(call); });
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxCall> calls;
};

}  // namespace zarvelo::platform
