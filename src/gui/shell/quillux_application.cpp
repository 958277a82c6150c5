#include "gui/shell/quillux_application.h"

#include <exception>

#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

QuilluxApplication::QuilluxApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuilluxApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        UserDialogs::Current().Error(error.what());
    } catch (...) {
        UserDialogs::Current().Error("An unexpected error occurred.");
    }
    return false;
}

}  // namespace quillux::gui
