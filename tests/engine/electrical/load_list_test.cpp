#include "engine/electrical/load_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/electrical/load_list_derivation.h"
#include "engine/electrical/load_list_totals.h"

namespace quillux::engine {
namespace {

// Records every message and answers OK; tests check what the user would have seen.
class RecordingMessenger : public Messenger {
public:
    struct Shown {
        MessageKind kind;
        std::string text;
    };
    MessageAnswer ShowMessage(MessageKind kind, const std::string&, const std::string& text,
                              MessageButtons) override {
        shown.push_back({kind, text});
        return MessageAnswer::Ok;
    }
    std::vector<Shown> shown;
};

LoadListDevice Device(const std::string& name, double watts, double volts, const std::string& phase,
                      double pf = 1) {
    return {name, watts, volts, pf, phase};
}

class LoadListTest : public ::testing::Test {
protected:
    LoadListTest() : list(messenger) {}

    void Start(LoadListSystem system, const std::string& volts) {
        list.RB_ThreePhaseClick(system);
        list.EditVoltagePhasePhaseChange(volts);
    }
    void Add(const LoadListDevice& device) { ASSERT_TRUE(list.AppendDevice(device)); }

    double Number(int row, const char* field) {
        const Value& v = list.TableElecL().RecordAt(row)[list.TableElecL().RequireField(field)];
        return std::holds_alternative<double>(v) ? std::get<double>(v) : NAN;
    }
    std::string Text(int row, const char* field) {
        return ValueToText(list.TableElecL().RecordAt(row)[list.TableElecL().RequireField(field)]);
    }
    std::vector<std::string> Phases() {
        std::vector<std::string> phases;
        for (int row = 0; row < list.TableElecL().RecordCount(); ++row)
            phases.push_back(Text(row, "UsedPhase"));
        return phases;
    }
    RecordId IdAt(int row) { return list.TableElecL().RecordAt(row).Id(); }

    RecordingMessenger messenger;
    ElectricalLoadList list;
};

// ---------------------------------------------------------------------------------------
// Derivation of one record.

struct DerivationCase {
    const char* name;
    LoadListSystem system;
    LoadListVoltages voltages;
    LoadListDeviceInput device;
    LoadListDerived expected;
};

constexpr auto kSingle = LoadListSystem::SinglePhase;
constexpr auto kThree = LoadListSystem::ThreePhase;
constexpr double k1000At120 = 1000.0 / 120.0;
constexpr double k1000At240 = 1000.0 / 240.0;

const DerivationCase kDerivationCases[] = {
    {"single_neutral_120",
     kSingle,
     {240, 120},
     {1000, 120, 1, "X-N"},
     {"X-N", k1000At120, k1000At120, 0, 0, 0, 0, 0, k1000At120}},
    {"single_line_to_line_240",
     kSingle,
     {240, 120},
     {1000, 240, 1, "X-N"},
     {"X-Y", k1000At240, k1000At240, k1000At240, 0, 0, 0, 0, 0}},
    {"single_y_neutral",
     kSingle,
     {240, 120},
     {1000, 120, 1, "Y-N"},
     {"Y-N", k1000At120, 0, k1000At120, 0, 0, 0, 0, k1000At120}},
    {"single_z_becomes_x",
     kSingle,
     {240, 120},
     {1000, 120, 1, "Z-N"},
     {"X-N", k1000At120, k1000At120, 0, 0, 0, 0, 0, k1000At120}},
    {"single_xy_at_neutral_voltage",
     kSingle,
     {240, 120},
     {1000, 120, 1, "X-Y"},
     {"X-N", k1000At120, k1000At120, 0, 0, 0, 0, 0, k1000At120}},
    {"single_pf_zero_counts_as_one",
     kSingle,
     {240, 120},
     {1000, 120, 0, "X-N"},
     {"X-N", k1000At120, k1000At120, 0, 0, 0, 0, 0, k1000At120}},
    {"single_pf_half_doubles",
     kSingle,
     {240, 120},
     {1000, 120, 0.5, "X-N"},
     {"X-N", 2 * k1000At120, 2 * k1000At120, 0, 0, 0, 0, 0, 2 * k1000At120}},
    {"zero_voltage_gives_no_current",
     kSingle,
     {240, 120},
     {1000, 0, 1, "X-N"},
     {"X-N", 0, 0, 0, 0, 0, 0, 0, 0}},
    {"three_x_neutral",
     kThree,
     {208, 120},
     {1200, 120, 1, "X-N"},
     {"X-N", 10, 0, 0, 0, 10, 0, 0, 10}},
    {"three_z_neutral",
     kThree,
     {208, 120},
     {1200, 120, 1, "Z-N"},
     {"Z-N", 10, 0, 0, 0, 0, 0, 10, 10}},
    {"three_x_y", kThree, {208, 120}, {2080, 208, 1, "X-Y"}, {"X-Y", 10, 10, 0, 0, 0, 0, 0, 0}},
    {"three_z_x", kThree, {208, 120}, {2080, 208, 1, "Z-X"}, {"Z-X", 10, 0, 0, 10, 0, 0, 0, 0}},
    {"three_xyz_no_sqrt3",
     kThree,
     {208, 120},
     {2080, 208, 1, "X-Y-Z"},
     {"X-Y-Z", 10, 10, 10, 10, 0, 0, 0, 0}},
    {"three_neutral_at_line_voltage",
     kThree,
     {208, 120},
     {2080, 208, 1, "Y-N"},
     {"X-Y", 10, 10, 0, 0, 0, 0, 0, 0}},
    {"three_xyz_at_neutral_voltage",
     kThree,
     {208, 120},
     {1200, 120, 1, "X-Y-Z"},
     {"X-N", 10, 0, 0, 0, 10, 0, 0, 10}},
    {"three_other_voltage_keeps_phase",
     kThree,
     {208, 120},
     {1000, 100, 1, "Y-Z"},
     {"Y-Z", 10, 0, 10, 0, 0, 0, 0, 0}},
};

class LoadListDerivation : public ::testing::TestWithParam<DerivationCase> {};

TEST_P(LoadListDerivation, WritesPhaseAndCurrents) {
    const DerivationCase& c = GetParam();
    const LoadListDerived d = Calculate(c.system, c.device, c.voltages);
    EXPECT_EQ(d.usedPhase, c.expected.usedPhase);
    EXPECT_DOUBLE_EQ(d.amperage, c.expected.amperage);
    EXPECT_DOUBLE_EQ(d.ampX, c.expected.ampX);
    EXPECT_DOUBLE_EQ(d.ampY, c.expected.ampY);
    EXPECT_DOUBLE_EQ(d.ampZ, c.expected.ampZ);
    EXPECT_DOUBLE_EQ(d.ampXN, c.expected.ampXN);
    EXPECT_DOUBLE_EQ(d.ampYN, c.expected.ampYN);
    EXPECT_DOUBLE_EQ(d.ampZN, c.expected.ampZN);
    EXPECT_DOUBLE_EQ(d.ampN, c.expected.ampN);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadListDerivation, ::testing::ValuesIn(kDerivationCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NeutralVoltageCase {
    const char* name;
    LoadListSystem system;
    int phaseToPhase;
    int phaseNeutral;
};

TEST(LoadListVoltage, PhaseNeutralRoundsHalvesToEven) {
    const NeutralVoltageCase cases[] = {
        {"wye_208", kThree, 208, 120},
        {"wye_240", kThree, 240, 139},
        {"wye_480", kThree, 480, 277},
        {"split_240", kSingle, 240, 120},
        {"split_241_half_down", kSingle, 241, 120},
        {"split_243_half_up", kSingle, 243, 122},
        {"split_zero", kSingle, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VoltagePhaseNeutralFor(c.system, c.phaseToPhase), c.phaseNeutral) << c.name;
    }
}

TEST(LoadListVoltage, SystemVoltageTextMustBeAWholeNumber) {
    EXPECT_EQ(ReadSystemVoltageText("240"), 240);
    EXPECT_EQ(ReadSystemVoltageText(" 208 "), 208);
    EXPECT_FALSE(ReadSystemVoltageText("208.5"));
    EXPECT_FALSE(ReadSystemVoltageText(""));
    EXPECT_FALSE(ReadSystemVoltageText("abc"));
    EXPECT_FALSE(ReadSystemVoltageText("99999999999"));
}

// ---------------------------------------------------------------------------------------
// Display patterns and sums.

TEST(LoadListPattern, FormatsAsTheFootersShowThem) {
    struct Case {
        const char* name;
        double value;
        const char* pattern;
        const char* separator;
        const char* text;
    } const cases[] = {
        {"zero_hash", 0, "#.# W", ".", " W"},
        {"hash_rounds", 12.34, "#.# W", ".", "12.3 W"},
        {"zero_zero", 0, "0.# A", ".", "0 A"},
        {"zero_rounds", 4.166, "0.# A", ".", "4.2 A"},
        {"bare_hash_zero_is_empty", 0, "#.#", ".", ""},
        {"no_leading_zero", 0.5, "#.#", ".", ".5"},
        {"quoted_suffix", 1000, "0.##' W'", ".", "1000 W"},
        {"two_places", 8.3333, "0.##' A'", ".", "8.33 A"},
        {"locale_separator", 4.166, "0.# A", ",", "4,2 A"},
        {"tie_rounds_away", 0.25, "0.# A", ".", "0.3 A"},
        {"negative", -4.166, "0.# A", ".", "-4.2 A"},
        {"negative_rounding_to_zero", -0.01, "0.# A", ".", "0 A"},
        {"total_line", 10, "Total Amps X: 0.# A", ".", "Total Amps X: 10 A"},
        {"total_line_decimal", 99.94, "Total Amps Y: 0.# A", ".", "Total Amps Y: 99.9 A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLoadListPattern(c.value, c.pattern, c.separator), c.text) << c.name;
    }
}

TEST(LoadListSumsTest, EachValueIsRoundedToFourDecimalsBeforeAdding) {
    LoadListSums sums;
    for (int i = 0; i < 3; ++i) sums.Add({true, 0.00004, 0.00005, 0.33333, 0, 0, 0, 0, 0});
    EXPECT_EQ(sums.Count(), 3);
    EXPECT_DOUBLE_EQ(sums.Watts(), 0);      // 0.00004 -> 0.0000 each
    EXPECT_DOUBLE_EQ(sums.Amperage(), 0);   // 0.00005 -> 0.0000 (half to even) each
    EXPECT_DOUBLE_EQ(sums.AmpX(), 0.9999);  // 0.3333 three times, not 0.99999
    sums.Add({false, NAN, 1e300, -1e300, 0, 0, 0, 0, 0});
    EXPECT_EQ(sums.Count(), 3);  // an unnamed record is no device entry
    EXPECT_DOUBLE_EQ(sums.Watts(), 0);
    EXPECT_GT(sums.Amperage(), 1e14);  // saturates instead of wrapping
    EXPECT_LT(sums.AmpX(), -1e14);
}

// ---------------------------------------------------------------------------------------
// The list: adding, footers.

TEST_F(LoadListTest, AddingAFixtureAtEachWorkingVoltage) {
    Start(kSingle, "240");
    const auto choices = list.WorkingVoltageChoices();
    ASSERT_EQ(choices[0], "240");
    ASSERT_EQ(choices[1], "120");
    const LoadListFixture fixture{std::string("PAR 64"), 1000, 1};
    ASSERT_TRUE(list.ElecL_AddClick(fixture, choices[1]));
    ASSERT_TRUE(list.ElecL_AddClick(fixture, choices[0]));
    EXPECT_EQ(Text(0, "UsedPhase"), "X-N");
    EXPECT_NEAR(Number(0, "Amperage"), 8.33, 0.005);
    EXPECT_NEAR(Number(0, "AmpN"), 8.33, 0.005);
    EXPECT_EQ(Text(1, "UsedPhase"), "X-Y");
    EXPECT_NEAR(Number(1, "Amperage"), 4.17, 0.005);
    EXPECT_NEAR(Number(1, "AmpX"), 4.17, 0.005);
    EXPECT_NEAR(Number(1, "AmpY"), 4.17, 0.005);
    EXPECT_EQ(Number(1, "AmpN"), 0);
    const LoadListFooters& f = list.Footers();
    EXPECT_EQ(f.count, "Qty of Device: 2");
    EXPECT_EQ(f.watts, "2000 W");
    EXPECT_EQ(f.voltage, "120/240V");
    EXPECT_EQ(f.amperage, "12.5 A");
    EXPECT_EQ(f.phase, "1-Ph");
    EXPECT_EQ(f.totalX, "Total Amps X: 12.5 A");
    EXPECT_EQ(f.totalY, "Total Amps Y: 4.2 A");
    EXPECT_EQ(f.ampN, "8.3 A");
}

TEST_F(LoadListTest, FixtureWithoutWattsOrPowerFactor) {
    Start(kSingle, "240");
    ASSERT_TRUE(list.ElecL_AddClick({std::nullopt, 0, 0}, "120"));
    ASSERT_TRUE(list.ElecL_AddClick({std::string("Bad"), -5, -1}, "not a number"));
    EXPECT_EQ(Number(0, "Power Factor"), 1);
    EXPECT_EQ(Number(0, "Watts"), 0);
    EXPECT_EQ(Number(1, "Power Factor"), 1);
    EXPECT_EQ(Number(1, "Watts"), 0);
    EXPECT_EQ(Number(1, "Voltage"), 1);  // a working voltage that is no number gives 1 V
    EXPECT_EQ(list.Footers().count, "Qty of Device: 1");  // the nameless device has no entry
}

TEST_F(LoadListTest, AddMultipleKeepsThePositionAndReportsProgress) {
    Start(kThree, "208");
    std::vector<int> steps;
    int started = 0, finished = 0;
    list.SetProgress({[&](int max) { started = max; }, [&](int pos) { steps.push_back(pos); },
                      [&] { ++finished; }});
    ASSERT_TRUE(list.ElecL_AddClick({std::string("First"), 100, 1}, "120"));
    const RecordId first = IdAt(0);
    ASSERT_TRUE(list.ButtonAddMultipleClick({std::string("Spot"), 575, 1}, "208", 3));
    EXPECT_EQ(list.TableElecL().RecordCount(), 4);
    EXPECT_EQ(list.TableElecL().CurrentId(), first);
    EXPECT_EQ(started, 3);
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(ElectricalLoadList::DeviceCountFromText("x"), 1);
    EXPECT_EQ(ElectricalLoadList::DeviceCountFromText("12"), 12);
}

struct FooterCase {
    const char* name;
    LoadListSystem system;
    const char* volts;
    std::vector<LoadListDevice> devices;
    LoadListFooters expected;  // only the texts are compared
};

LoadListFooters Texts(std::string amperage, std::string ampX, std::string ampY, std::string ampZ,
                      std::string ampXN, std::string ampYN, std::string ampZN, std::string ampN,
                      std::string totalX, std::string totalY, std::string totalZ) {
    LoadListFooters f;
    f.amperage = std::move(amperage);
    f.ampX = std::move(ampX);
    f.ampY = std::move(ampY);
    f.ampZ = std::move(ampZ);
    f.ampXN = std::move(ampXN);
    f.ampYN = std::move(ampYN);
    f.ampZN = std::move(ampZN);
    f.ampN = std::move(ampN);
    f.totalX = std::move(totalX);
    f.totalY = std::move(totalY);
    f.totalZ = std::move(totalZ);
    return f;
}

class LoadListFooterTest : public LoadListTest, public ::testing::WithParamInterface<FooterCase> {};

TEST_P(LoadListFooterTest, TotalsUnderTheList) {
    const FooterCase& c = GetParam();
    Start(c.system, c.volts);
    for (const auto& device : c.devices) Add(device);
    const LoadListFooters& f = list.Footers();
    const LoadListFooters& e = c.expected;
    EXPECT_EQ(f.amperage, e.amperage);
    EXPECT_EQ(f.ampX, e.ampX);
    EXPECT_EQ(f.ampY, e.ampY);
    EXPECT_EQ(f.ampZ, e.ampZ);
    EXPECT_EQ(f.ampXN, e.ampXN);
    EXPECT_EQ(f.ampYN, e.ampYN);
    EXPECT_EQ(f.ampZN, e.ampZN);
    EXPECT_EQ(f.ampN, e.ampN);
    EXPECT_EQ(f.totalX, e.totalX);
    EXPECT_EQ(f.totalY, e.totalY);
    EXPECT_EQ(f.totalZ, e.totalZ);
}

const FooterCase kFooterCases[] = {
    {"single_neutral_difference",
     kSingle,
     "240",
     {Device("A", 1000, 120, "X-N"), Device("B", 500, 120, "Y-N")},
     Texts("12.5 A", "8.3 A", "4.2 A", " A", "", "", "", "4.2 A", "Total Amps X: 8.3 A",
           "Total Amps Y: 4.2 A", "")},
    {"single_line_to_line_cancels",
     kSingle,
     "240",
     {Device("A", 2400, 240, "X-Y"), Device("B", 1200, 120, "X-N")},
     Texts("20 A", "20 A", "10 A", " A", "", "", "", "10 A", "Total Amps X: 20 A",
           "Total Amps Y: 10 A", "")},
    {"empty_single",
     kSingle,
     "240",
     {},
     Texts(" A", " A", " A", " A", "", "", "", "0 A", "Total Amps X: 0 A", "Total Amps Y: 0 A",
           "")},
    {"three_balanced_neutral_zero",
     kThree,
     "208",
     {Device("A", 1200, 120, "X-N"), Device("B", 1200, 120, "Y-N"), Device("C", 1200, 120, "Z-N")},
     Texts("30 A", " A", " A", " A", "10 A", "10 A", "10 A", "0 A", "Total Amps X: 10 A",
           "Total Amps Y: 10 A", "Total Amps Z: 10 A")},
    {"three_one_neutral",
     kThree,
     "208",
     {Device("A", 1200, 120, "Y-N")},
     Texts("10 A", " A", " A", " A", " A", "10 A", " A", "10 A", "Total Amps X: 0 A",
           "Total Amps Y: 10 A", "Total Amps Z: 0 A")},
    // The neutral is taken from the conductor totals, so a line-to-line device shows on it.
    {"three_line_to_line_on_neutral",
     kThree,
     "208",
     {Device("A", 2080, 208, "X-Y")},
     Texts("10 A", "10 A", " A", " A", " A", " A", " A", "10 A", "Total Amps X: 10 A",
           "Total Amps Y: 10 A", "Total Amps Z: 0 A")},
    {"three_xyz",
     kThree,
     "208",
     {Device("A", 2080, 208, "X-Y-Z")},
     Texts("10 A", "10 A", "10 A", "10 A", " A", " A", " A", "0 A", "Total Amps X: 17.3 A",
           "Total Amps Y: 17.3 A", "Total Amps Z: 17.3 A")},
};

INSTANTIATE_TEST_SUITE_P(Cases, LoadListFooterTest, ::testing::ValuesIn(kFooterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadListTest, FooterCountAndVoltageTexts) {
    Start(kThree, "208");
    Add(Device("A", 1200, 120, "X-N"));
    Add(Device("B", 600.56, 120, "Y-N"));
    EXPECT_EQ(list.Footers().count, "Qty of Device: 2");
    EXPECT_EQ(list.Footers().watts, "1800.6 W");
    EXPECT_EQ(list.Footers().voltage, "120/208V");
    EXPECT_EQ(list.Footers().phase, "3-Ph");
    list.SetDecimalSeparator(",");
    EXPECT_EQ(list.Footers().watts, "1800,6 W");
}

// ---------------------------------------------------------------------------------------
// System changes.

TEST_F(LoadListTest, ModeSwitchTakesTheRememberedVoltageOrTheDefault) {
    list.RB_ThreePhaseClick(kThree);
    EXPECT_EQ(list.VoltageText(), "208");
    EXPECT_EQ(list.VoltagePhaseNeutral(), 120);
    list.SetLastVoltage(kSingle, 230.5);  // not a whole number: the mode's default
    list.RB_ThreePhaseClick(kSingle);
    EXPECT_EQ(list.VoltageText(), "240");
    list.SetLastVoltage(kThree, 480);
    list.RB_ThreePhaseClick(kThree);
    EXPECT_EQ(list.VoltageText(), "480");
    EXPECT_EQ(list.VoltagePhaseNeutral(), 277);
    list.EditVoltagePhasePhaseChange("415");
    EXPECT_EQ(list.LastVoltage(kThree), 415);
    EXPECT_EQ(list.ChangeVoltageCaption(true), "Change Voltage for 415 volt");
    EXPECT_EQ(list.ChangeVoltageCaption(false), "Change Voltage for 240 volt");
}

TEST_F(LoadListTest, AVoltageTextThatIsNoWholeNumberGives208InBothModes) {
    Start(kSingle, "240");
    list.EditVoltagePhasePhaseChange("two hundred");
    EXPECT_EQ(list.VoltagePhaseToPhase(), 208);
    EXPECT_EQ(list.VoltageText(), "208");
    EXPECT_EQ(list.VoltagePhaseNeutral(), 104);
}

TEST_F(LoadListTest, ReVoltagingFrom208To240) {
    Start(kThree, "208");
    Add(Device("Neutral", 1200, 120, "Y-N"));
    Add(Device("Line", 2080, 208, "Z-X"));
    Add(Device("Dark", 0, 120, "Z-N"));  // no watts, so no neutral current
    std::vector<int> steps;
    list.SetProgress({nullptr, [&](int pos) { steps.push_back(pos); }, nullptr});
    int resets = 0, others = 0;
    list.TableElecL().Subscribe([&](const TableChange& change) {
        if (change.kind == ChangeKind::Reset)
            ++resets;
        else if (change.kind != ChangeKind::CurrentMoved)
            ++others;
    });

    list.EditVoltagePhasePhaseChange("240", true);

    EXPECT_EQ(Number(0, "Voltage"), 139);
    EXPECT_EQ(Text(0, "UsedPhase"), "Y-N");
    EXPECT_NEAR(Number(0, "Amperage"), 1200.0 / 139, 1e-12);
    EXPECT_EQ(Number(1, "Voltage"), 240);
    EXPECT_EQ(Text(1, "UsedPhase"), "Z-X");
    EXPECT_NEAR(Number(1, "AmpZ"), 2080.0 / 240, 1e-12);
    // A device on the neutral stays there even without current.
    EXPECT_EQ(Number(2, "Voltage"), 139);
    EXPECT_EQ(Text(2, "UsedPhase"), "Z-N");
    EXPECT_EQ(Number(0, "VoltagePhasePhase"), 240);  // typed by the user: kept in the first record
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(resets, 1);  // the views redraw once
    EXPECT_EQ(others, 0);
    EXPECT_EQ(list.Footers().voltage, "139/240V");
}

TEST_F(LoadListTest, AnOpenEditIsPostedBeforeReVoltaging) {
    Start(kSingle, "240");
    Add(Device("A", 1200, 120, "X-N"));
    list.TableElecL().Edit();
    list.TableElecL().SetValue("Watts", 2400.0);
    list.EditVoltagePhasePhaseChange("230");
    EXPECT_EQ(list.TableElecL().State(), EditState::Browse);
    EXPECT_EQ(Number(0, "Watts"), 2400);
    EXPECT_EQ(Number(0, "Voltage"), 115);
    EXPECT_EQ(list.Footers().totalX, "Total Amps X: 20.9 A");
}

TEST_F(LoadListTest, ModeSwitchReDerivesTheRecords) {
    Start(kThree, "208");
    Add(Device("A", 1200, 120, "Z-N"));
    Add(Device("B", 2080, 208, "Y-Z"));
    list.RB_ThreePhaseClick(kSingle);  // 240 / 120
    EXPECT_EQ(Number(0, "Voltage"), 120);
    EXPECT_EQ(Text(0, "UsedPhase"), "X-N");
    EXPECT_EQ(Number(1, "Voltage"), 240);
    EXPECT_EQ(Text(1, "UsedPhase"), "X-Y");
    EXPECT_EQ(Number(1, "AmpZ"), 0);
    EXPECT_EQ(list.Footers().phase, "1-Ph");
}

// ---------------------------------------------------------------------------------------
// Balancing.

TEST_F(LoadListTest, BalancePhasesThreePhaseNeutralDevices) {
    Start(kThree, "208");
    for (double amps : {4.0, 10.0, 6.0, 8.0}) Add(Device("N", amps * 120, 120, "X-N"));
    ASSERT_TRUE(list.Button_BalancePhasesPerPhasesClick());
    std::vector<double> order;
    for (int row = 0; row < 4; ++row) order.push_back(Number(row, "Amperage"));
    EXPECT_EQ(order, (std::vector<double>{10, 8, 6, 4}));
    // Y needs a strictly smaller sum: the 8 A device goes to Z while Y and Z tie at 0.
    EXPECT_EQ(Phases(), (std::vector<std::string>{"X-N", "Z-N", "Y-N", "Y-N"}));
    EXPECT_EQ(list.TableElecL().CurrentRow(), 0);
    EXPECT_EQ(list.Footers().totalY, "Total Amps Y: 10 A");
    // The order stays when a device is added afterwards.
    Add(Device("Big", 2400, 120, "X-N"));
    EXPECT_EQ(Number(4, "Amperage"), 20);
}

TEST_F(LoadListTest, BalancePhasesThreePhaseLineToLineDevices) {
    Start(kThree, "208");
    Add(Device("C", 1040, 208, "X-Y"));
    Add(Device("A", 2080, 208, "X-Y"));
    Add(Device("B", 2080, 208, "X-Y"));
    Add(Device("Motor", 4160, 208, "X-Y-Z"));
    ASSERT_TRUE(list.Button_BalancePhasesPerPhasesClick());
    // After X-Y and Z-X (10 A each), X carries 20, Y and Z 10: Y wins the tie with Z.
    EXPECT_EQ(Phases(), (std::vector<std::string>{"X-Y-Z", "X-Y", "Z-X", "Y-Z"}));
    EXPECT_EQ(Number(3, "AmpY"), 5);
}

TEST_F(LoadListTest, BalancePhasesSinglePhase) {
    Start(kSingle, "240");
    Add(Device("A", 600, 120, "Y-N"));
    Add(Device("B", 600, 120, "Y-N"));
    Add(Device("C", 2400, 240, "X-Y"));
    Add(Device("D", 600, 120, "Y-N"));
    ASSERT_TRUE(list.Button_BalancePhasesPerPhasesClick());
    // 10 A on X-Y first, then ties go to X, a larger X sends the next to Y.
    EXPECT_EQ(Phases(), (std::vector<std::string>{"X-Y", "X-N", "Y-N", "X-N"}));
}

TEST_F(LoadListTest, BalanceDeviceSinglePhaseCountsEveryRecord) {
    Start(kSingle, "240");
    Add(Device("N1", 100, 120, "Y-N"));
    Add(Device("L", 100, 240, "X-Y"));
    Add(Device("N2", 100, 120, "Y-N"));
    ASSERT_TRUE(list.Button_BalancePhasesPerFixtureClick());
    EXPECT_EQ(Phases(), (std::vector<std::string>{"X-N", "X-Y", "X-N"}));
}

TEST_F(LoadListTest, BalanceDeviceThreePhaseHasTwoCounters) {
    Start(kThree, "208");
    Add(Device("N", 100, 120, "X-N"));
    Add(Device("N", 100, 120, "X-N"));
    Add(Device("L", 100, 208, "X-Y"));
    Add(Device("N", 100, 120, "X-N"));
    Add(Device("L", 100, 208, "X-Y"));
    Add(Device("M", 100, 208, "X-Y-Z"));
    Add(Device("L", 100, 208, "X-Y"));
    Add(Device("N", 100, 120, "X-N"));
    ASSERT_TRUE(list.Button_BalancePhasesPerFixtureClick());
    EXPECT_EQ(Phases(),
              (std::vector<std::string>{"X-N", "Y-N", "X-Y", "Z-N", "Y-Z", "X-Y-Z", "Z-X", "X-N"}));
    EXPECT_EQ(list.Footers().totalZ.substr(0, 14), "Total Amps Z: ");
}

// ---------------------------------------------------------------------------------------
// Commands on the selected rows.

TEST_F(LoadListTest, ChangePhaseSetsVoltageAndMovesOn) {
    Start(kThree, "208");
    Add(Device("A", 1200, 120, "X-N"));
    Add(Device("B", 1200, 120, "X-N"));
    Add(Device("C", 1200, 120, "X-N"));
    list.TableElecL().First();
    ASSERT_TRUE(list.ChangePhase("Y-Z", {}));
    EXPECT_EQ(Text(0, "UsedPhase"), "Y-Z");
    EXPECT_EQ(Number(0, "Voltage"), 208);
    EXPECT_NEAR(Number(0, "AmpY"), 1200.0 / 208, 1e-12);
    EXPECT_EQ(list.TableElecL().CurrentRow(), 1);
    ASSERT_TRUE(list.ChangePhase("Z-N", {IdAt(0), IdAt(2)}));
    EXPECT_EQ(Phases(), (std::vector<std::string>{"Z-N", "X-N", "Z-N"}));
    EXPECT_EQ(Number(0, "Voltage"), 120);
    EXPECT_EQ(list.TableElecL().CurrentRow(), 2);
    EXPECT_FALSE(list.ChangePhase("Q-R", {}));
}

TEST_F(LoadListTest, ChangeVoltageLetsTheDerivationFixThePhase) {
    Start(kSingle, "240");
    Add(Device("A", 1200, 120, "Y-N"));
    Add(Device("B", 1200, 120, "Y-N"));
    ASSERT_TRUE(list.ChangeVoltage(true, {IdAt(1)}));
    EXPECT_EQ(Phases(), (std::vector<std::string>{"Y-N", "X-Y"}));
    ASSERT_TRUE(list.ChangeVoltage(false, {IdAt(1)}));
    EXPECT_EQ(Phases(), (std::vector<std::string>{"Y-N", "X-N"}));
    EXPECT_EQ(list.TableElecL().CurrentRow(), 0);
}

TEST_F(LoadListTest, EditPanelFieldsGoToTheSelectedRows) {
    Start(kSingle, "240");
    Add(Device("A", 1200, 120, "X-N"));
    Add(Device("B", 1200, 120, "X-N"));
    Add(Device("C", 1200, 120, "X-N"));
    list.TableElecL().SetCurrentRow(1);
    ASSERT_TRUE(list.WriteWatts(500, {IdAt(0), IdAt(2)}));
    EXPECT_EQ(Number(0, "Watts"), 500);
    EXPECT_EQ(Number(1, "Watts"), 1200);
    EXPECT_NEAR(Number(2, "Amperage"), 500.0 / 120, 1e-12);
    EXPECT_EQ(list.TableElecL().CurrentRow(), 1);
    ASSERT_TRUE(list.WriteDeviceName("Renamed", {}));
    EXPECT_EQ(Text(1, "Device Name"), "Renamed");
    EXPECT_EQ(list.Footers().watts, "2200 W");
}

TEST_F(LoadListTest, PowerFactorOutOfRangeIsRefusedWithTheTableMessage) {
    Start(kSingle, "240");
    Add(Device("A", 1200, 120, "X-N", 0.8));
    EXPECT_FALSE(list.WritePowerFactor(1.5, {}));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].kind, MessageKind::Error);
    EXPECT_NE(messenger.shown[0].text.find("Power Factor"), std::string::npos);
    EXPECT_EQ(Number(0, "Power Factor"), 0.8);
    EXPECT_EQ(list.TableElecL().State(), EditState::Browse);
}

TEST_F(LoadListTest, TableFailureShowsTheUnexpectedErrorAndAbandons) {
    Start(kSingle, "240");
    Add(Device("A", 1200, 120, "X-N"));
    bool fail = true;
    list.TableElecL().Subscribe([&](const TableChange& change) {
        if (fail && change.kind == ChangeKind::StateChanged) {
            fail = false;
            throw std::runtime_error("disk on fire");
        }
    });
    list.SetReportDescription("Typed", true);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messenger.shown[0].text,
              "An Unexpected error occured in the Electrical Load list Database TableElecL\n"
              "disk on fire");
    EXPECT_EQ(list.TableElecL().State(), EditState::Browse);
    EXPECT_EQ(Text(0, "ReportName"), "");  // abandoned, no retry
}

TEST_F(LoadListTest, DuplicateDeleteAndClear) {
    Start(kSingle, "240");
    EXPECT_FALSE(list.DeleteRows({}));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, "List already empty");

    Add(Device("A", 1200, 120, "Y-N"));
    list.SetReportDescription("Stage left");
    ASSERT_TRUE(list.DuplicateCurrentRecord());
    EXPECT_EQ(list.TableElecL().RecordCount(), 2);
    EXPECT_EQ(Text(1, "Device Name"), "A");
    EXPECT_EQ(Text(1, "UsedPhase"), "Y-N");
    EXPECT_EQ(Number(1, "AmpY"), 10);

    ASSERT_TRUE(list.DeleteRows({IdAt(0)}));
    EXPECT_EQ(list.TableElecL().RecordCount(), 1);
    EXPECT_EQ(Text(0, "ReportName"), "Stage left");  // the new first record carries it
    EXPECT_TRUE(list.TableModified());
    ASSERT_TRUE(list.DeleteRows({}));
    EXPECT_TRUE(list.TableElecL().IsEmpty());
    EXPECT_FALSE(list.TableModified());

    Add(Device("B", 100, 120, "X-N"));
    list.ClearList();
    EXPECT_TRUE(list.TableElecL().IsEmpty());
    EXPECT_EQ(list.Footers().count, "");
    EXPECT_EQ(list.Footers().ampN, "");
    EXPECT_EQ(list.ReportDescription(), "");
    EXPECT_FALSE(list.TableModified());
}

TEST_F(LoadListTest, NoCommandCreatesARecordInAnEmptyList) {
    Start(kThree, "208");
    list.SetReportDescription("Typed", true);
    list.EditVoltagePhasePhaseChange("480", true);
    EXPECT_TRUE(list.ChangePhase("X-N", {}));
    EXPECT_TRUE(list.ChangeVoltage(true, {}));
    EXPECT_TRUE(list.WriteWatts(100, {}));
    EXPECT_TRUE(list.WriteUsedPhase("Y-N", {}));
    EXPECT_TRUE(list.Button_BalancePhasesPerFixtureClick());
    EXPECT_TRUE(list.Button_BalancePhasesPerPhasesClick());
    EXPECT_FALSE(list.DuplicateCurrentRecord());
    list.PrepareFirstRecordForSave();
    EXPECT_TRUE(list.TableElecL().IsEmpty());
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(LoadListTest, TypedDescriptionGoesIntoTheFirstRecord) {
    Start(kSingle, "240");
    Add(Device("A", 100, 120, "X-N"));
    Add(Device("B", 100, 120, "X-N"));
    list.SetReportDescription("Front of house", true);
    EXPECT_EQ(Text(0, "ReportName"), "Front of house");
    EXPECT_EQ(Text(1, "ReportName"), "");
    EXPECT_EQ(list.TableElecL().CurrentRow(), 0);
}

TEST_F(LoadListTest, MovingToAnotherRecordMarksTheListModified) {
    Start(kSingle, "240");
    Add(Device("A", 100, 120, "X-N"));
    Add(Device("B", 100, 120, "X-N"));
    list.SetTableModified(false);
    list.TableElecL().First();
    EXPECT_TRUE(list.TableModified());
}

}  // namespace
}  // namespace quillux::engine
