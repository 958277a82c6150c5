#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/common/messenger.h"
#include "engine/electrical/load_list_derivation.h"
#include "engine/electrical/load_list_totals.h"
#include "engine/table/table.h"

namespace quillux::engine {

// The fixture values a device is added from (the merged fixture table's current record).
struct LoadListFixture {
    std::optional<std::string> name;  // "FixtureName"; nullopt when empty
    double watts = 0;                 // "Watts"; 0 when empty
    double powerFactor = 0;           // "Power Factor"; 0 when empty
};

// A device as typed in full (the command-line tool, tests).
struct LoadListDevice {
    std::string name;
    double watts = 0;
    double voltage = 0;
    double powerFactor = 1;
    std::string usedPhase;
};

// Drives the window's progress bar during operations over many records: Start with the
// number of records (or selected rows), Step with the records done, Finish to hide it.
struct LoadListProgress {
    std::function<void(int maximum)> start;
    std::function<void(int position)> step;
    std::function<void()> finish;
};

// The electrical load list: the list table `TableElecL`, the system (single- or three-phase
// and its voltages), the per-record derivation run on every post, the column sums and
// footers, and every command of the list. Commands on "the selected rows" take the selected
// records' ids; an empty selection means the current record. The whole-list operations
// (system voltage change, mode switch, both balancing commands) replace the table's records
// in one step, so record ids taken before them no longer name a record afterwards; the
// current row keeps its position (or becomes the first, as the command says).
class ElectricalLoadList {
public:
    static constexpr const char* kTableName = "TableElecL";
    static constexpr const char* kUnexpectedErrorMessage =
        "An Unexpected error occured in the Electrical Load list Database ";
    static constexpr const char* kListAlreadyEmptyMessage = "List already empty";

    explicit ElectricalLoadList(Messenger& messenger);
    ~ElectricalLoadList();
    ElectricalLoadList(const ElectricalLoadList&) = delete;
    ElectricalLoadList& operator=(const ElectricalLoadList&) = delete;

    Table& TableElecL() { return *table_; }
    const Table& TableElecL() const { return *table_; }

    // --- system -----------------------------------------------------------------------
    LoadListSystem System() const { return system_; }
    int VoltagePhaseToPhase() const { return voltages_.phaseToPhase; }
    int VoltagePhaseNeutral() const { return voltages_.phaseNeutral; }
    LoadListVoltages Voltages() const { return voltages_; }
    // The text of the "Voltage Phase-Phase:" box as the list last set or read it.
    const std::string& VoltageText() const { return voltageText_; }
    // Last system voltage used in each mode (the window keeps them in its setup slots);
    // 0 or less means none.
    double LastVoltage(LoadListSystem system) const;
    void SetLastVoltage(LoadListSystem system, double volts);

    // Mode switch (`RB_ThreePhaseClick`): takes the mode's remembered voltage ("208" or
    // "240" when none) and re-voltages every record.
    void RB_ThreePhaseClick(LoadListSystem system);
    // System voltage change (`EditVoltagePhasePhaseChange`), run whenever the voltage text
    // changes. `userTyping`: the user is typing in the box, so the first record keeps the
    // new voltage. A text that is not a whole number gives 208 and the text becomes "208".
    void EditVoltagePhasePhaseChange(std::string_view text, bool userTyping = false);

    // The working-voltage choices: round(phase-to-phase), round(phase-to-neutral).
    std::array<std::string, 2> WorkingVoltageChoices() const;
    // "Change Voltage for 240 volt" and "Change Voltage for 120 volt".
    std::string ChangeVoltageCaption(bool phaseToPhase) const;

    // --- list state -------------------------------------------------------------------
    bool TableModified() const { return tableModified_; }
    void SetTableModified(bool modified) { tableModified_ = modified; }
    const std::string& ReportDescription() const { return reportDescription_; }
    // The report description box changed. While the user types in it, the first record
    // becomes current and keeps the text in "ReportName" (nothing is written to an empty list).
    void SetReportDescription(std::string text, bool userTyping = false);

    const LoadListSums& Sums() const { return sums_; }
    const LoadListFooters& Footers() const { return footers_; }
    // Footers and total lines use the locale's decimal separator.
    void SetDecimalSeparator(std::string separator);
    // Called after the totals were recomputed or cleared.
    void SetTotalsChanged(std::function<void()> handler) { totalsChanged_ = std::move(handler); }
    void SetProgress(LoadListProgress progress) { progress_ = std::move(progress); }

    // --- commands ---------------------------------------------------------------------
    // `ElecL_AddClick`: one device from a fixture at the chosen working voltage text (1 V
    // when it does not read as a number). False when the table refused it.
    bool ElecL_AddClick(const LoadListFixture& fixture, std::string_view workingVoltageText);
    // `ButtonAddMultipleClick`: the same device `count` times.
    bool ButtonAddMultipleClick(const LoadListFixture& fixture, std::string_view workingVoltageText,
                                int count);
    // The device-count box read as an integer, 1 when it does not read as one.
    static int DeviceCountFromText(std::string_view text);
    // A fixture from the current record of a fixture table; nullopt when it shows none.
    static std::optional<LoadListFixture> FixtureFromCurrent(const Table& fixtures);

    // Appends a device with every input given; the derivation runs on its post.
    bool AppendDevice(const LoadListDevice& device);

    // "Balance device" (`Button_BalancePhasesPerFixtureClick`) and "Balance phases"
    // (`Button_BalancePhasesPerPhasesClick`).
    bool Button_BalancePhasesPerFixtureClick();
    bool Button_BalancePhasesPerPhasesClick();

    // Change phase: one of the seven connections for the selected rows.
    bool ChangePhase(std::string_view connection, const std::vector<RecordId>& selection);
    // Change voltage to the phase-to-phase (true) or the phase-to-neutral voltage.
    bool ChangeVoltage(bool phaseToPhase, const std::vector<RecordId>& selection);

    // The edit-panel fields written into the selected rows; the current row stays current.
    bool WriteDeviceName(const std::string& name, const std::vector<RecordId>& selection);
    bool WriteWatts(double watts, const std::vector<RecordId>& selection);
    bool WriteVoltage(double volts, const std::vector<RecordId>& selection);
    bool WritePowerFactor(double powerFactor, const std::vector<RecordId>& selection);
    bool WriteUsedPhase(const std::string& phase, const std::vector<RecordId>& selection);

    bool DuplicateCurrentRecord();
    // Deletes the selected rows (the current one when none is selected); "List already
    // empty" when there is nothing to delete.
    bool DeleteRows(const std::vector<RecordId>& selection);
    // Empties the list, the footers and the report description (the window asks first).
    void ClearList();

    // --- files ------------------------------------------------------------------------
    // Makes the first record current and writes the report description and the system
    // voltage into it (nothing on an empty list).
    void PrepareFirstRecordForSave();
    // Writes the list in the table file format (an empty list gives the header line only).
    // On failure shows the "Cannot save" error and returns false.
    bool SaveListFile(const std::string& path);
    // Reads a list file and applies it; the records are appended to what the list holds
    // (the window has asked whether to clear it first). False when the file did not load
    // whole (the records read before the fault stay).
    bool OpenListFile(const std::string& path);

    static constexpr const char* kCannotSaveMessage =
        "Cannot save the Electrical Load List, this file must be already open by another "
        "application";

    // The derivation of one stored record in the current system (`Calculate`).
    void Calculate(Record& record) const;

private:
    class Abort {};

    void OnTableChange(const TableChange& change);
    void RefreshTotals();
    void NotifyTotals();
    LoadListDeviceInput InputOf(const Record& record) const;
    double NumberAt(const Record& record, int field) const;
    std::string TextAt(const Record& record, int field) const;

    // Guarded table steps: a failure shows the table error and throws Abort.
    void GuardedEdit();
    void GuardedAppend();
    void GuardedPost();
    void GuardedDelete();
    // Sets a value; a value the field refuses shows the table's own message and aborts.
    void GuardedSetValue(int field, Value value);
    // Posts an edit left open (by a grid or the edit panel); false when the post failed.
    bool PostPending();
    void Fail(const std::exception& error);

    // Runs `body` once per record id, with the record current and in Edit state, posting it
    // after. Notifications are batched and progress reported. Returns false on Abort.
    bool ForEachRecord(const std::vector<RecordId>& ids, const std::function<void(int)>& body);
    std::vector<RecordId> AllIds() const;
    std::vector<RecordId> SelectionOrCurrent(const std::vector<RecordId>& selection) const;
    bool WriteField(int field, Value value, const std::vector<RecordId>& selection);
    void ProgressStart(int maximum);
    void ProgressStep(int position);
    void ProgressFinish();

    Messenger& messenger_;
    std::unique_ptr<Table> table_;
    LoadListSystem system_ = LoadListSystem::SinglePhase;
    LoadListVoltages voltages_{240, 120};
    std::string voltageText_ = "240";
    std::array<double, 2> lastVoltage_{0, 0};
    bool tableModified_ = false;
    std::string reportDescription_;
    std::string decimalSeparator_ = ".";
    LoadListSums sums_;
    LoadListFooters footers_;
    std::function<void()> totalsChanged_;
    LoadListProgress progress_;

    int fName_ = -1, fWatts_ = -1, fVoltage_ = -1, fPowerFactor_ = -1, fAmperage_ = -1;
    int fUsedPhase_ = -1, fAmpX_ = -1, fAmpY_ = -1, fAmpZ_ = -1, fAmpXN_ = -1, fAmpYN_ = -1;
    int fAmpZN_ = -1, fAmpN_ = -1, fReportName_ = -1, fVoltagePhasePhase_ = -1;
};

}  // namespace quillux::engine
