#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "gui/report/report_band.h"

class QPainter;

namespace quillux::gui {

// One positioned item of a laid-out page, in points from the paper's top left corner.
struct ReportPageItem {
    enum class Kind : quint8 { Text = 1, Line = 2, Rectangle = 3, Picture = 4 };

    Kind kind = Kind::Text;
    QRectF rect;  // a line runs from rect.topLeft() to rect.bottomRight()
    QString text;
    ReportFont font;
    int flags = 0;  // Qt::Alignment | Qt::TextWordWrap
    double penWidth = 0.5;
    QColor penColour = Qt::black;
    QColor fillColour;
    QImage picture;
    QRectF clip;  // null: not clipped (a band too tall for its page is cut at the page body)
};

struct ReportPage {
    std::vector<ReportPageItem> items;
};

struct ReportSearchHit {
    int page = 0;  // 0-based
    int item = 0;
    QRectF rect;
    QString text;  // the whole text of the item that matched
};

// A laid-out report: the pages as positioned items, painted the same way on the screen, a
// printer or a PDF file, and stored whole in a saved report file.
class ReportDocument {
public:
    QString title;
    QSizeF pageSize;  // points; Letter is 612 x 792 portrait
    std::vector<ReportPage> pages;

    int PageCount() const { return static_cast<int>(pages.size()); }
    bool Landscape() const { return pageSize.width() > pageSize.height(); }

    // Every text item containing `text` (case-insensitive), in page order.
    std::vector<ReportSearchHit> Find(const QString& text) const;
    // All texts of a page in paint order, one per line (for tests and the search list).
    QStringList PageTexts(int page) const;

    // Paints page `page` so that the paper fills `target` (device coordinates of `painter`).
    void PaintPage(QPainter& painter, int page, const QRectF& target) const;
};

}  // namespace quillux::gui
