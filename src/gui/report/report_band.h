#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QRectF>
#include <QString>
#include <deque>
#include <functional>

namespace quillux::gui {

class ReportRecordSource;

// Report coordinates are points (1/72 inch) from the top left corner of a band; the page
// model and everything painted from it use the same unit.
constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double MillimetresToPoints(double millimetres) {
    return millimetres * kPointsPerMillimetre;
}

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
};

// What a band's dynamic texts can see while the band is laid out.
struct ReportContext {
    int pageNumber = 1;     // from 1
    int recordIndex = -1;   // the detail band's record (print order), -1 outside detail bands
    int runningNumber = 0;  // detail bands printed so far, this one included, from 1
    const ReportRecordSource* source = nullptr;
    QDateTime printedAt;

    // The current record's field text; empty outside a detail band or without a source.
    QString FieldText(const QString& fieldName) const;
    QImage FieldPicture(const QString& fieldName) const;
    // Date and time of printing in the locale's short formats.
    QString PrintedAtText() const;
};

struct ReportElement {
    enum class Kind { Text, Line, Rectangle, Picture };

    Kind kind = Kind::Text;
    // Position inside the band, in points. A line runs from box.topLeft() to box.bottomRight().
    QRectF box;

    // Text: a fixed text, or one computed each time the band is laid out.
    QString text;
    std::function<QString(const ReportContext&)> textSource;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    // The element grows downwards to hold all of its (wrapped, multi-line) text; the band grows
    // with it and elements that start below it move down by the same amount.
    bool stretch = false;

    // Lines and rectangles.
    double penWidth = 0.5;
    QColor penColour = Qt::black;
    QColor fillColour;  // invalid: not filled

    // Pictures are scaled into the box, keeping their proportions unless told otherwise.
    QImage picture;
    std::function<QImage(const ReportContext&)> pictureSource;
    bool keepAspect = true;
    bool centrePicture = true;
};

// One band of a report: a strip across the printable width with elements placed in it.
// References returned by the Add functions stay valid while the band lives.
class ReportBand {
public:
    explicit ReportBand(double heightPoints = 0.0) : height_(heightPoints) {}

    double Height() const { return height_; }
    void SetHeight(double heightPoints) { height_ = heightPoints; }

    ReportElement& AddText(const QRectF& box, const QString& text, const ReportFont& font = {},
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    ReportElement& AddExpression(const QRectF& box,
                                 std::function<QString(const ReportContext&)> textSource,
                                 const ReportFont& font = {},
                                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // The current record's field, as the record source gives its text.
    ReportElement& AddField(const QRectF& box, const QString& fieldName,
                            const ReportFont& font = {},
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // The number of the detail band, counted from 1.
    ReportElement& AddRunningNumber(const QRectF& box, const ReportFont& font = {},
                                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    ReportElement& AddLine(const QPointF& from, const QPointF& to, double penWidth = 0.5,
                           const QColor& colour = Qt::black);
    ReportElement& AddRectangle(const QRectF& box, double penWidth = 0.5,
                                const QColor& penColour = Qt::black,
                                const QColor& fillColour = QColor());
    ReportElement& AddPicture(const QRectF& box, const QImage& picture, bool keepAspect = true);
    ReportElement& AddPictureExpression(const QRectF& box,
                                        std::function<QImage(const ReportContext&)> source,
                                        bool keepAspect = true);

    const std::deque<ReportElement>& Elements() const { return elements_; }

private:
    double height_;
    std::deque<ReportElement> elements_;
};

}  // namespace quillux::gui
