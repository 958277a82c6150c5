#include "gui/widgets/table_model.h"

#include <charconv>

#include "engine/table/display_format.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

using engine::FieldType;
using engine::Value;

namespace {

bool IsNumeric(FieldType type) {
    return type == FieldType::Double || type == FieldType::Integer ||
           type == FieldType::AutoIncrement;
}

std::optional<double> ReadNumber(std::string text, const std::string& separator) {
    if (separator != "." && !separator.empty()) {
        const auto at = text.find(separator);
        if (at != std::string::npos) text = text.substr(0, at) + '.' + text.substr(at + separator.size());
    }
    std::string_view view(text);
    if (!view.empty() && view.front() == '+') view.remove_prefix(1);
    if (view.empty()) return std::nullopt;
    double number = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), number);
    if (error != std::errc() || end != view.data() + view.size()) return std::nullopt;
    return number;
}

}  // namespace

TableModel::TableModel(engine::Table& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    for (int field = 0; field < table_.FieldCount(); ++field)
        if (table_.Field(field).type != FieldType::Picture) columns_.push_back(field);
    listener_ =
        table_.Subscribe([this](const engine::TableChange& change) { OnTableChange(change); });
    connect(&DecimalSeparator::Instance(), &DecimalSeparator::changed, this, [this] {
        if (separator_.isEmpty() && rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

TableModel::~TableModel() { table_.Unsubscribe(listener_); }

void TableModel::setColumns(const QStringList& fieldNames) {
    beginResetModel();
    columns_.clear();
    for (const QString& name : fieldNames) {
        const int field = table_.FieldIndex(name.toStdString());
        if (field >= 0) columns_.push_back(field);
    }
    endResetModel();
}

int TableModel::fieldOfColumn(int column) const {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return -1;
    return columns_[static_cast<std::size_t>(column)];
}

int TableModel::columnOfField(const QString& fieldName) const {
    const int field = table_.FieldIndex(fieldName.toStdString());
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i] == field) return static_cast<int>(i);
    return -1;
}

void TableModel::setColumnTitle(const QString& fieldName, const QString& title) {
    const int field = table_.FieldIndex(fieldName.toStdString());
    if (field < 0) return;
    titles_[field] = title;
    const int column = columnOfField(fieldName);
    if (column >= 0) emit headerDataChanged(Qt::Horizontal, column, column);
}

void TableModel::setReadOnly(bool readOnly) { readOnly_ = readOnly; }

void TableModel::setDecimalSeparator(const QString& separator) {
    separator_ = separator;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString TableModel::decimalSeparator() const {
    return separator_.isEmpty() ? DecimalSeparator::Current() : separator_;
}

std::string TableModel::SeparatorUtf8() const { return decimalSeparator().toStdString(); }

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.RecordCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.RecordCount()) return {};
    const int field = fieldOfColumn(index.column());
    if (field < 0) return {};
    const engine::FieldDef& def = table_.Field(field);
    const Value& value = table_.ValueAt(index.row(), field);
    switch (role) {
        case Qt::DisplayRole:
            if (def.type == FieldType::Boolean || def.type == FieldType::Picture) return {};
            return QString::fromStdString(engine::DisplayText(def, value, SeparatorUtf8()));
        case Qt::EditRole:
            if (def.type == FieldType::Boolean)
                return engine::IsNull(value) ? false : std::get<bool>(value);
            if (def.type == FieldType::Picture) return {};
            return QString::fromStdString(engine::EditText(def, value, SeparatorUtf8()));
        case Qt::CheckStateRole:
            if (def.type != FieldType::Boolean) return {};
            return (!engine::IsNull(value) && std::get<bool>(value)) ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole:
            if (IsNumeric(def.type)) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        default:
            return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const int field = fieldOfColumn(section);
    if (field < 0) return {};
    if (titles_.contains(field)) return titles_.value(field);
    return QString::fromStdString(table_.Field(field).Label());
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int field = fieldOfColumn(index.column());
    if (field < 0) return result;
    const engine::FieldDef& def = table_.Field(field);
    const bool editable = !readOnly_ && !def.readOnly && !def.derived &&
                          def.type != FieldType::AutoIncrement && def.type != FieldType::Picture;
    if (!editable) return result;
    if (def.type == FieldType::Boolean) return result | Qt::ItemIsUserCheckable;
    return result | Qt::ItemIsEditable;
}

bool TableModel::WriteValue(int row, int field, Value value) {
    try {
        table_.SetCurrentRow(row);
        table_.SetValue(field, std::move(value));
        table_.Post();
        return true;
    } catch (const engine::TableError& error) {
        // A refused value leaves the record as it was.
        if (table_.State() != engine::EditState::Browse) table_.Cancel();
        UserDialogs::Current().Error(error.what());
        return false;
    }
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    const int field = fieldOfColumn(index.column());
    const engine::FieldDef& def = table_.Field(field);
    if (def.type == FieldType::Boolean) {
        if (role != Qt::CheckStateRole && role != Qt::EditRole) return false;
        const bool on = role == Qt::CheckStateRole ? value.value<Qt::CheckState>() == Qt::Checked
                                                   : value.toBool();
        return WriteValue(index.row(), field, on);
    }
    if (role != Qt::EditRole) return false;
    const std::string text = value.toString().toStdString();
    // Leaving an editor unchanged writes nothing: "#.##" shows 0 as an empty text.
    if (text == data(index, Qt::EditRole).toString().toStdString()) return true;
    const std::string trimmed = value.toString().trimmed().toStdString();
    switch (def.type) {
        case FieldType::Text:
            return WriteValue(index.row(), field, text);
        case FieldType::Double: {
            if (trimmed.empty()) return WriteValue(index.row(), field, Value{});
            const auto number = ReadNumber(trimmed, SeparatorUtf8());
            if (!number) {
                UserDialogs::Current().Error("'" + trimmed +
                                             "' is not a valid floating point value");
                return false;
            }
            return WriteValue(index.row(), field, *number);
        }
        case FieldType::Integer: {
            if (trimmed.empty()) return WriteValue(index.row(), field, Value{});
            std::string_view digits(trimmed);
            if (digits.front() == '+') digits.remove_prefix(1);
            std::int32_t number = 0;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), number);
            if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
                UserDialogs::Current().Error("'" + trimmed + "' is not a valid integer value");
                return false;
            }
            return WriteValue(index.row(), field, number);
        }
        default:
            return false;
    }
}

void TableModel::sort(int column, Qt::SortOrder order) {
    const int field = fieldOfColumn(column);
    if (field < 0) return;
    try {
        table_.SetSort(field, order == Qt::AscendingOrder ? engine::SortOrder::Ascending
                                                          : engine::SortOrder::Descending);
    } catch (const engine::TableError& error) {
        UserDialogs::Current().Error(error.what());
    }
}

void TableModel::OnTableChange(const engine::TableChange& change) {
    switch (change.kind) {
        case engine::ChangeKind::RowChanged:
            if (change.row >= 0 && change.row < rowCount() && columnCount() > 0)
                emit dataChanged(index(change.row, 0), index(change.row, columnCount() - 1));
            break;
        case engine::ChangeKind::CurrentMoved:
            emit currentRowChanged(change.row);
            break;
        case engine::ChangeKind::StateChanged:
            break;
        case engine::ChangeKind::Reset:
        case engine::ChangeKind::RowInserted:
        case engine::ChangeKind::RowRemoved:
            // The table has already changed; views reload everything.
            beginResetModel();
            endResetModel();
            emit currentRowChanged(table_.CurrentRow());
            break;
    }
}

}  // namespace quillux::gui
