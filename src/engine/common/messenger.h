#pragma once

#include <string>

namespace quillux::engine {

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The one way the program talks to the user in a modal message box. The windows implement it
// with real message boxes; tests implement it with a recorder that answers from a script.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual MessageAnswer ShowMessage(MessageKind kind, const std::string& caption,
                                      const std::string& text, MessageButtons buttons) = 0;

    void Information(const std::string& text, const std::string& caption = "Information") {
        ShowMessage(MessageKind::Information, caption, text, MessageButtons::Ok);
    }
    void Warning(const std::string& text, const std::string& caption = "Warning") {
        ShowMessage(MessageKind::Warning, caption, text, MessageButtons::Ok);
    }
    void Error(const std::string& text, const std::string& caption = "Error") {
        ShowMessage(MessageKind::Error, caption, text, MessageButtons::Ok);
    }
    MessageAnswer Confirm(const std::string& text, MessageButtons buttons,
                          const std::string& caption = "Confirm") {
        return ShowMessage(MessageKind::Confirmation, caption, text, buttons);
    }
};

}  // namespace quillux::engine
