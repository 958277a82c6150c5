#include "engine/refdata/reference_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/refdata/fixture_fields.h"
#include "engine/table/list_kinds.h"
#include "engine/table/table_file.h"

using namespace quillux::engine;
namespace fs = std::filesystem;

namespace {

struct Shown {
    MessageKind kind;
    std::string text;
};

class RecordingMessenger : public Messenger {
public:
    MessageAnswer ShowMessage(MessageKind kind, const std::string&, const std::string& text,
                              MessageButtons) override {
        shown.push_back({kind, text});
        return MessageAnswer::Ok;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& s : shown) texts.push_back(s.text);
        return texts;
    }
    std::vector<Shown> shown;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

const std::string kFixtureHeader = "\"FixtureName\",\"Manufacturer\",\"BeamMax\",\"Weight\",\r\n";

class ReferenceTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quillux_refdata_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "Data");
        tables.SetInstallDir(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path Data(const char* name) const { return dir / "Data" / name; }

    static std::vector<std::string> Names(const Table& table, const char* field = "FixtureName") {
        std::vector<std::string> names;
        const int index = table.FieldIndex(field);
        for (int row = 0; row < table.RecordCount(); ++row)
            names.push_back(ValueToText(table.RecordAt(row)[static_cast<std::size_t>(index)]));
        return names;
    }

    fs::path dir;
    RecordingMessenger messenger;
    ReferenceTables tables{messenger};
};

}  // namespace

TEST_F(ReferenceTablesTest, FirstStartWithAnEmptyDataFolder) {
    tables.LoadAll();
    EXPECT_EQ(messenger.Texts(),
              (std::vector<std::string>{"The default manufacturer File was not found",
                                        "The default Fixture File was not found"}));
    for (const char* file : {"DataFixture.dbd", "DataFixtureUser.dbu", "DataManufacturer.dbd",
                             "DataManufacturerUser.dbu", "DataRoadCase.dbu"}) {
        ASSERT_TRUE(fs::exists(Data(file))) << file;
        EXPECT_EQ(fs::file_size(Data(file)), 0u) << file;
    }
    tables.SaveAllDatabase();
    EXPECT_EQ(ReadAll(Data("DataFixtureUser.dbu")),
              WriteTableText(tables.TableFixtureUser(), TableFileFormat::Table));
    EXPECT_EQ(ReadAll(Data("DataRoadCase.dbu")),
              "\"No\",\"Name\",\"Description\",\"Length\",\"Width\",\"Height\",\"Weight\",\r\n");
    EXPECT_NE(fs::file_size(Data("DataManufacturerUser.dbu")), 0u);
    EXPECT_EQ(fs::file_size(Data("DataFixture.dbd")), 0u);  // "Save Default Data" is off
    EXPECT_EQ(fs::file_size(Data("DataManufacturer.dbd")), 0u);
}

TEST_F(ReferenceTablesTest, MergeHoldsShippedUnlessExcludedInNameOrder) {
    WriteText(Data("DataFixture.dbd"),
              kFixtureHeader + "\"Zeta\",\"A\",,,\r\n\"Beta\",\"A\",,,\r\n");
    WriteText(Data("DataFixtureUser.dbu"), kFixtureHeader + "\"Mu\",\"B\",,,\r\n");
    tables.LoadAll();
    EXPECT_EQ(Names(tables.TableFixtureMerge()), (std::vector<std::string>{"Beta", "Mu", "Zeta"}));

    tables.SetUseDefaultDatabase(false);
    tables.UpdateMergeTable();
    EXPECT_EQ(Names(tables.TableFixtureMerge()), (std::vector<std::string>{"Mu"}));
}

TEST_F(ReferenceTablesTest, DerivedFieldsFollowAPostIntoTheMergedTable) {
    WriteText(Data("DataFixtureUser.dbu"),
              kFixtureHeader + "\"Par\",\"A\",\"10\",\"10\",\r\n\"Empty\",\"A\",,,\r\n");
    tables.LoadAll();
    Table& user = tables.TableFixtureUser();
    ASSERT_EQ(user.AsString("FixtureName"), "Empty");
    EXPECT_EQ(user.AsFloat("WeightLbs"), 0.0);
    EXPECT_EQ(user.AsFloat("mFMax"), 0.0);

    int mergeResets = 0;
    tables.TableFixtureMerge().Subscribe([&mergeResets](const TableChange& change) {
        if (change.kind == ChangeKind::Reset) ++mergeResets;
    });
    user.SetRecNo(2);
    user.SetValue("BeamMax", 30.0);
    user.SetValue("Weight", 10.0);
    user.Post();
    EXPECT_EQ(mergeResets, 1);  // one rebuild, one notification
    EXPECT_NEAR(user.AsFloat("mFMax"), 0.5358983848622454, 1e-16);
    EXPECT_EQ(user.AsFloat("WeightLbs"), 22.0462262);
    Table& merge = tables.TableFixtureMerge();
    const int row = 1;  // "Par"
    ASSERT_EQ(Names(merge)[row], "Par");
    EXPECT_EQ(std::get<double>(merge.RecordAt(row)[merge.FieldIndex("mFMax")]),
              user.AsFloat("mFMax"));
    EXPECT_EQ(std::get<double>(merge.RecordAt(row)[merge.FieldIndex("WeightLbs")]), 22.0462262);
}

TEST(FixtureFields, MagnificationUsesExtendedPrecision) {
    // 2 × tan(angle / 2) correctly rounded; plain double arithmetic misses the first two
    // (…674 and …862 in the last digits).
    EXPECT_EQ(MagnificationFactor(1.5), 0.02618143416967017);
    EXPECT_EQ(MagnificationFactor(3.0), 0.052371843138373855);
    EXPECT_EQ(MagnificationFactor(30.0), 0.5358983848622454);
    EXPECT_EQ(MagnificationFactor(50.0), 0.9326153163099972);
    EXPECT_EQ(MagnificationFactor(0.0), 0.0);
}

TEST_F(ReferenceTablesTest, FilterIsExactAndExportWritesOnlyWhatPasses) {
    WriteText(Data("DataFixtureUser.dbu"), kFixtureHeader +
                                               "\"One\",\"Acme\",,,\r\n\"Two\",\"acme\",,,\r\n"
                                               "\"Three\",,,,\r\n\"Four\",\"Acme\",,,\r\n");
    tables.LoadAll();
    tables.ApplyStartFilter("Acme", true);
    EXPECT_EQ(Names(tables.TableFixtureMerge()), (std::vector<std::string>{"Four", "One"}));

    ASSERT_TRUE(tables.ExportTable(tables.TableFixtureUser(), dir / "export.CSV"));
    const auto exported = MakeTable(TableKind::Fixture, "E");
    ASSERT_TRUE(LoadTableFromFile(*exported, dir / "export.CSV").complete);
    EXPECT_EQ(Names(*exported), (std::vector<std::string>{"Four", "One"}));

    tables.SaveAllDatabase();
    const auto saved = MakeTable(TableKind::Fixture, "S");
    ASSERT_TRUE(LoadTableFromFile(*saved, Data("DataFixtureUser.dbu")).complete);
    EXPECT_EQ(saved->RecordCount(), 4);
    EXPECT_TRUE(tables.TableFixtureMerge().Filtered());  // filtering is back on after the save
    EXPECT_EQ(tables.TableFixtureMerge().RecordCount(), 2);

    tables.SetFilterManufacturer("");
    tables.SetFixtureFiltering(true);  // an empty manufacturer never passes
    EXPECT_EQ(tables.TableFixtureMerge().RecordCount(), 0);
}

TEST_F(ReferenceTablesTest, ImportAppendsToShippedFixturesAndCancelIsReported) {
    WriteText(dir / "more.csv", kFixtureHeader + "\"B\",,,,\r\n\"A\",,,,\r\n");
    tables.LoadAll();
    messenger.shown.clear();
    tables.Import1Click(dir / "more.csv");
    tables.Import1Click(dir / "more.csv");
    EXPECT_EQ(Names(tables.TableFixture()), (std::vector<std::string>{"A", "A", "B", "B"}));
    EXPECT_EQ(tables.TableFixtureMerge().RecordCount(), 0);  // follows at the next rebuild
    EXPECT_TRUE(messenger.shown.empty());
    tables.Import1Click(std::nullopt);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, "Cannot Import File");
    EXPECT_EQ(messenger.shown[0].kind, MessageKind::Information);
}

TEST_F(ReferenceTablesTest, AFileThatStopsLoadingIsNamedAndNeverWrittenOver) {
    const std::string userFile = kFixtureHeader +
                                 "\"Good\",\"A\",\"10\",\"1\",\r\n"
                                 "\"Bad\",\"A\",\"ten\",\"1\",\r\n"
                                 "\"Lost\",\"A\",\"10\",\"1\",\r\n";
    WriteText(Data("DataFixtureUser.dbu"), userFile);
    WriteText(Data("DataFixture.dbd"), kFixtureHeader);
    WriteText(Data("DataManufacturer.dbd"), "");
    tables.LoadAll();
    ASSERT_EQ(messenger.shown.size(), 1u);
    const std::string& message = messenger.shown[0].text;
    EXPECT_NE(message.find("DataFixtureUser.dbu"), std::string::npos) << message;
    EXPECT_NE(message.find("line 3"), std::string::npos) << message;
    EXPECT_EQ(Names(tables.TableFixtureUser()), (std::vector<std::string>{"Good"}));
    EXPECT_EQ(Names(tables.TableFixtureMerge()), (std::vector<std::string>{"Good"}));
    EXPECT_TRUE(tables.LoadIncomplete(tables.TableFixtureUser()));

    messenger.shown.clear();
    tables.SaveAllDatabase();  // "Save Databases Now"
    tables.SaveAllDatabase();  // exit
    EXPECT_EQ(ReadAll(Data("DataFixtureUser.dbu")), userFile);
    ASSERT_EQ(messenger.shown.size(), 1u);  // said once
    EXPECT_NE(messenger.shown[0].text.find("DataFixtureUser.dbu"), std::string::npos);
    EXPECT_NE(fs::file_size(Data("DataRoadCase.dbu")), 0u);  // the other files are still written
}

TEST_F(ReferenceTablesTest, ShippedFixtureFileFaultKeepsItsHeading) {
    WriteText(Data("DataFixture.dbd"), kFixtureHeader + "\"X\",,,\"heavy\",\r\n");
    tables.SetSaveDefaultData(true);
    tables.LoadAll();
    ASSERT_FALSE(messenger.shown.empty());
    EXPECT_EQ(messenger.shown[1].kind, MessageKind::Warning);
    EXPECT_EQ(messenger.shown[1].text.rfind("Error Opening Fixture Database\n", 0), 0u)
        << messenger.shown[1].text;
}

struct SaveFailureCase {
    const char* name;
    const char* file;
    bool saveDefault;
    const char* message;
};

class SaveFailure : public ::testing::TestWithParam<SaveFailureCase> {};

TEST_P(SaveFailure, IsReportedPerFileAndTheOthersAreWritten) {
    const SaveFailureCase& c = GetParam();
    const fs::path dir =
        fs::temp_directory_path() / (std::string("quillux_refdata_save_") + c.name);
    fs::remove_all(dir);
    fs::create_directories(dir / "Data");
    RecordingMessenger messenger;
    ReferenceTables tables(messenger);
    tables.SetInstallDir(dir);
    tables.SetSaveDefaultData(c.saveDefault);
    tables.LoadAll();
    messenger.shown.clear();
    // A folder where the file should be: the replacement cannot happen.
    fs::remove(dir / "Data" / c.file);
    fs::create_directories(dir / "Data" / c.file / "blocked");
    tables.SaveAllDatabase();
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messenger.shown[0].text, c.message);
    for (const char* other :
         {"DataFixtureUser.dbu", "DataManufacturerUser.dbu", "DataRoadCase.dbu"})
        if (std::string(other) != c.file) {
            EXPECT_NE(fs::file_size(dir / "Data" / other), 0u) << other;
        }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SaveFailure,
    ::testing::Values(SaveFailureCase{"DefaultFixture", "DataFixture.dbd", true,
                                      "Cannot Save \"Default Fixture data File\""},
                      SaveFailureCase{"UserFixture", "DataFixtureUser.dbu", false,
                                      "Cannot Save \"User Fixture  Data File\""},
                      SaveFailureCase{"DefaultManufacturer", "DataManufacturer.dbd", true,
                                      "Cannot Save \"Default Manufacturer data File\""},
                      SaveFailureCase{"UserManufacturer", "DataManufacturerUser.dbu", false,
                                      "Cannot Save \"User Manufacturer Data File\""},
                      SaveFailureCase{"Roadcase", "DataRoadCase.dbu", false,
                                      "Cannot Save \"User Roadcase Data File\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReferenceTablesTest, ManufacturerMergeFollowsPostsAndDeletes) {
    WriteText(Data("DataManufacturer.dbd"),
              "\"Manufacturer\",\"Website\",\r\n\"Shipped\",\"s.example\",\r\n");
    tables.LoadAll();
    Table& user = tables.TableManufacturerUser();
    user.Append();
    EXPECT_EQ(user.AsString("Manufacturer"), "-");  // new record defaults
    EXPECT_EQ(user.AsString("Website"), "-");
    user.SetValue("Manufacturer", std::string("Mine"));
    user.Post();
    EXPECT_EQ(Names(tables.TableManufacturerMerge(), "Manufacturer"),
              (std::vector<std::string>{"Mine", "Shipped"}));
    tables.TableManufacturer().Delete();
    EXPECT_EQ(Names(tables.TableManufacturerMerge(), "Manufacturer"),
              (std::vector<std::string>{"Mine"}));
}

TEST_F(ReferenceTablesTest, PostInShippedFixturesKeepsBothRecordNumbers) {
    WriteText(Data("DataFixture.dbd"), kFixtureHeader + "\"A\",,,,\r\n\"C\",,,,\r\n\"E\",,,,\r\n");
    WriteText(Data("DataFixtureUser.dbu"), kFixtureHeader + "\"B\",,,,\r\n\"D\",,,,\r\n");
    tables.LoadAll();
    tables.TableFixtureUser().SetRecNo(2);
    Table& shipped = tables.TableFixture();
    shipped.SetRecNo(2);
    shipped.SetValue("Manufacturer", std::string("Acme"));
    shipped.Post();
    EXPECT_EQ(tables.CurrentRecord(), 2);
    EXPECT_EQ(shipped.RecNo(), 2);
    EXPECT_EQ(tables.TableFixtureUser().RecNo(), 2);
    EXPECT_EQ(Names(tables.TableFixtureMerge()),
              (std::vector<std::string>{"A", "B", "C", "D", "E"}));
}
