#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "engine/setup/setup_data.h"
#include "engine/table/table.h"
#include "gui/report/report.h"
#include "gui/report/table_record_source.h"

namespace quillux::gui::testing {

inline const QString kListTitle = QStringLiteral("Rigging Point Report");
inline const QString kColumnCaption = QStringLiteral("Point Name");

// A small list table, its report source and a landscape table report over it: page header,
// column header, one detail band per record (running number and name) and the common footer.
struct TableReportFixture {
    std::unique_ptr<engine::TQxSetupData> setup = std::make_unique<engine::TQxSetupData>();
    engine::Table table{"Points", Fields()};
    TableRecordSource source{table};
    Report report{kListTitle, ReportOrientation::Landscape};

    static std::vector<engine::FieldDef> Fields() {
        engine::FieldDef name;
        name.name = "Point Name";
        name.type = engine::FieldType::Text;
        name.size = 40;
        engine::FieldDef weight;
        weight.name = "Weight";
        weight.type = engine::FieldType::Double;
        return {name, weight};
    }

    explicit TableReportFixture(int recordCount) {
        setup->Clear();
        std::vector<engine::Record> records;
        for (int i = 1; i <= recordCount; ++i) {
            engine::Record record = table.NewRecord();
            record[0] = "Point " + std::to_string(i);
            record[1] = double(i * 10);
            records.push_back(std::move(record));
        }
        table.AppendRecords(std::move(records));

        report.SetMarginsMillimetres(10.0);
        const double width = report.BodyWidth();
        ReportFont big;
        big.pointSize = 18;
        big.bold = true;
        report.SetBand(ReportBandKind::PageHeader, 30)
            .AddText(QRectF(0, 0, width, 30), kListTitle, big, Qt::AlignCenter);
        ReportBand& columns = report.SetBand(ReportBandKind::ColumnHeader, 16);
        columns.AddText(QRectF(0, 0, 40, 16), QStringLiteral("No"));
        columns.AddText(QRectF(40, 0, 200, 16), kColumnCaption);
        columns.AddLine(QPointF(0, 15), QPointF(width, 15));
        ReportBand& detail = report.SetBand(ReportBandKind::Detail, 14);
        detail.AddRunningNumber(QRectF(0, 0, 40, 14));
        detail.AddField(QRectF(40, 0, 200, 14), QStringLiteral("Point Name"));
        detail.AddField(QRectF(240, 0, 80, 14), QStringLiteral("Weight"), {},
                        Qt::AlignRight | Qt::AlignVCenter);
        report.AddCommonFooter(*setup);
        report.SetRecordSource(&source);
    }
};

}  // namespace quillux::gui::testing
