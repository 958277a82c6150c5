#pragma once

#include <QTableView>

#include "engine/table/table.h"
#include "gui/widgets/table_model.h"

namespace quillux::gui {

// A grid bound to one engine table through its own TableModel: the grid's current row is
// the table's shared current record (moving in one grid moves every grid of that table),
// a click on a column title sorts the table on that column (a second click on the same title
// reverses the order), and the title shows the table's sort wherever it was chosen.
class TableGrid : public QTableView {
    Q_OBJECT

public:
    explicit TableGrid(engine::Table& table, QWidget* parent = nullptr);

    TableModel* tableModel() const { return model_; }
    engine::Table& table() const { return model_->table(); }
    void setTitleSortEnabled(bool enabled) { titleSort_ = enabled; }
    bool titleSortEnabled() const { return titleSort_; }

private:
    void SyncFromTable(int row);
    void OnCurrentChanged(const QModelIndex& current);
    void OnTitleClicked(int section);
    void ShowSortIndicator();

    TableModel* model_;
    bool titleSort_ = true;
    bool syncing_ = false;
};

}  // namespace quillux::gui
