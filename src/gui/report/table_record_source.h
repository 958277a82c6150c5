#pragma once

#include <QHash>
#include <functional>

#include "engine/table/table.h"
#include "gui/report/report_record_source.h"

namespace quillux::gui {

// A report's records taken from an engine table: the records the table shows (those passing
// its filter while filtering is on), in its current order. Field texts are the value's plain
// text unless a formatter is set for the field (display formats such as "#.# W").
class TableRecordSource : public ReportRecordSource {
public:
    using Formatter = std::function<QString(const engine::Value&)>;

    explicit TableRecordSource(const engine::Table& table) : table_(table) {}

    void SetFormatter(const QString& fieldName, Formatter formatter);

    int RecordCount() const override { return table_.RecordCount(); }
    QString FieldText(int record, const QString& fieldName) const override;
    QImage FieldPicture(int record, const QString& fieldName) const override;

private:
    const engine::Value* ValueOf(int record, const QString& fieldName) const;

    const engine::Table& table_;
    QHash<QString, Formatter> formatters_;  // keyed by lower-case field name
};

}  // namespace quillux::gui
