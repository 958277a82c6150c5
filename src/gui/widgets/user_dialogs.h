#pragma once

#include <QString>
#include <optional>

#include "engine/common/messenger.h"

namespace quillux::gui {

// What a file dialog asks: the Windows-style filter text ("Load List (*.EL1)|*.EL1" is
// written as Qt's "Load List (*.EL1)"), the default extension added when the user types none,
// and the folder it opens in.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;  // without the dot
    QString initialFolder;
    QString initialFileName;
    bool overwritePrompt = true;
};

// Message boxes and file dialogs: every window goes through this interface, so tests can
// answer them from a script instead of blocking on a modal dialog.
class UserDialogs : public engine::Messenger {
public:
    // Chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SelectFolder(const QString& title, const QString& initialFolder) = 0;

    // The instance every window uses; the program installs the Qt one at start, tests install
    // a scripted one. Never null once installed.
    static UserDialogs& Current();
    static void Install(UserDialogs* dialogs);
};

}  // namespace quillux::gui
