#include "gui/converter/form_general_converter.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <cmath>

#include "engine/setup/setup_data.h"
#include "gui/converter/desktop_calculator.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/decimal_separator.h"

namespace quillux::gui {

namespace {

// ConverterI[21..23]: the format chosen in the "Format" menu.
constexpr int kPrecisionSlot = 21;
constexpr int kDigitSlot = 22;
constexpr int kValueTypeSlot = 23;
// Used on the first activation when the shell holds no usable value.
constexpr int kDefaultPrecision = 15;
constexpr int kDefaultDigit = 3;

// The categories in the order they are converted.
constexpr engine::UnitCategory kCalculationOrder[] = {
    engine::UnitCategory::Mass,  engine::UnitCategory::Volume,     engine::UnitCategory::Length,
    engine::UnitCategory::Area,  engine::UnitCategory::Time,       engine::UnitCategory::Speed,
    engine::UnitCategory::Light, engine::UnitCategory::Temperature};

QString FormatName(engine::FloatFormat format) {
    switch (format) {
        case engine::FloatFormat::Exponent:
            return QStringLiteral("Exponent");
        case engine::FloatFormat::Fixed:
            return QStringLiteral("Fixed");
        case engine::FloatFormat::General:
            break;
    }
    return QStringLiteral("Normal");
}

void CheckEntry(QActionGroup* entries, int value) {
    for (QAction* entry : entries->actions()) {
        if (entry->data().toInt() == value) entry->setChecked(true);
    }
}

void Select(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace

TFormGeneralConverter::TFormGeneralConverter(Shell& shell, QWidget* parent)
    : ModuleWindow(shell, ModuleId::GeneralConverter, parent) {
    BuildWindow();
    ConnectEvents();
    UpdateStatusDigit();
    UpdateStatusPrecision();
    UpdateStatusFormat();
}

void TFormGeneralConverter::ConnectEvents() {
    for (int index = 0; index < kGroupCount; ++index) {
        const ConverterGroup& group = groups_[index];
        for (QComboBox* list : {group.from, group.to}) {
            connect(list, &QComboBox::currentIndexChanged, this,
                    &TFormGeneralConverter::Recalculate);
        }
        connect(group.entry, &QLineEdit::textChanged, this, &TFormGeneralConverter::Recalculate);
        connect(group.swap, &QToolButton::clicked, this, [this, index] { SwapClick(index); });
        group.entry->installEventFilter(this);
        group.result->installEventFilter(this);
    }
    connect(ClearAllFields1, &QAction::triggered, this,
            &TFormGeneralConverter::ClearAllFields1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(precisionEntries_, &QActionGroup::triggered, this,
            [this](QAction* entry) { PrecisionClick(entry->data().toInt()); });
    connect(digitEntries_, &QActionGroup::triggered, this,
            [this](QAction* entry) { DigitClick(entry->data().toInt()); });
    connect(formatEntries_, &QActionGroup::triggered, this, [this](QAction* entry) {
        FormatClick(static_cast<engine::FloatFormat>(entry->data().toInt()));
    });
    if (Calculator1 != nullptr) {
        connect(Calculator1, &QAction::triggered, this, &TFormGeneralConverter::Calculator1Click);
    }
    connect(&DecimalSeparator::Instance(), &DecimalSeparator::changed, this,
            &TFormGeneralConverter::ConversionCalculation);
}

void TFormGeneralConverter::LoadSetup() {
    ShellState& state = shell().State();
    engine::TQxSetupData& setup = shell().SetupData();

    // The tests look at the shell's values (from SetupI[1] and SetupI[3]), not at the slots.
    if (state.Precision <= 0) {
        state.Precision = kDefaultPrecision;
        setup.ConverterI[kPrecisionSlot] = kDefaultPrecision;
    } else {
        state.Precision = setup.ConverterI[kPrecisionSlot];
    }
    UpdateStatusPrecision();
    if (state.Digit < 0) {
        state.Digit = kDefaultDigit;
        setup.ConverterI[kDigitSlot] = kDefaultDigit;
    } else {
        state.Digit = setup.ConverterI[kDigitSlot];
    }
    UpdateStatusDigit();
    const int storedFormat = setup.ConverterI[kValueTypeSlot];
    if (storedFormat >= 0 && storedFormat <= 2) {
        state.ValueType = static_cast<engine::FloatFormat>(storedFormat);
    }
    UpdateStatusFormat();
    MarkFormat();

    ConverterLoadSetup();
}

void TFormGeneralConverter::SaveSetup() { ConverterSaveSetup(); }

void TFormGeneralConverter::ConverterLoadSetup() {
    const engine::TQxSetupData& setup = shell().SetupData();
    const int digit = shell().State().Digit;
    loading_ = true;
    for (int index = 0; index < kGroupCount; ++index) {
        const ConverterGroup& group = groups_[index];
        Select(group.from, setup.ConverterI[2 * index + 1]);
        Select(group.to, setup.ConverterI[2 * index + 2]);
        if (group.entry->kind() == DecimalEdit::Kind::Calculator) {
            group.entry->setDecimalPlaces(digit);
        }
        // A stored 0 (and whatever a damaged record holds that is no number) opens empty.
        const double stored = setup.ConverterF[index + 1];
        if (std::isfinite(stored) && stored != 0) {
            group.entry->setValue(stored);
        } else {
            group.entry->clearValue();
        }
    }
    loading_ = false;
    ConversionCalculation();
}

void TFormGeneralConverter::ConverterSaveSetup() {
    engine::TQxSetupData& setup = shell().SetupData();
    for (int index = 0; index < kGroupCount; ++index) {
        const ConverterGroup& group = groups_[index];
        setup.ConverterI[2 * index + 1] = group.from->currentIndex();
        setup.ConverterI[2 * index + 2] = group.to->currentIndex();
        setup.ConverterF[index + 1] = EntryNumber(*group.entry).value_or(0.0);
    }
}

std::optional<double> TFormGeneralConverter::EntryNumber(const DecimalEdit& entry) {
    QString text = entry.text().trimmed();
    if (text.isEmpty()) return std::nullopt;
    const QString separator = DecimalSeparator::Current();
    if (separator != QStringLiteral(".")) {
        if (text.contains(u'.')) return std::nullopt;
        text.replace(separator, QStringLiteral("."));
    }
    bool ok = false;
    const double parsed = text.toDouble(&ok);
    if (!ok || !std::isfinite(parsed)) return std::nullopt;
    // The box keeps the exact number behind a text rounded to its decimals.
    return entry.value();
}

void TFormGeneralConverter::Recalculate() {
    if (!loading_) ConversionCalculation();
}

void TFormGeneralConverter::ConversionCalculation() {
    for (const engine::UnitCategory category : kCalculationOrder) {
        for (const ConverterGroup& group : groups_) {
            if (group.category == category) ConvertCategory(group);
        }
    }
}

void TFormGeneralConverter::ConvertCategory(const ConverterGroup& group) {
    const int from = group.from->currentIndex();
    const int to = group.to->currentIndex();
    if (from < 0 || to < 0) return;
    const std::optional<double> number = EntryNumber(*group.entry);
    if (!number) {
        group.result->clear();
        return;
    }
    const std::optional<double> converted = engine::ConvertUnit(group.category, from, to, *number);
    if (!converted) return;
    const ShellState& state = shell().State();
    group.result->setText(QString::fromStdString(
        engine::FormatFloatValue(*converted, state.ValueType, state.Precision, state.Digit,
                                 DecimalSeparator::CurrentUtf8())));
}

void TFormGeneralConverter::ClearAllFields1Click() {
    loading_ = true;
    for (const ConverterGroup& group : groups_) group.entry->clearValue();
    loading_ = false;
    ConversionCalculation();
}

void TFormGeneralConverter::PrecisionClick(int precision) {
    shell().State().Precision = precision;
    shell().SetupData().ConverterI[kPrecisionSlot] = precision;
    CheckEntry(precisionEntries_, precision);
    UpdateStatusPrecision();
    ConversionCalculation();
}

void TFormGeneralConverter::DigitClick(int digit) {
    shell().State().Digit = digit;
    shell().SetupData().ConverterI[kDigitSlot] = digit;
    CheckEntry(digitEntries_, digit);
    UpdateStatusDigit();
    ShowEntryDecimals();
    ConversionCalculation();
}

void TFormGeneralConverter::FormatClick(engine::FloatFormat format) {
    shell().State().ValueType = format;
    shell().SetupData().ConverterI[kValueTypeSlot] = static_cast<int>(format);
    UpdateStatusFormat();
    MarkFormat();
    ConversionCalculation();
}

void TFormGeneralConverter::SwapClick(int group) {
    const ConverterGroup& swapped = groups_[group];
    const int from = swapped.from->currentIndex();
    loading_ = true;
    swapped.from->setCurrentIndex(swapped.to->currentIndex());
    swapped.to->setCurrentIndex(from);
    loading_ = false;
    ConversionCalculation();
}

void TFormGeneralConverter::Calculator1Click() {
    if (DesktopCalculator::Start(calculatorProgram_)) return;
    UserDialogs::Current().Error("The calculator program " +
                                 QFileInfo(calculatorProgram_).fileName().toStdString() +
                                 " could not be started.");
}

void TFormGeneralConverter::ShowEntryDecimals() {
    const int digit = shell().State().Digit;
    loading_ = true;
    for (const ConverterGroup& group : groups_) {
        DecimalEdit* entry = group.entry;
        if (entry->kind() != DecimalEdit::Kind::Calculator) continue;
        const std::optional<double> number = EntryNumber(*entry);
        entry->setDecimalPlaces(digit);
        // The box being typed in is rounded when the user leaves it.
        if (number && !entry->hasFocus()) entry->setValue(*number);
    }
    loading_ = false;
}

void TFormGeneralConverter::UpdateStatusDigit() {
    StatusPanelDigit->setText(QStringLiteral("Digit: %1").arg(shell().State().Digit));
}

void TFormGeneralConverter::UpdateStatusPrecision() {
    StatusPanelPrecision->setText(QStringLiteral("Precision: %1").arg(shell().State().Precision));
}

void TFormGeneralConverter::UpdateStatusFormat() {
    StatusPanelFormat->setText(QStringLiteral("Format: ") + FormatName(shell().State().ValueType));
}

void TFormGeneralConverter::MarkFormat() {
    CheckEntry(formatEntries_, static_cast<int>(shell().State().ValueType));
}

bool TFormGeneralConverter::eventFilter(QObject* watched, QEvent* event) {
    // A text box claims Ctrl+Del (delete the next word); here it clears all fields, as the
    // menu says, wherever the focus is.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) return true;
    }
    return ModuleWindow::eventFilter(watched, event);
}

}  // namespace quillux::gui
