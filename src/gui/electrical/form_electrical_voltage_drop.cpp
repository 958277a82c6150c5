#include "gui/electrical/form_electrical_voltage_drop.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "engine/setup/setup_data.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/decimal_separator.h"

namespace quillux::gui {

namespace {

// The module's state outlives its window for the whole run: a band with no phase chosen, or a
// gauge list with no choice, goes on showing what was last computed.
engine::VoltageDrop& VoltageDropState() {
    static engine::VoltageDrop state;
    return state;
}

// ElectricalDropI[3]: the Voltage Drop phase.
constexpr int kDropPhaseNone = 0;
constexpr int kDropPhaseThree = 1;
constexpr int kDropPhaseSingle = 2;

// A value the boxes can show: they take no sign, and a damaged record may hold anything.
bool Restorable(double value) { return std::isfinite(value) && value >= 0; }

engine::WirePhase PhaseOf(const QRadioButton* single, const QRadioButton* three) {
    if (single->isChecked()) return engine::WirePhase::Single;
    if (three->isChecked()) return engine::WirePhase::Three;
    return engine::WirePhase::None;
}

// Writes a value the calculation derived, leaving an unchanged box (an empty one too) as it is.
void ShowDerived(DecimalEdit* box, double value) {
    if (box->value() != value) box->setValue(value);
}

}  // namespace

TFormElectricalVoltageDrop::TFormElectricalVoltageDrop(Shell& shell, QWidget* parent)
    : ModuleWindow(shell, ModuleId::ElectricalVoltageDrop, parent) {
    BuildWindow();
    ConnectEvents();
    // Typing starts where a calculation starts: the supply voltage of the first band.
    EditVoltageDropInputVoltage->setFocus(Qt::OtherFocusReason);
}

void TFormElectricalVoltageDrop::ConnectEvents() {
    for (DecimalEdit* box :
         {EditVoltageDropInputVoltage, EditVoltageDropAmps, EditVoltageDropDistance,
          EditWireSizeInputVoltage, EditWireSizeAmps, EditWireSizeDistance, EditWireSizeVoltageDrop,
          EditDistanceInputVoltage, EditDistanceAmps, EditDistanceVoltageDrop}) {
        connect(box, &QLineEdit::textChanged, this,
                &TFormElectricalVoltageDrop::EditVoltageDropAmpsChange);
    }
    connect(EditWireSizeVoltageDropPercent, &QLineEdit::textChanged, this,
            &TFormElectricalVoltageDrop::EditWireSizeVoltageDropPercentChange);
    connect(EditDistanceVoltageDropPercent, &QLineEdit::textChanged, this,
            &TFormElectricalVoltageDrop::EditDistanceVoltageDropPercentChange);
    for (QComboBox* list : {ComboBoxVoltageDropAWG, ComboBoxDistanceAWG}) {
        connect(list, &QComboBox::currentIndexChanged, this,
                &TFormElectricalVoltageDrop::EditVoltageDropAmpsChange);
    }
    for (QRadioButton* phase :
         {RadioButtonsinglephase2_3wire, RadioButton3phase3wire, RadioButtonWireSize1Phase,
          RadioButtonWireSize3Phase, RadioButtonDistance1Phase, RadioButtonDistance3Phase}) {
        connect(phase, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) EditVoltageDropAmpsChange();
        });
    }
    for (QRadioButton* choice :
         {RadioButtonCopper, RadioButtonAluminium, RadioButtonFeet, RadioButtonMeter}) {
        connect(choice, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) RadioButtonFeetClick();
        });
    }
}

void TFormElectricalVoltageDrop::EditVoltageDropAmpsChange() {
    if (!calculating_) VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::EditWireSizeVoltageDropPercentChange() {
    // Only typing drives the volts from the percentage; a percentage the calculation derived
    // needs no second run.
    if (!calculating_ && isActiveWindow() && EditWireSizeVoltageDropPercent->hasFocus()) {
        VoltageDropCalculate();
    }
}

void TFormElectricalVoltageDrop::EditDistanceVoltageDropPercentChange() {
    if (!calculating_) VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::RadioButtonFeetClick() {
    if (!calculating_) VoltageDropCalculate();
}

engine::DropFocus TFormElectricalVoltageDrop::FocusedDropBox() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != this) return engine::DropFocus::None;
    if (focus == EditWireSizeVoltageDrop) return engine::DropFocus::WireSizeVolts;
    if (focus == EditWireSizeVoltageDropPercent) return engine::DropFocus::WireSizePercent;
    if (focus == EditDistanceVoltageDrop) return engine::DropFocus::DistanceVolts;
    if (focus == EditDistanceVoltageDropPercent) return engine::DropFocus::DistancePercent;
    return engine::DropFocus::None;
}

engine::VoltageDropInputs TFormElectricalVoltageDrop::ReadInputs() const {
    engine::VoltageDropInputs in;
    in.material = RadioButtonCopper->isChecked() ? engine::WireMaterial::Copper
                                                 : engine::WireMaterial::Aluminium;
    in.unit =
        RadioButtonMeter->isChecked() ? engine::DistanceUnit::Meter : engine::DistanceUnit::Feet;
    in.focus = FocusedDropBox();

    in.dropPhase = PhaseOf(RadioButtonsinglephase2_3wire, RadioButton3phase3wire);
    in.dropInputVolt = EditVoltageDropInputVoltage->value();
    in.dropAmps = EditVoltageDropAmps->value();
    in.dropDistance = EditVoltageDropDistance->value();
    in.dropGauge = ComboBoxVoltageDropAWG->currentIndex();

    in.sizePhase = PhaseOf(RadioButtonWireSize1Phase, RadioButtonWireSize3Phase);
    in.sizeInputVolt = EditWireSizeInputVoltage->value();
    in.sizeAmps = EditWireSizeAmps->value();
    in.sizeDistance = EditWireSizeDistance->value();
    in.sizeDropVolts = EditWireSizeVoltageDrop->value();
    in.sizeDropPercent = EditWireSizeVoltageDropPercent->value();

    in.distancePhase = PhaseOf(RadioButtonDistance1Phase, RadioButtonDistance3Phase);
    in.distanceInputVolt = EditDistanceInputVoltage->value();
    in.distanceAmps = EditDistanceAmps->value();
    in.distanceDropVolts = EditDistanceVoltageDrop->value();
    in.distanceDropPercent = EditDistanceVoltageDropPercent->value();
    in.distanceGauge = ComboBoxDistanceAWG->currentIndex();
    return in;
}

void TFormElectricalVoltageDrop::VoltageDropCalculate() {
    const engine::VoltageDropInputs in = ReadInputs();
    engine::VoltageDrop& state = VoltageDropState();
    state.SetDecimalSeparator(DecimalSeparator::CurrentUtf8());
    const engine::VoltageDropResult& r = state.VoltageDropCalculate(in);

    calculating_ = true;
    VoltageDropResult->setText(QString::fromStdString(r.dropText));
    VoltageDropPercentResult->setText(QString::fromStdString(r.dropPercentText));
    // The box being typed into keeps its text; its partner follows it.
    if (in.focus != engine::DropFocus::WireSizePercent) {
        ShowDerived(EditWireSizeVoltageDropPercent, r.sizeDropPercent);
    }
    if (in.focus != engine::DropFocus::WireSizeVolts) {
        ShowDerived(EditWireSizeVoltageDrop, r.sizeDropVolts);
    }
    LabelWireSizeCmil->setText(QString::fromStdString(r.cmilText));
    WireSizeResult->setText(QString::fromStdString(r.wireSizeText));
    if (in.focus != engine::DropFocus::DistancePercent) {
        ShowDerived(EditDistanceVoltageDropPercent, r.distanceDropPercent);
    }
    if (in.focus != engine::DropFocus::DistanceVolts) {
        ShowDerived(EditDistanceVoltageDrop, r.distanceDropVolts);
    }
    DistanceResult->setText(QString::fromStdString(r.distanceText));
    calculating_ = false;
}

void TFormElectricalVoltageDrop::LoadSetup() {
    VoltageDropLoadSetup();
    VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::FormActivate() { VoltageDropCalculate(); }

void TFormElectricalVoltageDrop::SaveSetup() { VoltageDropSaveSetup(); }

void TFormElectricalVoltageDrop::VoltageDropLoadSetup() {
    const engine::TQxSetupData& setup = shell().SetupData();
    const auto& f = setup.ElectricalDropF;
    const auto& i = setup.ElectricalDropI;
    // Restored in this order, each setting recomputing as typing would; the first value the
    // window cannot show stops the restore with a beep and leaves the rest at their defaults.
    const std::pair<DecimalEdit*, double> boxes[] = {
        {EditVoltageDropAmps, f[1]},      {EditVoltageDropDistance, f[2]},
        {EditWireSizeAmps, f[3]},         {EditWireSizeDistance, f[4]},
        {EditDistanceAmps, f[6]},         {EditVoltageDropInputVoltage, f[8]},
        {EditWireSizeInputVoltage, f[9]}, {EditDistanceInputVoltage, f[10]},
        {EditWireSizeVoltageDrop, f[5]},  {EditDistanceVoltageDrop, f[7]},
    };
    for (const auto& [box, value] : boxes) {
        if (!Restorable(value)) {
            QApplication::beep();
            return;
        }
        box->setValue(value);
    }
    for (auto [list, position] :
         {std::pair{ComboBoxVoltageDropAWG, i[1]}, std::pair{ComboBoxDistanceAWG, i[2]}}) {
        if (position < engine::kNoGauge || position >= engine::kWireGaugeCount) {
            QApplication::beep();
            return;
        }
        list->setCurrentIndex(position);
    }
    (i[3] == kDropPhaseThree ? RadioButton3phase3wire : RadioButtonsinglephase2_3wire)
        ->setChecked(true);
    (i[4] == 1 ? RadioButtonWireSize1Phase : RadioButtonWireSize3Phase)->setChecked(true);
    (i[5] == 1 ? RadioButtonDistance1Phase : RadioButtonDistance3Phase)->setChecked(true);
    (i[6] == 1 ? RadioButtonFeet : RadioButtonMeter)->setChecked(true);
    (i[7] == 1 ? RadioButtonAluminium : RadioButtonCopper)->setChecked(true);
}

void TFormElectricalVoltageDrop::VoltageDropSaveSetup() {
    engine::TQxSetupData& setup = shell().SetupData();
    auto& f = setup.ElectricalDropF;
    auto& i = setup.ElectricalDropI;
    f[1] = EditVoltageDropAmps->value();
    f[2] = EditVoltageDropDistance->value();
    f[3] = EditWireSizeAmps->value();
    f[4] = EditWireSizeDistance->value();
    f[5] = EditWireSizeVoltageDrop->value();
    f[6] = EditDistanceAmps->value();
    f[7] = EditDistanceVoltageDrop->value();
    f[8] = EditVoltageDropInputVoltage->value();
    f[9] = EditWireSizeInputVoltage->value();
    f[10] = EditDistanceInputVoltage->value();
    i[1] = ComboBoxVoltageDropAWG->currentIndex();
    i[2] = ComboBoxDistanceAWG->currentIndex();
    i[3] = RadioButton3phase3wire->isChecked()          ? kDropPhaseThree
           : RadioButtonsinglephase2_3wire->isChecked() ? kDropPhaseSingle
                                                        : kDropPhaseNone;
    i[4] = RadioButtonWireSize1Phase->isChecked() ? 1 : 0;
    i[5] = RadioButtonDistance1Phase->isChecked() ? 1 : 0;
    i[6] = RadioButtonFeet->isChecked() ? 1 : 0;
    i[7] = RadioButtonAluminium->isChecked() ? 1 : 0;
}

void TFormElectricalVoltageDrop::ClearAllFields1Click() {
    // Input voltages first: with no voltage nothing is derived, so every box ends up empty.
    for (DecimalEdit* box :
         {EditVoltageDropInputVoltage, EditWireSizeInputVoltage, EditDistanceInputVoltage,
          EditVoltageDropAmps, EditVoltageDropDistance, EditWireSizeAmps, EditWireSizeDistance,
          EditWireSizeVoltageDrop, EditWireSizeVoltageDropPercent, EditDistanceAmps,
          EditDistanceVoltageDrop, EditDistanceVoltageDropPercent}) {
        box->clearValue();
    }
    VoltageDropCalculate();
}

TFormElectricalVoltageDropPrint::Texts TFormElectricalVoltageDrop::ReportTexts() const {
    TFormElectricalVoltageDropPrint::Texts t;
    t.aluminium = RadioButtonAluminium->isChecked();
    t.metres = RadioButtonMeter->isChecked();
    t.dropSinglePhase = RadioButtonsinglephase2_3wire->isChecked();
    t.sizeSinglePhase = RadioButtonWireSize1Phase->isChecked();
    t.distanceSinglePhase = RadioButtonDistance1Phase->isChecked();

    t.dropInputVoltage = EditVoltageDropInputVoltage->text();
    t.dropAmps = EditVoltageDropAmps->text();
    t.dropDistance = EditVoltageDropDistance->text();
    t.dropGauge = ComboBoxVoltageDropAWG->currentText();
    t.dropResult = VoltageDropResult->text();
    t.dropPercent = VoltageDropPercentResult->text();

    t.sizeInputVoltage = EditWireSizeInputVoltage->text();
    t.sizeAmps = EditWireSizeAmps->text();
    t.sizeDistance = EditWireSizeDistance->text();
    t.sizeDrop = EditWireSizeVoltageDrop->text();
    t.sizePercent = EditWireSizeVoltageDropPercent->text();
    t.sizeResult = WireSizeResult->text();

    t.distanceInputVoltage = EditDistanceInputVoltage->text();
    t.distanceAmps = EditDistanceAmps->text();
    t.distanceDrop = EditDistanceVoltageDrop->text();
    t.distancePercent = EditDistanceVoltageDropPercent->text();
    t.distanceGauge = ComboBoxDistanceAWG->currentText();
    t.distanceResult = DistanceResult->text();
    return t;
}

void TFormElectricalVoltageDrop::Print1Click() {
    TFormElectricalVoltageDropPrint report(shell().SetupData(), [this] { return ReportTexts(); });
    report.Preview(this);
}

}  // namespace quillux::gui
