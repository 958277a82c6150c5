#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "gui/report/report.h"

class QWidget;

namespace quillux::engine {
struct TQxSetupData;
}

namespace quillux::gui {

// The printed "Resistance Color Code Report": the four bands as rectangles outlined in their
// colours with the colour names inside, the three results as the window shows them, the
// colour-code legend and the formulas. The window is read again at the start of each page.
class TFormResistanceColorCodePrint {
public:
    struct Texts {
        std::array<QString, 4> colourNames;  // ColorA … ColorD
        std::array<QColor, 4> colours;
        QString ohms, kiloOhms, megaOhms;
    };
    using TextReader = std::function<Texts()>;

    static inline const QString kTitle = QStringLiteral("Resistance Color Code Report");

    // One of the three fixed formulas: its heading, then the lead text, followed by a
    // fraction when it has a numerator.
    struct Formula {
        QString heading;
        QString lead;
        QString numerator;
        QString denominator;
    };
    // Series, two in parallel, many in parallel: the window shows the same texts.
    static const std::array<Formula, 3>& Formulas();

    TFormResistanceColorCodePrint(const engine::TQxSetupData& setup, TextReader readTexts);
    TFormResistanceColorCodePrint(const TFormResistanceColorCodePrint&) = delete;
    TFormResistanceColorCodePrint& operator=(const TFormResistanceColorCodePrint&) = delete;

    Report& QuickRep() { return report_; }
    // Shows the report in the print preview and returns when the preview closes.
    void Preview(QWidget* caller);

private:
    void QuickRepStartPage();

    Report report_;
    TextReader readTexts_;
    Texts texts_;
    QImage legend_;
    // The outlines of the four band rectangles, recoloured at each page start.
    std::array<ReportElement*, 4> bandBoxes_{};
};

}  // namespace quillux::gui
