#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "engine/common/messenger.h"
#include "engine/table/table.h"
#include "engine/table/table_file.h"

namespace quillux::engine {

// The seven reference tables the main window owns for the whole run: shipped, user and
// merged fixtures and manufacturers, and the roadcases. Every window reads them through
// this object; only the database windows change them.
class ReferenceTables {
public:
    // `messenger` shows every message of loading, saving and importing; `collation`
    // compares texts when sorting (the user's locale; byte order when empty).
    explicit ReferenceTables(Messenger& messenger, TextCollation collation = {});
    ~ReferenceTables();
    ReferenceTables(const ReferenceTables&) = delete;
    ReferenceTables& operator=(const ReferenceTables&) = delete;

    void SetMessenger(Messenger& messenger) { messenger_ = &messenger; }

    Table& TableFixture() { return *fixture_; }
    Table& TableFixtureUser() { return *fixtureUser_; }
    Table& TableFixtureMerge() { return *fixtureMerge_; }
    Table& TableManufacturer() { return *manufacturer_; }
    Table& TableManufacturerUser() { return *manufacturerUser_; }
    Table& TableManufacturerMerge() { return *manufacturerMerge_; }
    Table& TableRoadCase() { return *roadCase_; }

    // --- settings the shell takes from the setup record and its menu ------------------
    // "Use Default Database" (SetupI[12] = 0): the merged tables include the shipped records.
    // A change reaches the merged tables at their next rebuild.
    void SetUseDefaultDatabase(bool use) { useDefaultDatabase_ = use; }
    bool UseDefaultDatabase() const { return useDefaultDatabase_; }
    // "Save Default Data": SaveAllDatabase also writes the two shipped files.
    void SetSaveDefaultData(bool save) { saveDefaultData_ = save; }
    bool SaveDefaultData() const { return saveDefaultData_; }

    // The one application-wide manufacturer filter value. Setting it does not refresh the
    // tables; the window that changes it refreshes the tables it shows.
    void SetFilterManufacturer(std::string manufacturer) {
        filterManufacturer_ = std::move(manufacturer);
    }
    const std::string& FilterManufacturer() const { return filterManufacturer_; }
    // Switches the manufacturer filter of the three fixture tables on or off together.
    void SetFixtureFiltering(bool on);

    // Record number (1-based) remembered across refreshes of the shipped fixture table.
    int CurrentRecord() const { return currentRecord_; }

    // --- files ------------------------------------------------------------------------
    // The program folder, with the "Data" folder below it; set before loading.
    void SetInstallDir(std::filesystem::path installDir) { installDir_ = std::move(installDir); }
    std::filesystem::path DataFile(const char* name) const;

    // Opening one table from its file (missing files are created empty, the shipped ones
    // with their "not found" message); then sorted on its sort field. Returns false when
    // the file did not load whole; the records read before the fault stay.
    bool OpenManufacturerDatabase();
    bool OpenManufacturerUserDatabase();
    bool OpenFixtureDatabase();
    bool OpenFixtureUserDatabase();
    bool OpenRoadCaseDatabase();
    void OpenManufacturerMergeDatabase();
    void OpenFixtureMergeDatabase();

    // The whole loading sequence of start-up, with its messages: manufacturers, their
    // merge, fixtures, their merge, roadcases. A file that stops loading is reported once
    // (the message names the file and the line) and is then never written over.
    void LoadAll();
    // Later in start-up: the remembered filter value, and filtering on when asked.
    void ApplyStartFilter(const std::string& filterManufacturer, bool filteringOn);

    // Rebuilds of the merged tables (also run by the tables' own post and delete handlers).
    void RebuildManufacturerMerge();
    void UpdateMergeTable();
    // Refresh of the shipped fixture table that keeps its record number (CurrentRecord).
    void RefreshTableFixture();

    // Writes the five files ("Save Default Data" decides the two shipped ones), each
    // atomically; a failure shows that file's message and the others are still written.
    // A table whose file did not load whole is not written (the user's file is kept) and
    // the user is told so once.
    void SaveAllDatabase();

    // Export of one fixture table to `path` in the table file format: only the records
    // that pass the table's current filter. False (and an error message) when it fails.
    bool ExportTable(const Table& table, const std::filesystem::path& path);
    // Import1Click after its open dialog: nothing chosen shows "Cannot Import File";
    // otherwise the file's records are appended to the shipped fixtures, which are then
    // sorted on "FixtureName". The merged table follows at its next rebuild.
    void Import1Click(const std::optional<std::filesystem::path>& chosen);

    // True when that table's file stopped loading part way (it is kept, never overwritten).
    bool LoadIncomplete(const Table& table) const;

private:
    struct FileTable;
    FileTable* Entry(const Table& table);
    const FileTable* Entry(const Table& table) const;
    bool OpenFileTable(FileTable& entry);
    void ReportLoadFailure(FileTable& entry, const TableReadResult& result);
    void SaveOne(FileTable& entry, const char* failureMessage);
    void InstallHandlers();
    void CopyAllByName(const Table& source, Table& target);

    Messenger* messenger_;
    std::unique_ptr<Table> fixture_, fixtureUser_, fixtureMerge_;
    std::unique_ptr<Table> manufacturer_, manufacturerUser_, manufacturerMerge_;
    std::unique_ptr<Table> roadCase_;
    std::unique_ptr<FileTable> files_[5];
    std::filesystem::path installDir_;
    bool useDefaultDatabase_ = true;
    bool saveDefaultData_ = false;
    std::string filterManufacturer_;
    int currentRecord_ = 0;
    bool rebuilding_ = false;
};

}  // namespace quillux::engine
