#pragma once

#include <QLineEdit>
#include <QPointer>
#include <optional>

namespace quillux::gui {

class DecimalValidator;
class PocketCalculatorPopup;

// A box the user types a decimal number into. Three kinds:
// - NonNegative: digits and one decimal separator; "+" is discarded.
// - Signed: also "-" and "+", which set the sign of the value instead of being typed.
// - Calculator: as Signed, with a button that drops down a pocket calculator whose result is
//   written into the box; up to 20 characters and full accuracy by default.
// Only the separator of the regional settings is accepted; the keypad's decimal key always
// types it. Typing is not limited to the decimal places: the text is rounded to them when the
// box loses the focus. An empty box, or one whose text is not a number, reads as 0.
class DecimalEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class Kind { NonNegative, Signed, Calculator };

    explicit DecimalEdit(QWidget* parent = nullptr);
    explicit DecimalEdit(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }

    int decimalPlaces() const { return decimalPlaces_; }
    void setDecimalPlaces(int places);
    bool trimTrailingZeros() const { return trimTrailingZeros_; }
    void setTrimTrailingZeros(bool trim);
    // With full accuracy the box keeps the exact value last typed or set, and value() returns
    // it for as long as the text shows that value's rounded form.
    bool fullAccuracy() const { return fullAccuracy_; }
    void setFullAccuracy(bool keep);
    // Pads the text with leading zeros up to the box's maximum length.
    bool zeroPadding() const { return zeroPadding_; }
    void setZeroPadding(bool pad);
    // The text shown while the box is empty ("N/A" in some result boxes).
    QString emptyText() const { return placeholderText(); }
    void setEmptyText(const QString& text) { setPlaceholderText(text); }

    double value() const;
    bool isEmpty() const { return text().isEmpty(); }
    // Shows `value` rounded to the decimal places; the exact value is kept for full accuracy.
    void setValue(double value);
    void clearValue();
    // The text the box shows for `value`.
    QString textFor(double value) const;

    // Drops down the pocket calculator (calculator kind only) and returns it.
    PocketCalculatorPopup* showCalculator();

signals:
    void valueChanged(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyKind();
    void applyReadOnlyColour();
    void insertSeparator();
    void setNegative(bool negative);
    void roundDisplayedText();
    void separatorChanged(const QString& separator);
    void calculatorAccepted(double result);

    Kind kind_ = Kind::NonNegative;
    int decimalPlaces_ = 2;
    bool trimTrailingZeros_ = false;
    bool fullAccuracy_ = false;
    bool zeroPadding_ = false;
    QString separator_;            // the separator the current text is written with
    std::optional<double> exact_;  // the value last typed or set, before rounding
    DecimalValidator* validator_ = nullptr;
    QPointer<PocketCalculatorPopup> calculator_;
};

}  // namespace quillux::gui
