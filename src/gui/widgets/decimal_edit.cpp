#include "gui/widgets/decimal_edit.h"

#include <QAction>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QValidator>

#include "engine/number/format_float_value.h"
#include "engine/number/number_text.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/pocket_calculator_popup.h"

namespace quillux::gui {
namespace {

constexpr int kCalculatorMaxLength = 20;
// Significant digits of the rounded text: what a double carries.
constexpr int kDisplayPrecision = 15;
// Zero padding only makes sense for the short boxes that set a maximum length.
constexpr int kLongestPaddedBox = 64;
const QColor kResultColour(255, 255, 225);

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

// Lets through what the box can hold, so a paste cannot bring letters in: an optional "-"
// (signed kinds), digits, one separator, and an exponent for the program's own large values.
class DecimalValidator : public QValidator {
public:
    DecimalValidator(bool allowSign, QObject* parent) : QValidator(parent), allowSign_(allowSign) {}

    void setSeparator(const QString& separator) {
        pattern_.setPattern(QStringLiteral("^%1[0-9]*(?:%2[0-9]*)?(?:[eE][-+]?[0-9]*)?$")
                                .arg(allowSign_ ? QStringLiteral("-?") : QString(),
                                     QRegularExpression::escape(separator)));
    }

    State validate(QString& input, int&) const override {
        return pattern_.match(input).hasMatch() ? Acceptable : Invalid;
    }

private:
    bool allowSign_;
    QRegularExpression pattern_;
};

DecimalEdit::DecimalEdit(QWidget* parent) : DecimalEdit(Kind::NonNegative, parent) {}

DecimalEdit::DecimalEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    separator_ = DecimalSeparator::Current();
    applyKind();
    connect(&DecimalSeparator::Instance(), &DecimalSeparator::changed, this,
            &DecimalEdit::separatorChanged);
    connect(this, &QLineEdit::textChanged, this, [this] { emit valueChanged(value()); });
}

void DecimalEdit::applyKind() {
    validator_ = new DecimalValidator(kind_ != Kind::NonNegative, this);
    validator_->setSeparator(separator_);
    setValidator(validator_);
    if (kind_ == Kind::Calculator) {
        setMaxLength(kCalculatorMaxLength);
        fullAccuracy_ = true;
        QAction* button =
            addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
        button->setObjectName(QStringLiteral("CalculatorButton"));
        button->setToolTip(tr("Calculator"));
        connect(button, &QAction::triggered, this, [this] { showCalculator(); });
    }
}

void DecimalEdit::setDecimalPlaces(int places) {
    decimalPlaces_ = std::max(0, places);
}

void DecimalEdit::setTrimTrailingZeros(bool trim) {
    trimTrailingZeros_ = trim;
}

void DecimalEdit::setFullAccuracy(bool keep) {
    fullAccuracy_ = keep;
}

void DecimalEdit::setZeroPadding(bool pad) {
    zeroPadding_ = pad;
}

QString DecimalEdit::textFor(double value) const {
    QString text = QString::fromStdString(engine::FormatFloatValue(
        value, engine::FloatFormat::Fixed, kDisplayPrecision, decimalPlaces_,
        separator_.toStdString()));
    const bool plain = !text.contains(u'E') && !text.contains(u'N');  // not 1E20, INF, NAN
    if (trimTrailingZeros_ && plain && text.contains(separator_)) {
        while (text.endsWith(u'0')) text.chop(1);
        if (text.endsWith(separator_)) text.chop(separator_.size());
    }
    if (zeroPadding_ && plain && maxLength() <= kLongestPaddedBox) {
        const int at = text.startsWith(u'-') ? 1 : 0;
        while (text.size() < maxLength()) text.insert(at, u'0');
    }
    return text;
}

double DecimalEdit::value() const {
    const QString current = text();
    if (current.isEmpty()) return 0;
    if (fullAccuracy_ && exact_ && current == textFor(*exact_)) return *exact_;
    return engine::ParseFloatText(current.toStdString(), separator_.toStdString());
}

void DecimalEdit::setValue(double value) {
    exact_ = value;
    setText(textFor(value));
}

void DecimalEdit::clearValue() {
    exact_.reset();
    clear();
}

void DecimalEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    if (keypad && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        insertSeparator();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                                Qt::MetaModifier)) != Qt::NoModifier;
    if (typed.size() != 1 || !typed.at(0).isPrint() || command) {
        QLineEdit::keyPressEvent(event);  // editing, navigation, shortcuts
        return;
    }
    const QChar c = typed.at(0);
    const bool isSigned = kind_ != Kind::NonNegative;
    if (IsAsciiDigit(c)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed == separator_) {
        insertSeparator();
    } else if (c == u'-' && isSigned) {
        setNegative(true);
    } else if (c == u'+' && isSigned) {
        setNegative(false);
    }
    // Anything else, "+" in a non-negative box included, is dropped without a sound.
    event->accept();
}

void DecimalEdit::insertSeparator() {
    QString rest = text();
    if (hasSelectedText()) rest.remove(selectionStart(), selectedText().size());
    if (rest.contains(separator_)) return;
    insert(separator_);
}

void DecimalEdit::setNegative(bool negative) {
    const bool isNegative = text().startsWith(u'-');
    if (negative == isNegative) return;
    const int cursor = cursorPosition();
    deselect();
    setCursorPosition(0);
    if (negative) {
        insert(QStringLiteral("-"));
        setCursorPosition(cursor + 1);
    } else {
        del();
        setCursorPosition(std::max(0, cursor - 1));
    }
}

void DecimalEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or the calculator taking the focus is no end of typing.
    if (event->reason() != Qt::PopupFocusReason) roundDisplayedText();
}

void DecimalEdit::roundDisplayedText() {
    if (isReadOnly() || text().isEmpty()) return;
    if (!(exact_ && text() == textFor(*exact_))) {
        exact_ = engine::ParseFloatText(text().toStdString(), separator_.toStdString());
    }
    const QString rounded = textFor(*exact_);
    if (rounded != text()) setText(rounded);
}

void DecimalEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) applyReadOnlyColour();
}

void DecimalEdit::applyReadOnlyColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, isReadOnly() ? kResultColour
                                                  : QPalette().color(QPalette::Base));
    setPalette(colours);
}

void DecimalEdit::separatorChanged(const QString& separator) {
    if (separator == separator_) return;
    QString current = text();
    current.replace(separator_, separator);
    separator_ = separator;
    validator_->setSeparator(separator);
    if (current != text()) setText(current);
}

PocketCalculatorPopup* DecimalEdit::showCalculator() {
    if (kind_ != Kind::Calculator || isReadOnly()) return nullptr;
    if (calculator_.isNull()) {
        calculator_ = new PocketCalculatorPopup(this);
        connect(calculator_, &PocketCalculatorPopup::accepted, this,
                &DecimalEdit::calculatorAccepted);
    }
    calculator_->start(value());
    calculator_->move(mapToGlobal(rect().bottomLeft()));
    calculator_->show();
    return calculator_;
}

void DecimalEdit::calculatorAccepted(double result) {
    setValue(result);
    emit textEdited(text());
    setFocus(Qt::OtherFocusReason);
}

}  // namespace quillux::gui
