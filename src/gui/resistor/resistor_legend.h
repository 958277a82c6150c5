#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "engine/resistor/resistor_color_code.h"

class QPainter;

namespace quillux::gui {

// The colour-code legend: one row per colour from "Brown" down to "Black", then "Gold" and
// "Silver", each a patch of the colour with its name on it and, beside it, its digit or its
// multiplier ("*0.1", "*0.01"). The window shows it beside the calculator, its rows level
// with the calculator's swatch rows; the report prints the same legend as a picture.
class ResistorLegend : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowCount = 12;
    static const std::array<engine::ResistorColour, kRowCount>& RowColours();
    // "1" … "9", "0", "*0.1", "*0.01".
    static QString ValueText(engine::ResistorColour colour);

    // Width of the named patch in a row `rowWidth` wide; the value stands to its right.
    static double PatchWidth(double rowWidth);

    explicit ResistorLegend(QWidget* parent = nullptr);

    // Row r occupies [top + r × pitch, top + r × pitch + rowHeight) in widget coordinates.
    void SetRows(int top, int pitch, int rowHeight);

    // The legend under its title "Resistor Color Code" as a picture for printing, `scale`
    // times the window's size so that it stays sharp on paper.
    static QImage Picture(double scale = 4.0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void PaintRows(QPainter& painter, double left, double width, double top, double pitch,
                          double rowHeight);

    int top_ = 0;
    int pitch_ = 18;
    int rowHeight_ = 14;
};

}  // namespace quillux::gui
