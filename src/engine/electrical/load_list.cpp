#include "engine/electrical/load_list.h"

#include <cmath>
#include <filesystem>

#include "engine/electrical/phase_load.h"
#include "engine/number/format_float_value.h"
#include "engine/number/number_text.h"
#include "engine/table/list_kinds.h"
#include "engine/table/table_file.h"

namespace quillux::engine {
namespace {

constexpr int kDefaultThreePhaseVolts = 208;
constexpr int kDefaultSinglePhaseVolts = 240;

std::string ShortestForm(double value) {
    return FormatFloatValue(value, FloatFormat::General, 15, 0);
}

std::size_t SlotOf(LoadListSystem system) { return system == LoadListSystem::ThreePhase ? 1 : 0; }

bool IsNeutralConnection(std::string_view phase) {
    return phase == kPhaseXN || phase == kPhaseYN || phase == kPhaseZN;
}

bool IsConnection(std::string_view phase) {
    return IsNeutralConnection(phase) || phase == kPhaseXY || phase == kPhaseYZ ||
           phase == kPhaseZX || phase == kPhaseXYZ;
}

// Counter that runs 1, 2, 3, 1, 2, 3 ... (or 1, 2, 1, 2 ... with a period of 2).
int Advance(int counter, int period) { return counter % period + 1; }

}  // namespace

ElectricalLoadList::ElectricalLoadList(Messenger& messenger)
    : messenger_(messenger), table_(MakeTable(TableKind::LoadList, kTableName)) {
    const Table& t = *table_;
    fName_ = t.RequireField("Device Name");
    fWatts_ = t.RequireField("Watts");
    fVoltage_ = t.RequireField("Voltage");
    fPowerFactor_ = t.RequireField("Power Factor");
    fAmperage_ = t.RequireField("Amperage");
    fUsedPhase_ = t.RequireField("UsedPhase");
    fAmpX_ = t.RequireField("AmpX");
    fAmpY_ = t.RequireField("AmpY");
    fAmpZ_ = t.RequireField("AmpZ");
    fAmpXN_ = t.RequireField("AmpXN");
    fAmpYN_ = t.RequireField("AmpYN");
    fAmpZN_ = t.RequireField("AmpZN");
    fAmpN_ = t.RequireField("AmpN");
    fReportName_ = t.RequireField("ReportName");
    fVoltagePhasePhase_ = t.RequireField("VoltagePhasePhase");

    table_->SetBeforePost([this](Table&, Record& record) { Calculate(record); });
    table_->Subscribe([this](const TableChange& change) { OnTableChange(change); });
}

ElectricalLoadList::~ElectricalLoadList() = default;

// --- reading records ----------------------------------------------------------------------

double ElectricalLoadList::NumberAt(const Record& record, int field) const {
    const Value& value = record[static_cast<std::size_t>(field)];
    if (const auto* d = std::get_if<double>(&value)) return *d;
    if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
    return 0;
}

std::string ElectricalLoadList::TextAt(const Record& record, int field) const {
    const Value& value = record[static_cast<std::size_t>(field)];
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    return ValueToText(value);
}

LoadListDeviceInput ElectricalLoadList::InputOf(const Record& record) const {
    return {NumberAt(record, fWatts_), NumberAt(record, fVoltage_), NumberAt(record, fPowerFactor_),
            TextAt(record, fUsedPhase_)};
}

void ElectricalLoadList::Calculate(Record& record) const {
    const LoadListDerived d = engine::Calculate(system_, InputOf(record), voltages_);
    const Value& phase = record[static_cast<std::size_t>(fUsedPhase_)];
    // An unknown connection that the derivation left alone keeps its stored value (null too).
    if (!(IsNull(phase) && d.usedPhase.empty()))
        record[static_cast<std::size_t>(fUsedPhase_)] = d.usedPhase;
    const auto put = [&record](int field, double value) {
        record[static_cast<std::size_t>(field)] = value;
    };
    put(fAmperage_, d.amperage);
    put(fAmpX_, d.ampX);
    put(fAmpY_, d.ampY);
    put(fAmpZ_, d.ampZ);
    put(fAmpXN_, d.ampXN);
    put(fAmpYN_, d.ampYN);
    put(fAmpZN_, d.ampZN);
    put(fAmpN_, d.ampN);
}

// --- notifications and totals -------------------------------------------------------------

void ElectricalLoadList::OnTableChange(const TableChange& change) {
    if (change.kind == ChangeKind::StateChanged) return;
    // A move to another record counts as a change of the list, as it always has.
    tableModified_ = true;
    if (change.kind != ChangeKind::CurrentMoved) RefreshTotals();
}

void ElectricalLoadList::RefreshTotals() {
    sums_.Clear();
    for (const Record* record : table_->AllRecords()) {
        const Value& name = (*record)[static_cast<std::size_t>(fName_)];
        const auto* text = std::get_if<std::string>(&name);
        LoadListColumnValues values;
        values.named = !IsNull(name) && !(text && text->empty());
        values.watts = NumberAt(*record, fWatts_);
        values.amperage = NumberAt(*record, fAmperage_);
        values.ampX = NumberAt(*record, fAmpX_);
        values.ampY = NumberAt(*record, fAmpY_);
        values.ampZ = NumberAt(*record, fAmpZ_);
        values.ampXN = NumberAt(*record, fAmpXN_);
        values.ampYN = NumberAt(*record, fAmpYN_);
        values.ampZN = NumberAt(*record, fAmpZN_);
        sums_.Add(values);
    }
    footers_ = LoadListTotals(system_, sums_, voltages_, decimalSeparator_);
    NotifyTotals();
}

void ElectricalLoadList::NotifyTotals() {
    if (totalsChanged_) totalsChanged_();
}

void ElectricalLoadList::SetDecimalSeparator(std::string separator) {
    decimalSeparator_ = std::move(separator);
    if (!footers_.phase.empty()) RefreshTotals();
}

// --- guarded table steps ------------------------------------------------------------------

void ElectricalLoadList::Fail(const std::exception& error) {
    if (table_->State() != EditState::Browse) table_->Cancel();
    messenger_.Error(std::string(kUnexpectedErrorMessage) + kTableName + "\n" + error.what());
    throw Abort{};
}

void ElectricalLoadList::GuardedEdit() {
    try {
        table_->Edit();
    } catch (const std::exception& error) {
        Fail(error);
    }
}

void ElectricalLoadList::GuardedAppend() {
    try {
        table_->Append();
    } catch (const std::exception& error) {
        Fail(error);
    }
}

void ElectricalLoadList::GuardedPost() {
    try {
        table_->Post();
    } catch (const std::exception& error) {
        Fail(error);
    }
}

void ElectricalLoadList::GuardedDelete() {
    try {
        table_->Delete();
    } catch (const std::exception& error) {
        Fail(error);
    }
}

void ElectricalLoadList::GuardedSetValue(int field, Value value) {
    try {
        table_->SetValue(field, std::move(value));
    } catch (const TableError& error) {
        // The field refused the value (a power factor out of range): the table's own message.
        table_->Cancel();
        messenger_.Error(error.what());
        throw Abort{};
    }
}

bool ElectricalLoadList::PostPending() {
    if (table_->State() == EditState::Browse) return true;
    try {
        GuardedPost();
    } catch (const Abort&) {
        return false;
    }
    return true;
}

// --- progress -----------------------------------------------------------------------------

void ElectricalLoadList::ProgressStart(int maximum) {
    if (progress_.start) progress_.start(maximum);
}
void ElectricalLoadList::ProgressStep(int position) {
    if (progress_.step) progress_.step(position);
}
void ElectricalLoadList::ProgressFinish() {
    if (progress_.finish) progress_.finish();
}

// --- record loops -------------------------------------------------------------------------

std::vector<RecordId> ElectricalLoadList::AllIds() const {
    std::vector<RecordId> ids;
    for (const Record* record : table_->AllRecords()) ids.push_back(record->Id());
    return ids;
}

std::vector<RecordId> ElectricalLoadList::SelectionOrCurrent(
    const std::vector<RecordId>& selection) const {
    if (!selection.empty()) return selection;
    if (const auto current = table_->CurrentId()) return {*current};
    return {};
}

bool ElectricalLoadList::ForEachRecord(const std::vector<RecordId>& ids,
                                       const std::function<void(int)>& body) {
    if (ids.empty()) return true;
    bool ok = true;
    {
        TableUpdate batch(*table_);
        if (!PostPending()) return false;
        // Rows keep their places while they are posted; a kept sort is applied once after.
        const int sortField = table_->SortField();
        const SortOrder sortOrder = table_->GetSortOrder();
        if (sortField >= 0) table_->ClearSort();
        ProgressStart(static_cast<int>(ids.size()));
        try {
            for (std::size_t i = 0; i < ids.size(); ++i) {
                if (table_->MoveToId(ids[i])) {
                    GuardedEdit();
                    body(static_cast<int>(i));
                    GuardedPost();
                }
                ProgressStep(static_cast<int>(i + 1));
            }
        } catch (const Abort&) {
            ok = false;
        }
        if (sortField >= 0) table_->SetSort(sortField, sortOrder);
        ProgressFinish();
    }
    return ok;
}

// Whole-list rewrites (re-voltaging, balancing) run in one pass over copies of the records,
// which replace the table's records at once: posting 10,000 records one by one costs a pass
// over the table per post. `change` edits one copy and runs the derivation on it where a post
// would have. The records get new ids; the current row keeps its position.
namespace {

template <typename Change>
void RewriteAll(Table& table, const LoadListProgress& progress, Change change) {
    const auto records = table.AllRecords();
    if (records.empty() || table.State() != EditState::Browse) return;
    const int currentRow = table.CurrentRow();
    std::vector<Record> copies;
    copies.reserve(records.size());
    for (const Record* record : records) copies.push_back(*record);

    const int count = static_cast<int>(copies.size());
    if (progress.start) progress.start(count);
    for (int i = 0; i < count; ++i) {
        change(copies[static_cast<std::size_t>(i)], i);
        if (progress.step) progress.step(i + 1);
    }
    TableUpdate batch(table);
    const int sortField = table.SortField();
    const SortOrder sortOrder = table.GetSortOrder();
    if (sortField >= 0) table.ClearSort();
    table.Clear();
    table.AppendRecords(std::move(copies));
    if (sortField >= 0) table.SetSort(sortField, sortOrder);
    table.SetCurrentRow(currentRow);
    if (progress.finish) progress.finish();
}

}  // namespace

// --- system -------------------------------------------------------------------------------

double ElectricalLoadList::LastVoltage(LoadListSystem system) const {
    return lastVoltage_[SlotOf(system)];
}

void ElectricalLoadList::SetLastVoltage(LoadListSystem system, double volts) {
    lastVoltage_[SlotOf(system)] = volts;
}

void ElectricalLoadList::RB_ThreePhaseClick(LoadListSystem system) {
    system_ = system;
    const bool three = system == LoadListSystem::ThreePhase;
    const std::string fallback =
        std::to_string(three ? kDefaultThreePhaseVolts : kDefaultSinglePhaseVolts);
    const double remembered = LastVoltage(system);
    std::string text = remembered > 0 ? ShortestForm(remembered) : fallback;
    if (!ReadSystemVoltageText(text)) text = fallback;
    EditVoltagePhasePhaseChange(text, false);
}

void ElectricalLoadList::EditVoltagePhasePhaseChange(std::string_view text, bool userTyping) {
    if (const auto volts = ReadSystemVoltageText(text)) {
        voltages_.phaseToPhase = *volts;
        voltageText_ = std::string(text);
    } else {
        voltages_.phaseToPhase = kDefaultThreePhaseVolts;
        voltageText_ = std::to_string(kDefaultThreePhaseVolts);
    }
    voltages_.phaseNeutral = VoltagePhaseNeutralFor(system_, voltages_.phaseToPhase);
    PostPending();

    const int vpp = voltages_.phaseToPhase;
    const int vpn = voltages_.phaseNeutral;
    RewriteAll(*table_, progress_, [&](Record& record, int index) {
        if (userTyping && index == 0) {
            record[static_cast<std::size_t>(fVoltagePhasePhase_)] = static_cast<double>(vpp);
        }
        // A device on the neutral keeps the phase-to-neutral voltage. Its connection is
        // asked as well as its neutral current: a device of 0 W carries no neutral current
        // and would otherwise be moved onto two phases.
        const bool onNeutral =
            NumberAt(record, fAmpN_) != 0 || IsNeutralConnection(TextAt(record, fUsedPhase_));
        record[static_cast<std::size_t>(fVoltage_)] = static_cast<double>(onNeutral ? vpn : vpp);
        Calculate(record);
    });
    lastVoltage_[SlotOf(system_)] = ParseFloatText(voltageText_);
    RefreshTotals();
}

std::array<std::string, 2> ElectricalLoadList::WorkingVoltageChoices() const {
    return {ShortestForm(RoundWorkingVoltage(voltages_.phaseToPhase)),
            ShortestForm(RoundWorkingVoltage(voltages_.phaseNeutral))};
}

std::string ElectricalLoadList::ChangeVoltageCaption(bool phaseToPhase) const {
    const int volts = phaseToPhase ? voltages_.phaseToPhase : voltages_.phaseNeutral;
    return "Change Voltage for " + ShortestForm(volts) + " volt";
}

// --- report description ------------------------------------------------------------------

void ElectricalLoadList::SetReportDescription(std::string text, bool userTyping) {
    reportDescription_ = std::move(text);
    if (!userTyping || table_->IsEmpty()) return;
    try {
        table_->First();
        GuardedEdit();
        GuardedSetValue(fReportName_, reportDescription_);
        GuardedPost();
    } catch (const Abort&) {
    }
}

// --- adding devices -----------------------------------------------------------------------

std::optional<LoadListFixture> ElectricalLoadList::FixtureFromCurrent(const Table& fixtures) {
    if (fixtures.CurrentRow() < 0) return std::nullopt;
    LoadListFixture fixture;
    if (!fixtures.IsNullField("FixtureName")) fixture.name = fixtures.AsString("FixtureName");
    fixture.watts = fixtures.AsFloat("Watts");
    fixture.powerFactor = fixtures.AsFloat("Power Factor");
    return fixture;
}

int ElectricalLoadList::DeviceCountFromText(std::string_view text) {
    const auto count = ReadSystemVoltageText(text);
    return count ? *count : 1;
}

bool ElectricalLoadList::ElecL_AddClick(const LoadListFixture& fixture,
                                        std::string_view workingVoltageText) {
    return ButtonAddMultipleClick(fixture, workingVoltageText, 1);
}

bool ElectricalLoadList::ButtonAddMultipleClick(const LoadListFixture& fixture,
                                                std::string_view workingVoltageText, int count) {
    if (count <= 0) return true;
    const double volts = ReadVoltageText(workingVoltageText).value_or(1.0);
    bool ok = true;
    {
        TableUpdate batch(*table_);
        const std::optional<RecordId> remembered = table_->CurrentId();
        if (count > 1) ProgressStart(count);
        try {
            for (int i = 0; i < count; ++i) {
                GuardedAppend();
                GuardedSetValue(fName_, fixture.name ? Value(*fixture.name) : Value());
                GuardedSetValue(fWatts_, fixture.watts > 0 ? fixture.watts : 0.0);
                GuardedSetValue(fPowerFactor_, fixture.powerFactor > 0 ? fixture.powerFactor : 1.0);
                GuardedSetValue(fVoltage_, volts);
                GuardedSetValue(fUsedPhase_,
                                std::string(volts == voltages_.phaseNeutral ? kPhaseXN : kPhaseXY));
                GuardedPost();
                if (remembered) table_->MoveToId(*remembered);
                if (count > 1) ProgressStep(i + 1);
            }
        } catch (const Abort&) {
            ok = false;
        }
        if (count > 1) ProgressFinish();
    }
    return ok;
}

bool ElectricalLoadList::AppendDevice(const LoadListDevice& device) {
    try {
        TableUpdate batch(*table_);
        GuardedAppend();
        GuardedSetValue(fName_, device.name);
        GuardedSetValue(fWatts_, device.watts);
        GuardedSetValue(fVoltage_, device.voltage);
        GuardedSetValue(fPowerFactor_, device.powerFactor);
        GuardedSetValue(fUsedPhase_, device.usedPhase);
        GuardedPost();
    } catch (const Abort&) {
        return false;
    }
    return true;
}

// --- balancing ----------------------------------------------------------------------------

bool ElectricalLoadList::Button_BalancePhasesPerFixtureClick() {
    if (table_->IsEmpty()) return true;
    if (!PostPending()) return false;
    const int vpp = voltages_.phaseToPhase;
    const int vpn = voltages_.phaseNeutral;
    {
        TableUpdate batch(*table_);
        if (system_ == LoadListSystem::ThreePhase) {
            static constexpr std::string_view kNeutral[] = {kPhaseXN, kPhaseYN, kPhaseZN};
            static constexpr std::string_view kLineToLine[] = {kPhaseXY, kPhaseYZ, kPhaseZX};
            int c1 = 0;
            int c2 = 0;
            RewriteAll(*table_, progress_, [&](Record& record, int) {
                const double volts = NumberAt(record, fVoltage_);
                bool changed = false;
                if (volts == vpn) {
                    c1 = Advance(c1, 3);
                    record[static_cast<std::size_t>(fUsedPhase_)] = std::string(kNeutral[c1 - 1]);
                    changed = true;
                }
                if (volts == vpp && TextAt(record, fUsedPhase_) != kPhaseXYZ) {
                    c2 = Advance(c2, 3);
                    record[static_cast<std::size_t>(fUsedPhase_)] =
                        std::string(kLineToLine[c2 - 1]);
                    changed = true;
                }
                if (changed) Calculate(record);
            });
        } else {
            // The counter turns on every record, whatever its voltage.
            int t = 0;
            RewriteAll(*table_, progress_, [&](Record& record, int) {
                t = Advance(t, 2);
                if (NumberAt(record, fVoltage_) != vpn) return;
                record[static_cast<std::size_t>(fUsedPhase_)] =
                    std::string(t == 1 ? kPhaseXN : kPhaseYN);
                Calculate(record);
            });
        }
        table_->First();
    }
    RefreshTotals();
    return true;
}

bool ElectricalLoadList::Button_BalancePhasesPerPhasesClick() {
    if (table_->IsEmpty()) return true;
    const int vpp = voltages_.phaseToPhase;
    const int vpn = voltages_.phaseNeutral;
    {
        TableUpdate batch(*table_);
        if (!PostPending()) return false;
        // Largest current first; the list keeps this order afterwards.
        table_->SetSort(fAmperage_, SortOrder::Descending);
        table_->ClearSort();
        double ax = 0;
        double ay = 0;
        double az = 0;
        const bool three = system_ == LoadListSystem::ThreePhase;
        RewriteAll(*table_, progress_, [&](Record& record, int) {
            const double volts = NumberAt(record, fVoltage_);
            const double current = NumberAt(record, fAmperage_);
            std::string_view phase;
            if (!three && volts == vpn) {
                // A tie goes to X.
                if (ax > ay) {
                    phase = kPhaseYN;
                    ay += current;
                } else {
                    phase = kPhaseXN;
                    ax += current;
                }
            } else if (!three && volts == vpp) {
                phase = kPhaseXY;
                ax += current;
                ay += current;
            } else if (three && volts == vpn) {
                // Y needs a strictly smaller sum than both others.
                if (ax <= ay && ax <= az) {
                    phase = kPhaseXN;
                    ax += current;
                } else if (ay < az && ay < ax) {
                    phase = kPhaseYN;
                    ay += current;
                } else {
                    phase = kPhaseZN;
                    az += current;
                }
            } else if (three && volts == vpp && TextAt(record, fUsedPhase_) != kPhaseXYZ) {
                // Y wins a tie with Z.
                if (ax <= ay && ax <= az) {
                    phase = kPhaseXY;
                    ax += current;
                    ay += current;
                } else if (ay <= az && ay <= ax) {
                    phase = kPhaseYZ;
                    ay += current;
                    az += current;
                } else {
                    phase = kPhaseZX;
                    az += current;
                    ax += current;
                }
            }
            if (phase.empty()) return;
            record[static_cast<std::size_t>(fUsedPhase_)] = std::string(phase);
            Calculate(record);
        });
        table_->First();
    }
    RefreshTotals();
    return true;
}

// --- commands on the selected rows --------------------------------------------------------

bool ElectricalLoadList::ChangePhase(std::string_view connection,
                                     const std::vector<RecordId>& selection) {
    if (!IsConnection(connection)) return false;
    const double volts = IsNeutralConnection(connection)
                             ? RoundWorkingVoltage(voltages_.phaseNeutral)
                             : RoundWorkingVoltage(voltages_.phaseToPhase);
    const std::optional<RecordId> before = table_->CurrentId();
    bool ok = true;
    {
        TableUpdate batch(*table_);
        ok = ForEachRecord(SelectionOrCurrent(selection), [&](int) {
            GuardedSetValue(fVoltage_, volts);
            GuardedSetValue(fUsedPhase_, std::string(connection));
        });
        if (before) table_->MoveToId(*before);
        table_->Next();
    }
    RefreshTotals();
    return ok;
}

bool ElectricalLoadList::ChangeVoltage(bool phaseToPhase, const std::vector<RecordId>& selection) {
    const double volts = phaseToPhase ? RoundWorkingVoltage(voltages_.phaseToPhase)
                                      : RoundWorkingVoltage(voltages_.phaseNeutral);
    bool ok = true;
    {
        TableUpdate batch(*table_);
        ok = ForEachRecord(SelectionOrCurrent(selection),
                           [&](int) { GuardedSetValue(fVoltage_, volts); });
        table_->First();
    }
    RefreshTotals();
    return ok;
}

bool ElectricalLoadList::WriteField(int field, Value value,
                                    const std::vector<RecordId>& selection) {
    const std::optional<RecordId> before = table_->CurrentId();
    bool ok = true;
    {
        TableUpdate batch(*table_);
        ok = ForEachRecord(SelectionOrCurrent(selection),
                           [&](int) { GuardedSetValue(field, value); });
        if (before) table_->MoveToId(*before);
    }
    RefreshTotals();
    return ok;
}

bool ElectricalLoadList::WriteDeviceName(const std::string& name,
                                         const std::vector<RecordId>& selection) {
    return WriteField(fName_, name, selection);
}
bool ElectricalLoadList::WriteWatts(double watts, const std::vector<RecordId>& selection) {
    return WriteField(fWatts_, watts, selection);
}
bool ElectricalLoadList::WriteVoltage(double volts, const std::vector<RecordId>& selection) {
    return WriteField(fVoltage_, volts, selection);
}
bool ElectricalLoadList::WritePowerFactor(double powerFactor,
                                          const std::vector<RecordId>& selection) {
    return WriteField(fPowerFactor_, powerFactor, selection);
}
bool ElectricalLoadList::WriteUsedPhase(const std::string& phase,
                                        const std::vector<RecordId>& selection) {
    return WriteField(fUsedPhase_, phase, selection);
}

// --- duplicate, delete, clear -------------------------------------------------------------

bool ElectricalLoadList::DuplicateCurrentRecord() {
    const int row = table_->CurrentRow();
    if (row < 0) return false;
    try {
        if (table_->State() != EditState::Browse) GuardedPost();
        const std::vector<Value> values = table_->RecordAt(table_->CurrentRow()).Values();
        TableUpdate batch(*table_);
        GuardedAppend();
        for (std::size_t field = 0; field < values.size(); ++field) {
            GuardedSetValue(static_cast<int>(field), values[field]);
        }
        GuardedPost();
    } catch (const Abort&) {
        return false;
    }
    return true;
}

bool ElectricalLoadList::DeleteRows(const std::vector<RecordId>& selection) {
    if (table_->IsEmpty()) {
        messenger_.Error(kListAlreadyEmptyMessage);
        return false;
    }
    bool ok = true;
    {
        TableUpdate batch(*table_);
        try {
            if (table_->State() != EditState::Browse) table_->Cancel();
            if (selection.empty()) {
                GuardedDelete();
            } else {
                for (const RecordId id : selection) {
                    if (table_->MoveToId(id)) GuardedDelete();
                }
            }
        } catch (const Abort&) {
            ok = false;
        }
    }
    if (table_->IsEmpty()) {
        tableModified_ = false;
        return ok;
    }
    table_->First();
    const Record& first = table_->RecordAt(0);
    if (TextAt(first, fReportName_) != reportDescription_) {
        try {
            GuardedEdit();
            GuardedSetValue(fReportName_, reportDescription_);
            GuardedPost();
        } catch (const Abort&) {
            ok = false;
        }
    }
    return ok;
}

void ElectricalLoadList::ClearList() {
    if (table_->State() != EditState::Browse) table_->Cancel();
    table_->Clear();
    sums_.Clear();
    footers_ = LoadListFooters();
    tableModified_ = false;
    reportDescription_.clear();
    NotifyTotals();
}

// --- saving -------------------------------------------------------------------------------

void ElectricalLoadList::PrepareFirstRecordForSave() {
    if (table_->IsEmpty()) return;
    try {
        if (table_->State() != EditState::Browse) GuardedPost();
        table_->First();
        GuardedEdit();
        GuardedSetValue(fReportName_, reportDescription_);
        GuardedSetValue(fVoltagePhasePhase_, static_cast<double>(voltages_.phaseToPhase));
        GuardedPost();
    } catch (const Abort&) {
    }
}

bool ElectricalLoadList::SaveListFile(const std::string& path) {
    PrepareFirstRecordForSave();
    try {
        SaveTableToFile(*table_, std::filesystem::path(path), TableFileFormat::Table);
    } catch (const std::exception&) {
        messenger_.Error(kCannotSaveMessage);
        return false;
    }
    tableModified_ = false;
    return true;
}

// --- opening ------------------------------------------------------------------------------

bool ElectricalLoadList::OpenListFile(const std::string& path) {
    const std::filesystem::path file(path);
    std::error_code error;
    const bool exists = std::filesystem::is_regular_file(file, error);
    bool ok = exists;
    if (table_->State() != EditState::Browse) table_->Cancel();
    if (exists) {
        // Only an upper-case ".EL3" is a three-phase list; "el3" opens as single-phase.
        const LoadListSystem system = file.extension().string() == ".EL3"
                                          ? LoadListSystem::ThreePhase
                                          : LoadListSystem::SinglePhase;
        if (system != system_) RB_ThreePhaseClick(system);
        const TableReadResult read = LoadTableFromFile(*table_, file);
        if (!read.complete) {
            messenger_.Error(read.error);
            ok = false;
        }
    }
    table_->First();
    tableModified_ = false;
    RefreshTotals();
    if (table_->IsEmpty()) {
        // No first record to take a description or a voltage from: the system stays as it is.
        reportDescription_.clear();
        return ok;
    }
    const Record& first = table_->RecordAt(0);
    reportDescription_ = TextAt(first, fReportName_);
    const Value& stored = first[static_cast<std::size_t>(fVoltagePhasePhase_)];
    const double fileVolts = NumberAt(first, fVoltagePhasePhase_);
    const std::string text = IsNull(stored) ? std::string() : ShortestForm(fileVolts);
    // The voltage box runs its change only when its text really changes.
    if (text != voltageText_) EditVoltagePhasePhaseChange(text);
    const double rounded = RoundWorkingVoltage(fileVolts);
    if (!std::isfinite(rounded) || rounded == 0) {
        if (voltageText_ != "208") EditVoltagePhasePhaseChange("208");
    } else if (rounded != voltages_.phaseToPhase) {
        // A stored voltage with decimals: the system takes its whole-number rounding, and the
        // records are voltaged for it rather than for the fallback the text gave.
        EditVoltagePhasePhaseChange(ShortestForm(rounded));
    }
    return ok;
}

}  // namespace quillux::engine
