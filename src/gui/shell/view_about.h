#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace quillux::gui {

struct ShellState;

// "About Quillux Lite": version, release date, acknowledgements, the logo, the program
// folder and where to report bugs.
class TViewAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 540;
    static constexpr int kClientHeight = 377;
    static inline const QString kContactAddress = QStringLiteral("quillux@example.org");
    static inline const QString kWebAddress = QStringLiteral("https://quillux.example.org/");

    explicit TViewAbout(const ShellState& state, QWidget* parent = nullptr);

    static QString AcknowledgementText();

private:
    void OKClick();
};

}  // namespace quillux::gui
