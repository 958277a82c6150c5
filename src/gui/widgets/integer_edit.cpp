#include "gui/widgets/integer_edit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "engine/number/number_text.h"

namespace quillux::gui {
namespace {

constexpr int kLongestPaddedBox = 64;

}  // namespace

IntegerEdit::IntegerEdit(QWidget* parent) : QLineEdit(parent) {
    // Guards pastes as well as typing.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    connect(this, &QLineEdit::textChanged, this, [this] { emit valueChanged(value()); });
}

void IntegerEdit::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void IntegerEdit::setZeroPadding(bool pad) {
    zeroPadding_ = pad;
}

int IntegerEdit::value() const {
    return engine::ParseIntegerText(text().toStdString());
}

void IntegerEdit::setValue(int value) {
    setText(textFor(value));
}

QString IntegerEdit::textFor(int value) const {
    QString text = QString::number(value);
    if (zeroPadding_ && maxLength() <= kLongestPaddedBox) {
        const int at = value < 0 ? 1 : 0;
        while (text.size() < maxLength()) text.insert(at, u'0');
    }
    return text;
}

void IntegerEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                                Qt::MetaModifier)) != Qt::NoModifier;
    if (!isReadOnly() && !command && typed.size() == 1 && typed.at(0).isPrint() &&
        !(typed.at(0) >= u'0' && typed.at(0) <= u'9')) {
        event->accept();  // dropped without a sound
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void IntegerEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (zeroPadding_ && !isReadOnly() && !text().isEmpty() && event->reason() != Qt::PopupFocusReason) {
        const QString padded = textFor(value());
        if (padded != text()) setText(padded);
    }
}

}  // namespace quillux::gui
