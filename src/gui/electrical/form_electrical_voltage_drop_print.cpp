#include "gui/electrical/form_electrical_voltage_drop_print.h"

#include "engine/electrical/voltage_drop.h"
#include "engine/setup/setup_data.h"
#include "gui/report/report_preview.h"

namespace quillux::gui {

namespace {

constexpr double kMarginMillimetres = 12.7;

// The three framed boxes, side by side across the page.
constexpr int kBoxCount = 3;
constexpr double kBoxGapPoints = 9.0;
constexpr double kBoxTitlePoints = 18.0;
constexpr double kRowPoints = 13.0;
constexpr double kBoxPaddingPoints = 6.0;
constexpr double kCaptionWidthPoints = 84.0;
constexpr int kRowsPerBox = 8;  // the wire type and seven rows

// Under the boxes: the explanation at the left, the two gauge columns at the right.
constexpr double kExplanationGapPoints = 14.0;
constexpr double kExplanationLinePoints = 10.0;
constexpr double kGaugeColumnWidthPoints = 100.0;
constexpr double kGaugeColumnGapPoints = 6.0;
constexpr double kGaugeLinePoints = 9.5;
// Gauges 0000 to 19 in the first column, 20 to 40 in the second.
constexpr int kFirstColumnGauges = 23;

constexpr double kFooterLinesPoints = 26.0;

const QStringList kExplanation = {
    QStringLiteral("Formula: Vd = ( P * K * L * I ) / Cm "),
    QString(),
    QStringLiteral("Where: "),
    QStringLiteral("Vd = Voltage drop ( what we're looking for ) "),
    QStringLiteral("P = Phase of circuit ( 2 for single phase or DC, 1.732 for three phase ) "),
    QStringLiteral("K = Resistance constant ( 12.9 for copper, 21.2 for aluminum ) "),
    QStringLiteral("L = One-way length of circuit "),
    QStringLiteral("I = Amperage of the load being served "),
    QStringLiteral("Cm = Circular mil area of the conductor ( According to the table ) "),
    QString(),
    QStringLiteral("ex. 1 "),
    QStringLiteral("One 7-1/2 hp three-phase motor draws 24.2 amps at 208 volts. "),
    QStringLiteral("We are feeding this motor with # 8 copper THWN "),
    QStringLiteral("and the motor is 150 feet from the panelboard. "),
    QString(),
    QStringLiteral("What is the voltage drop in this run of wire? "),
    QStringLiteral("And is it less than 3% of the supply voltage at the panelboard? "),
    QString(),
    QStringLiteral("1. Find the allowable voltage drop in the circuit ( 3% ).  "),
    QStringLiteral("    208 * .03 = 6.24, so allowable drop is 6.24 volts "),
    QString(),
    QStringLiteral("2. Find the Cm of # 8 conductor in table.  "),
    QStringLiteral("    # 8 copper = 16500 Cm "),
    QString(),
    QStringLiteral("3. Find the voltage drop.  "),
    QStringLiteral("    Vd = ( 1.732 * 12.9 * 150 * 24.2 ) / 16500 "),
    QStringLiteral("    Vd = ( 81104.36 ) / 16500  "),
    QStringLiteral("    Vd = 4.92 volts "),
    QStringLiteral("    4.92 is less than 6.24 so this is less than the 3% allowed. "),
};

QString PhaseText(bool singlePhase) {
    return singlePhase ? QStringLiteral("Single Phase") : QStringLiteral("Three-Phases");
}

// "0000awg - 120mm" -> 212000 = 0000 = 120mm; "3awg" -> 52600 = 3.
QString GaugeLine(const engine::WireGauge& gauge) {
    const QString entry = QString::fromLatin1(gauge.listEntry);
    const QString awg = entry.section(QStringLiteral("awg"), 0, 0);
    const QString metric = entry.section(QStringLiteral(" - "), 1);
    QString line = QString::number(gauge.circularMils) + QStringLiteral(" = ") + awg;
    if (!metric.isEmpty()) line += QStringLiteral(" = ") + metric;
    return line;
}

}  // namespace

TFormElectricalVoltageDropPrint::TFormElectricalVoltageDropPrint(const engine::TQxSetupData& setup,
                                                                 TextReader readTexts)
    : report_(kTitle, ReportOrientation::Portrait), readTexts_(std::move(readTexts)) {
    report_.SetMarginsMillimetres(kMarginMillimetres);
    const double width = report_.BodyWidth();

    report_.AddProductTitle(kTitle);

    const double boxWidth = (width - (kBoxCount - 1) * kBoxGapPoints) / kBoxCount;
    const double boxHeight = kBoxTitlePoints + kRowsPerBox * kRowPoints + kBoxPaddingPoints;
    const double lowerTop = boxHeight + kExplanationGapPoints;
    const double explanationHeight = kExplanation.size() * kExplanationLinePoints;
    ReportBand& detail = report_.SetBand(ReportBandKind::Detail, lowerTop + explanationHeight);

    ReportFont boxTitle;
    boxTitle.pointSize = 10.0;
    boxTitle.bold = true;
    ReportFont rowFont;
    rowFont.pointSize = 9.0;
    const QString boxTitles[kBoxCount] = {QStringLiteral("Voltage Drop"),
                                          QStringLiteral("Wire Size"), QStringLiteral("Distance")};
    for (int box = 0; box < kBoxCount; ++box) {
        const double left = box * (boxWidth + kBoxGapPoints);
        detail.AddRectangle(QRectF(left, 0, boxWidth, boxHeight), 0.75);
        detail.AddText(QRectF(left + kBoxPaddingPoints, 2, boxWidth - 2 * kBoxPaddingPoints,
                              kBoxTitlePoints - 2),
                       boxTitles[box], boxTitle, Qt::AlignHCenter | Qt::AlignVCenter);
        for (int row = 0; row < kRowsPerBox; ++row) {
            const double top = kBoxTitlePoints + row * kRowPoints;
            const double inner = boxWidth - 2 * kBoxPaddingPoints;
            if (row == 0) {
                // "Wire type: Copper" reads as one line across the box.
                detail.AddExpression(
                    QRectF(left + kBoxPaddingPoints, top, inner, kRowPoints),
                    [this, box](const ReportContext&) {
                        return rows_[box][0].first + QLatin1Char(' ') + rows_[box][0].second;
                    },
                    rowFont);
                continue;
            }
            detail.AddExpression(
                QRectF(left + kBoxPaddingPoints, top, kCaptionWidthPoints, kRowPoints),
                [this, box, row](const ReportContext&) {
                    return row < static_cast<int>(rows_[box].size()) ? rows_[box][row].first
                                                                     : QString();
                },
                rowFont);
            detail.AddExpression(
                QRectF(left + kBoxPaddingPoints + kCaptionWidthPoints, top,
                       inner - kCaptionWidthPoints, kRowPoints),
                [this, box, row](const ReportContext&) {
                    return row < static_cast<int>(rows_[box].size()) ? rows_[box][row].second
                                                                     : QString();
                },
                rowFont);
        }
    }

    ReportFont explanationFont;
    explanationFont.pointSize = 8.0;
    const double gaugeLeft = width - 2 * kGaugeColumnWidthPoints - kGaugeColumnGapPoints;
    detail.AddText(QRectF(0, lowerTop, gaugeLeft - kBoxGapPoints, explanationHeight),
                   kExplanation.join(QLatin1Char('\n')), explanationFont,
                   Qt::AlignLeft | Qt::AlignTop);

    ReportFont gaugeFont;
    gaugeFont.pointSize = 7.5;
    const std::array<QStringList, 2> columns = GaugeColumns();
    for (int column = 0; column < 2; ++column) {
        const double left = gaugeLeft + column * (kGaugeColumnWidthPoints + kGaugeColumnGapPoints);
        const double height = columns[0].size() * kGaugeLinePoints + 8;
        detail.AddRectangle(QRectF(left, lowerTop, kGaugeColumnWidthPoints, height), 0.75);
        detail.AddText(QRectF(left + 4, lowerTop + 4, kGaugeColumnWidthPoints - 8, height - 8),
                       columns[column].join(QLatin1Char('\n')), gaugeFont,
                       Qt::AlignLeft | Qt::AlignTop);
    }

    ReportBand& footer = report_.AddCommonFooter(setup, kFooterLinesPoints);
    ReportFont footerFont;
    footerFont.pointSize = 9.0;
    footer.AddText(QRectF(0, 0, width, kFooterLinesPoints / 2),
                   QStringLiteral(" A.W.G. = American Wire Gauges"), footerFont, Qt::AlignCenter);
    footer.AddText(
        QRectF(0, kFooterLinesPoints / 2, width, kFooterLinesPoints / 2),
        QStringLiteral("These formulas apply to copper or aluminium  wire at 75 degree Celcius"),
        footerFont, Qt::AlignCenter);

    report_.AddPageStartHook([this](int) { QuickRepStartPage(); });
}

void TFormElectricalVoltageDropPrint::QuickRepStartPage() {
    rows_ = BoxRows(readTexts_ ? readTexts_() : Texts{});
}

std::array<std::vector<TFormElectricalVoltageDropPrint::Row>, 3>
TFormElectricalVoltageDropPrint::BoxRows(const Texts& t) {
    const QString wireType = t.aluminium ? QStringLiteral("Aluminium") : QStringLiteral("Copper");
    const QString unit = t.metres ? QStringLiteral("meter") : QStringLiteral("feet");
    const Row type{QStringLiteral("Wire type:"), wireType};
    const QString phase = QStringLiteral("Number of Phase:");
    const QString input = QStringLiteral("Input voltage:");
    const QString amperage = QStringLiteral("Amperage:");
    const QString distance = QStringLiteral("Distance:");
    const QString percentage = QStringLiteral("Percentage Drop:");
    const QString wireSize = QStringLiteral("Wire size:");
    return {{
        {type,
         {phase, PhaseText(t.dropSinglePhase)},
         {input, t.dropInputVoltage},
         {amperage, t.dropAmps},
         {distance, t.dropDistance + QLatin1Char(' ') + unit},
         {wireSize, t.dropGauge},
         {QStringLiteral("Voltage Drop:"), t.dropResult},
         {percentage, t.dropPercent}},
        {type,
         {phase, PhaseText(t.sizeSinglePhase)},
         {input, t.sizeInputVoltage},
         {amperage, t.sizeAmps},
         {distance, t.sizeDistance + QLatin1Char(' ') + unit},
         {QStringLiteral("Volatge Drop:"), t.sizeDrop},
         {percentage, t.sizePercent},
         {wireSize, t.sizeResult}},
        {type,
         {phase, PhaseText(t.distanceSinglePhase)},
         {input, t.distanceInputVoltage},
         {amperage, t.distanceAmps},
         {QStringLiteral("Voltage Drop:"), t.distanceDrop},
         {percentage, t.distancePercent},
         {wireSize, t.distanceGauge},
         {distance, t.distanceResult}},
    }};
}

const QStringList& TFormElectricalVoltageDropPrint::Explanation() { return kExplanation; }

std::array<QStringList, 2> TFormElectricalVoltageDropPrint::GaugeColumns() {
    std::array<QStringList, 2> columns = {QStringList{QStringLiteral("   Cmil  -  AWG - mm2")},
                                          QStringList{QStringLiteral("     Cmil - AWG - mm2")}};
    const auto& gauges = engine::WireGaugeTable();
    for (int i = 0; i < engine::kWireGaugeCount; ++i) {
        columns[i < kFirstColumnGauges ? 0 : 1] << GaugeLine(gauges[i]);
    }
    return columns;
}

void TFormElectricalVoltageDropPrint::Preview(QWidget* caller) {
    ReportPreview::ShowReport(report_, caller);
}

}  // namespace quillux::gui
