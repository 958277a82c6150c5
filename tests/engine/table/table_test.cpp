#include "engine/table/table.h"

#include <gtest/gtest.h>

#include "engine/table/list_kinds.h"

using namespace quillux::engine;

namespace {

std::unique_ptr<Table> Fixtures(std::initializer_list<std::pair<const char*, double>> rows) {
    auto table = MakeTable(TableKind::Fixture, "TableFixture");
    for (const auto& [name, watts] : rows) {
        table->Append();
        if (name != nullptr) table->SetValue("FixtureName", std::string(name));
        table->SetValue("Watts", watts);
        table->Post();
    }
    return table;
}

std::vector<std::string> Names(const Table& table) {
    std::vector<std::string> names;
    for (int row = 0; row < table.RecordCount(); ++row) {
        const Value& v = table.RecordAt(row)[0];
        names.push_back(IsNull(v) ? "~" : std::get<std::string>(v));
    }
    return names;
}

std::string CurrentName(const Table& table) { return table.AsString("FixtureName"); }

}  // namespace

TEST(TableSort, CollationOrderNullsFirstAndCurrentRecordFollows) {
    auto table = Fixtures({{"beta", 1}, {"Alpha", 2}, {nullptr, 3}, {"alpha", 4}});
    table->SetRecNo(2);
    ASSERT_EQ(CurrentName(*table), "Alpha");

    table->SetSort("FixtureName");  // byte order: upper case before lower case
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"~", "Alpha", "alpha", "beta"}));
    EXPECT_EQ(CurrentName(*table), "Alpha");

    table->SetSort("FixtureName", SortOrder::Descending);
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"beta", "alpha", "Alpha", "~"}));
    EXPECT_EQ(CurrentName(*table), "Alpha");

    // A caller's collation (here: lower case first) decides the order of texts.
    table->SetCollation([](std::string_view a, std::string_view b) {
        auto key = [](std::string_view s) {
            std::string k;
            for (char c : s) k.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c + 32));
            return k;
        };
        return key(a).compare(key(b));
    });
    table->SetSort("FixtureName");
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"~", "alpha", "beta", "Alpha"}));

    table->SetSort("Watts", SortOrder::Descending);
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"alpha", "~", "Alpha", "beta"}));
}

TEST(TableSort, PostKeepsTheOrderAndTheEditedRecordStaysCurrent) {
    auto table = Fixtures({{"b", 1}, {"d", 2}});
    table->SetSort("FixtureName");
    table->Append();
    table->SetValue("FixtureName", std::string("c"));
    table->Post();
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(table->RecNo(), 2);

    table->First();
    table->Edit();
    table->SetValue("FixtureName", std::string("e"));
    EXPECT_EQ(table->ValueAt(0, 0), Value(std::string("e")));  // views see the edit buffer
    table->Post();
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"c", "d", "e"}));
    EXPECT_EQ(table->RecNo(), 3);
}

TEST(TableEdit, CancelDropsTheBufferAndInsertPlacesBeforeCurrent) {
    auto table = Fixtures({{"a", 1}, {"c", 2}});
    table->SetRecNo(2);
    table->SetValue("FixtureName", std::string("zz"));  // starts an edit
    EXPECT_EQ(table->State(), EditState::Edit);
    table->Cancel();
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"a", "c"}));

    table->Insert();
    table->SetValue("FixtureName", std::string("b"));
    table->Post();
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(table->RecNo(), 2);
}

TEST(TableEdit, DeleteMovesToTheNextRecordAndRefusesOnEmpty) {
    auto table = Fixtures({{"a", 1}, {"b", 2}, {"c", 3}});
    table->SetRecNo(2);
    table->Delete();
    EXPECT_EQ(CurrentName(*table), "c");
    table->Delete();
    EXPECT_EQ(CurrentName(*table), "a");
    table->Delete();
    EXPECT_EQ(table->CurrentRow(), -1);
    EXPECT_THROW(table->Delete(), TableError);
    EXPECT_THROW(table->Edit(), TableError);
    EXPECT_THROW(table->SetValue("Watts", 1.0), TableError);  // nothing to write into
    EXPECT_EQ(table->TotalRecordCount(), 0);
}

struct RangeCase {
    const char* name;
    TableKind kind;
    double value;
    const char* message;  // empty: accepted
};

class PowerFactorRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PowerFactorRange, RefusedWithTheMessageAndTheEditStaysOpen) {
    const RangeCase& c = GetParam();
    auto table = MakeTable(c.kind, "T");
    table->Append();
    table->SetValue("Power Factor", 0.5);
    if (std::string(c.message).empty()) {
        table->SetValue("Power Factor", c.value);
        EXPECT_EQ(table->AsFloat("Power Factor"), c.value);
        return;
    }
    try {
        table->SetValue("Power Factor", c.value);
        FAIL() << "accepted " << c.value;
    } catch (const TableError& error) {
        EXPECT_STREQ(error.what(), c.message);
    }
    EXPECT_EQ(table->State(), EditState::Insert);
    EXPECT_EQ(table->AsFloat("Power Factor"), 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PowerFactorRange,
    ::testing::Values(
        RangeCase{"FixtureAboveOne", TableKind::Fixture, 1.5,
                  "1.5 is not a valid value for field 'Power Factor'. The allowed range is 0 to 1"},
        RangeCase{
            "FixtureNegative", TableKind::Fixture, -0.25,
            "-0.25 is not a valid value for field 'Power Factor'. The allowed range is 0 to 1"},
        RangeCase{"FixtureZeroAccepted", TableKind::Fixture, 0.0, ""},
        RangeCase{"FixtureOneAccepted", TableKind::Fixture, 1.0, ""},
        RangeCase{
            "LoadListZero", TableKind::LoadList, 0.0,
            "0 is not a valid value for field 'Power Factor'. The allowed range is 0.01 to 1"},
        RangeCase{"LoadListLowestAccepted", TableKind::LoadList, 0.01, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableFilter, PredicateRefreshAndCurrentRecord) {
    auto table = Fixtures({{"a", 100}, {"b", 500}, {"c", 200}, {"d", 700}});
    double limit = 300;
    table->SetFilter([&limit](const Table& t, const Record& r) {
        return std::get<double>(r[static_cast<std::size_t>(t.FieldIndex("Watts"))]) > limit;
    });
    table->SetRecNo(4);
    table->SetFiltered(true);
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"b", "d"}));
    EXPECT_EQ(CurrentName(*table), "d");
    EXPECT_EQ(table->TotalRecordCount(), 4);

    limit = 150;
    table->Refresh();
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(CurrentName(*table), "d");

    limit = 1000;  // the current record no longer shows
    table->Refresh();
    EXPECT_EQ(table->CurrentRow(), -1);
    table->SetFiltered(false);
    EXPECT_EQ(table->RecordCount(), 4);
}

TEST(TableNotifications, BatchSendsOneResetAndViewsSeeEachPost) {
    auto table = Fixtures({});
    std::vector<ChangeKind> seen;
    const auto id = table->Subscribe([&seen](const TableChange& change) {
        if (change.kind != ChangeKind::CurrentMoved && change.kind != ChangeKind::StateChanged)
            seen.push_back(change.kind);
    });
    {
        TableUpdate batch(*table);
        for (int i = 0; i < 50; ++i) {
            table->Append();
            table->SetValue("Watts", double(i));
            table->Post();
        }
    }
    EXPECT_EQ(seen, std::vector<ChangeKind>{ChangeKind::Reset});

    seen.clear();
    table->SetRecNo(3);
    table->SetValue("Watts", 1.0);
    table->Post();
    table->Delete();
    EXPECT_EQ(seen, (std::vector<ChangeKind>{ChangeKind::RowChanged, ChangeKind::RowChanged,
                                             ChangeKind::RowRemoved}));

    table->Unsubscribe(id);
    seen.clear();
    table->Clear();
    EXPECT_TRUE(seen.empty());
}

TEST(TableCopy, CopiesFieldsByNameBetweenDifferentLayouts) {
    auto fixtures = Fixtures({{"Spot", 575}});
    fixtures->First();
    fixtures->SetValue("Manufacturer", std::string("Acme"));
    fixtures->SetValue("Weight", 21.5);
    fixtures->Post();

    auto weight = MakeTable(TableKind::Weight, "TableWeightL");
    weight->AppendCopyOf(*fixtures, fixtures->RecordAt(0));
    EXPECT_EQ(weight->AsString("FixtureName"), "Spot");
    EXPECT_EQ(weight->AsString("Manufacturer"), "Acme");
    EXPECT_EQ(weight->AsFloat("Weight"), 21.5);
    EXPECT_TRUE(weight->IsNullField("Number of Fixture"));
}

TEST(TableFields, AutoIncrementTextSizeDefaultsAndCalcFields) {
    auto rig = MakeTable(TableKind::Rigging, "TableRig");
    for (int i = 0; i < 3; ++i) {
        rig->Append();
        rig->SetValue("Point", std::string("Point: a very long point name"));
        rig->Post();
    }
    rig->Last();
    EXPECT_EQ(rig->AsInteger("No"), 3);
    EXPECT_EQ(rig->AsString("Point"), "Point: a very long p");  // 20 characters
    rig->Delete();
    rig->Append();
    rig->Post();
    EXPECT_EQ(rig->AsInteger("No"), 4);  // numbers are not reused

    auto dmx = MakeTable(TableKind::Dmx, "TableDMX");
    dmx->Append();
    EXPECT_FALSE(dmx->AsBoolean("AddressMinusOne"));
    EXPECT_FALSE(dmx->IsNullField("AddressMinusOne"));
    dmx->SetValue("Fixture name",
                  std::string("Ünïcödé fixture name that is longer than forty chars"));
    EXPECT_EQ(dmx->AsString("Fixture name"), "Ünïcödé fixture name that is longer than");

    auto weight = MakeTable(TableKind::Weight, "TableWeightL");
    weight->SetCalcFields([](Table& t, Record& r) {
        r[static_cast<std::size_t>(t.FieldIndex("TotalWeightKg"))] =
            std::get<std::int32_t>(r[0]) * std::get<double>(r[3]);
    });
    weight->Append();
    weight->SetValue("Number of Fixture", 4);
    weight->SetValue("Weight", 2.5);
    weight->Post();
    EXPECT_EQ(weight->AsFloat("TotalWeightKg"), 10.0);
}
