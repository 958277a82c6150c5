#pragma once

#include <QFrame>

#include "engine/number/pocket_calculator.h"

class QLineEdit;

namespace quillux::gui {

// The pocket calculator that drops down under a calculator box. "OK" or Enter computes and
// hands the result back (accepted); Escape or a click elsewhere closes it and changes nothing.
// Keys: digits, either separator key, + - * /, "=", Backspace, Delete (clear entry), Escape.
class PocketCalculatorPopup : public QFrame {
    Q_OBJECT

public:
    explicit PocketCalculatorPopup(QWidget* parent = nullptr);

    // Starts over with `value` in the display.
    void start(double value);
    QString displayText() const;
    // Computes and hands the result back, then closes; an error result is not handed back.
    void accept();

signals:
    void accepted(double result);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addKey(const QString& caption, const QString& name, int row, int column,
                void (PocketCalculatorPopup::*press)());
    void refresh();

    engine::PocketCalculator calculator_;
    QLineEdit* display_ = nullptr;
};

}  // namespace quillux::gui
