// One evaluation of each electrical, resistor and converter engine: what a keystroke in the
// matching window recomputes.
#include <benchmark/benchmark.h>

#include "engine/converter/unit_conversion.h"
#include "engine/electrical/basic_formula.h"
#include "engine/electrical/phase_load.h"
#include "engine/electrical/voltage_drop.h"
#include "engine/resistor/resistor_color_code.h"

namespace {

using namespace quillux::engine;

void BasicLawCalculation(benchmark::State& state) {
    BasicLawInputs inputs{};
    for (auto& pair : inputs) pair = {3, 10};
    for (auto _ : state) benchmark::DoNotOptimize(ElectricalBasicLawCalculation(inputs));
}
BENCHMARK(BasicLawCalculation);

void ThreePhaseLoadCalculation(benchmark::State& state) {
    ThreePhaseLoad calculator;
    const ThreePhaseInputs inputs{"208", 100, 10, 5, 7, 12, 11, 3};
    for (auto _ : state) benchmark::DoNotOptimize(&calculator.PhaseLoadCalculation(inputs));
}
BENCHMARK(ThreePhaseLoadCalculation);

void SinglePhaseLoadCalculation(benchmark::State& state) {
    SinglePhaseLoad calculator;
    const SinglePhaseInputs inputs{"240", 100, 12, 6, 3};
    for (auto _ : state) benchmark::DoNotOptimize(&calculator.PhaseLoadCalculationSingle(inputs));
}
BENCHMARK(SinglePhaseLoadCalculation);

void VoltageDropCalculation(benchmark::State& state) {
    VoltageDrop calculator;
    VoltageDropInputs inputs;
    inputs.dropPhase = inputs.sizePhase = inputs.distancePhase = WirePhase::Three;
    inputs.dropInputVolt = inputs.sizeInputVolt = inputs.distanceInputVolt = 208;
    inputs.dropAmps = inputs.sizeAmps = inputs.distanceAmps = 24.2;
    inputs.dropDistance = inputs.sizeDistance = 150;
    inputs.sizeDropVolts = inputs.distanceDropVolts = 6.24;
    inputs.dropGauge = inputs.distanceGauge = 11;
    for (auto _ : state) benchmark::DoNotOptimize(&calculator.VoltageDropCalculate(inputs));
}
BENCHMARK(VoltageDropCalculation);

void ResistorEntryCalculation(benchmark::State& state) {
    ResistorColorCode calculator;
    calculator.FirstActivation(0);
    double value = 4780;
    for (auto _ : state) {
        calculator.EntryTyped(value);
        benchmark::DoNotOptimize(&calculator.Result());
    }
}
BENCHMARK(ResistorEntryCalculation);

void UnitConversion(benchmark::State& state) {
    double value = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertUnit(UnitCategory::Mass, 3, 5, value));
        benchmark::DoNotOptimize(ConvertUnit(UnitCategory::Temperature, 0, 1, value));
    }
}
BENCHMARK(UnitConversion);

}  // namespace
