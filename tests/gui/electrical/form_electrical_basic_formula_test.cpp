#include "gui/electrical/form_electrical_basic_formula.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "electrical_window_test_support.h"
#include "engine/electrical/basic_formula.h"
#include "engine/setup/setup_data.h"
#include "gui/shell/form_main.h"
#include "gui/shell/module_registry.h"
#include "gui/shell/shell_test_support.h"
#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"

using namespace quillux;
using namespace quillux::testing;
using gui::ModuleId;
using gui::TFormElectricalBasicFormula;
using gui::TFormMain;

class FormElectricalBasicFormulaTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typingRecomputesItsFormula_data();
    void typingRecomputesItsFormula();
    void filterKeepsSignsAndLettersOut();
    void clearAllFieldsFromAnyBox();
    void inputsSurviveCloseAndReopen();
    void reportPrintsWhatTheBoxesShow();
    void windowAsDesigned();

private:
    TFormElectricalBasicFormula* Open();
    QLineEdit* Box(const char* name) {
        return window_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    const engine::BasicFormulaInfo& Formula(int reportNumber) {
        return engine::BasicFormulaTable()[reportNumber - 1];
    }

    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TFormMain> main_;
    TFormElectricalBasicFormula* window_ = nullptr;
};

void FormElectricalBasicFormulaTest::init() {
    folder_ = std::make_unique<TemporaryProgramFolder>(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder_->IsValid());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    CreateShippedFiles(folder_->DataPath());
    main_ = std::make_unique<TFormMain>(folder_->Path(), TFormMain::Options{false});
}

void FormElectricalBasicFormulaTest::cleanup() {
    window_ = nullptr;
    main_.reset();
    dialogs_.reset();
    folder_.reset();
}

TFormElectricalBasicFormula* FormElectricalBasicFormulaTest::Open() {
    window_ = qobject_cast<TFormElectricalBasicFormula*>(
        main_->Modules().Open(ModuleId::ElectricalBasicFormula));
    if (window_ != nullptr) {
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_)) return nullptr;
    }
    return window_;
}

void FormElectricalBasicFormulaTest::typingRecomputesItsFormula_data() {
    QTest::addColumn<int>("formula");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("result");
    QTest::newRow("E = I x R") << 7 << "3"
                               << "10"
                               << "30.00 Volts";
    QTest::newRow("P = I2 x R squares the current") << 1 << "3"
                                                    << "10"
                                                    << "90.00 Watts";
    QTest::newRow("P = E2 / R") << 2 << "12"
                                << "4"
                                << "36.00 Watts";
    QTest::newRow("I = E / R") << 6 << "12"
                               << "4"
                               << "3.00 Amps";
    QTest::newRow("I = sqrt(P / R)") << 4 << "100"
                                     << "4"
                                     << "5.00 Amps";
    QTest::newRow("E = sqrt(P x R)") << 9 << "100"
                                     << "4"
                                     << "20.00 Volts";
    QTest::newRow("R = P / I2 squares the current") << 12 << "90"
                                                    << "3"
                                                    << "10.00 Ohms";
    QTest::newRow("I = sqrt(P / R) with no resistance") << 4 << "100"
                                                        << "0"
                                                        << "Error";
    QTest::newRow("quotient by zero") << 10 << "5"
                                      << "0"
                                      << "Error";
    QTest::newRow("19 integer digits turn scientific") << 3 << "1000000000"
                                                       << "1000000000"
                                                       << "1E18 Watts";
    QTest::newRow("decimals are typed and kept") << 8 << "7.5"
                                                 << "2.5"
                                                 << "3.00 Volts";
}

void FormElectricalBasicFormulaTest::typingRecomputesItsFormula() {
    QFETCH(int, formula);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, result);
    QVERIFY(Open());
    const engine::BasicFormulaInfo& row = Formula(formula);
    // Every other formula reads 1 and 1 from the boxes' starting values.
    const QString before = Box(Formula(formula == 1 ? 2 : 1).resultBox)->text();
    Retype(Box(row.inputBoxA), a);
    Retype(Box(row.inputBoxB), b);
    QCOMPARE(Box(row.resultBox)->text(), result);
    QCOMPARE(Box(Formula(formula == 1 ? 2 : 1).resultBox)->text(), before);
}

void FormElectricalBasicFormulaTest::filterKeepsSignsAndLettersOut() {
    QVERIFY(Open());
    QLineEdit* amps = Box("Voltage_amps1");
    Retype(amps, QStringLiteral("-2x+5"));
    QCOMPARE(amps->text(), QStringLiteral("25"));
    Retype(Box("Voltage_Ohms1"), QStringLiteral("2"));
    QCOMPARE(Box("Voltage_Result1")->text(), QStringLiteral("50.00 Volts"));
}

void FormElectricalBasicFormulaTest::clearAllFieldsFromAnyBox() {
    QVERIFY(Open());
    QLineEdit* ohms = Box("Resistance_Amps2");
    Retype(ohms, QStringLiteral("12"));
    // Ctrl+Del is the menu's, even in a text box that would delete a word with it.
    QTest::keyClick(ohms, Qt::Key_Delete, Qt::ControlModifier);
    for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
        QCOMPARE(Box(formula.inputBoxA)->text(), QStringLiteral("0"));
        QCOMPARE(Box(formula.inputBoxB)->text(), QStringLiteral("0"));
    }
    QCOMPARE(Box("Wattage_result1")->text(), QStringLiteral("0.00 Watts"));
    QCOMPARE(Box("Voltage_Result1")->text(), QStringLiteral("0.00 Volts"));
    QCOMPARE(Box("Voltage_Result3")->text(), QStringLiteral("0.00 Volts"));
    QCOMPARE(Box("Amperage_Result3")->text(), QStringLiteral("Error"));
    QCOMPARE(Box("Resistance_Result2")->text(), QStringLiteral("Error"));
}

void FormElectricalBasicFormulaTest::inputsSurviveCloseAndReopen() {
    // Remembered values are shown and computed on the first showing.
    main_->SetupData().ElectricalBasicF[13] = 3;    // Wattage_amps1
    main_->SetupData().ElectricalBasicF[14] = 10;   // Wattage_Ohms1
    main_->SetupData().ElectricalBasicF[19] = 0.5;  // Resistance_Volt1
    QVERIFY(Open());
    QCOMPARE(Box("Wattage_result1")->text(), QStringLiteral("90.00 Watts"));
    QCOMPARE(Box("Resistance_Volt1")->text(), QStringLiteral("0.5"));
    QCOMPARE(Box("Resistance_Result1")->text(), QStringLiteral("Error"));  // 0.5 V / 0 A

    Retype(Box("Amperage_Volts1"), QStringLiteral("230"));
    Retype(Box("Amperage_Ohms1"), QStringLiteral("52.9"));
    Retype(Box("Voltage_Ohms3"), QStringLiteral("0.125"));       // typed beyond two decimals
    QTest::keyClick(window_, Qt::Key_F12, Qt::ControlModifier);  // "&Exit"
    QVERIFY(!main_->Modules().IsOpen(ModuleId::ElectricalBasicFormula));
    QCOMPARE(main_->SetupData().ElectricalBasicF[7], 230.0);
    QCOMPARE(main_->SetupData().ElectricalBasicF[8], 52.9);
    QCOMPARE(main_->SetupData().ElectricalBasicF[13], 3.0);

    QVERIFY(Open());
    QCOMPARE(Box("Amperage_Volts1")->text(), QStringLiteral("230"));
    QCOMPARE(Box("Amperage_Result1")->text(), QStringLiteral("4.35 Amps"));
    QCOMPARE(Box("Wattage_result1")->text(), QStringLiteral("90.00 Watts"));
    QCOMPARE(Box("Voltage_Ohms3")->text(), QStringLiteral("0.13"));
}

void FormElectricalBasicFormulaTest::reportPrintsWhatTheBoxesShow() {
    main_->SetupData().SetupS[2].Set("Lighting Crew");
    QVERIFY(Open());
    for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
        Retype(Box(formula.inputBoxA), QStringLiteral("12"));
        Retype(Box(formula.inputBoxB), QStringLiteral("4"));
    }
    Box(Formula(3).inputBoxB)->setFocus();
    Box(Formula(3).inputBoxB)->clear();  // formula 3 drops out, the rest renumber
    Retype(Box(Formula(6).inputBoxB), QStringLiteral("0"));
    const QString text = PrintedText(window_, folder_->File(QStringLiteral("basic.pdf")), [&] {
        QTest::keyClick(window_, Qt::Key_P, Qt::ControlModifier);
    });
    QVERIFY2(!text.isEmpty(), "no preview or no PDF");
    QVERIFY(text.contains(QStringLiteral("1: (12 Amps² * 4 Ohms) = 576.00 Watts")));
    QVERIFY(text.contains(QStringLiteral("2: (12 Volts² / 4 Ohms) = 36.00 Watts")));
    QVERIFY(text.contains(QStringLiteral("3: (SQRT(12 Watts) / 4 Ohms) = 1.73 Amps")));
    QVERIFY(text.contains(QStringLiteral("5: (12 Volts / 0 Omhs) = Error")));
    QVERIFY(text.contains(QStringLiteral("11: (12 Watts / 4 Amps²) = 0.75 Ohms")));
    QVERIFY(!text.contains(QStringLiteral("12: (")));
    QVERIFY(text.contains(QStringLiteral("Basic Electrical Formulas Report")));
    QVERIFY(text.contains(
        QStringLiteral("This report was produce by the Quillux Lite for Lighting Crew")));
    QVERIFY(main_->Modules().IsOpen(ModuleId::ElectricalBasicFormula));
}

void FormElectricalBasicFormulaTest::windowAsDesigned() {
    QVERIFY(Open());
    QCOMPARE(window_->windowTitle(), QStringLiteral("QLX Basic Electrical Formula"));
    QCOMPARE(window_->size(), QSize(TFormElectricalBasicFormula::kClientWidth,
                                    TFormElectricalBasicFormula::kClientHeight));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window_->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());

    QCOMPARE(Box("Voltage_amps1")->toolTip(), QStringLiteral("Amps"));
    QCOMPARE(Box("Resistance_Volt3")->toolTip(), QStringLiteral("Volt"));
    QCOMPARE(Box("Amperage_Ohms3")->toolTip(), QString());
    QCOMPARE(Box("Amperage_watts3")->toolTip(), QStringLiteral("Watts"));

    // Tab runs through the inputs only: never into a result box.
    QLineEdit* first = Box("Wattage_amps1");
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 24; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!QApplication::focusWidget()->objectName().contains(QStringLiteral("esult")));
    }
    QCOMPARE(QApplication::focusWidget(), first);
}

QTEST_MAIN(FormElectricalBasicFormulaTest)
#include "form_electrical_basic_formula_test.moc"
