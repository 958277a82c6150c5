#include "gui/widgets/user_dialogs.h"

#include "gui/widgets/qt_user_dialogs.h"

namespace quillux::gui {
namespace {

UserDialogs* installed = nullptr;

}  // namespace

UserDialogs& UserDialogs::Current() {
    if (installed != nullptr) return *installed;
    static QtUserDialogs realDialogs;
    return realDialogs;
}

void UserDialogs::Install(UserDialogs* dialogs) {
    installed = dialogs;
}

}  // namespace quillux::gui
