#pragma once

#include <QDialog>

namespace quillux::gui {

// "Disclaimer": the terms under which the results are given, with one OK button.
class TFormDisclaimer : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 365;
    static constexpr int kClientHeight = 445;

    explicit TFormDisclaimer(QWidget* parent = nullptr);

    static QString DisclaimerText();
};

}  // namespace quillux::gui
