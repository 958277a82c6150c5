#pragma once

#include "engine/electrical/voltage_drop.h"
#include "gui/electrical/form_electrical_voltage_drop_print.h"
#include "gui/shell/module_window.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillux::gui {

class DecimalEdit;

// Cable voltage drop by the circular-mil method: three calculators (Voltage Drop, Wire Size,
// Distance) sharing the material and the unit. Every change of an input recomputes all three;
// the inputs are remembered in ElectricalDropI/F.
//
// form_electrical_voltage_drop_layout.cpp builds the controls, this class's main source holds
// the behaviour, TFormElectricalVoltageDropPrint the report.
class TFormElectricalVoltageDrop : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalVoltageDrop(Shell& shell, QWidget* parent = nullptr);

    // Client area below the menu bar.
    static constexpr int kClientWidth = 558;
    static constexpr int kClientHeight = 281;

    void VoltageDropCalculate();
    void VoltageDropLoadSetup();
    void VoltageDropSaveSetup();

    // Menu "Action".
    void ClearAllFields1Click();
    void Print1Click();

    // What the report prints, read from the boxes as they are shown.
    TFormElectricalVoltageDropPrint::Texts ReportTexts() const;

protected:
    void LoadSetup() override;
    void SaveSetup() override;
    void FormActivate() override;

private:
    void BuildWindow();
    void BuildMenus();
    void ConnectEvents();
    engine::VoltageDropInputs ReadInputs() const;
    engine::DropFocus FocusedDropBox() const;

    void EditVoltageDropAmpsChange();
    void EditWireSizeVoltageDropPercentChange();
    void EditDistanceVoltageDropPercentChange();
    void RadioButtonFeetClick();

    QRadioButton* RadioButtonCopper = nullptr;
    QRadioButton* RadioButtonAluminium = nullptr;
    QRadioButton* RadioButtonFeet = nullptr;
    QRadioButton* RadioButtonMeter = nullptr;

    QRadioButton* RadioButtonsinglephase2_3wire = nullptr;
    QRadioButton* RadioButton3phase3wire = nullptr;
    DecimalEdit* EditVoltageDropInputVoltage = nullptr;
    DecimalEdit* EditVoltageDropAmps = nullptr;
    DecimalEdit* EditVoltageDropDistance = nullptr;
    QComboBox* ComboBoxVoltageDropAWG = nullptr;
    QLineEdit* VoltageDropResult = nullptr;
    QLineEdit* VoltageDropPercentResult = nullptr;

    QRadioButton* RadioButtonWireSize1Phase = nullptr;
    QRadioButton* RadioButtonWireSize3Phase = nullptr;
    DecimalEdit* EditWireSizeInputVoltage = nullptr;
    DecimalEdit* EditWireSizeAmps = nullptr;
    DecimalEdit* EditWireSizeDistance = nullptr;
    DecimalEdit* EditWireSizeVoltageDrop = nullptr;
    DecimalEdit* EditWireSizeVoltageDropPercent = nullptr;
    QLineEdit* WireSizeResult = nullptr;
    QLabel* LabelWireSizeCmil = nullptr;

    QRadioButton* RadioButtonDistance1Phase = nullptr;
    QRadioButton* RadioButtonDistance3Phase = nullptr;
    DecimalEdit* EditDistanceInputVoltage = nullptr;
    DecimalEdit* EditDistanceAmps = nullptr;
    DecimalEdit* EditDistanceVoltageDrop = nullptr;
    DecimalEdit* EditDistanceVoltageDropPercent = nullptr;
    QComboBox* ComboBoxDistanceAWG = nullptr;
    QLineEdit* DistanceResult = nullptr;

    QAction* ClearAllFields1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;

    // True while VoltageDropCalculate writes the boxes: the change it causes in a box it writes
    // needs no calculation of its own (the values written are already consistent).
    bool calculating_ = false;
};

}  // namespace quillux::gui
