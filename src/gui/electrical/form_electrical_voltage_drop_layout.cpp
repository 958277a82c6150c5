#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

#include "gui/electrical/form_electrical_voltage_drop.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/key_filter.h"

namespace quillux::gui {

namespace {

// Geometry in pixels, below the menu bar.
constexpr int kMargin = 6;
constexpr int kHeaderHeight = 24;
constexpr int kBandHeight = 74;
constexpr int kBandGap = 3;
constexpr int kCaptionTop = 15;
constexpr int kCaptionHeight = 14;
constexpr int kFirstRowTop = 30;
constexpr int kSecondRowTop = 52;
constexpr int kBoxHeight = 20;
constexpr int kPhaseLeft = 8;
constexpr int kPhaseWidth = 88;
constexpr int kBoxWidth = 62;
constexpr int kCoupledWidth = 54;
constexpr int kMarkWidth = 12;
constexpr int kGaugeWidth = 118;
constexpr int kResultLeft = 430;
constexpr int kResultWidth = 108;
constexpr int kResultMaxLength = 20;
constexpr int kFooterLineHeight = 13;

// Columns shared by the bands.
constexpr int kColumn1 = 100;
constexpr int kColumn2 = 168;
constexpr int kColumn3 = 236;
constexpr int kColumn4 = 304;

// Delphi's clSkyBlue, the colour of the result boxes.
const QColor kSkyBlue(166, 202, 240);

const QString kInputVoltageHint = QStringLiteral("Enter the  input voltage apply to the wire");
const QString kAmpsHint = QStringLiteral("Enter the total amperage apply to the wire");
const QString kDistanceHint = QStringLiteral("Enter the distance (one way) of the wire");
const QString kGaugeHint = QStringLiteral("Select the gauge of the wire");
const QString kDropHint = QStringLiteral("Enter the maximum voltage drop desired");
const QString kDropPercentHint = QStringLiteral("Enter the maximum voltage drop in % desired");

QGroupBox* MakeBand(QWidget* parent, const char* name, const QString& title, int index) {
    auto* band = new QGroupBox(title, parent);
    band->setObjectName(QString::fromLatin1(name));
    band->setGeometry(kMargin, kHeaderHeight + index * (kBandHeight + kBandGap),
                      parent->width() - 2 * kMargin, kBandHeight);
    return band;
}

QLabel* MakeCaption(QWidget* band, const QString& text, int x, int width) {
    auto* label = new QLabel(text, band);
    label->setGeometry(x, kCaptionTop, width, kCaptionHeight);
    return label;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text, int x, int y,
                        int width) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(x, y, width, kBoxHeight);
    return radio;
}

// Two choices that exclude each other, with none made at start.
void MakePair(QWidget* owner, QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
}

DecimalEdit* MakeBox(QWidget* band, const char* name, const QString& hint, int x, int y,
                     int width = kBoxWidth) {
    auto* box = new DecimalEdit(DecimalEdit::Kind::NonNegative, band);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimalPlaces(2);
    box->setTrimTrailingZeros(true);
    box->setValue(1);
    box->setToolTip(hint);
    box->setGeometry(x, y, width, kBoxHeight);
    KeyFilter::Install(box, KeyFilterKind::StandardNumeric);
    return box;
}

QLineEdit* MakeResult(QWidget* band, const char* name, int y) {
    auto* result = new QLineEdit(band);
    result->setObjectName(QString::fromLatin1(name));
    result->setReadOnly(true);
    result->setMaxLength(kResultMaxLength);
    result->setFocusPolicy(Qt::ClickFocus);
    QPalette colours = result->palette();
    colours.setColor(QPalette::Base, kSkyBlue);
    result->setPalette(colours);
    result->setGeometry(kResultLeft, y, kResultWidth, kBoxHeight);
    return result;
}

QComboBox* MakeGaugeList(QWidget* band, const char* name, int x) {
    auto* list = new QComboBox(band);
    list->setObjectName(QString::fromLatin1(name));
    for (const engine::WireGauge& gauge : engine::WireGaugeTable()) {
        list->addItem(QString::fromLatin1(gauge.listEntry));
    }
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(16);
    list->setToolTip(kGaugeHint);
    list->setGeometry(x, kFirstRowTop, kGaugeWidth, kBoxHeight + 1);
    // The list can only be chosen from: typed characters (and the type-ahead search) are void.
    KeyFilter::Install(list, KeyFilterKind::Blocking);
    return list;
}

// The "V" and "%" marks beside the coupled drop boxes.
void MakeMarks(QWidget* band, int x) {
    for (auto [text, y] : {std::pair{"V", kFirstRowTop}, {"%", kSecondRowTop}}) {
        auto* mark = new QLabel(QString::fromLatin1(text), band);
        mark->setGeometry(x, y, kMarkWidth, kBoxHeight);
    }
}

}  // namespace

void TFormElectricalVoltageDrop::BuildWindow() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelVoltageDrop"));
    panel->resize(kClientWidth, kClientHeight);
    setCentralWidget(panel);

    // Header: material and unit, two independent pairs.
    RadioButtonCopper = MakeRadio(panel, "RadioButtonCopper", QStringLiteral("Copper"), 14, 2, 70);
    RadioButtonAluminium =
        MakeRadio(panel, "RadioButtonAluminium", QStringLiteral("Aluminium"), 86, 2, 90);
    RadioButtonFeet = MakeRadio(panel, "RadioButtonFeet", QStringLiteral("Feet"), 390, 2, 60);
    RadioButtonMeter = MakeRadio(panel, "RadioButtonMeter", QStringLiteral("Meter"), 452, 2, 70);
    MakePair(this, RadioButtonCopper, RadioButtonAluminium);
    MakePair(this, RadioButtonFeet, RadioButtonMeter);
    RadioButtonCopper->setChecked(true);
    RadioButtonFeet->setChecked(true);

    // Band "Voltage Drop".
    QGroupBox* drop = MakeBand(panel, "GroupBoxVoltageDrop", QStringLiteral("Voltage Drop"), 0);
    RadioButtonsinglephase2_3wire =
        MakeRadio(drop, "RadioButtonsinglephase2_3wire", QStringLiteral("Single-Phase"), kPhaseLeft,
                  kFirstRowTop, kPhaseWidth);
    RadioButton3phase3wire =
        MakeRadio(drop, "RadioButton3phase3wire", QStringLiteral("Three-Phase"), kPhaseLeft,
                  kSecondRowTop, kPhaseWidth);
    MakePair(drop, RadioButtonsinglephase2_3wire, RadioButton3phase3wire);
    MakeCaption(drop, QStringLiteral("Input Voltage"), kColumn1, kBoxWidth + 6);
    EditVoltageDropInputVoltage =
        MakeBox(drop, "EditVoltageDropInputVoltage", kInputVoltageHint, kColumn1, kFirstRowTop);
    MakeCaption(drop, QStringLiteral("Amps"), kColumn2, kBoxWidth);
    EditVoltageDropAmps = MakeBox(drop, "EditVoltageDropAmps", kAmpsHint, kColumn2, kFirstRowTop);
    MakeCaption(drop, QStringLiteral("Distance"), kColumn3, kBoxWidth);
    EditVoltageDropDistance =
        MakeBox(drop, "EditVoltageDropDistance", kDistanceHint, kColumn3, kFirstRowTop);
    MakeCaption(drop, QStringLiteral("Wire Gauge"), kColumn4, kGaugeWidth);
    ComboBoxVoltageDropAWG = MakeGaugeList(drop, "ComboBoxVoltageDropAWG", kColumn4);
    MakeCaption(drop, QStringLiteral("Voltage Drop"), kResultLeft, kResultWidth);
    VoltageDropResult = MakeResult(drop, "VoltageDropResult", kFirstRowTop);
    VoltageDropPercentResult = MakeResult(drop, "VoltageDropPercentResult", kSecondRowTop);

    // Band "Wire Size".
    QGroupBox* size = MakeBand(panel, "GroupBoxWireSize", QStringLiteral("Wire Size"), 1);
    RadioButtonWireSize1Phase =
        MakeRadio(size, "RadioButtonWireSize1Phase", QStringLiteral("Single-Phase"), kPhaseLeft,
                  kFirstRowTop, kPhaseWidth);
    RadioButtonWireSize3Phase =
        MakeRadio(size, "RadioButtonWireSize3Phase", QStringLiteral("Three-Phase"), kPhaseLeft,
                  kSecondRowTop, kPhaseWidth);
    MakePair(size, RadioButtonWireSize1Phase, RadioButtonWireSize3Phase);
    MakeCaption(size, QStringLiteral("Input Voltage"), kColumn1, kBoxWidth + 6);
    EditWireSizeInputVoltage =
        MakeBox(size, "EditWireSizeInputVoltage", kInputVoltageHint, kColumn1, kFirstRowTop);
    MakeCaption(size, QStringLiteral("Amps"), kColumn2, kBoxWidth);
    EditWireSizeAmps = MakeBox(size, "EditWireSizeAmps", kAmpsHint, kColumn2, kFirstRowTop);
    MakeCaption(size, QStringLiteral("Distance"), kColumn3, kBoxWidth);
    EditWireSizeDistance =
        MakeBox(size, "EditWireSizeDistance", kDistanceHint, kColumn3, kFirstRowTop);
    MakeCaption(size, QStringLiteral("Voltage Drop"), kColumn4, kCoupledWidth + kMarkWidth + 10);
    EditWireSizeVoltageDrop =
        MakeBox(size, "EditWireSizeVoltageDrop", kDropHint, kColumn4, kFirstRowTop, kCoupledWidth);
    EditWireSizeVoltageDropPercent =
        MakeBox(size, "EditWireSizeVoltageDropPercent", kDropPercentHint, kColumn4, kSecondRowTop,
                kCoupledWidth);
    MakeMarks(size, kColumn4 + kCoupledWidth + 3);
    MakeCaption(size, QStringLiteral("Wire Size"), kResultLeft, kResultWidth);
    WireSizeResult = MakeResult(size, "WireSizeResult", kFirstRowTop);
    LabelWireSizeCmil = new QLabel(QStringLiteral("0 Cmils"), size);
    LabelWireSizeCmil->setObjectName(QStringLiteral("LabelWireSizeCmil"));
    LabelWireSizeCmil->setGeometry(kResultLeft + 2, kSecondRowTop, kResultWidth, kBoxHeight);

    // Band "Distance".
    QGroupBox* distance = MakeBand(panel, "GroupBoxDistance", QStringLiteral("Distance"), 2);
    RadioButtonDistance1Phase =
        MakeRadio(distance, "RadioButtonDistance1Phase", QStringLiteral("Single-Phase"), kPhaseLeft,
                  kFirstRowTop, kPhaseWidth);
    RadioButtonDistance3Phase =
        MakeRadio(distance, "RadioButtonDistance3Phase", QStringLiteral("Three-Phase"), kPhaseLeft,
                  kSecondRowTop, kPhaseWidth);
    MakePair(distance, RadioButtonDistance1Phase, RadioButtonDistance3Phase);
    MakeCaption(distance, QStringLiteral("Input Voltage"), kColumn1, kBoxWidth + 6);
    EditDistanceInputVoltage =
        MakeBox(distance, "EditDistanceInputVoltage", kInputVoltageHint, kColumn1, kFirstRowTop);
    MakeCaption(distance, QStringLiteral("Amps"), kColumn2, kBoxWidth);
    EditDistanceAmps = MakeBox(distance, "EditDistanceAmps", kAmpsHint, kColumn2, kFirstRowTop);
    MakeCaption(distance, QStringLiteral("Voltage Drop"), kColumn3, kCoupledWidth + kMarkWidth + 4);
    EditDistanceVoltageDrop = MakeBox(distance, "EditDistanceVoltageDrop", kDropHint, kColumn3,
                                      kFirstRowTop, kCoupledWidth);
    EditDistanceVoltageDropPercent =
        MakeBox(distance, "EditDistanceVoltageDropPercent", kDropPercentHint, kColumn3,
                kSecondRowTop, kCoupledWidth);
    MakeMarks(distance, kColumn3 + kCoupledWidth + 3);
    MakeCaption(distance, QStringLiteral("Wire Gauge"), kColumn4, kGaugeWidth);
    ComboBoxDistanceAWG = MakeGaugeList(distance, "ComboBoxDistanceAWG", kColumn4);
    MakeCaption(distance, QStringLiteral("Distance"), kResultLeft, kResultWidth);
    DistanceResult = MakeResult(distance, "DistanceResult", kFirstRowTop);

    // The typed drop is the one to keep: a typed value stays exact until it is retyped.
    for (DecimalEdit* coupled : {EditWireSizeVoltageDrop, EditWireSizeVoltageDropPercent,
                                 EditDistanceVoltageDrop, EditDistanceVoltageDropPercent}) {
        coupled->setFullAccuracy(true);
    }

    // Footer.
    const int footerTop = kHeaderHeight + 3 * (kBandHeight + kBandGap);
    const QString footerLines[2] = {
        QStringLiteral(" These formulas apply to copper or aluminium  wire at 75 degree Celcius"),
        QStringLiteral(" A.W.G. = American Wire Gauges")};
    for (int line = 0; line < 2; ++line) {
        auto* label = new QLabel(footerLines[line], panel);
        label->setObjectName(QStringLiteral("LabelFooter%1").arg(line + 1));
        label->setGeometry(kMargin, footerTop + line * kFooterLineHeight,
                           kClientWidth - 2 * kMargin, kFooterLineHeight);
    }

    BuildMenus();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const int height = menuBar()->sizeHint().height() + kClientHeight;
    setFixedSize(kClientWidth, height);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, height / 2));
    }
}

void TFormElectricalVoltageDrop::BuildMenus() {
    QMenu* action = menuBar()->addMenu(QStringLiteral("Action"));
    action->setObjectName(QStringLiteral("Action1"));
    ClearAllFields1 = AddCommand(action, "ClearAllFields1", QStringLiteral("Clear All Fields"),
                                 QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Print1 = AddCommand(action, "Print1", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    action->addSeparator();
    Exit1 = AddCommand(action, "Exit1", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_F12));
    connect(ClearAllFields1, &QAction::triggered, this,
            &TFormElectricalVoltageDrop::ClearAllFields1Click);
    connect(Print1, &QAction::triggered, this, &TFormElectricalVoltageDrop::Print1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    AddSharedEditMenu(QStringLiteral("Edit"));
}

}  // namespace quillux::gui
