#pragma once

#include <QSpinBox>

namespace quillux::gui {

// A whole-number box with up and down arrows. The arrows step by 1, repeat every 150 ms while
// held and never step past the minimum or the maximum. A typed value outside them is kept
// while the user types and replaced by the nearer bound when the box loses the focus, when
// Enter is pressed or when it is read with readValue(); an empty box becomes the minimum.
class IntegerSpinBox : public QSpinBox {
    Q_OBJECT

public:
    static constexpr int kRepeatIntervalMs = 150;

    explicit IntegerSpinBox(QWidget* parent = nullptr);

    // Up to this many characters can be typed.
    int maxLength() const;
    void setMaxLength(int length);
    // Pads the text with leading zeros up to the maximum length ("007").
    bool zeroPadding() const { return zeroPadding_; }
    void setZeroPadding(bool pad);

    // Reads the typed text, bringing a value outside the bounds (or an empty box) to the
    // nearer bound and showing it. value() gives the last value inside the bounds.
    int readValue();

protected:
    QValidator::State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;

private:
    int clamped(const QString& text) const;

    bool zeroPadding_ = false;
};

}  // namespace quillux::gui
