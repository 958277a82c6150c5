#include "gui/converter/form_general_converter.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "engine/setup/setup_data.h"
#include "gui/converter/desktop_calculator.h"
#include "gui/shell/form_main.h"
#include "gui/shell/module_registry.h"
#include "gui/shell/shell.h"
#include "gui/shell/shell_test_support.h"
#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"
#include "gui/widgets/decimal_edit.h"

using namespace quillux;
using namespace quillux::testing;
using gui::ModuleId;
using gui::TFormGeneralConverter;
using gui::TFormMain;

namespace {

// The groups in the order of their remembered slots.
const char* const kGroups[] = {"Mass",   "Volume", "Time",  "Temperature",
                               "Length", "Area",   "Speed", "Light"};

// List positions of the units the tests use.
constexpr int kKilograms = 3;
constexpr int kPounds = 5;
constexpr int kCelcius = 0;
constexpr int kFahrenheit = 1;
constexpr int kLiters = 1;
constexpr int kGallons = 7;
constexpr int kMeters = 3;
constexpr int kFeet = 6;

}  // namespace

class FormGeneralConverterTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void zeroRecordOpensEmpty();
    void formatMenuShapesTheResults_data();
    void formatMenuShapesTheResults();
    void swapTradesTheUnits();
    void temperatureTakesASign();
    void resultsTakeNoTyping();
    void unreadableEntryEmptiesOnlyItsResult();
    void clearAllFieldsEmptiesEveryResult();
    void inputsSurviveCloseAndReopen();
    void storedIndexBeyondTheListLeavesNoSelection();
    void storedFormatIsUsedWhenTheShellHasOne();
    void displayDigitsRoundTheEntriesNotTheirValue();
    void calculatorEntryFollowsTheDesktop();

private:
    TFormGeneralConverter* Open();
    template <typename T = QLineEdit>
    T* Find(const QString& name) {
        T* child = window_->findChild<T*>(name);
        if (child == nullptr) qWarning("no control %s", qPrintable(name));
        return child;
    }
    QComboBox* List(const char* group, const char* side) {
        return Find<QComboBox>(QStringLiteral("ComboBox%1%2").arg(group, side));
    }
    gui::DecimalEdit* Entry(const char* group) {
        return Find<gui::DecimalEdit>(QStringLiteral("Edit%1Entry").arg(group));
    }
    QLineEdit* Result(const char* group) { return Find(QStringLiteral("Edit%1Result").arg(group)); }
    QString Status(const char* panel) { return Find<QLabel>(QString::fromLatin1(panel))->text(); }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // A unit chosen in the drop-down list.
    void Choose(const char* group, int from, int to) {
        List(group, "From")->setCurrentIndex(from);
        List(group, "To")->setCurrentIndex(to);
    }
    void Trigger(const char* entry) {
        auto* action = Find<QAction>(QString::fromLatin1(entry));
        QVERIFY2(action, entry);
        action->trigger();
    }

    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TFormMain> main_;
    TFormGeneralConverter* window_ = nullptr;
    QByteArray path_;
};

void FormGeneralConverterTest::init() {
    path_ = qgetenv("PATH");
    folder_ = std::make_unique<TemporaryProgramFolder>(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder_->IsValid());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    CreateShippedFiles(folder_->DataPath());
    main_ = std::make_unique<TFormMain>(folder_->Path(), TFormMain::Options{false});
}

void FormGeneralConverterTest::cleanup() {
    window_ = nullptr;
    main_.reset();
    dialogs_.reset();
    folder_.reset();
    qputenv("PATH", path_);
}

TFormGeneralConverter* FormGeneralConverterTest::Open() {
    window_ =
        qobject_cast<TFormGeneralConverter*>(main_->Modules().Open(ModuleId::GeneralConverter));
    if (window_ != nullptr) {
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_)) return nullptr;
    }
    return window_;
}

void FormGeneralConverterTest::zeroRecordOpensEmpty() {
    QVERIFY(Open());
    QCOMPARE(window_->windowTitle(), QStringLiteral("QLX General Converter"));
    QCOMPARE(Status("StatusPanelDigit"), QStringLiteral("Digit: 0"));
    QCOMPARE(Status("StatusPanelPrecision"), QStringLiteral("Precision: 15"));
    QCOMPARE(Status("StatusPanelFormat"), QStringLiteral("Format: Normal"));
    QCOMPARE(main_->SetupData().ConverterI[21], 15);
    QCOMPARE(main_->State().Precision, 15);
    for (const char* group : kGroups) {
        QCOMPARE(List(group, "From")->currentIndex(), 0);
        QCOMPARE(List(group, "To")->currentIndex(), 0);
        QVERIFY(Entry(group)->text().isEmpty());
        QVERIFY(Result(group)->text().isEmpty());
    }
    QCOMPARE(List("Light", "From")->itemText(6), QStringLiteral("sb"));
    QVERIFY(Find<QAction>(QStringLiteral("FormatNormal"))->isChecked());
    QVERIFY(Find<QAction>(QStringLiteral("Precision15"))->actionGroup()->checkedAction() ==
            nullptr);

    // Typing "0" shows the zero result in the current format.
    Type(Entry("Mass"), QStringLiteral("0"));
    QCOMPARE(Result("Mass")->text(), QStringLiteral("0"));
}

void FormGeneralConverterTest::formatMenuShapesTheResults_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fixed, 3 digits") << QStringList{"FormatFixed", "Digit3"} << "2.205";
    QTest::newRow("normal, precision 4") << QStringList{"FormatNormal", "Precision4"} << "2.205";
    QTest::newRow("exponent, precision 4, 3 digits")
        << QStringList{"FormatExponent", "Precision4", "Digit3"} << "2.205E+000";
    QTest::newRow("normal, precision 15") << QStringList{"Precision15"} << "2.20462262184878";
}

void FormGeneralConverterTest::formatMenuShapesTheResults() {
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);
    QVERIFY(Open());
    Choose("Mass", kKilograms, kPounds);
    Type(Entry("Mass"), QStringLiteral("1"));
    for (const QString& entry : entries) Trigger(qPrintable(entry));
    QCOMPARE(Result("Mass")->text(), expected);
    for (const QString& entry : entries) {
        QVERIFY2(Find<QAction>(entry)->isChecked(), qPrintable(entry));
    }
    // The menu's choices are what the shell stores at exit.
    QCOMPARE(main_->SetupData().ConverterI[21], main_->State().Precision);
    QCOMPARE(main_->SetupData().ConverterI[22], main_->State().Digit);
    QCOMPARE(main_->SetupData().ConverterI[23], static_cast<int>(main_->State().ValueType));
}

void FormGeneralConverterTest::swapTradesTheUnits() {
    QVERIFY(Open());
    Choose("Temperature", kCelcius, kFahrenheit);
    Type(Entry("Temperature"), QStringLiteral("100"));
    QCOMPARE(Result("Temperature")->text(), QStringLiteral("212"));
    auto* swap = Find<QToolButton>(QStringLiteral("SpeedButtonTemperatureInvert"));
    QCOMPARE(swap->toolTip(), QStringLiteral("Invert Selection"));
    QTest::mouseClick(swap, Qt::LeftButton);
    QCOMPARE(List("Temperature", "From")->currentIndex(), kFahrenheit);
    QCOMPARE(List("Temperature", "To")->currentIndex(), kCelcius);
    QCOMPARE(Entry("Temperature")->text(), QStringLiteral("100"));
    QCOMPARE(Result("Temperature")->text(), QStringLiteral("37.7777777777778"));
}

void FormGeneralConverterTest::temperatureTakesASign() {
    QVERIFY(Open());
    Choose("Temperature", kCelcius, kFahrenheit);
    Type(Entry("Temperature"), QStringLiteral("-40"));
    QCOMPARE(Entry("Temperature")->text(), QStringLiteral("-40"));
    QCOMPARE(Result("Temperature")->text(), QStringLiteral("-40"));
    // "+" makes it positive again instead of being typed.
    QTest::keyClick(Entry("Temperature"), Qt::Key_Plus);
    QCOMPARE(Result("Temperature")->text(), QStringLiteral("104"));
}

void FormGeneralConverterTest::resultsTakeNoTyping() {
    QVERIFY(Open());
    Choose("Length", kMeters, kFeet);
    Type(Entry("Length"), QStringLiteral("1"));
    QLineEdit* result = Result("Length");
    QCOMPARE(result->text(), QStringLiteral("3.28083989501312"));
    QVERIFY(!result->isReadOnly());
    result->setFocus(Qt::TabFocusReason);
    QTest::keyClick(result, Qt::Key_End);
    QTest::keyClicks(result, QStringLiteral("x7-."));
    QCOMPARE(result->text(), QStringLiteral("3.28083989501312"));
    QTest::keyClick(result, Qt::Key_Backspace);
    QCOMPARE(result->text(), QStringLiteral("3.2808398950131"));
    // The next conversion of the category writes over what was edited.
    Type(Entry("Length"), QStringLiteral("2"));
    QCOMPARE(result->text(), QStringLiteral("6.56167979002625"));
}

void FormGeneralConverterTest::unreadableEntryEmptiesOnlyItsResult() {
    QVERIFY(Open());
    Choose("Mass", kKilograms, kPounds);
    Type(Entry("Mass"), QStringLiteral("1"));
    Choose("Temperature", kCelcius, kFahrenheit);
    Type(Entry("Temperature"), QStringLiteral("5"));
    QCOMPARE(Result("Temperature")->text(), QStringLiteral("41"));
    Type(Entry("Temperature"), QStringLiteral("-"));
    QCOMPARE(Entry("Temperature")->text(), QStringLiteral("-"));
    QVERIFY(Result("Temperature")->text().isEmpty());
    QCOMPARE(Result("Mass")->text(), QStringLiteral("2.20462262184878"));
}

void FormGeneralConverterTest::clearAllFieldsEmptiesEveryResult() {
    QVERIFY(Open());
    Choose("Volume", kLiters, kGallons);
    Type(Entry("Volume"), QStringLiteral("10"));
    Type(Entry("Speed"), QStringLiteral("3"));
    QVERIFY(!Result("Volume")->text().isEmpty());
    QTest::keyClick(Entry("Speed"), Qt::Key_Delete, Qt::ControlModifier);
    for (const char* group : kGroups) {
        QVERIFY2(Entry(group)->text().isEmpty(), group);
        QVERIFY2(Result(group)->text().isEmpty(), group);
    }
}

void FormGeneralConverterTest::inputsSurviveCloseAndReopen() {
    QVERIFY(Open());
    Choose("Mass", kKilograms, kPounds);
    Type(Entry("Mass"), QStringLiteral("2.5"));
    Choose("Volume", kLiters, kGallons);
    Type(Entry("Volume"), QStringLiteral("0"));
    Choose("Temperature", kFahrenheit, kCelcius);
    Type(Entry("Temperature"), QStringLiteral("-4"));
    Choose("Light", 6, 3);
    QVERIFY(window_->close());

    const engine::TQxSetupData& setup = main_->SetupData();
    QCOMPARE(setup.ConverterI[1], kKilograms);
    QCOMPARE(setup.ConverterI[2], kPounds);
    QCOMPARE(setup.ConverterI[7], kFahrenheit);
    QCOMPARE(setup.ConverterI[8], kCelcius);
    QCOMPARE(setup.ConverterI[15], 6);
    QCOMPARE(setup.ConverterI[16], 3);
    QCOMPARE(setup.ConverterF[1], 2.5);
    QCOMPARE(setup.ConverterF[2], 0.0);
    QCOMPARE(setup.ConverterF[4], -4.0);

    QVERIFY(Open());
    QCOMPARE(List("Mass", "To")->currentIndex(), kPounds);
    QCOMPARE(Entry("Mass")->value(), 2.5);
    QCOMPARE(Result("Mass")->text(), QStringLiteral("5.51155655462194"));
    // A stored 0 reopens empty, so its result is empty too.
    QVERIFY(Entry("Volume")->text().isEmpty());
    QVERIFY(Result("Volume")->text().isEmpty());
    QCOMPARE(Entry("Temperature")->text(), QStringLiteral("-4"));
    QCOMPARE(Result("Temperature")->text(), QStringLiteral("-20"));
    QCOMPARE(List("Light", "From")->currentText(), QStringLiteral("sb"));
}

void FormGeneralConverterTest::storedIndexBeyondTheListLeavesNoSelection() {
    main_->SetupData().ConverterI[1] = 9;  // Mass has nine units, 0 to 8
    main_->SetupData().ConverterI[2] = kPounds;
    main_->SetupData().ConverterF[1] = 1;
    QVERIFY(Open());
    QCOMPARE(List("Mass", "From")->currentIndex(), -1);
    QVERIFY(Result("Mass")->text().isEmpty());
    Type(Entry("Mass"), QStringLiteral("2"));
    QVERIFY(Result("Mass")->text().isEmpty());
    List("Mass", "From")->setCurrentIndex(kKilograms);
    QCOMPARE(Result("Mass")->text(), QStringLiteral("4.40924524369755"));
}

void FormGeneralConverterTest::storedFormatIsUsedWhenTheShellHasOne() {
    // The shell read SetupI[1] = 7 at start; the converter's own slots then win.
    main_->State().Precision = 7;
    main_->State().Digit = -1;
    engine::TQxSetupData& setup = main_->SetupData();
    setup.ConverterI[21] = 6;
    setup.ConverterI[22] = 5;
    setup.ConverterI[23] = 2;
    setup.ConverterI[1] = kKilograms;
    setup.ConverterI[2] = kPounds;
    setup.ConverterF[1] = 1;
    QVERIFY(Open());
    QCOMPARE(Status("StatusPanelPrecision"), QStringLiteral("Precision: 6"));
    QCOMPARE(Status("StatusPanelDigit"), QStringLiteral("Digit: 3"));
    QCOMPARE(Status("StatusPanelFormat"), QStringLiteral("Format: Fixed"));
    QCOMPARE(setup.ConverterI[22], 3);
    QVERIFY(Find<QAction>(QStringLiteral("FormatFixed"))->isChecked());
    QCOMPARE(Entry("Mass")->text(), QStringLiteral("1.000"));
    QCOMPARE(Result("Mass")->text(), QStringLiteral("2.205"));
}

void FormGeneralConverterTest::displayDigitsRoundTheEntriesNotTheirValue() {
    QVERIFY(Open());
    Choose("Mass", kKilograms, kPounds);
    Type(Entry("Mass"), QStringLiteral("2.5"));
    Type(Entry("Time"), QStringLiteral("1"));  // the mass entry loses the focus
    QCOMPARE(Entry("Mass")->text(), QStringLiteral("3"));
    QCOMPARE(Result("Mass")->text(), QStringLiteral("5.51155655462194"));
    Trigger("Digit2");
    QCOMPARE(Status("StatusPanelDigit"), QStringLiteral("Digit: 2"));
    QCOMPARE(Entry("Mass")->text(), QStringLiteral("2.50"));
    QCOMPARE(Entry("Temperature")->text(), QString());
    QCOMPARE(Result("Mass")->text(), QStringLiteral("5.51155655462194"));
}

void FormGeneralConverterTest::calculatorEntryFollowsTheDesktop() {
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    qputenv("PATH", QFile::encodeName(bin.path()));
    QVERIFY(Open());
    QVERIFY(window_->findChild<QAction*>(QStringLiteral("Calculator1")) == nullptr);
    QVERIFY(window_->close());

    QFile program(bin.path() + QStringLiteral("/galculator"));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nexit 0\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(gui::DesktopCalculator::Find(), program.fileName());
    QVERIFY(Open());
    auto* calculator = window_->findChild<QAction*>(QStringLiteral("Calculator1"));
    QVERIFY(calculator);
    QCOMPARE(calculator->text(), QStringLiteral("Calculator..."));
    QVERIFY(window_->menuBar()->actions().contains(calculator));
}

QTEST_MAIN(FormGeneralConverterTest)
#include "form_general_converter_test.moc"
