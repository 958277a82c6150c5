#include "gui/resistor/resistor_drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace quillux::gui {

namespace {

constexpr int kLeadThickness = 3;
constexpr int kBodyInset = 14;  // room for the leads at each end
const QColor kLeadColour(150, 150, 150);
const QColor kOutlineColour(32, 0, 0);

}  // namespace

ResistorDrawing::ResistorDrawing(QWidget* parent) : QWidget(parent) {
    colours_.fill(Qt::black);
    for (int band = 0; band < kBandCount; ++band) centres_[band] = 30 + band * 30;
}

void ResistorDrawing::SetBandColour(int band, const QColor& colour) {
    if (band < 0 || band >= kBandCount || colours_[band] == colour) return;
    colours_[band] = colour;
    update();
}

void ResistorDrawing::SetBandCentre(int band, int x) {
    if (band < 0 || band >= kBandCount) return;
    centres_[band] = x;
    update();
}

void ResistorDrawing::SetBandWidth(int width) {
    bandWidth_ = width;
    update();
}

void ResistorDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double middle = area.center().y();

    painter.fillRect(
        QRectF(area.left(), middle - kLeadThickness / 2.0, area.width(), kLeadThickness),
        kLeadColour);

    const QRectF body = area.adjusted(kBodyInset, 1, -kBodyInset, -1);
    QPainterPath outline;
    outline.addRoundedRect(body, body.height() / 3.0, body.height() / 3.0);
    painter.fillPath(outline, kBodyColour);

    painter.save();
    painter.setClipPath(outline);
    for (int band = 0; band < kBandCount; ++band) {
        const QRectF strip(centres_[band] - bandWidth_ / 2.0, body.top(), bandWidth_,
                           body.height());
        painter.fillRect(strip, colours_[band]);
        // A hairline either side keeps a black band visible on the dark body.
        painter.setPen(QPen(QColor(110, 60, 60), 1));
        painter.drawLine(strip.topLeft(), strip.bottomLeft());
        painter.drawLine(strip.topRight(), strip.bottomRight());
    }
    painter.restore();

    painter.setPen(QPen(kOutlineColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

}  // namespace quillux::gui
