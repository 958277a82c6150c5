#include "gui/electrical/form_electrical_basic_formula.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <cmath>

#include "engine/setup/setup_data.h"
#include "gui/electrical/form_electrical_basic_formula_print.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/decimal_separator.h"

namespace quillux::gui {

TFormElectricalBasicFormula::TFormElectricalBasicFormula(Shell& shell, QWidget* parent)
    : ModuleWindow(shell, ModuleId::ElectricalBasicFormula, parent) {
    BuildWindow();
    for (FormulaBoxes& boxes : formulas_) {
        for (DecimalEdit* input : {boxes.a, boxes.b}) {
            connect(input, &QLineEdit::textChanged, this,
                    &TFormElectricalBasicFormula::Voltage_amps1Change);
        }
    }
}

void TFormElectricalBasicFormula::LoadSetup() {
    LoadFormulaWheel();
    ElectricalBasicLawLoadSetup();
    ElectricalBasicLawCalculation();
}

void TFormElectricalBasicFormula::SaveSetup() { ElectricalBasicLawSaveSetup(); }

void TFormElectricalBasicFormula::LoadFormulaWheel() {
    const QString path = shell().State().ResourcePath(QString::fromLatin1(kPictureFile));
    QImage image;
    if (QFileInfo::exists(path)) image.load(path);
    if (image.isNull()) {
        Image1->clear();
        return;
    }
    if (image.width() > Image1->width() || image.height() > Image1->height()) {
        image = image.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    // The bitmap has no transparency: its background (the corners' colour, reached from the
    // edges) gives way to the window's.
    QPixmap picture = QPixmap::fromImage(image);
    picture.setMask(QBitmap::fromImage(image.createHeuristicMask()));
    Image1->setPixmap(picture);
}

void TFormElectricalBasicFormula::ElectricalBasicLawLoadSetup() {
    loading_ = true;
    const engine::TQxSetupData& setup = shell().SetupData();
    for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
        const FormulaBoxes& boxes = formulas_[formula.reportNumber - 1];
        for (auto [box, slot] : {std::pair{boxes.a, formula.slotA}, {boxes.b, formula.slotB}}) {
            // The boxes take no sign: a damaged record's negative or undefined value shows 0.
            const double stored = setup.ElectricalBasicF[slot];
            box->setValue(std::isfinite(stored) && stored >= 0 ? stored : 0.0);
        }
    }
    loading_ = false;
}

void TFormElectricalBasicFormula::ElectricalBasicLawSaveSetup() {
    engine::TQxSetupData& setup = shell().SetupData();
    for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
        const FormulaBoxes& boxes = formulas_[formula.reportNumber - 1];
        setup.ElectricalBasicF[formula.slotA] = boxes.a->value();
        setup.ElectricalBasicF[formula.slotB] = boxes.b->value();
    }
}

void TFormElectricalBasicFormula::ElectricalBasicLawCalculation() {
    engine::BasicLawInputs inputs{};
    for (int i = 0; i < engine::kBasicFormulaCount; ++i) {
        inputs[i] = {formulas_[i].a->value(), formulas_[i].b->value()};
    }
    const engine::BasicLawResults results =
        engine::ElectricalBasicLawCalculation(inputs, DecimalSeparator::CurrentUtf8());
    for (int i = 0; i < engine::kBasicFormulaCount; ++i) {
        formulas_[i].result->setText(QString::fromStdString(results[i]));
    }
}

void TFormElectricalBasicFormula::Voltage_amps1Change() {
    if (!loading_) ElectricalBasicLawCalculation();
}

void TFormElectricalBasicFormula::ClearAllFields1Click() {
    loading_ = true;
    for (FormulaBoxes& boxes : formulas_) {
        boxes.a->setValue(0);
        boxes.b->setValue(0);
    }
    loading_ = false;
    ElectricalBasicLawCalculation();
}

void TFormElectricalBasicFormula::Print1Click() {
    TFormElectricalBasicFormulaPrint report(shell().SetupData(), shell().State().InstallDir,
                                            TFormElectricalBasicFormulaPrint::WindowBoxes(this));
    report.Preview(this);
}

}  // namespace quillux::gui
