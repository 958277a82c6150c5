#pragma once

#include <array>

#include "engine/electrical/basic_formula.h"
#include "gui/shell/module_window.h"

class QAction;
class QLabel;
class QLineEdit;

namespace quillux::gui {

class DecimalEdit;

// The basic electrical laws: twelve independent formulas in four quadrants (Wattage and
// Amperage on the left, Voltage and Resistance on the right, the formula wheel between them),
// each with two input boxes and a read-only result box. Every change of an input recomputes
// all twelve results; the 24 inputs are remembered in ElectricalBasicF[1..24].
//
// The window is split in two sources: form_electrical_basic_formula_layout.cpp builds the
// controls, this class's main source holds the behaviour.
class TFormElectricalBasicFormula : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalBasicFormula(Shell& shell, QWidget* parent = nullptr);

    // Outer size 796 × 365 of a single-bordered window with a caption: what remains for the
    // menu bar and the panel.
    static constexpr int kClientWidth = 790;
    static constexpr int kClientHeight = 336;
    static inline const char* kPictureFile = "ohmlaw.bmp";

    // The boxes of one formula, in report order (index = report number - 1).
    struct FormulaBoxes {
        DecimalEdit* a = nullptr;
        DecimalEdit* b = nullptr;
        QLineEdit* result = nullptr;
    };

    void ElectricalBasicLawLoadSetup();
    void ElectricalBasicLawSaveSetup();
    void ElectricalBasicLawCalculation();

    // Menu "Action".
    void ClearAllFields1Click();
    void Print1Click();

protected:
    void LoadSetup() override;
    void SaveSetup() override;

private:
    void BuildWindow();
    void BuildMenus();
    void LoadFormulaWheel();
    void Voltage_amps1Change();

    std::array<FormulaBoxes, engine::kBasicFormulaCount> formulas_{};
    QLabel* Image1 = nullptr;  // the formula wheel
    QAction* ClearAllFields1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    // Set while the program itself fills the boxes, so that only one calculation follows.
    bool loading_ = false;
};

}  // namespace quillux::gui
