#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/converter/unit_conversion.h"
#include "engine/number/format_float_value.h"
#include "gui/shell/module_window.h"

class QAction;
class QActionGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace quillux::gui {

class DecimalEdit;

// The general converter: eight categories side by side, each with its "From:" and "To:" unit
// lists, an entry and a result, all converted again whenever anything changes. Its "Format"
// menu sets the program-wide result format (Precision, Digit and ValueType of the shell's
// state). The unit choices and entries are remembered in ConverterI[1..16] and ConverterF[1..8],
// the format in ConverterI[21..23].
//
// form_general_converter_layout.cpp builds the controls and menus, this class's main source
// holds the behaviour; the arithmetic is the engine's ConvertUnit.
class TFormGeneralConverter : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormGeneralConverter(Shell& shell, QWidget* parent = nullptr);

    // Client area between the menu bar and the top of the status bar; with the status bar the
    // client area is 595 × 405.
    static constexpr int kClientWidth = 595;
    static constexpr int kClientHeight = 405;
    static constexpr int kGroupCount = 8;

    // One category's controls. Groups are kept in the order of their remembered slots: Mass,
    // Volume, Time, Temperature (left column), Length, Area, Speed, Light (right column).
    struct ConverterGroup {
        engine::UnitCategory category;
        QGroupBox* box = nullptr;
        QComboBox* from = nullptr;
        QComboBox* to = nullptr;
        QToolButton* swap = nullptr;
        DecimalEdit* entry = nullptr;
        QLineEdit* result = nullptr;
    };

    void ConverterLoadSetup();
    void ConverterSaveSetup();
    void ConversionCalculation();

    // Menu "Action".
    void ClearAllFields1Click();
    // Menu "Format".
    void PrecisionClick(int precision);
    void DigitClick(int digit);
    void FormatClick(engine::FloatFormat format);
    // "Invert Selection" of group `group` (slot order).
    void SwapClick(int group);
    void Calculator1Click();

    // The entry's number, or nothing when its text is empty or not a number.
    static std::optional<double> EntryNumber(const DecimalEdit& entry);

protected:
    void LoadSetup() override;
    void SaveSetup() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void BuildGroup(QWidget* panel, int index, int left, int top);
    void BuildMenus();
    void BuildStatusBar();
    void ConnectEvents();

    void ConvertCategory(const ConverterGroup& group);
    // The seven calculator entries show Digit decimals; the one being typed in keeps its text.
    void ShowEntryDecimals();
    void UpdateStatusDigit();
    void UpdateStatusPrecision();
    void UpdateStatusFormat();
    void MarkFormat();
    void Recalculate();

    std::array<ConverterGroup, kGroupCount> groups_{};

    QLabel* StatusPanelDigit = nullptr;
    QLabel* StatusPanelPrecision = nullptr;
    QLabel* StatusPanelFormat = nullptr;
    QLabel* StatusPanelEmpty = nullptr;

    QAction* ClearAllFields1 = nullptr;
    QAction* Exit1 = nullptr;
    QActionGroup* precisionEntries_ = nullptr;
    QActionGroup* digitEntries_ = nullptr;
    QActionGroup* formatEntries_ = nullptr;
    QAction* Calculator1 = nullptr;
    QString calculatorProgram_;

    // Set while the window fills its own boxes, so that one calculation follows at the end.
    bool loading_ = false;
};

}  // namespace quillux::gui
