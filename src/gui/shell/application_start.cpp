#include "gui/shell/application_start.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QThread>
#include <memory>

#include "gui/shell/form_main.h"
#include "gui/shell/form_splash.h"
#include "gui/shell/quillux_application.h"
#include "gui/shell/single_instance.h"
#include "gui/shell/termination_signals.h"
#include "gui/widgets/qt_user_dialogs.h"

namespace quillux::gui {

namespace {
// The splash stays at least this long after the main window finished loading.
constexpr qint64 kSplashHoldMs = 100;
}  // namespace

int RunQuillux(int argc, char** argv) {
    QuilluxApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillux Lite"));
    // Module windows and the tray outlive the main window's visibility: the program ends
    // only through the shut-down sequence.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (instance.HandOverToRunningCopy()) return 0;

    // Installed before anything is loaded: a termination request during start-up is kept
    // and answered with the orderly shut-down as soon as the main window exists.
    TerminationSignals terminationSignals;
    bool terminationRequested = false;
    auto keepRequest = QObject::connect(&terminationSignals, &TerminationSignals::TerminationRequested,
                                        &application, [&terminationRequested] { terminationRequested = true; });

    QtUserDialogs dialogs;
    UserDialogs::Install(&dialogs);

    const QString installDir = QDir::currentPath() + '/';
    QDir().mkpath(installDir + QStringLiteral("Data"));
    QDir().mkpath(installDir + QStringLiteral("Resources"));

    auto splash = std::make_unique<TFormSplash>(installDir + QStringLiteral("Resources/QLX_Logo.bmp"));
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    TFormMain main(installDir);

    QElapsedTimer mark;
    mark.start();
    while (mark.elapsed() < kSplashHoldMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    splash.reset();

    if (terminationRequested) {
        main.ShutDown(false);
        return 0;
    }
    QObject::disconnect(keepRequest);
    auto quietShutDown = [&main] {
        if (main.ShutDown(false)) QCoreApplication::quit();
    };
    QObject::connect(&terminationSignals, &TerminationSignals::TerminationRequested, &main, quietShutDown);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &main,
                     [quietShutDown](QSessionManager&) { quietShutDown(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &main, [&main] {
        if (!main.HasShutDown()) main.ShutDown(false);
    });
    QObject::connect(&instance, &SingleInstance::RestoreRequested, &main, &TFormMain::RestoreRequest);

    main.ShowAtStart();
    if (instance.TakePendingRestore()) main.RestoreRequest();

    const int exitCode = QApplication::exec();
    return exitCode;
}

}  // namespace quillux::gui
