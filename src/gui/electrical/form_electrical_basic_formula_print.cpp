#include "gui/electrical/form_electrical_basic_formula_print.h"

#include <QFileInfo>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <utility>

#include "engine/setup/setup_data.h"
#include "gui/report/report_preview.h"

namespace quillux::gui {

namespace {

constexpr double kMarginMillimetres = 12.7;
constexpr double kListTopPoints = 8.0;
constexpr double kListLinePoints = 16.0;
constexpr double kPictureGapPoints = 18.0;
constexpr double kPictureSidePoints = 230.0;
constexpr double kLegendWidthPoints = 170.0;
constexpr double kSentencePoints = 26.0;

}  // namespace

TFormElectricalBasicFormulaPrint::TFormElectricalBasicFormulaPrint(
    const engine::TQxSetupData& setup, const QString& installDir, BoxReader readBoxes)
    : report_(kTitle, ReportOrientation::Portrait),
      installDir_(installDir),
      readBoxes_(std::move(readBoxes)) {
    report_.SetMarginsMillimetres(kMarginMillimetres);
    const double width = report_.BodyWidth();

    report_.AddProductTitle(QStringLiteral("Basic Electrical Formulas Report"));

    // The list grows with its lines; the picture and the legend follow it down.
    ReportBand& detail =
        report_.SetBand(ReportBandKind::Detail,
                        kListTopPoints + kListLinePoints + kPictureGapPoints + kPictureSidePoints);
    ReportFont listFont;
    listFont.pointSize = 11.0;
    ReportElement& list = detail.AddExpression(
        QRectF(0, kListTopPoints, width, kListLinePoints),
        [this](const ReportContext&) { return formulaList_; }, listFont,
        Qt::AlignLeft | Qt::AlignTop);
    list.wordWrap = true;
    list.stretch = true;
    const double pictureTop = kListTopPoints + kListLinePoints + kPictureGapPoints;
    ReportFont legendFont;
    legendFont.pointSize = 11.0;
    legendFont.bold = true;
    detail.AddText(QRectF(0, pictureTop + kPictureSidePoints / 2 - 36, kLegendWidthPoints, 72),
                   QStringLiteral("P = Watts\nE = Volts\nI = Amps\nR = Resistance (Ohms)"),
                   legendFont, Qt::AlignLeft | Qt::AlignVCenter);
    detail.AddPictureExpression(QRectF((width - kPictureSidePoints) / 2, pictureTop,
                                       kPictureSidePoints, kPictureSidePoints),
                                [this](const ReportContext&) { return formulaWheel_; });

    ReportBand& footer = report_.AddCommonFooter(setup, kSentencePoints);
    ReportFont sentence;
    sentence.pointSize = 9.0;
    sentence.italic = true;
    ReportElement& text = footer.AddText(QRectF(0, 0, width, kSentencePoints), kFooterSentence,
                                         sentence, Qt::AlignCenter);
    text.wordWrap = true;

    report_.AddPageStartHook([this](int) { QuickRepStartPage(); });
}

void TFormElectricalBasicFormulaPrint::QuickRepStartPage() {
    const QString picturePath = installDir_ + QStringLiteral("Resources/ohmlaw.bmp");
    formulaWheel_ = QFileInfo::exists(picturePath) ? QImage(picturePath) : QImage();
    formulaList_ = readBoxes_ ? FormulaList(readBoxes_()) : QString();
}

QString TFormElectricalBasicFormulaPrint::FormulaList(const FormulaBoxes& boxes) {
    QStringList lines;
    int number = 1;
    for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
        const FormulaTexts& texts = boxes[formula.reportNumber - 1];
        if (texts.a.isEmpty() || texts.b.isEmpty()) continue;
        lines << QString::number(number) + QString::fromUtf8(formula.firstLiteral) + texts.a +
                     QString::fromUtf8(formula.secondLiteral) + texts.b +
                     QString::fromUtf8(formula.thirdLiteral) + texts.result;
        if (formula.reportNumber != engine::kBasicFormulaCount) lines << QString();
        ++number;
    }
    return lines.join(QLatin1Char('\n'));
}

TFormElectricalBasicFormulaPrint::BoxReader TFormElectricalBasicFormulaPrint::WindowBoxes(
    const QWidget* window) {
    return [guard = QPointer<QWidget>(const_cast<QWidget*>(window))] {
        FormulaBoxes boxes;
        if (guard.isNull()) return boxes;
        auto text = [&](const char* name) {
            const QWidget* box = guard->findChild<const QWidget*>(QString::fromLatin1(name));
            return box != nullptr ? box->property("text").toString() : QString();
        };
        for (const engine::BasicFormulaInfo& formula : engine::BasicFormulaTable()) {
            boxes[formula.reportNumber - 1] = {text(formula.inputBoxA), text(formula.inputBoxB),
                                               text(formula.resultBox)};
        }
        return boxes;
    };
}

void TFormElectricalBasicFormulaPrint::Preview(QWidget* caller) {
    ReportPreview::ShowReport(report_, caller);
}

}  // namespace quillux::gui
