#include <sstream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/resistor/resistor_color_code.h"

namespace quillux::cli {
namespace {

using engine::ResistorBand;
using engine::ResistorColour;

ResistorColour ReadColour(const std::string& option, const std::string& name) {
    const auto colour = engine::ResistorColourByName(name);
    if (!colour)
        throw UsageError("option --" + option + " does not know the colour '" + name + "'");
    return *colour;
}

void Click(engine::ResistorColorCode& calculator, ResistorBand band, ResistorColour colour,
           const std::string& option) {
    if (!calculator.ClickSwatch(band, colour)) {
        static const char* const kBandNames[] = {"A", "B", "C", "D"};
        throw UsageError("option --" + option + ": band " + kBandNames[static_cast<int>(band)] +
                         " has no " + engine::ResistorColourData(colour).name + " swatch");
    }
}

int RunResistor(Arguments& arguments) {
    const std::string mode = arguments.Subcommand({"value", "bands"});
    engine::ResistorColorCode calculator;
    calculator.FirstActivation(0);
    if (mode == "value") {
        const double value = arguments.RequiredNumber("value");
        const std::string unit = arguments.Choice("unit", {"ohms", "kiloohms", "megaohms"});
        const std::string tolerance = arguments.Text("tolerance").value_or("Brown");
        arguments.Finish();
        Click(calculator, ResistorBand::D, ReadColour("tolerance", tolerance), "tolerance");
        calculator.ChooseUnit(unit == "ohms"       ? engine::ResistanceUnit::Ohms
                              : unit == "kiloohms" ? engine::ResistanceUnit::KiloOhms
                                                   : engine::ResistanceUnit::MegaOhms);
        calculator.EntryTyped(value);
    } else {
        const std::string list = arguments.RequiredText("bands");
        arguments.Finish();
        std::vector<std::string> names;
        std::stringstream stream(list);
        for (std::string name; std::getline(stream, name, ',');) names.push_back(name);
        if (names.size() != 4) throw UsageError("option --bands needs four colours");
        const ResistorBand bands[] = {ResistorBand::A, ResistorBand::B, ResistorBand::C,
                                      ResistorBand::D};
        for (int i = 0; i < 4; ++i)
            Click(calculator, bands[i], ReadColour("bands", names[i]), "bands");
    }
    const engine::ResistorResult& r = calculator.Result();
    Json bands = Json::array();
    for (ResistorColour colour : r.bands) bands.push_back(engine::ResistorColourData(colour).name);
    PrintJson({{"bands", bands},
               {"ohms", r.ohmsText},
               {"kiloohms", r.kiloOhmsText},
               {"megaohms", r.megaOhmsText},
               {"entry", NumberOrNull(calculator.EntryField())}});
    return 0;
}

const CommandRegistration kResistor({
    "resistor",
    "resistor colour code, value to bands and back",
    "value --value V --unit ohms|kiloohms|megaohms [--tolerance COLOUR]\n"
    "  | bands --bands COLOUR,COLOUR,COLOUR,COLOUR\n"
    "  colours: Black Brown Red Orange Yellow Green Blue Purple Gray White Gold Silver "
    "\"No Color\"",
    RunResistor,
});

}  // namespace
}  // namespace quillux::cli
