#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/fixtures/qxf_import.h"
#include "engine/refdata/fixture_fields.h"
#include "engine/table/atomic_file.h"
#include "engine/table/list_kinds.h"
#include "engine/table/table_file.h"

namespace quillux::cli {
namespace {

namespace fs = std::filesystem;
using engine::QxfImportResult;
using engine::Table;
using engine::TableKind;

// Skipped files go to standard error, one line each, so that standard output stays a clean
// table file.
void ReportSkipped(const QxfImportResult& result) {
    for (const auto& skipped : result.skipped) {
        std::cerr << "skipped " << skipped.file.string() << ": " << skipped.reason << '\n';
    }
}

// Nothing usable at all (a missing path, or only damaged files) is a failure; an empty
// folder is not: it gives empty tables.
bool NothingUsable(const QxfImportResult& result) {
    return result.filesImported == 0 && !result.skipped.empty();
}

int PrintError(const std::string& message) {
    // Paths come from the user and need not be UTF-8.
    std::cout << Json{{"error", message}}.dump(-1, ' ', false, Json::error_handler_t::replace)
              << '\n';
    return 1;
}

// The shipped tables as the program keeps them: sorted on their name field, derived fields
// computed.
std::unique_ptr<Table> FixtureTable(std::vector<engine::Record> records) {
    auto table = engine::MakeTable(TableKind::Fixture, "TableFixture");
    table->SetCalcFields(engine::MakeFixtureCalcFields(*table));
    table->SetSort("FixtureName");
    table->AppendRecords(std::move(records));
    return table;
}

std::unique_ptr<Table> ManufacturerTable(const std::vector<engine::Record>& fixtureRecords) {
    auto table = engine::MakeTable(TableKind::Manufacturer, "TableManufacturer");
    table->SetSort("Manufacturer");
    table->AppendRecords(engine::MissingManufacturerRecords(fixtureRecords, *table));
    return table;
}

int RunImportQxf(Arguments& arguments) {
    const fs::path from = arguments.RequiredText("from");
    arguments.Finish();
    QxfImportResult result = engine::ImportQxfPath(from);
    ReportSkipped(result);
    if (NothingUsable(result)) {
        return PrintError("no fixture definition could be read from " + from.string());
    }
    std::cout << engine::WriteTableText(*FixtureTable(std::move(result.records)),
                                        engine::TableFileFormat::Table);
    return 0;
}

// The build step: "DataFixture.dbd" and "DataManufacturer.dbd" in the program's Data folder.
int RunLibrary(Arguments& arguments) {
    const fs::path from = arguments.RequiredText("from");
    const fs::path out = arguments.RequiredText("out");
    arguments.Finish();
    QxfImportResult result = engine::ImportQxfPath(from);
    ReportSkipped(result);
    if (NothingUsable(result)) {
        return PrintError("no fixture definition could be read from " + from.string());
    }
    const auto manufacturers = ManufacturerTable(result.records);
    const auto fixtures = FixtureTable(std::move(result.records));
    try {
        fs::create_directories(out);
        engine::SaveTableToFile(*fixtures, out / "DataFixture.dbd", engine::TableFileFormat::Table);
        engine::SaveTableToFile(*manufacturers, out / "DataManufacturer.dbd",
                                engine::TableFileFormat::Table);
    } catch (const std::exception& error) {
        return PrintError(error.what());
    }
    PrintJson({{"fixtures", fixtures->TotalRecordCount()},
               {"manufacturers", manufacturers->TotalRecordCount()},
               {"filesImported", result.filesImported},
               {"filesSkipped", result.skipped.size()}});
    return 0;
}

int RunFixtures(Arguments& arguments) {
    const std::string subcommand = arguments.Subcommand({"import-qxf", "library"});
    return subcommand == "import-qxf" ? RunImportQxf(arguments) : RunLibrary(arguments);
}

const CommandRegistration kFixtures({
    "fixtures",
    "read QLC+ fixture definitions into fixture tables",
    "import-qxf --from PATH | library --from PATH --out FOLDER\n"
    "  PATH is a .qxf file or a folder searched for .qxf files in its sub-folders.\n"
    "  import-qxf writes a fixture table file on standard output;\n"
    "  library writes DataFixture.dbd and DataManufacturer.dbd into FOLDER.\n"
    "  Files that cannot be used are named with the reason on standard error.",
    RunFixtures,
});

}  // namespace
}  // namespace quillux::cli
