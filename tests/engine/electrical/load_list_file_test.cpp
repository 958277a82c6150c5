#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/electrical/load_list.h"

namespace quillux::engine {
namespace {

namespace fs = std::filesystem;

class RecordingMessenger : public Messenger {
public:
    MessageAnswer ShowMessage(MessageKind, const std::string&, const std::string& text,
                              MessageButtons) override {
        shown.push_back(text);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kHeader =
    "\"Device Name\",\"Watts\",\"Voltage\",\"Power Factor\",\"Amperage\",\"UsedPhase\","
    "\"AmpX\",\"AmpY\",\"AmpZ\",\"AmpXN\",\"AmpYN\",\"AmpZN\",\"AmpN\",\"ReportName\","
    "\"VoltagePhasePhase\",\r\n";

class LoadListFileTest : public ::testing::Test {
protected:
    LoadListFileTest() : list(messenger) {
        folder = fs::temp_directory_path() /
                 ("quillux_loadlist_" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    ~LoadListFileTest() override { fs::remove_all(folder); }

    static fs::path Data(const char* name) {
        return fs::path(QUILLUX_TEST_DATA) / "loadlist" / name;
    }
    std::string Text(const ElectricalLoadList& l, int row, const char* field) {
        return ValueToText(l.TableElecL().RecordAt(row)[l.TableElecL().RequireField(field)]);
    }

    RecordingMessenger messenger;
    ElectricalLoadList list;
    fs::path folder;
};

TEST_F(LoadListFileTest, RoundTripKeepsEveryField) {
    list.RB_ThreePhaseClick(LoadListSystem::ThreePhase);
    list.EditVoltagePhasePhaseChange("480");
    ASSERT_TRUE(list.AppendDevice({"Fresnel, 2kW \"FOH\" 100%", 2000, 277, 0.95, "Z-N"}));
    ASSERT_TRUE(list.AppendDevice({"Chiller\nunit", 3000.5, 480, 0.8, "X-Y-Z"}));
    ASSERT_TRUE(list.AppendDevice({"", 0, 480, 1, "Y-Z"}));
    list.SetReportDescription("Stage left");
    const fs::path file = folder / "Stage left.EL3";
    ASSERT_TRUE(list.SaveListFile(file.string()));
    EXPECT_FALSE(list.TableModified());

    RecordingMessenger otherMessenger;
    ElectricalLoadList reopened(otherMessenger);
    reopened.SetLastVoltage(LoadListSystem::ThreePhase, 480);
    ASSERT_TRUE(reopened.OpenListFile(file.string()));
    EXPECT_EQ(reopened.System(), LoadListSystem::ThreePhase);
    EXPECT_EQ(reopened.VoltageText(), "480");
    EXPECT_EQ(reopened.VoltagePhaseNeutral(), 277);
    EXPECT_EQ(reopened.ReportDescription(), "Stage left");
    EXPECT_FALSE(reopened.TableModified());
    ASSERT_EQ(reopened.TableElecL().RecordCount(), 3);
    for (int row = 0; row < 3; ++row) {
        for (int field = 0; field < list.TableElecL().FieldCount(); ++field) {
            const Value& got = reopened.TableElecL().RecordAt(row)[static_cast<std::size_t>(field)];
            const Value& want = list.TableElecL().RecordAt(row)[static_cast<std::size_t>(field)];
            const std::string where =
                "row " + std::to_string(row) + " field " + list.TableElecL().Field(field).name;
            // Decimals are stored with 15 significant digits.
            if (std::holds_alternative<double>(want) && std::holds_alternative<double>(got)) {
                EXPECT_NEAR(std::get<double>(got), std::get<double>(want),
                            1e-14 * std::abs(std::get<double>(want)))
                    << where;
            } else {
                EXPECT_EQ(got, want) << where;
            }
        }
    }
    EXPECT_EQ(reopened.Footers().ampN, list.Footers().ampN);
    EXPECT_EQ(reopened.Footers().totalZ, list.Footers().totalZ);
    EXPECT_TRUE(otherMessenger.shown.empty());

    // The first record carries the description and the system voltage; the others do not.
    const std::string text = ReadAll(file);
    EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
    EXPECT_NE(text.find(",\"Stage left\",\"480\",\r\n"), std::string::npos);
    EXPECT_NE(
        text.find("\"Chiller%nunit\",\"3000.5\",\"480\",\"0.8\",\"7.81380208333333\",\"X-Y-Z\""),
        std::string::npos);
}

TEST_F(LoadListFileTest, AnEmptyListWritesTheHeaderOnly) {
    const fs::path file = folder / "empty.EL1";
    list.SetReportDescription("Nothing yet", true);
    ASSERT_TRUE(list.SaveListFile(file.string()));
    EXPECT_EQ(ReadAll(file), kHeader);
    EXPECT_TRUE(list.TableElecL().IsEmpty());
}

TEST_F(LoadListFileTest, SaveFailureShowsTheMessage) {
    ASSERT_TRUE(list.AppendDevice({"A", 100, 120, 1, "X-N"}));
    EXPECT_FALSE(list.SaveListFile((folder / "no such folder" / "a.EL1").string()));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0],
              "Cannot save the Electrical Load List, this file must be already open by another "
              "application");
    EXPECT_TRUE(list.TableModified());
}

struct OpenCase {
    const char* name;
    const char* file;
    LoadListSystem system;
    int phaseToPhase;
    int phaseNeutral;
    const char* rackPhase;
    bool modified;
};

class LoadListOpenTest : public LoadListFileTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(LoadListOpenTest, SystemComesFromTheExtension) {
    const OpenCase& c = GetParam();
    list.RB_ThreePhaseClick(LoadListSystem::SinglePhase);
    ASSERT_TRUE(list.OpenListFile(Data(c.file).string()));
    EXPECT_EQ(list.System(), c.system);
    EXPECT_EQ(list.VoltagePhaseToPhase(), c.phaseToPhase);
    EXPECT_EQ(list.VoltagePhaseNeutral(), c.phaseNeutral);
    EXPECT_EQ(list.ReportDescription(), "Front truss");
    EXPECT_EQ(Text(list, 1, "UsedPhase"), c.rackPhase);
    EXPECT_EQ(list.TableModified(), c.modified);
    EXPECT_EQ(list.TableElecL().CurrentRow(), 0);
    EXPECT_TRUE(messenger.shown.empty());
}

const OpenCase kOpenCases[] = {
    // Stored as written: the voltage text already reads 208, nothing is re-voltaged.
    {"upper_case_three_phase", "front_truss.EL3", LoadListSystem::ThreePhase, 208, 120, "X-Y-Z",
     false},
    // Lower-case extension: single-phase, so the 208 V system re-voltages every record.
    {"lower_case_single_phase", "front_truss_lower.el3", LoadListSystem::SinglePhase, 208, 104,
     "X-Y", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, LoadListOpenTest, ::testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadListFileTest, OpenedRecordsAreAppendedToWhatRemains) {
    list.RB_ThreePhaseClick(LoadListSystem::ThreePhase);
    ASSERT_TRUE(list.AppendDevice({"Kept", 1200, 120, 1, "X-N"}));
    list.SetReportDescription("Mine");
    ASSERT_TRUE(list.OpenListFile(Data("front_truss.EL3").string()));
    ASSERT_EQ(list.TableElecL().RecordCount(), 3);
    EXPECT_EQ(Text(list, 0, "Device Name"), "Kept");
    // The first record has no description and no voltage of its own: 208.
    EXPECT_EQ(list.ReportDescription(), "");
    EXPECT_EQ(list.VoltageText(), "208");
    EXPECT_EQ(list.Footers().count, "Qty of Device: 3");
}

TEST_F(LoadListFileTest, ABadNumberStopsTheLoadAndNamesTheLine) {
    ASSERT_FALSE(list.OpenListFile(Data("bad_number.EL1").string()));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_NE(messenger.shown[0].find("bad_number.EL1"), std::string::npos);
    EXPECT_NE(messenger.shown[0].find("line 3"), std::string::npos);
    ASSERT_EQ(list.TableElecL().RecordCount(), 1);
    EXPECT_EQ(list.ReportDescription(), "Broken");
    EXPECT_EQ(list.VoltagePhaseToPhase(), 240);
}

TEST_F(LoadListFileTest, MissingOrHeaderOnlyFileKeepsTheSystem) {
    list.RB_ThreePhaseClick(LoadListSystem::SinglePhase);
    EXPECT_FALSE(list.OpenListFile((folder / "missing.EL3").string()));
    EXPECT_EQ(list.System(), LoadListSystem::SinglePhase);
    EXPECT_FALSE(list.TableModified());
    const fs::path empty = folder / "empty.EL1";
    std::ofstream(empty, std::ios::binary) << kHeader;
    EXPECT_TRUE(list.OpenListFile(empty.string()));
    EXPECT_EQ(list.VoltageText(), "240");
    EXPECT_EQ(list.VoltagePhaseNeutral(), 120);
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(LoadListFileTest, StoredVoltageWithDecimalsTakesItsRounding) {
    const fs::path file = folder / "odd.EL1";
    std::ofstream(file, std::ios::binary)
        << kHeader
        << "\"Par\",\"500\",\"120\",\"1\",\"4.1\",\"Y-N\",\"0\",\"4.1\",\"0\",\"0\",\"0\",\"0\","
           "\"4.1\",\"Odd\",\"240.5\",\r\n";
    ASSERT_TRUE(list.OpenListFile(file.string()));
    EXPECT_EQ(list.VoltagePhaseToPhase(), 240);
    EXPECT_EQ(list.VoltageText(), "240");
    EXPECT_EQ(Text(list, 0, "Voltage"), "120");
    EXPECT_EQ(Text(list, 0, "UsedPhase"), "Y-N");
}

}  // namespace
}  // namespace quillux::engine
