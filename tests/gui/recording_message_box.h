#pragma once
// Stands in for the modal message box: remembers every message instead.
#include <string>
#include <vector>

#include "message_box.h"

struct ShownMessage {
    std::string prompt;
    std::string title;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingMessageBox : public zenlith::MessageBox {
public:
    void show(std::string_view prompt, std::string_view title) override {
        shown.push_back({std::string(prompt), std::string(title)});
    }
    std::vector<ShownMessage> shown;
};
