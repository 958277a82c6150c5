#include "engine/resistor/resistor_color_code.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quillux::engine {
namespace {

using C = ResistorColour;

struct EntryCase {
    const char* name;
    double value;
    ResistanceUnit unit;
    C a, b, c;
    const char* ohmsText;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class ResistorEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(ResistorEntryTest, BandsOfTypedValue) {
    const EntryCase& c = GetParam();
    ResistorColorCode calc;
    calc.FirstActivation(0);
    calc.ChooseUnit(c.unit);
    calc.EntryTyped(c.value);
    const ResistorResult& r = calc.Result();
    EXPECT_EQ(r.bands[0], c.a);
    EXPECT_EQ(r.bands[1], c.b);
    EXPECT_EQ(r.bands[2], c.c);
    EXPECT_EQ(r.bands[3], C::Brown);  // a typed value never touches the tolerance
    EXPECT_EQ(r.ohmsText, c.ohmsText);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ResistorEntryTest,
    testing::Values(
        EntryCase{"BelowTenth", 0.09, ResistanceUnit::Ohms, C::Black, C::Black, C::Black,
                  "0.0 Ohms (+/- 1% tolerance)"},
        EntryCase{"Tenth", 0.1, ResistanceUnit::Ohms, C::Brown, C::Black, C::Silver,
                  "0.1 Ohms (+/- 1% tolerance)"},
        EntryCase{"PointFortySeven", 0.47, ResistanceUnit::Ohms, C::Yellow, C::Purple, C::Silver,
                  "0.5 Ohms (+/- 1% tolerance)"},
        EntryCase{"TwoPointNine", 2.9, ResistanceUnit::Ohms, C::Red, C::White, C::Gold,
                  "2.9 Ohms (+/- 1% tolerance)"},
        EntryCase{"NinePointNineNine", 9.99, ResistanceUnit::Ohms, C::White, C::White, C::Gold,
                  "9.9 Ohms (+/- 1% tolerance)"},
        EntryCase{"Ten", 10, ResistanceUnit::Ohms, C::Brown, C::Black, C::Black,
                  "10.0 Ohms (+/- 1% tolerance)"},
        EntryCase{"FourPointSevenNine", 4.79, ResistanceUnit::Ohms, C::Yellow, C::Purple, C::Gold,
                  "4.7 Ohms (+/- 1% tolerance)"},
        EntryCase{"DigitsCutNotRounded", 4780, ResistanceUnit::Ohms, C::Yellow, C::Purple, C::Red,
                  "4700.0 Ohms (+/- 1% tolerance)"},
        EntryCase{"ZeroPointTwentyNine", 0.29, ResistanceUnit::Ohms, C::Red, C::White, C::Silver,
                  "0.3 Ohms (+/- 1% tolerance)"},
        EntryCase{"FiftyEightHundred", 5800, ResistanceUnit::Ohms, C::Green, C::Gray, C::Red,
                  "5800.0 Ohms (+/- 1% tolerance)"},
        EntryCase{"KiloOhms", 4.7, ResistanceUnit::KiloOhms, C::Yellow, C::Purple, C::Red,
                  "4700.0 Ohms (+/- 1% tolerance)"},
        EntryCase{"MegaOhms", 8.2, ResistanceUnit::MegaOhms, C::Gray, C::Red, C::Green,
                  "8200000.0 Ohms (+/- 1% tolerance)"},
        EntryCase{"Cap", 99'000'000'001, ResistanceUnit::Ohms, C::White, C::White, C::White,
                  "99000000000.0 Ohms (+/- 1% tolerance)"},
        // The cap is on the resistance whatever the unit: no stale bands beside the entry.
        EntryCase{"CapInMegaOhms", 100'000, ResistanceUnit::MegaOhms, C::White, C::White, C::White,
                  "99000000000.0 Ohms (+/- 1% tolerance)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResistorColorCode, SecondDigitNeverLoweredByBinaryError) {
    // Every n/10 and n/100 with two significant digits reads back its own digits.
    for (int n = 10; n <= 99; ++n) {
        for (double scale : {0.01, 0.1, 1.0, 1e3, 1e7}) {
            const double value = n * scale;
            const auto bands = BandIndexesForOhms(value);
            ASSERT_TRUE(bands);
            EXPECT_EQ(bands->a * 10 + bands->b, n) << value;
        }
    }
    // Sums of tenths carry binary noise too: 0.7 + 0.1 is 0.7999999999999999.
    EXPECT_EQ(BandIndexesForOhms(0.7 + 0.1)->a, 8);
}

TEST(ResistorColorCode, BandsToValue) {
    ResistorColorCode calc;
    calc.FirstActivation(0);
    EXPECT_TRUE(calc.ClickSwatch(ResistorBand::A, C::Yellow));
    EXPECT_TRUE(calc.ClickSwatch(ResistorBand::B, C::Purple));
    EXPECT_TRUE(calc.ClickSwatch(ResistorBand::C, C::Red));
    EXPECT_TRUE(calc.ClickSwatch(ResistorBand::D, C::Gold));
    const ResistorResult& r = calc.Result();
    EXPECT_EQ(r.ohmsText, "4700.0 Ohms (+/- 5% tolerance)");
    EXPECT_EQ(r.kiloOhmsText, "4.7 Kilo Ohms (+/- 5% tolerance)");
    EXPECT_EQ(r.megaOhmsText, "0.0 Mega Ohms (+/- 5% tolerance)");
    EXPECT_EQ(calc.EntryField(), 4700);
    calc.ClickSwatch(ResistorBand::D, C::NoColor);
    EXPECT_EQ(calc.Result().ohmsText, "4700.0 Ohms (+/- 20% tolerance)");
}

TEST(ResistorColorCode, SwatchesOnlyOfferTheirBandsColours) {
    ResistorColorCode calc;
    calc.FirstActivation(0);
    EXPECT_FALSE(calc.ClickSwatch(ResistorBand::A, C::Gold));
    EXPECT_FALSE(calc.ClickSwatch(ResistorBand::C, C::NoColor));
    EXPECT_FALSE(calc.ClickSwatch(ResistorBand::D, C::Green));
    EXPECT_FALSE(calc.ClickSwatch(ResistorBand::D, C::Black));
    EXPECT_EQ(calc.Result().bands[3], C::Brown);
}

TEST(ResistorColorCode, SwatchClickWhileTypingShowsBandsValueInEntry) {
    ResistorColorCode calc;
    calc.FirstActivation(0);
    calc.ChooseUnit(ResistanceUnit::KiloOhms);
    calc.EntryTyped(4.78);
    EXPECT_EQ(calc.EntryField(), 4.78);  // the field keeps what is being typed
    calc.ClickSwatch(ResistorBand::C, C::Orange);
    EXPECT_DOUBLE_EQ(calc.EntryField(), 47);  // 47 kΩ, in the unit chosen
}

TEST(ResistorColorCode, UnitIsReadNotConverted) {
    ResistorColorCode calc;
    calc.FirstActivation(0);
    calc.EntryTyped(470);
    calc.ChooseUnit(ResistanceUnit::KiloOhms);
    EXPECT_EQ(calc.Result().ohms, 470'000);
}

TEST(ResistorColorCode, RememberedEntryIsReadAsOhms) {
    ResistorColorCode calc;
    calc.FirstActivation(4.7);
    EXPECT_EQ(calc.Result().bands[0], C::Yellow);
    EXPECT_EQ(calc.Result().bands[2], C::Gold);
    EXPECT_EQ(calc.Result().ohmsText, "4.7 Ohms (+/- 1% tolerance)");
}

TEST(ResistorColorCode, ClearAllFields) {
    ResistorColorCode calc;
    calc.FirstActivation(4700);
    calc.ClearAllFields();
    EXPECT_EQ(calc.EntryField(), 0);
    EXPECT_EQ(calc.Result().ohmsText, "0.0 Ohms (+/- 1% tolerance)");
}

struct StepCase {
    const char* name;
    double v;
    bool up;
    double expected;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class ResistanceStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(ResistanceStepTest, NewValue) {
    EXPECT_DOUBLE_EQ(ResistanceStep(GetParam().v, GetParam().up), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ResistanceStepTest,
    testing::Values(StepCase{"ZeroUp", 0, true, 0.1}, StepCase{"ZeroDown", 0, false, 0.1},
                    StepCase{"TenthDown", 0.1, false, 0}, StepCase{"TenthUp", 0.1, true, 0.2},
                    StepCase{"NoiseFree", 0.2, true, 0.3}, StepCase{"NinePointNine", 9.9, true, 10},
                    StepCase{"Ten", 10, false, 9}, StepCase{"Hundred", 100, true, 110},
                    StepCase{"Thousand", 1000, true, 1100},
                    StepCase{"JustBelowTenThousand", 9999, true, 10099},
                    StepCase{"TenThousand", 10000, false, 9000},
                    StepCase{"Billion", 1e9, true, 1.1e9},
                    StepCase{"TenBillion", 1e10, true, 1e10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResistorColorCode, DownThenDownAgainAtOneTenth) {
    ResistorColorCode calc;
    calc.FirstActivation(0.1);
    calc.StepEntry(false);
    EXPECT_EQ(calc.EntryField(), 0);
    calc.StepEntry(false);
    EXPECT_EQ(calc.EntryField(), 0.1);
}

TEST(ResistorColorCode, CapIsShownInTheEntryInItsUnit) {
    ResistorColorCode calc;
    calc.FirstActivation(0);
    calc.ChooseUnit(ResistanceUnit::KiloOhms);
    calc.EntryTyped(200'000'000);
    EXPECT_EQ(calc.EntryField(), 99'000'000);
    EXPECT_EQ(calc.Result().ohms, 99e9);
    EXPECT_FALSE(BandIndexesForOhms(1e11));  // beyond four bands
}

TEST(ResistorColorCode, ColourNames) {
    EXPECT_EQ(ResistorColourByName("No Color"), C::NoColor);
    EXPECT_EQ(ResistorColourByName("Gray"), C::Gray);
    EXPECT_FALSE(ResistorColourByName("Grey"));
    for (const auto& info : ResistorColourTable()) {
        EXPECT_EQ(ResistorColourByName(info.name), info.colour);
    }
}

}  // namespace
}  // namespace quillux::engine
