#include "gui/widgets/integer_spin_box.h"

#include <QLineEdit>
#include <QProxyStyle>
#include <algorithm>

#include "engine/number/number_text.h"

namespace quillux::gui {
namespace {

constexpr int kLongestPaddedBox = 64;

// Fixes the repeat rate of the arrows whatever the desktop style says.
class RepeatRateStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_SpinBox_ClickAutoRepeatRate || hint == SH_SpinBox_KeyPressAutoRepeatRate) {
            return IntegerSpinBox::kRepeatIntervalMs;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

IntegerSpinBox::IntegerSpinBox(QWidget* parent) : QSpinBox(parent) {
    auto* repeatStyle = new RepeatRateStyle;
    repeatStyle->setParent(this);
    setStyle(repeatStyle);
    setRange(1, 65536);
    setWrapping(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int IntegerSpinBox::maxLength() const {
    return lineEdit()->maxLength();
}

void IntegerSpinBox::setMaxLength(int length) {
    lineEdit()->setMaxLength(length);
    lineEdit()->setText(textFromValue(value()));
}

void IntegerSpinBox::setZeroPadding(bool pad) {
    zeroPadding_ = pad;
    lineEdit()->setText(textFromValue(value()));
}

int IntegerSpinBox::readValue() {
    const int result = clamped(text());
    if (result != value()) {
        setValue(result);
    } else if (text() != textFromValue(result)) {
        lineEdit()->setText(textFromValue(result));
    }
    return result;
}

int IntegerSpinBox::clamped(const QString& text) const {
    if (text.isEmpty()) return minimum();
    return std::clamp(engine::ParseIntegerText(text.toStdString()), minimum(), maximum());
}

QValidator::State IntegerSpinBox::validate(QString& input, int&) const {
    if (!AllDigits(input)) return QValidator::Invalid;
    if (input.isEmpty()) return QValidator::Intermediate;
    const int typed = engine::ParseIntegerText(input.toStdString());
    return typed >= minimum() && typed <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

void IntegerSpinBox::fixup(QString& input) const {
    input = textFromValue(clamped(input));
}

int IntegerSpinBox::valueFromText(const QString& text) const {
    return clamped(text);
}

QString IntegerSpinBox::textFromValue(int value) const {
    QString text = QString::number(value);
    const int length = lineEdit()->maxLength();
    if (zeroPadding_ && length <= kLongestPaddedBox) {
        while (text.size() < length) text.insert(0, u'0');
    }
    return text;
}

}  // namespace quillux::gui
