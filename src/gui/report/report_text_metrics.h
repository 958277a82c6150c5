#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include "gui/report/report_band.h"

namespace quillux::gui {

// Report fonts are sized in points of the page model. Painting scales the page model onto a
// device, so the QFont handed to the painter must yield `pointSize` pixels in page units:
// its point size is divided by the device's dots per point.
class ReportTextMetrics {
public:
    static QFont ToQFont(const ReportFont& font, int deviceDpiY);
    // The rectangle the text occupies when laid out in a box `width` points wide with `flags`.
    static QRectF Measure(const ReportFont& font, double width, int flags, const QString& text);
    // Where the text lands when drawn into `box` with `flags`, in the box's coordinates.
    static QRectF Measure(const ReportFont& font, const QRectF& box, int flags,
                          const QString& text);
};

}  // namespace quillux::gui
