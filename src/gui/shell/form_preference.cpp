#include "gui/shell/form_preference.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>

#include "engine/setup/setup_data.h"
#include "gui/shell/shell.h"
#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text,
                        const QString& tip, int x, int y, int width) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    box->setGeometry(x, y, width, 17);
    return box;
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace

TFormPreference::TFormPreference(Shell& shell, QWidget* parent)
    : ModuleWindow(shell, ModuleId::Preference, parent) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* windowGroup = new QGroupBox(QStringLiteral("Window Option"), client);
    windowGroup->setObjectName(QStringLiteral("GroupBoxWindowOption"));
    windowGroup->setGeometry(8, 4, 404, 116);
    CheckBoxTrayIcon = MakeCheckBox(
        windowGroup, "CheckBoxTrayIcon", QStringLiteral("Send toolbar to Tray Icon when minimized"),
        QStringLiteral("When minimizing the application, if this box is checked, the application "
                       "is sent to the tray Icon"),
        12, 18, 380);
    CheckBoxToolBarStayOnTop = MakeCheckBox(
        windowGroup, "CheckBoxToolBarStayOnTop", QStringLiteral("Toolbar always stay on top"),
        QStringLiteral("When checked, the toolbar will remain on top of all others applications"),
        12, 36, 380);
    CheckBoxStartMinimized = MakeCheckBox(
        windowGroup, "CheckBoxStartMinimized", QStringLiteral("Start Application Minimized"),
        QStringLiteral("When Checked, the Quillux will start in the tray icon"), 12, 54, 380);
    CB_OpenOnApplicationMonitor = MakeCheckBox(
        windowGroup, "CB_OpenOnApplicationMonitor",
        QStringLiteral("Open Window on Application Monitor"),
        QStringLiteral("When enable, the modules will all open on the same monitor as the Toolbar"),
        12, 72, 380);
    CB_OpenOnApplicationMainMonitor = MakeCheckBox(
        windowGroup, "CB_OpenOnApplicationMainMonitor",
        QStringLiteral("Open Window on Main Monitor"),
        QStringLiteral("This forces the application to open on the main monitor"), 12, 90, 380);

    auto* databaseGroup = new QGroupBox(QStringLiteral("Database Option"), client);
    databaseGroup->setObjectName(QStringLiteral("GroupBoxDatabaseOption"));
    databaseGroup->setGeometry(8, 126, 150, 62);
    CheckBoxUseDefaultDatabase = MakeCheckBox(
        databaseGroup, "CheckBoxUseDefaultDatabase", QStringLiteral("Use Default Database"),
        QStringLiteral("When Checked, the Default Fixture/Manufacturer database are include in "
                       "the list"),
        12, 18, 134);
    auto* restartNote = new QLabel(QStringLiteral("(Require a restart...)"), databaseGroup);
    restartNote->setObjectName(QStringLiteral("LabelRequireRestart"));
    restartNote->setGeometry(30, 38, 116, 16);

    auto* warningGroup = new QGroupBox(QStringLiteral("Warning"), client);
    warningGroup->setObjectName(QStringLiteral("GroupBoxWarning"));
    warningGroup->setGeometry(162, 126, 250, 62);
    CheckBoxConfirmSaveList = MakeCheckBox(
        warningGroup, "CheckBoxConfirmSaveList",
        QStringLiteral("Confirm save list when closing a module"),
        QStringLiteral("Confirmation when closing a module where the list of fixture is not saved"),
        10, 18, 236);
    CheckBoxConfirmClose = MakeCheckBox(
        warningGroup, "CheckBoxConfirmClose",
        QStringLiteral("Confirm before closing the application"),
        QStringLiteral("Confirmation when closing down the Quillux"), 10, 38, 236);

    auto* userNameLabel = new QLabel(QStringLiteral("User Name:"), client);
    userNameLabel->setGeometry(8, 202, 70, 16);
    EditUserName = new QLineEdit(client);
    EditUserName->setObjectName(QStringLiteral("EditUserName"));
    EditUserName->setGeometry(80, 199, 332, 21);
    EditUserName->setToolTip(
        QStringLiteral("Enter your name, it will be display when you print a report"));
    userNameLabel->setBuddy(EditUserName);

    auto* folderLabel = new QLabel(QStringLiteral("Data Folder:"), client);
    folderLabel->setGeometry(8, 235, 70, 16);
    EditDataFolder = new QLineEdit(QStringLiteral(" "), client);
    EditDataFolder->setObjectName(QStringLiteral("EditDataFolder"));
    EditDataFolder->setGeometry(80, 232, 268, 21);
    EditDataFolder->setToolTip(
        QStringLiteral("This is the folder where your data (lists and exports) will be saved"));
    ButtonBrowse = new QPushButton(QStringLiteral("Browse"), client);
    ButtonBrowse->setObjectName(QStringLiteral("ButtonBrowse"));
    ButtonBrowse->setGeometry(354, 230, 58, 25);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), client);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(332, 284, 80, 27);

    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel_->setReadOnly(true);
    FolderTree = new QTreeView(client);
    FolderTree->setObjectName(QStringLiteral("FolderTree"));
    FolderTree->setModel(folderModel_);
    for (int column = 1; column < folderModel_->columnCount(); ++column) {
        FolderTree->hideColumn(column);
    }
    FolderTree->header()->hide();
    FolderTree->setGeometry(428, 8, 204, 268);
    BitBtnSelectFolder = new QPushButton(QStringLiteral("&Select Folder"), client);
    BitBtnSelectFolder->setObjectName(QStringLiteral("BitBtnSelectFolder"));
    BitBtnSelectFolder->setGeometry(428, 284, 204, 27);

    // Pointing the tree at the program folder may fail on an odd file system; the window works
    // without it.
    const QString installDir = shell.State().InstallDir;
    if (QFileInfo(installDir).isDir()) {
        FolderTree->setRootIndex(folderModel_->setRootPath(installDir));
    }

    connect(CheckBoxTrayIcon, &QCheckBox::clicked, this, &TFormPreference::CheckBoxTrayIconClick);
    connect(CheckBoxToolBarStayOnTop, &QCheckBox::clicked, this,
            &TFormPreference::CheckBoxToolBarStayOnTopClick);
    connect(CheckBoxStartMinimized, &QCheckBox::clicked, this,
            &TFormPreference::CheckBoxStartMinimizedClick);
    connect(CB_OpenOnApplicationMonitor, &QCheckBox::clicked, this,
            &TFormPreference::CB_OpenOnApplicationMonitorClick);
    connect(CB_OpenOnApplicationMainMonitor, &QCheckBox::clicked, this,
            &TFormPreference::CB_OpenOnApplicationMainMonitorClick);
    connect(CheckBoxUseDefaultDatabase, &QCheckBox::clicked, this,
            &TFormPreference::CheckBoxUseDefaultDatabaseClick);
    connect(CheckBoxConfirmSaveList, &QCheckBox::clicked, this,
            &TFormPreference::CheckBoxConfirmSaveListClick);
    connect(CheckBoxConfirmClose, &QCheckBox::clicked, this,
            &TFormPreference::CheckBoxConfirmCloseClick);
    // textEdited: typing, pasting, cutting and undo count; showing the stored name does not.
    connect(EditUserName, &QLineEdit::textEdited, this, &TFormPreference::EditUserNameChange);
    connect(ButtonBrowse, &QPushButton::clicked, this, &TFormPreference::ButtonBrowseClick);
    connect(BitBtnSelectFolder, &QPushButton::clicked, this,
            &TFormPreference::BitBtnSelectFolderClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

void TFormPreference::SetClientWidth(int width) { setFixedSize(width, kClientHeight); }

void TFormPreference::LoadSetup() { ShowStoredState(); }

void TFormPreference::FormActivate() { ShowStoredState(); }

void TFormPreference::ShowStoredState() {
    SetClientWidth(kClientWidth);
    const QString documents = DocumentsFolder();
    FolderTree->setRootIndex(folderModel_->setRootPath(documents));

    const engine::TQxSetupData& setup = shell().SetupData();
    EditUserName->setText(QString::fromStdString(setup.SetupS[2].Get()));
    CheckBoxTrayIcon->setChecked(setup.SetupI[4] == 1);
    CheckBoxToolBarStayOnTop->setChecked(setup.SetupI[5] == 1);
    CheckBoxConfirmSaveList->setChecked(setup.SetupI[9] == 1);
    CheckBoxConfirmClose->setChecked(setup.SetupI[10] == 1);
    CheckBoxStartMinimized->setChecked(setup.SetupI[11] == 1);
    CheckBoxUseDefaultDatabase->setChecked(setup.SetupI[12] == 0);
    CB_OpenOnApplicationMainMonitor->setChecked(setup.SetupI[14] == 0);
    CB_OpenOnApplicationMonitor->setChecked(setup.SetupI[13] == 0);
}

void TFormPreference::CheckBoxTrayIconClick() {
    const bool checked = CheckBoxTrayIcon->isChecked();
    shell().SetupData().SetupI[4] = checked ? 1 : 0;
    shell().SetTrayIconEnabled(checked);
}

void TFormPreference::CheckBoxToolBarStayOnTopClick() {
    const bool checked = CheckBoxToolBarStayOnTop->isChecked();
    shell().SetupData().SetupI[5] = checked ? 1 : 0;
    shell().SetToolbarStayOnTop(checked);
}

void TFormPreference::CheckBoxStartMinimizedClick() {
    shell().SetupData().SetupI[11] = CheckBoxStartMinimized->isChecked() ? 1 : 0;
}

void TFormPreference::CB_OpenOnApplicationMonitorClick() {
    shell().SetupData().SetupI[13] = CB_OpenOnApplicationMonitor->isChecked() ? 0 : 1;
}

void TFormPreference::CB_OpenOnApplicationMainMonitorClick() {
    shell().SetupData().SetupI[14] = CB_OpenOnApplicationMainMonitor->isChecked() ? 0 : 1;
}

void TFormPreference::CheckBoxUseDefaultDatabaseClick() {
    shell().SetupData().SetupI[12] = CheckBoxUseDefaultDatabase->isChecked() ? 0 : 1;
    shell().RebuildManufacturerMerge();
    shell().UpdateStatusBar();
}

void TFormPreference::CheckBoxConfirmSaveListClick() {
    shell().SetupData().SetupI[9] = CheckBoxConfirmSaveList->isChecked() ? 1 : 0;
}

void TFormPreference::CheckBoxConfirmCloseClick() {
    shell().SetupData().SetupI[10] = CheckBoxConfirmClose->isChecked() ? 1 : 0;
}

void TFormPreference::EditUserNameChange(const QString& text) {
    // ShortString::Set cuts to 255 characters.
    shell().SetupData().SetupS[2].Set(text.isEmpty() ? std::string("<User Name>")
                                                     : text.toStdString());
}

void TFormPreference::ButtonBrowseClick() {
    SetClientWidth(kBrowsingClientWidth);
    // The tree shows the typed folder as its top entry, selected; a field that names no
    // folder leaves the tree at the documents folder.
    const QFileInfo typed(EditDataFolder->text().trimmed());
    if (!typed.exists() || !typed.isDir()) return;
    const QString folder = typed.absoluteFilePath();
    const QString parentFolder = QFileInfo(folder).absolutePath();
    FolderTree->setRootIndex(folderModel_->setRootPath(parentFolder));
    const QModelIndex index = folderModel_->index(folder);
    FolderTree->setCurrentIndex(index);
    FolderTree->scrollTo(index);
}

void TFormPreference::BitBtnSelectFolderClick() {
    const QModelIndex index = FolderTree->currentIndex();
    if (!index.isValid()) return;
    const QString path = QDir::toNativeSeparators(folderModel_->filePath(index));
    if (path.size() > kMaxFolderPathLength) {
        UserDialogs::Current().Information(
            "Folder Path is longer than 255 characters, select another folder");
        return;
    }
    EditDataFolder->setText(path);
    SetClientWidth(kClientWidth);
    shell().SetupData().SetupS[3].Set(EditDataFolder->text().toStdString());
    shell().State().UserDataDir = EditDataFolder->text() + "/";
}

}  // namespace quillux::gui
