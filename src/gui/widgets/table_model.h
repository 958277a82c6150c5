#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "engine/table/table.h"

namespace quillux::gui {

// The Qt model over one engine table, used by every grid of the program. Several models
// may show the same table: each follows every change of it at once (a post made through one
// window shows in all the others), and all share the table's current record, sort and filter.
// Numbers are shown with their field's display format and the locale's decimal separator;
// Boolean fields are check boxes. Edits go straight into the table and are posted; a
// refused value shows the table's message through UserDialogs::Current().
// The table must outlive the model.
class TableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TableModel(engine::Table& table, QObject* parent = nullptr);
    ~TableModel() override;

    engine::Table& table() const { return table_; }

    // The columns shown, by field name in this order (default: every field but pictures).
    // Unknown names are left out.
    void setColumns(const QStringList& fieldNames);
    int fieldOfColumn(int column) const;
    int columnOfField(const QString& fieldName) const;  // -1 when not shown
    // Title of a column instead of the field's label.
    void setColumnTitle(const QString& fieldName, const QString& title);
    // A read-only model refuses every edit (fixture lookup grids).
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }
    // Separator for numbers; by default the locale's, following changes while running.
    void setDecimalSeparator(const QString& separator);
    QString decimalSeparator() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Sorts the table itself: every view of it takes the new order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    // The table's shared current record moved (-1 when there is none).
    void currentRowChanged(int row);

private:
    void OnTableChange(const engine::TableChange& change);
    bool WriteValue(int row, int field, engine::Value value);
    std::string SeparatorUtf8() const;

    engine::Table& table_;
    engine::Table::ListenerId listener_ = 0;
    std::vector<int> columns_;
    QHash<int, QString> titles_;
    bool readOnly_ = false;
    QString separator_;  // empty: the locale's
};

}  // namespace quillux::gui
