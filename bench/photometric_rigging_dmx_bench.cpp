#include <benchmark/benchmark.h>

#include "engine/dmx/dmx_address.h"
#include "engine/dmx/dmx_current_entry.h"
#include "engine/dmx/dmx_list_operations.h"
#include "engine/photometric/photometric_calculator.h"
#include "engine/rigging/two_point_bridle.h"
#include "engine/table/list_kinds.h"

namespace {

using namespace quillux::engine;

// One keystroke in the photometric window: the beam oval length, the row with the most
// trigonometry.
void BM_PhotometricEvaluation(benchmark::State& state) {
    PhotometricCalculator calculator;
    double v = 10;
    for (auto _ : state) {
        const PhotometricResult r =
            calculator.PhotoMetricCalculation(PhotometricQuantity::Y, 0, v, 20, 30);
        benchmark::DoNotOptimize(r);
        v = v < 20 ? v + 0.01 : 10;
    }
}
BENCHMARK(BM_PhotometricEvaluation);

// One keystroke in the rigging window, texts included.
void BM_BridleEvaluation(benchmark::State& state) {
    const BridleMode mode =
        state.range(0) == 0 ? BridleMode::BridleLength : BridleMode::PointPosition;
    BridleInputs in;
    in.RigAx = 20;
    in.RigAy = 30;
    in.RigBy = 30;
    in.RigAx1 = 10;
    in.RigLegA = 11;
    in.RigLegB = 11;
    in.RigWeight = 1000;
    for (auto _ : state) {
        const BridleResult r = TwoPointBridle::Evaluate(mode, in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_BridleEvaluation)->Arg(0)->Arg(1);

// One typed address in the DMX window: range check, range text and DIP-switch text.
void BM_DmxSetAddress(benchmark::State& state) {
    DmxCurrentEntry entry;
    entry.ShowFirstTime();
    entry.SetChannelsPerFixture(16);
    std::int32_t address = 1;
    for (auto _ : state) {
        entry.SetAddress(address);
        benchmark::DoNotOptimize(entry.DipSwitchString);
        address = address % 512 + 1;
    }
}
BENCHMARK(BM_DmxSetAddress);

// Add Multiple of a full rig, then Auto Address over every row.
void BM_DmxAddMultipleAndAutoAddress(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        auto table = MakeTable(TableKind::Dmx, "TableDMX");
        DmxCurrentEntry entry;
        entry.ShowFirstTime();
        entry.SetChannelsPerFixture(24);
        entry.SourceUseDipSwitch = true;
        DmxListOperations operations(*table, entry);
        operations.AddMultiple({"", 1, "Spot", "Maker"}, count, 1, 1, 1);
        operations.AutoAddress(DmxListOperations::AllRows(*table), 1, 1);
        benchmark::DoNotOptimize(table->RecordCount());
    }
}
BENCHMARK(BM_DmxAddMultipleAndAutoAddress)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
