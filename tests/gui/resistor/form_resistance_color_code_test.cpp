#include "gui/resistor/form_resistance_color_code.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "engine/setup/setup_data.h"
#include "gui/report/report_preview.h"
#include "gui/resistor/color_swatch.h"
#include "gui/resistor/resistor_drawing.h"
#include "gui/shell/form_main.h"
#include "gui/shell/module_registry.h"
#include "gui/shell/shell_test_support.h"
#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"
#include "gui/widgets/decimal_edit.h"

using namespace quillux;
using namespace quillux::testing;
using gui::ModuleId;
using gui::TFormMain;
using gui::TFormResistanceColorCode;

namespace {

// Band colours as the colour table gives them.
QColor Colour(const char* name) {
    const auto colour = engine::ResistorColourByName(name);
    const engine::ResistorColourInfo& info = engine::ResistorColourData(*colour);
    return {info.red, info.green, info.blue};
}

}  // namespace

class FormResistanceColorCodeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithBlackBandsAndBrownTolerance();
    void typedValueGivesBands_data();
    void typedValueGivesBands();
    void swatchesGiveTheResistance();
    void swatchClickWhileTypingShowsTheBandsValue();
    void swatchHintsNameWhatTheyDo();
    void stepButtonsFollowTheValue();
    void unitButtonReadsTheNumberInTheNewUnit();
    void entryIsRememberedWithoutItsUnit();
    void clearAllFieldsSetsTheEntryToZero();
    void reportPrintsBandsResultsAndFormulas();

private:
    TFormResistanceColorCode* Open();
    template <typename T = QLineEdit>
    T* Find(const QString& name) {
        T* child = window_->findChild<T*>(name);
        if (child == nullptr) qWarning("no control %s", qPrintable(name));
        return child;
    }
    QString Text(const char* name) { return Find(QString::fromLatin1(name))->text(); }
    gui::DecimalEdit* Entry() {
        return Find<gui::DecimalEdit>(QStringLiteral("EditResistanceEntry"));
    }
    void TypeEntry(const QString& text) {
        gui::DecimalEdit* entry = Entry();
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClicks(entry, text);
    }
    void ClickSwatch(const char* name) {
        auto* swatch = Find<gui::ColorSwatch>(QString::fromLatin1(name));
        QVERIFY2(swatch, name);
        QTest::mouseClick(swatch, Qt::LeftButton);
    }
    void ClickRadio(const char* name) {
        auto* button = Find<QRadioButton>(QString::fromLatin1(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        QVERIFY(button->isChecked());
    }
    void ExpectBands(const QStringList& names) {
        const std::array<QString, 4> shown = window_->BandNames();
        auto* drawing = Find<gui::ResistorDrawing>(QStringLiteral("ShapeResistor"));
        for (int band = 0; band < names.size(); ++band) {
            QCOMPARE(shown[band], names[band]);
            QCOMPARE(drawing->BandColour(band), Colour(qPrintable(names[band])));
        }
    }

    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TFormMain> main_;
    TFormResistanceColorCode* window_ = nullptr;
};

void FormResistanceColorCodeTest::init() {
    folder_ = std::make_unique<TemporaryProgramFolder>(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder_->IsValid());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    CreateShippedFiles(folder_->DataPath());
    main_ = std::make_unique<TFormMain>(folder_->Path(), TFormMain::Options{false});
}

void FormResistanceColorCodeTest::cleanup() {
    window_ = nullptr;
    main_.reset();
    dialogs_.reset();
    folder_.reset();
}

TFormResistanceColorCode* FormResistanceColorCodeTest::Open() {
    window_ = qobject_cast<TFormResistanceColorCode*>(
        main_->Modules().Open(ModuleId::ResistanceColorCode));
    if (window_ != nullptr) {
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_)) return nullptr;
    }
    return window_;
}

void FormResistanceColorCodeTest::opensWithBlackBandsAndBrownTolerance() {
    QVERIFY(Open());
    QCOMPARE(window_->windowTitle(), QStringLiteral("QLX Resistance Color Code"));
    ExpectBands({"Black", "Black", "Black", "Brown"});
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("0.0 Ohms (+/- 1% tolerance)"));
    QCOMPARE(Text("EditResultKiloOhms"), QStringLiteral("0.0 Kilo Ohms (+/- 1% tolerance)"));
    QCOMPARE(Text("EditResultMegaOhms"), QStringLiteral("0.0 Mega Ohms (+/- 1% tolerance)"));
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonOhms"))->isChecked());
    QVERIFY(Entry()->hasFocus());
    QCOMPARE(window_->findChildren<gui::ColorSwatch*>().size(), 39);
}

void FormResistanceColorCodeTest::typedValueGivesBands_data() {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QString>("ohms");
    QTest::addColumn<QString>("entryAfter");
    QTest::newRow("below one tenth is all black")
        << "RadioButtonOhms"
        << "0.09" << QStringList{"Black", "Black", "Black"} << "0.0 Ohms (+/- 1% tolerance)"
        << "0.09";
    QTest::newRow("one tenth takes the silver multiplier")
        << "RadioButtonOhms"
        << "0.1" << QStringList{"Brown", "Black", "Silver"} << "0.1 Ohms (+/- 1% tolerance)"
        << "0.1";
    QTest::newRow("0.47 is yellow purple silver")
        << "RadioButtonOhms"
        << "0.47" << QStringList{"Yellow", "Purple", "Silver"} << "0.5 Ohms (+/- 1% tolerance)"
        << "0.47";
    QTest::newRow("9.99 is cut, not rounded")
        << "RadioButtonOhms"
        << "9.99" << QStringList{"White", "White", "Gold"} << "9.9 Ohms (+/- 1% tolerance)"
        << "9.99";
    QTest::newRow("ten is brown black black")
        << "RadioButtonOhms"
        << "10" << QStringList{"Brown", "Black", "Black"} << "10.0 Ohms (+/- 1% tolerance)"
        << "10";
    QTest::newRow("2.9 keeps its nine despite binary rounding")
        << "RadioButtonOhms"
        << "2.9" << QStringList{"Red", "White", "Gold"} << "2.9 Ohms (+/- 1% tolerance)"
        << "2.9";
    QTest::newRow("4780 shows the bands of 4700")
        << "RadioButtonOhms"
        << "4780" << QStringList{"Yellow", "Purple", "Red"} << "4700.0 Ohms (+/- 1% tolerance)"
        << "4780";
    QTest::newRow("4.7 kilo-ohms")
        << "RadioButtonKiloOhms"
        << "4.7" << QStringList{"Yellow", "Purple", "Red"} << "4700.0 Ohms (+/- 1% tolerance)"
        << "4.7";
    QTest::newRow("above the largest value is brought down to it")
        << "RadioButtonOhms"
        << "99000000001" << QStringList{"White", "White", "White"}
        << "99000000000.0 Ohms (+/- 1% tolerance)"
        << "99000000000";
    QTest::newRow("the cap holds in mega-ohms too")
        << "RadioButtonMegaOhms"
        << "200000" << QStringList{"White", "White", "White"}
        << "99000000000.0 Ohms (+/- 1% tolerance)"
        << "99000";
}

void FormResistanceColorCodeTest::typedValueGivesBands() {
    QFETCH(QString, unit);
    QFETCH(QString, typed);
    QFETCH(QStringList, bands);
    QFETCH(QString, ohms);
    QFETCH(QString, entryAfter);
    QVERIFY(Open());
    ClickRadio(qPrintable(unit));
    TypeEntry(typed);
    QVERIFY(Entry()->hasFocus());
    ExpectBands(bands);
    QCOMPARE(Text("EditResultOhms"), ohms);
    QCOMPARE(Entry()->text(), entryAfter);
}

void FormResistanceColorCodeTest::swatchesGiveTheResistance() {
    QVERIFY(Open());
    ClickRadio("RadioButtonOhms");
    ClickSwatch("SwatchAYellow");
    ClickSwatch("SwatchBPurple");
    ClickSwatch("SwatchCRed");
    ClickSwatch("SwatchDGold");
    ExpectBands({"Yellow", "Purple", "Red", "Gold"});
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("4700.0 Ohms (+/- 5% tolerance)"));
    QCOMPARE(Text("EditResultKiloOhms"), QStringLiteral("4.7 Kilo Ohms (+/- 5% tolerance)"));
    QCOMPARE(Text("EditResultMegaOhms"), QStringLiteral("0.0 Mega Ohms (+/- 5% tolerance)"));
    QCOMPARE(Entry()->text(), QStringLiteral("4700"));

    ClickRadio("RadioButtonKiloOhms");
    QCOMPARE(Entry()->text(), QStringLiteral("4700"));
    QCOMPARE(Text("EditResultKiloOhms"), QStringLiteral("4700.0 Kilo Ohms (+/- 5% tolerance)"));
    ClickSwatch("SwatchDNoColor");
    QCOMPARE(Text("EditResultMegaOhms"), QStringLiteral("4.7 Mega Ohms (+/- 20% tolerance)"));
}

void FormResistanceColorCodeTest::swatchClickWhileTypingShowsTheBandsValue() {
    QVERIFY(Open());
    TypeEntry("12");
    ExpectBands({"Brown", "Red", "Black"});
    QCOMPARE(Entry()->text(), QStringLiteral("12"));
    ClickSwatch("SwatchCRed");
    QVERIFY(!Entry()->hasFocus());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonOhms"))->hasFocus());
    QCOMPARE(Entry()->text(), QStringLiteral("1200"));
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("1200.0 Ohms (+/- 1% tolerance)"));
}

void FormResistanceColorCodeTest::swatchHintsNameWhatTheyDo() {
    QVERIFY(Open());
    const std::pair<const char*, const char*> hints[] = {
        {"SwatchABlack", "0"},
        {"SwatchBWhite", "9"},
        {"SwatchCOrange", "Multiply by  1000"},
        {"SwatchCWhite", "Multiply by 1000000000"},
        {"SwatchCSilver", "Multiply by 0.01"},
        {"SwatchDBrown", "1 % tolerance"},
        {"SwatchDSilver", "10 % tolerance"},
        {"SwatchDNoColor", "No color = 20 % tolerance"}};
    for (const auto& [name, hint] : hints) {
        QCOMPARE(Find<gui::ColorSwatch>(QString::fromLatin1(name))->toolTip(),
                 QString::fromLatin1(hint));
    }
    QCOMPARE(Find<QWidget>(QStringLiteral("LabelBandA"))->toolTip(),
             QStringLiteral("A= First digiit"));
}

void FormResistanceColorCodeTest::stepButtonsFollowTheValue() {
    QVERIFY(Open());
    auto* up = Find<QToolButton>(QStringLiteral("SpeedButtonUp"));
    auto* down = Find<QToolButton>(QStringLiteral("SpeedButtonDown"));
    TypeEntry("0.1");
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(Entry()->text(), QStringLiteral("0"));
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("0.0 Ohms (+/- 1% tolerance)"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(Entry()->text(), QStringLiteral("0.1"));
    ExpectBands({"Brown", "Black", "Silver"});

    TypeEntry("4700");
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(Entry()->text(), QStringLiteral("4800"));
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("4800.0 Ohms (+/- 1% tolerance)"));
    QVERIFY(Entry()->hasFocus());
    // The arrow keys of the entry step it the same way.
    QTest::keyClick(Entry(), Qt::Key_Down);
    QTest::keyClick(Entry(), Qt::Key_Down);
    QCOMPARE(Entry()->text(), QStringLiteral("4600"));
    ExpectBands({"Yellow", "Blue", "Red"});
}

void FormResistanceColorCodeTest::unitButtonReadsTheNumberInTheNewUnit() {
    QVERIFY(Open());
    TypeEntry("470");
    ClickRadio("RadioButtonKiloOhms");
    QCOMPARE(Entry()->text(), QStringLiteral("470"));
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("470000.0 Ohms (+/- 1% tolerance)"));
    ExpectBands({"Yellow", "Purple", "Yellow"});
}

void FormResistanceColorCodeTest::entryIsRememberedWithoutItsUnit() {
    QVERIFY(Open());
    ClickRadio("RadioButtonKiloOhms");
    TypeEntry("4.7");
    QVERIFY(window_->close());
    QCOMPARE(main_->SetupData().SetupF[1], 4.7);

    QVERIFY(Open());
    QVERIFY(Find<QRadioButton>(QStringLiteral("RadioButtonOhms"))->isChecked());
    QCOMPARE(Entry()->text(), QStringLiteral("4.7"));
    ExpectBands({"Yellow", "Purple", "Gold", "Brown"});
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("4.7 Ohms (+/- 1% tolerance)"));
}

void FormResistanceColorCodeTest::clearAllFieldsSetsTheEntryToZero() {
    QVERIFY(Open());
    ClickSwatch("SwatchDSilver");
    TypeEntry("470");
    QTest::keyClick(Entry(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Entry()->text(), QStringLiteral("0"));
    ExpectBands({"Black", "Black", "Black", "Silver"});
    QCOMPARE(Text("EditResultOhms"), QStringLiteral("0.0 Ohms (+/- 10% tolerance)"));
}

void FormResistanceColorCodeTest::reportPrintsBandsResultsAndFormulas() {
    main_->SetupData().SetupS[2].Set("Jo Lamp");
    QVERIFY(Open());
    ClickSwatch("SwatchAYellow");
    ClickSwatch("SwatchBPurple");
    ClickSwatch("SwatchCRed");
    ClickSwatch("SwatchDGold");

    const QString pdf = folder_->File(QStringLiteral("resistor.pdf"));
    bool saved = false;
    QTimer look;
    look.setSingleShot(true);
    connect(&look, &QTimer::timeout, window_, [&] {
        QPointer<gui::ReportPreview> preview = window_->findChild<gui::ReportPreview*>();
        if (preview.isNull()) return;
        QCOMPARE(preview->windowTitle(),
                 QStringLiteral("Report Preview : Resistance Color Code Report"));
        saved = preview->SaveTo(pdf);
        preview->close();
    });
    look.start(0);
    QTest::keyClick(window_, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(saved);
    QVERIFY(window_->isVisible());

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QStringList expected = {"Quillux",
                                  "Resistance Color Code Report",
                                  "Yellow",
                                  "Purple",
                                  "Gold",
                                  "Result in Ohms: 4700.0 Ohms (+/- 5% tolerance)",
                                  "Result in KiloOhms: 4.7 Kilo Ohms (+/- 5% tolerance)",
                                  "Result in MegaOhms: 0.0 Mega Ohms (+/- 5% tolerance)",
                                  "Formulas",
                                  "Formula for Resistors in Series:",
                                  "Formula for 2 Resistors in Parallel:",
                                  "Resistance1 * Resistance2",
                                  "Formula for Multiple Resistors in Parallel:",
                                  "1/Resistance1 + 1/Resistance2 +....",
                                  "This report was produce by the Quillux Lite for Jo Lamp"};
    QString flat = text;
    flat.replace(QRegularExpression(QStringLiteral("[ \t]+")), QStringLiteral(" "));
    for (const QString& line : expected) {
        QVERIFY2(flat.contains(line), qPrintable(line + QStringLiteral("\n---\n") + text));
    }
}

QTEST_MAIN(FormResistanceColorCodeTest)
#include "form_resistance_color_code_test.moc"
