#include <QTest>

#include "gui/report/report.h"
#include "report_fixtures.h"

using namespace quillux;
using namespace quillux::gui;
using namespace quillux::gui::testing;

namespace {

// The detail names of a page, in print order.
QStringList PointNames(const ReportDocument& document, int page) {
    QStringList names;
    for (const QString& text : document.PageTexts(page)) {
        if (text.startsWith(QStringLiteral("Point ")) && text != kColumnCaption) names << text;
    }
    return names;
}

QString FooterLine(const ReportDocument& document, int page) {
    for (const QString& text : document.PageTexts(page)) {
        if (text.startsWith(QStringLiteral("This report was produce by the Quillux"))) return text;
    }
    return QStringLiteral("<no footer line>");
}

}  // namespace

class ReportLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void tableReportBreaksIntoPagesWithHeadersAndFooters();
    void emptyTablePrintsOnePageWithHeaderAndFooter();
    void filteredTablePrintsOnlyPassingRecords();
    void footerLineFollowsUserName_data();
    void footerLineFollowsUserName();
    void footerLineIsReadAtEachLayout();
    void bandTallerThanPageGetsPagesOfItsOwn();
    void stretchingTextPushesLaterElementsDown();
};

void ReportLayoutTest::tableReportBreaksIntoPagesWithHeadersAndFooters() {
    TableReportFixture fixture(60);
    fixture.setup->SetupS[2].Set("Jane Doe");
    const ReportDocument document = fixture.report.Layout();

    QVERIFY(document.PageCount() >= 2);
    QStringList printed;
    for (int page = 0; page < document.PageCount(); ++page) {
        const QStringList texts = document.PageTexts(page);
        QVERIFY2(texts.contains(kListTitle), qPrintable(QString::number(page)));
        QVERIFY(texts.contains(kColumnCaption));
        QCOMPARE(FooterLine(document, page), kProducedByLite + QStringLiteral("Jane Doe"));
        QVERIFY(texts.contains(QStringLiteral("Page %1").arg(page + 1)));
        printed << PointNames(document, page);

        // No detail band runs into the footer: every item above the footer's top edge.
        double footerTop = document.pageSize.height();
        double detailBottom = 0.0;
        for (const ReportPageItem& item : document.pages[page].items) {
            if (item.text.startsWith(QStringLiteral("This report"))) {
                footerTop = std::min(footerTop, item.rect.top());
            } else if (item.text.startsWith(QStringLiteral("Point ")) &&
                       item.text != kColumnCaption) {
                detailBottom = std::max(detailBottom, item.rect.bottom());
            }
        }
        QVERIFY(detailBottom <= footerTop);
    }
    QStringList expected;
    for (int i = 1; i <= 60; ++i) expected << QStringLiteral("Point %1").arg(i);
    QCOMPARE(printed, expected);
    // Running numbers continue across pages.
    QVERIFY(document.PageTexts(document.PageCount() - 1).contains(QStringLiteral("60")));
}

void ReportLayoutTest::emptyTablePrintsOnePageWithHeaderAndFooter() {
    TableReportFixture fixture(0);
    const ReportDocument document = fixture.report.Layout();
    QCOMPARE(document.PageCount(), 1);
    const QStringList texts = document.PageTexts(0);
    QVERIFY(texts.contains(kListTitle));
    QVERIFY(texts.contains(kColumnCaption));
    QCOMPARE(FooterLine(document, 0), kProducedByLite);
    QVERIFY(PointNames(document, 0).isEmpty());
}

void ReportLayoutTest::filteredTablePrintsOnlyPassingRecords() {
    TableReportFixture fixture(30);
    fixture.table.SetFilter([](const engine::Table&, const engine::Record& record) {
        return std::get<double>(record[1]) > 250.0;  // points 26 to 30
    });
    fixture.table.SetFiltered(true);
    const ReportDocument document = fixture.report.Layout();
    QCOMPARE(document.PageCount(), 1);
    QCOMPARE(PointNames(document, 0),
             QStringList({"Point 26", "Point 27", "Point 28", "Point 29", "Point 30"}));
    // Running numbers count printed bands, not table positions.
    const QStringList texts = document.PageTexts(0);
    QVERIFY(texts.contains(QStringLiteral("5")));
    QVERIFY(!texts.contains(QStringLiteral("26")));
}

void ReportLayoutTest::footerLineFollowsUserName_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<std::optional<std::string>>("userName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name set") << kProducedByLite << std::optional<std::string>("Jane Doe")
                              << QStringLiteral(
                                     "This report was produce by the Quillux Lite for Jane Doe");
    QTest::newRow("never set") << kProducedByLite << std::optional<std::string>()
                               << QStringLiteral(
                                      "This report was produce by the Quillux Lite for ");
    QTest::newRow("emptied in preferences")
        << kProducedByLite << std::optional<std::string>("<User Name>")
        << QStringLiteral("This report was produce by the Quillux Lite for <User Name>");
    QTest::newRow("accented name")
        << kProducedByLite << std::optional<std::string>("Zoë Müller")
        << QStringLiteral("This report was produce by the Quillux Lite for Zoë Müller");
    QTest::newRow("DMX list") << kProducedByDmx << std::optional<std::string>("Sam")
                              << QStringLiteral("This report was produce by the Quillux for Sam");
}

void ReportLayoutTest::footerLineFollowsUserName() {
    QFETCH(QString, prefix);
    QFETCH(std::optional<std::string>, userName);
    QFETCH(QString, expected);
    auto setup = std::make_unique<engine::TQxSetupData>();
    setup->Clear();
    if (userName) setup->SetupS[2].Set(*userName);
    Report report(QStringLiteral("Any"), ReportOrientation::Portrait);
    report.AddCommonFooter(*setup, 0.0, prefix);
    const ReportDocument document = report.Layout();
    QCOMPARE(FooterLine(document, 0), expected);
}

void ReportLayoutTest::footerLineIsReadAtEachLayout() {
    TableReportFixture fixture(3);
    fixture.setup->SetupS[2].Set("First");
    QCOMPARE(FooterLine(fixture.report.Layout(), 0), kProducedByLite + QStringLiteral("First"));
    fixture.setup->SetupS[2].Set("Second");
    QCOMPARE(FooterLine(fixture.report.Layout(), 0), kProducedByLite + QStringLiteral("Second"));
}

void ReportLayoutTest::bandTallerThanPageGetsPagesOfItsOwn() {
    TableReportFixture fixture(3);
    ReportBand& detail = fixture.report.SetBand(ReportBandKind::Detail, 5000.0);
    detail.AddField(QRectF(0, 0, 200, 14), QStringLiteral("Point Name"));
    const ReportDocument document = fixture.report.Layout();
    QCOMPARE(document.PageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        QCOMPARE(PointNames(document, page), QStringList{QStringLiteral("Point %1").arg(page + 1)});
    }
}

void ReportLayoutTest::stretchingTextPushesLaterElementsDown() {
    Report report(QStringLiteral("Stretch"), ReportOrientation::Portrait);
    ReportBand& detail = report.SetBand(ReportBandKind::Detail, 40);
    ReportElement& memo =
        detail.AddText(QRectF(0, 0, 300, 14), QStringLiteral("one\ntwo\nthree\nfour\nfive"), {},
                       Qt::AlignLeft | Qt::AlignTop);
    memo.stretch = true;
    detail.AddText(QRectF(0, 20, 300, 14), QStringLiteral("below"));
    const ReportDocument document = report.Layout();
    const auto& items = document.pages[0].items;
    QCOMPARE(items.size(), std::size_t(2));
    QVERIFY(items[0].rect.height() >= 5 * 10.0);  // five lines of 10 pt text
    QVERIFY(items[1].rect.top() >= items[0].rect.bottom());
}

QTEST_MAIN(ReportLayoutTest)
#include "report_layout_test.moc"
