// Whole-list operations of the electrical load list on 10,000 devices.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/electrical/load_list.h"

namespace {

using quillux::engine::ElectricalLoadList;
using quillux::engine::LoadListSystem;

class SilentMessenger : public quillux::engine::Messenger {
public:
    quillux::engine::MessageAnswer ShowMessage(quillux::engine::MessageKind, const std::string&,
                                               const std::string&,
                                               quillux::engine::MessageButtons) override {
        return quillux::engine::MessageAnswer::Ok;
    }
};

constexpr int kDevices = 10000;

// A three-phase 208 V list: two devices in three on the neutral, of assorted watts.
void Fill(ElectricalLoadList& list) {
    list.RB_ThreePhaseClick(LoadListSystem::ThreePhase);
    list.EditVoltagePhasePhaseChange("208");
    static constexpr const char* kPhases[] = {"X-N", "Y-N", "X-Y", "Z-N", "Z-X", "X-Y-Z"};
    for (int i = 0; i < kDevices; ++i) {
        const bool neutral = i % 3 != 2;
        list.AppendDevice({"Device " + std::to_string(i), 100.0 + (i * 37) % 1900,
                           neutral ? 120.0 : 208.0, 0.9, kPhases[i % 6]});
    }
}

void BM_ReVoltage(benchmark::State& state) {
    SilentMessenger messenger;
    ElectricalLoadList list(messenger);
    Fill(list);
    bool high = false;
    for (auto _ : state) {
        high = !high;
        list.EditVoltagePhasePhaseChange(high ? "240" : "208");
    }
    state.SetItemsProcessed(state.iterations() * kDevices);
}
BENCHMARK(BM_ReVoltage)->Unit(benchmark::kMillisecond);

void BM_BalancePhases(benchmark::State& state) {
    SilentMessenger messenger;
    ElectricalLoadList list(messenger);
    Fill(list);
    for (auto _ : state) list.Button_BalancePhasesPerPhasesClick();
    state.SetItemsProcessed(state.iterations() * kDevices);
}
BENCHMARK(BM_BalancePhases)->Unit(benchmark::kMillisecond);

void BM_BalanceDevice(benchmark::State& state) {
    SilentMessenger messenger;
    ElectricalLoadList list(messenger);
    Fill(list);
    for (auto _ : state) list.Button_BalancePhasesPerFixtureClick();
    state.SetItemsProcessed(state.iterations() * kDevices);
}
BENCHMARK(BM_BalanceDevice)->Unit(benchmark::kMillisecond);

// "Select All", then a phase for every row: one post per selected row.
void BM_ChangePhaseAllSelected(benchmark::State& state) {
    SilentMessenger messenger;
    ElectricalLoadList list(messenger);
    Fill(list);
    std::vector<quillux::engine::RecordId> all;
    for (const auto* record : list.TableElecL().AllRecords()) all.push_back(record->Id());
    bool zn = false;
    for (auto _ : state) {
        zn = !zn;
        list.ChangePhase(zn ? "Z-N" : "Y-N", all);
    }
    state.SetItemsProcessed(state.iterations() * kDevices);
}
BENCHMARK(BM_ChangePhaseAllSelected)->Unit(benchmark::kMillisecond);

// The totals the list recomputes on every change: sums of 10,000 rows and the footers.
void BM_Totals(benchmark::State& state) {
    SilentMessenger messenger;
    ElectricalLoadList list(messenger);
    Fill(list);
    for (auto _ : state) {
        list.SetDecimalSeparator(".");
        benchmark::DoNotOptimize(list.Footers().ampN);
    }
    state.SetItemsProcessed(state.iterations() * kDevices);
}
BENCHMARK(BM_Totals)->Unit(benchmark::kMillisecond);

}  // namespace
