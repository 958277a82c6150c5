#pragma once

#include <array>
#include <optional>

#include "engine/photometric/photometric_quantity.h"

namespace quillux::engine {

// The module-wide remembered values of the photometric calculator, one per quantity, lengths
// in the user's unit, angles in degrees, Fc in footcandles, Cd in candelas.
struct PhotometricRememberedValues {
    double Ph_H = 0;
    double Ph_V = 0;
    double Ph_D = 0;
    double Ph_F = 0;
    double Ph_C = 0;
    double Ph_K = 0;
    double Ph_X = 0;
    double Ph_Y = 0;
    double Ph_Fc = 0;
    double Ph_Cd = 0;
    double Ph_Mf = 0;

    double& operator[](PhotometricQuantity quantity);
    double operator[](PhotometricQuantity quantity) const;
};

struct PhotometricResult {
    // The target's value; for "Footcandles" (target Fc, choice 3) the illuminance in lux.
    double resultA = 0;
    // The illuminance in lux for the two Fc choices from D and Cd; 0 otherwise.
    double resultB = 0;
    // The evaluation faulted (or hit the zero rule of D from Cd and Fc): the window shows
    // "Invalide Entry!!!".
    bool invalid = false;
    // What this evaluation wrote into the remembered values, indexed by quantity.
    std::array<std::optional<double>, kPhotometricQuantityCount> written{};
};

// One luminaire and its subject: the thirty-nine formulas chosen by (target, choice) and the
// remembered values they write. Owned by the photometric window; the values outlive it
// through the setup record.
class PhotometricCalculator {
public:
    PhotometricRememberedValues& Remembered() { return remembered_; }
    const PhotometricRememberedValues& Remembered() const { return remembered_; }

    // "&Clear All Fields": every remembered value back to 0.
    void ClearAll() { remembered_ = {}; }

    // Evaluates the row (target, choice) with the three field values A, B and C, and writes
    // the row's remembered values when it succeeds. A choice outside the target's list, or
    // none, gives two zero results and writes nothing.
    PhotometricResult PhotoMetricCalculation(PhotometricQuantity target, std::optional<int> choice,
                                             double a, double b, double c);

    // The same evaluation without touching any remembered value.
    static PhotometricResult Evaluate(PhotometricQuantity target, std::optional<int> choice,
                                      double a, double b, double c);

private:
    PhotometricRememberedValues remembered_;
};

}  // namespace quillux::engine
