#include "gui/electrical/form_electrical_basic_formula_print.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "engine/electrical/basic_formula.h"
#include "engine/setup/setup_data.h"

using namespace quillux;
using namespace quillux::gui;

namespace {

// A stand-in for the basic-laws window: the 36 boxes under their real names.
class BoxWindow : public QWidget {
public:
    BoxWindow() {
        for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
            for (const char* name : {formula.inputBoxA, formula.inputBoxB, formula.resultBox}) {
                auto* box = new QLineEdit(this);
                box->setObjectName(QString::fromLatin1(name));
            }
        }
    }
    void Fill(int reportNumber, const QString& a, const QString& b) {
        const engine::BasicFormulaInfo& formula = engine::BasicFormulaTable()[reportNumber - 1];
        Box(formula.inputBoxA)->setText(a);
        Box(formula.inputBoxB)->setText(b);
        Box(formula.resultBox)
            ->setText(QString::fromStdString(
                engine::BasicFormulaResultText(reportNumber, a.toDouble(), b.toDouble())));
    }
    QLineEdit* Box(const char* name) { return findChild<QLineEdit*>(QString::fromLatin1(name)); }
};

QStringList NumberedLines(const QString& list) {
    QStringList lines;
    for (const QString& line : list.split(QLatin1Char('\n'))) {
        if (!line.isEmpty()) lines << line;
    }
    return lines;
}

}  // namespace

class FormElectricalBasicFormulaPrintTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyFilledFormulaIsListedWithBoxTexts();
    void formulaWithEmptyInputTakesNoNumber();
    void reportIsOnePageWithSentenceAndFooter();
    void formulaWheelIsPrintedWhenPresent();

private:
    std::unique_ptr<engine::TQxSetupData> setup_;
    std::unique_ptr<BoxWindow> window_;
    std::unique_ptr<QTemporaryDir> programFolder_;
};

void FormElectricalBasicFormulaPrintTest::init() {
    setup_ = std::make_unique<engine::TQxSetupData>();
    setup_->Clear();
    setup_->SetupS[2].Set("Jane Doe");
    window_ = std::make_unique<BoxWindow>();
    programFolder_ = std::make_unique<QTemporaryDir>();
    QDir(programFolder_->path()).mkdir(QStringLiteral("Resources"));
    // Inputs whose results are easy to check by hand.
    const QString inputs[12][2] = {{"3", "10"},    {"12", "4"}, {"120", "2"}, {"100", "4"},
                                   {"600", "120"}, {"12", "4"}, {"3", "10"},  {"600", "5"},
                                   {"100", "4"},   {"12", "3"}, {"12", "36"}, {"90", "3"}};
    for (int n = 1; n <= 12; ++n) window_->Fill(n, inputs[n - 1][0], inputs[n - 1][1]);
}

void FormElectricalBasicFormulaPrintTest::everyFilledFormulaIsListedWithBoxTexts() {
    TFormElectricalBasicFormulaPrint print(
        *setup_, programFolder_->path() + "/",
        TFormElectricalBasicFormulaPrint::WindowBoxes(window_.get()));
    const ReportDocument document = print.QuickRep().Layout();
    QString list;
    for (const QString& text : document.PageTexts(0)) {
        if (text.startsWith(QStringLiteral("1: ("))) list = text;
    }
    const QStringList lines = NumberedLines(list);
    const QStringList expected = {
        "1: (3 Amps² * 10 Ohms) = 90.00 Watts",        "2: (12 Volts² / 4 Ohms) = 36.00 Watts",
        "3: (120 Volts * 2 Amps) = 240.00 Watts",      "4: (SQRT(100 Watts) / 4 Ohms) = 5.00 Amps",
        "5: (600 Watts / 120 Volts) = 5.00 Amps",      "6: (12 Volts / 4 Omhs) = 3.00 Amps",
        "7: (3 Amps * 10 Omhs) = 30.00 Volts",         "8: (600 Watts / 5 Amps) = 120.00 Volts",
        "9: (SQRT(100) Watts * 4 Ohms) = 20.00 Volts", "10: (12 Volts / 3 Amps) = 4.00 Ohms",
        "11: (12 Volts² / 36 Watts) = 4.00 Ohms",      "12: (90 Watts / 3 Amps²) = 10.00 Ohms",
    };
    QCOMPARE(lines, expected);
    // An empty line between formulas, none after the twelfth.
    QVERIFY(list.contains(QStringLiteral("Watts\n\n2: (")));
    QVERIFY(list.endsWith(QStringLiteral("10.00 Ohms")));
}

void FormElectricalBasicFormulaPrintTest::formulaWithEmptyInputTakesNoNumber() {
    window_->Box(engine::BasicFormulaTable()[2].inputBoxB)->clear();
    window_->Box(engine::BasicFormulaTable()[0].inputBoxA)->setText(QStringLiteral("0"));
    window_->Box(engine::BasicFormulaTable()[5].resultBox)->setText(QStringLiteral("Error"));
    const QStringList lines = NumberedLines(TFormElectricalBasicFormulaPrint::FormulaList(
        TFormElectricalBasicFormulaPrint::WindowBoxes(window_.get())()));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[2], QStringLiteral("3: (SQRT(100 Watts) / 4 Ohms) = 5.00 Amps"));
    QCOMPARE(lines[4], QStringLiteral("5: (12 Volts / 4 Omhs) = Error"));  // copied as shown
    QCOMPARE(lines[10], QStringLiteral("11: (90 Watts / 3 Amps²) = 10.00 Ohms"));
    QVERIFY(lines[0].startsWith(QStringLiteral("1: (0 Amps² * 10 Ohms) = ")));
}

void FormElectricalBasicFormulaPrintTest::reportIsOnePageWithSentenceAndFooter() {
    TFormElectricalBasicFormulaPrint print(
        *setup_, programFolder_->path() + "/",
        TFormElectricalBasicFormulaPrint::WindowBoxes(window_.get()));
    const ReportDocument document = print.QuickRep().Layout();
    QCOMPARE(document.PageCount(), 1);
    QCOMPARE(document.title, QStringLiteral("Basic Electrical Formulas"));
    QVERIFY(!document.Landscape());
    const QStringList texts = document.PageTexts(0);
    for (const QString& expected :
         {QStringLiteral("Quillux"), QStringLiteral("Basic Electrical Formulas Report"),
          QStringLiteral("P = Watts\nE = Volts\nI = Amps\nR = Resistance (Ohms)"),
          TFormElectricalBasicFormulaPrint::kFooterSentence,
          QStringLiteral("Basic Electrical Formulas"),
          QStringLiteral("This report was produce by the Quillux Lite for Jane Doe")}) {
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    }
    // Nothing is drawn outside the 12.7 mm margins.
    const QRectF body =
        QRectF(QPointF(0, 0), document.pageSize).adjusted(35.99, 35.99, -35.99, -35.99);
    for (const ReportPageItem& item : document.pages[0].items) {
        QVERIFY2(body.contains(item.rect.topLeft()) && body.contains(item.rect.bottomRight()),
                 qPrintable(item.text));
    }
}

void FormElectricalBasicFormulaPrintTest::formulaWheelIsPrintedWhenPresent() {
    auto pictures = [&] {
        TFormElectricalBasicFormulaPrint print(
            *setup_, programFolder_->path() + "/",
            TFormElectricalBasicFormulaPrint::WindowBoxes(window_.get()));
        const ReportDocument document = print.QuickRep().Layout();
        int count = 0;
        for (const ReportPageItem& item : document.pages[0].items) {
            count += item.kind == ReportPageItem::Kind::Picture ? 1 : 0;
        }
        return count;
    };
    QCOMPARE(pictures(), 0);  // missing file: the picture stays empty
    QImage wheel(64, 64, QImage::Format_RGB32);
    wheel.fill(Qt::red);
    QVERIFY(wheel.save(programFolder_->path() + "/Resources/ohmlaw.bmp", "BMP"));
    QCOMPARE(pictures(), 1);
}

QTEST_MAIN(FormElectricalBasicFormulaPrintTest)
#include "form_electrical_basic_formula_print_test.moc"
