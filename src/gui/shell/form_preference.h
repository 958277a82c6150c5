#pragma once

#include "gui/shell/module_window.h"

class QCheckBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace quillux::gui {

// The preferences window: every option is written into its setup slot the moment it changes
// and takes effect at once where it can; there is no Cancel.
class TFormPreference : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormPreference(Shell& shell, QWidget* parent = nullptr);

    static constexpr int kClientWidth = 420;
    static constexpr int kClientHeight = 320;
    static constexpr int kBrowsingClientWidth = 640;
    // Longest folder path SetupS[3] can hold.
    static constexpr int kMaxFolderPathLength = 255;

protected:
    void LoadSetup() override;
    void FormActivate() override;

private:
    void ShowStoredState();
    void SetClientWidth(int width);

    void CheckBoxTrayIconClick();
    void CheckBoxToolBarStayOnTopClick();
    void CheckBoxStartMinimizedClick();
    void CB_OpenOnApplicationMonitorClick();
    void CB_OpenOnApplicationMainMonitorClick();
    void CheckBoxUseDefaultDatabaseClick();
    void CheckBoxConfirmSaveListClick();
    void CheckBoxConfirmCloseClick();
    void EditUserNameChange(const QString& text);
    void ButtonBrowseClick();
    void BitBtnSelectFolderClick();

    QCheckBox* CheckBoxTrayIcon = nullptr;
    QCheckBox* CheckBoxToolBarStayOnTop = nullptr;
    QCheckBox* CheckBoxStartMinimized = nullptr;
    QCheckBox* CB_OpenOnApplicationMonitor = nullptr;
    QCheckBox* CB_OpenOnApplicationMainMonitor = nullptr;
    QCheckBox* CheckBoxUseDefaultDatabase = nullptr;
    QCheckBox* CheckBoxConfirmSaveList = nullptr;
    QCheckBox* CheckBoxConfirmClose = nullptr;
    QLineEdit* EditUserName = nullptr;
    QLineEdit* EditDataFolder = nullptr;
    QPushButton* ButtonBrowse = nullptr;
    QPushButton* BitBtnSelectFolder = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTreeView* FolderTree = nullptr;
    QFileSystemModel* folderModel_ = nullptr;
};

}  // namespace quillux::gui
