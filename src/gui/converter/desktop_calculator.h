#pragma once

#include <QString>
#include <QStringList>

namespace quillux::gui {

// The desktop's own calculator program, which the converter's "Calculator..." starts.
class DesktopCalculator {
public:
    // The usual calculator programs of Linux desktops, in the order they are looked for.
    static const QStringList& Candidates();
    // Full path of the first candidate found on PATH; empty when none is installed.
    static QString Find();
    // Starts `program` without arguments, detached from this process; false when it could not
    // be started.
    static bool Start(const QString& program);
};

}  // namespace quillux::gui
