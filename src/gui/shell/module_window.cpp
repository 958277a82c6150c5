#include "gui/shell/module_window.h"

#include "gui/shell/shell.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QEvent>
#include <QShowEvent>

namespace quillux::gui {

ModuleWindow::ModuleWindow(Shell& shell, ModuleId id, QWidget* parent)
    : QMainWindow(parent), shell_(shell), id_(id) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromLatin1(Module(id).windowClass));
}

ModuleWindow::~ModuleWindow() {
    // The module's own members are gone by now, but its boxes live until ~QWidget, which
    // takes the focus from them: a box that rounds its text on losing the focus would call a
    // change handler of the half-destroyed window.
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
    }
}

bool ModuleWindow::CloseModule(bool mayAsk) {
    mayAsk_ = mayAsk;
    const bool closedNow = close();
    mayAsk_ = true;
    return closedNow;
}

void ModuleWindow::EnsureLoaded() {
    if (!runFirstTime_) return;
    runFirstTime_ = false;
    LoadSetup();
}

bool ModuleWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !closed_) {
        EnsureLoaded();
        FormActivate();
    }
    return QMainWindow::event(event);
}

void ModuleWindow::showEvent(QShowEvent* event) {
    if (!closed_) EnsureLoaded();
    QMainWindow::showEvent(event);
}

void ModuleWindow::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    const bool allowed = QueryClose(mayAsk_);
    if (!allowed && mayAsk_) {
        event->ignore();
        return;
    }
    closed_ = true;
    if (!runFirstTime_) SaveSetup();
    event->accept();
    emit ModuleClosed(id_);
}

QAction* ModuleWindow::AddCommand(QMenu* menu, const char* objectName, const QString& text,
                                  const QKeySequence& shortcut) {
    QAction* command = menu->addAction(text);
    command->setObjectName(QString::fromLatin1(objectName));
    command->setShortcut(shortcut);
    command->setShortcutContext(Qt::WindowShortcut);
    return command;
}

QMenu* ModuleWindow::AddSharedEditMenu(const QString& title) {
    QMenu* edit = menuBar()->addMenu(title);
    edit->setObjectName(QStringLiteral("Edit1"));
    const SharedActions& shared = shell_.Actions();
    for (QAction* command : {shared.EditCopy1, shared.EditPaste1, shared.EditCut1}) {
        if (command != nullptr) edit->addAction(command);
    }
    return edit;
}

}  // namespace quillux::gui
