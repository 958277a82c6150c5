#pragma once

#include <QRectF>
#include <QWidget>

namespace quillux::gui {

class ReportDocument;

// One page of a laid-out report on a grey desk, at a given scale, with an optional marked
// rectangle (a search hit). Sits inside the preview's scroll area.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDeskMarginPixels = 10;

    explicit ReportPageView(QWidget* parent = nullptr);

    void SetDocument(const ReportDocument* document);
    void SetPage(int page);
    // Device pixels per point of the page model.
    void SetScale(double pixelsPerPoint);
    double Scale() const { return scale_; }
    // In points of the page model; a null rectangle clears the mark.
    void SetMark(const QRectF& rect);
    // Where a rectangle of the page model lands in this widget.
    QRect MapToView(const QRectF& pageRect) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF PageTarget() const;

    const ReportDocument* document_ = nullptr;
    int page_ = 0;
    double scale_ = 1.0;
    QRectF mark_;
};

}  // namespace quillux::gui
