#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/rigging/two_point_bridle.h"

namespace quillux::cli {
namespace {

using engine::BridleMode;

int RunBridle(Arguments& arguments) {
    const std::string mode = arguments.Choice("mode", {"length", "position"});
    engine::BridleInputs in;
    in.RigAx = arguments.RequiredNumber("ax");
    in.RigAy = arguments.RequiredNumber("ay");
    in.RigBy = arguments.RequiredNumber("by");
    in.RigAx1 = arguments.NumberOr("ax1", 0);
    in.RigLegA = arguments.NumberOr("leg-a", 0);
    in.RigLegB = arguments.NumberOr("leg-b", 0);
    in.RigHeight1 = arguments.NumberOr("h1", 0);
    in.RigTM = arguments.NumberOr("tm", 0);
    in.RigStage = arguments.NumberOr("stage", 0);
    in.RigWeight = arguments.NumberOr("weight", 0);
    arguments.Finish();

    const engine::BridleResult r = engine::TwoPointBridle::Evaluate(
        mode == "length" ? BridleMode::BridleLength : BridleMode::PointPosition, in);
    const engine::BridleTexts& t = r.texts;
    PrintJson({{"valid", r.valid},
               {"heightAvailable", t.heightAvailable},
               {"legA", t.legA},
               {"legB", t.legB},
               {"ax1", t.ax1},
               {"bx1", t.bx1},
               {"h1", t.h1},
               {"angleA", t.angleA},
               {"angleB", t.angleB},
               {"angle", t.angle},
               {"la", t.la},
               {"lax", t.lax},
               {"lay", t.lay},
               {"lb", t.lb},
               {"lbx", t.lbx},
               {"lby", t.lby},
               {"angleWarning", r.angleWarning}});
    return 0;
}

const CommandRegistration kBridle({
    "bridle",
    "two-point bridle: leg lengths or point position, angles and loads",
    "--mode length|position --ax N --ay N --by N [--ax1 N] [--leg-a N] [--leg-b N] [--h1 N]\n"
    "  [--tm N] [--stage N] [--weight N]\n"
    "  length mode reads --ax1 and --h1, position mode --leg-a and --leg-b; missing values are 0",
    RunBridle,
});

}  // namespace
}  // namespace quillux::cli
