#include "gui/report/report_preview.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPrintDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/report/report.h"
#include "gui/report/report_file.h"
#include "gui/report/report_page_view.h"
#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

namespace {

constexpr int kWindowSizePixels = 500;
constexpr int kSidePanelPixels = 130;
constexpr int kThumbnailHeightPixels = 90;
constexpr int kIconPixels = 20;

// Tool button pictures drawn in code, so the preview needs no picture files.
enum class Glyph {
    FitPage,
    FitWidth,
    Actual,
    First,
    Previous,
    Next,
    Last,
    SelectPage,
    Search,
    PrinterSetup,
    Print,
    Save,
    Load
};

QIcon GlyphIcon(Glyph glyph) {
    QPixmap pixmap(kIconPixels, kIconPixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 60);
    const QColor accent(30, 90, 200);
    p.setPen(QPen(ink, 1.2));
    auto page = [&](QRectF r) {
        p.setBrush(Qt::white);
        p.drawRect(r);
    };
    auto triangle = [&](bool left, double x) {
        QPainterPath path;
        if (left) {
            path.moveTo(x + 5, 4);
            path.lineTo(x, 10);
            path.lineTo(x + 5, 16);
        } else {
            path.moveTo(x, 4);
            path.lineTo(x + 5, 10);
            path.lineTo(x, 16);
        }
        path.closeSubpath();
        p.setBrush(accent);
        p.setPen(Qt::NoPen);
        p.drawPath(path);
        p.setPen(QPen(ink, 1.2));
    };
    switch (glyph) {
        case Glyph::FitPage:
            page(QRectF(5.5, 2.5, 9, 15));
            p.setPen(QPen(accent, 1.5));
            p.drawRect(QRectF(2.5, 1.5, 15, 17));
            break;
        case Glyph::FitWidth:
            page(QRectF(4.5, 2.5, 11, 15));
            p.setPen(QPen(accent, 1.5));
            p.drawLine(QPointF(1, 10), QPointF(19, 10));
            p.drawLine(QPointF(1, 10), QPointF(4, 7));
            p.drawLine(QPointF(1, 10), QPointF(4, 13));
            p.drawLine(QPointF(19, 10), QPointF(16, 7));
            p.drawLine(QPointF(19, 10), QPointF(16, 13));
            break;
        case Glyph::Actual: {
            QFont font = p.font();
            font.setPixelSize(9);
            font.setBold(true);
            p.setFont(font);
            page(QRectF(1.5, 3.5, 17, 13));
            p.setPen(accent);
            p.drawText(QRectF(1, 3, 18, 14), Qt::AlignCenter, QStringLiteral("1:1"));
            break;
        }
        case Glyph::First:
            p.fillRect(QRectF(4, 4, 2, 12), accent);
            triangle(true, 7);
            break;
        case Glyph::Previous:
            triangle(true, 7);
            break;
        case Glyph::Next:
            triangle(false, 8);
            break;
        case Glyph::Last:
            triangle(false, 8);
            p.fillRect(QRectF(14, 4, 2, 12), accent);
            break;
        case Glyph::SelectPage: {
            page(QRectF(3.5, 2.5, 13, 15));
            QFont font = p.font();
            font.setPixelSize(10);
            font.setBold(true);
            p.setFont(font);
            p.setPen(accent);
            p.drawText(QRectF(3, 2, 14, 16), Qt::AlignCenter, QStringLiteral("#"));
            break;
        }
        case Glyph::Search:
            p.setPen(QPen(accent, 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(3, 3, 9, 9));
            p.drawLine(QPointF(11, 11), QPointF(17, 17));
            break;
        case Glyph::PrinterSetup:
        case Glyph::Print:
            page(QRectF(6.5, 1.5, 7, 6));
            p.setBrush(QColor(200, 200, 210));
            p.drawRoundedRect(QRectF(2.5, 7.5, 15, 7), 1.5, 1.5);
            page(QRectF(6.5, 12.5, 7, 5));
            if (glyph == Glyph::PrinterSetup) {
                p.setPen(QPen(accent, 2));
                p.drawLine(QPointF(13, 19), QPointF(19, 13));
            }
            break;
        case Glyph::Save:
            p.setBrush(accent);
            p.drawRect(QRectF(3.5, 3.5, 13, 13));
            p.fillRect(QRectF(6, 4, 8, 5), Qt::white);
            p.fillRect(QRectF(6, 11, 8, 5), QColor(220, 220, 230));
            break;
        case Glyph::Load:
            p.setBrush(QColor(240, 200, 80));
            p.drawRect(QRectF(2.5, 6.5, 15, 10));
            p.drawRect(QRectF(2.5, 4.5, 6, 2));
            break;
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace

ReportPreview::ReportPreview(ReportDocument document, QWidget* parent)
    : QWidget(parent, Qt::Window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("ReportPreview"));
    BuildWindow();
    SetDocument(std::move(document));
    resize(kWindowSizePixels, kWindowSizePixels);
    if (const QScreen* screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::ShowReport(Report& report, QWidget* caller) {
    QWidget* owner = caller ? caller->window() : nullptr;
    QPointer<ReportPreview> preview = new ReportPreview(report.Layout(), owner);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    if (owner) preview->setWindowModality(Qt::WindowModal);
    QEventLoop loop;
    connect(preview.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    preview->show();
    preview->raise();
    preview->activateWindow();
    loop.exec();
    delete preview.data();
}

void ReportPreview::BuildWindow() {
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ReportPreviewToolBar"));
    toolBar->setIconSize(QSize(kIconPixels, kIconPixels));

    auto addAction = [&](const QString& tip, Glyph glyph, QKeySequence shortcut,
                         auto slot) -> QAction* {
        QAction* action = toolBar->addAction(GlyphIcon(glyph), tip);
        action->setObjectName(tip);
        action->setToolTip(tip);
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        if (QWidget* button = toolBar->widgetForAction(action)) button->setObjectName(tip);
        return action;
    };

    zoomGroup_ = new QActionGroup(this);
    zoomGroup_->setExclusive(true);
    auto addZoom = [&](const QString& tip, Glyph glyph, QKeySequence shortcut, ZoomMode mode) {
        QAction* action = addAction(tip, glyph, shortcut, [this, mode] { SetZoomMode(mode); });
        action->setCheckable(true);
        action->setData(static_cast<int>(mode));
        zoomGroup_->addAction(action);
    };
    addZoom(QStringLiteral("Zoom to fit"), Glyph::FitPage, QKeySequence(Qt::CTRL | Qt::Key_2),
            ZoomMode::FitPage);
    addZoom(QStringLiteral("Zoom to width"), Glyph::FitWidth, QKeySequence(Qt::CTRL | Qt::Key_3),
            ZoomMode::FitWidth);
    addZoom(QStringLiteral("100% Size"), Glyph::Actual, QKeySequence(Qt::CTRL | Qt::Key_1),
            ZoomMode::Actual);
    toolBar->addSeparator();
    QAction* first = addAction(QStringLiteral("First page"), Glyph::First,
                               QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { ShowPage(0); });
    first->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Home), QKeySequence(Qt::Key_Home)});
    QAction* previous =
        addAction(QStringLiteral("Previous page"), Glyph::Previous, QKeySequence(Qt::Key_PageUp),
                  [this] { ShowPage(currentPage_ - 1); });
    previous->setShortcuts({QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_Left)});
    QAction* next =
        addAction(QStringLiteral("Next page"), Glyph::Next, QKeySequence(Qt::Key_PageDown),
                  [this] { ShowPage(currentPage_ + 1); });
    next->setShortcuts({QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Right)});
    QAction* last = addAction(QStringLiteral("Last page"), Glyph::Last, QKeySequence(),
                              [this] { ShowPage(document_.PageCount() - 1); });
    last->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_End), QKeySequence(Qt::Key_End)});
    addAction(QStringLiteral("Select a Page"), Glyph::SelectPage,
              QKeySequence(Qt::CTRL | Qt::Key_G), &ReportPreview::SelectPageClick);
    toolBar->addSeparator();
    addAction(QStringLiteral("Search for Text"), Glyph::Search, QKeySequence::Find,
              &ReportPreview::SearchClick);
    toolBar->addSeparator();
    addAction(QStringLiteral("Printer setup"), Glyph::PrinterSetup, QKeySequence(),
              &ReportPreview::PrinterSetupClick);
    addAction(QStringLiteral("Print"), Glyph::Print, QKeySequence::Print,
              &ReportPreview::PrintClick);
    toolBar->addSeparator();
    addAction(QStringLiteral("Save report"), Glyph::Save, QKeySequence::Save,
              &ReportPreview::SaveClick);
    addAction(QStringLiteral("Load report"), Glyph::Load, QKeySequence::Open,
              &ReportPreview::LoadClick);
    toolBar->addSeparator();
    auto* closeAction = new QAction(QStringLiteral("&Close"), this);
    closeAction->setObjectName(QStringLiteral("Close Preview"));
    closeAction->setToolTip(QStringLiteral("Close Preview"));
    closeAction->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    auto* closeButton = new QToolButton(toolBar);
    closeButton->setObjectName(QStringLiteral("Close Preview"));
    closeButton->setDefaultAction(closeAction);
    closeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addWidget(closeButton);
    this->addAction(closeAction);

    pageView_ = new ReportPageView;
    scrollArea_ = new QScrollArea;
    scrollArea_->setObjectName(QStringLiteral("ReportScrollArea"));
    scrollArea_->setWidget(pageView_);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setBackgroundRole(QPalette::Dark);
    scrollArea_->installEventFilter(this);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("ReportPreviewTabs"));
    // Side tabs: both titles stay readable in the narrow panel of a 500-pixel window.
    tabs_->setTabPosition(QTabWidget::West);
    thumbnails_ = new QListWidget;
    thumbnails_->setObjectName(QStringLiteral("ThumbNails"));
    thumbnails_->setViewMode(QListView::IconMode);
    thumbnails_->setFlow(QListView::TopToBottom);
    thumbnails_->setWrapping(false);
    thumbnails_->setMovement(QListView::Static);
    thumbnails_->setIconSize(QSize(kThumbnailHeightPixels, kThumbnailHeightPixels));
    thumbnails_->setSpacing(4);
    connect(thumbnails_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) ShowPage(row);
    });
    searchResults_ = new QListWidget;
    searchResults_->setObjectName(QStringLiteral("Search Results"));
    connect(searchResults_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowHit(searchResults_->row(item)); });
    connect(searchResults_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowHit(searchResults_->row(item)); });
    tabs_->addTab(thumbnails_, QStringLiteral("ThumbNails"));
    tabs_->addTab(searchResults_, QStringLiteral("Search Results"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tabs_);
    splitter->addWidget(scrollArea_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kSidePanelPixels, kWindowSizePixels - kSidePanelPixels});

    auto* statusBar = new QStatusBar;
    statusBar->setObjectName(QStringLiteral("ReportStatusBar"));
    statusBar->setSizeGripEnabled(true);
    statusZoom_ = new QLabel;
    statusZoom_->setObjectName(QStringLiteral("StatusZoom"));
    statusPage_ = new QLabel;
    statusPage_->setObjectName(QStringLiteral("StatusPage"));
    statusTitle_ = new QLabel;
    statusTitle_->setObjectName(QStringLiteral("StatusTitle"));
    statusBar->addWidget(statusZoom_);
    statusBar->addWidget(statusPage_);
    statusBar->addWidget(statusTitle_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
    layout->addWidget(statusBar);
}

void ReportPreview::SetDocument(ReportDocument document) {
    document_ = std::move(document);
    setWindowTitle(QStringLiteral("Report Preview : ") + document_.title);
    hits_.clear();
    markedHit_ = -1;
    searchResults_->clear();
    pageView_->SetDocument(&document_);
    RebuildThumbnails();
    currentPage_ = 0;
    for (QAction* action : zoomGroup_->actions()) {
        if (action->data().toInt() == static_cast<int>(ZoomMode::FitPage)) action->setChecked(true);
    }
    zoomMode_ = ZoomMode::FitPage;
    ShowPage(0);
}

void ReportPreview::RebuildThumbnails() {
    const QSignalBlocker blocker(thumbnails_);
    thumbnails_->clear();
    if (document_.pageSize.isEmpty()) return;
    const double scale = kThumbnailHeightPixels / document_.pageSize.height();
    const QSize size = (document_.pageSize * scale).toSize();
    for (int page = 0; page < document_.PageCount(); ++page) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            document_.PaintPage(painter, page, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.setPen(QPen(Qt::gray, 0));
            painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
        }
        auto* item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(image)), QString::number(page + 1));
        item->setTextAlignment(Qt::AlignHCenter);
        thumbnails_->addItem(item);
    }
}

double ReportPreview::ZoomPercent() const {
    const double actual = logicalDpiX() / 72.0;
    return pageView_->Scale() / actual * 100.0;
}

void ReportPreview::ShowPage(int page) {
    if (document_.PageCount() == 0) return;
    page = std::clamp(page, 0, document_.PageCount() - 1);
    if (page != currentPage_) {
        markedHit_ = -1;
        pageView_->SetMark(QRectF());
    }
    currentPage_ = page;
    pageView_->SetPage(page);
    {
        const QSignalBlocker blocker(thumbnails_);
        thumbnails_->setCurrentRow(page);
    }
    scrollArea_->verticalScrollBar()->setValue(0);
    UpdateStatus();
}

void ReportPreview::SetZoomMode(ZoomMode mode) {
    zoomMode_ = mode;
    for (QAction* action : zoomGroup_->actions()) {
        if (action->data().toInt() == static_cast<int>(mode)) action->setChecked(true);
    }
    UpdateView();
}

// The zoom follows the scroll area's size, which settles after the window's own resize.
bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollArea_ && event->type() == QEvent::Resize) UpdateView();
    return QWidget::eventFilter(watched, event);
}

void ReportPreview::UpdateView() {
    if (document_.pageSize.isEmpty()) return;
    const QSize viewport = scrollArea_->maximumViewportSize();
    const double desk = 2.0 * ReportPageView::kDeskMarginPixels;
    const double scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    double scale = logicalDpiX() / 72.0;
    switch (zoomMode_) {
        case ZoomMode::FitPage:
            scale = std::min((viewport.width() - desk) / document_.pageSize.width(),
                             (viewport.height() - desk) / document_.pageSize.height());
            break;
        case ZoomMode::FitWidth:
            scale = (viewport.width() - desk - scrollBar) / document_.pageSize.width();
            break;
        case ZoomMode::Actual:
            break;
    }
    pageView_->SetScale(std::max(scale, 0.05));
    UpdateStatus();
}

void ReportPreview::UpdateStatus() {
    statusZoom_->setText(QStringLiteral("%1%").arg(std::lround(ZoomPercent())));
    statusPage_->setText(QStringLiteral("Page %1 of %2")
                             .arg(document_.PageCount() == 0 ? 0 : currentPage_ + 1)
                             .arg(document_.PageCount()));
    statusTitle_->setText(document_.title);
}

void ReportPreview::SearchText(const QString& text) {
    hits_ = document_.Find(text);
    markedHit_ = -1;
    searchResults_->clear();
    for (const ReportSearchHit& hit : hits_) {
        QString shown = hit.text.simplified();
        constexpr int kShownCharacters = 60;
        if (shown.size() > kShownCharacters) shown = shown.left(kShownCharacters) + "...";
        searchResults_->addItem(QStringLiteral("Page %1: %2").arg(hit.page + 1).arg(shown));
    }
    tabs_->setCurrentWidget(searchResults_);
    if (hits_.empty()) {
        searchResults_->addItem(QStringLiteral("\"%1\" was not found.").arg(text));
        searchResults_->item(0)->setFlags(Qt::NoItemFlags);
        pageView_->SetMark(QRectF());
        return;
    }
    searchResults_->setCurrentRow(0);
    ShowHit(0);
}

void ReportPreview::ShowHit(int index) {
    if (index < 0 || index >= static_cast<int>(hits_.size())) return;
    const ReportSearchHit& hit = hits_[index];
    ShowPage(hit.page);
    markedHit_ = index;
    pageView_->SetMark(hit.rect);
    const QRect mark = pageView_->MapToView(hit.rect);
    scrollArea_->ensureVisible(mark.center().x(), mark.center().y(), mark.width() / 2 + 20,
                               mark.height() / 2 + 20);
}

void ReportPreview::SelectPageClick() {
    if (document_.PageCount() == 0) return;
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("SelectPageDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Select a Page"));
    dialog->setLabelText(QStringLiteral("Page (1 to %1):").arg(document_.PageCount()));
    dialog->setInputMode(QInputDialog::IntInput);
    dialog->setIntRange(1, document_.PageCount());
    dialog->setIntValue(currentPage_ + 1);
    connect(dialog, &QInputDialog::intValueSelected, this,
            [this](int value) { ShowPage(value - 1); });
    dialog->open();
}

void ReportPreview::SearchClick() {
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("SearchDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Search for Text"));
    dialog->setLabelText(QStringLiteral("Text to find:"));
    dialog->setInputMode(QInputDialog::TextInput);
    connect(dialog, &QInputDialog::textValueSelected, this, [this](const QString& text) {
        if (!text.isEmpty()) SearchText(text);
    });
    dialog->open();
}

void ReportPreview::PrinterSetupClick() {
    auto* dialog = new QPrintDialog(printer_.get(), this);
    dialog->setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Printer setup"));
    dialog->setOptions(QAbstractPrintDialog::PrintDialogOptions());
    dialog->open();
}

void ReportPreview::PrintClick() {
    if (document_.PageCount() == 0) return;
    auto* dialog = new QPrintDialog(printer_.get(), this);
    dialog->setObjectName(QStringLiteral("PrintDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOptions(QAbstractPrintDialog::PrintPageRange |
                       QAbstractPrintDialog::PrintCurrentPage |
                       QAbstractPrintDialog::PrintShowPageSize);
    dialog->setMinMax(1, document_.PageCount());
    connect(dialog, &QDialog::accepted, this, [this] {
        int from = 1;
        int to = document_.PageCount();
        if (printer_->printRange() == QPrinter::PageRange) {
            from = std::max(printer_->fromPage(), 1);
            to = std::min(printer_->toPage() > 0 ? printer_->toPage() : to, to);
        } else if (printer_->printRange() == QPrinter::CurrentPage) {
            from = to = currentPage_ + 1;
        }
        PrintPages(*printer_, from, to);
    });
    dialog->open();
}

void ReportPreview::PrintPages(QPrinter& printer, int fromPage, int toPage) const {
    if (document_.PageCount() == 0 || fromPage > toPage) return;
    printer.setDocName(document_.title);
    printer.setFullPage(true);
    const QSizeF portrait(std::min(document_.pageSize.width(), document_.pageSize.height()),
                          std::max(document_.pageSize.width(), document_.pageSize.height()));
    printer.setPageLayout(
        QPageLayout(QPageSize(portrait, QPageSize::Point),
                    document_.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer)) {
        UserDialogs::Current().Error("The printer could not be started.");
        return;
    }
    const QRectF target(QPointF(0, 0),
                        printer.pageLayout().fullRectPixels(printer.resolution()).size());
    for (int page = fromPage; page <= toPage; ++page) {
        if (page > fromPage) printer.newPage();
        document_.PaintPage(painter, page - 1, target);
    }
    painter.end();
}

bool ReportPreview::SaveTo(const QString& path) {
    QString error;
    const bool pdf =
        QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0;
    const bool saved = pdf ? ReportFile::SavePdf(document_, path, &error)
                           : ReportFile::Save(document_, path, &error);
    if (!saved) UserDialogs::Current().Error(error.toStdString());
    return saved;
}

bool ReportPreview::LoadFrom(const QString& path) {
    QString error;
    std::optional<ReportDocument> loaded = ReportFile::Load(path, &error);
    if (!loaded) {
        UserDialogs::Current().Error(error.toStdString());
        return false;
    }
    SetDocument(std::move(*loaded));
    UpdateView();
    return true;
}

void ReportPreview::SaveClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save report");
    request.filter = QStringLiteral("PDF Document (*.pdf);;Quillux Report (*.%1)")
                         .arg(QString::fromLatin1(ReportFile::kExtension));
    request.defaultExtension = QStringLiteral("pdf");
    request.initialFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.initialFileName = document_.title + QStringLiteral(".pdf");
    request.overwritePrompt = true;
    if (const std::optional<QString> path = UserDialogs::Current().SaveFile(request)) {
        SaveTo(*path);
    }
}

void ReportPreview::LoadClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Load report");
    request.filter =
        QStringLiteral("Quillux Report (*.%1)").arg(QString::fromLatin1(ReportFile::kExtension));
    request.defaultExtension = QString::fromLatin1(ReportFile::kExtension);
    request.initialFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.overwritePrompt = false;
    if (const std::optional<QString> path = UserDialogs::Current().OpenFile(request)) {
        LoadFrom(*path);
    }
}

}  // namespace quillux::gui
