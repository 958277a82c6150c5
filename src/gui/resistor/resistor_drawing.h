#pragma once

#include <QColor>
#include <QWidget>
#include <array>

namespace quillux::gui {

// The resistor of the colour-code calculator: a body with its two leads and four bands.
// The bands sit at horizontal centres the window chooses, so each stands above its column
// of swatches.
class ResistorDrawing : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBandCount = 4;
    // The colour of the resistor body, RGB (64, 0, 0): "No Color" shows as no band at all.
    static inline const QColor kBodyColour{64, 0, 0};

    explicit ResistorDrawing(QWidget* parent = nullptr);

    // `band` 0..3 for A..D.
    void SetBandColour(int band, const QColor& colour);
    QColor BandColour(int band) const { return colours_[band]; }
    // Centre of band `band` in this widget's coordinates, and the width of every band.
    void SetBandCentre(int band, int x);
    void SetBandWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QColor, kBandCount> colours_{};
    std::array<int, kBandCount> centres_{};
    int bandWidth_ = 12;
};

}  // namespace quillux::gui
