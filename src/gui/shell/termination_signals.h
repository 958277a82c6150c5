#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillux::gui {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the window thread (the handler only
// writes one byte into a pipe), so the program can shut down in order instead of dying with
// the setup record and the tables unsaved. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void TerminationRequested(int signalNumber);

private:
    static void Handler(int signalNumber);
    void ReadSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quillux::gui
