#include "gui/report/report.h"

#include <algorithm>
#include <utility>

#include "engine/setup/setup_data.h"
#include "gui/report/report_record_source.h"
#include "gui/report/report_text_metrics.h"

namespace quillux::gui {

namespace {

constexpr double kLetterWidthPoints = 612.0;   // 215.9 mm
constexpr double kLetterHeightPoints = 792.0;  // 279.4 mm
constexpr double kDefaultMarginMillimetres = 12.7;
// Rounding slack when comparing positions in points.
constexpr double kFitTolerancePoints = 0.01;

// A band evaluated for one place in the report: items relative to the band's top left.
struct EvaluatedBand {
    std::vector<ReportPageItem> items;
    double height = 0.0;
};

QRectF PictureRect(const ReportElement& element, const QImage& picture) {
    if (!element.keepAspect || picture.isNull()) return element.box;
    QSizeF size = QSizeF(picture.size());
    size.scale(element.box.size(), Qt::KeepAspectRatio);
    QRectF rect(element.box.topLeft(), size);
    if (element.centrePicture) rect.moveCenter(element.box.center());
    return rect;
}

int TextFlags(const ReportElement& element) {
    return static_cast<int>(element.alignment) | (element.wordWrap ? Qt::TextWordWrap : 0);
}

EvaluatedBand EvaluateBand(const ReportBand& band, const ReportContext& context) {
    EvaluatedBand result;
    const auto& elements = band.Elements();

    // Texts first, so stretching elements know how far they grow.
    std::vector<QString> texts(elements.size());
    std::vector<double> growth(elements.size(), 0.0);
    double maxGrowth = 0.0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ReportElement& element = elements[i];
        if (element.kind != ReportElement::Kind::Text) continue;
        texts[i] = element.textSource ? element.textSource(context) : element.text;
        if (element.stretch) {
            const double needed = ReportTextMetrics::Measure(element.font, element.box.width(),
                                                             TextFlags(element), texts[i])
                                      .height();
            growth[i] = std::max(0.0, needed - element.box.height());
            maxGrowth = std::max(maxGrowth, growth[i]);
        }
    }

    double bottom = band.Height() + maxGrowth;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ReportElement& element = elements[i];
        double shift = 0.0;
        for (std::size_t j = 0; j < elements.size(); ++j) {
            if (j != i && growth[j] > 0.0 &&
                elements[j].box.bottom() <= element.box.top() + kFitTolerancePoints) {
                shift = std::max(shift, growth[j]);
            }
        }
        ReportPageItem item;
        item.rect = element.box.translated(0.0, shift);
        switch (element.kind) {
            case ReportElement::Kind::Text:
                item.kind = ReportPageItem::Kind::Text;
                item.rect.setHeight(item.rect.height() + growth[i]);
                item.text = texts[i];
                item.font = element.font;
                item.flags = TextFlags(element);
                break;
            case ReportElement::Kind::Line:
                item.kind = ReportPageItem::Kind::Line;
                item.penWidth = element.penWidth;
                item.penColour = element.penColour;
                break;
            case ReportElement::Kind::Rectangle:
                item.kind = ReportPageItem::Kind::Rectangle;
                item.penWidth = element.penWidth;
                item.penColour = element.penColour;
                item.fillColour = element.fillColour;
                break;
            case ReportElement::Kind::Picture: {
                item.kind = ReportPageItem::Kind::Picture;
                item.picture =
                    element.pictureSource ? element.pictureSource(context) : element.picture;
                if (item.picture.isNull()) continue;
                item.rect = PictureRect(element, item.picture).translated(0.0, shift);
                break;
            }
        }
        bottom = std::max(bottom, std::max(item.rect.top(), item.rect.bottom()));
        result.items.push_back(std::move(item));
    }
    result.height = bottom;
    return result;
}

}  // namespace

Report::Report(const QString& title, ReportOrientation orientation)
    : title_(title), orientation_(orientation) {
    SetMarginsMillimetres(kDefaultMarginMillimetres);
}

void Report::SetMarginsMillimetres(double all) {
    SetMarginsMillimetres(QMarginsF(all, all, all, all));
}

void Report::SetMarginsMillimetres(const QMarginsF& margins) {
    marginsPoints_ = margins * kPointsPerMillimetre;
}

QSizeF Report::PageSize() const {
    return orientation_ == ReportOrientation::Portrait
               ? QSizeF(kLetterWidthPoints, kLetterHeightPoints)
               : QSizeF(kLetterHeightPoints, kLetterWidthPoints);
}

QRectF Report::BodyRect() const {
    return QRectF(QPointF(0, 0), PageSize()).marginsRemoved(marginsPoints_);
}

ReportBand& Report::SetBand(ReportBandKind kind, double heightPoints) {
    return bands_[static_cast<int>(kind)].emplace(heightPoints);
}

ReportBand* Report::Band(ReportBandKind kind) {
    auto& band = bands_[static_cast<int>(kind)];
    return band ? &*band : nullptr;
}

void Report::AddPageStartHook(std::function<void(int)> hook) {
    pageStartHooks_.push_back(std::move(hook));
}

ReportBand& Report::AddProductTitle(const QString& heading, const QColor& headingColour) {
    constexpr double kTitleBandPoints = 74.0;
    const double width = BodyWidth();
    ReportBand& title = SetBand(ReportBandKind::Title, kTitleBandPoints);
    ReportFont product;
    product.pointSize = 24.0;
    product.bold = true;
    product.colour = QColor(0, 0, 128);
    title.AddText(QRectF(0, 0, width, 32), QStringLiteral("Quillux"), product, Qt::AlignCenter);
    ReportFont headingFont;
    headingFont.pointSize = 16.0;
    headingFont.bold = true;
    headingFont.colour = headingColour;
    title.AddText(QRectF(0, 34, width, 26), heading, headingFont, Qt::AlignCenter);
    title.AddLine(QPointF(0, 66), QPointF(width, 66), 1.0, headingColour);
    return title;
}

ReportBand& Report::AddCommonFooter(const engine::TQxSetupData& setup, double extraAbovePoints,
                                    const QString& prefix, bool showTitle) {
    const double lines = showTitle ? 2.0 : 1.0;
    ReportBand& band =
        SetBand(ReportBandKind::PageFooter, extraAbovePoints + lines * kCommonFooterLinePoints);
    const engine::TQxSetupData* record = &setup;
    AddPageStartHook([this, record, prefix](int) {
        producedBy_ = prefix + QString::fromStdString(record->SetupS[2].Get());
    });

    ReportFont font;
    font.pointSize = 9.0;
    const double width = BodyWidth();
    double y = extraAbovePoints;
    if (showTitle) {
        band.AddText(QRectF(0, y, width, kCommonFooterLinePoints), title_, font, Qt::AlignCenter);
        y += kCommonFooterLinePoints;
    }
    const QRectF line(0, y, width, kCommonFooterLinePoints);
    band.AddExpression(
        line, [](const ReportContext& context) { return context.PrintedAtText(); }, font,
        Qt::AlignLeft | Qt::AlignVCenter);
    band.AddExpression(
        line, [this](const ReportContext&) { return producedBy_; }, font, Qt::AlignCenter);
    band.AddExpression(
        line,
        [](const ReportContext& context) {
            return QStringLiteral("Page %1").arg(context.pageNumber);
        },
        font, Qt::AlignRight | Qt::AlignVCenter);
    return band;
}

ReportDocument Report::Layout() {
    ReportDocument document;
    document.title = title_;
    document.pageSize = PageSize();

    ReportContext context;
    context.printedAt = printedAt_.isValid() ? printedAt_ : QDateTime::currentDateTime();
    context.source = source_;
    if (source_ != nullptr) source_->Prepare();

    const QRectF body = BodyRect();
    ReportPage page;
    double y = body.top();
    double bottom = body.bottom();
    bool pageHasDetail = false;
    EvaluatedBand footer;

    auto place = [&](const EvaluatedBand& band, double top, double limit) {
        const bool clipped = top + band.height > limit + kFitTolerancePoints;
        for (ReportPageItem item : band.items) {
            item.rect.translate(body.left(), top);
            if (clipped) item.clip = QRectF(body.left(), top, body.width(), limit - top);
            page.items.push_back(std::move(item));
        }
    };
    auto placeHeaderBand = [&](ReportBandKind kind) {
        const ReportBand* band = Band(kind);
        if (band == nullptr) return;
        const EvaluatedBand evaluated = EvaluateBand(*band, context);
        place(evaluated, y, bottom);
        y += evaluated.height;
    };
    auto startPage = [&]() {
        ++context.pageNumber;
        for (const auto& hook : pageStartHooks_) hook(context.pageNumber);
        page = ReportPage();
        pageHasDetail = false;
        y = body.top();
        const int recordIndex = std::exchange(context.recordIndex, -1);
        // The footer's values are those of the page start; it is placed when the page ends.
        footer = EvaluatedBand();
        if (const ReportBand* band = Band(ReportBandKind::PageFooter)) {
            footer = EvaluateBand(*band, context);
        }
        bottom = body.bottom() - footer.height;
        placeHeaderBand(ReportBandKind::PageHeader);
        if (context.pageNumber == 1) placeHeaderBand(ReportBandKind::Title);
        placeHeaderBand(ReportBandKind::ColumnHeader);
        context.recordIndex = recordIndex;
    };
    auto endPage = [&]() {
        place(footer, body.bottom() - footer.height, body.bottom());
        document.pages.push_back(std::move(page));
    };
    // A band that does not fit goes to the next page; on a page holding no detail yet it is
    // placed anyway (cut at the page body), so an oversized band can never loop forever.
    auto placeBodyBand = [&](const ReportBand& band) {
        EvaluatedBand evaluated = EvaluateBand(band, context);
        if (y + evaluated.height > bottom + kFitTolerancePoints && pageHasDetail) {
            endPage();
            startPage();
            evaluated = EvaluateBand(band, context);
        }
        place(evaluated, y, bottom);
        y = std::min(y + evaluated.height, bottom);
        pageHasDetail = true;
    };

    context.pageNumber = 0;
    startPage();
    if (const ReportBand* detail = Band(ReportBandKind::Detail)) {
        if (source_ == nullptr) {
            context.runningNumber = 1;
            placeBodyBand(*detail);
        } else {
            const int count = source_->RecordCount();
            for (int record = 0; record < count; ++record) {
                context.recordIndex = record;
                context.runningNumber = record + 1;
                placeBodyBand(*detail);
            }
        }
    }
    context.recordIndex = -1;
    if (const ReportBand* summary = Band(ReportBandKind::Summary)) placeBodyBand(*summary);
    endPage();
    return document;
}

}  // namespace quillux::gui
