#include <string>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/electrical/voltage_drop.h"

namespace quillux::cli {
namespace {

using engine::DropFocus;
using engine::VoltageDropInputs;
using engine::WirePhase;

int ReadGauge(Arguments& arguments) {
    const long long position = arguments.RequiredInteger("gauge");
    if (position < 0 || position >= engine::kWireGaugeCount) {
        throw UsageError("option --gauge takes a gauge list position from 0 to 43");
    }
    return static_cast<int>(position);
}

// The allowed drop is typed either in volts or in per cent; the box typed into drives the
// other one, as in the window.
struct AllowedDrop {
    double volts = 1;
    double percent = 1;
    bool inPercent = false;
};

AllowedDrop ReadAllowedDrop(Arguments& arguments) {
    const auto volts = arguments.Number("drop-volts");
    const auto percent = arguments.Number("drop-percent");
    if (volts && percent) throw UsageError("give either --drop-volts or --drop-percent, not both");
    if (!volts && !percent) throw UsageError("missing option --drop-volts or --drop-percent");
    AllowedDrop drop;
    if (volts) drop.volts = *volts;
    if (percent) {
        drop.percent = *percent;
        drop.inPercent = true;
    }
    return drop;
}

int RunVdrop(Arguments& arguments) {
    const std::string mode = arguments.Subcommand({"drop", "size", "distance"});
    VoltageDropInputs in;
    in.material = arguments.Choice("material", {"copper", "aluminium"}, "copper") == "copper"
                      ? engine::WireMaterial::Copper
                      : engine::WireMaterial::Aluminium;
    in.unit = arguments.Choice("unit", {"feet", "meter"}, "feet") == "feet"
                  ? engine::DistanceUnit::Feet
                  : engine::DistanceUnit::Meter;
    const WirePhase phase = arguments.Choice("phase", {"single", "three"}) == "single"
                                ? WirePhase::Single
                                : WirePhase::Three;
    const double volts = arguments.RequiredNumber("volts");
    const double amps = arguments.RequiredNumber("amps");

    Json output;
    engine::VoltageDrop calculator;
    if (mode == "drop") {
        in.dropPhase = phase;
        in.dropInputVolt = volts;
        in.dropAmps = amps;
        in.dropDistance = arguments.RequiredNumber("distance");
        in.dropGauge = ReadGauge(arguments);
        arguments.Finish();
        const auto& r = calculator.VoltageDropCalculate(in);
        output = {{"drop", r.dropText}, {"percent", r.dropPercentText}};
    } else if (mode == "size") {
        in.sizePhase = phase;
        in.sizeInputVolt = volts;
        in.sizeAmps = amps;
        in.sizeDistance = arguments.RequiredNumber("distance");
        const AllowedDrop drop = ReadAllowedDrop(arguments);
        arguments.Finish();
        in.sizeDropVolts = drop.volts;
        in.sizeDropPercent = drop.percent;
        in.focus = drop.inPercent ? DropFocus::WireSizePercent : DropFocus::WireSizeVolts;
        const auto& r = calculator.VoltageDropCalculate(in);
        output = {{"cmils", r.cmilText}, {"wireSize", r.wireSizeText}};
    } else {
        in.distancePhase = phase;
        in.distanceInputVolt = volts;
        in.distanceAmps = amps;
        const AllowedDrop drop = ReadAllowedDrop(arguments);
        in.distanceGauge = ReadGauge(arguments);
        arguments.Finish();
        in.distanceDropVolts = drop.volts;
        in.distanceDropPercent = drop.percent;
        in.focus = drop.inPercent ? DropFocus::DistancePercent : DropFocus::DistanceVolts;
        const auto& r = calculator.VoltageDropCalculate(in);
        output = {{"distance", r.distanceText}};
    }
    PrintJson(output);
    return 0;
}

const CommandRegistration kVdrop({
    "vdrop",
    "cable voltage drop, wire size and distance",
    "drop|size|distance --phase single|three [--material copper|aluminium] [--unit feet|meter]\n"
    "  drop:     --volts V --amps I --distance L --gauge POS\n"
    "  size:     --volts V --amps I --distance L (--drop-volts X | --drop-percent P)\n"
    "  distance: --volts V --amps I (--drop-volts X | --drop-percent P) --gauge POS\n"
    "  POS is the gauge list position, 0 (0000 AWG) to 43 (40 AWG)",
    RunVdrop,
});

}  // namespace
}  // namespace quillux::cli
