#include "engine/rigging/two_point_bridle.h"

#include <gtest/gtest.h>

#include <string>

namespace quillux::engine {
namespace {

const std::string kDeg = "\u00B0";

struct Shown {
    std::string heightAvailable, legA, legB, ax1, bx1, h1, angleA, angleB, angle;
    std::string la, lax, lay, lb, lbx, lby;
};

struct Case {
    const char* name;
    BridleMode mode;
    BridleInputs in;
    bool valid;
    bool angleWarning;
    Shown shown;  // checked only when valid
};

BridleInputs Length(double ax, double ay, double by, double ax1, double h1, double tm, double stage,
                    double weight) {
    BridleInputs in;
    in.RigAx = ax;
    in.RigAy = ay;
    in.RigBy = by;
    in.RigAx1 = ax1;
    in.RigHeight1 = h1;
    in.RigTM = tm;
    in.RigStage = stage;
    in.RigWeight = weight;
    return in;
}

BridleInputs Position(double ax, double ay, double by, double legA, double legB, double tm,
                      double stage, double weight) {
    BridleInputs in;
    in.RigAx = ax;
    in.RigAy = ay;
    in.RigBy = by;
    in.RigLegA = legA;
    in.RigLegB = legB;
    in.RigTM = tm;
    in.RigStage = stage;
    in.RigWeight = weight;
    return in;
}

const Case kCases[] = {
    {"length_centred_point",
     BridleMode::BridleLength,
     Length(20, 30, 30, 10, 0, 0, 0, 1000),
     true,
     false,
     {"30.0", "31.6", "31.6", "10.0", "10.00", "0.0", "18.4" + kDeg, "18.4" + kDeg, "36.9" + kDeg,
      "527.0", "166.7", "500.0", "527.0", "166.7", "500.0"}},
    {"length_point_under_beam_a",
     BridleMode::BridleLength,
     Length(20, 30, 30, 0, 0, 0, 0, 1000),
     true,
     false,
     {"30.0", "30.0", "36.1", "0.0", "20.00", "0.0", "0.0" + kDeg, "33.7" + kDeg, "33.7" + kDeg,
      "1000.0", "0.0", "1000.0", "0.0", "0.0", "0.0"}},
    {"length_with_stack",
     BridleMode::BridleLength,
     Length(10, 12, 12, 5, 4, 1, 2, 500),
     true,
     false,
     {"5.0", "7.1", "7.1", "5.0", "5.00", "4.0", "45.0" + kDeg, "45.0" + kDeg, "90.0" + kDeg,
      "353.6", "250.0", "250.0", "353.6", "250.0", "250.0"}},
    {"length_point_beyond_beam_b",
     BridleMode::BridleLength,
     Length(20, 30, 30, 25, 0, 0, 0, 1000),
     false,
     false,
     {}},
    {"length_stack_above_beam_b",
     BridleMode::BridleLength,
     Length(20, 30, 30, 10, 25, 3, 2, 1000),
     false,
     false,
     {}},
    {"length_no_beam_distance",
     BridleMode::BridleLength,
     Length(0, 30, 30, 0, 0, 0, 0, 1000),
     false,
     false,
     {}},
    {"position_short_legs_steep_angle",
     BridleMode::PointPosition,
     Position(20, 30, 30, 11, 11, 0, 0, 1000),
     true,
     true,
     {"4.6", "11.0", "11.0", "10.0", "10.0", "25.4", "65.4" + kDeg, "65.4" + kDeg, "130.8" + kDeg,
      "1200.2", "1091.1", "500.0", "1200.2", "1091.1", "500.0"}},
    {"position_legs_shorter_than_half_distance",
     BridleMode::PointPosition,
     Position(20, 30, 30, 9, 9, 0, 0, 1000),
     false,
     false,
     {}},
    {"position_leg_a_flat_leg_b_hanging",
     BridleMode::PointPosition,
     Position(10, 5, 10, 10, 5, 0, 0, 1000),
     true,
     false,
     {"5.0", "10.0", "5.0", "10.0", "0.0", "5.0", "90.0" + kDeg, "0.0" + kDeg, "90.0" + kDeg, "0.0",
      "0.0", "0.0", "1000.0", "0.0", "1000.0"}},
    // A vertical leg beside a slanted one carries the whole load, as the same point computed
    // in bridle-length mode does (the 3-4-5 triangle puts the point under beam A).
    {"position_leg_a_hanging_leg_b_slanted",
     BridleMode::PointPosition,
     Position(3, 10, 10, 4, 5, 0, 0, 1000),
     true,
     false,
     {"4.0", "4.0", "5.0", "0.0", "3.0", "6.0", "0.0" + kDeg, "36.9" + kDeg, "36.9" + kDeg,
      "1000.0", "0.0", "1000.0", "0.0", "0.0", "0.0"}},
    {"length_same_point_as_above",
     BridleMode::BridleLength,
     Length(3, 10, 10, 0, 6, 0, 0, 1000),
     true,
     false,
     {"4.0", "4.0", "5.0", "0.0", "3.00", "6.0", "0.0" + kDeg, "36.9" + kDeg, "36.9" + kDeg,
      "1000.0", "0.0", "1000.0", "0.0", "0.0", "0.0"}},
    {"position_leg_b_hanging_leg_a_slanted",
     BridleMode::PointPosition,
     Position(3, 10, 10, 5, 4, 0, 0, 1000),
     true,
     false,
     {"4.0", "5.0", "4.0", "3.0", "0.0", "6.0", "36.9" + kDeg, "0.0" + kDeg, "36.9" + kDeg, "0.0",
      "0.0", "0.0", "1000.0", "0.0", "1000.0"}},
    {"negative_inputs_count_as_zero",
     BridleMode::BridleLength,
     Length(20, 30, 30, 10, -4, -1, -2, -1000),
     true,
     false,
     {"30.0", "31.6", "31.6", "10.0", "10.00", "0.0", "18.4" + kDeg, "18.4" + kDeg, "36.9" + kDeg,
      "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}},
};

class TwoPointBridleTest : public ::testing::TestWithParam<Case> {};

TEST_P(TwoPointBridleTest, ShowsTheRiggingWindowTexts) {
    const Case& c = GetParam();
    const BridleResult r = TwoPointBridle::Evaluate(c.mode, c.in);
    ASSERT_EQ(r.valid, c.valid);
    EXPECT_EQ(r.angleWarning, c.angleWarning);
    const BridleTexts& t = r.texts;
    if (!c.valid) {
        for (const std::string* text :
             {&t.heightAvailable, &t.legA, &t.legB, &t.ax1, &t.bx1, &t.h1, &t.angleA, &t.angleB,
              &t.angle, &t.la, &t.lax, &t.lay, &t.lb, &t.lbx, &t.lby}) {
            EXPECT_EQ(*text, "N/A");
        }
        return;
    }
    const Shown& s = c.shown;
    EXPECT_EQ(t.heightAvailable, s.heightAvailable);
    EXPECT_EQ(t.legA, s.legA);
    EXPECT_EQ(t.legB, s.legB);
    EXPECT_EQ(t.ax1, s.ax1);
    EXPECT_EQ(t.bx1, s.bx1);
    EXPECT_EQ(t.h1, s.h1);
    EXPECT_EQ(t.angleA, s.angleA);
    EXPECT_EQ(t.angleB, s.angleB);
    EXPECT_EQ(t.angle, s.angle);
    EXPECT_EQ(t.la, s.la);
    EXPECT_EQ(t.lax, s.lax);
    EXPECT_EQ(t.lay, s.lay);
    EXPECT_EQ(t.lb, s.lb);
    EXPECT_EQ(t.lbx, s.lbx);
    EXPECT_EQ(t.lby, s.lby);
}

INSTANTIATE_TEST_SUITE_P(Configurations, TwoPointBridleTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwoPointBridleValuesTest, UnusedInputsOfTheModeStayZero) {
    BridleInputs in = Length(20, 30, 30, 10, 0, 0, 0, 1000);
    in.RigLegA = 99;  // not read in bridle-length mode
    in.RigLegB = 99;
    const BridleResult length = TwoPointBridle::Evaluate(BridleMode::BridleLength, in);
    EXPECT_NEAR(length.values.RigLegA, 31.6227766, 1e-6);
    EXPECT_EQ(length.values.RigDx, 0);

    in = Position(20, 30, 30, 11, 11, 0, 0, 1000);
    in.RigAx1 = 99;  // a result in point-position mode
    in.RigHeight1 = 99;
    const BridleResult position = TwoPointBridle::Evaluate(BridleMode::PointPosition, in);
    EXPECT_NEAR(position.values.RigAx1, 10, 1e-9);
    EXPECT_NEAR(position.values.RigHeight1, 25.417424305, 1e-6);
}

TEST(TwoPointBridleValuesTest, FlatAndHangingLegsGiveExactAngles) {
    const BridleResult r =
        TwoPointBridle::Evaluate(BridleMode::PointPosition, Position(10, 5, 10, 10, 5, 0, 0, 1));
    EXPECT_EQ(r.values.RigAngleLegA, 90.0);
    EXPECT_EQ(r.values.RigAngleLegB, 0.0);
}

TEST(TwoPointBridleValuesTest, AngleNoteTexts) {
    EXPECT_EQ(kBridleAngleNoteLine1, "According to rigging rules, the total bridle ");
    EXPECT_EQ(kBridleAngleNoteLine2, "angle should not exceed 120\u00B0");
}

TEST(TwoPointBridleValuesTest, DecimalSeparatorFollowsTheRegion) {
    const BridleResult r = TwoPointBridle::Evaluate(BridleMode::BridleLength,
                                                    Length(20, 30, 30, 10, 0, 0, 0, 1000), ",");
    EXPECT_EQ(r.texts.bx1, "10,00");
    EXPECT_EQ(r.texts.angle, "36,9\u00B0");
}

}  // namespace
}  // namespace quillux::engine
