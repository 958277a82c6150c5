#pragma once

#include <QLineEdit>

namespace quillux::gui {

// A box for a positive whole number: digits only. Its bounds are recorded with the box for the
// module to consult but not enforced: a typed value outside them is kept and read as typed.
// An empty box reads as 0.
class IntegerEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit IntegerEdit(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);
    // Pads the text with leading zeros up to the box's maximum length ("007").
    bool zeroPadding() const { return zeroPadding_; }
    void setZeroPadding(bool pad);

    int value() const;
    void setValue(int value);
    QString textFor(int value) const;

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minimum_ = 1;
    int maximum_ = 65536;
    bool zeroPadding_ = false;
};

}  // namespace quillux::gui
