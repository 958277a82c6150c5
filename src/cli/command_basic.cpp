#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/electrical/basic_formula.h"

namespace quillux::cli {
namespace {

int RunBasic(Arguments& arguments) {
    const long long formula = arguments.RequiredInteger("formula");
    const double a = arguments.RequiredNumber("a");
    const double b = arguments.RequiredNumber("b");
    arguments.Finish();
    if (formula < 1 || formula > engine::kBasicFormulaCount) {
        throw UsageError("option --formula takes 1 to 12, the formula's number in the report");
    }
    PrintJson({{"text", engine::BasicFormulaResultText(static_cast<int>(formula), a, b)}});
    return 0;
}

const CommandRegistration kBasic({
    "basic",
    "one of the twelve basic electrical formulas",
    "--formula N --a A --b B\n"
    "  N is the formula's number in the printed report:\n"
    "  1 P=I²×R  2 P=E²/R  3 P=E×I  4 I=√(P/R)  5 I=P/E  6 I=E/R\n"
    "  7 E=I×R  8 E=P/I  9 E=√(P×R)  10 R=E/I  11 R=E²/P  12 R=P/I²",
    RunBasic,
});

}  // namespace
}  // namespace quillux::cli
