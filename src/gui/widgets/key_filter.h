#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace quillux::gui {

enum class KeyFilterKind {
    StandardNumeric,  // "0".."9", ".", ",", Backspace and Ctrl+A, C, V, X, Z
    ControlOnly,      // Backspace and Ctrl+A, C, V, X, Z: text can be copied, cut, pasted, erased
    Blocking,         // no character at all: a list box then works by its drop-down only
};

// Sees every typed character before the box does and silently discards those outside its
// set. Keys that type no character (arrows, Home, End, Tab, Delete, Return, Escape, function
// keys) always pass: they are not characters.
class KeyFilter : public QObject {
    Q_OBJECT

public:
    KeyFilter(KeyFilterKind kind, QObject* parent);

    // Attaches a filter of `kind` to `box` (and to the line edit inside a spin box or an
    // editable combo box); the filter lives as long as the box.
    static KeyFilter* Install(QWidget* box, KeyFilterKind kind);

    KeyFilterKind kind() const { return kind_; }
    // Whether a filter of `kind` lets the key press through.
    static bool Accepts(KeyFilterKind kind, const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilterKind kind_;
};

}  // namespace quillux::gui
