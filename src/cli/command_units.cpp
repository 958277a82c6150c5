#include <string>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/converter/unit_conversion.h"
#include "engine/number/format_float_value.h"

namespace quillux::cli {
namespace {

const std::set<std::string>& CategoryKeys() {
    static const std::set<std::string> keys = [] {
        std::set<std::string> all;
        for (auto category : engine::kUnitCategories) {
            all.emplace(engine::UnitCategoryKey(category));
        }
        return all;
    }();
    return keys;
}

engine::UnitCategory ReadCategory(Arguments& arguments) {
    return *engine::UnitCategoryFromKey(arguments.Choice("category", CategoryKeys()));
}

int RunUnits(Arguments& arguments) {
    const auto category = ReadCategory(arguments);
    arguments.Finish();
    PrintJson({{"units", engine::UnitNames(category)}});
    return 0;
}

// An index far outside any list stays outside it once narrowed to an int.
int ToIndex(long long index) {
    if (index < -1) return -1;
    if (index > 1000) return 1000;
    return static_cast<int>(index);
}

int RunConvert(Arguments& arguments) {
    const auto category = ReadCategory(arguments);
    const int from = ToIndex(arguments.RequiredInteger("from"));
    const int to = ToIndex(arguments.RequiredInteger("to"));
    const double value = arguments.RequiredNumber("value");
    arguments.Finish();
    const auto result = engine::ConvertUnit(category, from, to, value);
    if (!result) {
        PrintJson({{"value", nullptr}, {"text", nullptr}});
    } else {
        PrintJson(
            {{"value", NumberOrNull(*result)},
             {"text", engine::FormatFloatValue(*result, engine::FloatFormat::General, 15, 0)}});
    }
    return 0;
}

const CommandRegistration kUnits({
    "units",
    "unit names of a converter category, in list order",
    "--category mass|volume|time|speed|area|length|light|temperature",
    RunUnits,
});

const CommandRegistration kConvert({
    "convert",
    "convert a value between two units of a category",
    "--category C --from I --to J --value V\n"
    "  I and J are list indexes from 0 (see `quillux-calc units`)",
    RunConvert,
});

}  // namespace
}  // namespace quillux::cli
