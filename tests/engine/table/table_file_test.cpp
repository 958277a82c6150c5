#include "engine/table/table_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/number/format_float_value.h"
#include "engine/table/atomic_file.h"
#include "engine/table/list_kinds.h"

using namespace quillux::engine;

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path TempFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / ("quillux_table_file_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

FieldDef Def(const char* name, FieldType type, int size = 0) {
    FieldDef def;
    def.name = name;
    def.type = type;
    def.size = size;
    return def;
}

Table SmallTable() {
    return Table("Small", {Def("Name", FieldType::Text, 50), Def("Value", FieldType::Double),
                           Def("Count", FieldType::Integer), Def("Flag", FieldType::Boolean),
                           Def("Picture", FieldType::Picture)});
}

void AddRow(Table& table, Value name, Value number, Value count, Value flag, Value picture = {}) {
    table.Append();
    table.SetValue(0, std::move(name));
    table.SetValue(1, std::move(number));
    table.SetValue(2, std::move(count));
    table.SetValue(3, std::move(flag));
    table.SetValue(4, std::move(picture));
    table.Post();
}

}  // namespace

TEST(BinaryText, PartExampleAndLengths) {
    EXPECT_EQ(EncodeBinaryText(Bytes{'a', 'b', 'c'}), "A)V8");
    EXPECT_EQ(DecodeBinaryText("A)V8"), (Bytes{'a', 'b', 'c'}));
    for (std::size_t n = 0; n < 12; ++n) {
        Bytes bytes(n);
        for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(0xF7 - 31 * i);
        const std::string text = EncodeBinaryText(bytes);
        EXPECT_EQ(text.size(), (4 * n + 2) / 3) << n;
        for (const char c : text) EXPECT_TRUE(c >= ' ' && c <= '_') << n;
        EXPECT_EQ(DecodeBinaryText(text), bytes) << n;
    }
}

TEST(WriteTableText, ExactTextOfEveryRule) {
    Table table = SmallTable();
    AddRow(table, std::string("plain"), 2.5, 7, true, Bytes{'a', 'b', 'c'});
    AddRow(table, std::string("a,\"b\"%\r\n"), 1000.0, -3, false);
    AddRow(table, Value{}, 1e-5, Value{}, Value{});
    AddRow(table, std::string(""), 0.12, 0, Value{});
    AddRow(table, std::string("big"), 1e15, Value{}, Value{});
    AddRow(table, std::string("nul", 4), 123456789012345.0, Value{}, Value{});
    const std::string expected =
        "\"Name\",\"Value\",\"Count\",\"Flag\",\"Picture\",\r\n"
        "\"plain\",\"2.5\",\"7\",\"True\",\"A)V8\",\r\n"
        "\"a,\"\"b\"\"%%%c%n\",\"1000\",\"-3\",\"False\",,\r\n"
        ",\"1E-5\",,,,\r\n"
        "\"\",\"0.12\",\"0\",,,\r\n"
        "\"big\",\"1E15\",,,,\r\n"
        "\"nul%0\",\"123456789012345\",,,,\r\n";
    EXPECT_EQ(WriteTableText(table, TableFileFormat::Table), expected);

    const std::string exported = WriteTableText(table, TableFileFormat::Export);
    EXPECT_EQ(exported.substr(0, exported.find("\r\n")), "\"Name\",\"Value\",\"Count\",\"Flag\",");
    EXPECT_EQ(exported.find("A)V8"), std::string::npos);
}

TEST(WriteTableText, EmptyTableIsHeaderOnly) {
    const auto table = MakeTable(TableKind::Manufacturer, "T");
    EXPECT_EQ(WriteTableText(*table, TableFileFormat::Table),
              "\"Manufacturer\",\"Website\",\"Phone\",\"PhoneHotLine\",\"EmailInfo\","
              "\"EmailSupport\",\r\n");
}

TEST(TableFileRoundTrip, EveryFieldTypeSurvives) {
    const auto table = MakeTable(TableKind::Rigging, "Rig");
    Bytes picture(256);
    for (int i = 0; i < 256; ++i)
        picture[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    table->Append();
    table->SetValue("Point", std::string("Fixture, \"Spot\" 100% \r\nline two"));
    table->SetValue("Description", std::string(""));  // empty text, not null
    table->SetValue("PointAx", 0.1 + 0.2);            // needs all 15 digits... and loses the rest
    table->SetValue("PointAy", -12.75);
    table->SetValue("LookingBridle", true);
    table->SetValue("RigValue", picture);
    table->SetValue("RigLoad", Bytes{});  // empty picture, not null
    table->Post();
    table->Append();
    table->SetValue("LookingBridle", false);
    table->Post();

    const std::string text = WriteTableText(*table, TableFileFormat::Table);
    const auto back = MakeTable(TableKind::Rigging, "Rig");
    const TableReadResult result = ReadTableText(*back, text, "list.Rig");
    ASSERT_TRUE(result.complete) << result.error;
    ASSERT_EQ(back->RecordCount(), 2);
    for (int row = 0; row < 2; ++row) {
        for (int field = 0; field < table->FieldCount(); ++field) {
            const Value& was = table->RecordAt(row)[static_cast<std::size_t>(field)];
            const Value& now = back->RecordAt(row)[static_cast<std::size_t>(field)];
            if (field == back->FieldIndex("PointAx") && row == 0) {
                EXPECT_EQ(std::get<double>(now), 0.3);  // 15 significant digits
                continue;
            }
            EXPECT_EQ(was, now) << "row " << row << " field " << table->Field(field).name;
        }
    }
    EXPECT_TRUE(IsNull(back->RecordAt(1)[back->FieldIndex("Point")]));
    EXPECT_EQ(back->RecordAt(0)[0], Value(std::int32_t{1}));  // the counter keeps its value
    EXPECT_EQ(WriteTableText(*back, TableFileFormat::Table), text);

    const std::string exported = WriteTableText(*table, TableFileFormat::Export);
    const auto fromExport = MakeTable(TableKind::Rigging, "Rig");
    ASSERT_TRUE(ReadTableText(*fromExport, exported, "list.csv").complete);
    EXPECT_TRUE(IsNull(fromExport->RecordAt(0)[fromExport->FieldIndex("RigValue")]));
    EXPECT_EQ(fromExport->RecordAt(0)[1], table->RecordAt(0)[1]);
}

struct ReadCase {
    const char* name;
    std::string text;
    // Expected "Name|Value|Flag" per record; "~" stands for null.
    std::vector<std::string> rows;
};

class ReadHandWritten : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadHandWritten, LoadsAsWritten) {
    Table table = SmallTable();
    const ReadCase& c = GetParam();
    const TableReadResult result = ReadTableText(table, c.text, "hand.csv");
    ASSERT_TRUE(result.complete) << result.error;
    std::vector<std::string> rows;
    for (int row = 0; row < table.RecordCount(); ++row) {
        std::string line;
        for (const int field : {0, 1, 3}) {
            const Value& v = table.RecordAt(row)[static_cast<std::size_t>(field)];
            if (field != 0) line += "|";
            line += IsNull(v) ? "~" : ValueToText(v);
        }
        rows.push_back(line);
    }
    EXPECT_EQ(rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadHandWritten,
    ::testing::Values(
        ReadCase{"OtherOrderCaseAndUnknownColumn",
                 "\"FLAG\",\"extra\",\"value\",\"name\",\r\n\"True\",\"zz\",\"1.5\",\"x\",\r\n",
                 {"x|1.5|True"}},
        ReadCase{"LowerCaseTrueIsFalse",
                 "\"Name\",\"Flag\",\r\n\"a\",\"true\",\r\n\"b\",\"True\",\r\n",
                 {"a|~|False", "b|~|True"}},
        ReadCase{"BlankLinesSkipped",
                 "\r\n\"Name\",\r\n\r\n\r\n\"a\",\r\n  \r\n\"b\",\r\n\r\n",
                 {"a|~|~", "b|~|~"}},
        ReadCase{"LineFeedsOnlyAndNoTrailingComma",
                 "\"Name\",\"Value\"\n\"a\",\"2\"\n\"b\",3\n",
                 {"a|2|~", "b|3|~"}},
        ReadCase{"QuotedLineEndBecomesOneLineFeed",
                 "\"Name\",\"Value\",\r\n\"two\r\nlines\",\"1\",\r\n",
                 {"two\nlines|1|~"}},
        ReadCase{"EmptyQuotesAreEmptyTextNothingIsNull",
                 "\"Name\",\"Value\",\r\n\"\",,\r\n,\"\",\r\n",
                 {"|~|~", "~|~|~"}},
        ReadCase{
            "PercentRules", "\"Name\",\r\n\"100%% %n%c%q end%\",\r\n", {"100% \n\r%q end|~|~"}},
        ReadCase{"DoubledQuotesAndCommaInside",
                 "\"Name\",\r\n\"say \"\"hi\"\", friend\",\r\n",
                 {"say \"hi\", friend|~|~"}},
        ReadCase{"ByteOrderMarkFromAnEditor", "\xEF\xBB\xBF\"Name\",\r\n\"a\",\r\n", {"a|~|~"}},
        ReadCase{"MissingValuesStayEmpty", "\"Name\",\"Value\",\"Flag\",\r\n\"a\",\r\n", {"a|~|~"}},
        ReadCase{"HeaderOnly", "\"Name\",\"Value\",\r\n", {}}, ReadCase{"EmptyFile", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTableText, NotANumberStopsTheLoadAndKeepsEarlierRecords) {
    Table table = SmallTable();
    AddRow(table, std::string("already"), 1.0, 1, true);
    const std::string text =
        "\"Name\",\"Value\",\r\n"
        "\"a\",\"1\",\r\n"
        "\"b\",\"two\r\nlines\",\r\n"  // line 3, running over line 4
        "\"c\",\"3\",\r\n";
    const TableReadResult result = ReadTableText(table, text, "Data/DataFixtureUser.dbu");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(result.errorLine, 3);
    EXPECT_NE(result.error.find("Data/DataFixtureUser.dbu"), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("line 3"), std::string::npos) << result.error;
    ASSERT_EQ(table.RecordCount(), 2);  // reading never removes what was there
    EXPECT_EQ(std::get<std::string>(table.RecordAt(1)[0]), "a");
}

TEST(ReadTableText, WholeNumberThatIsNotOneStops) {
    Table table = SmallTable();
    const TableReadResult result =
        ReadTableText(table, "\"Count\",\r\n\"1\",\r\n\"1.5\",\r\n", "x");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.errorLine, 3);
    EXPECT_EQ(table.RecordCount(), 1);
}

TEST(ReadTableText, TextIsCutToTheFieldSize) {
    const auto table = MakeTable(TableKind::LoadList, "L");
    ASSERT_TRUE(ReadTableText(*table, "\"UsedPhase\",\r\n\"X-Y-Z-N\",\r\n", "x").complete);
    EXPECT_EQ(std::get<std::string>(table->RecordAt(0)[5]), "X-Y-Z");
}

TEST(SaveTableToFile, ReplacesWholeAndLeavesNoTemporaryFile) {
    const auto folder = TempFolder("replace");
    const auto path = folder / "list.QXW";
    const auto table = MakeTable(TableKind::Weight, "W");
    table->Append();
    table->SetValue("FixtureName", std::string("Spot"));
    table->Post();
    { std::ofstream(path, std::ios::binary) << std::string(100000, 'x'); }
    SaveTableToFile(*table, path, TableFileFormat::Table);
    EXPECT_EQ(ReadAll(path), WriteTableText(*table, TableFileFormat::Table));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SaveTableToFile, FailureKeepsTheOldFile) {
    const auto folder = TempFolder("failure");
    // The target is a folder: the rename must fail and nothing may be left behind.
    const auto blocked = folder / "list.TLL";
    std::filesystem::create_directories(blocked / "inside");
    const auto table = MakeTable(TableKind::Truck, "T");
    EXPECT_THROW(SaveTableToFile(*table, blocked, TableFileFormat::Table), FileWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1);
    // A folder that does not exist cannot take the temporary file either.
    EXPECT_THROW(SaveTableToFile(*table, folder / "missing" / "x.TLL", TableFileFormat::Table),
                 FileWriteError);
}

TEST(LoadTableFromFile, MissingFileIsReportedByName) {
    const auto table = MakeTable(TableKind::Dmx, "D");
    const TableReadResult result = LoadTableFromFile(*table, "/nonexistent/folder/list.QXX");
    EXPECT_FALSE(result.complete);
    EXPECT_NE(result.error.find("/nonexistent/folder/list.QXX"), std::string::npos);
}

TEST(DecimalText, SameTextAsFormatFloatValueGeneral15) {
    std::mt19937_64 random(20261211);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  2.5,
                                  1000,
                                  0.12,
                                  1e-5,
                                  1e15,
                                  999999999999999.4,
                                  999999999999999.5,
                                  0.0001,
                                  0.00009999999999999999,
                                  123.456,
                                  -7.25,
                                  0.1 + 0.2,
                                  1.0 / 3.0,
                                  2.0 / 3.0,
                                  5e-324,
                                  1.7976931348623157e308,
                                  std::nan(""),
                                  INFINITY,
                                  -INFINITY,
                                  0.30000000000000004,
                                  9.9999999999999995e-5};
    for (int i = 0; i < 50000; ++i) {
        double v;
        if (i % 2 == 0) {
            std::uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
        } else {
            // Decimal-looking values near rounding boundaries at 15 digits.
            const double mantissa = static_cast<double>(random() % 1000000000000000000ULL) / 1e17;
            v = mantissa * std::pow(10.0, static_cast<int>(random() % 40) - 20);
        }
        values.push_back(v);
    }
    int mismatches = 0;
    for (const double v : values) {
        std::string fast;
        AppendDecimalText(fast, v);
        const std::string reference = FormatFloatValue(v, FloatFormat::General, 15, 0, ".");
        if (fast != reference && ++mismatches < 10)
            ADD_FAILURE() << v << ": " << fast << " vs " << reference;
    }
    EXPECT_EQ(mismatches, 0);
}
