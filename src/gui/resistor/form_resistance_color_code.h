#pragma once

#include <QColor>
#include <array>
#include <vector>

#include "engine/resistor/resistor_color_code.h"
#include "gui/resistor/form_resistance_color_code_print.h"
#include "gui/shell/module_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace quillux::gui {

class ColorSwatch;
class DecimalEdit;
class ResistorDrawing;

// The resistor colour code both ways: a click on a band's swatch gives the resistance in
// ohms, kilo-ohms and mega-ohms with its tolerance; a typed resistance gives the bands of the
// value cut to two significant digits. Only the entry's number is remembered, in SetupF[1].
//
// form_resistance_color_code_layout.cpp builds the controls, this class's main source holds
// the behaviour (the arithmetic is the engine's ResistorColorCode), and
// TFormResistanceColorCodePrint the report.
class TFormResistanceColorCode : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormResistanceColorCode(Shell& shell, QWidget* parent = nullptr);

    // Client area below the menu bar.
    static constexpr int kClientWidth = 586;
    static constexpr int kClientHeight = 330;

    // One clickable swatch: its band and colour.
    struct Swatch {
        engine::ResistorBand band;
        engine::ResistorColour colour;
        ColorSwatch* button = nullptr;
    };

    void ResistanceLoadSetup();
    void ResistanceSaveSetup();
    // The entry field's number in the chosen unit, applied to the bands.
    void ResistanceEntryCalculation();
    // Shows the calculator's bands and results; the entry follows them unless the user is
    // typing in it.
    void ResistanceDisplay();

    void SwatchClick(engine::ResistorBand band, engine::ResistorColour colour);
    void UpDownClick(bool up);
    // Menu "&Action".
    void ClearAllFields1Click();
    void Print1Click();

    // Colour names ColorA … ColorD and the band colours, as the report prints them.
    std::array<QString, 4> BandNames() const;
    std::array<QColor, 4> BandColours() const;
    TFormResistanceColorCodePrint::Texts ReportTexts() const;

protected:
    void LoadSetup() override;
    void SaveSetup() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void BuildLegend(QWidget* panel);
    void BuildCalculator(QWidget* panel);
    void BuildEntry(QWidget* panel);
    void BuildFormulas(QWidget* panel);
    void BuildMenus();
    void ConnectEvents();

    void EditResistanceEntryChange();
    // The number in the field is read in the new unit, not converted.
    void UnitButtonClick();
    engine::ResistanceUnit ChosenUnit() const;
    // Brings the calculator's entry in line with the field, whose number may have been
    // changed other than by typing (a paste through the shared Edit menu).
    void SyncEntry();

    engine::ResistorColorCode calculator_;

    ResistorDrawing* ShapeResistor = nullptr;
    std::vector<Swatch> swatches_;
    QLineEdit* EditResultOhms = nullptr;
    QLineEdit* EditResultKiloOhms = nullptr;
    QLineEdit* EditResultMegaOhms = nullptr;
    DecimalEdit* EditResistanceEntry = nullptr;
    QToolButton* SpeedButtonUp = nullptr;
    QToolButton* SpeedButtonDown = nullptr;
    QRadioButton* RadioButtonOhms = nullptr;
    QRadioButton* RadioButtonKiloOhms = nullptr;
    QRadioButton* RadioButtonMegaOhms = nullptr;

    QAction* ClearAllFields1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;

    // Set while the window writes the entry itself: that change is no typing.
    bool showing_ = false;
};

}  // namespace quillux::gui
