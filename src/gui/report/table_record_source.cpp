#include "gui/report/table_record_source.h"

#include <utility>

namespace quillux::gui {

void TableRecordSource::SetFormatter(const QString& fieldName, Formatter formatter) {
    formatters_.insert(fieldName.toLower(), std::move(formatter));
}

const engine::Value* TableRecordSource::ValueOf(int record, const QString& fieldName) const {
    if (record < 0 || record >= table_.RecordCount()) return nullptr;
    const int field = table_.FieldIndex(fieldName.toStdString());
    if (field < 0) return nullptr;
    return &table_.ValueAt(record, field);
}

QString TableRecordSource::FieldText(int record, const QString& fieldName) const {
    const engine::Value* value = ValueOf(record, fieldName);
    if (value == nullptr) return {};
    if (auto formatter = formatters_.find(fieldName.toLower()); formatter != formatters_.end()) {
        return (*formatter)(*value);
    }
    return QString::fromStdString(engine::ValueToText(*value));
}

QImage TableRecordSource::FieldPicture(int record, const QString& fieldName) const {
    const engine::Value* value = ValueOf(record, fieldName);
    if (value == nullptr) return {};
    const auto* bytes = std::get_if<engine::Bytes>(value);
    if (bytes == nullptr || bytes->empty()) return {};
    return QImage::fromData(QByteArrayView(reinterpret_cast<const char*>(bytes->data()),
                                           static_cast<qsizetype>(bytes->size())));
}

}  // namespace quillux::gui
