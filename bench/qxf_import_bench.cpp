#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/fixtures/qxf_import.h"
#include "engine/fixtures/qxf_reader.h"
#include "engine/refdata/fixture_fields.h"
#include "engine/refdata/reference_tables.h"
#include "engine/table/list_kinds.h"
#include "engine/table/table_file.h"

namespace {

using namespace quillux::engine;

const std::filesystem::path kInstalledLibrary = "/usr/share/qlcplus/fixtures";

bool LibraryInstalled(benchmark::State& state) {
    if (std::filesystem::is_directory(kInstalledLibrary)) return true;
    state.SkipWithError("qlcplus-data is not installed");
    return false;
}

std::unique_ptr<Table> SortedFixtureTable() {
    auto table = MakeTable(TableKind::Fixture, "TableFixture");
    table->SetCalcFields(MakeFixtureCalcFields(*table));
    table->SetSort("FixtureName");
    return table;
}

// One small definition parsed from memory: the cost per file without the disk.
void BM_ReadOneDefinition(benchmark::State& state) {
    std::ifstream file(std::string(QUILLUX_TEST_DATA) + "/qxf/several_modes.qxf", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string xml = text.str();
    for (auto _ : state) benchmark::DoNotOptimize(ReadQxfText(xml));
}
BENCHMARK(BM_ReadOneDefinition);

// The whole installed library into records, as "Import" of a folder and the build step do.
void BM_ImportInstalledLibrary(benchmark::State& state) {
    if (!LibraryInstalled(state)) return;
    std::size_t records = 0;
    for (auto _ : state) {
        QxfImportResult result = ImportQxfPath(kInstalledLibrary);
        records = result.records.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ImportInstalledLibrary)->Unit(benchmark::kMillisecond);

// Import, sorted table and the table file text of "Data\DataFixture.dbd".
void BM_WriteShippedFixtureFile(benchmark::State& state) {
    if (!LibraryInstalled(state)) return;
    for (auto _ : state) {
        auto table = SortedFixtureTable();
        table->AppendRecords(ImportQxfPath(kInstalledLibrary).records);
        benchmark::DoNotOptimize(WriteTableText(*table, TableFileFormat::Table));
    }
}
BENCHMARK(BM_WriteShippedFixtureFile)->Unit(benchmark::kMillisecond);

// Reading the generated shipped fixture file into a sorted table: the share of the program's
// start that the library adds.
void BM_LoadShippedFixtureFile(benchmark::State& state) {
    if (!LibraryInstalled(state)) return;
    auto source = SortedFixtureTable();
    source->AppendRecords(ImportQxfPath(kInstalledLibrary).records);
    const std::string text = WriteTableText(*source, TableFileFormat::Table);
    for (auto _ : state) {
        auto table = SortedFixtureTable();
        benchmark::DoNotOptimize(ReadTableText(*table, text, "DataFixture.dbd"));
    }
    state.counters["records"] = static_cast<double>(source->TotalRecordCount());
}
BENCHMARK(BM_LoadShippedFixtureFile)->Unit(benchmark::kMillisecond);

class CountingMessenger : public Messenger {
public:
    MessageAnswer ShowMessage(MessageKind, const std::string&, const std::string&,
                              MessageButtons) override {
        ++messages;
        return MessageAnswer::Ok;
    }
    int messages = 0;
};

// The reference-table part of the program's start with the generated shipped files in its
// Data folder: every table loaded, sorted and merged, as the main window does before it shows.
void BM_LoadReferenceTablesAtStart(benchmark::State& state) {
    if (!LibraryInstalled(state)) return;
    const auto installDir = std::filesystem::temp_directory_path() / "quillux_qxf_bench";
    std::filesystem::create_directories(installDir / "Data");
    QxfImportResult imported = ImportQxfPath(kInstalledLibrary);
    auto manufacturers = MakeTable(TableKind::Manufacturer, "TableManufacturer");
    manufacturers->AppendRecords(MissingManufacturerRecords(imported.records, *manufacturers));
    auto fixtures = SortedFixtureTable();
    fixtures->AppendRecords(std::move(imported.records));
    SaveTableToFile(*fixtures, installDir / "Data" / "DataFixture.dbd", TableFileFormat::Table);
    SaveTableToFile(*manufacturers, installDir / "Data" / "DataManufacturer.dbd",
                    TableFileFormat::Table);
    CountingMessenger messenger;
    for (auto _ : state) {
        ReferenceTables tables(messenger);
        tables.SetInstallDir(installDir);
        tables.LoadAll();
        benchmark::DoNotOptimize(tables.TableFixtureMerge().TotalRecordCount());
    }
    state.counters["messages"] = messenger.messages;
    std::filesystem::remove_all(installDir);
}
BENCHMARK(BM_LoadReferenceTablesAtStart)->Unit(benchmark::kMillisecond);

}  // namespace
