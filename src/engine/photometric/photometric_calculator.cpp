#include "engine/photometric/photometric_calculator.h"

#include <cmath>

namespace quillux::engine {

namespace {

using Q = PhotometricQuantity;

// Extended-precision conversions, the figures the calculator has always used.
constexpr long double kDegreesToRadians = 0.0174532925199432957692L;
constexpr long double kRadiansToDegrees = 57.2957795130823208767L;
// π/2 held in single precision: results of the form 90° − x depend on it, so C from K = 30
// remembers 60.0000025044782, not 60.
constexpr float kQuarterTurn = 1.5707963705062866f;
constexpr long double kLuxPerFootcandle = 10.7639104L;
constexpr long double kFeetPerMetre = 3.280839895L;

// Floating-point arithmetic that records a fault instead of producing one: division by zero,
// the square root of a negative number, an arc sine outside −1..1, or any value that is not a
// finite number. After a fault the values returned are meaningless and the result is dropped.
class Guarded {
public:
    bool Faulted() const { return fault_; }
    void Fault() { fault_ = true; }

    long double Value(long double v) {
        if (!std::isfinite(v)) fault_ = true;
        return v;
    }
    long double Div(long double a, long double b) {
        if (b == 0 || std::isnan(b)) {
            fault_ = true;
            return 0;
        }
        return Value(a / b);
    }
    long double Sqrt(long double v) {
        if (!(v >= 0)) {
            fault_ = true;
            return 0;
        }
        return Value(std::sqrt(v));
    }
    long double Asin(long double v) {
        if (!(v >= -1 && v <= 1)) {
            fault_ = true;
            return 0;
        }
        return Value(std::asin(v));
    }
    long double Atan(long double v) { return Value(std::atan(Value(v))); }
    long double Tan(long double radians) { return Value(std::tan(Value(radians))); }
    long double Sin(long double radians) { return Value(std::sin(Value(radians))); }
    long double Cos(long double radians) { return Value(std::cos(Value(radians))); }

    static long double Rad(long double degrees) { return degrees * kDegreesToRadians; }
    long double Deg(long double radians) { return Value(radians * kRadiansToDegrees); }

private:
    bool fault_ = false;
};

struct RowOutcome {
    long double value = 0;
    // The zero rule of D from Cd and Fc: an invalid result whose remembered values are kept.
    bool zeroRule = false;
};

RowOutcome EvaluateRow(Guarded& g, Q target, int choice, long double A, long double B,
                       long double C) {
    const long double quarter = kQuarterTurn;
    switch (target) {
        case Q::H:
            switch (choice) {
                case 0:
                    return {g.Sqrt(g.Value(A * A - B * B))};
                case 1:
                    return {g.Div(A, g.Tan(g.Rad(B)))};
                case 2:
                    return {g.Value(A * g.Cos(g.Rad(B)))};
                case 3:
                    return {g.Value(A * g.Sin(g.Rad(B)))};
                case 4:
                    return {g.Value(A * g.Tan(g.Rad(B)))};
            }
            break;
        case Q::V:
            switch (choice) {
                case 0:
                    return {g.Sqrt(g.Value(A * A - B * B))};
                case 1:
                    return {g.Value(A * g.Tan(g.Rad(B)))};
                case 2:
                    return {g.Value(A * g.Sin(g.Rad(B)))};
                case 3:
                    return {g.Value(A * g.Cos(g.Rad(B)))};
                case 4:
                    return {g.Div(A, g.Tan(g.Rad(B)))};
            }
            break;
        case Q::D:
            switch (choice) {
                case 0:
                    return {g.Div(A, g.Value(2 * g.Tan(g.Rad(B / 2))))};
                case 1:
                    return {g.Div(A, B)};
                case 2:
                    return {g.Sqrt(g.Value(A * A + B * B))};
                case 3:
                    return {g.Div(A, g.Cos(g.Rad(B)))};
                case 4:
                    return {g.Div(A, g.Sin(g.Rad(B)))};
                case 5:
                    return {g.Div(A, g.Sin(g.Rad(B)))};
                case 6:
                    return {g.Div(A, g.Cos(g.Rad(B)))};
                case 7: {
                    const long double quotient = g.Div(A, B);
                    if (!g.Faulted() && quotient == 0) return {0, true};
                    return {g.Sqrt(quotient)};
                }
            }
            break;
        case Q::F:
            switch (choice) {
                case 0:
                    return {g.Deg(2 * g.Atan(A / 2))};
                case 1:
                    return {g.Deg(2 * g.Atan(g.Div(A, g.Value(2 * B))))};
            }
            break;
        case Q::C:
            switch (choice) {
                case 0:
                    return {g.Deg(g.Atan(g.Div(A, B)))};
                case 1:
                    return {g.Deg(g.Asin(g.Div(A, B)))};
                case 2:
                    return {g.Deg(quarter - g.Asin(g.Div(A, B)))};
                case 3:
                    return {g.Deg(quarter - g.Value(g.Rad(A)))};
            }
            break;
        case Q::K:
            switch (choice) {
                case 0:
                    return {g.Deg(g.Atan(g.Div(A, B)))};
                case 1:
                    return {g.Deg(quarter - g.Asin(g.Div(B, A)))};
                case 2:
                    return {g.Deg(g.Asin(g.Div(A, B)))};
                case 3:
                    return {g.Deg(quarter - g.Value(g.Rad(A)))};
            }
            break;
        case Q::X:
            switch (choice) {
                case 0:
                    return {g.Value(A * 2 * g.Tan(g.Rad(B) / 2))};
                case 1:
                    return {g.Value(A * B)};
            }
            break;
        case Q::Y:
            if (choice == 0) {
                const long double k = g.Rad(C);
                const long double halfF = g.Rad(B) / 2;
                return {g.Value(A * (g.Tan(k + halfF) - g.Tan(k - halfF)))};
            }
            break;
        case Q::Fc:
            switch (choice) {
                case 0:
                    return {g.Div(B, g.Value(A * A))};
                case 1: {
                    const long double feet = g.Value(kFeetPerMetre * A);
                    return {g.Div(B, g.Value(feet * feet))};
                }
                case 2:
                    return {g.Div(A, kLuxPerFootcandle)};
                case 3:
                    return {g.Value(kLuxPerFootcandle * A)};
            }
            break;
        case Q::Cd:
            switch (choice) {
                case 0:
                    return {g.Value(B * g.Value(A * A))};
                case 1: {
                    const long double feet = g.Value(kFeetPerMetre * A);
                    return {g.Value(B * g.Value(feet * feet))};
                }
            }
            break;
        case Q::Mf:
            switch (choice) {
                case 0:
                    return {g.Value(2 * g.Tan(g.Rad(A) / 2))};
                case 1:
                    return {g.Div(A, B)};
            }
            break;
    }
    g.Fault();
    return {};
}

// The quantities held by the fields A, B and C of each row; a row uses its leading entries.
struct Knowns {
    Q a;
    std::optional<Q> b = std::nullopt;
    std::optional<Q> c = std::nullopt;
};

std::optional<Knowns> RowKnowns(Q target, int choice) {
    switch (target) {
        case Q::H: {
            constexpr Knowns rows[] = {
                {Q::D, Q::V}, {Q::V, Q::C}, {Q::D, Q::C}, {Q::D, Q::K}, {Q::V, Q::K}};
            if (choice < 5) return rows[choice];
            break;
        }
        case Q::V: {
            constexpr Knowns rows[] = {
                {Q::D, Q::H}, {Q::H, Q::C}, {Q::D, Q::C}, {Q::D, Q::K}, {Q::H, Q::K}};
            if (choice < 5) return rows[choice];
            break;
        }
        case Q::D: {
            constexpr Knowns rows[] = {{Q::X, Q::F}, {Q::X, Q::Mf}, {Q::V, Q::H}, {Q::H, Q::C},
                                       {Q::V, Q::C}, {Q::H, Q::K},  {Q::V, Q::K}, {Q::Cd, Q::Fc}};
            if (choice < 8) return rows[choice];
            break;
        }
        case Q::F: {
            constexpr Knowns rows[] = {{Q::Mf}, {Q::X, Q::D}};
            if (choice < 2) return rows[choice];
            break;
        }
        case Q::C: {
            constexpr Knowns rows[] = {{Q::V, Q::H}, {Q::V, Q::D}, {Q::H, Q::D}, {Q::K}};
            if (choice < 4) return rows[choice];
            break;
        }
        case Q::K: {
            constexpr Knowns rows[] = {{Q::H, Q::V}, {Q::D, Q::V}, {Q::H, Q::D}, {Q::C}};
            if (choice < 4) return rows[choice];
            break;
        }
        case Q::X: {
            constexpr Knowns rows[] = {{Q::D, Q::F}, {Q::D, Q::Mf}};
            if (choice < 2) return rows[choice];
            break;
        }
        case Q::Y:
            if (choice == 0) return Knowns{Q::V, Q::F, Q::K};
            break;
        case Q::Fc: {
            // "Lux" and "Footcandles" convert the one field and remember nothing.
            constexpr Knowns rows[] = {{Q::D, Q::Cd}, {Q::D, Q::Cd}, {Q::Fc}, {Q::Fc}};
            if (choice < 4) return rows[choice];
            break;
        }
        case Q::Cd: {
            constexpr Knowns rows[] = {{Q::D, Q::Fc}, {Q::D, Q::Fc}};
            if (choice < 2) return rows[choice];
            break;
        }
        case Q::Mf: {
            constexpr Knowns rows[] = {{Q::F}, {Q::X, Q::D}};
            if (choice < 2) return rows[choice];
            break;
        }
    }
    return std::nullopt;
}

bool IsLuxConversion(Q target, int choice) {
    return target == Q::Fc && (choice == 2 || choice == 3);
}

}  // namespace

double& PhotometricRememberedValues::operator[](PhotometricQuantity quantity) {
    switch (quantity) {
        case Q::H:
            return Ph_H;
        case Q::V:
            return Ph_V;
        case Q::D:
            return Ph_D;
        case Q::F:
            return Ph_F;
        case Q::C:
            return Ph_C;
        case Q::K:
            return Ph_K;
        case Q::X:
            return Ph_X;
        case Q::Y:
            return Ph_Y;
        case Q::Fc:
            return Ph_Fc;
        case Q::Cd:
            return Ph_Cd;
        case Q::Mf:
            return Ph_Mf;
    }
    return Ph_H;
}

double PhotometricRememberedValues::operator[](PhotometricQuantity quantity) const {
    return const_cast<PhotometricRememberedValues&>(*this)[quantity];
}

PhotometricResult PhotometricCalculator::Evaluate(PhotometricQuantity target,
                                                  std::optional<int> choice, double a, double b,
                                                  double c) {
    PhotometricResult result;
    const auto targetIndex = static_cast<int>(target);
    if (!choice || *choice < 0 || targetIndex < 0 || targetIndex >= kPhotometricQuantityCount ||
        static_cast<std::size_t>(*choice) >= PhotometricChoiceTexts(target).size()) {
        return result;
    }
    const auto knowns = RowKnowns(target, *choice);
    if (!knowns) return result;

    Guarded guarded;
    // Only the fields the row reads count: an unused field may hold anything.
    const double used[] = {a, b, c};
    const bool usesField[] = {true, knowns->b.has_value(), knowns->c.has_value()};
    for (int i = 0; i < 3; ++i) {
        if (usesField[i] && !std::isfinite(used[i])) guarded.Fault();
    }
    const RowOutcome outcome = EvaluateRow(guarded, target, *choice, a, b, c);
    const double value = static_cast<double>(outcome.value);
    if (guarded.Faulted() || !std::isfinite(value)) {
        result.invalid = true;
        return result;
    }

    result.resultA = outcome.zeroRule ? 0.0 : value;
    result.invalid = outcome.zeroRule;
    if (target == Q::Fc && (*choice == 0 || *choice == 1)) {
        result.resultB = static_cast<double>(kLuxPerFootcandle * result.resultA);
    }
    if (!IsLuxConversion(target, *choice)) {
        result.written[static_cast<std::size_t>(knowns->a)] = a;
        if (knowns->b) result.written[static_cast<std::size_t>(*knowns->b)] = b;
        if (knowns->c) result.written[static_cast<std::size_t>(*knowns->c)] = c;
        result.written[static_cast<std::size_t>(target)] = result.resultA;
    }
    return result;
}

PhotometricResult PhotometricCalculator::PhotoMetricCalculation(PhotometricQuantity target,
                                                                std::optional<int> choice, double a,
                                                                double b, double c) {
    PhotometricResult result = Evaluate(target, choice, a, b, c);
    for (int i = 0; i < kPhotometricQuantityCount; ++i) {
        if (result.written[static_cast<std::size_t>(i)]) {
            remembered_[static_cast<Q>(i)] = *result.written[static_cast<std::size_t>(i)];
        }
    }
    return result;
}

}  // namespace quillux::engine
