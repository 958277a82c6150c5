#include "gui/resistor/resistor_legend.h"

#include <QPainter>

namespace quillux::gui {

namespace {

using engine::ResistorColour;

// Share of the row width taken by the named patch; the value stands to its right.
constexpr int kPictureWidth = 130;
constexpr int kPictureTitleHeight = 22;
constexpr int kPicturePitch = 18;
constexpr int kPictureRowHeight = 15;

QColor ColourOf(ResistorColour colour) {
    const engine::ResistorColourInfo& info = engine::ResistorColourData(colour);
    return {info.red, info.green, info.blue};
}

// Dark text on light patches, white text on dark ones.
QColor TextColourOn(const QColor& patch) {
    const int lightness = (299 * patch.red() + 587 * patch.green() + 114 * patch.blue()) / 1000;
    return lightness >= 128 ? Qt::black : Qt::white;
}

QFont LegendFont(double pointSize, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

const std::array<ResistorColour, ResistorLegend::kRowCount>& ResistorLegend::RowColours() {
    static constexpr std::array<ResistorColour, kRowCount> kRows = {
        ResistorColour::Brown,  ResistorColour::Red,   ResistorColour::Orange,
        ResistorColour::Yellow, ResistorColour::Green, ResistorColour::Blue,
        ResistorColour::Purple, ResistorColour::Gray,  ResistorColour::White,
        ResistorColour::Black,  ResistorColour::Gold,  ResistorColour::Silver};
    return kRows;
}

QString ResistorLegend::ValueText(ResistorColour colour) {
    if (colour == ResistorColour::Gold) return QStringLiteral("*0.1");
    if (colour == ResistorColour::Silver) return QStringLiteral("*0.01");
    const int digit = engine::ResistorColourData(colour).digit;
    return digit >= 0 ? QString::number(digit) : QString();
}

double ResistorLegend::PatchWidth(double rowWidth) {
    constexpr double kPatchShare = 0.6;
    return rowWidth * kPatchShare;
}

ResistorLegend::ResistorLegend(QWidget* parent) : QWidget(parent) { setFont(LegendFont(8)); }

void ResistorLegend::SetRows(int top, int pitch, int rowHeight) {
    top_ = top;
    pitch_ = pitch;
    rowHeight_ = rowHeight;
    update();
}

void ResistorLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PaintRows(painter, 0, width(), top_, pitch_, rowHeight_);
}

void ResistorLegend::PaintRows(QPainter& painter, double left, double width, double top,
                               double pitch, double rowHeight) {
    const double patchWidth = PatchWidth(width);
    for (int row = 0; row < kRowCount; ++row) {
        const ResistorColour colour = RowColours()[row];
        const QColor fill = ColourOf(colour);
        const QRectF patch(left, top + row * pitch, patchWidth, rowHeight);
        painter.fillRect(patch, fill);
        painter.setPen(QPen(QColor(64, 64, 64), 0));
        painter.drawRect(patch);
        painter.setPen(TextColourOn(fill));
        painter.drawText(patch, Qt::AlignCenter,
                         QString::fromLatin1(engine::ResistorColourData(colour).name));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(patch.right() + 6, patch.top(), width - patchWidth - 6, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, ValueText(colour));
    }
}

QImage ResistorLegend::Picture(double scale) {
    const int height = kPictureTitleHeight + kRowCount * kPicturePitch + 4;
    QImage picture(qRound(kPictureWidth * scale), qRound(height * scale), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    // Font sizes in pixels of the unscaled picture, whatever the screen's resolution.
    QFont title = LegendFont(8, true);
    title.setPixelSize(12);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, kPictureWidth, kPictureTitleHeight - 4), Qt::AlignCenter,
                     QStringLiteral("Resistor Color Code"));
    QFont rows = LegendFont(8);
    rows.setPixelSize(10);
    painter.setFont(rows);
    PaintRows(painter, 6, kPictureWidth - 12, kPictureTitleHeight, kPicturePitch,
              kPictureRowHeight);
    return picture;
}

}  // namespace quillux::gui
