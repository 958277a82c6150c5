#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "engine/setup/setup_data.h"
#include "gui/shell/module_id.h"
#include "gui/shell/shell.h"

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QToolButton;

namespace quillux::gui {

class ModuleRegistry;

// The main window: the toolbar of module buttons, the "Program", "Modules" and "?" menus,
// the status bar, the tray icon and its pop-up menu. It owns the setup record and the
// reference tables for the whole run.
//
// Construction is the start-up work of the main window: the setup file under
// `installDir` + "Data/" is read (or created), the shell's slots are applied, the toolbar
// pictures and the reference tables are loaded. ShowAtStart() then shows it, minimised when
// SetupI[11] = 1.
class TFormMain : public QMainWindow, public Shell {
    Q_OBJECT
public:
    struct Options {
        // Whether the desktop has a notification area; without one minimising only minimises.
        bool trayAvailable;
    };
    static Options DesktopOptions();

    explicit TFormMain(const QString& installDir, Options options = DesktopOptions());
    ~TFormMain() override;

    static constexpr int kClientWidth = 557;
    static constexpr int kToolbarHeight = 32;

    void ShowAtStart();

    // Shell
    engine::TQxSetupData& SetupData() override { return *QxSetupData; }
    ShellState& State() override { return state_; }
    engine::ReferenceTables& Tables() override;
    ModuleRegistry& Modules() override { return *modules_; }
    const SharedActions& Actions() const override { return actions_; }
    void UpdateStatusBar() override;
    void FormPosition(QWidget& form) override;
    void SetTrayIconEnabled(bool enabled) override;
    void SetToolbarStayOnTop(bool onTop) override;
    void RebuildManufacturerMerge() override;
    void SaveAllDatabase() override;
    bool SaveDefaultData() const override;
    std::optional<QString> SaveDialogCSV() override;

    // The orderly shut-down: confirmation (only when `askQuestions`), closing every module,
    // the reference tables, the setup record. False when it was abandoned (the user said No,
    // or a module refused to close); the program then keeps running and nothing was lost.
    bool ShutDown(bool askQuestions);
    bool HasShutDown() const { return shutDown_; }

    // Handler of the wake-up from a second start: restores the program when it is minimised
    // (or in the tray), otherwise brings it to the front.
    void RestoreRequest();

    bool TrayIconEnabled() const { return trayEnabled_; }
    QSystemTrayIcon* TrayIcon() const { return trayIcon_; }
    QMenu* PopupMenu() const { return PopupMenu1; }

    void SetupLoadFromFile();
    void SetupSaveToFile();
    void SetupLoad();
    void SetupSave();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolbar();
    void BuildMenus();
    void BuildSharedActions();
    void BuildStatusBar();
    void BuildTrayIcon();
    void LoadToolbarPictures();
    void UpdateModuleCommands(ModuleId id);
    void OpenReferenceTables();
    void ApplyManufacturerFilterAtStart();

    void SpeedButtonMinimizedAllWindowClick();
    void SpeedButtonCloseAllWindowsClick();
    void SpeedButtonSendToTrayIconClick();
    void Showtoolbar1Click();
    void Exit1Click();
    void SaveDatabasesNow1Click();
    void Import1Click();
    void ImportQlcFolder1Click();
    void ImportQxf(const QString& path);
    void About1Click();
    void Disclaimer1Click();
    void MinimizeToTray();
    void RunDataSetCommand(QAction* action);
    void RunEditCommand(QAction* action);

    std::unique_ptr<engine::TQxSetupData> QxSetupData;
    std::unique_ptr<engine::ReferenceTables> tables_;
    ShellState state_;
    Options options_;
    ModuleRegistry* modules_ = nullptr;
    SharedActions actions_;

    struct ModuleCommands {
        QToolButton* button = nullptr;
        QAction* menuEntry = nullptr;
        QAction* popupEntry = nullptr;
    };
    std::array<ModuleCommands, kModuleCount> moduleCommands_;
    QToolButton* SpeedButtonHelp = nullptr;
    QToolButton* SpeedButtonMinimizedAllWindow = nullptr;
    QToolButton* SpeedButtonCloseAllWindows = nullptr;
    QToolButton* SpeedButtonSendToTrayIcon = nullptr;
    QAction* SaveDefaultData1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QSystemTrayIcon* trayIcon_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};

    bool trayEnabled_ = true;  // enabled until the first activation
    bool activatedOnce_ = false;
    bool inTray_ = false;
    bool shutDown_ = false;
    bool shuttingDown_ = false;
};

}  // namespace quillux::gui
