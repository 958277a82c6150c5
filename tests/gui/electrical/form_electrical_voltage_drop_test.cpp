#include "gui/electrical/form_electrical_voltage_drop.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "electrical_window_test_support.h"
#include "engine/setup/setup_data.h"
#include "gui/shell/form_main.h"
#include "gui/shell/module_registry.h"
#include "gui/shell/shell_test_support.h"
#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"
#include "gui/widgets/decimal_edit.h"

using namespace quillux;
using namespace quillux::testing;
using gui::ModuleId;
using gui::TFormElectricalVoltageDrop;
using gui::TFormMain;

namespace {

// Gauge list positions.
constexpr int k8Awg = 11;
constexpr int k12Awg = 15;

}  // namespace

class FormElectricalVoltageDropTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void voltageDropBand_data();
    void voltageDropBand();
    void wireSizeBand_data();
    void wireSizeBand();
    void distanceBand_data();
    void distanceBand();
    void typedDropDrivesItsPartner();
    void gaugeListsAreChosenNotTyped();
    void inputsSurviveCloseAndReopen();
    void zeroRecordRestoresMetresAndPhases();
    void damagedSlotStopsTheRestore();
    void clearAllFieldsEmptiesTheTwelveBoxes();
    void reportPrintsTheThreeBoxesAndTheTables();
    void windowAsDesigned();

private:
    TFormElectricalVoltageDrop* Open();
    template <typename T = QLineEdit>
    T* Find(const QString& name) {
        return window_->findChild<T*>(name);
    }
    QString Text(const char* name) { return Find(QString::fromLatin1(name))->text(); }
    void Type(const char* name, const QString& text) {
        Retype(Find(QString::fromLatin1(name)), text);
    }
    void Click(const QString& radio) {
        auto* button = Find<QRadioButton>(radio);
        QVERIFY2(button, qPrintable(radio));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        QVERIFY(button->isChecked());
    }
    // A choice made in the drop-down list.
    void Choose(const char* list, int position) {
        Find<QComboBox>(QString::fromLatin1(list))->setCurrentIndex(position);
    }

    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TFormMain> main_;
    TFormElectricalVoltageDrop* window_ = nullptr;
};

void FormElectricalVoltageDropTest::init() {
    folder_ = std::make_unique<TemporaryProgramFolder>(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder_->IsValid());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    CreateShippedFiles(folder_->DataPath());
    main_ = std::make_unique<TFormMain>(folder_->Path(), TFormMain::Options{false});
    // Feet and copper, as a technician who used the window before left it.
    main_->SetupData().ElectricalDropI[6] = 1;
}

void FormElectricalVoltageDropTest::cleanup() {
    window_ = nullptr;
    main_.reset();
    dialogs_.reset();
    folder_.reset();
}

TFormElectricalVoltageDrop* FormElectricalVoltageDropTest::Open() {
    window_ = qobject_cast<TFormElectricalVoltageDrop*>(
        main_->Modules().Open(ModuleId::ElectricalVoltageDrop));
    if (window_ != nullptr) {
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_)) return nullptr;
    }
    return window_;
}

void FormElectricalVoltageDropTest::voltageDropBand_data() {
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("amps");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<int>("gauge");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QString>("percent");
    QTest::newRow("worked example, three-phase 8 AWG") << "RadioButton3phase3wire"
                                                       << "RadioButtonFeet"
                                                       << "208"
                                                       << "24.2"
                                                       << "150" << k8Awg << "4.92 volt"
                                                       << "2.36 %";
    QTest::newRow("single-phase 12 AWG") << "RadioButtonsinglephase2_3wire"
                                         << "RadioButtonFeet"
                                         << "120"
                                         << "20"
                                         << "100" << k12Awg << "7.90 volt"
                                         << "6.58 %";
    QTest::newRow("metres are converted to feet") << "RadioButtonsinglephase2_3wire"
                                                  << "RadioButtonMeter"
                                                  << "120"
                                                  << "20"
                                                  << "100" << k12Awg << "25.93 volt"
                                                  << "21.60 %";
    QTest::newRow("drop above the supply") << "RadioButtonsinglephase2_3wire"
                                           << "RadioButtonFeet"
                                           << "5"
                                           << "20"
                                           << "100" << k12Awg << "Out of Range"
                                           << "Out of Range";
    QTest::newRow("no supply voltage and no drop") << "RadioButtonsinglephase2_3wire"
                                                   << "RadioButtonFeet"
                                                   << "0"
                                                   << "0"
                                                   << "100" << k12Awg << "0.00 volt"
                                                   << "0 %";
}

void FormElectricalVoltageDropTest::voltageDropBand() {
    QFETCH(QString, phase);
    QFETCH(QString, unit);
    QFETCH(QString, volts);
    QFETCH(QString, amps);
    QFETCH(QString, distance);
    QFETCH(int, gauge);
    QFETCH(QString, drop);
    QFETCH(QString, percent);
    QVERIFY(Open());
    Click(phase);
    Click(unit);
    Choose("ComboBoxVoltageDropAWG", gauge);
    Type("EditVoltageDropInputVoltage", volts);
    Type("EditVoltageDropAmps", amps);
    Type("EditVoltageDropDistance", distance);
    QCOMPARE(Text("VoltageDropResult"), drop);
    QCOMPARE(Text("VoltageDropPercentResult"), percent);
}

void FormElectricalVoltageDropTest::wireSizeBand_data() {
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("amps");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QString>("cmils");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("percent");
    QTest::newRow("single-phase copper, 3 %") << "RadioButtonWireSize1Phase"
                                              << "RadioButtonCopper"
                                              << "20"
                                              << "100"
                                              << "3.6"
                                              << "14333.33 Cmils"
                                              << "8 AWG - 10mm"
                                              << "3";
    QTest::newRow("three-phase needs 0.866 of it") << "RadioButtonWireSize3Phase"
                                                   << "RadioButtonCopper"
                                                   << "20"
                                                   << "100"
                                                   << "3.6"
                                                   << "12412.67 Cmils"
                                                   << "9 AWG"
                                                   << "3";
    QTest::newRow("aluminium") << "RadioButtonWireSize1Phase"
                               << "RadioButtonAluminium"
                               << "20"
                               << "100"
                               << "3.6"
                               << "23555.56 Cmils"
                               << "6 AWG - 16mm"
                               << "3";
    QTest::newRow("thicker than 0000") << "RadioButtonWireSize1Phase"
                                       << "RadioButtonCopper"
                                       << "200"
                                       << "1000"
                                       << "1"
                                       << "5160000.00 Cmils"
                                       << "Out of Range"
                                       << "0.83";
}

void FormElectricalVoltageDropTest::wireSizeBand() {
    QFETCH(QString, phase);
    QFETCH(QString, material);
    QFETCH(QString, amps);
    QFETCH(QString, distance);
    QFETCH(QString, drop);
    QFETCH(QString, cmils);
    QFETCH(QString, size);
    QFETCH(QString, percent);
    QVERIFY(Open());
    Click(phase);
    Click(material);
    Type("EditWireSizeInputVoltage", QStringLiteral("120"));
    Type("EditWireSizeAmps", amps);
    Type("EditWireSizeDistance", distance);
    Type("EditWireSizeVoltageDrop", drop);
    QCOMPARE(Find<QLabel>(QStringLiteral("LabelWireSizeCmil"))->text(), cmils);
    QCOMPARE(Text("WireSizeResult"), size);
    QCOMPARE(Text("EditWireSizeVoltageDropPercent"), percent);
}

void FormElectricalVoltageDropTest::distanceBand_data() {
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("amps");
    QTest::addColumn<QString>("result");
    QTest::newRow("single-phase in feet") << "RadioButtonDistance1Phase"
                                          << "RadioButtonFeet"
                                          << "20"
                                          << "45.56 feet";
    QTest::newRow("single-phase in metres") << "RadioButtonDistance1Phase"
                                            << "RadioButtonMeter"
                                            << "20"
                                            << "13.89 Meter";
    QTest::newRow("three-phase") << "RadioButtonDistance3Phase"
                                 << "RadioButtonFeet"
                                 << "20"
                                 << "52.61 feet";
    QTest::newRow("no current") << "RadioButtonDistance1Phase"
                                << "RadioButtonFeet"
                                << "0"
                                << "Out of Range";
}

void FormElectricalVoltageDropTest::distanceBand() {
    QFETCH(QString, phase);
    QFETCH(QString, unit);
    QFETCH(QString, amps);
    QFETCH(QString, result);
    QVERIFY(Open());
    Click(phase);
    Click(unit);
    Choose("ComboBoxDistanceAWG", k12Awg);
    Type("EditDistanceInputVoltage", QStringLiteral("120"));
    Type("EditDistanceAmps", amps);
    Type("EditDistanceVoltageDrop", QStringLiteral("3.6"));
    QCOMPARE(Text("DistanceResult"), result);
    QCOMPARE(Text("EditDistanceVoltageDropPercent"), QStringLiteral("3"));
}

void FormElectricalVoltageDropTest::typedDropDrivesItsPartner() {
    QVERIFY(Open());
    Click(QStringLiteral("RadioButtonWireSize1Phase"));
    Click(QStringLiteral("RadioButtonCopper"));
    Type("EditWireSizeInputVoltage", QStringLiteral("120"));
    Type("EditWireSizeAmps", QStringLiteral("20"));
    Type("EditWireSizeDistance", QStringLiteral("100"));
    Type("EditWireSizeVoltageDropPercent", QStringLiteral("3"));
    QCOMPARE(Text("EditWireSizeVoltageDrop"), QStringLiteral("3.6"));
    QCOMPARE(Text("WireSizeResult"), QStringLiteral("8 AWG - 10mm"));
    // A new supply voltage keeps the drop in volts and follows with the percentage.
    Type("EditWireSizeInputVoltage", QStringLiteral("240"));
    QCOMPARE(Text("EditWireSizeVoltageDrop"), QStringLiteral("3.6"));
    QCOMPARE(Text("EditWireSizeVoltageDropPercent"), QStringLiteral("1.5"));

    // A drop typed beyond two decimals is shown rounded but computed as typed, also after the
    // percentage has been derived from it and the focus has moved on.
    Type("EditWireSizeInputVoltage", QStringLiteral("120"));
    Type("EditWireSizeVoltageDrop", QStringLiteral("3.333"));
    Type("EditWireSizeAmps", QStringLiteral("20"));
    QCOMPARE(Text("EditWireSizeVoltageDrop"), QStringLiteral("3.33"));
    QCOMPARE(Text("EditWireSizeVoltageDropPercent"), QStringLiteral("2.78"));
    QCOMPARE(Find<QLabel>(QStringLiteral("LabelWireSizeCmil"))->text(),
             QStringLiteral("15481.55 Cmils"));

    Type("EditDistanceInputVoltage", QStringLiteral("230"));
    Type("EditDistanceVoltageDropPercent", QStringLiteral("4"));
    QCOMPARE(Text("EditDistanceVoltageDrop"), QStringLiteral("9.2"));
    Type("EditDistanceVoltageDrop", QStringLiteral("11.5"));
    QCOMPARE(Text("EditDistanceVoltageDropPercent"), QStringLiteral("5"));
}

void FormElectricalVoltageDropTest::gaugeListsAreChosenNotTyped() {
    QVERIFY(Open());
    auto* list = Find<QComboBox>(QStringLiteral("ComboBoxDistanceAWG"));
    QCOMPARE(list->count(), 44);
    QCOMPARE(list->itemText(0), QStringLiteral("0000awg - 120mm"));
    QCOMPARE(list->itemText(43), QStringLiteral("40awg"));
    list->setFocus();
    const int before = list->currentIndex();
    QTest::keyClicks(list, QStringLiteral("1234a"));
    QCOMPARE(list->currentIndex(), before);
    QTest::keyClick(list, Qt::Key_Down);  // arrows still choose
    QCOMPARE(list->currentIndex(), before + 1);
}

void FormElectricalVoltageDropTest::inputsSurviveCloseAndReopen() {
    engine::TQxSetupData& setup = main_->SetupData();
    setup.ElectricalDropF[1] = 24.2;
    setup.ElectricalDropF[2] = 150;
    setup.ElectricalDropF[8] = 208;
    setup.ElectricalDropI[1] = k8Awg;
    setup.ElectricalDropI[3] = 1;  // three-phase
    setup.ElectricalDropF[3] = 20;
    setup.ElectricalDropF[4] = 100;
    setup.ElectricalDropF[5] = 3.6;
    setup.ElectricalDropF[9] = 120;
    setup.ElectricalDropI[4] = 1;  // single-phase
    setup.ElectricalDropF[6] = 20;
    setup.ElectricalDropF[7] = 3.6;
    setup.ElectricalDropF[10] = 120;
    setup.ElectricalDropI[2] = k12Awg;
    setup.ElectricalDropI[5] = 1;  // single-phase
    QVERIFY(Open());
    QCOMPARE(Text("VoltageDropResult"), QStringLiteral("4.92 volt"));
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButton3phase3wire"))->isChecked());
    QCOMPARE(Text("EditWireSizeVoltageDropPercent"), QStringLiteral("3"));
    QCOMPARE(Find<QLabel>(QStringLiteral("LabelWireSizeCmil"))->text(),
             QStringLiteral("14333.33 Cmils"));
    QCOMPARE(Text("DistanceResult"), QStringLiteral("45.56 feet"));

    Click(QStringLiteral("RadioButtonAluminium"));
    Click(QStringLiteral("RadioButtonMeter"));
    Click(QStringLiteral("RadioButtonsinglephase2_3wire"));
    Click(QStringLiteral("RadioButtonDistance3Phase"));
    Type("EditWireSizeVoltageDropPercent", QStringLiteral("5"));
    Choose("ComboBoxVoltageDropAWG", -1);
    QVERIFY(window_->close());
    QCOMPARE(setup.ElectricalDropI[7], 1);
    QCOMPARE(setup.ElectricalDropI[6], 0);
    QCOMPARE(setup.ElectricalDropI[3], 2);
    QCOMPARE(setup.ElectricalDropI[5], 0);
    QCOMPARE(setup.ElectricalDropI[1], -1);
    QCOMPARE(setup.ElectricalDropF[5], 6.0);  // the volts that 5 % of 120 V make

    QVERIFY(Open());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonAluminium"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonMeter"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonsinglephase2_3wire"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonDistance3Phase"))->isChecked());
    QCOMPARE(Find<QComboBox>(QStringLiteral("ComboBoxVoltageDropAWG"))->currentIndex(), -1);
    QCOMPARE(Text("EditWireSizeVoltageDrop"), QStringLiteral("6"));
    QCOMPARE(Text("EditWireSizeVoltageDropPercent"), QStringLiteral("5"));
    QCOMPARE(Text("EditVoltageDropAmps"), QStringLiteral("24.2"));
}

void FormElectricalVoltageDropTest::zeroRecordRestoresMetresAndPhases() {
    main_->SetupData().ElectricalDropI[6] = 0;
    QVERIFY(Open());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonMeter"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonCopper"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonsinglephase2_3wire"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonWireSize3Phase"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonDistance3Phase"))->isChecked());
    QCOMPARE(Find<QComboBox>(QStringLiteral("ComboBoxVoltageDropAWG"))->currentIndex(), 0);
    QCOMPARE(Text("EditVoltageDropAmps"), QStringLiteral("0"));
}

void FormElectricalVoltageDropTest::damagedSlotStopsTheRestore() {
    main_->SetupData().ElectricalDropF[10] = 230;
    main_->SetupData().ElectricalDropI[2] = 44;  // no such gauge
    main_->SetupData().ElectricalDropI[4] = 1;
    QVERIFY(Open());
    QCOMPARE(Text("EditDistanceInputVoltage"), QStringLiteral("230"));  // restored before
    QCOMPARE(Find<QComboBox>(QStringLiteral("ComboBoxDistanceAWG"))->currentIndex(), -1);
    for (const char* phase : {"RadioButtonsinglephase2_3wire", "RadioButton3phase3wire",
                              "RadioButtonWireSize1Phase", "RadioButtonWireSize3Phase"}) {
        QVERIFY(!Find<QRadioButton>(QString::fromLatin1(phase))->isChecked());
    }
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonFeet"))->isChecked());
}

void FormElectricalVoltageDropTest::clearAllFieldsEmptiesTheTwelveBoxes() {
    QVERIFY(Open());
    Click(QStringLiteral("RadioButtonsinglephase2_3wire"));
    Click(QStringLiteral("RadioButtonWireSize1Phase"));
    Click(QStringLiteral("RadioButtonDistance1Phase"));
    Choose("ComboBoxVoltageDropAWG", k12Awg);
    Choose("ComboBoxDistanceAWG", k12Awg);
    Type("EditWireSizeInputVoltage", QStringLiteral("120"));
    Type("EditWireSizeVoltageDrop", QStringLiteral("3.6"));
    QLineEdit* amps = Find(QStringLiteral("EditDistanceAmps"));
    Retype(amps, QStringLiteral("16"));
    QTest::keyClick(amps, Qt::Key_Delete, Qt::ControlModifier);
    const QList<gui::DecimalEdit*> boxes = window_->findChildren<gui::DecimalEdit*>();
    for (const QLineEdit* box : boxes)
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(Text("VoltageDropResult"), QStringLiteral("0.00 volt"));
    QCOMPARE(Text("VoltageDropPercentResult"), QStringLiteral("0 %"));
    QCOMPARE(Text("WireSizeResult"), QStringLiteral("Out of Range"));
    QCOMPARE(Text("DistanceResult"), QStringLiteral("Out of Range"));
    QCOMPARE(Find<QComboBox>(QStringLiteral("ComboBoxDistanceAWG"))->currentIndex(), k12Awg);
}

void FormElectricalVoltageDropTest::reportPrintsTheThreeBoxesAndTheTables() {
    main_->SetupData().SetupS[2].Set("Rigging Dept");
    QVERIFY(Open());
    Click(QStringLiteral("RadioButton3phase3wire"));
    Click(QStringLiteral("RadioButtonWireSize1Phase"));
    Click(QStringLiteral("RadioButtonDistance1Phase"));
    Choose("ComboBoxVoltageDropAWG", k8Awg);
    Choose("ComboBoxDistanceAWG", k12Awg);
    Type("EditVoltageDropInputVoltage", QStringLiteral("208"));
    Type("EditVoltageDropAmps", QStringLiteral("24.2"));
    Type("EditVoltageDropDistance", QStringLiteral("150"));
    Type("EditWireSizeInputVoltage", QStringLiteral("120"));
    Type("EditWireSizeAmps", QStringLiteral("20"));
    Type("EditWireSizeDistance", QStringLiteral("100"));
    Type("EditWireSizeVoltageDrop", QStringLiteral("3.6"));
    Type("EditDistanceInputVoltage", QStringLiteral("120"));
    Type("EditDistanceAmps", QStringLiteral("20"));
    Type("EditDistanceVoltageDrop", QStringLiteral("3.6"));
    const QString text = PrintedText(window_, folder_->File(QStringLiteral("drop.pdf")), [&] {
        QTest::keyClick(window_, Qt::Key_P, Qt::ControlModifier);
    });
    QVERIFY2(!text.isEmpty(), "no preview or no PDF");
    const auto has = [&](const QString& pattern) {
        return QRegularExpression(pattern).match(text).hasMatch();
    };
    // The three boxes side by side: each printed line crosses all three.
    QVERIFY(has(QStringLiteral("Voltage Drop\\s+Wire Size\\s+Distance")));
    QVERIFY(has(QStringLiteral("Wire type: Copper\\s+Wire type: Copper\\s+Wire type: Copper")));
    QVERIFY(
        has(QStringLiteral("Number of Phase:\\s+Three-Phases\\s+Number of Phase:\\s+Single "
                           "Phase\\s+Number of Phase:\\s+Single Phase")));
    QVERIFY(has(
        QStringLiteral("Input voltage:\\s+208\\s+Input voltage:\\s+120\\s+Input voltage:\\s+120")));
    QVERIFY(has(QStringLiteral("Amperage:\\s+24.2\\s+Amperage:\\s+20\\s+Amperage:\\s+20")));
    QVERIFY(has(
        QStringLiteral("Distance:\\s+150 feet\\s+Distance:\\s+100 feet\\s+Voltage Drop:\\s+3.6")));
    QVERIFY(has(QStringLiteral(
        "Wire size:\\s+8awg - 10mm\\s+Volatge Drop:\\s+3.6\\s+Percentage Drop:\\s+3")));
    QVERIFY(has(QStringLiteral(
        "Voltage Drop:\\s+4.92 volt\\s+Percentage Drop:\\s+3\\s+Wire size:\\s+12awg - 4mm")));
    QVERIFY(
        has(QStringLiteral("Percentage Drop:\\s+2.36 %\\s+Wire size:\\s+8 AWG - 10mm\\s+"
                           "Distance:\\s+45.56 feet")));

    QVERIFY(text.contains(QStringLiteral("Vd = ( 1.732 * 12.9 * 150 * 24.2 ) / 16500")));
    QVERIFY(has(QStringLiteral("212000 = 0000 = 120mm\\s+1020 = 20 = 0.50mm")));
    QVERIFY(has(QStringLiteral("2050 = 17\\s+9.9 = 40")));
    QVERIFY(text.contains(QStringLiteral("A.W.G. = American Wire Gauges")));
    QVERIFY(has(QStringLiteral(
        "These formulas apply to copper or aluminium\\s+wire at 75 degree Celcius")));
    QVERIFY(text.contains(
        QStringLiteral("This report was produce by the Quillux Lite for Rigging Dept")));
    QCOMPARE(text.count(QLatin1Char('\f')), 1);  // one page
}

void FormElectricalVoltageDropTest::windowAsDesigned() {
    QVERIFY(Open());
    QCOMPARE(window_->windowTitle(), QStringLiteral("QLX Electrical Voltage Drop"));
    QCOMPARE(window_->centralWidget()->size(), QSize(TFormElectricalVoltageDrop::kClientWidth,
                                                     TFormElectricalVoltageDrop::kClientHeight));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(QApplication::focusWidget(), Find(QStringLiteral("EditVoltageDropInputVoltage")));
    QCOMPARE(Find(QStringLiteral("EditVoltageDropInputVoltage"))->toolTip(),
             QStringLiteral("Enter the  input voltage apply to the wire"));
    QCOMPARE(Find(QStringLiteral("EditWireSizeVoltageDropPercent"))->toolTip(),
             QStringLiteral("Enter the maximum voltage drop in % desired"));
    QCOMPARE(Find<QComboBox>(QStringLiteral("ComboBoxVoltageDropAWG"))->toolTip(),
             QStringLiteral("Select the gauge of the wire"));
    for (const char* name :
         {"VoltageDropResult", "VoltageDropPercentResult", "WireSizeResult", "DistanceResult"}) {
        QLineEdit* result = Find(QString::fromLatin1(name));
        QVERIFY(result->isReadOnly());
        QCOMPARE(result->maxLength(), 20);
        QCOMPARE(result->focusPolicy(), Qt::ClickFocus);  // Tab passes them by
    }
}

QTEST_MAIN(FormElectricalVoltageDropTest)
#include "form_electrical_voltage_drop_test.moc"
