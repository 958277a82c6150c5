#pragma once

#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

// The real message boxes and file dialogs, modal over the active window.
class QtUserDialogs : public UserDialogs {
public:
    engine::MessageAnswer ShowMessage(engine::MessageKind kind, const std::string& caption,
                                      const std::string& text,
                                      engine::MessageButtons buttons) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<QString> SelectFolder(const QString& title, const QString& initialFolder) override;
};

}  // namespace quillux::gui
