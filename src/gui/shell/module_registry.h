#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

#include "gui/shell/module_id.h"
#include "gui/shell/module_window.h"

namespace quillux::gui {

class Shell;

// The fifteen module slots of the main window: which modules exist in this build, which
// window of each is open, and the operations the toolbar, menus and pop-up menu run.
//
// Plugging a module in: add ONE line to RegisterModules() in module_catalog.cpp, e.g.
//
//     registry.Register(ModuleId::ElectricalBasicFormula, [](Shell& shell) {
//         return new TFormElectricalBasicFormula(shell);
//     });
//
// where TFormElectricalBasicFormula derives from ModuleWindow (module_window.h) and passes
// ModuleId::ElectricalBasicFormula to its constructor. The factory creates the window
// without parent and without showing it; the registry shows it, captions it "QLX …" from
// the module table and destroys it when it closes. A module without a registration keeps its
// toolbar button, menu and pop-up entries disabled.
class ModuleRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<ModuleWindow*(Shell&)>;

    explicit ModuleRegistry(Shell& shell, QObject* parent = nullptr);
    ~ModuleRegistry() override;

    // An empty factory takes the module out (its commands are disabled again).
    void Register(ModuleId id, Factory factory);
    bool IsRegistered(ModuleId id) const;

    // The open window of a module, or null.
    ModuleWindow* Window(ModuleId id) const;
    bool IsOpen(ModuleId id) const { return Window(id) != nullptr; }

    // Closes the module when open (it may refuse), otherwise opens a new window of it.
    void Toggle(ModuleId id);
    // Opens the module if it is closed; returns its window (null when not registered or the
    // window could not be created).
    ModuleWindow* Open(ModuleId id);
    // Closes one module; true when it is closed afterwards.
    bool Close(ModuleId id, bool mayAsk = true);
    // Puts an open module window back into its normal state (not minimised or maximised).
    void Restore(ModuleId id);

    // Closes every open module in module-table order. Stops at the first module that refuses
    // and returns false; the modules after it stay open. With `mayAsk` false nothing can
    // refuse.
    bool CloseAll(bool mayAsk = true);
    // Minimises every open module in module-table order; the main window is left alone.
    void MinimizeAll();

signals:
    void Registered(quillux::gui::ModuleId id);
    void ModuleOpened(quillux::gui::ModuleId id);
    void ModuleClosed(quillux::gui::ModuleId id);

private:
    static int Index(ModuleId id) { return static_cast<int>(id) - 1; }
    void Forget(ModuleId id);

    Shell& shell_;
    std::array<Factory, kModuleCount> factories_;
    std::array<QPointer<ModuleWindow>, kModuleCount> windows_;
};

}  // namespace quillux::gui
