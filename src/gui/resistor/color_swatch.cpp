#include "gui/resistor/color_swatch.h"

#include <QPainter>

namespace quillux::gui {

ColorSwatch::ColorSwatch(const QColor& colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect patch = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(patch, colour_);
    // A dark frame, lighter while pressed or under the mouse, so white and black patches
    // both show their edges.
    const bool lit = isDown() || underMouse();
    painter.setPen(QPen(lit ? QColor(0, 120, 215) : QColor(64, 64, 64), lit ? 2 : 1));
    painter.drawRect(lit ? patch.adjusted(1, 1, 0, 0) : patch);
}

}  // namespace quillux::gui
