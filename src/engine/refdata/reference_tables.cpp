#include "engine/refdata/reference_tables.h"

#include <system_error>

#include "engine/refdata/fixture_fields.h"
#include "engine/table/atomic_file.h"
#include "engine/table/list_kinds.h"

namespace quillux::engine {

namespace {

constexpr const char* kFixtureFile = "DataFixture.dbd";
constexpr const char* kFixtureUserFile = "DataFixtureUser.dbu";
constexpr const char* kManufacturerFile = "DataManufacturer.dbd";
constexpr const char* kManufacturerUserFile = "DataManufacturerUser.dbu";
constexpr const char* kRoadCaseFile = "DataRoadCase.dbu";

enum FileSlot {
    kSlotFixture,
    kSlotFixtureUser,
    kSlotManufacturer,
    kSlotManufacturerUser,
    kSlotRoadCase
};

}  // namespace

struct ReferenceTables::FileTable {
    Table* table = nullptr;
    const char* fileName = "";
    const char* sortField = "";
    const char* loadHeading = "";  // first line of the message when the file stops loading
    bool incomplete = false;       // the file did not load whole: never write over it
    bool keptNoticeShown = false;
};

ReferenceTables::ReferenceTables(Messenger& messenger, TextCollation collation)
    : messenger_(&messenger) {
    fixture_ = MakeTable(TableKind::Fixture, "TableFixture");
    fixtureUser_ = MakeTable(TableKind::Fixture, "TableFixtureUser");
    fixtureMerge_ = MakeTable(TableKind::Fixture, "TableFixtureMerge");
    manufacturer_ = MakeTable(TableKind::Manufacturer, "TableManufacturer");
    manufacturerUser_ = MakeTable(TableKind::Manufacturer, "TableManufacturerUser");
    manufacturerMerge_ = MakeTable(TableKind::Manufacturer, "TableManufacturerMerge");
    roadCase_ = MakeTable(TableKind::RoadCase, "TableRoadCase");
    if (collation) {
        for (Table* table :
             {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get(), manufacturer_.get(),
              manufacturerUser_.get(), manufacturerMerge_.get(), roadCase_.get()})
            table->SetCollation(collation);
    }

    auto make = [](Table* table, const char* file, const char* sort, const char* heading) {
        auto entry = std::make_unique<FileTable>();
        entry->table = table;
        entry->fileName = file;
        entry->sortField = sort;
        entry->loadHeading = heading;
        return entry;
    };
    files_[kSlotFixture] =
        make(fixture_.get(), kFixtureFile, "FixtureName", "Error Opening Fixture Database");
    files_[kSlotFixtureUser] = make(fixtureUser_.get(), kFixtureUserFile, "FixtureName",
                                    "Error Opening User Fixture Database");
    files_[kSlotManufacturer] = make(manufacturer_.get(), kManufacturerFile, "Manufacturer",
                                     "Error Opening Manufacturer Database");
    files_[kSlotManufacturerUser] =
        make(manufacturerUser_.get(), kManufacturerUserFile, "Manufacturer",
             "Error Opening User Manufacturer Database");
    files_[kSlotRoadCase] =
        make(roadCase_.get(), kRoadCaseFile, "Name", "Error Opening Roadcase Database");
    InstallHandlers();
}

ReferenceTables::~ReferenceTables() = default;

void ReferenceTables::InstallHandlers() {
    // The manufacturer filter: exact and case-sensitive; an empty manufacturer never passes.
    auto filter = [this](const Table& table, const Record& record) {
        const int field = table.FieldIndex("Manufacturer");
        if (field < 0) return false;
        const auto* name = std::get_if<std::string>(&record[static_cast<std::size_t>(field)]);
        return name != nullptr && !name->empty() && *name == filterManufacturer_;
    };
    for (Table* table : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()})
        table->SetFilter(filter);

    fixture_->SetCalcFields(MakeFixtureCalcFields(*fixture_));
    fixtureUser_->SetCalcFields(MakeFixtureCalcFields(*fixtureUser_));

    fixture_->SetAfterPost([this](Table& table) {
        currentRecord_ = table.RecNo();
        const int fixtureRecNo = table.RecNo();
        const int userRecNo = fixtureUser_->RecNo();
        RefreshTableFixture();
        UpdateMergeTable();
        table.SetRecNo(fixtureRecNo);
        fixtureUser_->SetRecNo(userRecNo);
    });
    fixtureUser_->SetAfterPost([this](Table& table) {
        table.Refresh();
        UpdateMergeTable();
    });
    fixture_->SetAfterDelete([this](Table&) {
        RefreshTableFixture();
        UpdateMergeTable();
    });
    fixtureUser_->SetAfterDelete([this](Table& table) {
        table.Refresh();
        UpdateMergeTable();
    });
    for (Table* table : {manufacturer_.get(), manufacturerUser_.get()}) {
        table->SetAfterPost([this](Table&) { RebuildManufacturerMerge(); });
        table->SetAfterDelete([this](Table& changed) {
            changed.Refresh();
            RebuildManufacturerMerge();
        });
    }
}

std::filesystem::path ReferenceTables::DataFile(const char* name) const {
    return installDir_ / "Data" / name;
}

ReferenceTables::FileTable* ReferenceTables::Entry(const Table& table) {
    for (auto& entry : files_)
        if (entry->table == &table) return entry.get();
    return nullptr;
}

const ReferenceTables::FileTable* ReferenceTables::Entry(const Table& table) const {
    for (const auto& entry : files_)
        if (entry->table == &table) return entry.get();
    return nullptr;
}

bool ReferenceTables::LoadIncomplete(const Table& table) const {
    const FileTable* entry = Entry(table);
    return entry != nullptr && entry->incomplete;
}

void ReferenceTables::ReportLoadFailure(FileTable& entry, const TableReadResult& result) {
    entry.incomplete = true;
    messenger_->Warning(
        std::string(entry.loadHeading) + "\n" + result.error +
        "\nThe records before that line are loaded. The file will not be saved over, "
        "so it stays as it is.");
}

bool ReferenceTables::OpenFileTable(FileTable& entry) {
    const std::filesystem::path path = DataFile(entry.fileName);
    std::error_code error;
    TableReadResult result;
    if (std::filesystem::exists(path, error)) {
        result = LoadTableFromFile(*entry.table, path);
    } else {
        std::filesystem::create_directories(path.parent_path(), error);
        try {
            WriteFileAtomically(path, {});
        } catch (const FileWriteError&) {
            // The table simply stays empty; there is no user file to protect.
        }
        if (entry.table == fixture_.get())
            messenger_->Information("The default Fixture File was not found");
        if (entry.table == manufacturer_.get())
            messenger_->Information("The default manufacturer File was not found");
    }
    entry.table->SetSort(entry.sortField, SortOrder::Ascending);
    entry.table->First();
    if (!result.complete) {
        ReportLoadFailure(entry, result);
        return false;
    }
    return true;
}

bool ReferenceTables::OpenManufacturerDatabase() {
    return OpenFileTable(*files_[kSlotManufacturer]);
}
bool ReferenceTables::OpenManufacturerUserDatabase() {
    return OpenFileTable(*files_[kSlotManufacturerUser]);
}
bool ReferenceTables::OpenFixtureDatabase() { return OpenFileTable(*files_[kSlotFixture]); }
bool ReferenceTables::OpenFixtureUserDatabase() { return OpenFileTable(*files_[kSlotFixtureUser]); }
bool ReferenceTables::OpenRoadCaseDatabase() { return OpenFileTable(*files_[kSlotRoadCase]); }

void ReferenceTables::OpenManufacturerMergeDatabase() {
    manufacturerMerge_->SetSort("Manufacturer", SortOrder::Ascending);
}

void ReferenceTables::OpenFixtureMergeDatabase() {
    fixtureMerge_->SetSort("FixtureName", SortOrder::Ascending);
}

void ReferenceTables::LoadAll() {
    OpenManufacturerDatabase();
    OpenManufacturerUserDatabase();
    OpenManufacturerMergeDatabase();
    RebuildManufacturerMerge();
    OpenFixtureDatabase();
    OpenFixtureUserDatabase();
    OpenFixtureMergeDatabase();
    UpdateMergeTable();
    OpenRoadCaseDatabase();
}

void ReferenceTables::ApplyStartFilter(const std::string& filterManufacturer, bool filteringOn) {
    filterManufacturer_ = filterManufacturer;
    if (filteringOn) SetFixtureFiltering(true);
}

void ReferenceTables::SetFixtureFiltering(bool on) {
    for (Table* table : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()}) {
        if (table->Filtered() == on)
            table->Refresh();  // the filter value may have changed
        else
            table->SetFiltered(on);
    }
}

void ReferenceTables::CopyAllByName(const Table& source, Table& target) {
    // Field positions matched by name once; every data and derived field is copied.
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (int i = 0; i < source.FieldCount(); ++i) {
        const int j = target.FieldIndex(source.Field(i).name);
        if (j >= 0 && target.Field(j).type == source.Field(i).type)
            pairs.emplace_back(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
    }
    std::vector<Record> copies;
    const auto records = source.AllRecords();
    copies.reserve(records.size());
    for (const Record* record : records) {
        Record copy = target.NewRecord();
        for (const auto& [from, to] : pairs) copy[to] = (*record)[from];
        copies.push_back(std::move(copy));
    }
    target.AppendRecords(std::move(copies));
}

void ReferenceTables::RebuildManufacturerMerge() {
    if (rebuilding_) return;
    rebuilding_ = true;
    try {
        Table& merge = *manufacturerMerge_;
        const int recNo = merge.RecNo();
        TableUpdate batch(merge);
        merge.Clear();
        if (useDefaultDatabase_) CopyAllByName(*manufacturer_, merge);
        CopyAllByName(*manufacturerUser_, merge);
        if (recNo > 0) merge.SetRecNo(recNo);
    } catch (...) {
        // A failing rebuild leaves the merged table as far as it got, as it always has.
    }
    rebuilding_ = false;
}

void ReferenceTables::UpdateMergeTable() {
    if (rebuilding_) return;
    rebuilding_ = true;
    try {
        // The copies take every record whatever the sources' filters, in their current order.
        Table& merge = *fixtureMerge_;
        const int recNo = merge.RecNo();
        TableUpdate batch(merge);
        merge.Clear();
        if (useDefaultDatabase_) CopyAllByName(*fixture_, merge);
        CopyAllByName(*fixtureUser_, merge);
        if (recNo > 0) merge.SetRecNo(recNo);
    } catch (...) {
        rebuilding_ = false;
        throw;
    }
    rebuilding_ = false;
}

void ReferenceTables::RefreshTableFixture() {
    currentRecord_ = fixture_->RecNo();
    fixture_->Refresh();
    if (currentRecord_ > 0) fixture_->SetRecNo(currentRecord_);
}

void ReferenceTables::SaveOne(FileTable& entry, const char* failureMessage) {
    const std::filesystem::path path = DataFile(entry.fileName);
    if (entry.incomplete) {
        if (!entry.keptNoticeShown) {
            entry.keptNoticeShown = true;
            std::string message = "\"";
            message += path.string();
            message +=
                "\" was not saved: it did not load completely at start, so your file is kept as it "
                "was.";
            messenger_->Warning(message);
        }
        return;
    }
    try {
        SaveTableToFile(*entry.table, path, TableFileFormat::Table);
    } catch (const FileWriteError&) {
        messenger_->Error(failureMessage);
    } catch (...) {
        // Any other error of the sequence is passed over; the remaining files are still written.
    }
}

void ReferenceTables::SaveAllDatabase() {
    const bool mergeFiltered = fixtureMerge_->Filtered();
    for (Table* table : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()})
        table->SetFiltered(false);
    if (saveDefaultData_)
        SaveOne(*files_[kSlotFixture], "Cannot Save \"Default Fixture data File\"");
    SaveOne(*files_[kSlotFixtureUser], "Cannot Save \"User Fixture  Data File\"");
    if (saveDefaultData_)
        SaveOne(*files_[kSlotManufacturer], "Cannot Save \"Default Manufacturer data File\"");
    SaveOne(*files_[kSlotManufacturerUser], "Cannot Save \"User Manufacturer Data File\"");
    SaveOne(*files_[kSlotRoadCase], "Cannot Save \"User Roadcase Data File\"");
    if (mergeFiltered)
        for (Table* table : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()})
            table->SetFiltered(true);
    RefreshTableFixture();
    fixtureUser_->Refresh();
    fixtureMerge_->Refresh();
}

bool ReferenceTables::ExportTable(const Table& table, const std::filesystem::path& path) {
    try {
        SaveTableToFile(table, path, TableFileFormat::Table);
        return true;
    } catch (const FileWriteError& error) {
        messenger_->Error(error.what());
        return false;
    }
}

void ReferenceTables::Import1Click(const std::optional<std::filesystem::path>& chosen) {
    if (!chosen) {
        messenger_->Information("Cannot Import File");
        return;
    }
    const TableReadResult result = LoadTableFromFile(*fixture_, *chosen);
    fixture_->SetSort("FixtureName", SortOrder::Ascending);
    if (!result.complete)
        messenger_->Warning(
            "Cannot Import File\n" + result.error +
            (result.recordsRead > 0 ? "\nThe records before that line were imported." : ""));
}

}  // namespace quillux::engine
