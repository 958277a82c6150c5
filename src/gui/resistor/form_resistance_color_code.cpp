#include "gui/resistor/form_resistance_color_code.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "engine/setup/setup_data.h"
#include "gui/resistor/color_swatch.h"
#include "gui/resistor/resistor_drawing.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/decimal_separator.h"

namespace quillux::gui {

namespace {

QColor ColourOf(engine::ResistorColour colour) {
    const engine::ResistorColourInfo& info = engine::ResistorColourData(colour);
    return {info.red, info.green, info.blue};
}

}  // namespace

TFormResistanceColorCode::TFormResistanceColorCode(Shell& shell, QWidget* parent)
    : ModuleWindow(shell, ModuleId::ResistanceColorCode, parent) {
    BuildWindow();
    ConnectEvents();
    ResistanceDisplay();
}

void TFormResistanceColorCode::ConnectEvents() {
    for (const Swatch& swatch : swatches_) {
        connect(swatch.button, &QAbstractButton::clicked, this,
                [this, band = swatch.band, colour = swatch.colour] { SwatchClick(band, colour); });
    }
    // Typing, but also a paste or cut through the Edit menu.
    connect(EditResistanceEntry, &QLineEdit::textChanged, this,
            &TFormResistanceColorCode::EditResistanceEntryChange);
    EditResistanceEntry->installEventFilter(this);
    connect(SpeedButtonUp, &QToolButton::clicked, this, [this] { UpDownClick(true); });
    connect(SpeedButtonDown, &QToolButton::clicked, this, [this] { UpDownClick(false); });
    for (QRadioButton* button : {RadioButtonOhms, RadioButtonKiloOhms, RadioButtonMegaOhms}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) UnitButtonClick();
        });
    }
    connect(ClearAllFields1, &QAction::triggered, this,
            &TFormResistanceColorCode::ClearAllFields1Click);
    connect(Print1, &QAction::triggered, this, &TFormResistanceColorCode::Print1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(&DecimalSeparator::Instance(), &DecimalSeparator::changed, this, [this] {
        calculator_.SetDecimalSeparator(DecimalSeparator::CurrentUtf8());
        ResistanceEntryCalculation();
    });
}

void TFormResistanceColorCode::LoadSetup() { ResistanceLoadSetup(); }

void TFormResistanceColorCode::SaveSetup() { ResistanceSaveSetup(); }

void TFormResistanceColorCode::ResistanceLoadSetup() {
    calculator_.SetDecimalSeparator(DecimalSeparator::CurrentUtf8());
    // The entry holds the focus when the window opens, so the remembered number shows as it
    // was typed while the bands show its two significant digits.
    EditResistanceEntry->setFocus(Qt::OtherFocusReason);
    calculator_.SetEntryFocus(true);
    // The entry takes no sign: a damaged record's negative or undefined number shows 0.
    const double stored = shell().SetupData().SetupF[1];
    calculator_.FirstActivation(std::isfinite(stored) && stored > 0 ? stored : 0.0);
    showing_ = true;
    EditResistanceEntry->setValue(calculator_.EntryField());
    showing_ = false;
    ResistanceDisplay();
}

void TFormResistanceColorCode::ResistanceSaveSetup() {
    shell().SetupData().SetupF[1] = EditResistanceEntry->value();
}

engine::ResistanceUnit TFormResistanceColorCode::ChosenUnit() const {
    if (RadioButtonKiloOhms->isChecked()) return engine::ResistanceUnit::KiloOhms;
    if (RadioButtonMegaOhms->isChecked()) return engine::ResistanceUnit::MegaOhms;
    return engine::ResistanceUnit::Ohms;
}

void TFormResistanceColorCode::SyncEntry() {
    calculator_.EntryTyped(EditResistanceEntry->value());
    ResistanceDisplay();
}

void TFormResistanceColorCode::ResistanceEntryCalculation() {
    calculator_.SetEntryFocus(EditResistanceEntry->hasFocus());
    calculator_.ChooseUnit(ChosenUnit());
    ResistanceDisplay();
}

void TFormResistanceColorCode::ResistanceDisplay() {
    const engine::ResistorResult& result = calculator_.Result();
    for (int band = 0; band < ResistorDrawing::kBandCount; ++band) {
        ShapeResistor->SetBandColour(band, ColourOf(result.bands[band]));
    }
    EditResultOhms->setText(QString::fromStdString(result.ohmsText));
    EditResultKiloOhms->setText(QString::fromStdString(result.kiloOhmsText));
    EditResultMegaOhms->setText(QString::fromStdString(result.megaOhmsText));
    // While the user types, the entry keeps the text typed unless the calculator changed the
    // number (a value above the largest four bands express).
    const double entry = calculator_.EntryField();
    if (!EditResistanceEntry->hasFocus() || EditResistanceEntry->value() != entry) {
        showing_ = true;
        EditResistanceEntry->setValue(entry);
        showing_ = false;
    }
}

void TFormResistanceColorCode::EditResistanceEntryChange() {
    if (showing_) return;
    SyncEntry();
}

void TFormResistanceColorCode::UnitButtonClick() {
    if (EditResistanceEntry->value() != calculator_.EntryField()) {
        calculator_.EntryTyped(EditResistanceEntry->value());
    }
    ResistanceEntryCalculation();
}

void TFormResistanceColorCode::SwatchClick(engine::ResistorBand band,
                                           engine::ResistorColour colour) {
    // Typing stops: the entry then shows the value of the bands.
    if (EditResistanceEntry->hasFocus()) RadioButtonOhms->setFocus(Qt::MouseFocusReason);
    if (calculator_.ClickSwatch(band, colour)) ResistanceDisplay();
}

void TFormResistanceColorCode::UpDownClick(bool up) {
    EditResistanceEntry->setFocus(Qt::OtherFocusReason);
    if (EditResistanceEntry->value() != calculator_.EntryField()) {
        calculator_.EntryTyped(EditResistanceEntry->value());
    }
    calculator_.StepEntry(up);
    ResistanceDisplay();
}

void TFormResistanceColorCode::ClearAllFields1Click() {
    calculator_.SetEntryFocus(EditResistanceEntry->hasFocus());
    calculator_.ClearAllFields();
    showing_ = true;
    EditResistanceEntry->setValue(0);
    showing_ = false;
    ResistanceDisplay();
}

std::array<QString, 4> TFormResistanceColorCode::BandNames() const {
    std::array<QString, 4> names;
    for (int band = 0; band < 4; ++band) {
        names[band] =
            QString::fromLatin1(engine::ResistorColourData(calculator_.Result().bands[band]).name);
    }
    return names;
}

std::array<QColor, 4> TFormResistanceColorCode::BandColours() const {
    std::array<QColor, 4> colours;
    for (int band = 0; band < 4; ++band) colours[band] = ColourOf(calculator_.Result().bands[band]);
    return colours;
}

TFormResistanceColorCodePrint::Texts TFormResistanceColorCode::ReportTexts() const {
    return {BandNames(), BandColours(), EditResultOhms->text(), EditResultKiloOhms->text(),
            EditResultMegaOhms->text()};
}

void TFormResistanceColorCode::Print1Click() {
    TFormResistanceColorCodePrint report(
        shell().SetupData(), [window = QPointer<TFormResistanceColorCode>(this)] {
            return window.isNull() ? TFormResistanceColorCodePrint::Texts{} : window->ReportTexts();
        });
    report.Preview(this);
}

bool TFormResistanceColorCode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditResistanceEntry) {
        // A text box claims Ctrl+Del (delete the next word); here it clears all fields, as
        // the menu says.
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
                return true;
            }
        }
        // The arrow keys step the entry as its up/down buttons do.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::NoModifier &&
                (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                UpDownClick(key->key() == Qt::Key_Up);
                return true;
            }
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

}  // namespace quillux::gui
