#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

#include "engine/refdata/reference_tables.h"
#include "gui/shell/form_main.h"
#include "gui/shell/module_registry.h"
#include "gui/shell/module_window.h"
#include "shell_test_support.h"
#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"

using quillux::engine::MessageAnswer;
using quillux::engine::TQxSetupData;
using quillux::gui::ModuleId;
using quillux::gui::ModuleRegistry;
using quillux::gui::ModuleWindow;
using quillux::gui::Shell;
using quillux::gui::TFormMain;
using namespace quillux::testing;

namespace {

// What the probe modules did, shared by all of them in one test.
struct ProbeLog {
    std::vector<ModuleId> saved;  // in closing order
    int loads = 0;
    ModuleId refusing{};          // this module refuses to close when it may ask
    bool refuse = false;
};

// A small module: loads SpareAI[1] into its box on first activation, writes its box back
// into SpareAI[id] when it closes.
class ProbeModule : public ModuleWindow {
public:
    ProbeModule(Shell& shell, ModuleId id, ProbeLog& log) : ModuleWindow(shell, id), log_(log) {
        box_ = new QLineEdit(this);
        box_->setObjectName(QStringLiteral("ProbeBox"));
        setCentralWidget(box_);
        resize(200, 80);
    }
    QLineEdit* Box() const { return box_; }

protected:
    void LoadSetup() override {
        ++log_.loads;
        box_->setText(QString::number(shell().SetupData().SpareAI[1]));
    }
    void SaveSetup() override {
        log_.saved.push_back(Id());
        shell().SetupData().SpareAI[static_cast<int>(Id())] = box_->text().toInt();
    }
    bool QueryClose(bool mayAsk) override {
        return !(mayAsk && log_.refuse && log_.refusing == Id());
    }

private:
    ProbeLog& log_;
    QLineEdit* box_ = nullptr;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunCreatesZeroRecordAndExitWritesVersionAndPosition();
    void toolbarButtonOpensThenCloses();
    void menuAndPopupEntriesActAsTheButton_data();
    void menuAndPopupEntriesActAsTheButton();
    void moduleWithoutRegistrationIsDisabled();
    void closeAllFollowsModuleTableAndWritesSlots();
    void minimiseAllLeavesMainWindow();
    void mousePressRestoresModule();
    void exitDeclinedKeepsEverything();
    void refusingModuleStopsExit();
    void quietShutDownClosesEvenARefusingModule();
    void statusBarFollowsDefaultDatabaseSlot_data();
    void statusBarFollowsDefaultDatabaseSlot();
    void doubleClickRevealsSaveDefaultData();
    void formPositionPullsWindowBackOnScreen();
    void startMinimisedGoesToTrayUntilRestored();
    void sharedEditCommandsActOnFocusedField();
    void wakeUpRestoresMinimisedProgram();
    void importAppendsQlcFixturesToDefaultTables();
    void importCancelledSaysSo();

private:
    std::unique_ptr<TFormMain> Start(bool trayAvailable = false);
    void RegisterProbes(TFormMain& main);
    QString SetupPath() const { return folder_->File(QStringLiteral("Data/QxSetup.Qlx")); }
    ProbeModule* Probe(TFormMain& main, ModuleId id) {
        return static_cast<ProbeModule*>(main.Modules().Window(id));
    }

    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    ProbeLog log_;
};

void MainWindowTest::init() {
    folder_ = std::make_unique<TemporaryProgramFolder>(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder_->IsValid());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    CreateShippedFiles(folder_->DataPath());
    log_ = ProbeLog{};
}

void MainWindowTest::cleanup() {
    dialogs_.reset();
    folder_.reset();
}

std::unique_ptr<TFormMain> MainWindowTest::Start(bool trayAvailable) {
    auto main = std::make_unique<TFormMain>(folder_->Path(), TFormMain::Options{trayAvailable});
    RegisterProbes(*main);
    return main;
}

void MainWindowTest::RegisterProbes(TFormMain& main) {
    for (ModuleId id : {ModuleId::Preference, ModuleId::Photometric, ModuleId::ElectricalLoadList,
                        ModuleId::DMXAddress, ModuleId::RoadCaseDatabase}) {
        main.Modules().Register(id, [this, id](Shell& shell) { return new ProbeModule(shell, id, log_); });
    }
}

void MainWindowTest::firstRunCreatesZeroRecordAndExitWritesVersionAndPosition() {
    auto main = Start();
    const QByteArray created = FileBytes(SetupPath());
    QCOMPARE(created.size(), qsizetype(sizeof(TQxSetupData)));
    QVERIFY(created.count('\0') == created.size());

    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    main->move(37, 52);
    const QPoint where = main->pos();
    QVERIFY(main->ShutDown(true));

    auto record = ReadSetup(SetupPath());
    QCOMPARE(record->DataVersion, 1);
    QCOMPARE(record->SetupI[6], where.x());
    QCOMPARE(record->SetupI[7], where.y());
    QVERIFY(dialogs_->Messages().isEmpty());
}

void MainWindowTest::toolbarButtonOpensThenCloses() {
    WriteSetup(SetupPath(), [](TQxSetupData& setup) { setup.SpareAI[1] = 42; });
    auto main = Start();
    auto* button = main->findChild<QToolButton*>(QStringLiteral("SpeedButtonPhotometric"));
    QVERIFY(button && button->isEnabled());

    QTest::mouseClick(button, Qt::LeftButton);
    ProbeModule* window = Probe(*main, ModuleId::Photometric);
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("QLX Photometric"));
    QCOMPARE(window->Box()->text(), QStringLiteral("42"));  // first activation read its slot
    QVERIFY(!window->RunFirstTime());
    QPointer<ProbeModule> guard(window);
    window->Box()->setText(QStringLiteral("7"));

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!main->Modules().IsOpen(ModuleId::Photometric));
    QTRY_VERIFY(guard.isNull());  // destroyed, not just hidden
    QCOMPARE(main->SetupData().SpareAI[static_cast<int>(ModuleId::Photometric)], 7);

    // A new opening is a fresh window that reads its slots again.
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(main->Modules().IsOpen(ModuleId::Photometric));
    QCOMPARE(log_.loads, 2);
    main->ShutDown(false);
}

void MainWindowTest::menuAndPopupEntriesActAsTheButton_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("module");
    QTest::newRow("modules menu") << QStringLiteral("MenuDMXAddress") << int(ModuleId::DMXAddress);
    QTest::newRow("pop-up menu") << QStringLiteral("PopupDMXAddress") << int(ModuleId::DMXAddress);
    QTest::newRow("modules menu, preference") << QStringLiteral("MenuPreference") << int(ModuleId::Preference);
    QTest::newRow("pop-up menu, preferences") << QStringLiteral("PopupPreference") << int(ModuleId::Preference);
}

void MainWindowTest::menuAndPopupEntriesActAsTheButton() {
    QFETCH(QString, entry);
    QFETCH(int, module);
    auto main = Start();
    auto* action = main->findChild<QAction*>(entry);
    QVERIFY(action && action->isEnabled());
    const auto id = static_cast<ModuleId>(module);
    action->trigger();
    QVERIFY(main->Modules().IsOpen(id));
    QCOMPARE(main->Modules().Window(id)->windowTitle(),
             QString::fromLatin1(quillux::gui::Module(id).caption));
    action->trigger();
    QVERIFY(!main->Modules().IsOpen(id));
    main->ShutDown(false);
}

void MainWindowTest::moduleWithoutRegistrationIsDisabled() {
    auto main = Start();
    // Whatever this build has, take the rigging module out.
    main->Modules().Register(ModuleId::Rigging, {});
    QVERIFY(!main->findChild<QToolButton*>(QStringLiteral("SpeedButtonRigging"))->isEnabled());
    QVERIFY(!main->findChild<QAction*>(QStringLiteral("MenuRigging"))->isEnabled());
    QVERIFY(!main->findChild<QAction*>(QStringLiteral("PopupRigging"))->isEnabled());
    main->Modules().Toggle(ModuleId::Rigging);
    QVERIFY(!main->Modules().IsOpen(ModuleId::Rigging));
    // A registration arriving later enables its commands.
    main->Modules().Register(ModuleId::Rigging,
                             [this](Shell& shell) { return new ProbeModule(shell, ModuleId::Rigging, log_); });
    QVERIFY(main->findChild<QToolButton*>(QStringLiteral("SpeedButtonRigging"))->isEnabled());
    QVERIFY(main->findChild<QAction*>(QStringLiteral("PopupRigging"))->isEnabled());
    main->ShutDown(false);
}

void MainWindowTest::closeAllFollowsModuleTableAndWritesSlots() {
    auto main = Start();
    // Opened in an order unlike the module table.
    for (ModuleId id : {ModuleId::RoadCaseDatabase, ModuleId::Photometric, ModuleId::DMXAddress,
                        ModuleId::Preference, ModuleId::ElectricalLoadList}) {
        main->Modules().Open(id);
        Probe(*main, id)->Box()->setText(QString::number(100 + static_cast<int>(id)));
    }
    main->findChild<QAction*>(QStringLiteral("CloseAllWindows1"))->trigger();

    const std::vector<ModuleId> expected{ModuleId::Preference, ModuleId::Photometric,
                                         ModuleId::ElectricalLoadList, ModuleId::DMXAddress,
                                         ModuleId::RoadCaseDatabase};
    QVERIFY(log_.saved == expected);
    for (ModuleId id : expected) {
        QVERIFY(!main->Modules().IsOpen(id));
        QCOMPARE(main->SetupData().SpareAI[static_cast<int>(id)], 100 + static_cast<int>(id));
    }
    QVERIFY(main->isVisible() || !main->isVisible());  // the main window is not a module
    QVERIFY(!main->HasShutDown());
    main->ShutDown(false);
}

void MainWindowTest::minimiseAllLeavesMainWindow() {
    auto main = Start();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    main->Modules().Open(ModuleId::Photometric);
    main->Modules().Open(ModuleId::DMXAddress);
    main->findChild<QAction*>(QStringLiteral("MinimzeAllWindows1"))->trigger();
    QVERIFY(Probe(*main, ModuleId::Photometric)->isMinimized());
    QVERIFY(Probe(*main, ModuleId::DMXAddress)->isMinimized());
    QVERIFY(!main->isMinimized());
    main->ShutDown(false);
}

void MainWindowTest::mousePressRestoresModule() {
    auto main = Start();
    main->Modules().Open(ModuleId::Photometric);
    main->Modules().Open(ModuleId::DMXAddress);
    ProbeModule* photometric = Probe(*main, ModuleId::Photometric);
    ProbeModule* dmx = Probe(*main, ModuleId::DMXAddress);
    photometric->showMinimized();
    dmx->showMinimized();

    // Photometric: only a right press restores.
    auto* photometricButton = main->findChild<QToolButton*>(QStringLiteral("SpeedButtonPhotometric"));
    QTest::mousePress(photometricButton, Qt::LeftButton);
    QTest::mouseRelease(photometricButton, Qt::LeftButton, {}, QPoint(-5, -5));  // released outside: no click
    QVERIFY(photometric->isMinimized());
    QTest::mousePress(photometricButton, Qt::RightButton);
    QTest::mouseRelease(photometricButton, Qt::RightButton);
    QVERIFY(!photometric->isMinimized());

    auto* dmxButton = main->findChild<QToolButton*>(QStringLiteral("SpeedButtonDMXAddress"));
    QTest::mousePress(dmxButton, Qt::LeftButton);
    QTest::mouseRelease(dmxButton, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(!dmx->isMinimized());
    QVERIFY(main->Modules().IsOpen(ModuleId::DMXAddress));
    main->ShutDown(false);
}

void MainWindowTest::exitDeclinedKeepsEverything() {
    WriteSetup(SetupPath(), [](TQxSetupData& setup) { setup.SetupI[10] = 1; });
    auto main = Start();
    const QByteArray setupBefore = FileBytes(SetupPath());
    const QByteArray userFixturesBefore = FileBytes(folder_->File(QStringLiteral("Data/DataFixtureUser.dbu")));
    main->Modules().Open(ModuleId::Photometric);
    main->Modules().Open(ModuleId::DMXAddress);

    dialogs_->AnswerMessage(MessageAnswer::No);
    main->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();

    QCOMPARE(dialogs_->MessageTexts(), QStringList{QStringLiteral("Do you want to close the  program?")});
    QCOMPARE(dialogs_->Messages().first().kind, quillux::engine::MessageKind::Warning);
    QVERIFY(!main->HasShutDown());
    QVERIFY(main->Modules().IsOpen(ModuleId::Photometric));
    QVERIFY(main->Modules().IsOpen(ModuleId::DMXAddress));
    QVERIFY(log_.saved.empty());
    QCOMPARE(FileBytes(SetupPath()), setupBefore);
    QCOMPARE(FileBytes(folder_->File(QStringLiteral("Data/DataFixtureUser.dbu"))), userFixturesBefore);

    // Saying Yes ends the run.
    dialogs_->AnswerMessage(MessageAnswer::Yes);
    QVERIFY(main->ShutDown(true));
    QCOMPARE(ReadSetup(SetupPath())->DataVersion, 1);
}

void MainWindowTest::refusingModuleStopsExit() {
    auto main = Start();
    main->Modules().Open(ModuleId::Preference);
    main->Modules().Open(ModuleId::ElectricalLoadList);
    main->Modules().Open(ModuleId::DMXAddress);
    log_.refuse = true;
    log_.refusing = ModuleId::ElectricalLoadList;
    const QByteArray setupBefore = FileBytes(SetupPath());

    QVERIFY(!main->ShutDown(true));
    QVERIFY(!main->HasShutDown());
    QVERIFY(main->Modules().IsOpen(ModuleId::ElectricalLoadList));
    QVERIFY(main->Modules().IsOpen(ModuleId::DMXAddress));  // the walk stopped at the refusal
    QCOMPARE(FileBytes(SetupPath()), setupBefore);

    // The user saved the list after all: the next exit goes through.
    log_.refuse = false;
    QVERIFY(main->ShutDown(true));
    QVERIFY(!main->Modules().IsOpen(ModuleId::DMXAddress));
    QCOMPARE(ReadSetup(SetupPath())->DataVersion, 1);
}

void MainWindowTest::quietShutDownClosesEvenARefusingModule() {
    WriteSetup(SetupPath(), [](TQxSetupData& setup) { setup.SetupI[10] = 1; });
    auto main = Start();
    main->Modules().Open(ModuleId::ElectricalLoadList);
    Probe(*main, ModuleId::ElectricalLoadList)->Box()->setText(QStringLiteral("55"));
    log_.refuse = true;
    log_.refusing = ModuleId::ElectricalLoadList;

    QVERIFY(main->ShutDown(false));  // no question, no refusal
    QVERIFY(dialogs_->Messages().isEmpty());
    auto record = ReadSetup(SetupPath());
    QCOMPARE(record->DataVersion, 1);
    QCOMPARE(record->SpareAI[static_cast<int>(ModuleId::ElectricalLoadList)], 55);
    QVERIFY(!FileBytes(folder_->File(QStringLiteral("Data/DataRoadCase.dbu"))).isEmpty());
}

void MainWindowTest::statusBarFollowsDefaultDatabaseSlot_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("text");
    QTest::newRow("0: shipped records used") << 0 << QStringLiteral("Default Database ON");
    QTest::newRow("1: shipped records left out") << 1 << QStringLiteral("Default Database OFF");
    QTest::newRow("other: text unchanged") << 7 << QStringLiteral("Default Database OFF");
}

void MainWindowTest::statusBarFollowsDefaultDatabaseSlot() {
    QFETCH(int, slot);
    QFETCH(QString, text);
    WriteSetup(SetupPath(), [](TQxSetupData& setup) { setup.SetupI[12] = 1; });
    auto main = Start();
    main->SetupData().SetupI[12] = slot;
    main->UpdateStatusBar();
    QCOMPARE(main->findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(), text);
    main->ShutDown(false);
}

void MainWindowTest::doubleClickRevealsSaveDefaultData() {
    auto main = Start();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    auto* entry = main->findChild<QAction*>(QStringLiteral("SaveDefaultData1"));
    QVERIFY(!entry->isVisible());
    QWidget* strip = main->findChild<QWidget*>(QStringLiteral("ToolbarStrip"));
    // Between two buttons: the window's background.
    QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(29, 16));
    QVERIFY(entry->isVisible());
    QVERIFY(!entry->isChecked());
    QVERIFY(!main->SaveDefaultData());
    entry->trigger();
    QVERIFY(main->SaveDefaultData());
    main->ShutDown(false);
}

void MainWindowTest::formPositionPullsWindowBackOnScreen() {
    auto main = Start();
    QWidget form;
    form.resize(300, 200);
    form.move(20000, 20000);
    main->FormPosition(form);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(screen.contains(form.frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(form.x()).arg(form.y())));
    form.move(-20000, -20000);
    main->FormPosition(form);
    QVERIFY(screen.contains(form.frameGeometry()));
    main->ShutDown(false);
}

void MainWindowTest::startMinimisedGoesToTrayUntilRestored() {
    // Start minimised goes to the tray even when the tray preference is off.
    WriteSetup(SetupPath(), [](TQxSetupData& setup) {
        setup.SetupI[11] = 1;
        setup.SetupI[4] = 0;
    });
    auto main = Start(/*trayAvailable=*/true);
    main->ShowAtStart();
    QVERIFY(main->TrayIcon()->isVisible());
    QVERIFY(!main->isVisible());

    // The pop-up's "Show toolbar" brings it back and removes the icon.
    main->findChild<QAction*>(QStringLiteral("Showtoolbar1"))->trigger();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    QVERIFY(main->isVisible());
    QVERIFY(!main->TrayIcon()->isVisible());
    // Activated: the tray now follows SetupI[4] = 0, so minimising only minimises.
    QVERIFY(!main->TrayIconEnabled());
    main->showMinimized();
    QTest::qWait(20);
    QVERIFY(!main->TrayIcon()->isVisible());

    // Turning the tray on while minimised sends it there at once; off brings it back.
    main->SetTrayIconEnabled(true);
    QVERIFY(main->TrayIcon()->isVisible());
    QVERIFY(!main->isVisible());
    main->SetTrayIconEnabled(false);
    QVERIFY(!main->TrayIcon()->isVisible());
    QVERIFY(main->isVisible());
    main->ShutDown(false);
}

void MainWindowTest::sharedEditCommandsActOnFocusedField() {
    auto main = Start();
    main->Modules().Open(ModuleId::Photometric);
    ProbeModule* window = Probe(*main, ModuleId::Photometric);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->Box()->setText(QStringLiteral("12345"));
    window->Box()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->Box()));
    main->Actions().EditSelectAll1->trigger();
    QCOMPARE(window->Box()->selectedText(), QStringLiteral("12345"));
    main->Actions().EditDelete1->trigger();
    QCOMPARE(window->Box()->text(), QString());
    main->Actions().EditUndo1->trigger();
    QCOMPARE(window->Box()->text(), QStringLiteral("12345"));
    main->ShutDown(false);
}

void MainWindowTest::wakeUpRestoresMinimisedProgram() {
    auto main = Start();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    main->showMinimized();
    QVERIFY(main->isMinimized());
    main->RestoreRequest();
    QVERIFY(!main->isMinimized());
    QVERIFY(main->isVisible());
    main->ShutDown(false);
}

void MainWindowTest::importAppendsQlcFixturesToDefaultTables() {
    auto main = Start();
    dialogs_->AnswerFile(QStringLiteral(QUILLUX_TEST_DATA "/qxf/single_mode.qxf"));
    dialogs_->AnswerMessage(MessageAnswer::Ok);
    main->findChild<QAction*>(QStringLiteral("Import1"))->trigger();
    QCOMPARE(dialogs_->Messages().size(), 1);
    QCOMPARE(dialogs_->Messages().first().kind, quillux::engine::MessageKind::Information);
    QVERIFY(!main->Tables().TableFixture().IsEmpty());
    QVERIFY(main->Tables().TableFixtureUser().IsEmpty());

    // Shipped records reach their file only when "Save Default Data" is checked.
    main->findChild<QAction*>(QStringLiteral("SaveDefaultData1"))->setChecked(true);
    QVERIFY(main->ShutDown(false));
    QVERIFY(FileBytes(folder_->File(QStringLiteral("Data/DataFixture.dbd"))).contains("Par 7x10 RGBW"));
    QVERIFY(FileBytes(folder_->File(QStringLiteral("Data/DataManufacturer.dbd"))).contains("Brightline"));
}

void MainWindowTest::importCancelledSaysSo() {
    auto main = Start();
    dialogs_->AnswerFile(std::nullopt);
    dialogs_->AnswerMessage(MessageAnswer::Ok);
    main->findChild<QAction*>(QStringLiteral("Import1"))->trigger();
    QCOMPARE(dialogs_->MessageTexts(), QStringList{QStringLiteral("Cannot Import File")});
    QVERIFY(main->Tables().TableFixture().IsEmpty());
    main->ShutDown(false);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
