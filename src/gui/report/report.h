#pragma once

#include <QDateTime>
#include <QMarginsF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gui/report/report_band.h"
#include "gui/report/report_document.h"

namespace quillux::engine {
struct TQxSetupData;
}

namespace quillux::gui {

class ReportRecordSource;

enum class ReportOrientation { Portrait, Landscape };

enum class ReportBandKind {
    PageHeader,    // every page, the first one too
    Title,         // first page only, under the page header
    ColumnHeader,  // every page, above the detail bands
    Detail,        // once, or once per record of the record source
    Summary,       // once, after the last detail band
    PageFooter,    // bottom of every page, the last one too
};

// The produced-by line of the common footer is one of these followed by the user name.
inline const QString kProducedByLite =
    QStringLiteral("This report was produce by the Quillux Lite for ");
inline const QString kProducedByDmx = QStringLiteral("This report was produce by the Quillux for ");

// Height of the common footer lines (9 pt text), in points.
constexpr double kCommonFooterLinePoints = 12.0;

// A banded page report on Letter paper. A module builds one on demand, binds its record
// source (if any), and shows it in the preview, which lays it out into a ReportDocument.
// Layout runs the page-start hooks at the start of every page, so values read in a hook
// (the user name, a window's totals) are those of the moment the report is shown.
//
//   Report report("Weight Load Report", ReportOrientation::Landscape);
//   report.SetMarginsMillimetres(9.906);
//   report.SetBand(ReportBandKind::PageHeader, 40).AddText({0, 0, report.BodyWidth(), 30}, ...);
//   ReportBand& detail = report.SetBand(ReportBandKind::Detail, 14);
//   detail.AddRunningNumber({0, 0, 30, 14});
//   detail.AddField({30, 0, 200, 14}, "Device Name");
//   report.AddCommonFooter(setup);
//   TableRecordSource rows(table);
//   report.SetRecordSource(&rows);
//   ReportPreview::ShowReport(report, this);  // returns when the preview closes
//
// Elements capture the report by address: a report is neither copied nor moved.
class Report {
public:
    // Margins of 12.7 mm on every side unless set otherwise.
    Report(const QString& title, ReportOrientation orientation);
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    const QString& Title() const { return title_; }
    ReportOrientation Orientation() const { return orientation_; }
    void SetMarginsMillimetres(double all);
    void SetMarginsMillimetres(const QMarginsF& margins);

    // Paper and printable area in points.
    QSizeF PageSize() const;
    QRectF BodyRect() const;
    double BodyWidth() const { return BodyRect().width(); }

    // Creates (or replaces) a band; the returned reference lives as long as the report.
    ReportBand& SetBand(ReportBandKind kind, double heightPoints);
    ReportBand* Band(ReportBandKind kind);

    // Without a source the detail band is printed once.
    void SetRecordSource(ReportRecordSource* source) { source_ = source; }

    // Runs at the start of every page, before any band of that page is laid out.
    void AddPageStartHook(std::function<void(int pageNumber)> hook);

    // The title band every module report opens with: the product name "Quillux" in navy,
    // `heading` under it and a rule across the page, both in `headingColour`.
    ReportBand& AddProductTitle(const QString& heading, const QColor& headingColour = Qt::black);

    // The common page footer: a 9 pt strip at the bottom of the footer band with the report
    // title centred (when `showTitle`), then the date and time of printing at the left, the
    // produced-by line centred and the page number at the right. The produced-by line is
    // `prefix` followed by SetupS[2], read at the start of each page. `extraAbovePoints` is
    // free room at the top of the band for the module's own footer lines.
    ReportBand& AddCommonFooter(const engine::TQxSetupData& setup, double extraAbovePoints = 0.0,
                                const QString& prefix = kProducedByLite, bool showTitle = true);
    // The produced-by line as the last page start set it.
    const QString& ProducedByLine() const { return producedBy_; }

    // The moment printed in footers; the current time unless set (tests fix it).
    void SetPrintedAt(const QDateTime& moment) { printedAt_ = moment; }

    ReportDocument Layout();

private:
    struct PlacedBand;

    QString title_;
    ReportOrientation orientation_;
    QMarginsF marginsPoints_;
    std::optional<ReportBand> bands_[6];
    ReportRecordSource* source_ = nullptr;
    std::vector<std::function<void(int)>> pageStartHooks_;
    QString producedBy_;
    QDateTime printedAt_;
};

}  // namespace quillux::gui
