#pragma once

#include <QImage>
#include <QString>

namespace quillux::gui {

// The records a table report prints: one detail band per record, in print order. A source
// over a list table holds the records that pass the table's filter, in the table's current
// order; any other list can be printed by implementing this.
class ReportRecordSource {
public:
    virtual ~ReportRecordSource() = default;

    // Called once before each layout, so a source can take a fresh snapshot of its table.
    virtual void Prepare() {}
    virtual int RecordCount() const = 0;
    // The text of field `fieldName` of record `record` (0-based, print order) as the report
    // shows it; an unknown field or a null value gives an empty text.
    virtual QString FieldText(int record, const QString& fieldName) const = 0;
    // A picture field; a null image when there is none.
    virtual QImage FieldPicture(int record, const QString& fieldName) const {
        (void)record;
        (void)fieldName;
        return {};
    }
};

}  // namespace quillux::gui
