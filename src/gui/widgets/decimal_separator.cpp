#include "gui/widgets/decimal_separator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QPointer>

namespace quillux::gui {

DecimalSeparator& DecimalSeparator::Instance() {
    static QPointer<DecimalSeparator> instance;
    if (instance.isNull()) instance = new DecimalSeparator(QCoreApplication::instance());
    return *instance;
}

QString DecimalSeparator::Current() {
    return Instance().text();
}

std::string DecimalSeparator::CurrentUtf8() {
    return Instance().utf8();
}

DecimalSeparator::DecimalSeparator(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DecimalSeparator"));
    text_ = QLocale().decimalPoint();
    if (parent != nullptr) parent->installEventFilter(this);
}

bool DecimalSeparator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LocaleChange && watched == parent()) refresh();
    return QObject::eventFilter(watched, event);
}

void DecimalSeparator::refresh() {
    const QString separator = QLocale().decimalPoint();
    if (separator == text_) return;
    text_ = separator;
    emit changed(text_);
}

}  // namespace quillux::gui
