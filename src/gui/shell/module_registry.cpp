#include "gui/shell/module_registry.h"

#include <exception>

namespace quillux::gui {

ModuleRegistry::ModuleRegistry(Shell& shell, QObject* parent) : QObject(parent), shell_(shell) {}

ModuleRegistry::~ModuleRegistry() {
    // Windows still open at destruction (a test tearing down) go without saving.
    for (auto& window : windows_) {
        if (window.isNull()) continue;
        window->disconnect(this);
        delete window.data();
    }
}

void ModuleRegistry::Register(ModuleId id, Factory factory) {
    factories_[Index(id)] = std::move(factory);
    emit Registered(id);
}

bool ModuleRegistry::IsRegistered(ModuleId id) const {
    return static_cast<bool>(factories_[Index(id)]);
}

ModuleWindow* ModuleRegistry::Window(ModuleId id) const { return windows_[Index(id)].data(); }

void ModuleRegistry::Toggle(ModuleId id) {
    if (IsOpen(id)) {
        Close(id);
    } else {
        Open(id);
    }
}

ModuleWindow* ModuleRegistry::Open(ModuleId id) {
    if (ModuleWindow* open = Window(id)) return open;
    if (!IsRegistered(id)) return nullptr;
    ModuleWindow* window = factories_[Index(id)](shell_);
    if (window == nullptr) return nullptr;
    windows_[Index(id)] = window;
    connect(window, &ModuleWindow::ModuleClosed, this, &ModuleRegistry::Forget);
    connect(window, &QObject::destroyed, this, [this, id] {
        if (windows_[Index(id)].isNull()) emit ModuleClosed(id);
    });
    // A failure while showing or captioning a new window is not the user's concern: the
    // window stays as far as it got.
    try {
        window->show();
        window->setWindowTitle(QString::fromLatin1(Module(id).caption));
    } catch (const std::exception&) {
    }
    emit ModuleOpened(id);
    return Window(id);
}

bool ModuleRegistry::Close(ModuleId id, bool mayAsk) {
    ModuleWindow* window = Window(id);
    if (window == nullptr) return true;
    return window->CloseModule(mayAsk);
}

void ModuleRegistry::Forget(ModuleId id) {
    if (ModuleWindow* window = Window(id)) window->disconnect(this);
    windows_[Index(id)] = nullptr;
    emit ModuleClosed(id);
}

void ModuleRegistry::Restore(ModuleId id) {
    if (ModuleWindow* window = Window(id)) {
        window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        window->showNormal();
    }
}

bool ModuleRegistry::CloseAll(bool mayAsk) {
    for (const ModuleInfo& row : ModuleTable()) {
        if (!Close(row.id, mayAsk)) return false;
    }
    return true;
}

void ModuleRegistry::MinimizeAll() {
    for (const ModuleInfo& row : ModuleTable()) {
        if (ModuleWindow* window = Window(row.id)) window->showMinimized();
    }
}

}  // namespace quillux::gui
