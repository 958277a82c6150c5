#include "gui/widgets/pocket_calculator_popup.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "gui/widgets/decimal_separator.h"

namespace quillux::gui {
namespace {

using Operation = engine::PocketCalculator::Operation;

}  // namespace

PocketCalculatorPopup::PocketCalculatorPopup(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("PocketCalculator"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);

    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("CalculatorDisplay"));
    display_->setReadOnly(true);
    display_->setAlignment(Qt::AlignRight);
    display_->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(display_, 0, 0, 1, 5);

    struct Digit {
        int digit;
        int row;
        int column;
    };
    const Digit digits[] = {{7, 1, 0}, {8, 1, 1}, {9, 1, 2}, {4, 2, 0}, {5, 2, 1},
                            {6, 2, 2}, {1, 3, 0}, {2, 3, 1}, {3, 3, 2}, {0, 4, 0}};
    for (const Digit& d : digits) {
        auto* key = new QToolButton(this);
        key->setText(QString::number(d.digit));
        key->setObjectName(QStringLiteral("CalculatorKey%1").arg(d.digit));
        key->setFocusPolicy(Qt::NoFocus);
        key->setMinimumSize(30, 26);
        grid->addWidget(key, d.row, d.column);
        connect(key, &QToolButton::clicked, this, [this, digit = d.digit] {
            calculator_.Digit(digit);
            refresh();
        });
    }
    addKey(QStringLiteral("\u00F7"), QStringLiteral("Divide"), 1, 3, nullptr);
    addKey(QStringLiteral("\u00D7"), QStringLiteral("Multiply"), 2, 3, nullptr);
    addKey(QStringLiteral("\u2212"), QStringLiteral("Subtract"), 3, 3, nullptr);
    addKey(QStringLiteral("+"), QStringLiteral("Add"), 4, 3, nullptr);
    addKey(QStringLiteral("C"), QStringLiteral("Clear"), 1, 4, nullptr);
    addKey(QStringLiteral("CE"), QStringLiteral("ClearEntry"), 2, 4, nullptr);
    addKey(QStringLiteral("\u2190"), QStringLiteral("Backspace"), 3, 4, nullptr);
    addKey(QStringLiteral("="), QStringLiteral("Equals"), 4, 4, nullptr);
    addKey(QStringLiteral("\u00B1"), QStringLiteral("Negate"), 4, 1, nullptr);
    addKey(DecimalSeparator::Current(), QStringLiteral("Point"), 4, 2, nullptr);
    addKey(tr("OK"), QStringLiteral("OK"), 5, 0, &PocketCalculatorPopup::accept);
    refresh();
}

void PocketCalculatorPopup::addKey(const QString& caption, const QString& name, int row,
                                   int column, void (PocketCalculatorPopup::*press)()) {
    auto* key = new QToolButton(this);
    key->setText(caption);
    key->setObjectName(QStringLiteral("CalculatorKey") + name);
    key->setFocusPolicy(Qt::NoFocus);
    key->setMinimumSize(30, 26);
    auto* grid = static_cast<QGridLayout*>(layout());
    if (press != nullptr) {
        key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(key, row, column, 1, 5);
        connect(key, &QToolButton::clicked, this, press);
        return;
    }
    grid->addWidget(key, row, column);
    connect(key, &QToolButton::clicked, this, [this, name] {
        if (name == u"Divide") calculator_.Apply(Operation::Divide);
        if (name == u"Multiply") calculator_.Apply(Operation::Multiply);
        if (name == u"Subtract") calculator_.Apply(Operation::Subtract);
        if (name == u"Add") calculator_.Apply(Operation::Add);
        if (name == u"Clear") calculator_.Clear();
        if (name == u"ClearEntry") calculator_.ClearEntry();
        if (name == u"Backspace") calculator_.Backspace();
        if (name == u"Equals") calculator_.Equals();
        if (name == u"Negate") calculator_.Negate();
        if (name == u"Point") calculator_.Point();
        refresh();
    });
}

void PocketCalculatorPopup::start(double value) {
    calculator_.Start(value);
    refresh();
}

QString PocketCalculatorPopup::displayText() const {
    return display_->text();
}

void PocketCalculatorPopup::accept() {
    calculator_.Equals();
    refresh();
    if (calculator_.HasError()) return;
    const double result = calculator_.Value();
    close();
    emit accepted(result);
}

void PocketCalculatorPopup::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const QChar c = typed.isEmpty() ? QChar() : typed.at(0);
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: accept(); return;
        case Qt::Key_Escape: close(); return;
        case Qt::Key_Backspace: calculator_.Backspace(); break;
        case Qt::Key_Delete: calculator_.ClearEntry(); break;
        default:
            if (c >= u'0' && c <= u'9') {
                calculator_.Digit(c.unicode() - u'0');
            } else if (c == u'.' || c == u',') {
                calculator_.Point();
            } else if (c == u'+') {
                calculator_.Apply(Operation::Add);
            } else if (c == u'-') {
                calculator_.Apply(Operation::Subtract);
            } else if (c == u'*') {
                calculator_.Apply(Operation::Multiply);
            } else if (c == u'/') {
                calculator_.Apply(Operation::Divide);
            } else if (c == u'=') {
                calculator_.Equals();
            } else {
                QFrame::keyPressEvent(event);
                return;
            }
    }
    refresh();
}

void PocketCalculatorPopup::refresh() {
    display_->setText(
        QString::fromStdString(calculator_.DisplayText(DecimalSeparator::CurrentUtf8())));
}

}  // namespace quillux::gui
