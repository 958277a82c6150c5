#pragma once

#include <string>
#include <string_view>

namespace quillux::engine {

enum class BridleMode {
    BridleLength,   // "Looking for bridles length": the point is placed, the legs come out
    PointPosition,  // "Looking for point position": the legs are given, the point comes out
};

// The boxes of the rigging window. Lengths share one unit, the weight any unit; heights are
// measured up from the floor. A negative (or unreadable) value counts as 0.
struct BridleInputs {
    double RigAx = 0;       // beam A to beam B, horizontally
    double RigAy = 0;       // height of beam A's hanging point (never above beam B)
    double RigBy = 0;       // height of beam B's hanging point
    double RigAx1 = 0;      // beam A to the point, horizontally (bridle-length mode)
    double RigLegA = 0;     // leg A (point-position mode)
    double RigLegB = 0;     // leg B (point-position mode)
    double RigHeight1 = 0;  // clearance stage to bottom of truss and motors (bridle-length mode)
    double RigTM = 0;       // height of truss and motors below the point
    double RigStage = 0;    // stage deck above the floor
    double RigWeight = 0;   // load hanging from the point
};

// Every value of one evaluation; angles in degrees from the vertical. A value the mode neither
// reads nor computes is 0.
struct BridleValues {
    double RigAx = 0, RigAy = 0, RigBy = 0, RigAx1 = 0, RigLegA = 0, RigLegB = 0;
    double RigHeight1 = 0, RigTM = 0, RigStage = 0, RigWeight = 0;
    double RigAy1 = 0, RigAy2 = 0, RigAy3 = 0, RigBy1 = 0, RigBy2 = 0, RigBx1 = 0, RigAx2 = 0;
    double RigBridle = 0;
    double RigX1 = 0, RigY1 = 0, RigX2 = 0, RigY2 = 0;
    double RigDx = 0, RigDy = 0, RigFx = 0;
    double RigAngleLegA = 0, RigAngleLegB = 0, RigAngleLegAB = 0;
    double RigLA = 0, RigLAx = 0, RigLAy = 0;
    double RigLB = 0, RigLBx = 0, RigLBy = 0;
};

// The texts of the result labels (and of the boxes the calculation writes back); "N/A" in
// every one of them when the configuration is not valid.
struct BridleTexts {
    std::string heightAvailable, legA, legB, ax1, bx1, h1;
    std::string angleA, angleB, angle;
    std::string la, lax, lay, lb, lbx, lby;
};

struct BridleResult {
    BridleValues values;
    bool valid = false;
    // The total angle is over 120°: highlight it and show the two-line note.
    bool angleWarning = false;
    BridleTexts texts;
};

inline constexpr std::string_view kBridleAngleNoteLine1 =
    "According to rigging rules, the total bridle ";
inline constexpr std::string_view kBridleAngleNoteLine2 = "angle should not exceed 120\u00B0";
inline constexpr std::string_view kBridleNotAvailable = "N/A";

// The two-point bridle: one evaluation in the given mode, with the texts the rigging window
// shows (decimal separator as given).
class TwoPointBridle {
public:
    static BridleResult Evaluate(BridleMode mode, const BridleInputs& inputs,
                                 std::string_view decimalSeparator = ".");
};

}  // namespace quillux::engine
