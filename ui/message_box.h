#pragma once
// Every message the window shows goes through here, so tests can record the
// messages instead of answering modal boxes.
#include <string_view>

namespace zenlith {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Returns when the user has acknowledged the message.
    virtual void show(std::string_view prompt, std::string_view title) = 0;
};

// The product's: modal, the prompt, the title, one OK button, no icon.
// It stands over whichever window of ours is active.
class ModalMessageBox : public MessageBox {
public:
    void show(std::string_view prompt, std::string_view title) override;
};

}  // namespace zenlith
