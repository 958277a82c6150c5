#pragma once

#include <QKeySequence>
#include <QMainWindow>

#include "gui/shell/module_id.h"

class QAction;
class QMenu;

namespace quillux::gui {

class Shell;

// Base of every module window (calculators, lists, database windows, preferences).
//
// Life of a module window, driven by ModuleRegistry:
//  - created without owner with Qt::WA_DeleteOnClose, shown, then captioned "QLX …";
//  - RunFirstTime() is true until the first activation (or first show, whichever comes
//    first): then LoadSetup() runs once, copying the module's remembered inputs from its own
//    slots of Shell::SetupData() into its boxes and computing once;
//  - FormActivate() runs on every activation after that first load;
//  - closing (its own close box, the toolbar toggle, "Close all windows", program exit) asks
//    QueryClose(); a module that returns false stays open and the close is refused (a list
//    module whose user cancels the "save the list?" question). Otherwise SaveSetup() writes
//    the inputs back into the slots, the window hides and is destroyed. A window that was
//    never loaded does not save, so its untouched boxes never overwrite the slots.
//
// Overriding: LoadSetup/SaveSetup/FormActivate/QueryClose; never closeEvent (call the base if
// you must). A module's own widgets belong to the window as usual. A list module asks its
// "save the list?" question in QueryClose (when SetupI[9] = 1 and `mayAsk`) and returns false
// when the user cancels; program exit then stops and nothing is lost.
//
// In tests: construct a TFormMain over a TemporaryProgramFolder (tests/gui/support) and open
// the module with `main.Modules().Open(ModuleId::…)`; or implement Shell with a stand-in.
class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    ModuleWindow(Shell& shell, ModuleId id, QWidget* parent = nullptr);
    ~ModuleWindow() override;

    ModuleId Id() const { return id_; }
    Shell& shell() const { return shell_; }
    bool RunFirstTime() const { return runFirstTime_; }

    // Closes the window as the shell does. With `mayAsk` false (the session is ending, the
    // process was told to terminate) the module must not ask anything and cannot refuse.
    // True when the window closed.
    bool CloseModule(bool mayAsk = true);

signals:
    // Emitted once the close has been accepted, before the window is destroyed.
    void ModuleClosed(quillux::gui::ModuleId id);

protected:
    // One command of the window's own menus: named for tests and shortcuts active while this
    // window is the active one.
    QAction* AddCommand(QMenu* menu, const char* objectName, const QString& text,
                        const QKeySequence& shortcut = {});
    // The "Edit" menu holding the main window's shared Copy, Paste and Cut commands.
    QMenu* AddSharedEditMenu(const QString& title);

    virtual void LoadSetup() {}
    virtual void SaveSetup() {}
    virtual void FormActivate() {}
    // `mayAsk` false: no question may be shown and the answer is ignored.
    virtual bool QueryClose(bool mayAsk) {
        (void)mayAsk;
        return true;
    }

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void EnsureLoaded();

    Shell& shell_;
    ModuleId id_;
    bool runFirstTime_ = true;
    bool mayAsk_ = true;
    bool closed_ = false;
};

}  // namespace quillux::gui
