#include "gui/resistor/form_resistance_color_code_print.h"

#include <utility>

#include "gui/report/report_preview.h"
#include "gui/report/report_text_metrics.h"
#include "gui/resistor/resistor_legend.h"

namespace quillux::gui {

namespace {

constexpr double kMarginMillimetres = 12.7;

// Detail band, in points from its top.
constexpr double kBandBoxTop = 10.0;
constexpr double kBandBoxHeight = 42.0;
constexpr double kBandBoxGap = 14.0;
// 3 pixels of the screen at 96 dpi.
constexpr double kBandPenPoints = 3.0 * 72.0 / 96.0;
constexpr double kResultTop = 74.0;
constexpr double kResultPitch = 22.0;
constexpr double kResultCaptionWidth = 130.0;
constexpr double kLowerTop = kResultTop + 3 * kResultPitch + 24.0;
constexpr double kLegendWidth = 190.0;
constexpr double kFormulaGap = 28.0;
constexpr double kFormulaLine = 16.0;

const QColor kNavy(0, 0, 128);

ReportFont Font(double pointSize, bool bold = false, QColor colour = Qt::black) {
    ReportFont font;
    font.pointSize = pointSize;
    font.bold = bold;
    font.colour = std::move(colour);
    return font;
}

}  // namespace

const std::array<TFormResistanceColorCodePrint::Formula, 3>&
TFormResistanceColorCodePrint::Formulas() {
    static const std::array<Formula, 3> kFormulas = {{
        {QStringLiteral("Formula for Resistors in Series:"),
         QStringLiteral("Total Resistance = Resistance1+ Resistance2 + Resistance3 ....."),
         {},
         {}},
        {QStringLiteral("Formula for 2 Resistors in Parallel:"),
         QStringLiteral("Total Resistance = "), QStringLiteral("Resistance1 * Resistance2"),
         QStringLiteral("Resistance1 + Resistance2")},
        {QStringLiteral("Formula for Multiple Resistors in Parallel:"),
         QStringLiteral("Total Resistance = "), QStringLiteral("1"),
         QStringLiteral("1/Resistance1 + 1/Resistance2 +....")},
    }};
    return kFormulas;
}

TFormResistanceColorCodePrint::TFormResistanceColorCodePrint(const engine::TQxSetupData& setup,
                                                             TextReader readTexts)
    : report_(kTitle, ReportOrientation::Portrait), readTexts_(std::move(readTexts)) {
    report_.SetMarginsMillimetres(kMarginMillimetres);
    const double width = report_.BodyWidth();

    report_.AddProductTitle(kTitle, kNavy);

    legend_ = ResistorLegend::Picture();
    const double legendHeight = kLegendWidth * legend_.height() / std::max(1, legend_.width());
    ReportBand& detail = report_.SetBand(ReportBandKind::Detail, kLowerTop + legendHeight + 10);

    // The four bands: rectangles outlined in the band's colour, its name inside. A hairline
    // around each keeps a white or silver band visible on white paper.
    const double boxWidth = (width - 3 * kBandBoxGap) / 4;
    const ReportFont nameFont = Font(12, true);
    for (int band = 0; band < 4; ++band) {
        const QRectF box(band * (boxWidth + kBandBoxGap), kBandBoxTop, boxWidth, kBandBoxHeight);
        detail.AddRectangle(box.adjusted(-kBandPenPoints / 2 - 0.5, -kBandPenPoints / 2 - 0.5,
                                         kBandPenPoints / 2 + 0.5, kBandPenPoints / 2 + 0.5),
                            0.4, Qt::black);
        bandBoxes_[band] = &detail.AddRectangle(box, kBandPenPoints, Qt::black);
        detail.AddExpression(
            box, [this, band](const ReportContext&) { return texts_.colourNames[band]; }, nameFont,
            Qt::AlignCenter);
    }

    const ReportFont captionFont = Font(11, true);
    const ReportFont resultFont = Font(11);
    const std::pair<QString, QString Texts::*> results[] = {
        {QStringLiteral("Result in Ohms:"), &Texts::ohms},
        {QStringLiteral("Result in KiloOhms:"), &Texts::kiloOhms},
        {QStringLiteral("Result in MegaOhms:"), &Texts::megaOhms}};
    for (int row = 0; row < 3; ++row) {
        const double top = kResultTop + row * kResultPitch;
        detail.AddText(QRectF(0, top, kResultCaptionWidth, kResultPitch), results[row].first,
                       captionFont);
        detail.AddExpression(
            QRectF(kResultCaptionWidth, top, width - kResultCaptionWidth, kResultPitch),
            [this, member = results[row].second](const ReportContext&) { return texts_.*member; },
            resultFont);
    }

    detail.AddPictureExpression(QRectF(0, kLowerTop, kLegendWidth, legendHeight),
                                [this](const ReportContext&) { return legend_; });

    const double left = kLegendWidth + kFormulaGap;
    const double formulaWidth = width - left;
    detail.AddText(QRectF(left, kLowerTop, formulaWidth, 22), QStringLiteral("Formulas"),
                   Font(14, true));
    const ReportFont headingFont = Font(11, true);
    const ReportFont formulaFont = Font(10);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter;
    double top = kLowerTop + 34;
    for (const Formula& formula : Formulas()) {
        detail.AddText(QRectF(left, top, formulaWidth, kFormulaLine), formula.heading, headingFont);
        top += kFormulaLine + 2;
        if (formula.numerator.isEmpty()) {
            ReportElement& line =
                detail.AddText(QRectF(left + 8, top, formulaWidth - 8, 2 * kFormulaLine),
                               formula.lead, formulaFont, Qt::AlignLeft | Qt::AlignTop);
            line.wordWrap = true;
            top += 2 * kFormulaLine + 12;
            continue;
        }
        const double leadWidth =
            ReportTextMetrics::Measure(formulaFont, formulaWidth, kFlags, formula.lead).width() + 2;
        const double fractionWidth =
            std::max(
                ReportTextMetrics::Measure(formulaFont, formulaWidth, kFlags, formula.numerator)
                    .width(),
                ReportTextMetrics::Measure(formulaFont, formulaWidth, kFlags, formula.denominator)
                    .width()) +
            10;
        const double fractionLeft = left + 8 + leadWidth;
        detail.AddText(QRectF(left + 8, top + kFormulaLine / 2, leadWidth, kFormulaLine),
                       formula.lead, formulaFont);
        detail.AddText(QRectF(fractionLeft, top, fractionWidth, kFormulaLine), formula.numerator,
                       formulaFont, Qt::AlignCenter);
        detail.AddLine(QPointF(fractionLeft, top + kFormulaLine + 0.5),
                       QPointF(fractionLeft + fractionWidth, top + kFormulaLine + 0.5), 0.8);
        detail.AddText(QRectF(fractionLeft, top + kFormulaLine + 1, fractionWidth, kFormulaLine),
                       formula.denominator, formulaFont, Qt::AlignCenter);
        top += 2 * kFormulaLine + 16;
    }

    report_.AddCommonFooter(setup);
    report_.AddPageStartHook([this](int) { QuickRepStartPage(); });
}

void TFormResistanceColorCodePrint::QuickRepStartPage() {
    if (readTexts_) texts_ = readTexts_();
    for (int band = 0; band < 4; ++band) {
        const QColor colour = texts_.colours[band];
        bandBoxes_[band]->penColour = colour.isValid() ? colour : QColor(Qt::black);
    }
}

void TFormResistanceColorCodePrint::Preview(QWidget* caller) {
    ReportPreview::ShowReport(report_, caller);
}

}  // namespace quillux::gui
