// Reading, sorting, merging, filtering and writing fixture tables of 10,000 and 100,000
// records. The tables are generated here; nothing big is kept in the repository.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/common/messenger.h"
#include "engine/refdata/fixture_fields.h"
#include "engine/refdata/reference_tables.h"
#include "engine/table/list_kinds.h"
#include "engine/table/table_file.h"

using namespace quillux::engine;

namespace {

class SilentMessenger : public Messenger {
public:
    MessageAnswer ShowMessage(MessageKind, const std::string&, const std::string&,
                              MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

// A fixture table as a user would have it: names with a comma, quotes or "%" now and then,
// most numeric fields filled, a few empty.
std::unique_ptr<Table> GenerateFixtures(int count, unsigned seed) {
    static const char* kMakers[] = {"Acme",   "Brightline", "Clay Lights", "Dynalux", "ETC-like",
                                    "Futura", "Glow",       "High End",    "Iris",    "Juno"};
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> watts(50, 2500), beam(2, 60), weight(1, 60),
        size(100, 900);
    auto table = MakeTable(TableKind::Fixture, "Generated");
    table->SetCalcFields(MakeFixtureCalcFields(*table));
    std::vector<Record> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Record r = table->NewRecord();
        std::string name = "Fixture " + std::to_string(random() % 1000000);
        if (i % 17 == 0) name += ", \"Pro\" 100%";
        r[0] = name;
        r[1] = std::string(kMakers[random() % 10]);
        r[2] = std::string("Moving head with zoom and framing shutters");
        r[3] = std::string("Spot");
        r[4] = std::string("Extended");
        r[5] = std::int32_t(static_cast<int>(random() % 40) + 1);
        r[6] = beam(random);
        r[7] = beam(random) + 10;
        r[8] = watts(random) * 10;
        r[9] = watts(random) * 20;
        r[10] = watts(random) * 15;
        r[12] = 3200.0;
        r[13] = std::string("HMI 1200");
        r[14] = watts(random);
        r[15] = 0.95;
        r[16] = weight(random);
        r[17] = size(random);
        r[18] = size(random);
        r[19] = size(random);
        if (i % 3 == 0) r[20] = std::string("E size");
        r[24] = watts(random) * 5;
        r[25] = (i % 5 == 0);
        r[26] = false;
        records.push_back(std::move(r));
    }
    table->AppendRecords(std::move(records));
    return table;
}

const std::string& FixtureText(int count) {
    static std::map<int, std::string> texts;
    auto& text = texts[count];
    if (text.empty()) text = WriteTableText(*GenerateFixtures(count, 42), TableFileFormat::Table);
    return text;
}

void BM_ReadFixtureTable(benchmark::State& state) {
    const std::string& text = FixtureText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto table = MakeTable(TableKind::Fixture, "TableFixtureUser");
        table->SetCalcFields(MakeFixtureCalcFields(*table));
        const auto result = ReadTableText(*table, text, "bench");
        benchmark::DoNotOptimize(result.recordsRead);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
}

void BM_SortFixtureTable(benchmark::State& state) {
    auto table = GenerateFixtures(static_cast<int>(state.range(0)), 7);
    bool descending = false;
    for (auto _ : state) {
        table->SetSort("FixtureName", descending ? SortOrder::Descending : SortOrder::Ascending);
        descending = !descending;
    }
}

void BM_WriteFixtureTable(benchmark::State& state) {
    auto table = GenerateFixtures(static_cast<int>(state.range(0)), 9);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        WriteTableText(*table, TableFileFormat::Table, out);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}

// The shipped and user files each hold half of the records.
struct LoadedReferenceTables {
    explicit LoadedReferenceTables(int count) {
        folder = std::filesystem::temp_directory_path() /
                 ("quillux_table_bench_" + std::to_string(count));
        std::filesystem::create_directories(folder / "Data");
        SaveTableToFile(*GenerateFixtures(count / 2, 1), folder / "Data" / "DataFixture.dbd",
                        TableFileFormat::Table);
        SaveTableToFile(*GenerateFixtures(count - count / 2, 2),
                        folder / "Data" / "DataFixtureUser.dbu", TableFileFormat::Table);
        tables.SetInstallDir(folder);
        tables.LoadAll();
    }
    ~LoadedReferenceTables() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    SilentMessenger messenger;
    ReferenceTables tables{messenger};
};

void BM_MergeFixtureTables(benchmark::State& state) {
    LoadedReferenceTables loaded(static_cast<int>(state.range(0)));
    for (auto _ : state) loaded.tables.UpdateMergeTable();
    state.counters["merged"] = loaded.tables.TableFixtureMerge().RecordCount();
}

void BM_FilterFixtureTables(benchmark::State& state) {
    LoadedReferenceTables loaded(static_cast<int>(state.range(0)));
    loaded.tables.SetFilterManufacturer("Glow");
    for (auto _ : state) {
        loaded.tables.SetFixtureFiltering(true);
        benchmark::DoNotOptimize(loaded.tables.TableFixtureMerge().RecordCount());
        loaded.tables.SetFixtureFiltering(false);
    }
}

void BM_SaveAllDatabase(benchmark::State& state) {
    LoadedReferenceTables loaded(static_cast<int>(state.range(0)));
    loaded.tables.SetSaveDefaultData(true);
    for (auto _ : state) loaded.tables.SaveAllDatabase();
}

}  // namespace

BENCHMARK(BM_ReadFixtureTable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortFixtureTable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeFixtureTables)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterFixtureTables)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFixtureTable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAllDatabase)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
