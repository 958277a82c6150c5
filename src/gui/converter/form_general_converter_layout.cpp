#include <QAbstractItemView>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

#include "gui/converter/desktop_calculator.h"
#include "gui/converter/form_general_converter.h"
#include "gui/shell/shell.h"
#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/key_filter.h"

namespace quillux::gui {

namespace {

using engine::UnitCategory;

struct GroupInfo {
    UnitCategory category;
    const char* title;
    const char* name;  // the middle of the controls' object names: "EditMassEntry"
};

// In the order of the remembered slots; the first four make the left column.
constexpr std::array<GroupInfo, TFormGeneralConverter::kGroupCount> kGroups = {{
    {UnitCategory::Mass, "Mass", "Mass"},
    {UnitCategory::Volume, "Volume", "Volume"},
    {UnitCategory::Time, "Time", "Time"},
    {UnitCategory::Temperature, "Temperature", "Temperature"},
    {UnitCategory::Length, "Length", "Length"},
    {UnitCategory::Area, "Area", "Area"},
    {UnitCategory::Speed, "Speed", "Speed"},
    {UnitCategory::Light, "Light", "Light"},
}};

constexpr int kMargin = 6;
constexpr int kGap = 4;
constexpr int kColumnGap = 7;
constexpr int kGroupWidth = (TFormGeneralConverter::kClientWidth - 2 * kMargin - kColumnGap) / 2;
// Inside a group.
constexpr int kInset = 8;
constexpr int kLabelTop = 14;
constexpr int kLabelHeight = 13;
constexpr int kBoxHeight = 21;
constexpr int kSwapWidth = 20;
constexpr int kListWidth = (kGroupWidth - 2 * kInset - kSwapWidth - 8) / 2;
constexpr int kEntryLength = 20;
// Status bar panels, in pixels; the fourth takes the rest.
constexpr int kStatusWidths[] = {80, 100, 130};

QLabel* MakeLabel(QWidget* parent, const char* text, int x, int y, int width) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(x, y, width, kLabelHeight);
    return label;
}

// Two arrows pointing away from each other: the lists trade places.
QIcon SwapIcon() {
    QPixmap picture(14, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.4));
    painter.drawLine(QPointF(2, 4.5), QPointF(12, 4.5));
    painter.drawLine(QPointF(12, 4.5), QPointF(9, 1.5));
    painter.drawLine(QPointF(12, 4.5), QPointF(9, 7.5));
    painter.drawLine(QPointF(2, 9.5), QPointF(12, 9.5));
    painter.drawLine(QPointF(2, 9.5), QPointF(5, 6.5));
    painter.drawLine(QPointF(2, 9.5), QPointF(5, 12.5));
    return QIcon(picture);
}

}  // namespace

void TFormGeneralConverter::BuildWindow() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelConverter"));
    setCentralWidget(panel);

    BuildStatusBar();
    const int panelHeight = kClientHeight - statusBar()->sizeHint().height();
    panel->resize(kClientWidth, panelHeight);
    const int groupHeight = (panelHeight - 2 * kGap - 3 * kGap) / 4;
    for (int index = 0; index < kGroupCount; ++index) {
        const int column = index / 4;
        const int row = index % 4;
        BuildGroup(panel, index, kMargin + column * (kGroupWidth + kColumnGap),
                   kGap + row * (groupHeight + kGap));
        groups_[index].box->resize(kGroupWidth, groupHeight);
    }
    // Down the left column, then the right one, each group in its own reading order.
    QWidget* previous = nullptr;
    for (const ConverterGroup& group : groups_) {
        for (QWidget* next : std::initializer_list<QWidget*>{group.from, group.swap, group.to,
                                                             group.entry, group.result}) {
            if (previous != nullptr) setTabOrder(previous, next);
            previous = next;
        }
    }

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

void TFormGeneralConverter::BuildGroup(QWidget* panel, int index, int left, int top) {
    const GroupInfo& info = kGroups[index];
    const QString name = QString::fromLatin1(info.name);
    ConverterGroup& group = groups_[index];
    group.category = info.category;

    group.box = new QGroupBox(QString::fromLatin1(info.title), panel);
    group.box->setObjectName(QStringLiteral("GroupBox") + name);
    group.box->move(left, top);

    const int toLeft = kInset + kListWidth + 4 + kSwapWidth + 4;
    const int rightWidth = kGroupWidth - kInset - toLeft;
    MakeLabel(group.box, "From:", kInset, kLabelTop, kListWidth);
    MakeLabel(group.box, "To:", toLeft, kLabelTop, rightWidth);

    const int listTop = kLabelTop + kLabelHeight + 1;
    QStringList units;
    for (const std::string& unit : engine::UnitNames(info.category)) {
        units << QString::fromStdString(unit);
    }
    group.from = new QComboBox(group.box);
    group.from->setObjectName(QStringLiteral("ComboBox") + name + QStringLiteral("From"));
    group.to = new QComboBox(group.box);
    group.to->setObjectName(QStringLiteral("ComboBox") + name + QStringLiteral("To"));
    int longest = 0;
    for (const QString& unit : units)
        longest = std::max(longest, fontMetrics().horizontalAdvance(unit));
    for (QComboBox* list : {group.from, group.to}) {
        list->addItems(units);
        list->setMaxVisibleItems(units.size());
        // The list is narrower than "Square Milimimeters": its drop-down shows whole names.
        list->view()->setMinimumWidth(longest + 24);
    }
    group.from->setGeometry(kInset, listTop, kListWidth, kBoxHeight);
    group.to->setGeometry(toLeft, listTop, rightWidth, kBoxHeight);

    group.swap = new QToolButton(group.box);
    group.swap->setObjectName(QStringLiteral("SpeedButton") + name + QStringLiteral("Invert"));
    group.swap->setIcon(SwapIcon());
    group.swap->setToolTip(QStringLiteral("Invert Selection"));
    group.swap->setGeometry(kInset + kListWidth + 4, listTop, kSwapWidth, kBoxHeight);

    const int entryLabelTop = listTop + kBoxHeight + 3;
    MakeLabel(group.box, "Entry value:", kInset, entryLabelTop, kListWidth);
    MakeLabel(group.box, "Result:", toLeft, entryLabelTop, rightWidth);

    const int entryTop = entryLabelTop + kLabelHeight + 1;
    if (info.category == UnitCategory::Temperature) {
        // Temperatures below zero are everyday values.
        group.entry = new DecimalEdit(DecimalEdit::Kind::Signed, group.box);
        group.entry->setDecimalPlaces(15);
        group.entry->setTrimTrailingZeros(true);
    } else {
        group.entry = new DecimalEdit(DecimalEdit::Kind::Calculator, group.box);
        group.entry->setFullAccuracy(true);
    }
    group.entry->setMaxLength(kEntryLength);
    group.entry->setObjectName(QStringLiteral("Edit") + name + QStringLiteral("Entry"));
    group.entry->setGeometry(kInset, entryTop, toLeft - kInset - 4, kBoxHeight);

    group.result = new QLineEdit(group.box);
    group.result->setObjectName(QStringLiteral("Edit") + name + QStringLiteral("Result"));
    group.result->setGeometry(toLeft, entryTop, rightWidth, kBoxHeight);
    KeyFilter::Install(group.result, KeyFilterKind::ControlOnly);
}

void TFormGeneralConverter::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto panel = [&](const char* name, int width) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString::fromLatin1(name));
        if (width > 0) {
            label->setFixedWidth(width);
            bar->addWidget(label);
        } else {
            bar->addWidget(label, 1);
        }
        return label;
    };
    StatusPanelDigit = panel("StatusPanelDigit", kStatusWidths[0]);
    StatusPanelPrecision = panel("StatusPanelPrecision", kStatusWidths[1]);
    StatusPanelFormat = panel("StatusPanelFormat", kStatusWidths[2]);
    StatusPanelEmpty = panel("StatusPanelEmpty", 0);
}

void TFormGeneralConverter::BuildMenus() {
    QMenu* action = menuBar()->addMenu(QStringLiteral("Action"));
    action->setObjectName(QStringLiteral("Action1"));
    ClearAllFields1 = AddCommand(action, "ClearAllFields1", QStringLiteral("&Clear All Fields"),
                                 QKeySequence(Qt::CTRL | Qt::Key_Delete));
    action->addSeparator();
    Exit1 = AddCommand(action, "Exit1", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_F12));

    QMenu* format = menuBar()->addMenu(QStringLiteral("Format"));
    format->setObjectName(QStringLiteral("Format1"));
    auto radioMenu = [&](const char* title, const char* name, QActionGroup*& entries) {
        QMenu* menu = format->addMenu(QString::fromLatin1(title));
        menu->setObjectName(QString::fromLatin1(name));
        entries = new QActionGroup(menu);
        entries->setExclusive(true);
        return menu;
    };
    QMenu* precision = radioMenu("&Precision", "MenuPrecision", precisionEntries_);
    for (int n = 1; n <= 15; ++n) {
        QAction* entry = precision->addAction(QString::number(n));
        entry->setObjectName(QStringLiteral("Precision%1").arg(n));
        entry->setCheckable(true);
        entry->setData(n);
        precisionEntries_->addAction(entry);
    }
    QMenu* display = radioMenu("&Display", "MenuDisplay", digitEntries_);
    for (int n = 0; n <= 10; ++n) {
        QAction* entry = display->addAction(QString::number(n));
        entry->setObjectName(QStringLiteral("Digit%1").arg(n));
        entry->setCheckable(true);
        entry->setData(n);
        digitEntries_->addAction(entry);
    }
    QMenu* kind = radioMenu("&Format", "MenuFormat", formatEntries_);
    const std::pair<const char*, engine::FloatFormat> kinds[] = {
        {"Normal", engine::FloatFormat::General},
        {"Exponent", engine::FloatFormat::Exponent},
        {"Fixed", engine::FloatFormat::Fixed}};
    for (const auto& [caption, value] : kinds) {
        QAction* entry = kind->addAction(QString::fromLatin1(caption));
        entry->setObjectName(QStringLiteral("Format") + QString::fromLatin1(caption));
        entry->setCheckable(true);
        entry->setData(static_cast<int>(value));
        formatEntries_->addAction(entry);
    }

    AddSharedEditMenu(QStringLiteral("Edit"));

    // Only where the desktop has a calculator program of its own.
    calculatorProgram_ = DesktopCalculator::Find();
    if (!calculatorProgram_.isEmpty()) {
        Calculator1 = menuBar()->addAction(QStringLiteral("Calculator..."));
        Calculator1->setObjectName(QStringLiteral("Calculator1"));
    }
}

}  // namespace quillux::gui
