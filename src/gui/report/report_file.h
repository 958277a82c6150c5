#pragma once

#include <QString>
#include <optional>

#include "gui/report/report_document.h"

namespace quillux::gui {

// Saved reports: the program's own report file (a laid-out report, read back exactly) and PDF.
//
// Report file layout (QDataStream, big-endian, Qt 6.4 stream format):
//   "QLXREPORT" magic (9 bytes), format version (quint32), payload size (quint64),
//   SHA-256 of the payload (32 bytes), payload (title, page size, pages of items).
// A file whose magic, version, size, checksum or contents do not check out is refused whole.
class ReportFile {
public:
    static constexpr quint32 kFormatVersion = 1;
    static constexpr const char* kExtension = "qrp";

    // Written through a temporary file, so a failed save leaves an older file untouched.
    static bool Save(const ReportDocument& document, const QString& path, QString* error);
    // Nothing (and `error` set to a sentence for the user) when the file cannot be used.
    static std::optional<ReportDocument> Load(const QString& path, QString* error);
    static bool SavePdf(const ReportDocument& document, const QString& path, QString* error);
};

}  // namespace quillux::gui
