#include "gui/report/report_band.h"

#include <QLocale>
#include <utility>

#include "gui/report/report_record_source.h"

namespace quillux::gui {

QString ReportContext::FieldText(const QString& fieldName) const {
    if (source == nullptr || recordIndex < 0) return {};
    return source->FieldText(recordIndex, fieldName);
}

QImage ReportContext::FieldPicture(const QString& fieldName) const {
    if (source == nullptr || recordIndex < 0) return {};
    return source->FieldPicture(recordIndex, fieldName);
}

QString ReportContext::PrintedAtText() const {
    const QLocale locale;
    return locale.toString(printedAt.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(printedAt.time(), QLocale::ShortFormat);
}

ReportElement& ReportBand::AddText(const QRectF& box, const QString& text, const ReportFont& font,
                                   Qt::Alignment alignment) {
    ReportElement& element = elements_.emplace_back();
    element.kind = ReportElement::Kind::Text;
    element.box = box;
    element.text = text;
    element.font = font;
    element.alignment = alignment;
    return element;
}

ReportElement& ReportBand::AddExpression(const QRectF& box,
                                         std::function<QString(const ReportContext&)> textSource,
                                         const ReportFont& font, Qt::Alignment alignment) {
    ReportElement& element = AddText(box, QString(), font, alignment);
    element.textSource = std::move(textSource);
    return element;
}

ReportElement& ReportBand::AddField(const QRectF& box, const QString& fieldName,
                                    const ReportFont& font, Qt::Alignment alignment) {
    return AddExpression(
        box, [fieldName](const ReportContext& context) { return context.FieldText(fieldName); },
        font, alignment);
}

ReportElement& ReportBand::AddRunningNumber(const QRectF& box, const ReportFont& font,
                                            Qt::Alignment alignment) {
    return AddExpression(
        box, [](const ReportContext& context) { return QString::number(context.runningNumber); },
        font, alignment);
}

ReportElement& ReportBand::AddLine(const QPointF& from, const QPointF& to, double penWidth,
                                   const QColor& colour) {
    ReportElement& element = elements_.emplace_back();
    element.kind = ReportElement::Kind::Line;
    element.box = QRectF(from, to);
    element.penWidth = penWidth;
    element.penColour = colour;
    return element;
}

ReportElement& ReportBand::AddRectangle(const QRectF& box, double penWidth, const QColor& penColour,
                                        const QColor& fillColour) {
    ReportElement& element = elements_.emplace_back();
    element.kind = ReportElement::Kind::Rectangle;
    element.box = box;
    element.penWidth = penWidth;
    element.penColour = penColour;
    element.fillColour = fillColour;
    return element;
}

ReportElement& ReportBand::AddPicture(const QRectF& box, const QImage& picture, bool keepAspect) {
    ReportElement& element = elements_.emplace_back();
    element.kind = ReportElement::Kind::Picture;
    element.box = box;
    element.picture = picture;
    element.keepAspect = keepAspect;
    return element;
}

ReportElement& ReportBand::AddPictureExpression(const QRectF& box,
                                                std::function<QImage(const ReportContext&)> source,
                                                bool keepAspect) {
    ReportElement& element = AddPicture(box, QImage(), keepAspect);
    element.pictureSource = std::move(source);
    return element;
}

}  // namespace quillux::gui
