#include <climits>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/photometric/photometric_calculator.h"

namespace quillux::cli {
namespace {

using engine::PhotometricQuantity;

int RunPhotometric(Arguments& arguments) {
    const std::string letter =
        arguments.Choice("target", {"H", "V", "D", "F", "C", "K", "X", "Y", "Fc", "Cd", "Mf"});
    const long long choice = arguments.RequiredInteger("choice");
    const double a = arguments.RequiredNumber("a");
    const double b = arguments.NumberOr("b", 0);
    const double c = arguments.NumberOr("c", 0);
    arguments.Finish();

    const PhotometricQuantity target = *engine::PhotometricQuantityFromLetter(letter);
    // An index outside the target's list selects no formula, as an empty selector does.
    const std::optional<int> choiceIndex = choice >= 0 && choice <= INT_MAX
                                               ? std::optional<int>(static_cast<int>(choice))
                                               : std::nullopt;
    engine::PhotometricCalculator calculator;
    const engine::PhotometricResult result =
        calculator.PhotoMetricCalculation(target, choiceIndex, a, b, c);

    Json remembered = Json::object();
    for (int i = 0; i < engine::kPhotometricQuantityCount; ++i) {
        const auto& written = result.written[static_cast<std::size_t>(i)];
        if (written) {
            remembered[std::string(engine::PhotometricLetter(
                static_cast<PhotometricQuantity>(i)))] = NumberOrNull(*written);
        }
    }
    PrintJson({{"resultA", NumberOrNull(result.resultA)},
               {"resultB", NumberOrNull(result.resultB)},
               {"invalid", result.invalid},
               {"remembered", remembered}});
    return 0;
}

const CommandRegistration kPhotometric({
    "photometric",
    "one photometric formula: a luminaire aimed at its subject",
    "--target H|V|D|F|C|K|X|Y|Fc|Cd|Mf --choice N --a A [--b B] [--c C]\n"
    "  N is the position of the known quantities in the target's list, from 0;\n"
    "  A, B, C are the input fields in order (missing ones are 0); angles in degrees",
    RunPhotometric,
});

}  // namespace
}  // namespace quillux::cli
