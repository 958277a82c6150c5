#include "gui/widgets/table_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

TableGrid::TableGrid(engine::Table& table, QWidget* parent)
    : QTableView(parent), model_(new TableModel(table, this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TableGrid::OnTitleClicked);
    connect(model_, &TableModel::currentRowChanged, this, &TableGrid::SyncFromTable);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { ShowSortIndicator(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { OnCurrentChanged(current); });
    SyncFromTable(table.CurrentRow());
    ShowSortIndicator();
}

void TableGrid::SyncFromTable(int row) {
    if (syncing_) return;
    syncing_ = true;
    if (row < 0 || row >= model_->rowCount()) {
        selectionModel()->clearCurrentIndex();
    } else if (!currentIndex().isValid() || currentIndex().row() != row) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        setCurrentIndex(model_->index(row, std::max(0, column)));
    }
    syncing_ = false;
}

void TableGrid::OnCurrentChanged(const QModelIndex& current) {
    if (syncing_ || !current.isValid()) return;
    syncing_ = true;
    try {
        table().SetCurrentRow(current.row());
    } catch (const engine::TableError& error) {
        // The record being edited could not be stored: stay on it.
        UserDialogs::Current().Error(error.what());
    }
    syncing_ = false;
    if (table().CurrentRow() != current.row()) SyncFromTable(table().CurrentRow());
}

void TableGrid::OnTitleClicked(int section) {
    if (!titleSort_) return;
    const int field = model_->fieldOfColumn(section);
    if (field < 0) return;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (table().SortField() == field && table().GetSortOrder() == engine::SortOrder::Ascending)
        order = Qt::DescendingOrder;
    model_->sort(section, order);
    ShowSortIndicator();
}

void TableGrid::ShowSortIndicator() {
    const int field = table().SortField();
    int column = -1;
    for (int c = 0; c < model_->columnCount(); ++c)
        if (model_->fieldOfColumn(c) == field) column = c;
    if (column < 0) {
        horizontalHeader()->setSortIndicatorShown(false);
        return;
    }
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(
        column, table().GetSortOrder() == engine::SortOrder::Ascending ? Qt::AscendingOrder
                                                                       : Qt::DescendingOrder);
}

}  // namespace quillux::gui
