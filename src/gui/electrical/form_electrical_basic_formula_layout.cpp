#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include "gui/electrical/form_electrical_basic_formula.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/key_filter.h"

namespace quillux::gui {

namespace {

// How one formula reads on the window: caption, input A, operator, caption, input B, "=",
// result. Hints name the quantity of each input; an empty hint is none.
struct FormulaRow {
    const char* before;
    const char* op;
    const char* between;
    const char* hintA;
    const char* hintB;
};

// In report order, so row r of quadrant q is formula 3q + r + 1.
constexpr std::array<FormulaRow, engine::kBasicFormulaCount> kRows = {{
    {"Sqr(Amps)", "*", "Ohms", "Amps", "Ohms"},
    {"Sqr(Volts)", "/", "Ohms", "Volts", "Ohms"},
    {"Volts", "*", "Amps", "Volts", "Amps"},
    {"SQRT(watts", "/", "Ohms)", "Watts", ""},
    {"Watts", "/", "Volts", "Watts", "Volts"},
    {"Volts", "/", "Ohms", "Volts", "Ohms"},
    {"Amps", "*", "Ohms", "Amps", "Ohms"},
    {"Watts", "/", "Amps", "Watts", "Amps"},
    {"SQRT( Watts", "*", "ohms)", "Watts", "Ohms"},
    {"Volts", "/", "Amps", "Volts", "Amps"},
    {"Sqr(Volt)", "/", "Watts", "Volt", "Watts"},
    {"Watts", "/", "Sqr(Amps)", "Watts", "Amps"},
}};

// Quadrants in the order their report numbers run (Wattage 1-3, Amperage 4-6, Voltage 7-9,
// Resistance 10-12), with their place on the panel.
struct Quadrant {
    const char* name;
    const char* title;
    int column;  // 0 left, 1 right
    int row;     // 0 top, 1 bottom
};
constexpr std::array<Quadrant, 4> kQuadrants = {{
    {"GroupBoxWattage", "Wattage (P)", 0, 0},
    {"GroupBoxAmperage", "Amperage (I)", 0, 1},
    {"GroupBoxVoltage", "Voltage (E)", 1, 0},
    {"GroupBoxResistance", "Resistance (R)", 1, 1},
}};

// Panel geometry in pixels, below the menu bar.
constexpr int kMargin = 6;
constexpr int kQuadrantWidth = 314;
constexpr int kQuadrantHeight = 130;
constexpr int kQuadrantTop = 8;
constexpr int kQuadrantGap = 6;
constexpr int kPictureSide = 136;
constexpr int kRowTop = 24;
constexpr int kRowPitch = 34;
constexpr int kBoxHeight = 21;
constexpr int kSentenceTop = 282;

// Columns inside a quadrant: x and width.
constexpr int kBeforeX = 0, kBeforeWidth = 68;
constexpr int kInputAX = 70, kInputWidth = 40;
constexpr int kOperatorX = 110, kOperatorWidth = 12;
constexpr int kBetweenX = 122, kBetweenWidth = 54;
constexpr int kInputBX = 178;
constexpr int kEqualsX = 220, kEqualsWidth = 12;
constexpr int kResultX = 232, kResultWidth = 76;
constexpr int kResultMaxLength = 20;

const QColor kResultColour(255, 255, 225);

QLabel* MakeLabel(QWidget* parent, const char* text, int x, int y, int width,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(x, y, width, kBoxHeight);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

DecimalEdit* MakeInput(QWidget* parent, const char* name, const char* hint, int x, int y) {
    auto* box = new DecimalEdit(DecimalEdit::Kind::NonNegative, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimalPlaces(2);
    box->setTrimTrailingZeros(true);
    box->setValue(1);
    box->setToolTip(QString::fromLatin1(hint));
    box->setGeometry(x, y, kInputWidth, kBoxHeight);
    KeyFilter::Install(box, KeyFilterKind::StandardNumeric);
    return box;
}

}  // namespace

void TFormElectricalBasicFormula::BuildWindow() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelFormulas"));
    setCentralWidget(panel);

    const int pictureLeft = kMargin + kQuadrantWidth + kMargin;
    const int rightLeft = kClientWidth - kMargin - kQuadrantWidth;
    for (int q = 0; q < static_cast<int>(kQuadrants.size()); ++q) {
        const Quadrant& quadrant = kQuadrants[q];
        auto* group = new QGroupBox(QString::fromLatin1(quadrant.title), panel);
        group->setObjectName(QString::fromLatin1(quadrant.name));
        group->setGeometry(quadrant.column == 0 ? kMargin : rightLeft,
                           kQuadrantTop + quadrant.row * (kQuadrantHeight + kQuadrantGap),
                           kQuadrantWidth, kQuadrantHeight);
        for (int r = 0; r < 3; ++r) {
            const int index = 3 * q + r;
            const FormulaRow& row = kRows[index];
            const engine::BasicFormulaInfo& formula = engine::BasicFormulaTable()[index];
            const int y = kRowTop + r * kRowPitch;
            MakeLabel(group, row.before, kBeforeX, y, kBeforeWidth, Qt::AlignRight);
            FormulaBoxes& boxes = formulas_[index];
            boxes.a = MakeInput(group, formula.inputBoxA, row.hintA, kInputAX, y);
            MakeLabel(group, row.op, kOperatorX, y, kOperatorWidth, Qt::AlignHCenter);
            MakeLabel(group, row.between, kBetweenX, y, kBetweenWidth, Qt::AlignLeft);
            boxes.b = MakeInput(group, formula.inputBoxB, row.hintB, kInputBX, y);
            MakeLabel(group, "=", kEqualsX, y, kEqualsWidth, Qt::AlignHCenter);

            boxes.result = new QLineEdit(QString::fromUtf8(formula.initialText), group);
            boxes.result->setObjectName(QString::fromLatin1(formula.resultBox));
            boxes.result->setReadOnly(true);
            boxes.result->setMaxLength(kResultMaxLength);
            // Results can be selected and copied with the mouse but Tab skips them.
            boxes.result->setFocusPolicy(Qt::ClickFocus);
            QPalette colours = boxes.result->palette();
            colours.setColor(QPalette::Base, kResultColour);
            boxes.result->setPalette(colours);
            boxes.result->setGeometry(kResultX, y, kResultWidth, kBoxHeight);
        }
    }

    Image1 = new QLabel(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    const int pictureWidth = rightLeft - kMargin - pictureLeft;
    const int quadrantsHeight = 2 * kQuadrantHeight + kQuadrantGap;
    Image1->setGeometry(pictureLeft + (pictureWidth - kPictureSide) / 2,
                        kQuadrantTop + (quadrantsHeight - kPictureSide) / 2, kPictureSide,
                        kPictureSide);

    auto* sentence = new QLabel(
        QStringLiteral("These formulas apply to DC circuits, and common AC circuits in which the "
                       "phase is 0 degree and impedance is equal to resistance."),
        panel);
    sentence->setObjectName(QStringLiteral("LabelSentence"));
    sentence->setAlignment(Qt::AlignCenter);
    sentence->setGeometry(kMargin, kSentenceTop, kClientWidth - 2 * kMargin, 18);

    BuildMenus();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

void TFormElectricalBasicFormula::BuildMenus() {
    QMenu* action = menuBar()->addMenu(QStringLiteral("Action"));
    action->setObjectName(QStringLiteral("Action1"));
    ClearAllFields1 = AddCommand(action, "ClearAllFields1", QStringLiteral("&Clear All Fields"),
                                 QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Print1 = AddCommand(action, "Print1", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    action->addSeparator();
    Exit1 = AddCommand(action, "Exit1", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_F12));
    connect(ClearAllFields1, &QAction::triggered, this,
            &TFormElectricalBasicFormula::ClearAllFields1Click);
    connect(Print1, &QAction::triggered, this, &TFormElectricalBasicFormula::Print1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    AddSharedEditMenu(QStringLiteral("Edit"));
}

}  // namespace quillux::gui
