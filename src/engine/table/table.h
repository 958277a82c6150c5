#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillux::engine {

enum class FieldType {
    Text,           // UTF-8, at most FieldDef::size characters (longer text is cut when stored)
    Integer,        // 32-bit signed
    AutoIncrement,  // 32-bit signed, given by the table when a new record is posted empty
    Double,
    Boolean,
    Picture,  // raw bytes (BMP, JPEG ...); only the table file format writes them
};

using Bytes = std::vector<std::uint8_t>;

// A field value; std::monostate is null (empty). Integer and AutoIncrement fields hold
// int32_t, Double double, Boolean bool, Text std::string, Picture Bytes.
using Value = std::variant<std::monostate, std::string, std::int32_t, double, bool, Bytes>;

inline bool IsNull(const Value& value) { return std::holds_alternative<std::monostate>(value); }

// One column of a table. Display and edit formats are Delphi-style patterns ("#.##' W'")
// that the grids apply; the engine only carries them.
struct FieldDef {
    std::string name;  // exactly as stored in files ("Lenght", "Number  of DMX channel")
    FieldType type = FieldType::Text;
    int size = 0;  // Text: maximum length in characters
    // Computed from other fields by the table's calc-fields handler; still stored, read from
    // files and written to them like any other field.
    bool derived = false;
    std::string label;          // column title; empty means the name
    std::string displayFormat;  // empty: plain text of the value
    std::string editFormat;
    // Values outside [minValue, maxValue] are refused by SetValue (decimal and whole fields).
    std::optional<double> minValue;
    std::optional<double> maxValue;
    bool readOnly = false;  // grids do not edit it (derived fields are read-only anyway)
    Value defaultValue;     // given to a new record by Append/Insert; null by default

    const std::string& Label() const { return label.empty() ? name : label; }
};

// Any refused table operation: a value out of range, an edit on an empty table, a post
// without an edit. The message is the text shown to the user.
class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Identity of a record for the table's lifetime (a bookmark); never reused.
using RecordId = std::uint64_t;

class Record {
public:
    Record() = default;
    explicit Record(std::size_t fieldCount) : values_(fieldCount) {}

    RecordId Id() const { return id_; }
    std::size_t Size() const { return values_.size(); }
    const Value& operator[](std::size_t field) const { return values_[field]; }
    Value& operator[](std::size_t field) { return values_[field]; }
    std::vector<Value>& Values() { return values_; }
    const std::vector<Value>& Values() const { return values_; }

private:
    friend class Table;
    RecordId id_ = 0;
    std::vector<Value> values_;
};

enum class EditState { Browse, Edit, Insert };
enum class SortOrder { Ascending, Descending };

// What changed, for views. Row numbers are positions among the visible (filtered, sorted)
// records at the time of the notification.
enum class ChangeKind {
    Reset,         // anything may have changed: reload everything
    RowChanged,    // values of `row` changed in place
    RowInserted,   // a record now sits at `row`
    RowRemoved,    // the record that sat at `row` is gone
    CurrentMoved,  // the shared current record moved (to `row`, -1 when none)
    StateChanged,  // edit state changed (Browse / Edit / Insert)
};

struct TableChange {
    ChangeKind kind = ChangeKind::Reset;
    int row = -1;
};

// Three-way text comparison for sorting: negative, zero or positive. The default compares
// UTF-8 bytes (case-sensitive); the GUI passes the user's locale collation.
using TextCollation = std::function<int(std::string_view, std::string_view)>;

// An in-memory table: field definitions, records in a current order, an optional sort that
// is kept as records are posted, an optional filter, one shared current record and an edit
// buffer. Every view bound to the table sees the same order, filter and current record.
//
// Rows are indexes 0..RecordCount()-1 into the visible records (those that pass the filter
// when filtering is on), in the current order.
class Table {
public:
    Table(std::string name, std::vector<FieldDef> fields);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& Name() const { return name_; }
    const std::vector<FieldDef>& Fields() const { return fields_; }
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    const FieldDef& Field(int field) const { return fields_.at(static_cast<std::size_t>(field)); }
    // Index of the field with that name, letter case ignored; -1 when there is none.
    int FieldIndex(std::string_view name) const;
    // As FieldIndex, but throws TableError naming the field when there is none.
    int RequireField(std::string_view name) const;

    // --- records ---------------------------------------------------------------------
    int RecordCount() const;       // visible records
    int TotalRecordCount() const;  // all records, filter ignored
    bool IsEmpty() const { return RecordCount() == 0; }
    const Record& RecordAt(int row) const;  // visible row
    // Value shown at a visible row: the edit buffer's value for the current row in Edit state.
    const Value& ValueAt(int row, int field) const;
    int RowOfId(RecordId id) const;  // -1 when not visible
    // Every record in the current order, filter ignored.
    std::vector<const Record*> AllRecords() const;

    // --- shared current record ---------------------------------------------------------
    int CurrentRow() const;  // -1 when the table shows no record
    // 1-based position of the current record (Delphi's RecNo); 0 when none.
    int RecNo() const { return CurrentRow() + 1; }
    void SetCurrentRow(int row);  // clamped to the visible rows; posts nothing
    void SetRecNo(int recNo) { SetCurrentRow(recNo - 1); }
    void First() { SetCurrentRow(0); }
    void Last() { SetCurrentRow(RecordCount() - 1); }
    void Next() { SetCurrentRow(CurrentRow() + 1); }
    void Prior() { SetCurrentRow(CurrentRow() - 1); }
    bool IsLast() const { return CurrentRow() >= RecordCount() - 1; }
    std::optional<RecordId> CurrentId() const;
    bool MoveToId(RecordId id);  // false (and no move) when that record is not visible

    // --- reading the current record (the edit buffer while editing) --------------------
    const Value& GetValue(int field) const;
    const Value& GetValue(std::string_view name) const { return GetValue(RequireField(name)); }
    bool IsNullField(std::string_view name) const { return IsNull(GetValue(name)); }
    // Conversions as the original field objects give them: null reads as "", 0, false.
    std::string AsString(int field) const;  // numbers in shortest form, "True"/"False"
    std::string AsString(std::string_view name) const { return AsString(RequireField(name)); }
    double AsFloat(int field) const;
    double AsFloat(std::string_view name) const { return AsFloat(RequireField(name)); }
    std::int32_t AsInteger(int field) const;
    std::int32_t AsInteger(std::string_view name) const { return AsInteger(RequireField(name)); }
    bool AsBoolean(int field) const;
    bool AsBoolean(std::string_view name) const { return AsBoolean(RequireField(name)); }

    // --- editing -----------------------------------------------------------------------
    EditState State() const { return state_; }
    // Append: a new empty record to be added at the end (or at its sorted place) on Post.
    void Append();
    // Insert: as Append, but placed before the current record when the table is unsorted.
    void Insert();
    // Edit: copies the current record into the edit buffer; TableError when there is none.
    void Edit();
    // Writes into the edit buffer (starts Edit first when browsing). Converts between
    // numeric types; text is cut to the field's size; a value outside the field's range
    // throws TableError with the message shown to the user, and the buffer keeps its value.
    void SetValue(int field, Value value);
    void SetValue(std::string_view name, Value value) {
        SetValue(RequireField(name), std::move(value));
    }
    void SetNull(std::string_view name) { SetValue(name, Value{}); }
    // Stores the edit buffer: runs BeforePost, the calc-fields handler, gives an empty
    // auto-increment field its number, places the record, runs AfterPost. The posted
    // record becomes current.
    void Post();
    void Cancel();  // drops the edit buffer
    // Deletes the current record; TableError when the table shows none. The record after
    // it (or the new last one) becomes current; AfterDelete runs.
    void Delete();
    void Clear();  // removes every record (the Delphi EmptyTable), no handlers run

    // Appends records in one step, keeping their order among themselves, then sorts once.
    // Used by file reading and merges; runs the calc-fields handler on each record, no
    // BeforePost/AfterPost. Auto-increment values are kept (empty ones are numbered).
    void AppendRecords(std::vector<Record> records);
    // A new record sized for this table (for AppendRecords).
    Record NewRecord() const { return Record(fields_.size()); }

    // Copies every field of `source` whose name (letter case ignored) this table also has,
    // derived fields included, into the edit buffer. Fields this table lacks are skipped.
    void CopyFieldsByName(const Table& sourceTable, const Record& source);
    // Append + CopyFieldsByName + Post.
    void AppendCopyOf(const Table& sourceTable, const Record& source);

    // --- order ------------------------------------------------------------------------
    // Sorts on one field and keeps that order as records are posted; the current record
    // stays current. Nulls come first in ascending order. Ties keep their previous order.
    void SetSort(int field, SortOrder order = SortOrder::Ascending);
    void SetSort(std::string_view name, SortOrder order = SortOrder::Ascending) {
        SetSort(RequireField(name), order);
    }
    void ClearSort();                             // keeps the present order, stops keeping it
    int SortField() const { return sortField_; }  // -1 when unsorted
    SortOrder GetSortOrder() const { return sortOrder_; }
    void SetCollation(TextCollation collation);

    // --- filter -----------------------------------------------------------------------
    using FilterPredicate = std::function<bool(const Table&, const Record&)>;
    void SetFilter(FilterPredicate predicate);  // applied only while Filtered()
    void SetFiltered(bool on);
    bool Filtered() const { return filtered_; }
    // Re-applies filter and sort (the filter's inputs may have changed); the current record
    // stays current when it is still visible, otherwise the same row number is kept.
    void Refresh();

    // --- handlers (one each, like the original component's events) --------------------
    using RecordHandler = std::function<void(Table&, Record&)>;
    using TableHandler = std::function<void(Table&)>;
    // Computes the derived fields of a record: runs on every post and every record read.
    void SetCalcFields(RecordHandler handler);
    void RecalculateAll();  // runs the calc-fields handler on every record
    // Runs the calc-fields handler on a record that is not (yet) in the table.
    void Calculate(Record& record) { Calc(record); }
    // Runs on the edit buffer before it is stored; may change it or throw TableError.
    void SetBeforePost(RecordHandler handler);
    void SetAfterPost(TableHandler handler);
    void SetAfterDelete(TableHandler handler);

    // --- change notifications for views -----------------------------------------------
    using Listener = std::function<void(const TableChange&)>;
    using ListenerId = int;
    ListenerId Subscribe(Listener listener);
    void Unsubscribe(ListenerId id);
    // Between BeginUpdate and the matching EndUpdate (nesting allowed) no notification is
    // sent; EndUpdate sends one Reset if anything changed meanwhile.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateDepth_ > 0; }

    // Three-way comparison of two values of `field` with the table's collation.
    int CompareValues(int field, const Value& a, const Value& b) const;

private:
    void Notify(ChangeKind kind, int row);
    void RebuildVisible();
    void SortRecords();
    std::size_t SortedPosition(const Record& record) const;
    std::size_t StorageIndexOfId(RecordId id) const;  // records_.size() when absent
    Value CoerceValue(int field, Value value) const;
    void CheckRange(int field, const Value& value) const;
    void Calc(Record& record);
    void NumberAutoFields(Record& record);
    void PostIfEditing();
    void SetCurrentId(std::optional<RecordId> id);

    std::string name_;
    std::vector<FieldDef> fields_;
    std::vector<std::unique_ptr<Record>> records_;  // all records, current order
    std::vector<Record*> visible_;                  // records passing the filter, same order
    RecordId nextId_ = 1;
    std::optional<RecordId> current_;
    int currentRow_ = -1;                 // row of current_ among visible_, kept by RebuildVisible
    std::vector<std::int32_t> autoNext_;  // per field: next auto-increment number
    EditState state_ = EditState::Browse;
    bool insertAtEnd_ = true;  // Append (true) or Insert (false) started the edit
    Record buffer_;
    int sortField_ = -1;
    SortOrder sortOrder_ = SortOrder::Ascending;
    TextCollation collation_;
    FilterPredicate filter_;
    bool filtered_ = false;
    RecordHandler calcFields_;
    RecordHandler beforePost_;
    TableHandler afterPost_;
    TableHandler afterDelete_;
    std::vector<std::pair<ListenerId, Listener>> listeners_;
    ListenerId nextListener_ = 1;
    int updateDepth_ = 0;
    bool pendingReset_ = false;
};

// RAII form of BeginUpdate/EndUpdate.
class TableUpdate {
public:
    explicit TableUpdate(Table& table) : table_(table) { table_.BeginUpdate(); }
    ~TableUpdate() { table_.EndUpdate(); }
    TableUpdate(const TableUpdate&) = delete;
    TableUpdate& operator=(const TableUpdate&) = delete;

private:
    Table& table_;
};

// Text of a value as the field objects give it: numbers in shortest form (FormatFloatValue
// general 15 0 with "."), "True"/"False", null as "".
std::string ValueToText(const Value& value);

}  // namespace quillux::engine
