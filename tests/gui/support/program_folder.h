#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillux::testing {

// A fresh program folder for one test: Data/ and a copy of Resources/ in a temporary folder,
// made the current folder (the program uses the current folder as its program folder) for as
// long as the object lives. Also turns on QStandardPaths' test mode, so nothing touches the
// real user's folders.
class TemporaryProgramFolder {
public:
    // `resourcesSource` is the source tree's resources folder (QUILLUX_RESOURCES in tests).
    explicit TemporaryProgramFolder(const QString& resourcesSource);
    ~TemporaryProgramFolder();
    TemporaryProgramFolder(const TemporaryProgramFolder&) = delete;
    TemporaryProgramFolder& operator=(const TemporaryProgramFolder&) = delete;

    bool IsValid() const { return valid_; }
    // The folder with a trailing "/", as the program's InstallDir.
    QString Path() const;
    QString DataPath() const { return Path() + QStringLiteral("Data/"); }
    QString ResourcesPath() const { return Path() + QStringLiteral("Resources/"); }
    // Absolute path of `relative` under the folder ("Data/QxSetup.Qlx").
    QString File(const QString& relative) const { return Path() + relative; }

private:
    QTemporaryDir folder_;
    QString previousCurrent_;
    bool valid_ = false;
};

}  // namespace quillux::testing
