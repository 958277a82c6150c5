#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

#include "gui/resistor/color_swatch.h"
#include "gui/resistor/form_resistance_color_code.h"
#include "gui/resistor/resistor_drawing.h"
#include "gui/resistor/resistor_legend.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"

namespace quillux::gui {

namespace {

using engine::ResistorBand;
using engine::ResistorColour;

// Panel geometry in pixels, below the menu bar. The legend's rows and the swatch rows share
// their tops (kRowTop + row × kRowPitch from the top of the two groups).
constexpr int kMargin = 6;
constexpr int kGroupTop = 4;
constexpr int kGroupHeight = 322;
constexpr int kLegendWidth = 104;
constexpr int kCalculatorLeft = kMargin + kLegendWidth + kMargin;
constexpr int kCalculatorWidth = 168;
constexpr int kRightLeft = kCalculatorLeft + kCalculatorWidth + kMargin;
constexpr int kRightWidth = TFormResistanceColorCode::kClientWidth - kRightLeft - kMargin;
constexpr int kRowTop = 64;
constexpr int kRowPitch = 17;
constexpr int kRowHeight = 14;
constexpr int kLegendInset = 8;

// Swatch columns of the calculator, one per band, with the bands of the drawing above them.
constexpr int kColumnFirstCentre = 27;
constexpr int kColumnPitch = 38;
constexpr int kSwatchWidth = 32;
constexpr int kBandTitleTop = 15;
constexpr int kDrawingTop = 30;
constexpr int kDrawingHeight = 28;
constexpr int kDrawingInset = 4;
constexpr int kBandWidth = 12;
// "No Color" has no legend row: it takes the row under "Silver".
constexpr int kNoColorRow = ResistorLegend::kRowCount;

// The right-hand column: three results, the entry box, the formulas.
constexpr int kResultTop = 4;
constexpr int kResultPitch = 36;
constexpr int kEntryGroupTop = kResultTop + 3 * kResultPitch + 2;
constexpr int kEntryGroupHeight = 68;
constexpr int kFormulaTop = kEntryGroupTop + kEntryGroupHeight + 4;

constexpr int kBoxHeight = 21;
constexpr int kEntryHeight = 26;
constexpr int kLineHeight = 13;
const QColor kResultColour(255, 255, 225);

int ColumnCentre(ResistorBand band) {
    return kColumnFirstCentre + static_cast<int>(band) * kColumnPitch;
}

int LegendRow(ResistorColour colour) {
    const auto& rows = ResistorLegend::RowColours();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (rows[row] == colour) return row;
    }
    return kNoColorRow;
}

const char* BandLetter(ResistorBand band) {
    static const char* const kLetters[] = {"A", "B", "C", "D"};
    return kLetters[static_cast<int>(band)];
}

// The swatch hints: the digit for A and B, the multiplier for C, the tolerance for D.
QString SwatchHint(ResistorBand band, ResistorColour colour) {
    const engine::ResistorColourInfo& info = engine::ResistorColourData(colour);
    switch (band) {
        case ResistorBand::A:
        case ResistorBand::B:
            return QString::number(info.digit);
        case ResistorBand::C:
            if (colour == ResistorColour::Gold) return QStringLiteral("Multiply by 0.1");
            if (colour == ResistorColour::Silver) return QStringLiteral("Multiply by 0.01");
            // Two blanks before the thousand, as the hint has always read.
            if (colour == ResistorColour::Orange) return QStringLiteral("Multiply by  1000");
            return QStringLiteral("Multiply by %1").arg(static_cast<qint64>(info.multiplier));
        case ResistorBand::D:
            if (colour == ResistorColour::NoColor) {
                return QStringLiteral("No color = 20 % tolerance");
            }
            return QStringLiteral("%1 % tolerance").arg(info.tolerance);
    }
    return {};
}

QString SwatchName(ResistorBand band, ResistorColour colour) {
    QString name = QString::fromLatin1(engine::ResistorColourData(colour).name);
    name.remove(QLatin1Char(' '));
    return QStringLiteral("Swatch") + QLatin1String(BandLetter(band)) + name;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLineEdit* MakeResult(QWidget* parent, const char* name, const QString& caption, int top) {
    MakeLabel(parent, caption, QRect(kRightLeft, top, kRightWidth, kLineHeight + 1));
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    // The text can be selected and copied with the mouse; Tab goes past.
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, kResultColour);
    box->setPalette(colours);
    box->setGeometry(kRightLeft, top + kLineHeight + 1, kRightWidth, kBoxHeight);
    return box;
}

QToolButton* MakeStepButton(QWidget* parent, const char* name, Qt::ArrowType arrow,
                            const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

void TFormResistanceColorCode::BuildWindow() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelResistance"));
    setCentralWidget(panel);
    panel->resize(kClientWidth, kClientHeight);

    BuildLegend(panel);
    BuildCalculator(panel);
    BuildEntry(panel);
    BuildFormulas(panel);
    BuildMenus();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const int height = menuBar()->sizeHint().height() + kClientHeight;
    setFixedSize(kClientWidth, height);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, height / 2));
    }
}

void TFormResistanceColorCode::BuildLegend(QWidget* panel) {
    auto* group = new QGroupBox(QStringLiteral("Resistor Color Code"), panel);
    group->setObjectName(QStringLiteral("GroupBoxLegend"));
    group->setGeometry(kMargin, kGroupTop, kLegendWidth, kGroupHeight);
    const int columnsTop = kRowTop - kLineHeight - 6;
    const int rowWidth = kLegendWidth - 2 * kLegendInset;
    const int patchWidth = qRound(ResistorLegend::PatchWidth(rowWidth));
    MakeLabel(group, QStringLiteral("Color"),
              QRect(kLegendInset, columnsTop, patchWidth, kLineHeight), Qt::AlignCenter);
    MakeLabel(
        group, QStringLiteral("Value"),
        QRect(kLegendInset + patchWidth + 4, columnsTop, rowWidth - patchWidth - 4, kLineHeight));
    auto* legend = new ResistorLegend(group);
    legend->setObjectName(QStringLiteral("ResistorLegend"));
    legend->setGeometry(kLegendInset, 0, rowWidth, kGroupHeight - 4);
    legend->SetRows(kRowTop, kRowPitch, kRowHeight);
}

void TFormResistanceColorCode::BuildCalculator(QWidget* panel) {
    auto* group = new QGroupBox(QStringLiteral("Resistor calculator "), panel);
    group->setObjectName(QStringLiteral("GroupBoxCalculator"));
    group->setGeometry(kCalculatorLeft, kGroupTop, kCalculatorWidth, kGroupHeight);

    static const char* const kBandHints[] = {"A= First digiit", "B= Second digit", "C= Multiplier",
                                             "D= Tolerance"};
    ShapeResistor = new ResistorDrawing(group);
    ShapeResistor->setObjectName(QStringLiteral("ShapeResistor"));
    ShapeResistor->setGeometry(kDrawingInset, kDrawingTop, kCalculatorWidth - 2 * kDrawingInset,
                               kDrawingHeight);
    ShapeResistor->SetBandWidth(kBandWidth);
    for (const ResistorBand band :
         {ResistorBand::A, ResistorBand::B, ResistorBand::C, ResistorBand::D}) {
        const int index = static_cast<int>(band);
        QLabel* title = MakeLabel(
            group, QLatin1String(BandLetter(band)),
            QRect(ColumnCentre(band) - kSwatchWidth / 2, kBandTitleTop, kSwatchWidth, kLineHeight),
            Qt::AlignCenter);
        title->setObjectName(QStringLiteral("LabelBand") + QLatin1String(BandLetter(band)));
        title->setToolTip(QString::fromLatin1(kBandHints[index]));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        ShapeResistor->SetBandCentre(index, ColumnCentre(band) - kDrawingInset);
    }

    // Bands A and B offer the ten digits, C those and the two fractions, D the tolerances.
    auto addColumn = [&](ResistorBand band, std::initializer_list<ResistorColour> colours) {
        for (const ResistorColour colour : colours) {
            const engine::ResistorColourInfo& info = engine::ResistorColourData(colour);
            auto* button = new ColorSwatch(QColor(info.red, info.green, info.blue), group);
            button->setObjectName(SwatchName(band, colour));
            button->setToolTip(SwatchHint(band, colour));
            button->setGeometry(ColumnCentre(band) - kSwatchWidth / 2,
                                kRowTop + LegendRow(colour) * kRowPitch, kSwatchWidth, kRowHeight);
            swatches_.push_back({band, colour, button});
        }
    };
    using C = ResistorColour;
    const std::initializer_list<C> digits = {C::Black, C::Brown, C::Red,    C::Orange, C::Yellow,
                                             C::Green, C::Blue,  C::Purple, C::Gray,   C::White};
    addColumn(ResistorBand::A, digits);
    addColumn(ResistorBand::B, digits);
    addColumn(ResistorBand::C, {C::Black, C::Brown, C::Red, C::Orange, C::Yellow, C::Green, C::Blue,
                                C::Purple, C::Gray, C::White, C::Gold, C::Silver});
    addColumn(ResistorBand::D,
              {C::Brown, C::Red, C::Orange, C::Yellow, C::Gold, C::Silver, C::NoColor});

    const int textTop = kRowTop + (kNoColorRow + 1) * kRowPitch;
    QLabel* click =
        MakeLabel(group,
                  QStringLiteral("Click on the corresponding\n"
                                 "colors of your resistor"),
                  QRect(4, textTop, kCalculatorWidth - 8, 2 * kLineHeight + 2), Qt::AlignCenter);
    click->setObjectName(QStringLiteral("LabelClick"));
}

void TFormResistanceColorCode::BuildEntry(QWidget* panel) {
    EditResultOhms =
        MakeResult(panel, "EditResultOhms", QStringLiteral("Result in Ohms"), kResultTop);
    EditResultKiloOhms =
        MakeResult(panel, "EditResultKiloOhms", QStringLiteral("Result in KiloOhms"),
                   kResultTop + kResultPitch);
    EditResultMegaOhms =
        MakeResult(panel, "EditResultMegaOhms", QStringLiteral("Result in MegaOhms"),
                   kResultTop + 2 * kResultPitch);

    auto* group = new QGroupBox(QStringLiteral("Enter Resistance Value"), panel);
    group->setObjectName(QStringLiteral("GroupBoxEntry"));
    group->setGeometry(kRightLeft, kEntryGroupTop, kRightWidth, kEntryGroupHeight);

    constexpr int kEntryWidth = 150;
    EditResistanceEntry = new DecimalEdit(DecimalEdit::Kind::NonNegative, group);
    EditResistanceEntry->setObjectName(QStringLiteral("EditResistanceEntry"));
    EditResistanceEntry->setDecimalPlaces(1);
    EditResistanceEntry->setTrimTrailingZeros(true);
    // Keeps 0.47 when the box shows 0.5, so a unit change or closing reads what the bands say.
    EditResistanceEntry->setFullAccuracy(true);
    EditResistanceEntry->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EditResistanceEntry->setToolTip(QStringLiteral("Enter a resistance value"));
    EditResistanceEntry->setGeometry(10, 16, kEntryWidth, kEntryHeight);
    const int half = kEntryHeight / 2;
    SpeedButtonUp = MakeStepButton(group, "SpeedButtonUp", Qt::UpArrow,
                                   QRect(10 + kEntryWidth + 1, 16, 18, half));
    SpeedButtonDown = MakeStepButton(group, "SpeedButtonDown", Qt::DownArrow,
                                     QRect(10 + kEntryWidth + 1, 16 + half, 18, half));

    RadioButtonOhms = new QRadioButton(QStringLiteral("Ohms"), group);
    RadioButtonOhms->setObjectName(QStringLiteral("RadioButtonOhms"));
    RadioButtonOhms->setGeometry(10, 46, 60, 18);
    RadioButtonOhms->setChecked(true);
    RadioButtonKiloOhms = new QRadioButton(QStringLiteral("KiloOhms"), group);
    RadioButtonKiloOhms->setObjectName(QStringLiteral("RadioButtonKiloOhms"));
    RadioButtonKiloOhms->setGeometry(80, 46, 82, 18);
    RadioButtonMegaOhms = new QRadioButton(QStringLiteral("MegaOhms"), group);
    RadioButtonMegaOhms->setObjectName(QStringLiteral("RadioButtonMegaOhms"));
    RadioButtonMegaOhms->setGeometry(170, 46, 90, 18);
}

void TFormResistanceColorCode::BuildFormulas(QWidget* panel) {
    const int width = kRightWidth;
    int top = kFormulaTop;
    QFont headingFont = font();
    headingFont.setBold(true);
    int number = 1;
    for (const TFormResistanceColorCodePrint::Formula& formula :
         TFormResistanceColorCodePrint::Formulas()) {
        QLabel* heading =
            MakeLabel(panel, formula.heading, QRect(kRightLeft, top, width, kLineHeight));
        heading->setObjectName(QStringLiteral("LabelFormulaHeading%1").arg(number));
        heading->setFont(headingFont);
        top += kLineHeight + 1;
        if (formula.numerator.isEmpty()) {
            QLabel* line = MakeLabel(panel, formula.lead,
                                     QRect(kRightLeft + 4, top, width - 4, 2 * kLineHeight),
                                     Qt::AlignLeft | Qt::AlignTop);
            line->setObjectName(QStringLiteral("LabelFormula%1").arg(number));
            line->setWordWrap(true);
            top += 2 * kLineHeight + 1;
        } else {
            const QFontMetrics metrics(font());
            const int leadWidth = metrics.horizontalAdvance(formula.lead) + 2;
            const int fractionWidth = std::max(metrics.horizontalAdvance(formula.numerator),
                                               metrics.horizontalAdvance(formula.denominator)) +
                                      8;
            const int left = kRightLeft + 4;
            QLabel* lead = MakeLabel(panel, formula.lead,
                                     QRect(left, top + kLineHeight / 2, leadWidth, kLineHeight));
            lead->setObjectName(QStringLiteral("LabelFormula%1").arg(number));
            QLabel* numerator = MakeLabel(panel, formula.numerator,
                                          QRect(left + leadWidth, top, fractionWidth, kLineHeight),
                                          Qt::AlignCenter);
            numerator->setObjectName(QStringLiteral("LabelFormulaNumerator%1").arg(number));
            auto* bar = new QFrame(panel);
            bar->setFrameShape(QFrame::HLine);
            bar->setGeometry(left + leadWidth, top + kLineHeight, fractionWidth, 1);
            bar->setStyleSheet(QStringLiteral("background-color: black;"));
            QLabel* denominator = MakeLabel(
                panel, formula.denominator,
                QRect(left + leadWidth, top + kLineHeight + 1, fractionWidth, kLineHeight),
                Qt::AlignCenter);
            denominator->setObjectName(QStringLiteral("LabelFormulaDenominator%1").arg(number));
            top += 2 * kLineHeight + 3;
        }
        ++number;
    }
}

void TFormResistanceColorCode::BuildMenus() {
    QMenu* action = menuBar()->addMenu(QStringLiteral("&Action"));
    action->setObjectName(QStringLiteral("Action1"));
    ClearAllFields1 = AddCommand(action, "ClearAllFields1", QStringLiteral("&Clear All Fields"),
                                 QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Print1 = AddCommand(action, "Print1", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    action->addSeparator();
    Exit1 = AddCommand(action, "Exit1", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_F12));

    AddSharedEditMenu(QStringLiteral("&Edit"));
}

}  // namespace quillux::gui
