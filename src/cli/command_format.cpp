#include <algorithm>
#include <climits>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/number/format_float_value.h"

namespace quillux::cli {
namespace {

using engine::FloatFormat;

// Precision and digits are clamped by the conversion itself; only keep them inside an int.
int ToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int RunFormat(Arguments& arguments) {
    const double value = arguments.RequiredNumber("value");
    const std::string format =
        arguments.Choice("format", {"general", "exponent", "fixed"});
    const int precision = ToInt(arguments.RequiredInteger("precision"));
    const int digits = ToInt(arguments.RequiredInteger("digits"));
    arguments.Finish();

    const FloatFormat kind = format == "general"    ? FloatFormat::General
                             : format == "exponent" ? FloatFormat::Exponent
                                                    : FloatFormat::Fixed;
    PrintJson({{"text", engine::FormatFloatValue(value, kind, precision, digits)}});
    return 0;
}

const CommandRegistration kFormat({
    "format",
    "write a number as the program shows it",
    "--value V --format general|exponent|fixed --precision P --digits D\n"
    "  V uses \".\" as decimal separator and also accepts inf, -inf, nan",
    RunFormat,
});

}  // namespace
}  // namespace quillux::cli
