#include "gui/report/report_page_view.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "gui/report/report_document.h"

namespace quillux::gui {

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReportPageView"));
    setAutoFillBackground(false);
}

void ReportPageView::SetDocument(const ReportDocument* document) {
    document_ = document;
    mark_ = QRectF();
    setMinimumSize(sizeHint());
    update();
}

void ReportPageView::SetPage(int page) {
    page_ = page;
    update();
}

void ReportPageView::SetScale(double pixelsPerPoint) {
    scale_ = pixelsPerPoint;
    // The scroll area stretches the view to its viewport; below that it scrolls.
    setMinimumSize(sizeHint());
    update();
}

void ReportPageView::SetMark(const QRectF& rect) {
    mark_ = rect;
    update();
}

QSize ReportPageView::sizeHint() const {
    if (document_ == nullptr) return QSize(2 * kDeskMarginPixels, 2 * kDeskMarginPixels);
    return QSize(qCeil(document_->pageSize.width() * scale_) + 2 * kDeskMarginPixels,
                 qCeil(document_->pageSize.height() * scale_) + 2 * kDeskMarginPixels);
}

QRectF ReportPageView::PageTarget() const {
    if (document_ == nullptr) return {};
    const QSizeF size = document_->pageSize * scale_;
    // Centred when the view is wider than the page (the scroll area stretches it).
    const double left = std::max<double>(kDeskMarginPixels, (width() - size.width()) / 2.0);
    const double top = std::max<double>(kDeskMarginPixels, (height() - size.height()) / 2.0);
    return QRectF(QPointF(std::round(left), std::round(top)), size);
}

QRect ReportPageView::MapToView(const QRectF& pageRect) const {
    const QRectF target = PageTarget();
    return QRectF(target.topLeft() + pageRect.topLeft() * scale_, pageRect.size() * scale_)
        .toAlignedRect();
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (document_ == nullptr || document_->PageCount() == 0) return;
    const QRectF target = PageTarget();
    painter.fillRect(target.translated(3, 3), QColor(0, 0, 0, 90));
    painter.fillRect(target, Qt::white);
    document_->PaintPage(painter, page_, target);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target);
    if (!mark_.isNull()) {
        const QRect marked = MapToView(mark_).adjusted(-2, -1, 2, 1);
        painter.fillRect(marked, QColor(255, 230, 0, 90));
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.drawRect(marked);
    }
}

}  // namespace quillux::gui
