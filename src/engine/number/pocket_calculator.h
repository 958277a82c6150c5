#pragma once

#include <string>
#include <string_view>

namespace quillux::engine {

// The pocket calculator that drops down from a calculator box: an immediate-execution
// calculator as sold in shops, so "2 + 3 × 4 =" gives 20 (each operator applies the one
// before it). Entries are kept as typed text until an operator or "=" reads them.
class PocketCalculator {
public:
    enum class Operation { None, Add, Subtract, Multiply, Divide };

    // Starts over with `value` shown, as if it had just been computed.
    void Start(double value);
    void Clear();       // "C": everything
    void ClearEntry();  // "CE": the number being typed
    void Digit(int digit);
    void Point();
    void Backspace();
    void Negate();
    void Apply(Operation operation);
    void Equals();

    // The number shown; 0 after an error.
    double Value() const;
    bool HasError() const { return error_; }
    // What the display shows: the entry as typed, or a result in the program's general format.
    std::string DisplayText(std::string_view decimalSeparator) const;

private:
    double Current() const;
    double Compute(double left, Operation operation, double right);

    double accumulator_ = 0;
    double shown_ = 0;
    Operation pending_ = Operation::None;
    std::string entry_;  // digits, an optional leading "-" and an optional "."
    bool entering_ = false;
    bool error_ = false;
};

}  // namespace quillux::engine
