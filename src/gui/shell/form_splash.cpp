#include "gui/shell/form_splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace quillux::gui {

namespace {

const QColor kNavy(0, 0, 128);

QFont BoldArial(int pixelHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace

TFormSplash::TFormSplash(const QString& logoPath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      logo_(logoPath) {
    setObjectName(QStringLiteral("FormSplash"));
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

void TFormSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // 150 horizontal bands from blue at the top to grey-blue at the bottom.
    constexpr int kSteps = 150;
    const QColor from(94, 94, 255);
    const QColor to(206, 211, 227);
    for (int step = 0; step < kSteps; ++step) {
        const int top = step * kHeight / kSteps;
        const int bottom = (step + 1) * kHeight / kSteps;
        const QColor band(from.red() + (to.red() - from.red()) * step / (kSteps - 1),
                          from.green() + (to.green() - from.green()) * step / (kSteps - 1),
                          from.blue() + (to.blue() - from.blue()) * step / (kSteps - 1));
        painter.fillRect(0, top, kWidth, bottom - top, band);
    }

    // Ridged title: a light edge above left, a dark edge below right, navy face.
    painter.setFont(BoldArial(49));
    const QRect titleBox(0, 0, kWidth, 56);
    painter.setPen(QColor(230, 232, 255));
    painter.drawText(titleBox.translated(-1, -1), Qt::AlignCenter, QStringLiteral("Quillux Lite"));
    painter.setPen(QColor(20, 20, 60));
    painter.drawText(titleBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("Quillux Lite"));
    painter.setPen(kNavy);
    painter.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Quillux Lite"));

    if (!logo_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(86, 83, 250, 208), logo_);
    }

    painter.setPen(kNavy);
    painter.setFont(BoldArial(32));
    painter.drawText(QRect(19, 295, kWidth - 19, 40), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Version 1.03 Beta build 2"));
    painter.setFont(BoldArial(14));
    painter.drawText(QRect(83, 340, kWidth - 83, 18), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("\u00A9 The Quillux Lite developers"));
    painter.drawText(QRect(167, 362, kWidth - 167, 18), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Loading......."));
}

}  // namespace quillux::gui
