#include <optional>
#include <string>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/electrical/phase_load.h"

namespace quillux::cli {
namespace {

using engine::WarningLevel;

const char* ColourName(WarningLevel level) {
    switch (level) {
        case WarningLevel::Yellow:
            return "yellow";
        case WarningLevel::Red:
            return "red";
        case WarningLevel::SkyBlue:
            break;
    }
    return "skyblue";
}

// The "Add" options: device count, watts per device and which working voltage is chosen
// (0 = the phase-to-phase entry of the list, 1 = the phase-to-neutral entry).
struct AddRequest {
    std::string count;
    std::string watts;
    int entry = 0;
};

std::optional<AddRequest> ReadAdd(Arguments& arguments) {
    const auto count = arguments.Integer("add");
    const auto watts = arguments.Number("watts");
    const auto working = arguments.Text("working");
    if (!count) {
        if (watts || working) throw UsageError("options --watts and --working need --add");
        return std::nullopt;
    }
    if (!watts) throw UsageError("missing option --watts");
    if (!working) throw UsageError("missing option --working");
    if (*working != "phase-phase" && *working != "phase-neutral") {
        throw UsageError("option --working does not take '" + *working + "'");
    }
    return AddRequest{std::to_string(*count), arguments.RequiredText("watts"),
                      *working == "phase-phase" ? 0 : 1};
}

int RunPhase3(Arguments& arguments) {
    engine::ThreePhaseInputs in;
    in.voltageText = arguments.RequiredText("voltage");
    in.maxAmpsPhase = arguments.RequiredNumber("max-amps");
    in.loadKvaXY = arguments.NumberOr("xy", 0);
    in.loadKvaYZ = arguments.NumberOr("yz", 0);
    in.loadKvaZX = arguments.NumberOr("zx", 0);
    in.loadKvaXN = arguments.NumberOr("xn", 0);
    in.loadKvaYN = arguments.NumberOr("yn", 0);
    in.loadKvaZN = arguments.NumberOr("zn", 0);
    const auto add = ReadAdd(arguments);
    arguments.Finish();

    engine::ThreePhaseLoad calculator;
    calculator.PhaseLoadCalculation(in);
    if (add) {
        calculator.ButtonApplyClick(calculator.WorkingVoltages()[add->entry], add->count,
                                    add->watts, in);
    }
    const engine::ThreePhaseResult& r = calculator.Result();
    PrintJson({
        {"voltageNeutral", r.voltageNeutralText},
        {"maxAvailableKVA", NumberOrNull(r.maxAvailableKVA)},
        {"loads",
         {{"xy", in.loadKvaXY},
          {"yz", in.loadKvaYZ},
          {"zx", in.loadKvaZX},
          {"xn", in.loadKvaXN},
          {"yn", in.loadKvaYN},
          {"zn", in.loadKvaZN}}},
        {"ampsXY", r.ampsXYText},
        {"ampsYZ", r.ampsYZText},
        {"ampsZX", r.ampsZXText},
        {"ampsXN", r.ampsXNText},
        {"ampsYN", r.ampsYNText},
        {"ampsZN", r.ampsZNText},
        {"ampsX", r.ampsXText},
        {"ampsY", r.ampsYText},
        {"ampsZ", r.ampsZText},
        {"ampsN", r.ampsNText},
        {"percentX", r.percentXDisplay.text},
        {"percentY", r.percentYDisplay.text},
        {"percentZ", r.percentZDisplay.text},
        {"percentN", r.percentNDisplay.text},
        {"totalLoadKVA", r.totalLoadText},
        {"percentAvailable", r.percentAvailableDisplay.text},
        {"colours",
         {{"percentX", ColourName(r.percentXDisplay.level)},
          {"percentY", ColourName(r.percentYDisplay.level)},
          {"percentZ", ColourName(r.percentZDisplay.level)},
          {"percentN", ColourName(r.percentNDisplay.level)},
          {"percentAvailable", ColourName(r.percentAvailableDisplay.level)}}},
    });
    return 0;
}

int RunPhase1(Arguments& arguments) {
    engine::SinglePhaseInputs in;
    in.voltageText = arguments.RequiredText("voltage");
    in.maxAmpsPhase1 = arguments.RequiredNumber("max-amps");
    in.loadKvaXN1 = arguments.NumberOr("xn", 0);
    in.loadKvaYN1 = arguments.NumberOr("yn", 0);
    in.loadKvaXY1 = arguments.NumberOr("xy", 0);
    const auto add = ReadAdd(arguments);
    arguments.Finish();

    engine::SinglePhaseLoad calculator;
    calculator.PhaseLoadCalculationSingle(in);
    if (add) {
        calculator.ButtonApply1Click(calculator.WorkingVoltages()[add->entry], add->count,
                                     add->watts, in);
    }
    const engine::SinglePhaseResult& r = calculator.Result();
    PrintJson({
        {"voltageNeutral", r.voltageNeutralText},
        {"maxAvailableKVA", NumberOrNull(r.maxAvailableKVA1)},
        {"loads", {{"xn", in.loadKvaXN1}, {"yn", in.loadKvaYN1}, {"xy", in.loadKvaXY1}}},
        {"ampsXY", r.ampsXYText},
        {"ampsXN", r.ampsXNText},
        {"ampsYN", r.ampsYNText},
        {"ampsX", r.ampsXText},
        {"ampsY", r.ampsYText},
        {"ampsN", r.ampsNText},
        {"percentX", r.percentXDisplay.text},
        {"percentY", r.percentYDisplay.text},
        {"percentN", r.percentNDisplay.text},
        {"totalLoadKVA", r.totalLoadText},
        {"percentAvailable", r.percentAvailableDisplay.text},
        {"colours",
         {{"percentX", ColourName(r.percentXDisplay.level)},
          {"percentY", ColourName(r.percentYDisplay.level)},
          {"percentN", ColourName(r.percentNDisplay.level)},
          {"percentAvailable", ColourName(r.percentAvailableDisplay.level)}}},
    });
    return 0;
}

const CommandRegistration kPhase3({
    "phase3",
    "three-phase load balance with the neutral current",
    "--voltage TEXT --max-amps A [--xy K] [--yz K] [--zx K] [--xn K] [--yn K] [--zn K]\n"
    "  [--add N --watts W --working phase-phase|phase-neutral]\n"
    "  loads in kVA; --add adds N devices of W watts at the chosen working voltage",
    RunPhase3,
});

const CommandRegistration kPhase1({
    "phase1",
    "single-phase (split-phase) load balance",
    "--voltage TEXT --max-amps A [--xn K] [--yn K] [--xy K]\n"
    "  [--add N --watts W --working phase-phase|phase-neutral]\n"
    "  loads in kVA; --add adds N devices of W watts at the chosen working voltage",
    RunPhase1,
});

}  // namespace
}  // namespace quillux::cli
