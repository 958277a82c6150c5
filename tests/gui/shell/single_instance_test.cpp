#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "gui/shell/single_instance.h"
#include "gui/support/program_folder.h"
#include "shell_test_support.h"

using quillux::gui::SingleInstance;
using namespace quillux::testing;

// The hand-over between two starts and the orderly end on a termination signal, with the
// real program. Every test gets its own temporary folder for the local socket (TMPDIR), so
// it never meets a copy the user is running.
class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondStartWakesTheFirstAndEndsWithoutTouchingFiles();
    void staleSocketOfACrashedCopyDoesNotStopTheNextStart();
    void secondProgramLeavesRunningProgramAlone();
    void terminationSignalRunsOrderlyShutDown_data();
    void terminationSignalRunsOrderlyShutDown();

private:
    QProcessEnvironment ProgramEnvironment() const;
    QString SocketPath() const { return socketFolder_->path() + '/' + SingleInstance::DefaultServerName(); }
    bool StartProgram(QProcess& process, const QString& folder);

    std::unique_ptr<QTemporaryDir> socketFolder_;
    QByteArray previousTmp_;
};

void SingleInstanceTest::init() {
    socketFolder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(socketFolder_->isValid());
    previousTmp_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", socketFolder_->path().toLocal8Bit());
}

void SingleInstanceTest::cleanup() {
    if (previousTmp_.isEmpty()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", previousTmp_);
    }
    socketFolder_.reset();
}

QProcessEnvironment SingleInstanceTest::ProgramEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), socketFolder_->path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

bool SingleInstanceTest::StartProgram(QProcess& process, const QString& folder) {
    process.setProcessEnvironment(ProgramEnvironment());
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral(QUILLUX_PROGRAM), {});
    return process.waitForStarted();
}

void SingleInstanceTest::secondStartWakesTheFirstAndEndsWithoutTouchingFiles() {
    SingleInstance first;
    QVERIFY(!first.HandOverToRunningCopy());
    QVERIFY(first.IsListening());
    QSignalSpy woken(&first, &SingleInstance::RestoreRequested);

    QTemporaryDir emptyFolder;
    QProcess second;
    QVERIFY(StartProgram(second, emptyFolder.path()));
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(woken.count(), 1);
    // Nothing shown, nothing written: not even the Data folder.
    QVERIFY(QDir(emptyFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void SingleInstanceTest::staleSocketOfACrashedCopyDoesNotStopTheNextStart() {
    // A bound socket whose owner is gone: what a crashed copy leaves behind.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = SocketPath().toLocal8Bit();
    QVERIFY(size_t(path.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(SocketPath()));

    SingleInstance next;
    QVERIFY(!next.HandOverToRunningCopy());
    QVERIFY(next.IsListening());
}

void SingleInstanceTest::secondProgramLeavesRunningProgramAlone() {
    TemporaryProgramFolder folder(QStringLiteral(QUILLUX_RESOURCES));
    CreateShippedFiles(folder.DataPath());
    QProcess first;
    QVERIFY(StartProgram(first, folder.Path()));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(SocketPath()), 30000);

    QTemporaryDir emptyFolder;
    QProcess second;
    QVERIFY(StartProgram(second, emptyFolder.path()));
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QDir(emptyFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    ::kill(pid_t(first.processId()), SIGTERM);
    QVERIFY(first.waitForFinished(30000));
    QCOMPARE(first.exitCode(), 0);
}

void SingleInstanceTest::terminationSignalRunsOrderlyShutDown_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void SingleInstanceTest::terminationSignalRunsOrderlyShutDown() {
    QFETCH(int, signalNumber);
    TemporaryProgramFolder folder(QStringLiteral(QUILLUX_RESOURCES));
    CreateShippedFiles(folder.DataPath());
    // Confirm-on-close is on: a signal must not wait for an answer.
    WriteSetup(folder.File(QStringLiteral("Data/QxSetup.Qlx")), [](quillux::engine::TQxSetupData& setup) {
        setup.SetupI[10] = 1;
        setup.SetupS[2].Set("Crew Chief");
    });
    QProcess program;
    QVERIFY(StartProgram(program, folder.Path()));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(SocketPath()), 30000);

    ::kill(pid_t(program.processId()), signalNumber);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    auto record = ReadSetup(folder.File(QStringLiteral("Data/QxSetup.Qlx")));
    QCOMPARE(record->DataVersion, 1);
    QCOMPARE(record->SetupS[2].Get(), std::string("Crew Chief"));
    // The tables were written too: the user files now carry their header line.
    QVERIFY(!FileBytes(folder.File(QStringLiteral("Data/DataFixtureUser.dbu"))).isEmpty());
    QVERIFY(!FileBytes(folder.File(QStringLiteral("Data/DataRoadCase.dbu"))).isEmpty());
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
