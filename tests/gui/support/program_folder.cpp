#include "gui/support/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

namespace quillux::testing {
namespace {

bool CopyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to)) return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target)) return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}

}  // namespace

TemporaryProgramFolder::TemporaryProgramFolder(const QString& resourcesSource) {
    QStandardPaths::setTestModeEnabled(true);
    previousCurrent_ = QDir::currentPath();
    valid_ = folder_.isValid() && QDir(folder_.path()).mkpath(QStringLiteral("Data")) &&
             (resourcesSource.isEmpty() || !QDir(resourcesSource).exists()
                  ? QDir(folder_.path()).mkpath(QStringLiteral("Resources"))
                  : CopyFolder(resourcesSource, folder_.path() + QStringLiteral("/Resources"))) &&
             QDir::setCurrent(folder_.path());
}

TemporaryProgramFolder::~TemporaryProgramFolder() {
    QDir::setCurrent(previousCurrent_);
}

QString TemporaryProgramFolder::Path() const {
    return QDir(folder_.path()).absolutePath() + QLatin1Char('/');
}

}  // namespace quillux::testing
