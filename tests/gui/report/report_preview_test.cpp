#include "gui/report/report_preview.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/report/report_file.h"
#include "gui/support/scripted_dialogs.h"
#include "report_fixtures.h"

using namespace quillux;
using namespace quillux::gui;
using namespace quillux::gui::testing;

class ReportPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensZoomedToFitWithCaptionAndStatus();
    void pageButtonsAndKeysMoveThroughPages();
    void searchFindsTextOnPageTwo();
    void savedPdfHoldsTheReportTexts();
    void savedReportFileLoadsBack();
    void printingAPageRangePrintsOnlyThosePages();
    void damagedReportFileShowsMessageAndChangesNothing_data();
    void damagedReportFileShowsMessageAndChangesNothing();
    void showReportWaitsForThePreviewAndBlocksOnlyItsCaller();

private:
    QAction* Action(const QString& tooltip) const;
    QString StatusText(const char* name) const;

    std::unique_ptr<TableReportFixture> fixture_;
    std::unique_ptr<ReportPreview> preview_;
    std::unique_ptr<quillux::testing::ScriptedDialogs> dialogs_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void ReportPreviewTest::initTestCase() { QStandardPaths::setTestModeEnabled(true); }

void ReportPreviewTest::init() {
    dialogs_ = std::make_unique<quillux::testing::ScriptedDialogs>();
    folder_ = std::make_unique<QTemporaryDir>();
    fixture_ = std::make_unique<TableReportFixture>(60);
    fixture_->setup->SetupS[2].Set("Jane Doe");
    preview_ = std::make_unique<ReportPreview>(fixture_->report.Layout());
    preview_->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview_.get()));
}

void ReportPreviewTest::cleanup() {
    preview_.reset();
    fixture_.reset();
    dialogs_.reset();
    folder_.reset();
}

QAction* ReportPreviewTest::Action(const QString& tooltip) const {
    for (QAction* action : preview_->findChildren<QAction*>()) {
        if (action->toolTip() == tooltip) return action;
    }
    qFatal("no action with tooltip %s", qPrintable(tooltip));
}

QString ReportPreviewTest::StatusText(const char* name) const {
    return preview_->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void ReportPreviewTest::opensZoomedToFitWithCaptionAndStatus() {
    QCOMPARE(preview_->windowTitle(), QStringLiteral("Report Preview : Rigging Point Report"));
    QCOMPARE(preview_->size(), QSize(500, 500));
    QVERIFY(Action(QStringLiteral("Zoom to fit"))->isChecked());
    QVERIFY(!Action(QStringLiteral("Zoom to width"))->isChecked());
    const int pages = preview_->Document().PageCount();
    QCOMPARE(StatusText("StatusPage"), QStringLiteral("Page 1 of %1").arg(pages));
    QCOMPARE(StatusText("StatusTitle"), kListTitle);
    QCOMPARE(StatusText("StatusZoom"), QStringLiteral("%1%").arg(qRound(preview_->ZoomPercent())));

    // The whole page is inside the scroll area's viewport.
    QWidget* view = preview_->findChild<QWidget*>(QStringLiteral("ReportPageView"));
    QWidget* viewport = view->parentWidget();
    QVERIFY2(
        view->minimumWidth() <= viewport->width() && view->minimumHeight() <= viewport->height(),
        qPrintable(QStringLiteral("%1x%2 in %3x%4")
                       .arg(view->minimumWidth())
                       .arg(view->minimumHeight())
                       .arg(viewport->width())
                       .arg(viewport->height())));

    // The zoom modes are exclusive; 100% is the page's real size.
    Action(QStringLiteral("100% Size"))->trigger();
    QVERIFY(!Action(QStringLiteral("Zoom to fit"))->isChecked());
    QCOMPARE(qRound(preview_->ZoomPercent()), 100);
    QCOMPARE(StatusText("StatusZoom"), QStringLiteral("100%"));

    QVERIFY(preview_->findChild<QTabWidget*>()->tabText(0) == QStringLiteral("ThumbNails"));
    QCOMPARE(preview_->findChild<QListWidget*>(QStringLiteral("ThumbNails"))->count(), pages);
    QCOMPARE(Action(QStringLiteral("Close Preview"))->text(), QStringLiteral("&Close"));
}

void ReportPreviewTest::pageButtonsAndKeysMoveThroughPages() {
    const int last = preview_->Document().PageCount() - 1;
    Action(QStringLiteral("Next page"))->trigger();
    QCOMPARE(preview_->CurrentPage(), 1);
    Action(QStringLiteral("Last page"))->trigger();
    QCOMPARE(preview_->CurrentPage(), last);
    Action(QStringLiteral("Next page"))->trigger();
    QCOMPARE(preview_->CurrentPage(), last);  // stays on the last page
    Action(QStringLiteral("First page"))->trigger();
    QCOMPARE(preview_->CurrentPage(), 0);
    Action(QStringLiteral("Previous page"))->trigger();
    QCOMPARE(preview_->CurrentPage(), 0);

    preview_->activateWindow();
    QTest::keyClick(preview_.get(), Qt::Key_PageDown);
    QCOMPARE(preview_->CurrentPage(), 1);
    QTest::keyClick(preview_.get(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(preview_->CurrentPage(), last);
    QCOMPARE(StatusText("StatusPage"), QStringLiteral("Page %1 of %1").arg(last + 1));

    // "Select a Page" asks without blocking; the answer shows that page.
    Action(QStringLiteral("Select a Page"))->trigger();
    auto* ask = preview_->findChild<QInputDialog*>(QStringLiteral("SelectPageDialog"));
    QVERIFY(ask != nullptr);
    ask->setIntValue(2);
    ask->accept();
    QCOMPARE(preview_->CurrentPage(), 1);

    QTest::keyClick(preview_.get(), Qt::Key_Escape);
    QVERIFY(!preview_->isVisible());
}

void ReportPreviewTest::searchFindsTextOnPageTwo() {
    const QStringList secondPage = preview_->Document().PageTexts(1);
    QVERIFY(secondPage.contains(QStringLiteral("Point 45")));
    QVERIFY(!preview_->Document().PageTexts(0).contains(QStringLiteral("Point 45")));

    Action(QStringLiteral("Search for Text"))->trigger();
    auto* ask = preview_->findChild<QInputDialog*>(QStringLiteral("SearchDialog"));
    QVERIFY(ask != nullptr);
    ask->setTextValue(QStringLiteral("point 45"));
    ask->accept();

    QCOMPARE(preview_->SearchHits().size(), std::size_t(1));
    QCOMPARE(preview_->SearchHits()[0].page, 1);
    QCOMPARE(preview_->CurrentPage(), 1);
    auto* tabs = preview_->findChild<QTabWidget*>();
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Search Results"));
    auto* results = preview_->findChild<QListWidget*>(QStringLiteral("Search Results"));
    QCOMPARE(results->count(), 1);
    QCOMPARE(results->item(0)->text(), QStringLiteral("Page 2: Point 45"));

    // Clicking a result after moving away shows its page again.
    Action(QStringLiteral("First page"))->trigger();
    QCOMPARE(preview_->CurrentPage(), 0);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualItemRect(results->item(0)).center());
    QCOMPARE(preview_->CurrentPage(), 1);
}

void ReportPreviewTest::savedPdfHoldsTheReportTexts() {
    const QString path = folder_->filePath(QStringLiteral("points.pdf"));
    dialogs_->AnswerFile(path);
    Action(QStringLiteral("Save report"))->trigger();
    QCOMPARE(dialogs_->FileRequests().size(), 1);
    QVERIFY(dialogs_->Messages().isEmpty());
    QVERIFY(QFile::exists(path));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY2(pdftotext.waitForFinished(60000), "pdftotext (poppler-utils) did not run");
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const int pages = preview_->Document().PageCount();
    QCOMPARE(text.count(QLatin1Char('\f')), pages);
    for (const QString& expected :
         {kListTitle, kColumnCaption, QStringLiteral("Point 1"), QStringLiteral("Point 60"),
          kProducedByLite + QStringLiteral("Jane Doe"), QStringLiteral("Page %1").arg(pages)}) {
        QVERIFY2(text.contains(expected), qPrintable(expected));
    }
}

void ReportPreviewTest::savedReportFileLoadsBack() {
    const QString path = folder_->filePath(QStringLiteral("points.qrp"));
    QVERIFY(preview_->SaveTo(path));

    Report other(QStringLiteral("Other"), ReportOrientation::Portrait);
    other.SetBand(ReportBandKind::Detail, 20).AddText(QRectF(0, 0, 100, 20), QStringLiteral("x"));
    ReportPreview second(other.Layout());
    dialogs_->AnswerFile(path);
    QAction* load = nullptr;
    for (QAction* action : second.findChildren<QAction*>()) {
        if (action->toolTip() == QStringLiteral("Load report")) load = action;
    }
    load->trigger();
    QVERIFY(dialogs_->Messages().isEmpty());
    QCOMPARE(second.windowTitle(), QStringLiteral("Report Preview : Rigging Point Report"));
    const ReportDocument& original = preview_->Document();
    QCOMPARE(second.Document().PageCount(), original.PageCount());
    QCOMPARE(second.Document().pageSize, original.pageSize);
    for (int page = 0; page < original.PageCount(); ++page) {
        QCOMPARE(second.Document().PageTexts(page), original.PageTexts(page));
        QCOMPARE(second.Document().pages[page].items.size(), original.pages[page].items.size());
    }
}

void ReportPreviewTest::printingAPageRangePrintsOnlyThosePages() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = folder_->filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(path);
    preview_->PrintPages(printer, 2, 2);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QCOMPARE(text.count(QLatin1Char('\f')), 1);
    QVERIFY(text.contains(QStringLiteral("Point 45")));
    QVERIFY(text.contains(QStringLiteral("Page 2")));
    QVERIFY(!text.contains(QStringLiteral("Point 10")));
    QVERIFY(!text.contains(QStringLiteral("Page 1")));
}

void ReportPreviewTest::damagedReportFileShowsMessageAndChangesNothing_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("byte flipped in the pages") << "flipped";
    QTest::newRow("foreign file") << "foreign";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("newer format") << "version";
    QTest::newRow("checksum right, contents garbage") << "garbage";
}

void ReportPreviewTest::damagedReportFileShowsMessageAndChangesNothing() {
    QFETCH(QString, damage);
    const QString path = folder_->filePath(QStringLiteral("damaged.qrp"));
    QVERIFY(ReportFile::Save(preview_->Document(), path, nullptr));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    if (damage == "truncated") bytes.chop(bytes.size() / 3);
    if (damage == "flipped") bytes[bytes.size() - 200] = char(bytes[bytes.size() - 200] ^ 0x5a);
    if (damage == "foreign") bytes = "%PDF-1.4\nnot a report at all";
    if (damage == "empty") bytes.clear();
    if (damage == "version") bytes[12] = char(99);  // last byte of the big-endian version
    if (damage == "garbage") {
        QByteArray payload(4000, '\x7f');
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.writeRawData("QLXREPORT", 9);
        out << ReportFile::kFormatVersion << quint64(payload.size());
        const QByteArray hash = QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
        out.writeRawData(hash.constData(), hash.size());
        out.writeRawData(payload.constData(), payload.size());
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    const int pages = preview_->Document().PageCount();
    const int last = pages - 1;
    preview_->ShowPage(last);
    const QStringList before = preview_->Document().PageTexts(last);
    dialogs_->AnswerFile(path);
    dialogs_->AnswerMessage(engine::MessageAnswer::Ok);
    Action(QStringLiteral("Load report"))->trigger();

    QCOMPARE(dialogs_->Messages().size(), 1);
    QCOMPARE(dialogs_->Messages()[0].kind, engine::MessageKind::Error);
    QVERIFY2(dialogs_->Messages()[0].text.contains(QStringLiteral("damaged.qrp")),
             qPrintable(dialogs_->Messages()[0].text));
    QCOMPARE(preview_->Document().PageCount(), pages);
    QCOMPARE(preview_->Document().PageTexts(last), before);
    QCOMPARE(preview_->CurrentPage(), last);
    QCOMPARE(preview_->windowTitle(), QStringLiteral("Report Preview : Rigging Point Report"));
}

void ReportPreviewTest::showReportWaitsForThePreviewAndBlocksOnlyItsCaller() {
    preview_.reset();
    QWidget caller;
    caller.setWindowTitle(QStringLiteral("QLX Caller"));
    QWidget other;
    caller.show();
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caller));

    bool sawPreview = false;
    bool otherUsable = false;
    QPointer<ReportPreview> shown;
    QTimer::singleShot(0, this, [&] {
        shown = caller.findChild<ReportPreview*>();
        sawPreview =
            shown != nullptr && shown->isVisible() && shown->windowModality() == Qt::WindowModal;
        otherUsable = other.isEnabled() && QApplication::activeModalWidget() == shown.data();
        if (shown) shown->close();
    });
    ReportPreview::ShowReport(fixture_->report, &caller);
    QVERIFY(sawPreview);
    QVERIFY(otherUsable);
    QVERIFY(shown.isNull());  // destroyed when closed
}

QTEST_MAIN(ReportPreviewTest)
#include "report_preview_test.moc"
