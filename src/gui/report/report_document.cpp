#include "gui/report/report_document.h"

#include <QPaintDevice>
#include <QPainter>

#include "gui/report/report_text_metrics.h"

namespace quillux::gui {

std::vector<ReportSearchHit> ReportDocument::Find(const QString& text) const {
    std::vector<ReportSearchHit> hits;
    if (text.isEmpty()) return hits;
    for (int page = 0; page < PageCount(); ++page) {
        const auto& items = pages[page].items;
        for (int index = 0; index < static_cast<int>(items.size()); ++index) {
            const ReportPageItem& item = items[index];
            if (item.kind == ReportPageItem::Kind::Text &&
                item.text.contains(text, Qt::CaseInsensitive)) {
                // Mark the text itself, not the whole box it sits in.
                const QRectF inked =
                    ReportTextMetrics::Measure(item.font, item.rect, item.flags, item.text)
                        .intersected(item.rect);
                hits.push_back({page, index, inked.isEmpty() ? item.rect : inked, item.text});
            }
        }
    }
    return hits;
}

QStringList ReportDocument::PageTexts(int page) const {
    QStringList texts;
    if (page < 0 || page >= PageCount()) return texts;
    for (const ReportPageItem& item : pages[page].items) {
        if (item.kind == ReportPageItem::Kind::Text) texts << item.text;
    }
    return texts;
}

void ReportDocument::PaintPage(QPainter& painter, int page, const QRectF& target) const {
    if (page < 0 || page >= PageCount() || pageSize.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / pageSize.width(), target.height() / pageSize.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int dpiY = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72;

    for (const ReportPageItem& item : pages[page].items) {
        painter.save();
        if (!item.clip.isNull()) painter.setClipRect(item.clip, Qt::IntersectClip);
        switch (item.kind) {
            case ReportPageItem::Kind::Text:
                painter.setFont(ReportTextMetrics::ToQFont(item.font, dpiY));
                painter.setPen(item.font.colour);
                painter.drawText(item.rect, item.flags, item.text);
                break;
            case ReportPageItem::Kind::Line:
                painter.setPen(QPen(item.penColour, item.penWidth));
                painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
                break;
            case ReportPageItem::Kind::Rectangle:
                painter.setPen(item.penWidth > 0.0 ? QPen(item.penColour, item.penWidth)
                                                   : QPen(Qt::NoPen));
                painter.setBrush(item.fillColour.isValid() ? QBrush(item.fillColour)
                                                           : QBrush(Qt::NoBrush));
                painter.drawRect(item.rect);
                break;
            case ReportPageItem::Kind::Picture:
                painter.drawImage(item.rect, item.picture);
                break;
        }
        painter.restore();
    }
    painter.restore();
}

}  // namespace quillux::gui
