#include "engine/table/table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/number/format_float_value.h"

namespace quillux::engine {

namespace {

const Value kNullValue{};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// Cuts UTF-8 text to at most `characters` code points, never inside a sequence.
void CutToCharacters(std::string& text, int characters) {
    if (characters <= 0 || text.size() <= static_cast<std::size_t>(characters)) return;
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (count == characters) {
                text.resize(i);
                return;
            }
            ++count;
        }
    }
}

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<double> ReadDouble(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int32_t> ReadInt32(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

double NumberOf(const Value& value) {
    if (const auto* d = std::get_if<double>(&value)) return *d;
    if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
    if (const auto* b = std::get_if<bool>(&value)) return *b ? 1.0 : 0.0;
    return 0.0;
}

}  // namespace

std::string ValueToText(const Value& value) {
    switch (value.index()) {
        case 1:
            return std::get<std::string>(value);
        case 2:
            return std::to_string(std::get<std::int32_t>(value));
        case 3:
            return FormatFloatValue(std::get<double>(value), FloatFormat::General, 15, 0, ".");
        case 4:
            return std::get<bool>(value) ? "True" : "False";
        case 5: {
            const auto& bytes = std::get<Bytes>(value);
            return std::string(bytes.begin(), bytes.end());
        }
        default:
            return {};
    }
}

Table::Table(std::string name, std::vector<FieldDef> fields)
    : name_(std::move(name)), fields_(std::move(fields)), autoNext_(fields_.size(), 1) {}

Table::~Table() = default;

int Table::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (EqualsIgnoringCase(fields_[i].name, name)) return static_cast<int>(i);
    return -1;
}

int Table::RequireField(std::string_view name) const {
    const int index = FieldIndex(name);
    if (index < 0) throw TableError(name_ + ": Field '" + std::string(name) + "' not found");
    return index;
}

int Table::RecordCount() const { return static_cast<int>(visible_.size()); }
int Table::TotalRecordCount() const { return static_cast<int>(records_.size()); }

const Record& Table::RecordAt(int row) const { return *visible_.at(static_cast<std::size_t>(row)); }

const Value& Table::ValueAt(int row, int field) const {
    if (state_ == EditState::Edit && row == currentRow_)
        return buffer_[static_cast<std::size_t>(field)];
    return RecordAt(row)[static_cast<std::size_t>(field)];
}

int Table::RowOfId(RecordId id) const {
    for (std::size_t i = 0; i < visible_.size(); ++i)
        if (visible_[i]->id_ == id) return static_cast<int>(i);
    return -1;
}

std::vector<const Record*> Table::AllRecords() const {
    std::vector<const Record*> all;
    all.reserve(records_.size());
    for (const auto& record : records_) all.push_back(record.get());
    return all;
}

std::size_t Table::StorageIndexOfId(RecordId id) const {
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (records_[i]->id_ == id) return i;
    return records_.size();
}

int Table::CurrentRow() const { return currentRow_; }

std::optional<RecordId> Table::CurrentId() const { return current_; }

void Table::SetCurrentId(std::optional<RecordId> id) {
    const int before = currentRow_;
    const auto beforeId = current_;
    current_ = id;
    currentRow_ = id ? RowOfId(*id) : -1;
    if (currentRow_ < 0) current_.reset();
    if (before != currentRow_ || beforeId != current_)
        Notify(ChangeKind::CurrentMoved, currentRow_);
}

void Table::PostIfEditing() {
    if (state_ != EditState::Browse) Post();
}

void Table::SetCurrentRow(int row) {
    if (visible_.empty()) {
        SetCurrentId(std::nullopt);
        return;
    }
    row = std::clamp(row, 0, RecordCount() - 1);
    if (row == currentRow_ && state_ == EditState::Browse) return;
    PostIfEditing();
    row = std::clamp(row, 0, RecordCount() - 1);
    SetCurrentId(visible_[static_cast<std::size_t>(row)]->id_);
}

bool Table::MoveToId(RecordId id) {
    const int row = RowOfId(id);
    if (row < 0) return false;
    PostIfEditing();
    SetCurrentId(id);
    return currentRow_ >= 0;
}

const Value& Table::GetValue(int field) const {
    const auto index = static_cast<std::size_t>(field);
    if (index >= fields_.size()) throw TableError(name_ + ": field index out of range");
    if (state_ != EditState::Browse) return buffer_[index];
    if (currentRow_ < 0) return kNullValue;
    return visible_[static_cast<std::size_t>(currentRow_)]->values_[index];
}

std::string Table::AsString(int field) const { return ValueToText(GetValue(field)); }

double Table::AsFloat(int field) const {
    const Value& value = GetValue(field);
    if (const auto* text = std::get_if<std::string>(&value)) return ReadDouble(*text).value_or(0.0);
    return NumberOf(value);
}

std::int32_t Table::AsInteger(int field) const {
    const Value& value = GetValue(field);
    if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
    if (const auto* text = std::get_if<std::string>(&value)) return ReadInt32(*text).value_or(0);
    return RoundToInt32(NumberOf(value));
}

bool Table::AsBoolean(int field) const {
    const Value& value = GetValue(field);
    if (const auto* b = std::get_if<bool>(&value)) return *b;
    if (const auto* text = std::get_if<std::string>(&value))
        return EqualsIgnoringCase(*text, "True");
    return NumberOf(value) != 0.0;
}

void Table::Append() {
    PostIfEditing();
    buffer_ = Record(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) buffer_.values_[i] = fields_[i].defaultValue;
    state_ = EditState::Insert;
    insertAtEnd_ = true;
    Notify(ChangeKind::StateChanged, currentRow_);
}

void Table::Insert() {
    Append();
    insertAtEnd_ = false;
}

void Table::Edit() {
    if (state_ != EditState::Browse) return;
    if (currentRow_ < 0) throw TableError("Cannot perform this operation on an empty dataset");
    buffer_ = *visible_[static_cast<std::size_t>(currentRow_)];
    state_ = EditState::Edit;
    Notify(ChangeKind::StateChanged, currentRow_);
}

Value Table::CoerceValue(int field, Value value) const {
    const FieldDef& def = fields_[static_cast<std::size_t>(field)];
    if (IsNull(value)) return value;
    switch (def.type) {
        case FieldType::Text: {
            std::string text = std::holds_alternative<std::string>(value)
                                   ? std::get<std::string>(std::move(value))
                                   : ValueToText(value);
            CutToCharacters(text, def.size);
            return text;
        }
        case FieldType::Integer:
        case FieldType::AutoIncrement: {
            if (std::holds_alternative<std::int32_t>(value)) return value;
            if (const auto* text = std::get_if<std::string>(&value)) {
                if (Trimmed(*text).empty()) return Value{};
                const auto number = ReadInt32(*text);
                if (!number) throw TableError("'" + *text + "' is not a valid integer value");
                return *number;
            }
            if (std::holds_alternative<Bytes>(value))
                throw TableError("Invalid value for field '" + def.name + "'");
            return RoundToInt32(NumberOf(value));
        }
        case FieldType::Double: {
            if (const auto* text = std::get_if<std::string>(&value)) {
                if (Trimmed(*text).empty()) return Value{};
                const auto number = ReadDouble(*text);
                if (!number)
                    throw TableError("'" + *text + "' is not a valid floating point value");
                return *number;
            }
            if (std::holds_alternative<Bytes>(value))
                throw TableError("Invalid value for field '" + def.name + "'");
            return NumberOf(value);
        }
        case FieldType::Boolean: {
            if (const auto* text = std::get_if<std::string>(&value)) {
                if (Trimmed(*text).empty()) return Value{};
                if (EqualsIgnoringCase(Trimmed(*text), "True")) return true;
                if (EqualsIgnoringCase(Trimmed(*text), "False")) return false;
                throw TableError("'" + *text + "' is not a valid boolean value for field '" +
                                 def.name + "'");
            }
            if (std::holds_alternative<Bytes>(value))
                throw TableError("Invalid value for field '" + def.name + "'");
            return NumberOf(value) != 0.0;
        }
        case FieldType::Picture: {
            if (std::holds_alternative<Bytes>(value)) return value;
            const std::string text = ValueToText(value);
            return Bytes(text.begin(), text.end());
        }
    }
    return value;
}

void Table::CheckRange(int field, const Value& value) const {
    const FieldDef& def = fields_[static_cast<std::size_t>(field)];
    if (IsNull(value) || (!def.minValue && !def.maxValue)) return;
    if (def.type != FieldType::Double && def.type != FieldType::Integer) return;
    const double number = NumberOf(value);
    const double min = def.minValue.value_or(-std::numeric_limits<double>::infinity());
    const double max = def.maxValue.value_or(std::numeric_limits<double>::infinity());
    if (number >= min && number <= max) return;
    auto g = [](double v) { return FormatFloatValue(v, FloatFormat::General, 15, 0, "."); };
    throw TableError(g(number) + " is not a valid value for field '" + def.name +
                     "'. The allowed range is " + g(min) + " to " + g(max));
}

void Table::SetValue(int field, Value value) {
    if (field < 0 || static_cast<std::size_t>(field) >= fields_.size())
        throw TableError(name_ + ": field index out of range");
    Value coerced = CoerceValue(field, std::move(value));
    CheckRange(field, coerced);
    if (state_ == EditState::Browse) Edit();
    buffer_.values_[static_cast<std::size_t>(field)] = std::move(coerced);
    if (state_ == EditState::Edit && currentRow_ >= 0) Notify(ChangeKind::RowChanged, currentRow_);
}

void Table::Calc(Record& record) {
    if (calcFields_) calcFields_(*this, record);
}

void Table::NumberAutoFields(Record& record) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].type != FieldType::AutoIncrement) continue;
        if (IsNull(record.values_[i])) {
            record.values_[i] = autoNext_[i];
            ++autoNext_[i];
        } else if (const auto* stored = std::get_if<std::int32_t>(&record.values_[i])) {
            if (*stored >= autoNext_[i] && *stored < std::numeric_limits<std::int32_t>::max())
                autoNext_[i] = *stored + 1;
        }
    }
}

std::size_t Table::SortedPosition(const Record& record) const {
    const auto it = std::upper_bound(records_.begin(), records_.end(), &record,
                                     [this](const Record* a, const std::unique_ptr<Record>& b) {
                                         const int c = CompareValues(
                                             sortField_, (*a)[static_cast<std::size_t>(sortField_)],
                                             (*b)[static_cast<std::size_t>(sortField_)]);
                                         return sortOrder_ == SortOrder::Ascending ? c < 0 : c > 0;
                                     });
    return static_cast<std::size_t>(it - records_.begin());
}

void Table::Post() {
    if (state_ == EditState::Browse) throw TableError("Dataset not in edit or insert mode");
    if (beforePost_) beforePost_(*this, buffer_);
    Calc(buffer_);
    NumberAutoFields(buffer_);

    RecordId id = 0;
    bool inPlace = false;
    const EditState was = state_;
    if (was == EditState::Edit) {
        id = buffer_.id_;
        std::size_t index = StorageIndexOfId(id);
        if (index == records_.size()) throw TableError("Record not found");
        records_[index]->values_ = std::move(buffer_.values_);
        inPlace = true;
        if (sortField_ >= 0) {
            // Move the record only when its sort value now breaks the order.
            const Record& record = *records_[index];
            auto outOfOrder = [&](std::size_t a, std::size_t b) {
                const int c =
                    CompareValues(sortField_, (*records_[a])[static_cast<std::size_t>(sortField_)],
                                  (*records_[b])[static_cast<std::size_t>(sortField_)]);
                return sortOrder_ == SortOrder::Ascending ? c > 0 : c < 0;
            };
            const bool bad = (index > 0 && outOfOrder(index - 1, index)) ||
                             (index + 1 < records_.size() && outOfOrder(index, index + 1));
            (void)record;
            if (bad) {
                auto owned = std::move(records_[index]);
                records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
                const std::size_t at = SortedPosition(*owned);
                records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at),
                                std::move(owned));
                inPlace = false;
            }
        }
    } else {
        auto owned = std::make_unique<Record>(std::move(buffer_));
        owned->id_ = nextId_++;
        id = owned->id_;
        std::size_t at = records_.size();
        if (sortField_ >= 0) {
            at = SortedPosition(*owned);
        } else if (!insertAtEnd_ && current_) {
            at = StorageIndexOfId(*current_);
        }
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), std::move(owned));
    }
    buffer_ = Record();
    state_ = EditState::Browse;
    const int rowBefore = currentRow_;
    current_ = id;
    RebuildVisible();
    if (currentRow_ < 0 && !visible_.empty()) {
        // Posted record does not pass the filter: stay near where we were.
        const int row = std::clamp(rowBefore, 0, RecordCount() - 1);
        current_ = visible_[static_cast<std::size_t>(row)]->id_;
        currentRow_ = row;
    }
    Notify(ChangeKind::StateChanged, currentRow_);
    if (was == EditState::Edit && inPlace && currentRow_ >= 0 && currentRow_ == rowBefore)
        Notify(ChangeKind::RowChanged, currentRow_);
    else if (was == EditState::Insert && RowOfId(id) >= 0)
        Notify(ChangeKind::RowInserted, RowOfId(id));
    else
        Notify(ChangeKind::Reset, -1);
    Notify(ChangeKind::CurrentMoved, currentRow_);
    if (afterPost_) afterPost_(*this);
}

void Table::Cancel() {
    if (state_ == EditState::Browse) return;
    const bool wasEdit = state_ == EditState::Edit;
    buffer_ = Record();
    state_ = EditState::Browse;
    Notify(ChangeKind::StateChanged, currentRow_);
    if (wasEdit && currentRow_ >= 0) Notify(ChangeKind::RowChanged, currentRow_);
}

void Table::Delete() {
    if (state_ == EditState::Insert) {
        Cancel();
        return;
    }
    if (state_ == EditState::Edit) Cancel();
    if (currentRow_ < 0) throw TableError("Cannot perform this operation on an empty dataset");
    const int row = currentRow_;
    const std::size_t index = StorageIndexOfId(*current_);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    current_.reset();
    RebuildVisible();
    if (!visible_.empty()) {
        currentRow_ = std::min(row, RecordCount() - 1);
        current_ = visible_[static_cast<std::size_t>(currentRow_)]->id_;
    }
    Notify(ChangeKind::RowRemoved, row);
    Notify(ChangeKind::CurrentMoved, currentRow_);
    if (afterDelete_) afterDelete_(*this);
}

void Table::Clear() {
    buffer_ = Record();
    state_ = EditState::Browse;
    records_.clear();
    current_.reset();
    RebuildVisible();
    Notify(ChangeKind::Reset, -1);
    Notify(ChangeKind::CurrentMoved, -1);
}

void Table::AppendRecords(std::vector<Record> records) {
    if (records.empty()) return;
    records_.reserve(records_.size() + records.size());
    for (auto& record : records) {
        auto owned = std::make_unique<Record>(std::move(record));
        owned->values_.resize(fields_.size());
        owned->id_ = nextId_++;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            if (fields_[i].type != FieldType::Text) continue;
            if (auto* text = std::get_if<std::string>(&owned->values_[i]))
                CutToCharacters(*text, fields_[i].size);
        }
        Calc(*owned);
        NumberAutoFields(*owned);
        records_.push_back(std::move(owned));
    }
    SortRecords();
    RebuildVisible();
    if (!current_ && !visible_.empty()) {
        current_ = visible_.front()->id_;
        currentRow_ = 0;
    }
    Notify(ChangeKind::Reset, -1);
    Notify(ChangeKind::CurrentMoved, currentRow_);
}

void Table::CopyFieldsByName(const Table& sourceTable, const Record& source) {
    if (state_ == EditState::Browse) throw TableError("Dataset not in edit or insert mode");
    for (std::size_t i = 0; i < sourceTable.fields_.size() && i < source.Size(); ++i) {
        const int target = FieldIndex(sourceTable.fields_[i].name);
        if (target < 0) continue;
        buffer_.values_[static_cast<std::size_t>(target)] = CoerceValue(target, source[i]);
    }
}

void Table::AppendCopyOf(const Table& sourceTable, const Record& source) {
    Append();
    try {
        CopyFieldsByName(sourceTable, source);
        Post();
    } catch (...) {
        Cancel();
        throw;
    }
}

int Table::CompareValues(int field, const Value& a, const Value& b) const {
    (void)field;
    const bool aNull = IsNull(a);
    const bool bNull = IsNull(b);
    if (aNull || bNull) return aNull == bNull ? 0 : (aNull ? -1 : 1);
    if (const auto* sa = std::get_if<std::string>(&a)) {
        if (const auto* sb = std::get_if<std::string>(&b)) {
            if (collation_) return collation_(*sa, *sb);
            const int c = sa->compare(*sb);
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
    }
    if (const auto* ba = std::get_if<Bytes>(&a)) {
        if (const auto* bb = std::get_if<Bytes>(&b)) {
            if (*ba < *bb) return -1;
            return *bb < *ba ? 1 : 0;
        }
    }
    const double x = NumberOf(a);
    const double y = NumberOf(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

void Table::SortRecords() {
    if (sortField_ < 0) return;
    const auto field = static_cast<std::size_t>(sortField_);
    const bool ascending = sortOrder_ == SortOrder::Ascending;
    const auto before = [this, field, ascending](const std::unique_ptr<Record>& a,
                                                 const std::unique_ptr<Record>& b) {
        const int c = CompareValues(sortField_, (*a)[field], (*b)[field]);
        return ascending ? c < 0 : c > 0;
    };
    // Refreshes and merges mostly find the order intact: checking is one pass.
    if (std::is_sorted(records_.begin(), records_.end(), before)) return;
    std::stable_sort(records_.begin(), records_.end(), before);
}

void Table::RebuildVisible() {
    visible_.clear();
    visible_.reserve(records_.size());
    const bool filtering = filtered_ && filter_;
    currentRow_ = -1;
    for (const auto& record : records_) {
        if (filtering && !filter_(*this, *record)) continue;
        if (current_ && record->id_ == *current_) currentRow_ = static_cast<int>(visible_.size());
        visible_.push_back(record.get());
    }
    if (currentRow_ < 0) current_.reset();
}

void Table::SetSort(int field, SortOrder order) {
    if (field < 0 || static_cast<std::size_t>(field) >= fields_.size())
        throw TableError(name_ + ": field index out of range");
    PostIfEditing();
    sortField_ = field;
    sortOrder_ = order;
    SortRecords();
    const int before = currentRow_;
    RebuildVisible();
    Notify(ChangeKind::Reset, -1);
    if (before != currentRow_) Notify(ChangeKind::CurrentMoved, currentRow_);
}

void Table::ClearSort() { sortField_ = -1; }

void Table::SetCollation(TextCollation collation) {
    collation_ = std::move(collation);
    if (sortField_ >= 0) SetSort(sortField_, sortOrder_);
}

void Table::SetFilter(FilterPredicate predicate) {
    filter_ = std::move(predicate);
    if (filtered_) Refresh();
}

void Table::SetFiltered(bool on) {
    if (filtered_ == on) return;
    filtered_ = on;
    Refresh();
}

void Table::Refresh() {
    PostIfEditing();
    const int rowBefore = currentRow_;
    SortRecords();
    RebuildVisible();
    if (currentRow_ < 0 && !visible_.empty()) {
        currentRow_ = std::clamp(rowBefore, 0, RecordCount() - 1);
        current_ = visible_[static_cast<std::size_t>(currentRow_)]->id_;
    }
    Notify(ChangeKind::Reset, -1);
    Notify(ChangeKind::CurrentMoved, currentRow_);
}

void Table::SetCalcFields(RecordHandler handler) { calcFields_ = std::move(handler); }

void Table::RecalculateAll() {
    if (!calcFields_) return;
    for (auto& record : records_) calcFields_(*this, *record);
    Notify(ChangeKind::Reset, -1);
}

void Table::SetBeforePost(RecordHandler handler) { beforePost_ = std::move(handler); }
void Table::SetAfterPost(TableHandler handler) { afterPost_ = std::move(handler); }
void Table::SetAfterDelete(TableHandler handler) { afterDelete_ = std::move(handler); }

Table::ListenerId Table::Subscribe(Listener listener) {
    const ListenerId id = nextListener_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void Table::Unsubscribe(ListenerId id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Table::BeginUpdate() { ++updateDepth_; }

void Table::EndUpdate() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ > 0 || !pendingReset_) return;
    pendingReset_ = false;
    Notify(ChangeKind::Reset, -1);
    Notify(ChangeKind::CurrentMoved, currentRow_);
}

void Table::Notify(ChangeKind kind, int row) {
    if (updateDepth_ > 0) {
        pendingReset_ = true;
        return;
    }
    if (listeners_.empty()) return;
    const TableChange change{kind, row};
    const auto listeners = listeners_;  // a listener may unsubscribe while notified
    for (const auto& [id, listener] : listeners) {
        (void)id;
        listener(change);
    }
}

}  // namespace quillux::engine
