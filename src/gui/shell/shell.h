#pragma once

#include <QString>
#include <optional>

#include "engine/number/format_float_value.h"
#include "gui/widgets/user_dialogs.h"

class QAction;
class QWidget;

namespace quillux::engine {
struct TQxSetupData;
class ReferenceTables;
}  // namespace quillux::engine

namespace quillux::gui {

class ModuleRegistry;

// Application-wide state of one run. Paths use "/" and folders end with "/".
struct ShellState {
    QString VersionName = QStringLiteral("1.03 beta Build 3");
    QString InstallDir;   // the program folder: the current directory at start
    QString FileDir;      // last folder of a list module's file dialog (SetupS[1])
    QString UserDataDir;  // folder proposed by the list dialogs (SetupS[3], else Data/)
    bool OpenWindowOnAppScreen = true;  // SetupI[13] = 0
    bool OpenWindowOnDesktop = true;    // SetupI[14] = 0
    int AppMonitor = 0;                 // index of the screen showing the main window

    // Display globals of the general converter, stored by the shell in SetupI[1..3].
    int Precision = 0;
    int Digit = 0;
    engine::FloatFormat ValueType = engine::FloatFormat::General;

    QString DataPath(const QString& name) const { return InstallDir + "Data/" + name; }
    QString ResourcePath(const QString& name) const { return InstallDir + "Resources/" + name; }
};

// The shared commands the main window supplies: the modules' "Edit" and "Entry" menus add
// these very actions, so their shortcuts work the same in every window.
struct SharedActions {
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;
    QAction* EditCut1 = nullptr;
    QAction* EditSelectAll1 = nullptr;
    QAction* EditUndo1 = nullptr;
    QAction* EditDelete1 = nullptr;
    QAction* DataSetFirst1 = nullptr;
    QAction* DataSetPrior1 = nullptr;
    QAction* DataSetNext1 = nullptr;
    QAction* DataSetLast1 = nullptr;
    QAction* DataSetPost1 = nullptr;
    QAction* DataSetRefresh1 = nullptr;
};

// What a module window may use of the main window. TFormMain implements it; tests may
// implement it with a small stand-in.
class Shell {
public:
    virtual ~Shell() = default;

    // The one setup record of the run; modules read and write their own slot groups.
    virtual engine::TQxSetupData& SetupData() = 0;
    virtual ShellState& State() = 0;
    // The seven reference tables, owned by the main window for the whole run.
    virtual engine::ReferenceTables& Tables() = 0;
    virtual ModuleRegistry& Modules() = 0;
    virtual const SharedActions& Actions() const = 0;

    // Status panel 2: "Default Database ON" / "Default Database OFF" from SetupI[12].
    virtual void UpdateStatusBar() = 0;
    // Keeps `form` inside the configured screen(s).
    virtual void FormPosition(QWidget& form) = 0;
    virtual void SetTrayIconEnabled(bool enabled) = 0;
    // "Toolbar always stay on top" (SetupI[5]) applied to the main window.
    virtual void SetToolbarStayOnTop(bool onTop) = 0;
    // Refills the merged manufacturer table from the shipped (unless SetupI[12] = 1) and user
    // tables, keeping every manufacturer view bound to the table it showed.
    virtual void RebuildManufacturerMerge() = 0;
    // Writes the reference tables to their files (messages per failed file).
    virtual void SaveAllDatabase() = 0;
    // The "Save Default Data" check mark of the "Program" menu.
    virtual bool SaveDefaultData() const = 0;
    // The one save dialog of every export to a comma-separated file; the chosen path or
    // nothing when cancelled.
    virtual std::optional<QString> SaveDialogCSV() = 0;
};

}  // namespace quillux::gui
