#pragma once

#include <QPrinter>
#include <QWidget>
#include <memory>
#include <vector>

#include "gui/report/report_document.h"

class QActionGroup;
class QLabel;
class QListWidget;
class QScrollArea;
class QTabWidget;
class QToolButton;

namespace quillux::gui {

class Report;
class ReportPageView;

// The print preview: one page at a time, zoomed to fit, to the page width or to its real
// size, with page navigation, search, printing, PDF and report-file saving and loading.
// Every tool button carries the tooltip its user-visible rule names, and the same text as
// objectName (spaces kept), so tests find them.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    enum class ZoomMode { FitPage, FitWidth, Actual };

    explicit ReportPreview(ReportDocument document, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Lays the report out, shows the preview and waits until it closes while the program's
    // other windows keep working: input to `caller`'s window is blocked meanwhile. The wait
    // also ends when the application quits. The caller destroys the report afterwards.
    static void ShowReport(Report& report, QWidget* caller);

    const ReportDocument& Document() const { return document_; }
    int CurrentPage() const { return currentPage_; }  // 0-based
    ZoomMode Zoom() const { return zoomMode_; }
    double ZoomPercent() const;

    void ShowPage(int page);
    void SetZoomMode(ZoomMode mode);
    // Lists every hit on the "Search Results" tab and shows the first one.
    void SearchText(const QString& text);
    const std::vector<ReportSearchHit>& SearchHits() const { return hits_; }
    // Shows hit `index` of the last search with its text marked.
    void ShowHit(int index);

    // Writes the report: a PDF when `path` ends in ".pdf", otherwise the report file format.
    // Reports a failure through the user dialogs and returns false.
    bool SaveTo(const QString& path);
    // Replaces the shown report with the one in `path`; a damaged or foreign file shows a
    // message and changes nothing.
    bool LoadFrom(const QString& path);
    // Paints pages [fromPage, toPage] (1-based) on `printer`.
    void PrintPages(QPrinter& printer, int fromPage, int toPage) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void SetDocument(ReportDocument document);
    void RebuildThumbnails();
    void UpdateView();
    void UpdateStatus();
    void SelectPageClick();
    void SearchClick();
    void PrinterSetupClick();
    void PrintClick();
    void SaveClick();
    void LoadClick();

    ReportDocument document_;
    int currentPage_ = 0;
    ZoomMode zoomMode_ = ZoomMode::FitPage;
    std::vector<ReportSearchHit> hits_;
    int markedHit_ = -1;
    std::unique_ptr<QPrinter> printer_;

    ReportPageView* pageView_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* thumbnails_ = nullptr;
    QListWidget* searchResults_ = nullptr;
    QLabel* statusZoom_ = nullptr;
    QLabel* statusPage_ = nullptr;
    QLabel* statusTitle_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
};

}  // namespace quillux::gui
