#include "gui/report/report_text_metrics.h"

#include <QFontMetricsF>
#include <QImage>

namespace quillux::gui {

namespace {

// A paint device of exactly 72 dots per inch: one pixel is one point of the page model.
const QImage& PointDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        constexpr int kDotsPerMetreAt72Dpi = 2835;  // 72 / 0.0254, rounded
        image.setDotsPerMeterX(kDotsPerMetreAt72Dpi);
        image.setDotsPerMeterY(kDotsPerMetreAt72Dpi);
        return image;
    }();
    return device;
}

}  // namespace

QFont ReportTextMetrics::ToQFont(const ReportFont& font, int deviceDpiY) {
    QFont result(font.family);
    result.setPointSizeF(font.pointSize * 72.0 / (deviceDpiY > 0 ? deviceDpiY : 72));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    // Unhinted outlines scale evenly, so the page looks the same at every zoom and on paper.
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setStyleStrategy(QFont::PreferOutline);
    return result;
}

QRectF ReportTextMetrics::Measure(const ReportFont& font, double width, int flags,
                                  const QString& text) {
    const QImage& device = PointDevice();
    const QFontMetricsF metrics(ToQFont(font, device.logicalDpiY()), &device);
    constexpr double kUnboundedHeight = 1.0e6;
    return metrics.boundingRect(QRectF(0, 0, width, kUnboundedHeight), flags, text);
}

QRectF ReportTextMetrics::Measure(const ReportFont& font, const QRectF& box, int flags,
                                  const QString& text) {
    const QImage& device = PointDevice();
    const QFontMetricsF metrics(ToQFont(font, device.logicalDpiY()), &device);
    return metrics.boundingRect(box, flags, text);
}

}  // namespace quillux::gui
