#include "gui/widgets/key_filter.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <optional>

namespace quillux::gui {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kDeleteWord = 127;  // what Ctrl+Backspace types

// The character a key press types, as the Windows keyboard would deliver it (Ctrl+A is 1 ...
// Ctrl+Z is 26, Backspace is 8), or nothing for a key that types no character.
std::optional<char16_t> TypedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return std::nullopt;
        case Qt::Key_Backspace:
            return control ? kDeleteWord : kBackspace;
        default:
            break;
    }
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char16_t>(key - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    return text.at(0).unicode();
}

bool IsControlCharacterLetThrough(char16_t c) {
    return c == kBackspace || c == 1 || c == 3 || c == 22 || c == 24 || c == 26;
}

bool AcceptsCharacter(KeyFilterKind kind, char16_t c) {
    switch (kind) {
        case KeyFilterKind::StandardNumeric:
            return (c >= u'0' && c <= u'9') || c == u'.' || c == u',' ||
                   IsControlCharacterLetThrough(c);
        case KeyFilterKind::ControlOnly:
            return IsControlCharacterLetThrough(c);
        case KeyFilterKind::Blocking:
            return false;
    }
    return false;
}

}  // namespace

KeyFilter::KeyFilter(KeyFilterKind kind, QObject* parent) : QObject(parent), kind_(kind) {}

KeyFilter* KeyFilter::Install(QWidget* box, KeyFilterKind kind) {
    auto* filter = new KeyFilter(kind, box);
    box->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(box); combo != nullptr && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(filter);
    }
    if (auto* edit = box->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        edit != nullptr && qobject_cast<QLineEdit*>(box) == nullptr) {
        edit->installEventFilter(filter);
    }
    return filter;
}

bool KeyFilter::Accepts(KeyFilterKind kind, const QKeyEvent& event) {
    const std::optional<char16_t> typed = TypedCharacter(event);
    return !typed || AcceptsCharacter(kind, *typed);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !Accepts(kind_, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    // Text composed by an input method (dead keys, on-screen keyboards) arrives without a key
    // press; it passes only when every character of it would have.
    if (event->type() == QEvent::InputMethod) {
        const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
        for (QChar c : committed) {
            if (!AcceptsCharacter(kind_, c.unicode())) return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillux::gui
