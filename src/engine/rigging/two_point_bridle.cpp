#include "engine/rigging/two_point_bridle.h"

#include <cmath>
#include <numbers>

#include "engine/number/format_float_value.h"

namespace quillux::engine {

namespace {

// Angles go through extended precision so that a leg lying flat comes out at exactly 90° and
// a hanging one at exactly 0°, which the load rules compare against.
constexpr long double kRadiansToDegrees = 180.0L / std::numbers::pi_v<long double>;
constexpr long double kDegreesToRadians = std::numbers::pi_v<long double> / 180.0L;

double NonNegative(double value) {
    return value > 0 ? value : 0;  // also turns NaN into 0
}

double ArcCosDegrees(double ratio) {
    return static_cast<double>(std::acos(static_cast<long double>(ratio)) * kRadiansToDegrees);
}

long double Rad(double degrees) { return degrees * kDegreesToRadians; }

void BridleLengthMode(BridleValues& v) {
    v.RigAy1 = v.RigStage + v.RigHeight1 + v.RigTM;
    v.RigAy3 = v.RigBy - v.RigAy;
    v.RigAy2 = v.RigAy - v.RigAy1;
    v.RigBy1 = v.RigAy1;
    v.RigBy2 = v.RigBy - v.RigBy1;
    v.RigBx1 = v.RigAx - v.RigAx1;
    v.RigLegA = std::sqrt(v.RigAx1 * v.RigAx1 + v.RigAy2 * v.RigAy2);
    v.RigLegB = std::sqrt(v.RigBx1 * v.RigBx1 + v.RigBy2 * v.RigBy2);
    v.RigBridle = v.RigBy2;
    v.RigAx2 = std::sqrt(v.RigAx * v.RigAx + v.RigAy3 * v.RigAy3);
    v.RigX1 = -v.RigAx1;
    v.RigY1 = v.RigAy - v.RigTM - v.RigHeight1 - v.RigStage;
    v.RigX2 = v.RigBx1;
    v.RigY2 = v.RigBy - v.RigTM - v.RigHeight1 - v.RigStage;

    v.RigAngleLegA = v.RigLegA != 0 ? ArcCosDegrees(v.RigY1 / v.RigLegA) : 0;
    v.RigAngleLegB = v.RigLegB != 0 ? ArcCosDegrees(v.RigY2 / v.RigLegB) : 0;
    v.RigAngleLegAB = (v.RigLegA != 0 && v.RigLegB != 0) ? v.RigAngleLegA + v.RigAngleLegB : 0;

    // Force balance of the point: equal horizontal pulls, vertical parts adding up to the
    // weight.
    const double den = v.RigY1 * v.RigX2 + (-v.RigX1) * v.RigY2;
    if (den != 0) {
        v.RigLA = v.RigWeight * v.RigLegA * v.RigBx1 / den;
        v.RigLB = v.RigWeight * v.RigLegB * (-v.RigX1) / den;
    }
    v.RigLAy = static_cast<double>(std::cos(Rad(v.RigAngleLegA)) * v.RigLA);
    v.RigLBy = static_cast<double>(std::cos(Rad(v.RigAngleLegB)) * v.RigLB);
    v.RigLAx = static_cast<double>(std::sin(Rad(v.RigAngleLegA)) * v.RigLA);
    v.RigLBx = static_cast<double>(std::sin(Rad(v.RigAngleLegB)) * v.RigLB);
}

void PointPositionMode(BridleValues& v) {
    v.RigAy3 = v.RigBy - v.RigAy;

    // Intersect the circles of radius leg A around beam A and leg B around beam B, taking the
    // intersection below the line between the beams.
    const double s = v.RigAx * v.RigAx + v.RigAy3 * v.RigAy3;
    const double q = 2 * v.RigAx * v.RigAx + 2 * v.RigAy3 * v.RigAy3;
    if (q != 0) {
        const double along = s + v.RigLegA * v.RigLegA - v.RigLegB * v.RigLegB;
        v.RigDx = along * v.RigAx / q;
        v.RigDy = along * v.RigAy3 / q;
    }
    const double dx2 = v.RigDx * v.RigDx;
    const double dy2 = v.RigDy * v.RigDy;
    if (dy2 != 0 && dx2 / dy2 + 1 != 0) {
        const double r = (v.RigLegA * v.RigLegA - dx2 - dy2) / (dx2 / dy2 + 1);
        v.RigFx = r >= 0 ? std::sqrt(r) : 0;
    }
    v.RigAx1 = v.RigLegA > 0 ? v.RigDx + v.RigFx : 0;

    const double radicandA = v.RigLegA * v.RigLegA - v.RigAx1 * v.RigAx1;
    v.RigAy2 = radicandA >= 0 ? std::sqrt(radicandA) : 0;
    v.RigBx1 = v.RigAx - v.RigAx1;
    const double radicandB = v.RigLegB * v.RigLegB - v.RigBx1 * v.RigBx1;
    v.RigBy2 = radicandB >= 0 ? std::sqrt(radicandB) : 0;
    v.RigAx2 = std::sqrt(v.RigAx * v.RigAx + v.RigAy3 * v.RigAy3);
    v.RigBridle = v.RigBy2 > 0 ? v.RigBy2 : 0;
    v.RigHeight1 = v.RigBy - v.RigTM - v.RigStage - v.RigBridle;

    v.RigAngleLegA = v.RigLegA != 0 ? ArcCosDegrees(v.RigAy2 / v.RigLegA) : 0;
    v.RigAngleLegB = v.RigLegB != 0 ? ArcCosDegrees(v.RigBy2 / v.RigLegB) : 0;
    v.RigAngleLegAB = v.RigAngleLegA + v.RigAngleLegB;

    const long double tA = std::tan(Rad(v.RigAngleLegA));
    const long double tB = std::tan(Rad(v.RigAngleLegB));
    if (tA + tB != 0) {
        v.RigLAx = static_cast<double>(tB * (tA * v.RigWeight) / (tA + tB));
        v.RigLBx = v.RigLAx;
    }
    v.RigLAy = tA != 0 ? static_cast<double>(v.RigLAx / tA) : 0;
    v.RigLBy = tB != 0 ? static_cast<double>(v.RigLBx / tB) : 0;
    const long double sinA = std::sin(Rad(v.RigAngleLegA));
    const long double sinB = std::sin(Rad(v.RigAngleLegB));
    v.RigLA = sinA != 0 ? static_cast<double>(v.RigLAx / sinA) : 0;
    v.RigLB = sinB != 0 ? static_cast<double>(v.RigLBx / sinB) : 0;

    // A leg hanging straight down takes the whole weight and the other leg none: that is the
    // limit of the formulas above, which read 0/0 there. (Covers the 90°/0° and 0°/90° pairs
    // and equally a vertical leg beside a slanted one, which would otherwise show no load at
    // all, unlike the same point computed in bridle-length mode.)
    const bool aVertical = v.RigAngleLegA == 0;
    const bool bVertical = v.RigAngleLegB == 0;
    if (aVertical != bVertical) {
        double& verticalL = aVertical ? v.RigLA : v.RigLB;
        double& verticalLx = aVertical ? v.RigLAx : v.RigLBx;
        double& verticalLy = aVertical ? v.RigLAy : v.RigLBy;
        double& otherL = aVertical ? v.RigLB : v.RigLA;
        double& otherLx = aVertical ? v.RigLBx : v.RigLAx;
        double& otherLy = aVertical ? v.RigLBy : v.RigLAy;
        verticalLx = 0;
        verticalL = verticalLy = v.RigWeight;
        otherL = otherLx = otherLy = 0;
    }
}

bool IsValid(BridleMode mode, const BridleValues& v) {
    return v.RigBridle > 0 && v.RigAx1 <= v.RigAx && v.RigAx > 0 && v.RigAx1 >= 0 &&
           v.RigLegA + v.RigLegB >= v.RigAx2 && v.RigHeight1 >= 0 && v.RigAngleLegAB <= 180 &&
           v.RigAngleLegA <= 90 && v.RigAngleLegB <= 90 &&
           (mode != BridleMode::PointPosition || v.RigBy2 >= v.RigAy3);
}

}  // namespace

BridleResult TwoPointBridle::Evaluate(BridleMode mode, const BridleInputs& inputs,
                                      std::string_view decimalSeparator) {
    BridleResult result;
    BridleValues& v = result.values;
    v.RigAx = NonNegative(inputs.RigAx);
    v.RigAy = NonNegative(inputs.RigAy);
    v.RigBy = NonNegative(inputs.RigBy);
    v.RigTM = NonNegative(inputs.RigTM);
    v.RigStage = NonNegative(inputs.RigStage);
    v.RigWeight = NonNegative(inputs.RigWeight);
    if (mode == BridleMode::BridleLength) {
        v.RigAx1 = NonNegative(inputs.RigAx1);
        v.RigHeight1 = NonNegative(inputs.RigHeight1);
        BridleLengthMode(v);
    } else {
        v.RigLegA = NonNegative(inputs.RigLegA);
        v.RigLegB = NonNegative(inputs.RigLegB);
        PointPositionMode(v);
    }
    result.valid = IsValid(mode, v);
    result.angleWarning = result.valid && v.RigAngleLegAB > 120;

    BridleTexts& t = result.texts;
    if (!result.valid) {
        const std::string na(kBridleNotAvailable);
        t = {na, na, na, na, na, na, na, na, na, na, na, na, na, na, na};
        return result;
    }
    auto number = [&](double value, int digits = 1) {
        return FormatFloatValue(value, FloatFormat::Fixed, 15, digits, decimalSeparator);
    };
    auto angle = [&](double value) { return number(value) + "\u00B0"; };
    t.heightAvailable = number(v.RigBridle);
    t.legA = number(v.RigLegA);
    t.legB = number(v.RigLegB);
    t.ax1 = number(v.RigAx1);
    t.bx1 = number(v.RigBx1, mode == BridleMode::BridleLength ? 2 : 1);
    t.h1 = number(v.RigHeight1);
    t.angleA = angle(v.RigAngleLegA);
    t.angleB = angle(v.RigAngleLegB);
    t.angle = angle(v.RigAngleLegAB);
    t.la = number(v.RigLA);
    t.lax = number(v.RigLAx);
    t.lay = number(v.RigLAy);
    t.lb = number(v.RigLB);
    t.lbx = number(v.RigLBx);
    t.lby = number(v.RigLBy);
    return result;
}

}  // namespace quillux::engine
