#include "gui/converter/desktop_calculator.h"

#include <QProcess>
#include <QStandardPaths>

namespace quillux::gui {

const QStringList& DesktopCalculator::Candidates() {
    static const QStringList kPrograms = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
        QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
    return kPrograms;
}

QString DesktopCalculator::Find() {
    for (const QString& program : Candidates()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool DesktopCalculator::Start(const QString& program) {
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

}  // namespace quillux::gui
