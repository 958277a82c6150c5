#pragma once

#include <QApplication>

namespace quillux::gui {

// The application object. An exception that no handler caught is shown in an error box with
// its text and the interrupted operation is abandoned; the program goes on running.
class QuilluxApplication : public QApplication {
    Q_OBJECT
public:
    QuilluxApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace quillux::gui
