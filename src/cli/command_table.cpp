#include <cstdio>

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
    for (const TableKind kind : engine::AllTableKinds())
        names.insert(std::string(engine::KindName(kind)));
    return names;
}

// A table of the kind with what reading needs: fixtures are read as the user fixture table
// is, so their derived fields come from their sources; list kinds keep their stored values.
std::unique_ptr<engine::Table> EmptyTableOf(TableKind kind) {
    auto table = engine::MakeTable(kind, "Table");
    if (kind == TableKind::Fixture) table->SetCalcFields(engine::MakeFixtureCalcFields(*table));
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

    const auto table = EmptyTableOf(*engine::KindFromName(kindName));
    const auto format =
        to == "export" ? engine::TableFileFormat::Export : engine::TableFileFormat::Table;
    // Records are taken one by one in the file's order (no sort) and not kept; nothing is
    // printed before the whole file has been read.
    std::string text;
    if (action == "convert") engine::WriteTableHeader(*table, format, text);
    const auto result = engine::ScanTableFile(*table, file, [&](const engine::Record& record) {
        if (action == "convert") engine::WriteRecordLine(*table, record, format, text);
    });
    if (!result.complete) return PrintReadError(result);

    if (action == "check") {
        PrintJson({{"records", result.recordsRead}});
        return 0;
    }
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
