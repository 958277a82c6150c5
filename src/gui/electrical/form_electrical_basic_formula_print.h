#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <functional>

#include "engine/electrical/basic_formula.h"
#include "gui/report/report.h"

class QWidget;

namespace quillux::engine {
struct TQxSetupData;
}

namespace quillux::gui {

// The printed "Basic Electrical Formulas" report: one page listing every formula whose two
// inputs are filled, with its inputs and result exactly as the window's boxes show them.
// The boxes are read at the start of each page, so the window must stay open meanwhile.
class TFormElectricalBasicFormulaPrint {
public:
    // The texts of one formula's boxes.
    struct FormulaTexts {
        QString a;
        QString b;
        QString result;
    };
    // In report order (index = report number - 1).
    using FormulaBoxes = std::array<FormulaTexts, engine::kBasicFormulaCount>;
    using BoxReader = std::function<FormulaBoxes()>;

    static inline const QString kTitle = QStringLiteral("Basic Electrical Formulas");
    static inline const QString kFooterSentence = QStringLiteral(
        "These formulas apply to DC circuits, and common AC circuits in which the phase is 0 "
        "degree and impedance is equal to resistance.");

    // `installDir` is the program folder with its trailing "/"; the formula-wheel picture is
    // read from its Resources folder at each page start.
    TFormElectricalBasicFormulaPrint(const engine::TQxSetupData& setup, const QString& installDir,
                                     BoxReader readBoxes);
    TFormElectricalBasicFormulaPrint(const TFormElectricalBasicFormulaPrint&) = delete;
    TFormElectricalBasicFormulaPrint& operator=(const TFormElectricalBasicFormulaPrint&) = delete;

    // Reads the boxes of a basic-laws window by their object names.
    static BoxReader WindowBoxes(const QWidget* window);
    // The numbered formula list: one line per formula with both inputs filled, an empty line
    // after each but the twelfth.
    static QString FormulaList(const FormulaBoxes& boxes);

    Report& QuickRep() { return report_; }
    // Shows the report in the print preview and returns when the preview closes.
    void Preview(QWidget* caller);

private:
    void QuickRepStartPage();

    Report report_;
    QString installDir_;
    BoxReader readBoxes_;
    QString formulaList_;
    QImage formulaWheel_;
};

}  // namespace quillux::gui
