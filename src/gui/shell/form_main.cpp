#include "gui/shell/form_main.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "engine/refdata/reference_tables.h"
#include "engine/setup/setup_file.h"
#include "gui/shell/form_disclaimer.h"
#include "gui/shell/module_catalog.h"
#include "gui/shell/module_registry.h"
#include "gui/shell/view_about.h"
#include "gui/widgets/user_dialogs.h"

namespace quillux::gui {

namespace {

constexpr int kButtonSize = 26;
constexpr int kButtonTop = 3;
// Left edges of the 19 toolbar buttons; the first button is one pixel wider.
constexpr std::array<int, 19> kButtonLeft{-1,  31,  60,  89,  118, 147, 176, 205, 234, 263,
                                          292, 321, 350, 379, 408, 437, 466, 495, 525};

const char* const kGradientTop = "rgb(218, 222, 233)";
const char* const kGradientBottom = "rgb(174, 188, 208)";

std::filesystem::path FilePath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

// Texts of the reference tables sort in the user's language, letter case significant.
engine::TextCollation LocaleCollation() {
    auto collator = std::make_shared<QCollator>(QLocale());
    collator->setCaseSensitivity(Qt::CaseSensitive);
    return [collator](std::string_view left, std::string_view right) {
        return collator->compare(QString::fromUtf8(left.data(), qsizetype(left.size())),
                                 QString::fromUtf8(right.data(), qsizetype(right.size())));
    };
}

QIcon TrayPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(QPen(QColor(206, 211, 227), 2));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(22);
    painter.setFont(font);
    painter.setPen(QColor(255, 220, 90));
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("Q"));
    return QIcon(picture);
}

}  // namespace

TFormMain::Options TFormMain::DesktopOptions() {
    return Options{QSystemTrayIcon::isSystemTrayAvailable()};
}

TFormMain::TFormMain(const QString& installDir, Options options)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      QxSetupData(std::make_unique<engine::TQxSetupData>()),
      tables_(std::make_unique<engine::ReferenceTables>(UserDialogs::Current(), LocaleCollation())),
      options_(options) {
    setObjectName(QStringLiteral("FormMain"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    state_.InstallDir = installDir.endsWith('/') ? installDir : installDir + '/';
    modules_ = new ModuleRegistry(*this, this);

    BuildSharedActions();
    BuildToolbar();
    BuildMenus();
    BuildStatusBar();
    BuildTrayIcon();
    RegisterModules(*modules_);
    for (const ModuleInfo& row : ModuleTable()) UpdateModuleCommands(row.id);
    connect(modules_, &ModuleRegistry::Registered, this, &TFormMain::UpdateModuleCommands);

    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kToolbarHeight +
                                   statusBar()->sizeHint().height());

    SetupLoadFromFile();
    SetupLoad();
    LoadToolbarPictures();
    const QString userFolder = QString::fromStdString(QxSetupData->SetupS[3].Get());
    state_.UserDataDir = !userFolder.isEmpty() && QFileInfo(userFolder).isDir()
                             ? userFolder + '/'
                             : state_.DataPath(QString());
    setWindowTitle(QStringLiteral("Quillux Lite ") + state_.VersionName);
    OpenReferenceTables();
    ApplyManufacturerFilterAtStart();
    UpdateStatusBar();
    if (QxSetupData->SetupI[5] == 1) setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

TFormMain::~TFormMain() {
    // Module windows have no parent: take them down with the main window.
    delete modules_;
    modules_ = nullptr;
}

void TFormMain::BuildToolbar() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ToolbarStrip"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(
        QStringLiteral("#ToolbarStrip { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 %1, stop:1 %2); }"
                       "QToolButton { border: 1px solid rgb(150, 162, 184); border-radius: 2px;"
                       " background: transparent; }"
                       "QToolButton:hover { border: 1px solid rgb(90, 104, 140);"
                       " background: rgba(255, 255, 255, 90); }"
                       "QToolButton:pressed { border-style: inset; background: rgba(0, 0, 64, 40); }"
                       "QToolButton:disabled { border-color: rgb(180, 188, 204); }")
            .arg(QLatin1String(kGradientTop), QLatin1String(kGradientBottom)));
    strip->setFixedHeight(kToolbarHeight);
    setCentralWidget(strip);

    auto makeButton = [&](int position, const QString& name, const QString& hint) {
        auto* button = new QToolButton(strip);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setIconSize(QSize(22, 22));
        const int width = position == 0 ? kButtonSize + 1 : kButtonSize;
        button->setGeometry(kButtonLeft[position], kButtonTop, width, kButtonSize);
        return button;
    };

    int position = 0;
    for (ModuleId id : ToolbarOrder()) {
        const ModuleInfo& info = Module(id);
        QToolButton* button =
            makeButton(position++, QString::fromLatin1(info.buttonName), QString::fromLatin1(info.hint));
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, id] { modules_->Toggle(id); });
        moduleCommands_[static_cast<int>(id) - 1].button = button;
    }
    SpeedButtonHelp = makeButton(position++, QStringLiteral("SpeedButtonHelp"), QStringLiteral("Help"));
    SpeedButtonHelp->setEnabled(false);
    SpeedButtonMinimizedAllWindow = makeButton(
        position++, QStringLiteral("SpeedButtonMinimizedAllWindow"), QStringLiteral("Minimize all modules"));
    connect(SpeedButtonMinimizedAllWindow, &QToolButton::clicked, this,
            &TFormMain::SpeedButtonMinimizedAllWindowClick);
    SpeedButtonCloseAllWindows = makeButton(
        position++, QStringLiteral("SpeedButtonCloseAllWindows"), QStringLiteral("Close all modules"));
    connect(SpeedButtonCloseAllWindows, &QToolButton::clicked, this,
            &TFormMain::SpeedButtonCloseAllWindowsClick);
    SpeedButtonSendToTrayIcon = makeButton(
        position++, QStringLiteral("SpeedButtonSendToTrayIcon"), QStringLiteral("Send to Tray Icon"));
    connect(SpeedButtonSendToTrayIcon, &QToolButton::clicked, this,
            &TFormMain::SpeedButtonSendToTrayIconClick);
}

void TFormMain::LoadToolbarPictures() {
    // A missing or unreadable picture leaves its button blank; the button still works.
    auto load = [this](QToolButton* button, const char* file) {
        const QImage image(state_.ResourcePath(QString::fromLatin1(file)));
        if (image.isNull()) {
            button->setIcon(QIcon());
            return;
        }
        // Toolbar pictures carry their transparent colour in the bottom-left pixel.
        QImage picture = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb transparent = picture.pixel(0, picture.height() - 1);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                if (line[x] == transparent) line[x] = qRgba(0, 0, 0, 0);
            }
        }
        button->setIcon(QIcon(QPixmap::fromImage(picture)));
    };
    for (const ModuleInfo& row : ModuleTable()) load(moduleCommands_[static_cast<int>(row.id) - 1].button, row.picture);
    load(SpeedButtonHelp, "Help.bmp");
    load(SpeedButtonMinimizedAllWindow, "MinimizedWindow.bmp");
    load(SpeedButtonCloseAllWindows, "CloseWindow.bmp");
    load(SpeedButtonSendToTrayIcon, "DownArrow.bmp");
}

void TFormMain::BuildSharedActions() {
    auto make = [this](const char* name, const QString& text, const QKeySequence& keys) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) action->setShortcut(keys);
        // Text fields answer these keys themselves in every window; the actions serve the
        // menus, so they must not compete with a module's own shortcuts.
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    };
    actions_.EditCopy1 = make("EditCopy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    actions_.EditPaste1 = make("EditPaste1", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    actions_.EditCut1 = make("EditCut1", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    actions_.EditSelectAll1 =
        make("EditSelectAll1", QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    actions_.EditUndo1 = make("EditUndo1", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions_.EditDelete1 = make("EditDelete1", QStringLiteral("&Delete"), QKeySequence(Qt::Key_Delete));
    for (QAction* action : {actions_.EditCopy1, actions_.EditPaste1, actions_.EditCut1,
                            actions_.EditSelectAll1, actions_.EditUndo1, actions_.EditDelete1}) {
        connect(action, &QAction::triggered, this, [this, action] { RunEditCommand(action); });
    }
    actions_.DataSetFirst1 = make("DataSetFirst1", QStringLiteral("&First"), {});
    actions_.DataSetPrior1 = make("DataSetPrior1", QStringLiteral("&Prior"), {});
    actions_.DataSetNext1 = make("DataSetNext1", QStringLiteral("&Next"), {});
    actions_.DataSetLast1 = make("DataSetLast1", QStringLiteral("&Last"), {});
    actions_.DataSetPost1 = make("DataSetPost1", QStringLiteral("P&ost"), {});
    actions_.DataSetRefresh1 = make("DataSetRefresh1", QStringLiteral("&Refresh"), {});
    for (QAction* action : {actions_.DataSetFirst1, actions_.DataSetPrior1, actions_.DataSetNext1,
                            actions_.DataSetLast1, actions_.DataSetPost1, actions_.DataSetRefresh1}) {
        connect(action, &QAction::triggered, this, [this, action] { RunDataSetCommand(action); });
    }
}

void TFormMain::RunEditCommand(QAction* action) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return;
    QLineEdit* line = qobject_cast<QLineEdit*>(focus);
    if (line == nullptr) {
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(focus)) line = spin->findChild<QLineEdit*>();
        if (auto* combo = qobject_cast<QComboBox*>(focus)) line = combo->lineEdit();
    }
    if (line != nullptr) {
        if (action == actions_.EditCopy1) line->copy();
        else if (action == actions_.EditPaste1) line->paste();
        else if (action == actions_.EditCut1) line->cut();
        else if (action == actions_.EditSelectAll1) line->selectAll();
        else if (action == actions_.EditUndo1) line->undo();
        else if (action == actions_.EditDelete1) line->del();
        return;
    }
    auto runOnText = [&](auto* text) {
        if (action == actions_.EditCopy1) text->copy();
        else if (action == actions_.EditPaste1) text->paste();
        else if (action == actions_.EditCut1) text->cut();
        else if (action == actions_.EditSelectAll1) text->selectAll();
        else if (action == actions_.EditUndo1) text->undo();
        else if (action == actions_.EditDelete1) text->textCursor().removeSelectedText();
    };
    if (auto* text = qobject_cast<QTextEdit*>(focus)) runOnText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) runOnText(plain);
}

void TFormMain::RunDataSetCommand(QAction* action) {
    // The table of the focused data-bound control: the grid that has the focus or holds it.
    QWidget* focus = QApplication::focusWidget();
    QAbstractItemView* view = nullptr;
    for (QWidget* widget = focus; widget != nullptr && view == nullptr; widget = widget->parentWidget()) {
        view = qobject_cast<QAbstractItemView*>(widget);
    }
    if (view == nullptr || view->model() == nullptr) return;
    QAbstractItemModel* model = view->model();
    const int rows = model->rowCount(view->rootIndex());
    const QModelIndex current = view->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    auto go = [&](int row) {
        if (rows == 0) return;
        row = std::clamp(row, 0, rows - 1);
        view->setCurrentIndex(model->index(row, column, view->rootIndex()));
    };
    if (action == actions_.DataSetFirst1) go(0);
    else if (action == actions_.DataSetPrior1) go(current.isValid() ? current.row() - 1 : 0);
    else if (action == actions_.DataSetNext1) go(current.isValid() ? current.row() + 1 : 0);
    else if (action == actions_.DataSetLast1) go(rows - 1);
    else if (action == actions_.DataSetPost1) {
        // An open cell editor holds the focus: hand its text to the model first.
        if (focus != view) {
            QMetaObject::invokeMethod(view, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, focus));
        }
        model->submit();
    } else if (action == actions_.DataSetRefresh1) {
        model->revert();
    }
}

void TFormMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setStyleSheet(QStringLiteral("QMenuBar { background: qlineargradient(x1:0, y1:0, x2:1, "
                                      "y2:0, stop:0 %1, stop:1 %2); }")
                           .arg(QLatin1String(kGradientTop), QLatin1String(kGradientBottom)));

    auto add = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    QMenu* program = bar->addMenu(QStringLiteral("Program"));
    program->setObjectName(QStringLiteral("Program1"));
    connect(add(program, "MinimzeAllWindows1", QStringLiteral("Minimze all windows")),
            &QAction::triggered, this, &TFormMain::SpeedButtonMinimizedAllWindowClick);
    connect(add(program, "CloseAllWindows1", QStringLiteral("Close all windows")),
            &QAction::triggered, this, &TFormMain::SpeedButtonCloseAllWindowsClick);
    connect(add(program, "SendToTrayIcon1", QStringLiteral("Send to tray icon")),
            &QAction::triggered, this, &TFormMain::SpeedButtonSendToTrayIconClick);
    connect(add(program, "SaveDatabasesNow1", QStringLiteral("Save Databases Now")),
            &QAction::triggered, this, &TFormMain::SaveDatabasesNow1Click);
    connect(add(program, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this,
            &TFormMain::Exit1Click);
    SaveDefaultData1 = add(program, "SaveDefaultData1", QStringLiteral("Save Default Data"));
    SaveDefaultData1->setCheckable(true);
    SaveDefaultData1->setVisible(false);
    connect(SaveDefaultData1, &QAction::toggled, this,
            [this](bool checked) { tables_->SetSaveDefaultData(checked); });
    connect(add(program, "Import1", QStringLiteral("Import")), &QAction::triggered, this,
            &TFormMain::Import1Click);
    connect(add(program, "ImportQlcFolder1", QStringLiteral("Import QLC+ Fixture Folder")),
            &QAction::triggered, this, &TFormMain::ImportQlcFolder1Click);

    QMenu* modules = bar->addMenu(QStringLiteral("Modules"));
    modules->setObjectName(QStringLiteral("Modules1"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (ModuleId id : ToolbarOrder()) {
        const ModuleInfo& info = Module(id);
        const QString key = QString::fromLatin1(info.buttonName).mid(int(qstrlen("SpeedButton")));
        QAction* entry = modules->addAction(QString::fromLatin1(info.menuText));
        entry->setObjectName(QStringLiteral("Menu") + key);
        connect(entry, &QAction::triggered, this, [this, id] { modules_->Toggle(id); });
        QAction* popupEntry = PopupMenu1->addAction(QString::fromLatin1(info.popupText));
        popupEntry->setObjectName(QStringLiteral("Popup") + key);
        connect(popupEntry, &QAction::triggered, this, [this, id] { modules_->Toggle(id); });
        moduleCommands_[static_cast<int>(id) - 1].menuEntry = entry;
        moduleCommands_[static_cast<int>(id) - 1].popupEntry = popupEntry;
    }
    PopupMenu1->addSeparator();
    connect(add(PopupMenu1, "Showtoolbar1", QStringLiteral("Show toolbar")), &QAction::triggered,
            this, &TFormMain::Showtoolbar1Click);
    connect(add(PopupMenu1, "PopupMinimzeAllWindows1", QStringLiteral("Minimze all windows")),
            &QAction::triggered, this, &TFormMain::SpeedButtonMinimizedAllWindowClick);
    connect(add(PopupMenu1, "PopupCloseAllWindows1", QStringLiteral("Close all windows")),
            &QAction::triggered, this, &TFormMain::SpeedButtonCloseAllWindowsClick);
    connect(add(PopupMenu1, "ExitProgram1", QStringLiteral("Exit program")), &QAction::triggered,
            this, &TFormMain::Exit1Click);

    QMenu* help = bar->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Help1"));
    add(help, "HelpEntry1", QStringLiteral("Help"))->setEnabled(false);
    connect(add(help, "About1", QStringLiteral("About")), &QAction::triggered, this,
            &TFormMain::About1Click);
    connect(add(help, "Disclaimer1", QStringLiteral("Disclaimer")), &QAction::triggered, this,
            &TFormMain::Disclaimer1Click);
}

void TFormMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    constexpr std::array<int, 3> kPanelWidths{20, 120, 50};
    for (int panel = 0; panel < 3; ++panel) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel + 1));
        label->setFixedWidth(kPanelWidths[panel]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label);
        statusPanels_[panel] = label;
    }
}

void TFormMain::BuildTrayIcon() {
    trayIcon_ = new QSystemTrayIcon(TrayPicture(), this);
    trayIcon_->setObjectName(QStringLiteral("TrayIcon1"));
    trayIcon_->setContextMenu(PopupMenu1);
    connect(trayIcon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) Showtoolbar1Click();
            });
    setWindowIcon(trayIcon_->icon());
}

void TFormMain::UpdateModuleCommands(ModuleId id) {
    const bool available = modules_->IsRegistered(id);
    ModuleCommands& commands = moduleCommands_[static_cast<int>(id) - 1];
    if (commands.button) commands.button->setEnabled(available);
    if (commands.menuEntry) commands.menuEntry->setEnabled(available);
    if (commands.popupEntry) commands.popupEntry->setEnabled(available);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (const ModuleInfo& row : ModuleTable()) {
            if (moduleCommands_[static_cast<int>(row.id) - 1].button != watched) continue;
            const auto* press = static_cast<QMouseEvent*>(event);
            // The photometric button restores only on a right press; the others on any.
            if (row.id != ModuleId::Photometric || press->button() == Qt::RightButton) {
                modules_->Restore(row.id);
            }
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::UpdateStatusBar() {
    const int useDefault = QxSetupData->SetupI[12];
    if (useDefault == 0) statusPanels_[1]->setText(QStringLiteral("Default Database ON"));
    if (useDefault == 1) statusPanels_[1]->setText(QStringLiteral("Default Database OFF"));
}

void TFormMain::FormPosition(QWidget& form) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) return;
    const QRect frame = form.frameGeometry();
    int left = frame.left();
    int top = frame.top();
    const int width = frame.width();
    const int height = frame.height();
    auto keepInside = [&](const QRect& area) {
        if (area.left() + area.width() < left + width) left = area.left() + area.width() - width;
        if (left < area.left()) left = area.left();
        if (area.top() + area.height() < top + height) top = area.top() + area.height() - height;
        if (top < area.top()) top = area.top();
    };
    if (state_.OpenWindowOnAppScreen) {
        const int monitor = state_.AppMonitor >= 0 && state_.AppMonitor < screens.size() ? state_.AppMonitor : 0;
        keepInside(screens[monitor]->geometry());
    }
    if (state_.OpenWindowOnDesktop) {
        // The primary screen's right and bottom edges are its left plus width (and top plus
        // height), so a primary screen that does not start at 0 keeps its own windows.
        const QScreen* primary = QGuiApplication::primaryScreen();
        keepInside((primary != nullptr ? primary : screens.first())->geometry());
    }
    if (left != frame.left() || top != frame.top()) form.move(left, top);
}

void TFormMain::SetupLoadFromFile() {
    engine::LoadSetupFile(FilePath(state_.DataPath(QStringLiteral("QxSetup.Qlx"))), *QxSetupData,
                          UserDialogs::Current());
}

void TFormMain::SetupSaveToFile() {
    engine::SaveSetupFile(FilePath(state_.DataPath(QStringLiteral("QxSetup.Qlx"))), *QxSetupData,
                          UserDialogs::Current());
}

void TFormMain::SetupLoad() {
    engine::TQxSetupData& setup = *QxSetupData;
    const QString fileDir = QString::fromStdString(setup.SetupS[1].Get());
    state_.FileDir = !fileDir.isEmpty() && QFileInfo(fileDir).isDir() ? fileDir : state_.InstallDir;
    state_.Precision = setup.SetupI[1];
    state_.Digit = setup.SetupI[3];
    switch (setup.SetupI[2]) {
        case 0: state_.ValueType = engine::FloatFormat::General; break;
        case 1: state_.ValueType = engine::FloatFormat::Exponent; break;
        case 2: state_.ValueType = engine::FloatFormat::Fixed; break;
        default: break;
    }
    state_.OpenWindowOnDesktop = setup.SetupI[14] == 0;
    state_.OpenWindowOnAppScreen = setup.SetupI[13] == 0;
    move(setup.SetupI[6], setup.SetupI[7]);
    FormPosition(*this);
}

void TFormMain::SetupSave() {
    engine::TQxSetupData& setup = *QxSetupData;
    setup.DataVersion = 1;
    setup.SetupS[1].Set(state_.FileDir.toStdString());
    setup.SetupI[1] = state_.Precision;
    setup.SetupI[3] = state_.Digit;
    setup.SetupI[6] = pos().x();
    setup.SetupI[7] = pos().y();
}

void TFormMain::ShowAtStart() {
    if (QxSetupData->SetupI[11] == 1) {
        // Before its first activation the program always goes to the tray when minimised.
        if (options_.trayAvailable && trayEnabled_) {
            trayIcon_->show();
            inTray_ = true;
        } else {
            showMinimized();
        }
        return;
    }
    show();
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        activatedOnce_ = true;
        trayEnabled_ = QxSetupData->SetupI[4] == 1;
    }
    return QMainWindow::event(event);
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const int monitor = QGuiApplication::screens().indexOf(screen());
    state_.AppMonitor = monitor < 0 ? 0 : monitor;
    FormPosition(*this);
}

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (isMinimized() && isVisible() && trayEnabled_ && options_.trayAvailable && !shuttingDown_) {
        // Hiding inside the state change confuses some window managers: do it right after.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && trayEnabled_) MinimizeToTray();
        });
    }
}

void TFormMain::MinimizeToTray() {
    hide();
    trayIcon_->show();
    inTray_ = true;
}

void TFormMain::SetTrayIconEnabled(bool enabled) {
    trayEnabled_ = enabled;
    if (!options_.trayAvailable) return;
    if (inTray_ && !enabled) {
        trayIcon_->hide();
        inTray_ = false;
        showMinimized();
    } else if (enabled && isVisible() && isMinimized()) {
        MinimizeToTray();
    }
}

void TFormMain::SetToolbarStayOnTop(bool onTop) {
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) show();
}

void TFormMain::Showtoolbar1Click() {
    trayIcon_->hide();
    inTray_ = false;
    showNormal();
    raise();
    activateWindow();
}

void TFormMain::RestoreRequest() {
    if (shutDown_) return;
    if (inTray_ || isMinimized() || !isVisible()) {
        Showtoolbar1Click();
    } else {
        raise();
        activateWindow();
    }
}

void TFormMain::SpeedButtonMinimizedAllWindowClick() { modules_->MinimizeAll(); }

void TFormMain::SpeedButtonCloseAllWindowsClick() { modules_->CloseAll(); }

void TFormMain::SpeedButtonSendToTrayIconClick() {
    if (options_.trayAvailable && trayEnabled_) {
        MinimizeToTray();
    } else {
        showMinimized();
    }
}

void TFormMain::mouseDoubleClickEvent(QMouseEvent* event) {
    SaveDefaultData1->setVisible(true);
    QMainWindow::mouseDoubleClickEvent(event);
}

bool TFormMain::SaveDefaultData() const { return SaveDefaultData1->isChecked(); }

std::optional<QString> TFormMain::SaveDialogCSV() {
    FileDialogRequest request;
    request.filter = QStringLiteral("CSV (*.CSV)");
    request.defaultExtension = QStringLiteral("CSV");
    request.initialFolder = QDir::currentPath();
    request.overwritePrompt = true;
    return UserDialogs::Current().SaveFile(request);
}

void TFormMain::About1Click() {
    TViewAbout about(state_);
    about.exec();
}

void TFormMain::Disclaimer1Click() {
    TFormDisclaimer disclaimer;
    disclaimer.exec();
}

void TFormMain::SaveDatabasesNow1Click() { SaveAllDatabase(); }

bool TFormMain::ShutDown(bool askQuestions) {
    if (shutDown_) return true;
    if (shuttingDown_) return false;
    if (askQuestions && QxSetupData->SetupI[10] == 1) {
        const auto answer = UserDialogs::Current().ShowMessage(
            engine::MessageKind::Warning, "Warning", "Do you want to close the  program?",
            engine::MessageButtons::YesNo);
        if (answer != engine::MessageAnswer::Yes) return false;
    }
    shuttingDown_ = true;
    // A module whose user cancels its save question keeps the program running: its list
    // would otherwise be lost. Modules closed before it have only written their slots.
    if (!modules_->CloseAll(askQuestions)) {
        shuttingDown_ = false;
        return false;
    }
    SaveAllDatabase();
    SetupSave();
    SetupSaveToFile();
    trayIcon_->hide();
    inTray_ = false;
    shutDown_ = true;
    return true;
}

void TFormMain::Exit1Click() {
    if (!ShutDown(true)) return;
    hide();
    QCoreApplication::quit();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (shutDown_ || ShutDown(true)) {
        event->accept();
        QCoreApplication::quit();
    } else {
        event->ignore();
    }
}

}  // namespace quillux::gui
