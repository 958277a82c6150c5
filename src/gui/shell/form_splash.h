#pragma once

#include <QPixmap>
#include <QWidget>

namespace quillux::gui {

// The start-up window: a 426 x 387 borderless picture shown while the setup record and the
// reference tables load.
class TFormSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 426;
    static constexpr int kHeight = 387;

    // `logoPath`: the logo picture; when it is missing the splash shows without it.
    explicit TFormSplash(const QString& logoPath, QWidget* parent = nullptr);

    bool HasLogo() const { return !logo_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap logo_;
};

}  // namespace quillux::gui
