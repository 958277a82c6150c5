#include "gui/report/report_file.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

namespace quillux::gui {

namespace {

constexpr char kMagic[] = "QLXREPORT";
constexpr int kMagicBytes = 9;
constexpr int kHashBytes = 32;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;
// Sanity limits for reading: far beyond any real report, small enough to refuse garbage.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;
constexpr quint32 kMaxPages = 100000;
constexpr quint32 kMaxItemsPerPage = 1000000;
constexpr double kMaxPagePoints = 100000.0;
// PDF resolution in dots per inch: fine enough that positions rounded to dots do not show.
constexpr int kPdfResolution = 1200;

bool Finite(const QRectF& rect) {
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

QByteArray EncodePicture(const QImage& picture) {
    if (picture.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

QByteArray WritePayload(const ReportDocument& document) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << document.title << document.pageSize << quint32(document.pages.size());
    for (const ReportPage& page : document.pages) {
        out << quint32(page.items.size());
        for (const ReportPageItem& item : page.items) {
            out << quint8(item.kind) << item.rect << item.text << item.font.family
                << item.font.pointSize << item.font.bold << item.font.italic << item.font.underline
                << item.font.colour << qint32(item.flags) << item.penWidth << item.penColour
                << item.fillColour << EncodePicture(item.picture) << item.clip;
        }
    }
    return payload;
}

std::optional<ReportDocument> ReadPayload(const QByteArray& payload) {
    QDataStream in(payload);
    in.setVersion(kStreamVersion);
    ReportDocument document;
    quint32 pageCount = 0;
    in >> document.title >> document.pageSize >> pageCount;
    if (in.status() != QDataStream::Ok || pageCount == 0 || pageCount > kMaxPages) return {};
    const QSizeF size = document.pageSize;
    if (!(size.width() > 0.0 && size.height() > 0.0 && size.width() < kMaxPagePoints &&
          size.height() < kMaxPagePoints)) {
        return {};
    }
    document.pages.resize(pageCount);
    for (ReportPage& page : document.pages) {
        quint32 itemCount = 0;
        in >> itemCount;
        if (in.status() != QDataStream::Ok || itemCount > kMaxItemsPerPage) return {};
        page.items.reserve(std::min<quint32>(itemCount, 4096));
        for (quint32 i = 0; i < itemCount; ++i) {
            ReportPageItem item;
            quint8 kind = 0;
            qint32 flags = 0;
            QByteArray picture;
            in >> kind >> item.rect >> item.text >> item.font.family >> item.font.pointSize >>
                item.font.bold >> item.font.italic >> item.font.underline >> item.font.colour >>
                flags >> item.penWidth >> item.penColour >> item.fillColour >> picture >> item.clip;
            if (in.status() != QDataStream::Ok) return {};
            if (kind < quint8(ReportPageItem::Kind::Text) ||
                kind > quint8(ReportPageItem::Kind::Picture)) {
                return {};
            }
            if (!Finite(item.rect) || !Finite(item.clip) || !std::isfinite(item.penWidth) ||
                !(item.font.pointSize > 0.0 && item.font.pointSize < 1000.0)) {
                return {};
            }
            item.kind = static_cast<ReportPageItem::Kind>(kind);
            item.flags = flags;
            if (!picture.isEmpty()) {
                item.picture = QImage::fromData(picture, "PNG");
                if (item.picture.isNull()) return {};
            }
            page.items.push_back(std::move(item));
        }
    }
    if (!in.atEnd()) return {};
    return document;
}

}  // namespace

bool ReportFile::Save(const ReportDocument& document, const QString& path, QString* error) {
    const QByteArray payload = WritePayload(document);
    QByteArray header;
    {
        QDataStream out(&header, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        out.writeRawData(kMagic, kMagicBytes);
        out << kFormatVersion << quint64(payload.size());
        const QByteArray hash = QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
        out.writeRawData(hash.constData(), hash.size());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size() ||
        file.write(payload) != payload.size() || !file.commit()) {
        if (error) {
            *error = QStringLiteral("The report could not be saved to \"%1\": %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    return true;
}

std::optional<ReportDocument> ReportFile::Load(const QString& path, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& text) -> std::optional<ReportDocument> {
        if (error) *error = text;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("The report file \"%1\" could not be opened: %2")
                        .arg(shown, file.errorString()));
    }
    if (file.size() > kMaxFileBytes) {
        return fail(QStringLiteral("\"%1\" is not a Quillux report file.").arg(shown));
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < kMagicBytes || bytes.left(kMagicBytes) != QByteArray(kMagic, kMagicBytes)) {
        return fail(QStringLiteral("\"%1\" is not a Quillux report file.").arg(shown));
    }
    QDataStream in(bytes);
    in.setVersion(kStreamVersion);
    in.skipRawData(kMagicBytes);
    quint32 version = 0;
    quint64 payloadSize = 0;
    in >> version >> payloadSize;
    QByteArray hash(kHashBytes, '\0');
    if (in.status() != QDataStream::Ok || in.readRawData(hash.data(), kHashBytes) != kHashBytes) {
        return fail(
            QStringLiteral("The report file \"%1\" is damaged and cannot be loaded.").arg(shown));
    }
    if (version != kFormatVersion) {
        return fail(QStringLiteral("The report file \"%1\" was written in report format %2, "
                                   "which this version of Quillux cannot read.")
                        .arg(shown)
                        .arg(version));
    }
    const qint64 headerBytes = kMagicBytes + 4 + 8 + kHashBytes;
    const QByteArray payload = bytes.mid(headerBytes);
    if (payloadSize != quint64(payload.size()) ||
        QCryptographicHash::hash(payload, QCryptographicHash::Sha256) != hash) {
        return fail(
            QStringLiteral("The report file \"%1\" is damaged and cannot be loaded.").arg(shown));
    }
    std::optional<ReportDocument> document = ReadPayload(payload);
    if (!document) {
        return fail(
            QStringLiteral("The report file \"%1\" is damaged and cannot be loaded.").arg(shown));
    }
    return document;
}

bool ReportFile::SavePdf(const ReportDocument& document, const QString& path, QString* error) {
    QSaveFile file(path);
    bool written = false;
    if (file.open(QIODevice::WriteOnly) && document.PageCount() > 0) {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Quillux Lite"));
        writer.setResolution(kPdfResolution);
        const QSizeF portrait(std::min(document.pageSize.width(), document.pageSize.height()),
                              std::max(document.pageSize.width(), document.pageSize.height()));
        writer.setPageLayout(
            QPageLayout(QPageSize(portrait, QPageSize::Point),
                        document.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&writer)) {
            const QRectF target = writer.pageLayout().fullRectPixels(kPdfResolution);
            for (int page = 0; page < document.PageCount(); ++page) {
                if (page > 0) writer.newPage();
                document.PaintPage(painter, page, QRectF(QPointF(0, 0), target.size()));
            }
            written = painter.end();
        }
    }
    if (!written || !file.commit()) {
        if (error) {
            *error = QStringLiteral("The report could not be saved to \"%1\": %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    return true;
}

}  // namespace quillux::gui
