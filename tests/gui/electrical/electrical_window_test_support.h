#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/report/report_preview.h"

namespace quillux::testing {

// Puts the keyboard focus into `box` and types `text` over whatever it held, as a user would.
inline void Retype(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Runs `print` (which opens the print preview of `window` and waits for it), saves the shown
// report as a PDF and closes the preview; returns the PDF's text laid out by pdftotext, or an
// empty string when no preview opened.
inline QString PrintedText(QWidget* window, const QString& pdfPath,
                           const std::function<void()>& print) {
    bool saved = false;
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, window, [&] {
        QPointer<gui::ReportPreview> preview = window->findChild<gui::ReportPreview*>();
        if (preview.isNull()) return;
        saved = preview->SaveTo(pdfPath);
        preview->close();
    });
    look.start(0);
    print();
    look.stop();
    if (!saved) return {};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace quillux::testing
