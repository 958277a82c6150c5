#include <cstdio>
#include <filesystem>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/refdata/fixture_fields.h"
#include "engine/table/list_kinds.h"
#include "engine/table/table_file.h"

namespace quillux::cli {
namespace {

using engine::TableKind;

std::set<std::string> KindNames() {
    std::set<std::string> names;
    for (const TableKind kind : engine::AllTableKinds()) names.insert(std::string(engine::KindName(kind)));
    return names;
}

// Reads the file as the table of that kind would; fixtures as the user fixture table does,
// so their derived fields come from their sources. No sort: records keep the file's order.
std::unique_ptr<engine::Table> ReadKind(TableKind kind, const std::string& file, engine::TableReadResult& result) {
    auto table = engine::MakeTable(kind, "Table");
    if (kind == TableKind::Fixture) table->SetCalcFields(engine::MakeFixtureCalcFields(*table));
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        result.complete = false;
        result.error = "Cannot open file \"" + file + "\": it is a folder";
        return table;
    }
    result = engine::LoadTableFromFile(*table, file);
    return table;
}

int PrintReadError(const engine::TableReadResult& result) {
    PrintJson({{"error", result.error}});
    return 1;
}

int RunTable(Arguments& arguments) {
    const std::string action = arguments.Subcommand({"check", "convert"});
    const std::string kindName = arguments.Choice("kind", KindNames());
    const std::string file = arguments.RequiredText("file");
    std::string to;
    if (action == "convert") to = arguments.Choice("to", {"table", "export"});
    arguments.Finish();

    const TableKind kind = *engine::KindFromName(kindName);
    engine::TableReadResult result;
    const auto table = ReadKind(kind, file, result);
    if (!result.complete) return PrintReadError(result);

    if (action == "check") {
        PrintJson({{"records", table->TotalRecordCount()}});
        return 0;
    }
    const std::string text = engine::WriteTableText(
        *table, to == "export" ? engine::TableFileFormat::Export : engine::TableFileFormat::Table);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    return 0;
}

const CommandRegistration kTable({
    "table",
    "check a table or list file, or re-write it in the table file or export format",
    "check|convert --kind fixture|manufacturer|roadcase|loadlist|rigging|weight|truck|dmx --file F "
    "[--to table|export]\n"
    "  check: {\"records\": N}; convert: the table written on standard output",
    RunTable,
});

}  // namespace
}  // namespace quillux::cli
