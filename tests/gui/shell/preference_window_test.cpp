#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "engine/refdata/reference_tables.h"
#include "gui/shell/form_main.h"
#include "gui/shell/form_preference.h"
#include "gui/shell/module_registry.h"
#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"
#include "shell_test_support.h"

using quillux::engine::TQxSetupData;
using quillux::gui::ModuleId;
using quillux::gui::TFormMain;
using quillux::gui::TFormPreference;
using namespace quillux::testing;

class PreferenceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checkBoxWritesItsSlotAtOnce_data();
    void checkBoxWritesItsSlotAtOnce();
    void reopeningShowsStoredStateAndBlankFolder();
    void userNameIsStoredAsTypedAndEmptyGivesPlaceholder();
    void trayCheckBoxSwitchesTrayAtOnce();
    void defaultDatabaseUpdatesStatusBarAndManufacturerMerge();
    void folderPathOf255IsAcceptedAnd256Refused();
    void tooltipsAreSet();

private:
    TFormPreference* OpenPreferences();
    template <typename T>
    T* Find(const char* name) {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TFormMain> main_;
    TFormPreference* window_ = nullptr;
};

void PreferenceWindowTest::init() {
    folder_ = std::make_unique<TemporaryProgramFolder>(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder_->IsValid());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    CreateShippedFiles(folder_->DataPath());
}

void PreferenceWindowTest::cleanup() {
    window_ = nullptr;
    main_.reset();
    dialogs_.reset();
    folder_.reset();
}

TFormPreference* PreferenceWindowTest::OpenPreferences() {
    if (!main_) main_ = std::make_unique<TFormMain>(folder_->Path(), TFormMain::Options{true});
    window_ = qobject_cast<TFormPreference*>(main_->Modules().Open(ModuleId::Preference));
    return window_;
}

void PreferenceWindowTest::checkBoxWritesItsSlotAtOnce_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("checkedValue");
    QTest::newRow("tray") << "CheckBoxTrayIcon" << 4 << 1;
    QTest::newRow("stay on top") << "CheckBoxToolBarStayOnTop" << 5 << 1;
    QTest::newRow("confirm save list") << "CheckBoxConfirmSaveList" << 9 << 1;
    QTest::newRow("confirm close") << "CheckBoxConfirmClose" << 10 << 1;
    QTest::newRow("start minimised") << "CheckBoxStartMinimized" << 11 << 1;
    QTest::newRow("use default database") << "CheckBoxUseDefaultDatabase" << 12 << 0;
    QTest::newRow("application monitor") << "CB_OpenOnApplicationMonitor" << 13 << 0;
    QTest::newRow("main monitor") << "CB_OpenOnApplicationMainMonitor" << 14 << 0;
}

void PreferenceWindowTest::checkBoxWritesItsSlotAtOnce() {
    QFETCH(QString, box);
    QFETCH(int, slot);
    QFETCH(int, checkedValue);
    QVERIFY(OpenPreferences());
    auto* check = window_->findChild<QCheckBox*>(box);
    QVERIFY(check);
    const bool wasChecked = check->isChecked();
    const QPoint onBox(6, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, onBox);
    QCOMPARE(check->isChecked(), !wasChecked);
    QCOMPARE(main_->SetupData().SetupI[slot], check->isChecked() ? checkedValue : 1 - checkedValue);
    QTest::mouseClick(check, Qt::LeftButton, {}, onBox);
    QCOMPARE(main_->SetupData().SetupI[slot], wasChecked ? checkedValue : 1 - checkedValue);
    main_->ShutDown(false);
}

void PreferenceWindowTest::reopeningShowsStoredStateAndBlankFolder() {
    WriteSetup(folder_->File(QStringLiteral("Data/QxSetup.Qlx")), [](TQxSetupData& setup) {
        setup.SetupI[4] = 1;
        setup.SetupI[10] = 1;
        setup.SetupI[12] = 1;
        setup.SetupI[13] = 1;
        setup.SetupS[2].Set("Stage Crew");
        setup.SetupS[3].Set("/nowhere");
    });
    QVERIFY(OpenPreferences());
    QVERIFY(Find<QCheckBox>("CheckBoxTrayIcon")->isChecked());
    QVERIFY(!Find<QCheckBox>("CheckBoxToolBarStayOnTop")->isChecked());
    QVERIFY(Find<QCheckBox>("CheckBoxConfirmClose")->isChecked());
    QVERIFY(!Find<QCheckBox>("CheckBoxUseDefaultDatabase")->isChecked());
    QVERIFY(!Find<QCheckBox>("CB_OpenOnApplicationMonitor")->isChecked());
    QVERIFY(Find<QCheckBox>("CB_OpenOnApplicationMainMonitor")->isChecked());
    QCOMPARE(Find<QLineEdit>("EditUserName")->text(), QStringLiteral("Stage Crew"));
    QCOMPARE(Find<QLineEdit>("EditDataFolder")->text(), QStringLiteral(" "));
    QCOMPARE(window_->size(), QSize(420, 320));
    QCOMPARE(window_->windowTitle(), QStringLiteral("QLX Preferences"));

    // Showing the stored state wrote nothing back.
    QCOMPARE(main_->SetupData().SetupS[2].Get(), std::string("Stage Crew"));
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!main_->Modules().IsOpen(ModuleId::Preference));
    main_->SetupData().SetupI[5] = 1;
    QVERIFY(OpenPreferences());
    QVERIFY(Find<QCheckBox>("CheckBoxToolBarStayOnTop")->isChecked());
    main_->ShutDown(false);
}

void PreferenceWindowTest::userNameIsStoredAsTypedAndEmptyGivesPlaceholder() {
    QVERIFY(OpenPreferences());
    auto* name = Find<QLineEdit>("EditUserName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Crew 7"));
    QCOMPARE(main_->SetupData().SetupS[2].Get(), std::string("Crew 7"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(main_->SetupData().SetupS[2].Get(), std::string("<User Name>"));
    const QString longName(300, QLatin1Char('x'));
    name->selectAll();
    QTest::keyClicks(name, longName);
    QCOMPARE(main_->SetupData().SetupS[2].Get(), std::string(255, 'x'));
    main_->ShutDown(false);
}

void PreferenceWindowTest::trayCheckBoxSwitchesTrayAtOnce() {
    QVERIFY(OpenPreferences());
    auto* tray = Find<QCheckBox>("CheckBoxTrayIcon");
    QTest::mouseClick(tray, Qt::LeftButton, {}, QPoint(6, tray->height() / 2));
    QVERIFY(main_->TrayIconEnabled());
    QTest::mouseClick(tray, Qt::LeftButton, {}, QPoint(6, tray->height() / 2));
    QVERIFY(!main_->TrayIconEnabled());
    main_->ShutDown(false);
}

void PreferenceWindowTest::defaultDatabaseUpdatesStatusBarAndManufacturerMerge() {
    QFile shipped(folder_->File(QStringLiteral("Data/DataManufacturer.dbd")));
    QVERIFY(shipped.open(QIODevice::WriteOnly));
    shipped.write("Manufacturer,Website,\r\n\"Acme Lights\",\"-\",\r\n");
    shipped.close();
    QVERIFY(OpenPreferences());
    auto* status = main_->findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    QCOMPARE(status->text(), QStringLiteral("Default Database ON"));
    QCOMPARE(main_->Tables().TableManufacturerMerge().RecordCount(), 1);

    QTest::mouseClick(Find<QCheckBox>("CheckBoxUseDefaultDatabase"), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(main_->SetupData().SetupI[12], 1);
    QCOMPARE(status->text(), QStringLiteral("Default Database OFF"));
    QCOMPARE(main_->Tables().TableManufacturerMerge().RecordCount(), 0);

    QTest::mouseClick(Find<QCheckBox>("CheckBoxUseDefaultDatabase"), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(status->text(), QStringLiteral("Default Database ON"));
    QCOMPARE(main_->Tables().TableManufacturerMerge().RecordCount(), 1);
    main_->ShutDown(false);
}

void PreferenceWindowTest::folderPathOf255IsAcceptedAnd256Refused() {
    // Build two folders whose absolute paths are exactly 255 and 256 characters long.
    const QString base = QDir::cleanPath(folder_->Path() + QStringLiteral("Data"));
    auto deepFolder = [&](int length) {
        QString path = base;
        while (path.size() < length) {
            const int room = length - int(path.size()) - 1;
            path += '/' + QString(std::min(room, 100), QLatin1Char(length == 255 ? 'a' : 'b'));
        }
        return path;
    };
    const QString ok = deepFolder(255);
    const QString tooLong = deepFolder(256);
    QCOMPARE(ok.size(), 255);
    QCOMPARE(tooLong.size(), 256);
    QVERIFY(QDir().mkpath(ok));
    QVERIFY(QDir().mkpath(tooLong));

    QVERIFY(OpenPreferences());
    auto* tree = Find<QTreeView>("FolderTree");
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    QTest::mouseClick(Find<QPushButton>("ButtonBrowse"), Qt::LeftButton);
    QCOMPARE(window_->width(), 640);

    tree->setCurrentIndex(model->index(tooLong));
    dialogs_->AnswerMessage(quillux::engine::MessageAnswer::Ok);
    QTest::mouseClick(Find<QPushButton>("BitBtnSelectFolder"), Qt::LeftButton);
    QCOMPARE(dialogs_->MessageTexts(),
             QStringList{QStringLiteral("Folder Path is longer than 255 characters, select another folder")});
    QCOMPARE(main_->SetupData().SetupS[3].Get(), std::string());
    QCOMPARE(Find<QLineEdit>("EditDataFolder")->text(), QStringLiteral(" "));
    QCOMPARE(window_->width(), 640);

    tree->setCurrentIndex(model->index(ok));
    QTest::mouseClick(Find<QPushButton>("BitBtnSelectFolder"), Qt::LeftButton);
    QCOMPARE(dialogs_->Messages().size(), 1);
    QCOMPARE(QString::fromStdString(main_->SetupData().SetupS[3].Get()), ok);
    QCOMPARE(main_->State().UserDataDir, ok + '/');
    QCOMPARE(Find<QLineEdit>("EditDataFolder")->text(), ok);
    QCOMPARE(window_->width(), 420);
    main_->ShutDown(false);
}

void PreferenceWindowTest::tooltipsAreSet() {
    QVERIFY(OpenPreferences());
    QCOMPARE(Find<QCheckBox>("CheckBoxConfirmClose")->toolTip(),
             QStringLiteral("Confirmation when closing down the Quillux"));
    QCOMPARE(Find<QCheckBox>("CheckBoxStartMinimized")->toolTip(),
             QStringLiteral("When Checked, the Quillux will start in the tray icon"));
    QCOMPARE(Find<QLineEdit>("EditUserName")->toolTip(),
             QStringLiteral("Enter your name, it will be display when you print a report"));
    QVERIFY(!Find<QLineEdit>("EditDataFolder")->toolTip().isEmpty());
    main_->ShutDown(false);
}

QTEST_MAIN(PreferenceWindowTest)
#include "preference_window_test.moc"
