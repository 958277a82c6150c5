#pragma once

#include <QAbstractButton>
#include <QColor>

namespace quillux::gui {

// A clickable patch of one colour: the band colours of the resistor calculator. It takes no
// keyboard focus, so a click leaves the focus where the window puts it.
class ColorSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColorSwatch(const QColor& colour, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    QSize sizeHint() const override { return {36, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace quillux::gui
