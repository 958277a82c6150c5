#include "engine/number/pocket_calculator.h"

#include <cmath>

#include "engine/number/format_float_value.h"
#include "engine/number/number_text.h"

namespace quillux::engine {
namespace {

// A double holds 15 to 17 significant digits; more typed digits would only mislead.
constexpr std::size_t kMaxEntryDigits = 17;

std::size_t DigitCount(const std::string& entry) {
    std::size_t count = 0;
    for (char c : entry) count += (c >= '0' && c <= '9') ? 1 : 0;
    return count;
}

}  // namespace

void PocketCalculator::Start(double value) {
    Clear();
    shown_ = std::isfinite(value) ? value : 0;
}

void PocketCalculator::Clear() {
    accumulator_ = 0;
    shown_ = 0;
    pending_ = Operation::None;
    entry_.clear();
    entering_ = false;
    error_ = false;
}

void PocketCalculator::ClearEntry() {
    if (error_) {
        Clear();
        return;
    }
    entry_ = "0";
    entering_ = true;
}

void PocketCalculator::Digit(int digit) {
    if (digit < 0 || digit > 9) return;
    if (error_) Clear();
    if (!entering_) {
        entry_.clear();
        entering_ = true;
    }
    if (DigitCount(entry_) >= kMaxEntryDigits) return;
    if (entry_ == "0") entry_.clear();
    if (entry_ == "-0") entry_ = "-";
    entry_ += static_cast<char>('0' + digit);
}

void PocketCalculator::Point() {
    if (error_) Clear();
    if (!entering_) {
        entry_ = "0";
        entering_ = true;
    }
    if (entry_.find('.') != std::string::npos) return;
    if (entry_.empty() || entry_ == "-") entry_ += '0';
    entry_ += '.';
}

void PocketCalculator::Backspace() {
    if (error_ || !entering_) return;
    if (!entry_.empty()) entry_.pop_back();
    if (entry_.empty() || entry_ == "-") entry_ = "0";
}

void PocketCalculator::Negate() {
    if (error_) return;
    if (!entering_) {
        shown_ = -shown_;
        return;
    }
    if (!entry_.empty() && entry_.front() == '-') {
        entry_.erase(0, 1);
    } else {
        entry_.insert(0, 1, '-');
    }
}

void PocketCalculator::Apply(Operation operation) {
    if (error_) return;
    if (pending_ != Operation::None && entering_) {
        accumulator_ = Compute(accumulator_, pending_, Current());
        if (error_) return;
    } else if (pending_ == Operation::None) {
        accumulator_ = Current();
    }
    // A second operator in a row only replaces the first.
    shown_ = accumulator_;
    pending_ = operation;
    entering_ = false;
}

void PocketCalculator::Equals() {
    if (error_) return;
    const double right = Current();
    if (pending_ != Operation::None) {
        const double result = Compute(accumulator_, pending_, right);
        if (error_) return;
        shown_ = result;
    } else {
        shown_ = right;
    }
    pending_ = Operation::None;
    entering_ = false;
}

double PocketCalculator::Value() const {
    return error_ ? 0 : Current();
}

std::string PocketCalculator::DisplayText(std::string_view decimalSeparator) const {
    if (error_) return "Error";
    if (entering_) {
        std::string text;
        for (char c : entry_) {
            if (c == '.') {
                text += decimalSeparator;
            } else {
                text += c;
            }
        }
        return text;
    }
    return FormatFloatValue(shown_, FloatFormat::General, 15, 0, decimalSeparator);
}

double PocketCalculator::Current() const {
    return entering_ ? ParseFloatText(entry_, ".") : shown_;
}

double PocketCalculator::Compute(double left, Operation operation, double right) {
    double result = right;
    switch (operation) {
        case Operation::Add: result = left + right; break;
        case Operation::Subtract: result = left - right; break;
        case Operation::Multiply: result = left * right; break;
        case Operation::Divide: result = right == 0 ? NAN : left / right; break;
        case Operation::None: break;
    }
    if (!std::isfinite(result)) {
        error_ = true;
        entering_ = false;
        pending_ = Operation::None;
        return 0;
    }
    return result;
}

}  // namespace quillux::engine
